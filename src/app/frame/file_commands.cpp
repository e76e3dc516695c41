#include "app/frame/file_commands.h"

#include "app/app_info.h"
#include "app/dialogs/dialog_parts.h"
#include "app/dialogs/export_dialog.h"
#include "app/document/document_editor.h"
#include "app/document/document_window.h"
#include "app/frame/disk_changes.h"
#include "model/notation/text_notation.h"
#include "model/structorizer/nsd_file.h"
#include "render/document_export.h"
#include "render/document_files.h"
#include "render/file_errors.h"
#include "render/qt_text_measurer.h"
#include "render/routine_folder.h"
#include "render/text_codec.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QMdiArea>
#include <QMenu>
#include <QMessageBox>
#include <QProgressDialog>
#include <QPushButton>
#include <QRegularExpression>

namespace velbrant {

FileCommands::FileCommands(QWidget* frame, const DefaultLabels& labels)
    : QObject(frame), m_frame(frame), m_labels(labels), m_exportDialog(new ExportDialog(frame)),
      m_diskChanges(new DiskChanges(frame)) {
    connect(m_exportDialog, &ExportDialog::helpRequested, this, &FileCommands::helpRequested);
}

// Numbers are never reused, so a new name never repeats one of this run.
DocumentWindow* FileCommands::newDocument() {
    ++m_newCount;
    const QString name = QString::fromStdString(m_labels.structName) + QString::number(m_newCount);
    auto* window = new DocumentWindow(m_labels, QString(), name + QStringLiteral(".STR"), false);
    window->editor().nameNewDocument(name.toStdString());
    emit documentCreated(window);
    return window;
}

// The window of a file at `path`, or of a new document named `name`.
DocumentWindow* FileCommands::windowFor(const QString& path, const QString& name) const {
    if (path.isEmpty())
        return new DocumentWindow(m_labels, QString(), name, false);
    const QFileInfo info(path);
    return new DocumentWindow(m_labels, QDir::toNativeSeparators(info.absolutePath() + '/'),
                              info.fileName(), true);
}

// Reads `source` into the window and hands it to the frame; on failure says
// why and deletes the window.
DocumentWindow* FileCommands::adopt(DocumentWindow* window, const QString& source,
                                    QStringList* conversions) {
    QString error;
    if (!window->load(source, &error, conversions)) {
        delete window;
        QMessageBox::critical(m_frame, ProgramCaption, error);
        return nullptr;
    }
    emit documentCreated(window);
    m_diskChanges->watch(*window);
    return window;
}

DocumentWindow* FileCommands::openDocument(const QString& path) {
    if (isSourcePath(path))
        return openSource(path);
    QStringList conversions;
    DocumentWindow* window = adopt(windowFor(path, QString()), path, &conversions);
    if (window == nullptr)
        return nullptr;
    m_recentFiles.add(path);
    if (!conversions.isEmpty())
        QMessageBox::information(m_frame, ProgramCaption,
                                 tr("%1 ist %2. Beim Übernehmen wurde angepasst:\n\n• %3")
                                     .arg(QDir::toNativeSeparators(path),
                                          isNsdPath(path) ? tr("ein Structorizer-Diagramm")
                                                          : tr("ein Struktogramm als Text"),
                                          conversions.join(tr("\n• "))));
    return window;
}

// A program source opens as new documents: its main program and one per
// function, each in its own window, none of them saved yet. What was kept
// as source text is named.
DocumentWindow* FileCommands::openSource(const QString& path) {
    QtTextMeasurer measurer;
    LoadedDocument loaded;
    try {
        loaded = readDocumentFile(path, measurer, m_labels);
    } catch (const DocumentFileError& failure) {
        QMessageBox::critical(m_frame, ProgramCaption, QString::fromUtf8(failure.what()));
        return nullptr;
    }
    const QString name = QFileInfo(path).completeBaseName();
    std::vector<std::pair<QString, std::unique_ptr<Document>>> diagrams;
    diagrams.emplace_back(name, std::move(loaded.document));
    for (LoadedRoutine& routine : loaded.routines)
        diagrams.emplace_back(routine.name, std::move(routine.document));
    DocumentWindow* main = nullptr;
    for (auto& [title, document] : diagrams) {
        auto* window =
            new DocumentWindow(m_labels, QString(), title + QStringLiteral(".STR"), false);
        emit documentCreated(window);
        window->editor().replaceDocument(std::move(document));
        window->editor().markUnsaved();
        main = main == nullptr ? window : main;
    }
    m_recentFiles.add(path);
    if (main->mdiArea() != nullptr)
        main->mdiArea()->setActiveSubWindow(main);
    if (!loaded.conversions.isEmpty())
        QMessageBox::information(m_frame, ProgramCaption,
                                 tr("%1 ist geöffnet: das Hauptprogramm und %2 als "
                                    "Struktogramme.\n\n• %3")
                                     .arg(QDir::toNativeSeparators(path))
                                     .arg(diagrams.size() == 2
                                              ? tr("1 Funktion")
                                              : tr("%1 Funktionen").arg(diagrams.size() - 1))
                                     .arg(loaded.conversions.join(tr("\n• "))));
    return main;
}

DocumentWindow* FileCommands::restoreDocument(const QString& recoveryFile, const QString& filePath,
                                              const QString& name) {
    QStringList conversions;
    DocumentWindow* window = adopt(windowFor(filePath, name), recoveryFile, &conversions);
    if (window != nullptr)
        window->editor().markUnsaved();
    return window;
}

void FileCommands::openFromDialog() {
    const QString path = m_fileDialogs.open(m_frame);
    if (!path.isEmpty())
        openDocument(diagramFileFor(path));
}

void FileCommands::openDropped(const QList<QUrl>& urls) {
    for (const QUrl& url : urls) {
        if (url.isLocalFile())
            openDocument(url.toLocalFile());
    }
}

bool FileCommands::save(DocumentWindow& window) {
    if (!window.hasFileName())
        return saveAs(window);
    const std::optional<QString> written = write(window, window.filePath());
    if (written && *written != window.filePath())
        becomeFile(window, *written);
    return written.has_value();
}

void FileCommands::becomeFile(DocumentWindow& window, const QString& path) {
    window.setFilePath(path);
    m_diskChanges->watch(window);
}

namespace {

// A new document's first save proposes its title as the file name, without
// the characters file names cannot hold; the numbered name when it has none.
QString proposedPath(DocumentWindow& window) {
    if (window.hasFileName())
        return window.filePath();
    QString name = decodeText(window.editor().document().format().title);
    name.remove(QRegularExpression(QStringLiteral("[/\\\\:*?\"<>|\\x00-\\x1f]")));
    name = name.simplified();
    return name.isEmpty() ? window.filePath() : name + QStringLiteral(".STR");
}

} // namespace

bool FileCommands::saveAs(DocumentWindow& window) {
    const QString path = m_fileDialogs.save(m_frame, proposedPath(window));
    if (path.isEmpty())
        return false;
    const std::optional<QString> written = write(window, path);
    if (!written)
        return false;
    becomeFile(window, *written);
    return true;
}

// What came from a Structorizer file and another format cannot hold, and
// the formats a text cannot hold, are named, and dropped only when the user
// agrees; the user may rather keep them in a Structorizer file.
FileCommands::Keeping FileCommands::askBeforeDropping(DocumentWindow& window, const QString& path) {
    if (isNsdPath(path))
        return Keeping::Everything;
    DocumentEditor& editor = window.editor();
    std::vector<std::string> content = nsdOnlyContent(editor.document());
    const bool nsdKeepsIt = !content.empty();
    if (isNotationPath(path)) {
        for (std::string& loss : notationLosses(editor.document(), editor.measurer()))
            content.push_back(std::move(loss));
    }
    if (content.empty())
        return Keeping::Everything;
    QString list;
    for (const std::string& item : content)
        list += tr("\n• ") + QString::fromStdString(item);
    QMessageBox ask(QMessageBox::Question, ProgramCaption,
                    tr("Das Format von „%1“ kann nicht alles halten, was das "
                       "Struktogramm hat. Verloren gehen:%2\n\nTrotzdem speichern?")
                        .arg(QFileInfo(path).fileName(), list),
                    QMessageBox::Yes | QMessageBox::No, m_frame);
    ask.setDefaultButton(QMessageBox::No);
    QPushButton* asNsd = nullptr;
    if (nsdKeepsIt) {
        asNsd = ask.addButton(tr("Als .&nsd speichern"), QMessageBox::AcceptRole);
        asNsd->setObjectName(QStringLiteral("SaveAsNsdButton"));
        ask.setDefaultButton(asNsd);
    }
    ask.exec();
    if (asNsd != nullptr && ask.clickedButton() == asNsd)
        return Keeping::InStructorizerFile;
    return ask.clickedButton() == ask.button(QMessageBox::Yes) ? Keeping::WhatFits
                                                               : Keeping::Nothing;
}

// Text typed in the text view that does not read is not in the diagram:
// saving without it is the user's choice.
bool FileCommands::maySaveWithoutUnreadText(DocumentWindow& window) {
    const QString reason = window.editor().unreadText();
    if (reason.isEmpty())
        return true;
    return askChoice(m_frame,
                     tr("Der Text in der Text-Ansicht lässt sich nicht lesen (%1).").arg(reason),
                     {tr("&Zurück zum Text"), tr("&Ohne diese Änderung speichern")}) == 1;
}

std::optional<QString> FileCommands::write(DocumentWindow& window, QString path) {
    emit aboutToWrite(window.editor());
    if (!maySaveWithoutUnreadText(window))
        return std::nullopt;
    switch (askBeforeDropping(window, path)) {
    case Keeping::Nothing:
        return std::nullopt;
    case Keeping::InStructorizerFile: {
        const QFileInfo asked(path);
        path = m_fileDialogs.save(
            m_frame, asked.dir().filePath(asked.completeBaseName() + QStringLiteral(".nsd")));
        if (path.isEmpty())
            return std::nullopt;
        // Another format named in the dialog is asked about again.
        if (!isNsdPath(path))
            return write(window, path);
        break;
    }
    case Keeping::Everything:
    case Keeping::WhatFits:
        break;
    }
    const bool ownFile = window.hasFileName() && QFileInfo(path) == QFileInfo(window.filePath());
    if (ownFile && !m_diskChanges->maySaveOver(window))
        return std::nullopt;
    QString error;
    if (!window.writeFile(path, &error)) {
        QMessageBox::critical(m_frame, ProgramCaption, error);
        return std::nullopt;
    }
    m_recentFiles.add(path);
    emit written();
    return path;
}

// The document's own file name and format stay as they are.
void FileCommands::exportDocument(DocumentWindow& window) {
    emit aboutToWrite(window.editor());
    m_exportDialog->preset(window.filePath());
    if (m_exportDialog->exec() != QDialog::Accepted)
        return;
    const ExportChoice chosen = m_exportDialog->choice();
    QProgressDialog progress(tr("Exportiere %1 ...").arg(QDir::toNativeSeparators(chosen.path)),
                             tr("Abbrechen"), 0, 100, m_frame);
    progress.setWindowTitle(ProgramCaption);
    progress.setWindowModality(Qt::WindowModal);
    progress.setMinimumDuration(500);
    DocumentEditor& editor = window.editor();
    ExportOptions options;
    options.labels = editor.labels();
    options.dotsPerInch = chosen.dotsPerInch;
    options.scalePercent = chosen.scalePercent;
    options.sheet = chosen.sheet;
    options.fallbackTitle = window.fileName();
    // A program takes the routines it calls from the diagrams beside its file.
    RoutineFolder routines(
        window.filePath().isEmpty() ? QString() : QFileInfo(window.filePath()).absolutePath(),
        editor.measurer(), window.filePath());
    if (openDocuments)
        routines.setOpen(openDocuments());
    options.routines = routines.lookup();
    QString notice;
    options.notice = [&notice](const QString& text) { notice = text; };
    options.progress = [&progress](qint64 done, qint64 total) {
        progress.setValue(static_cast<int>(100 * done / std::max<qint64>(total, 1)));
        return !progress.wasCanceled();
    };
    try {
        velbrant::exportDocument(editor.document(), editor.measurer(), chosen.path, options);
        if (!notice.isEmpty())
            emit noticed(notice);
    } catch (const ExportCancelled&) {
        return;
    } catch (const std::exception& failure) {
        progress.cancel();
        QMessageBox::critical(m_frame, ProgramCaption,
                              tr("Der Export ist fehlgeschlagen: %1")
                                  .arg(germanReason(QString::fromUtf8(failure.what()))));
    }
}

void FileCommands::fillRecentMenu(QMenu& menu) {
    menu.clear();
    const QStringList paths = m_recentFiles.paths();
    for (qsizetype i = 0; i < paths.size(); ++i) {
        const QString path = paths[i];
        QAction* entry =
            menu.addAction(QStringLiteral("&%1 %2").arg(i + 1).arg(QDir::toNativeSeparators(path)));
        connect(entry, &QAction::triggered, this, [this, path] { openRecent(path); });
    }
    if (paths.isEmpty())
        menu.addAction(tr("(keine)"))->setEnabled(false);
}

void FileCommands::openRecent(const QString& path) {
    if (QFileInfo::exists(path)) {
        openDocument(path);
        return;
    }
    m_recentFiles.remove(path);
    QMessageBox::warning(m_frame, ProgramCaption,
                         tr("%1 gibt es nicht mehr; die Datei wurde aus der Liste "
                            "entfernt.")
                             .arg(QDir::toNativeSeparators(path)));
}

} // namespace velbrant
