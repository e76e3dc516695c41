#pragma once

#include "model/diagram/default_labels.h"

#include <QDateTime>
#include <QMdiSubWindow>
#include <functional>

namespace velbrant {

class DocumentEditor;
class DocumentView;

// One open structogram in the frame: its editor, its view, its file
// identity and the close prompt.
class DocumentWindow : public QMdiSubWindow {
    Q_OBJECT

public:
    DocumentWindow(const DefaultLabels& labels, QString fileDir, QString fileName,
                   bool hasFileName);

    // Reads a ".STR" or ".nsd" file into this window; on failure fills
    // `error` and leaves the window as it was. `conversions` gets what a
    // Structorizer file's read had to change.
    bool load(const QString& path, QString* error, QStringList* conversions);

    DocumentEditor& editor() { return *m_editor; }
    DocumentView& view() { return *m_view; }

    const QString& fileName() const { return m_fileName; }
    bool hasFileName() const { return m_hasFileName; }
    // Directory and name; the name alone for a new document.
    QString filePath() const { return m_fileDir + m_fileName; }
    // The document is kept in this file from now on; the caption shows the
    // full path until the window is next activated.
    void setFilePath(const QString& path);
    // Writes the document through a QSaveFile: the old file stays as it was
    // unless the whole write succeeds, and only then is the document
    // marked saved. On failure fills `error` (German, naming the file).
    bool writeFile(const QString& path, QString* error);
    using SaveCommand = std::function<bool(DocumentWindow&)>;
    // How the close prompt's "Ja" saves (the frame's Save command); it
    // answers whether the document was saved.
    void setSaveCommand(SaveCommand save) { m_save = std::move(save); }
    bool isModified() const;
    // Two thirds of the area: what cascading and restoring give a window.
    QSize sizeHint() const override;
    // The directory and name, or the name alone for a file in the current
    // working directory or a new document.
    QString caption() const;
    // Shows the caption as the title, marked while there are unsaved
    // changes.
    void showCaption();
    // Asks whether to save a modified document; false keeps it open.
    bool confirmClose();
    // Whether another program changed the document's file since it was
    // read or written here.
    bool fileChangedOnDisk() const;

signals:
    // The window is asked to close, before the prompt.
    void closing();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void showName(const QString& name);
    void rememberFileState();

    DocumentEditor* m_editor;
    DocumentView* m_view;
    QString m_fileDir;
    QString m_fileName;
    bool m_hasFileName;
    // The file as it was last read or written here.
    QDateTime m_fileTime;
    qint64 m_fileSize = -1;
    SaveCommand m_save;
};

} // namespace velbrant
