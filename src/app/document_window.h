#pragma once

#include "model/default_labels.h"

#include <QMdiSubWindow>

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

    // Reads a ".STR" file into this window; on failure fills `error` and
    // leaves the window as it was.
    bool load(const QString& path, QString* error);

    DocumentEditor& editor() { return *m_editor; }
    DocumentView& view() { return *m_view; }

    const QString& fileName() const { return m_fileName; }
    bool isModified() const;
    // The directory and name, or the name alone for a file in the current
    // working directory or a new document.
    QString caption() const;
    // Asks whether to save a modified document; false keeps it open.
    bool confirmClose();

signals:
    // The window is asked to close, before the prompt.
    void closing();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    DocumentEditor* m_editor;
    DocumentView* m_view;
    QString m_fileDir;
    QString m_fileName;
    bool m_hasFileName;
};

} // namespace velbrant
