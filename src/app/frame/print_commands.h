#pragma once

#include "model/diagram/document.h"
#include "render/page_printer.h"

#include <QObject>
#include <QPrinter>
#include <functional>
#include <optional>

class QWidget;

namespace velbrant {

class DocumentWindow;
class PrintProgressDialog;

// The frame's printer and how documents go onto its pages: print, preview
// and page setup. Questions and failures are shown over the frame.
class PrintCommands : public QObject {
    Q_OBJECT

public:
    explicit PrintCommands(QWidget* frame);

    // The printer every print and page setup uses.
    QPrinter& printer() { return m_printer; }
    // The sheet every document is laid out on: the printer's page.
    PaperSize paper() const { return m_paper; }
    void setPageMode(PageMode mode) { m_pageMode = mode; }

    // The print dialog, then the job.
    void print(DocumentWindow& window);
    // Prints on the printer as it is set up, with the progress dialog;
    // failures are told. A picture larger than the page, to be printed as
    // the sheet shows it, is asked about first.
    void printDocument(DocumentWindow& window);
    void preview(DocumentWindow& window);
    void pageSetup();
    // Every document's sheet takes the page's size and orientation.
    void usePageLayout(const QPageLayout& layout);

signals:
    void paperChanged(PaperSize paper);

private:
    // The job's error in the user's words, empty when it printed.
    QString runJob(DocumentWindow& window, PageMode mode, const PrintProgressDialog& progress);
    // The page mode for this job; nothing when the user cancelled.
    std::optional<PageMode> modeFor(DocumentWindow& window);
    QWidget* pageModeChoice(QWidget* parent);
    // The worksheet's choices, for the print dialog's tab and the preview:
    // what to blank, the solution after it, black and white. `changed` is
    // told after each choice.
    void addSheetChoices(QWidget* parent, const std::function<void(QWidget*)>& add,
                         const std::function<void()>& changed);
    void proposePdfName(const DocumentWindow& window);

    QWidget* m_frame;
    QPrinter m_printer;
    PaperSize m_paper;
    PageMode m_pageMode = PageMode::AsShown;
    Sheet m_sheet;
};

} // namespace velbrant
