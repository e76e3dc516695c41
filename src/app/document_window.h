#pragma once

#include "model/document.h"
#include "model/layout_context.h"
#include "render/qt_text_measurer.h"

#include <QMdiSubWindow>
#include <memory>

namespace velbrant {

class DocumentView;
class MainWindow;

// One open structogram: the document, its file identity and its view.
class DocumentWindow : public QMdiSubWindow {
    Q_OBJECT

public:
    DocumentWindow(MainWindow& frame, QString fileDir, QString fileName, bool hasFileName);

    // Reads a ".STR" file into this window; on failure fills `error` and
    // leaves the window as it was.
    bool load(const QString& path, QString* error);

    Document& document() { return *m_document; }
    QtTextMeasurer& measurer() { return m_measurer; }
    LayoutContext layoutContext();
    DocumentView& view() { return *m_view; }
    MainWindow& frame() { return m_frame; }

    const QString& fileName() const { return m_fileName; }
    bool isModified() const { return m_document->topSequence.isModified(); }
    // The directory and name, or the name alone for a file in the current
    // working directory or a new document.
    QString caption() const;
    // Called when the window becomes the active one.
    void activated();
    // Asks whether to save a modified document; false keeps it open.
    bool confirmClose();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    MainWindow& m_frame;
    QtTextMeasurer m_measurer;
    std::unique_ptr<Document> m_document;
    DocumentView* m_view;
    QString m_fileDir;
    QString m_fileName;
    bool m_hasFileName;
};

} // namespace velbrant
