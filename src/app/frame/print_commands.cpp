#include "app/frame/print_commands.h"

#include "app/app_info.h"
#include "app/dialogs/dialog_parts.h"
#include "app/dialogs/print_progress_dialog.h"
#include "app/document/document_editor.h"
#include "app/document/document_window.h"

#include <QAction>
#include <QBoxLayout>
#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QFormLayout>
#include <QMessageBox>
#include <QPageSetupDialog>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPrinterInfo>
#include <QScreen>
#include <QToolBar>

namespace velbrant {

namespace {

// The sheet is the printable area of the printer's page in its
// orientation; A4 portrait when no printer is installed (printing goes to
// a PDF file then, all of whose page is printable).
PaperSize paperOf(const QPageLayout& layout) {
    const QSize size = layout.paintRect(QPageLayout::Millimeter).size().toSize();
    return {size.width(), size.height()};
}

QPageLayout defaultPageLayout() {
    const QPrinterInfo printer = QPrinterInfo::defaultPrinter();
    const QPageSize page = printer.isNull() ? QPageSize(QPageSize::A4) : printer.defaultPageSize();
    return QPageLayout(page, QPageLayout::Portrait, QMarginsF());
}

PrintablePage printableArea(QPrinter& printer) {
    const QPageLayout layout = printer.pageLayout();
    return {layout.paintRectPixels(printer.resolution()).size(),
            static_cast<double>(printer.resolution()), layout.margins(QPageLayout::Millimeter)};
}

// The preview's own print button, which would print the pages as they are.
QAction* printButtonOf(QPrintPreviewDialog& preview) {
    const QString print = QCoreApplication::translate("QPrintPreviewDialog", "Print");
    for (QAction* action : preview.findChildren<QAction*>()) {
        if (action->text() == print)
            return action;
    }
    return nullptr;
}

} // namespace

// The margins are the least the printer allows (none for a PDF file): the
// sheet on the screen is as large as what can be printed.
PrintCommands::PrintCommands(QWidget* frame) : QObject(frame), m_frame(frame) {
    m_printer.setCreator(QStringLiteral("Velbrant"));
    m_printer.setPageSize(defaultPageLayout().pageSize());
    m_printer.setPageMargins(QMarginsF(), QPageLayout::Millimeter);
    m_paper = paperOf(m_printer.pageLayout());
}

// A PDF takes the name of the document printed, in the folder the last one
// went to, so that a second worksheet does not overwrite the first.
void PrintCommands::proposePdfName(const DocumentWindow& window) {
    if (m_printer.outputFormat() != QPrinter::PdfFormat)
        return;
    const QFileInfo last(m_printer.outputFileName());
    const QString folder = !m_printer.outputFileName().isEmpty() ? last.absolutePath()
                           : window.hasFileName() ? QFileInfo(window.filePath()).absolutePath()
                                                  : QDir::homePath();
    const QString name = QFileInfo(window.fileName()).completeBaseName();
    m_printer.setOutputFileName(QDir(folder).filePath(name + QStringLiteral(".pdf")));
}

void PrintCommands::print(DocumentWindow& window) {
    proposePdfName(window);
    QPrintDialog dialog(&m_printer, m_frame);
    auto* pages = new QWidget;
    pages->setObjectName(QStringLiteral("VelbrantTab"));
    pages->setWindowTitle(QStringLiteral("Velbrant"));
    auto* layout = new QFormLayout(pages);
    layout->setFieldGrowthPolicy(QFormLayout::FieldsStayAtSizeHint);
    layout->addRow(tr("&Seiten:"), pageModeChoice(pages));
    addSheetChoices(
        pages, [layout](QWidget* choice) { layout->addRow(choice); }, [] {});
    dialog.setOptionTabs({pages});
    if (dialog.exec() == QDialog::Accepted)
        printDocument(window);
}

void PrintCommands::pageSetup() {
    QPageSetupDialog dialog(&m_printer, m_frame);
    dialog.exec();
    usePageLayout(m_printer.pageLayout());
}

void PrintCommands::usePageLayout(const QPageLayout& layout) {
    m_printer.setPageLayout(layout);
    m_paper = paperOf(layout);
    emit paperChanged(m_paper);
}

// The three ways onto pages, for the print dialog's tab and the preview.
QWidget* PrintCommands::pageModeChoice(QWidget* parent) {
    auto* choice = new QComboBox(parent);
    choice->setObjectName(QStringLiteral("PageModeBox"));
    choice->addItems({tr("Wie auf dem Blatt (eine Seite)"), tr("Auf Seite einpassen"),
                      tr("Auf mehrere Seiten verteilen")});
    choice->setCurrentIndex(static_cast<int>(m_pageMode));
    connect(choice, &QComboBox::currentIndexChanged, this,
            [this](int index) { m_pageMode = static_cast<PageMode>(index); });
    return choice;
}

void PrintCommands::addSheetChoices(QWidget* parent, const std::function<void(QWidget*)>& add,
                                    const std::function<void()>& changed) {
    auto* blanks = new QComboBox(parent);
    blanks->setObjectName(QStringLiteral("WorksheetBox"));
    blanks->addItems({tr("Kein Arbeitsblatt"), tr("Arbeitsblatt: markierte Elemente leer"),
                      tr("Arbeitsblatt: Anweisungen leer"),
                      tr("Arbeitsblatt: Bedingungen und Schleifenköpfe leer"),
                      tr("Arbeitsblatt: alle Texte leer")});
    blanks->setToolTip(tr("Welche Texte das Arbeitsblatt leer lässt"));
    blanks->setCurrentIndex(m_sheet.blanks ? static_cast<int>(*m_sheet.blanks) + 1 : 0);
    auto* solution = new QCheckBox(tr("&Lösung anhängen"), parent);
    solution->setObjectName(QStringLiteral("SolutionBox"));
    solution->setChecked(m_sheet.solution);
    auto* copier = new QCheckBox(tr("Sch&warzweiß"), parent);
    copier->setObjectName(QStringLiteral("BlackWhiteBox"));
    copier->setChecked(m_sheet.blackAndWhite);
    auto* notes = new QCheckBox(tr("&Kommentare drucken"), parent);
    notes->setObjectName(QStringLiteral("CommentNotesBox"));
    notes->setToolTip(tr("Die Kommentare der Elemente als Notizen rechts neben dem Rahmen"));
    notes->setChecked(m_sheet.commentNotes);
    connect(blanks, &QComboBox::currentIndexChanged, this, [this, changed](int index) {
        m_sheet.blanks = index == 0 ? std::nullopt : std::optional(static_cast<Blanks>(index - 1));
        changed();
    });
    connect(solution, &QCheckBox::toggled, this, [this, changed](bool on) {
        m_sheet.solution = on;
        changed();
    });
    connect(copier, &QCheckBox::toggled, this, [this, changed](bool on) {
        m_sheet.blackAndWhite = on;
        changed();
    });
    connect(notes, &QCheckBox::toggled, this, [this, changed](bool on) {
        m_sheet.commentNotes = on;
        changed();
    });
    add(blanks);
    add(solution);
    add(copier);
    add(notes);
}

void PrintCommands::preview(DocumentWindow& window) {
    QPrintPreviewDialog preview(&m_printer, m_frame);
    preview.setWindowTitle(tr("Seitenansicht"));
    // Large enough for the whole tool bar, the page mode at its end.
    preview.resize(m_frame->screen()->availableSize() * 4 / 5);
    if (auto* bar = preview.findChild<QToolBar*>()) {
        const auto update = [&preview] {
            if (auto* widget = preview.findChild<QPrintPreviewWidget*>())
                widget->updatePreview();
        };
        // The page mode and the worksheet in a bar of their own below:
        // the preview's own bar has no room left.
        auto* choices = new QToolBar(&preview);
        choices->setObjectName(QStringLiteral("SheetBar"));
        auto* choice = qobject_cast<QComboBox*>(pageModeChoice(choices));
        choices->addWidget(choice);
        choices->addSeparator();
        connect(choice, &QComboBox::currentIndexChanged, &preview, update);
        addSheetChoices(
            choices, [choices](QWidget* widget) { choices->addWidget(widget); }, update);
        if (auto* column = qobject_cast<QBoxLayout*>(preview.layout()))
            column->insertWidget(column->indexOf(bar) + 1, choices);
        else
            bar->addWidget(choices);
    }
    // Printing from the preview goes the way Ctrl+P goes: the print dialog,
    // and the question when the diagram is larger than the page.
    bool printRequested = false;
    if (QAction* button = printButtonOf(preview)) {
        QObject::disconnect(button, nullptr, &preview, nullptr);
        connect(button, &QAction::triggered, &preview, [&preview, &printRequested] {
            printRequested = true;
            preview.accept();
        });
    }
    DocumentEditor& editor = window.editor();
    connect(&preview, &QPrintPreviewDialog::paintRequested, this,
            [this, &editor](QPrinter* printer) {
                QPainter painter(printer);
                paintSheetPages(
                    painter, printableArea(*printer), editor.document(), editor.measurer(),
                    editor.labels(), m_pageMode, [printer] { return printer->newPage(); }, m_sheet);
            });
    preview.exec();
    if (printRequested)
        print(window);
}

std::optional<PageMode> PrintCommands::modeFor(DocumentWindow& window) {
    DocumentEditor& editor = window.editor();
    if (m_pageMode != PageMode::AsShown ||
        !reachesBeyondPage(editor.document(), printableArea(m_printer),
                           {.commentNotes = m_sheet.commentNotes}))
        return m_pageMode;
    switch (askChoice(m_frame,
                      tr("Das Struktogramm ist größer als die Seite. Wie soll es "
                         "gedruckt werden?"),
                      {tr("Auf Seite &einpassen"), tr("Auf &mehrere Seiten verteilen"),
                       tr("Seite &so drucken")})) {
    case 0:
        return PageMode::FitToPage;
    case 1:
        return PageMode::Tiled;
    case 2:
        return PageMode::AsShown;
    default:
        return std::nullopt;
    }
}

void PrintCommands::printDocument(DocumentWindow& window) {
    const std::optional<PageMode> mode = modeFor(window);
    if (!mode)
        return;
    m_printer.setDocName(printJobName(window.fileName()));
    const QString printerName = m_printer.outputFormat() == QPrinter::PdfFormat
                                    ? QDir::toNativeSeparators(m_printer.outputFileName())
                                    : m_printer.printerName();
    PrintProgressDialog progress(window.fileName(), printerName, m_frame);
    QString error;
    progress.run([&] { error = runJob(window, *mode, progress); });
    if (!error.isEmpty())
        QMessageBox::critical(m_frame, ProgramCaption, error);
}

QString PrintCommands::runJob(DocumentWindow& window, PageMode mode,
                              const PrintProgressDialog& progress) {
    QPainter painter;
    if (!painter.begin(&m_printer)) {
        if (m_printer.outputFormat() == QPrinter::PdfFormat)
            return tr("Der Druck ist fehlgeschlagen: %1 lässt sich nicht schreiben.")
                .arg(QDir::toNativeSeparators(m_printer.outputFileName()));
        return tr("Der Druck ist fehlgeschlagen: der Drucker „%1“ nimmt keinen "
                  "Auftrag an.")
            .arg(m_printer.printerName());
    }
    DocumentEditor& editor = window.editor();
    const int pages = paintSheetPages(
        painter, printableArea(m_printer), editor.document(), editor.measurer(), editor.labels(),
        mode,
        [this, &progress] {
            QCoreApplication::processEvents();
            return !progress.isCancelled() && m_printer.newPage();
        },
        m_sheet);
    QCoreApplication::processEvents();
    if (progress.isCancelled()) {
        m_printer.abort();
        painter.end();
        return QString();
    }
    if (!painter.end() || pages == 0 || m_printer.printerState() == QPrinter::Error)
        return tr("Der Druck ist fehlgeschlagen: der Drucker oder die Warteschlange "
                  "meldet einen Fehler.");
    return QString();
}

} // namespace velbrant
