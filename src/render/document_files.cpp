#include "render/document_files.h"

#include "model/files/structogram_file.h"
#include "model/files/windows1252.h"
#include "model/import/source_import.h"
#include "model/notation/exact_characters.h"
#include "model/notation/text_notation.h"
#include "model/structorizer/nsd_file.h"
#include "render/file_errors.h"
#include "render/qt_text_measurer.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStorageInfo>
#include <algorithm>
#include <stdexcept>

namespace velbrant {

namespace {

// Less room than this after a failed write means the disk is full.
constexpr qint64 FullDiskMargin = 64 * 1024;

} // namespace

bool isNotationPath(const QString& path) {
    return QFileInfo(path).suffix().compare(QStringLiteral("txt"), Qt::CaseInsensitive) == 0;
}

std::vector<const Document*> routineDocuments(const LoadedDocument& loaded) {
    std::vector<const Document*> documents;
    for (const LoadedRoutine& routine : loaded.routines)
        documents.push_back(routine.document.get());
    return documents;
}

bool isSourcePath(const QString& path) {
    return sourceLanguageFor(QFileInfo(path).suffix().toStdString()).has_value();
}

bool isNsdPath(const QString& path) {
    return QFileInfo(path).suffix().compare(QStringLiteral("nsd"), Qt::CaseInsensitive) == 0;
}

namespace {

// The largest file of the kind the path names that its reader takes:
// refused before it is read.
qint64 largestReadable(const QString& path) {
    if (isNsdPath(path))
        return static_cast<qint64>(MaxNsdSize);
    if (isNotationPath(path))
        return static_cast<qint64>(MaxNotationSize);
    if (isSourcePath(path))
        return static_cast<qint64>(MaxSourceSize);
    return MaxDocumentFileSize;
}

// A text in the notation, UTF-8 (a byte order mark skipped); characters
// Windows-1252 lacks are replaced and named. A text that is not UTF-8
// throughout was written in Windows-1252 (as on Windows), the model's own
// bytes. Control characters other than tabs would cut a text in other
// formats: they become blanks, and are named.
LoadedDocument loadNotationFile(const QByteArray& bytes, TextMeasurer& measurer,
                                const DefaultLabels& labels) {
    std::string_view raw(bytes.constData(), static_cast<std::size_t>(bytes.size()));
    if (raw.substr(0, 3) == "\xEF\xBB\xBF")
        raw.remove_prefix(3);
    std::string text(raw);
    int controls = 0;
    for (char& c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x20 && c != '\t' && c != '\n' && c != '\r') {
            c = ' ';
            ++controls;
        }
    }
    ReplacedCharacters replaced;
    LoadedDocument loaded{isValidUtf8(text) ? loadExactNotation(text, measurer, labels, replaced)
                                            : loadNotation(text, measurer, labels),
                          {},
                          {},
                          {}};
    if (!replaced.empty())
        loaded.conversions << QCoreApplication::translate(
                                  "velbrant", "Zeichen ersetzt, die ein Struktogramm nicht "
                                              "speichern kann: %1")
                                  .arg(QString::fromStdString(replaced.summary()));
    if (controls > 0)
        loaded.conversions << QCoreApplication::translate(
                                  "velbrant", "Steuerzeichen durch Leerzeichen ersetzt: %1")
                                  .arg(controls);
    return loaded;
}

// A program source as its main diagram, with one routine per function;
// what has no structogram form is named.
LoadedDocument loadSourceFile(const QByteArray& bytes, const QString& path, TextMeasurer& measurer,
                              const DefaultLabels& labels) {
    const QFileInfo info(path);
    const SourceImport imported = importSource(
        std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())),
        *sourceLanguageFor(info.suffix().toStdString()), info.completeBaseName().toStdString());
    const auto load = [&](const ImportedDiagram& diagram) {
        return loadNotationFile(QByteArray::fromStdString(diagram.notation), measurer, labels);
    };
    LoadedDocument loaded = load(imported.diagrams.front());
    for (std::size_t i = 1; i < imported.diagrams.size(); ++i) {
        LoadedDocument routine = load(imported.diagrams[i]);
        loaded.conversions << routine.conversions;
        loaded.routines.push_back(
            {QString::fromStdString(imported.diagrams[i].name), std::move(routine.document)});
    }
    for (const std::string& note : importNotes(imported))
        loaded.conversions << QString::fromStdString(note);
    return loaded;
}

} // namespace

LoadedDocument readDocumentFile(const QString& path, QtTextMeasurer& measurer,
                                const DefaultLabels& labels) {
    const QString shown = QDir::toNativeSeparators(path);
    const auto refuse = [&shown](const QString& reason) {
        return DocumentFileError(
            QCoreApplication::translate("velbrant", "%1 lässt sich nicht öffnen: %2")
                .arg(shown, reason)
                .toStdString());
    };
    const QFileInfo info(path);
    if (info.exists() && !info.isFile())
        throw refuse(
            info.isDir()
                ? QCoreApplication::translate("velbrant", "Das ist ein Verzeichnis")
                : QCoreApplication::translate("velbrant", "Das ist keine gewöhnliche Datei"));
    const qint64 largest = largestReadable(path);
    if (info.size() > largest)
        throw refuse(QCoreApplication::translate(
                         "velbrant", "Die Datei ist mit %1 MB größer als jedes Struktogramm "
                                     "(höchstens %2 MB)")
                         .arg(info.size() >> 20)
                         .arg(largest >> 20));
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw refuse(germanReason(file.errorString()));
    // What the file holds now, one byte more to notice it grew past the
    // limit; asking for the limit would make room for all of it first.
    const QByteArray bytes = file.read(std::min(file.size(), largest) + 1);
    if (file.error() != QFileDevice::NoError)
        throw refuse(germanReason(file.errorString()));
    if (bytes.size() > largest)
        throw refuse(
            QCoreApplication::translate(
                "velbrant", "Die Datei ist größer als jedes Struktogramm (höchstens %1 MB)")
                .arg(largest >> 20));
    try {
        if (isNsdPath(path)) {
            NsdImport read =
                loadNsd(std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())),
                        measurer, labels);
            const auto sentences = [](const std::vector<std::string>& lines) {
                QStringList said;
                for (const std::string& line : lines)
                    said << QString::fromStdString(line);
                return said;
            };
            return {std::move(read.document),
                    sentences(read.conversions),
                    sentences(read.textChanges),
                    {}};
        }
        if (isNotationPath(path))
            return loadNotationFile(bytes, measurer, labels);
        if (isSourcePath(path))
            return loadSourceFile(bytes, path, measurer, labels);
        return {loadDocument(std::span(reinterpret_cast<const std::uint8_t*>(bytes.constData()),
                                       static_cast<std::size_t>(bytes.size())),
                             measurer, labels),
                {},
                {},
                {}};
    } catch (const NotationError& failure) {
        throw DocumentFileError(
            QCoreApplication::translate("velbrant", "%1 ist kein lesbares Struktogramm: %2")
                .arg(shown, QString::fromUtf8(failure.what()))
                .toStdString());
    } catch (const FormatError& failure) {
        throw DocumentFileError(
            QCoreApplication::translate("velbrant", "%1 ist kein lesbares Struktogramm: %2")
                .arg(shown, QString::fromUtf8(failure.what()))
                .toStdString());
    }
}

LoadedDocument readNotationText(const QByteArray& bytes, QtTextMeasurer& measurer,
                                const DefaultLabels& labels) {
    if (static_cast<std::size_t>(bytes.size()) > MaxNotationSize)
        throw DocumentFileError(
            QCoreApplication::translate(
                "velbrant", "Die Eingabe ist größer als jedes Struktogramm (höchstens %1 MB)")
                .arg(MaxNotationSize >> 20)
                .toStdString());
    try {
        return loadNotationFile(bytes, measurer, labels);
    } catch (const NotationError& failure) {
        throw DocumentFileError(QCoreApplication::translate(
                                    "velbrant", "Die Eingabe ist kein lesbares Struktogramm: %1")
                                    .arg(QString::fromUtf8(failure.what()))
                                    .toStdString());
    }
}

QString writeFailure(const QFileDevice& file) {
    // Qt often reports a write the disk had no room for as "unknown": the
    // device's state tells.
    const QStorageInfo device(QFileInfo(file.fileName()).absolutePath());
    if (device.isValid() && device.bytesAvailable() < FullDiskMargin)
        return QCoreApplication::translate("velbrant", "Auf dem Datenträger ist kein Platz mehr");
    return germanReason(file.errorString());
}

bool commitWhole(QSaveFile& file, QString* reason) {
    if (!file.flush() || file.error() != QFileDevice::NoError) {
        *reason = writeFailure(file);
        file.cancelWriting();
        return false;
    }
    if (file.commit())
        return true;
    *reason = writeFailure(file);
    return false;
}

namespace {

// Nothing is written that the readers would refuse.
QByteArray readable(std::string bytes, std::size_t largestRead, const char* format) {
    if (bytes.size() > largestRead)
        throw std::length_error(
            QCoreApplication::translate("velbrant",
                                        "Als %1 wäre es %2 MB groß; Velbrant liest höchstens %3 MB")
                .arg(QCoreApplication::translate("velbrant", format))
                .arg(bytes.size() >> 20)
                .arg(largestRead >> 20)
                .toStdString());
    return QByteArray::fromStdString(bytes);
}

} // namespace

QByteArray encodeDocumentFor(const QString& path, const Document& document) {
    if (isNotationPath(path))
        return readable(exactUtf8(writeNotation(document), document), MaxNotationSize,
                        QT_TRANSLATE_NOOP("velbrant", "Text"));
    if (isNsdPath(path))
        return readable(encodeNsd(document), MaxNsdSize,
                        QT_TRANSLATE_NOOP("velbrant", "Structorizer-Datei"));
    const Bytes bytes = encodeDocument(document);
    return QByteArray(reinterpret_cast<const char*>(bytes.data()),
                      static_cast<qsizetype>(bytes.size()));
}

} // namespace velbrant
