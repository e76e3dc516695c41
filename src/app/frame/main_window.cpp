#include "app/frame/main_window.h"

#include "app/app_info.h"
#include "app/dialogs/recovery_dialog.h"
#include "app/docks/code_dock.h"
#include "app/docks/text_dock.h"
#include "app/document/document_editor.h"
#include "app/document/document_view.h"
#include "app/document/document_window.h"
#include "app/find/find_commands.h"
#include "app/frame/document_area.h"
#include "app/frame/edit_commands.h"
#include "app/frame/element_clipboard.h"
#include "app/frame/file_commands.h"
#include "app/frame/format_commands.h"
#include "app/frame/print_commands.h"
#include "app/frame/recovery.h"
#include "app/frame/text_entry_controller.h"
#include "app/help/help_window.h"
#include "app/run/run_commands.h"
#include "app/settings/settings_file.h"
#include "app/widgets/status_line.h"
#include "app/widgets/tool_palette.h"
#include "app/widgets/zoom_box.h"

#include <QClipboard>
#include <QCloseEvent>
#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLocale>
#include <QMessageBox>
#include <QMimeData>
#include <QScreen>
#include <QUrl>
#include <algorithm>

// The icons live in this static library; the executable must pull them in.
static void initIconResources() {
    Q_INIT_RESOURCE(icons);
}

namespace velbrant {

MainWindow::MainWindow(QWidget* parent)
    : QMainWindow(parent), m_mdiArea(new DocumentArea(this)),
      m_clipboard(new ElementClipboard(this)), m_formats(new FormatCommands(this)),
      m_textEntry(new TextEntryController(this)), m_codeDock(new CodeDock(this)),
      m_textDock(new TextDock(this)), m_help(std::make_unique<HelpWindow>()),
      m_recovery(new Recovery(this, Recovery::standardFolder())) {
    m_edit = new EditCommands(this, *m_clipboard, *m_textEntry);
    m_files = new FileCommands(this, m_formats->labels());
    const auto openDocuments = [this] {
        std::vector<const Document*> open;
        for (DocumentWindow* window : documents())
            open.push_back(&window->editor().document());
        return open;
    };
    m_files->openDocuments = openDocuments;
    m_codeDock->openDocuments = openDocuments;
    m_run = new RunCommands(this);
    m_run->openDocuments = openDocuments;
    m_run->openWindows = [this] { return documents(); };
    m_run->openFile = [this](const QString& path) { return m_files->openDocument(path); };
    m_find = new FindCommands(this);
    m_find->openWindows = [this] { return documents(); };
    m_find->activate = [this](DocumentWindow* window) { m_mdiArea->setActiveSubWindow(window); };
    m_printing = new PrintCommands(this);
    initIconResources();
    setWindowTitle(ProgramCaption);
    setObjectName(QStringLiteral("MainForm"));
    setAcceptDrops(true);
    setWindowIcon(QIcon(QStringLiteral(":/icons/velbrant.svg")));
    placeOnScreen();
    setCentralWidget(m_mdiArea);
    createCommands();
    m_palette = new ToolPalette(this);
    connect(m_palette, &ToolPalette::toolChosen, this, &MainWindow::setTool);
    createMenus();
    createSpeedBar();
    addToolBar(Qt::LeftToolBarArea, m_palette);
    m_statusLine = new StatusLine(this);
    setStatusBar(m_statusLine);
    addDockWidget(Qt::RightDockWidgetArea, m_codeDock);
    addDockWidget(Qt::RightDockWidgetArea, m_textDock);
    // Open together, the two views are tabs of the full height: stacked,
    // the program shrank to a strip and hid its count.
    tabifyDockWidget(m_codeDock, m_textDock);
    m_codeDock->hide();
    m_textDock->hide();
    connectCollaborators();
    setTool(Tool::Select);
    updateCommands();
}

// The document windows go after the frame's own members: they must not
// report their activation to a frame that is half gone.
MainWindow::~MainWindow() {
    disconnect(m_mdiArea, nullptr, this, nullptr);
}

void MainWindow::connectCollaborators() {
    connect(m_mdiArea, &QMdiArea::subWindowActivated, this,
            [this] { documentActivated(activeDocument()); });
    connect(m_files, &FileCommands::documentCreated, this, &MainWindow::addDocumentWindow);
    // What is typed but not yet taken in goes into the diagram before it is
    // written, printed, closed or left.
    connect(m_files, &FileCommands::aboutToWrite, m_textEntry, [this](DocumentEditor& editor) {
        m_textEntry->commitFor(&editor);
        m_textDock->rebuildNow();
    });
    connect(m_files, &FileCommands::written, this, &MainWindow::updateCommands);
    connect(m_files, &FileCommands::noticed, this,
            [this](const QString& text) { m_statusLine->showMessage(text, 15000); });
    connect(m_run, &RunCommands::note, this,
            [this](const QString& text) { m_statusLine->showMessage(text, 15000); });
    connect(m_find, &FindCommands::note, this,
            [this](const QString& text) { m_statusLine->showMessage(text, 15000); });
    connect(m_find, &FindCommands::helpRequested, m_help.get(), &HelpWindow::showKeyword);
    connect(m_printing, &PrintCommands::paperChanged, this, [this](PaperSize paper) {
        for (DocumentWindow* document : documents())
            document->editor().setPaper(paper);
    });
    // The branch labels and the arrow option show in every diagram at once.
    connect(m_formats, &FormatCommands::labelsChanged, this, [this](const DefaultLabels& labels) {
        for (DocumentWindow* document : documents())
            document->editor().setLabels(labels);
    });
    connect(m_clipboard, &ElementClipboard::changed, this, &MainWindow::showPasteMode);
    connect(m_textEntry, &TextEntryController::stateChanged, this, &MainWindow::updateCommands);
    connect(m_textEntry, &TextEntryController::helpRequested, m_help.get(),
            &HelpWindow::showKeyword);
    connect(m_formats, &FormatCommands::helpRequested, m_help.get(), &HelpWindow::showKeyword);
    connect(m_files, &FileCommands::helpRequested, m_help.get(), &HelpWindow::showKeyword);
    connect(QGuiApplication::clipboard(), &QClipboard::dataChanged, this,
            &MainWindow::updateCommands);
}

void MainWindow::setTool(Tool tool) {
    m_tool = tool;
    m_palette->showTool(tool);
    for (DocumentWindow* document : documents())
        document->view().setTool(tool);
    m_clipboard->setPasteMode(false);
}

void MainWindow::showPasteMode() {
    const bool on = m_clipboard->isPasteMode();
    m_cmd.editPaste->setText(on ? tr("&Einfügemodus verlassen") : tr("&Einfügen"));
    m_cmd.editPaste->setChecked(on);
    m_statusLine->showPasteMode(on);
    for (DocumentWindow* document : documents())
        document->view().setPasteMode(on);
    updateCommands();
}

// The interface is built in one language: another one speaks from the next
// start on.
void MainWindow::chooseLanguage(const QString& code) {
    m_chosenLanguage = code;
    if (code != QLocale().name().left(2))
        QMessageBox::information(
            this, ProgramCaption,
            tr("Velbrant spricht die gewählte Sprache ab dem nächsten Start."));
}

void MainWindow::showComments() {
    for (DocumentWindow* document : documents())
        document->view().setShowComments(m_cmd.viewComments->isChecked());
}

// Connected once per window: its signals are all the frame hears of it.
void MainWindow::addDocumentWindow(DocumentWindow* window) {
    DocumentEditor& editor = window->editor();
    DocumentView& view = window->view();
    editor.setPaper(m_printing->paper());
    view.setTool(m_tool);
    view.setPasteMode(m_clipboard->isPasteMode());
    view.setShowComments(m_cmd.viewComments->isChecked());
    window->setSaveCommand([this](DocumentWindow& document) { return m_files->save(document); });
    m_textEntry->follow(*window);
    connect(&editor, &DocumentEditor::changed, this, &MainWindow::updateCommands);
    connect(&editor, &DocumentEditor::selectionChanged, this, &MainWindow::updateCommands);
    connect(&view, &DocumentView::pasteModeLeft, m_clipboard,
            [this] { m_clipboard->setPasteMode(false); });
    connect(
        &view, &DocumentView::pasteRequested, m_clipboard,
        [this, &editor](Point at, InsertMode mode) { m_clipboard->pasteInto(editor, at, mode); });
    connect(&view, &DocumentView::zoomStepRequested, this, [this, &view](int step, QPoint pixel) {
        view.zoomAbout(ZoomBox::stepped(view.zoom(), step), pixel);
        m_zoomBox->showZoom(view.zoom());
    });
    connect(&view, &DocumentView::diagramFormatRequested, m_formats,
            [this, &editor] { m_formats->formatDiagramTitle(editor); });
    connect(
        &view, &DocumentView::caseInsertRequested, m_formats,
        [this, &editor](Point at, InsertMode mode) { m_formats->insertCase(editor, at, mode); });
    connect(window, &DocumentWindow::closing, m_textDock, &TextDock::rebuildNow);
    m_recovery->follow(*window);
    m_find->watch(*window);
    connect(&view, &DocumentView::runDropped, m_mdiArea,
            [this, window] { m_mdiArea->setActiveSubWindow(window); });
    m_mdiArea->addDocument(window);
    updateCommands();
}

void MainWindow::documentActivated(DocumentWindow* window) {
    m_textEntry->commitUnlessFor(window != nullptr ? &window->editor() : nullptr);
    m_codeDock->follow(window != nullptr ? &window->editor() : nullptr,
                       window != nullptr ? window->filePath() : QString());
    m_textDock->follow(window != nullptr ? &window->editor() : nullptr);
    m_run->follow(window);
    m_find->follow(window);
    if (window != nullptr) {
        window->showCaption();
        m_zoomBox->showZoom(window->view().zoom());
    }
    updateCommands();
}

void MainWindow::dragEnterEvent(QDragEnterEvent* event) {
    const QList<QUrl> urls = event->mimeData()->urls();
    if (std::any_of(urls.begin(), urls.end(), [](const QUrl& url) { return url.isLocalFile(); }))
        event->acceptProposedAction();
}

void MainWindow::dropEvent(QDropEvent* event) {
    m_files->openDropped(event->mimeData()->urls());
    event->acceptProposedAction();
}

void MainWindow::useSettings(std::unique_ptr<SettingsFile> settings) {
    m_settings = std::move(settings);
    m_formats->setLabels(m_settings->labels());
    m_files->setRecentFiles(RecentFiles(m_settings->recentFiles()));
    const QByteArray geometry = m_settings->frameGeometry();
    if (!geometry.isEmpty())
        restoreGeometry(geometry);
}

void MainWindow::saveSettings() {
    if (!m_settings)
        return;
    m_settings->setLabels(m_formats->labels());
    m_settings->setRecentFiles(m_files->recentFiles().paths());
    m_settings->setFrameGeometry(saveGeometry());
    if (!m_chosenLanguage.isEmpty())
        m_settings->setLanguage(m_chosenLanguage);
    QString failedPath;
    if (!m_settings->save(&failedPath))
        QMessageBox::critical(this, ProgramCaption, tr("Unable to write to %1").arg(failedPath));
}

void MainWindow::updateCommands() {
    for (const auto& [action, needs] : m_enableRules)
        action->setEnabled(isEnabled(needs));
    showActiveDocument();
}

// The frame's caption marks unsaved changes of the active document (a
// maximised window's caption is part of it), and the undo and redo
// commands name the steps they take back or make again.
void MainWindow::showActiveDocument() {
    DocumentWindow* active = activeDocument();
    const bool textEntry = active != nullptr && m_textEntry->isOpenFor(&active->editor());
    setWindowModified(active != nullptr && active->isModified());
    const auto name = [](QAction* command, const QString& caption, const QString& step) {
        command->setText(step.isEmpty() ? caption : QStringLiteral("%1: %2").arg(caption, step));
        command->setToolTip(command->text().remove(u'&'));
    };
    const DocumentEditor* editor = active != nullptr ? &active->editor() : nullptr;
    name(m_cmd.editUndo, tr("&Rückgängig"),
         editor != nullptr && !textEntry ? editor->undoName() : QString());
    name(m_cmd.editRedo, tr("&Wiederherstellen"),
         editor != nullptr && !textEntry ? editor->redoName() : QString());
}

void MainWindow::placeOnScreen() {
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    resize(screen.size() * 4 / 5);
    move(screen.center() - rect().center());
}

// Each window is asked in turn and closes at once on its answer; the first
// that stays open stops the frame's close, and the rest are not asked.
void MainWindow::offerRecovery() {
    const QList<Recovery::Entry> entries = m_recovery->leftBehind();
    if (entries.isEmpty())
        return;
    QStringList names;
    for (const Recovery::Entry& entry : entries) {
        const QString written =
            QLocale(QLocale::German).toString(entry.written, QStringLiteral("dd.MM.yyyy HH:mm"));
        const QFileInfo file(entry.filePath);
        names << (entry.filePath.isEmpty()
                      ? tr("%1 (Stand %2)").arg(entry.name, written)
                      : tr("%1 (Stand %2) in %3")
                            .arg(file.fileName(), written,
                                 QDir::toNativeSeparators(file.absolutePath())));
    }
    RecoveryDialog dialog(names, this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    const std::vector<bool> chosen = dialog.chosen();
    for (qsizetype i = 0; i < entries.size(); ++i) {
        if (chosen[static_cast<std::size_t>(i)])
            m_files->restoreDocument(entries[i].recoveryFile, entries[i].filePath, entries[i].name);
        Recovery::discard(entries[i]);
    }
}

// A document about to be asked about comes to the front first, so that the
// question names the window the user sees.
void MainWindow::closeEvent(QCloseEvent* event) {
    m_textDock->rebuildNow();
    for (DocumentWindow* document : documents()) {
        if (document->editor().isModified())
            m_mdiArea->setActiveSubWindow(document);
        if (!document->close()) {
            event->ignore();
            return;
        }
    }
    saveSettings();
    m_help->close();
    event->accept();
}

} // namespace velbrant
