#pragma once

#include "app/frame/file_dialogs.h"
#include "app/settings/recent_files.h"
#include "model/diagram/default_labels.h"

#include <QObject>
#include <QUrl>
#include <functional>
#include <optional>
#include <vector>

class QMenu;
class QWidget;

namespace velbrant {

class DiskChanges;
class Document;
class DocumentEditor;
class DocumentWindow;
class ExportDialog;

// The file commands of the frame: new, open, save, save as, export, the
// recent files and dropped files. New windows are handed to the frame by
// `documentCreated`; questions and failures are shown over the frame.
class FileCommands : public QObject {
    Q_OBJECT

public:
    // New documents start with `labels`, which the frame keeps current.
    FileCommands(QWidget* frame, const DefaultLabels& labels);

    // The diagrams open in the frame: the routines an exported program may
    // call, before those beside its file.
    std::function<std::vector<const Document*>()> openDocuments;

    // A new, empty document named from the default prefix and a number.
    DocumentWindow* newDocument();
    // Opens a ".STR" or ".nsd" file in a new document window; on failure
    // says why and returns nullptr.
    DocumentWindow* openDocument(const QString& path);
    DocumentWindow* openSource(const QString& path);
    // A document brought back from its recovery file, under the file it
    // was kept in (or, new, its name), modified until saved.
    DocumentWindow* restoreDocument(const QString& recoveryFile, const QString& filePath,
                                    const QString& name);
    void openFromDialog();
    void openDropped(const QList<QUrl>& urls);
    // Saves to the document's file, or asks for one; false when the user
    // cancelled or the save failed (then the user was told why).
    bool save(DocumentWindow& window);
    bool saveAs(DocumentWindow& window);
    // The document in the format the export dialog chooses: a picture, a
    // Structorizer file or a laid-out ".STR" copy.
    void exportDocument(DocumentWindow& window);

    const RecentFiles& recentFiles() const { return m_recentFiles; }
    void setRecentFiles(RecentFiles files) { m_recentFiles = std::move(files); }
    // Fills the menu with the recent files, each opening its file.
    void fillRecentMenu(QMenu& menu);
    // Where file names come from; tests answer without a modal dialog.
    void setFileDialogs(FileDialogs dialogs) { m_fileDialogs = std::move(dialogs); }

signals:
    void documentCreated(DocumentWindow* window);
    // The document is about to be written: typed text goes in first.
    void aboutToWrite(DocumentEditor& editor);
    void written();
    void helpRequested(const QString& keyword);
    // What the user should know of a finished export.
    void noticed(const QString& text);

private:
    DocumentWindow* windowFor(const QString& path, const QString& name) const;
    DocumentWindow* adopt(DocumentWindow* window, const QString& source, QStringList* conversions);
    // Writes the document to the path, or to the Structorizer file the user
    // chose instead when asked; gives the path written, none when nothing
    // was.
    std::optional<QString> write(DocumentWindow& window, QString path);
    // The window shows and watches the file it was written to.
    void becomeFile(DocumentWindow& window, const QString& path);
    bool maySaveWithoutUnreadText(DocumentWindow& window);
    enum class Keeping { Everything, WhatFits, InStructorizerFile, Nothing };
    Keeping askBeforeDropping(DocumentWindow& window, const QString& path);
    void openRecent(const QString& path);

    QWidget* m_frame;
    const DefaultLabels& m_labels;
    int m_newCount = 0;
    FileDialogs m_fileDialogs = systemFileDialogs();
    ExportDialog* m_exportDialog;
    DiskChanges* m_diskChanges;
    RecentFiles m_recentFiles;
};

} // namespace velbrant
