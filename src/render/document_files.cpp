#include "render/document_files.h"

#include "model/nsd_file.h"
#include "model/structogram_file.h"
#include "render/qt_text_measurer.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace velbrant {

bool isNsdPath(const QString& path) {
    return QFileInfo(path).suffix().compare(QStringLiteral("nsd"), Qt::CaseInsensitive) == 0;
}

LoadedDocument readDocumentFile(const QString& path, QtTextMeasurer& measurer,
                                const DefaultLabels& labels) {
    const QString shown = QDir::toNativeSeparators(path);
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw DocumentFileError(QStringLiteral("%1 lässt sich nicht öffnen: %2")
                                    .arg(shown, file.errorString())
                                    .toStdString());
    const QByteArray bytes = file.readAll();
    try {
        if (isNsdPath(path)) {
            NsdImport read =
                loadNsd(std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())),
                        measurer, labels);
            QStringList conversions;
            for (const std::string& line : read.conversions)
                conversions << QString::fromStdString(line);
            return {std::move(read.document), conversions};
        }
        return {loadDocument(Bytes(bytes.begin(), bytes.end()), measurer, labels), {}};
    } catch (const FormatError& failure) {
        throw DocumentFileError(QStringLiteral("%1 ist kein lesbares Struktogramm: %2")
                                    .arg(shown, QString::fromUtf8(failure.what()))
                                    .toStdString());
    }
}

QByteArray encodeDocumentFor(const QString& path, const Document& document) {
    if (isNsdPath(path))
        return QByteArray::fromStdString(encodeNsd(document));
    const Bytes bytes = encodeDocument(document);
    return QByteArray(reinterpret_cast<const char*>(bytes.data()),
                      static_cast<qsizetype>(bytes.size()));
}

} // namespace velbrant
