#include "app/main_window.h"

#include "app/app_info.h"
#include "app/case_labels_dialog.h"
#include "app/default_labels_dialog.h"
#include "app/diagram_format_dialog.h"
#include "app/document_editor.h"
#include "app/document_view.h"
#include "app/document_window.h"
#include "app/element_format_dialog.h"
#include "app/element_text_dialog.h"
#include "app/file_errors.h"
#include "app/help_window.h"
#include "app/new_case_dialog.h"
#include "app/print_progress_dialog.h"
#include "app/settings_file.h"
#include "app/storable_text.h"
#include "model/case.h"
#include "model/element_factory.h"
#include "render/diagram_picture.h"
#include "render/document_export.h"
#include "render/text_codec.h"

#include <QActionGroup>
#include <QClipboard>
#include <QCloseEvent>
#include <QComboBox>
#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLabel>
#include <QMdiArea>
#include <QMenuBar>
#include <QMessageBox>
#include <QMimeData>
#include <QPageSetupDialog>
#include <QPageSize>
#include <QPainter>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPrinterInfo>
#include <QProgressDialog>
#include <QScreen>
#include <QStatusBar>
#include <QTime>
#include <QToolBar>
#include <QToolButton>
#include <QUrl>
#include <algorithm>

// The icons live in this static library; the executable must pull them in.
static void initIconResources() {
    Q_INIT_RESOURCE(icons);
}

namespace velbrant {

namespace {

QIcon programIcon() {
    return QIcon(QStringLiteral(":/icons/velbrant.svg"));
}

const QStringList ZoomEntries{"10 %",  "25 %",  "33 %",  "50 %",  "66 %",  "75 %", "100 %",
                              "150 %", "200 %", "300 %", "400 %", "500 %", "600 %"};
constexpr int InitialZoomEntry = 6;
constexpr int LargestAllowedZoomEntry = 10;

struct ToolButton {
    const char* name;
    const char* icon;
    const char* hint;
};

const std::array<ToolButton, ToolCount> ToolButtons{{
    {"SelectButton", "select", "Auswählen"},
    {"TextButton", "text", "Text eingeben"},
    {"BlockButton", "block", "Anweisung"},
    {"IfButton", "if", "Bedingte Anweisung"},
    {"WhileButton", "while", "Kopfgesteuerte Schleife"},
    {"RepeatButton", "repeat", "Fußgesteuerte Schleife"},
    {"EndlosButton", "for", "Zählschleife"},
    {"CaseButton", "case", "Fallunterscheidung"},
    {"CallButton", "call", "Aufruf"},
    {"ExitButton", "exit", "Aussprung"},
}};

// Runs of elements on the system clipboard, as transfer streams.
const QString ElementsMimeType = QStringLiteral("application/x-velbrant-elements");

QIcon icon(const char* name) {
    return QIcon(QStringLiteral(":/icons/%1.svg").arg(name));
}

// The sheet is the printer's page in its orientation; A4 portrait when no
// printer is installed (printing goes to a PDF file then).
PaperSize paperOf(const QPageLayout& layout) {
    const QSize size = layout.fullRect(QPageLayout::Millimeter).size().toSize();
    return {size.width(), size.height()};
}

QPageLayout defaultPageLayout() {
    const QPrinterInfo printer = QPrinterInfo::defaultPrinter();
    const QPageSize page = printer.isNull() ? QPageSize(QPageSize::A4) : printer.defaultPageSize();
    return QPageLayout(page, QPageLayout::Portrait, QMarginsF());
}

bool clipboardHasText() {
    const QMimeData* data = QGuiApplication::clipboard()->mimeData();
    return data != nullptr && data->hasText();
}

QStringList decodeLines(const std::vector<std::string>& lines, bool symbolFont) {
    QStringList decoded;
    for (const std::string& line : lines)
        decoded << decodeText(line, symbolFont);
    return decoded;
}

std::vector<std::string> encodeLines(const QStringList& lines, bool symbolFont) {
    std::vector<std::string> encoded;
    for (const QString& line : lines)
        encoded.push_back(encodeText(line, symbolFont));
    return encoded;
}

} // namespace

MainWindow::MainWindow(QWidget* parent)
    : QMainWindow(parent), m_mdiArea(new QMdiArea(this)), m_paper(paperOf(defaultPageLayout())),
      m_textDialog(new ElementTextDialog(this)), m_caseDialog(new NewCaseDialog(this)),
      m_labelsDialog(new CaseLabelsDialog(this)),
      m_defaultLabelsDialog(new DefaultLabelsDialog(this)),
      m_elementFormatDialog(new ElementFormatDialog(this)),
      m_diagramFormatDialog(new DiagramFormatDialog(this)), m_help(new HelpWindow(this)) {
    initIconResources();
    setWindowTitle(ProgramCaption);
    setObjectName(QStringLiteral("MainForm"));
    setAcceptDrops(true);
    m_printer.setPageSize(defaultPageLayout().pageSize());
    setWindowIcon(programIcon());
    placeOnScreen();
    m_mdiArea->setObjectName(QStringLiteral("MdiArea"));
    setCentralWidget(m_mdiArea);
    createCommands();
    createMenus();
    createSpeedBar();
    createPalette();
    createStatusBar();
    connect(m_mdiArea, &QMdiArea::subWindowActivated, this,
            [this] { documentActivated(activeDocument()); });
    connectTextDialog();
    const auto helpFrom = [this](auto* dialog) {
        using Dialog = std::remove_pointer_t<decltype(dialog)>;
        connect(dialog, &Dialog::helpRequested, m_help, &HelpWindow::showKeyword);
    };
    helpFrom(m_textDialog);
    helpFrom(m_caseDialog);
    helpFrom(m_labelsDialog);
    helpFrom(m_elementFormatDialog);
    helpFrom(m_diagramFormatDialog);
    connect(QGuiApplication::clipboard(), &QClipboard::dataChanged, this,
            &MainWindow::updateCommands);
    setTool(Tool::Select);
    updateClock();
    connect(&m_clock, &QTimer::timeout, this, &MainWindow::updateClock);
    m_clock.start(1000);
    updateCommands();
}

// The document windows go after the frame's own members: they must not
// report their activation to a frame that is half gone.
MainWindow::~MainWindow() {
    disconnect(m_mdiArea, nullptr, this, nullptr);
}

QAction* MainWindow::addCommand(const char* name, const QString& caption, const QString& hint,
                                Needs needs, const std::function<void()>& command) {
    auto* action = new QAction(caption, this);
    action->setObjectName(QString::fromLatin1(name));
    action->setStatusTip(hint);
    if (command)
        connect(action, &QAction::triggered, this, command);
    if (needs != Needs::Nothing)
        m_enableRules.emplace_back(action, needs);
    return action;
}

void MainWindow::createCommands() {
    auto& c = m_cmd;
    c.fileNew = addCommand("FileNewItem", "&Neu", "Eine neue Datei erzeugen", Needs::Nothing,
                           [this] { newDocument(); });
    c.fileNew->setShortcut(QKeySequence::New);
    c.fileOpen = addCommand("FileOpenItem", "&Öffnen...", "Eine bestehende Datei öffnen",
                            Needs::Nothing, [this] { openFromDialog(); });
    c.fileOpen->setShortcut(QKeySequence::Open);
    c.fileSave = addCommand("FileSaveItem", "&Speichern", "Aktuelle Datei speichern",
                            Needs::Document, [this] {
                                if (DocumentWindow* document = activeDocument())
                                    saveDocument(*document);
                            });
    c.fileSave->setShortcut(QKeySequence::Save);
    c.fileSaveAs =
        addCommand("FileSaveAsItem", "Speichern &Unter...",
                   "Aktuelle Datei unter neuem Namen speichern", Needs::Document, [this] {
                       if (DocumentWindow* document = activeDocument())
                           saveDocumentAs(*document);
                   });
    c.fileSaveAs->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S));
    c.fileClose = addCommand("FileCloseItem", "S&chließen", QString(), Needs::Document,
                             [this] { closeActiveDocument(); });
    c.fileClose->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_W));
    c.fileExport = addCommand("FileExportItem", "&Exportieren...",
                              "Aktuelle Datei als Bild (PNG, SVG oder PDF) speichern",
                              Needs::Document, [this] { exportActiveDocument(); });
    c.filePrint = addCommand("FilePrintItem", "&Drucken", "Aktuelle Datei drucken", Needs::Document,
                             [this] { filePrint(); });
    c.filePrint->setShortcut(QKeySequence::Print);
    c.filePreview = addCommand("FilePreviewItem", "Seitenan&sicht...",
                               "Die Druckseiten der aktuellen Datei ansehen", Needs::Document,
                               [this] { filePreview(); });
    c.filePrintSetup =
        addCommand("FilePrintSetupItem", "Drucker&einrichtung...", "Druckereinrichtung ändern",
                   Needs::Document, [this] { filePrintSetup(); });
    c.fileExit = addCommand("FileExitItem", "&Beenden", "Diese Anwendung beenden", Needs::Nothing,
                            [this] { close(); });
    c.fileExit->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q));

    c.editUndo = addCommand("EditUndoItem", "&Rückgängig", "Die letzte Aktion rückgängig machen",
                            Needs::Undo, [this] { undo(); });
    c.editUndo->setShortcut(QKeySequence::Undo);
    c.editRedo = addCommand("EditRedoItem", "&Wiederherstellen",
                            "Die rückgängig gemachte Aktion wiederherstellen", Needs::Redo,
                            [this] { redo(); });
    c.editRedo->setShortcuts(
        {QKeySequence(Qt::CTRL | Qt::Key_Y), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)});
    c.editCut = addCommand("EditCutItem", "&Ausschneiden", "Markiertes Element löschen",
                           Needs::EditSelection, [this] { cut(); });
    c.editCut->setShortcut(QKeySequence::Cut);
    c.editCopy =
        addCommand("EditCopyItem", "&Kopieren", "Markiertes Element in Zwischenablage kopieren",
                   Needs::EditSelection, [this] { copy(); });
    c.editCopy->setShortcut(QKeySequence::Copy);
    c.editPaste = addCommand("EditPasteItem", "&Einfügen", "Inhalt der Zwischenablage einfügen",
                             Needs::Paste, [this] { paste(); });
    c.editPaste->setShortcut(QKeySequence::Paste);
    c.editDelete = addCommand("EditDeleteItem", "&Löschen", "Aktuelle Markierung löschen",
                              Needs::EditSelection, [this] { deleteSelection(); });
    c.graphCopy = addCommand("GraphCopyItem", "&Graphik kopieren", QString(), Needs::Document,
                             [this] { copyGraphic(); });
    c.graphCopy->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_G));

    c.formatStrukt =
        addCommand("FormatStruktItem", "&Struktogramm...",
                   "Format des komplette Struktogramms festlegen", Needs::Document, [this] {
                       if (DocumentWindow* document = activeDocument())
                           formatDiagram(document->editor());
                   });
    c.formatBlock =
        addCommand("FormatBlockItem", "&Block...", "Format des ausgewählten Blockes festlegen",
                   Needs::Selection, [this] { formatElements(); });
    c.defaultLabels = addCommand("Eigenschaften1", "&Standardbeschriftung...", QString(),
                                 Needs::Nothing, [this] { editDefaultLabels(); });

    c.windowTile =
        addCommand("WindowTileItem", "&Nebeneinander", "Alle Fenster nebeneinander anordnen",
                   Needs::Document, [this] { m_mdiArea->tileSubWindows(); });
    c.windowCascade =
        addCommand("WindowCascadeItem", "&Übereinander", "Alle Fenster übereinander anordnen",
                   Needs::Document, [this] { m_mdiArea->cascadeSubWindows(); });
    c.windowArrange = addCommand("WindowArrangeItem", "&Symbole anordnen", "Alle Symbole anordnen",
                                 Needs::Document, [this] { arrangeIcons(); });

    c.helpContents =
        addCommand("HelpContentsItem", "&Inhalt", "Inhaltsübersicht der Hilfe anzeigen",
                   Needs::Nothing, [this] { m_help->showContents(); });
    c.helpContents->setShortcut(QKeySequence::HelpContents);
    c.helpSearch = addCommand("HelpSearchItem", "&Suchen...", "Hilfe zu einem Thema suchen",
                              Needs::Nothing, [this] { m_help->showSearch(); });
    c.helpHowToUse =
        addCommand("HelpHowToUseItem", "&Hilfe benutzen", "Hilfe zur Benutzung des Hilfesystems",
                   Needs::Nothing, [this] { m_help->showHelpOnHelp(); });
    c.helpAbout = addCommand("HelpAboutItem", "Inf&o...", "Programminformationen anzeigen",
                             Needs::Nothing, [this] {
                                 AboutDialog about(m_dog, this);
                                 about.exec();
                             });
}

void MainWindow::createMenus() {
    const auto& c = m_cmd;
    QMenu* file = menuBar()->addMenu(QStringLiteral("&Datei"));
    file->addActions({c.fileNew, c.fileOpen, c.fileSave, c.fileSaveAs, c.fileClose});
    file->addSeparator();
    file->addAction(c.fileExport);
    file->addActions({c.filePrint, c.filePreview, c.filePrintSetup});
    file->addSeparator();
    m_recentMenu = file->addMenu(QStringLiteral("&Zuletzt geöffnete Dateien"));
    m_recentMenu->setObjectName(QStringLiteral("RecentFilesMenu"));
    connect(m_recentMenu, &QMenu::aboutToShow, this, &MainWindow::fillRecentMenu);
    file->addSeparator();
    file->addAction(c.fileExit);

    QMenu* edit = menuBar()->addMenu(QStringLiteral("&Bearbeiten"));
    edit->addActions({c.editUndo, c.editRedo});
    edit->addSeparator();
    edit->addActions({c.editCut, c.editCopy, c.editPaste, c.editDelete});
    edit->addSeparator();
    edit->addAction(c.graphCopy);

    QMenu* format = menuBar()->addMenu(QStringLiteral("Forma&t"));
    format->addActions({c.formatStrukt, c.formatBlock});
    format->addSeparator();
    format->addAction(c.defaultLabels);

    QMenu* window = menuBar()->addMenu(QStringLiteral("&Fenster"));
    window->addActions({c.windowTile, c.windowCascade, c.windowArrange});
    connect(window, &QMenu::aboutToShow, this, [this, window] {
        const QList<QAction*> items = window->actions();
        for (qsizetype i = 3; i < items.size(); ++i)
            window->removeAction(items[i]);
        const QList<DocumentWindow*> open = documents();
        if (!open.isEmpty())
            window->addSeparator();
        for (qsizetype i = 0; i < open.size(); ++i) {
            QAction* entry =
                window->addAction(QStringLiteral("&%1 %2").arg(i + 1).arg(open[i]->windowTitle()));
            entry->setCheckable(true);
            entry->setChecked(open[i] == activeDocument());
            DocumentWindow* target = open[i];
            connect(entry, &QAction::triggered, this,
                    [this, target] { m_mdiArea->setActiveSubWindow(target); });
        }
    });

    QMenu* help = menuBar()->addMenu(QStringLiteral("&Hilfe"));
    help->addActions({c.helpContents, c.helpSearch, c.helpHowToUse});
    help->addSeparator();
    help->addAction(c.helpAbout);
}

// A button shows its tip as tooltip only: the speed bar swallows the status
// tips of its buttons (eventFilter), so only menu items fill the status line.
void MainWindow::addSpeedButton(QAction* command, const char* name, const char* iconName,
                                const QString& tip) {
    command->setIcon(icon(iconName));
    command->setToolTip(tip);
    m_speedBar->addAction(command);
    m_speedBar->widgetForAction(command)->setObjectName(QString::fromLatin1(name));
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_speedBar && event->type() == QEvent::StatusTip)
        return true;
    return QMainWindow::eventFilter(watched, event);
}

void MainWindow::createSpeedBar() {
    const auto& c = m_cmd;
    m_speedBar = addToolBar(QStringLiteral("Symbolleiste"));
    m_speedBar->setObjectName(QStringLiteral("SpeedBar"));
    m_speedBar->setMovable(false);
    m_speedBar->setIconSize(QSize(20, 20));
    m_speedBar->installEventFilter(this);
    addSpeedButton(c.fileNew, "NewButton", "new", "Neu");
    addSpeedButton(c.fileOpen, "OpenButton", "open", "Öffnen");
    addSpeedButton(c.fileSave, "SaveButton", "save", "Speichern");
    m_speedBar->addSeparator();
    addSpeedButton(c.editUndo, "CancelButton", "undo", "Rückgängig");
    addSpeedButton(c.editRedo, "RedoButton", "redo", "Wiederherstellen");
    addSpeedButton(c.editCut, "CutButton", "cut", "Ausschneiden");
    addSpeedButton(c.editCopy, "CopyButton", "copy", "Kopieren");
    addSpeedButton(c.editPaste, "PasteButton", "paste", "Einfügen");
    // Down exactly while paste mode is on; the menu item changes its text.
    m_pasteButton = qobject_cast<QToolButton*>(m_speedBar->widgetForAction(c.editPaste));
    m_pasteButton->setCheckable(true);
    m_speedBar->addSeparator();
    m_zoomBox = new QComboBox(m_speedBar);
    m_zoomBox->setObjectName(QStringLiteral("ZoomBox"));
    m_zoomBox->setToolTip(QStringLiteral("Zoom"));
    m_zoomBox->addItems(ZoomEntries);
    m_zoomBox->setCurrentIndex(InitialZoomEntry);
    connect(m_zoomBox, &QComboBox::activated, this, &MainWindow::zoomChosen);
    m_enableRules.emplace_back(m_speedBar->addWidget(m_zoomBox), Needs::Document);
    m_speedBar->addSeparator();
    // The two window buttons carry each other's names, as the frame always had.
    addSpeedButton(c.windowTile, "CascadeButton", "tile", "Nebeneinander");
    addSpeedButton(c.windowCascade, "TileButton", "cascade", "Überlappend");
    addSpeedButton(c.windowArrange, "ArrangeButton", "arrange", "Anordnen");
    m_speedBar->addSeparator();
    addSpeedButton(c.fileExit, "FileExitButton", "exit-app", "Beenden");
    addSpeedButton(c.helpContents, "HelpContentsButton", "help", "Hilfeinhalt");
}

void MainWindow::createPalette() {
    auto* palette = new QToolBar(QStringLiteral("Werkzeuge"), this);
    palette->setObjectName(QStringLiteral("Panel1"));
    palette->setMovable(false);
    palette->setIconSize(QSize(22, 22));
    addToolBar(Qt::LeftToolBarArea, palette);
    m_toolGroup = new QActionGroup(this);
    m_toolGroup->setExclusive(true);
    for (int index = 0; index < ToolCount; ++index) {
        const ToolButton& button = ToolButtons[static_cast<std::size_t>(index)];
        QAction* action = palette->addAction(icon(button.icon), QString::fromUtf8(button.hint));
        action->setObjectName(QString::fromLatin1(button.name));
        action->setStatusTip(QString::fromUtf8(button.hint));
        action->setCheckable(true);
        m_toolGroup->addAction(action);
        const auto tool = static_cast<Tool>(index);
        connect(action, &QAction::triggered, this, [this, tool] { setTool(tool); });
        m_toolActions[static_cast<std::size_t>(index)] = action;
    }
}

void MainWindow::createStatusBar() {
    statusBar()->setObjectName(QStringLiteral("StatusLine"));
    m_timePanel = new QLabel(this);
    m_timePanel->setObjectName(QStringLiteral("TimePanel"));
    m_timePanel->setFrameShape(QFrame::Panel);
    m_timePanel->setFrameShadow(QFrame::Sunken);
    m_timePanel->setMinimumWidth(50);
    m_timePanel->setAlignment(Qt::AlignCenter);
    statusBar()->addPermanentWidget(m_timePanel);
}

void MainWindow::updateClock() {
    m_timePanel->setText(QTime::currentTime().toString(QStringLiteral("h : mm")));
}

void MainWindow::setTool(Tool tool) {
    m_tool = tool;
    m_toolActions[static_cast<std::size_t>(tool)]->setChecked(true);
    for (DocumentWindow* document : documents())
        document->view().setTool(tool);
    leavePasteMode();
}

void MainWindow::leavePasteMode() {
    m_pasteMode = false;
    m_cmd.editPaste->setText(QStringLiteral("&Einfügen"));
    m_pasteButton->setChecked(false);
    for (DocumentWindow* document : documents())
        document->view().setPasteMode(false);
}

// Connected once per window: its signals are all the frame hears of it.
void MainWindow::addDocumentWindow(DocumentWindow* window) {
    DocumentEditor& editor = window->editor();
    DocumentView& view = window->view();
    editor.setPaper(m_paper);
    view.setTool(m_tool);
    window->setSaveCommand([this](DocumentWindow& document) { return saveDocument(document); });
    connect(&editor, &DocumentEditor::changed, this, &MainWindow::updateCommands);
    connect(&editor, &DocumentEditor::selectionChanged, this, &MainWindow::updateCommands);
    connect(&view, &DocumentView::pasteModeLeft, this, &MainWindow::leavePasteMode);
    connect(&view, &DocumentView::pasteRequested, this,
            [this, &editor](Point at, InsertMode mode) { pasteInto(editor, at, mode); });
    connect(&editor, &DocumentEditor::textEntryChanged, this,
            [this, &editor] { textEntryChanged(editor); });
    connect(&view, &DocumentView::zoomStepRequested, this, &MainWindow::stepZoom);
    connect(&view, &DocumentView::diagramFormatRequested, this,
            [this, &editor] { formatDiagram(editor); });
    connect(&view, &DocumentView::caseInsertRequested, this,
            [this, &editor](Point at, InsertMode mode) { insertCase(editor, at, mode); });
    // Whatever ends text entry in a window takes the typed text along.
    const auto commitTyped = [this, &editor] {
        if (m_textEntryEditor == &editor)
            m_textDialog->commit();
    };
    connect(&view, &DocumentView::textEntryCommitRequested, this, commitTyped);
    connect(window, &DocumentWindow::closing, this, commitTyped);
    m_mdiArea->addSubWindow(window);
    window->setWindowIcon(programIcon());
    // Restored, the window keeps a size worth working in.
    window->resize(m_mdiArea->viewport()->size() * 2 / 3);
    window->showMaximized();
    updateCommands();
}

void MainWindow::documentActivated(DocumentWindow* window) {
    if (m_textEntryEditor && (window == nullptr || &window->editor() != m_textEntryEditor))
        m_textDialog->commit();
    if (window != nullptr) {
        window->setWindowTitle(window->caption());
        showZoom(window->view().zoom());
    }
    updateCommands();
}

DocumentWindow* MainWindow::newDocument() {
    ++m_newCount;
    const QString name = QString::fromStdString(m_labels.structName) + QString::number(m_newCount);
    auto* window = new DocumentWindow(m_labels, QString(), name + QStringLiteral(".STR"), false);
    window->editor().nameNewDocument(name.toStdString());
    addDocumentWindow(window);
    return window;
}

DocumentWindow* MainWindow::openDocument(const QString& path) {
    const QFileInfo info(path);
    auto* window = new DocumentWindow(m_labels, QDir::toNativeSeparators(info.absolutePath() + '/'),
                                      info.fileName(), true);
    QString error;
    QStringList conversions;
    if (!window->load(path, &error, &conversions)) {
        delete window;
        QMessageBox::critical(this, ProgramCaption, error);
        return nullptr;
    }
    addDocumentWindow(window);
    m_recentFiles.add(path);
    if (!conversions.isEmpty())
        QMessageBox::information(
            this, ProgramCaption,
            QStringLiteral("%1 ist ein Structorizer-Diagramm. Beim Übernehmen wurde "
                           "angepasst:\n\n• %2")
                .arg(QDir::toNativeSeparators(path), conversions.join(QStringLiteral("\n• "))));
    return window;
}

void MainWindow::openFromDialog() {
    const QString path = m_fileDialogs.open(this);
    if (!path.isEmpty())
        openDocument(path);
}

bool MainWindow::saveDocument(DocumentWindow& window) {
    if (!window.hasFileName())
        return saveDocumentAs(window);
    return writeDocument(window, window.filePath());
}

bool MainWindow::saveDocumentAs(DocumentWindow& window) {
    const QString path = m_fileDialogs.save(this, window.filePath());
    if (path.isEmpty() || !writeDocument(window, path))
        return false;
    window.setFilePath(path);
    return true;
}

// The text typed so far goes into the document before it is written.
bool MainWindow::writeDocument(DocumentWindow& window, const QString& path) {
    if (m_textEntryEditor == &window.editor())
        m_textDialog->commit();
    QString error;
    if (!window.writeFile(path, &error)) {
        QMessageBox::critical(this, ProgramCaption, error);
        return false;
    }
    m_recentFiles.add(path);
    updateCommands();
    return true;
}

void MainWindow::fillRecentMenu() {
    m_recentMenu->clear();
    const QStringList paths = m_recentFiles.paths();
    for (qsizetype i = 0; i < paths.size(); ++i) {
        const QString path = paths[i];
        QAction* entry = m_recentMenu->addAction(
            QStringLiteral("&%1 %2").arg(i + 1).arg(QDir::toNativeSeparators(path)));
        connect(entry, &QAction::triggered, this, [this, path] { openRecent(path); });
    }
    if (paths.isEmpty())
        m_recentMenu->addAction(QStringLiteral("(keine)"))->setEnabled(false);
}

void MainWindow::openRecent(const QString& path) {
    if (QFileInfo::exists(path)) {
        openDocument(path);
        return;
    }
    m_recentFiles.remove(path);
    QMessageBox::warning(this, ProgramCaption,
                         QStringLiteral("%1 gibt es nicht mehr; die Datei wurde aus der Liste "
                                        "entfernt.")
                             .arg(QDir::toNativeSeparators(path)));
}

void MainWindow::dragEnterEvent(QDragEnterEvent* event) {
    const QList<QUrl> urls = event->mimeData()->urls();
    if (std::any_of(urls.begin(), urls.end(), [](const QUrl& url) { return url.isLocalFile(); }))
        event->acceptProposedAction();
}

void MainWindow::dropEvent(QDropEvent* event) {
    for (const QUrl& url : event->mimeData()->urls()) {
        if (url.isLocalFile())
            openDocument(url.toLocalFile());
    }
    event->acceptProposedAction();
}

void MainWindow::exportActiveDocument() {
    DocumentWindow* window = activeDocument();
    if (window == nullptr)
        return;
    const QString path = m_fileDialogs.exportTo(this, window->filePath());
    if (path.isEmpty())
        return;
    QProgressDialog progress(
        QStringLiteral("Exportiere %1 ...").arg(QDir::toNativeSeparators(path)),
        QStringLiteral("Abbrechen"), 0, 100, this);
    progress.setWindowTitle(ProgramCaption);
    progress.setWindowModality(Qt::WindowModal);
    progress.setMinimumDuration(500);
    ExportOptions options;
    options.labels = m_labels;
    options.progress = [&progress](qint64 done, qint64 total) {
        progress.setValue(static_cast<int>(100 * done / std::max<qint64>(total, 1)));
        return !progress.wasCanceled();
    };
    DocumentEditor& editor = window->editor();
    try {
        exportDocument(editor.document(), editor.measurer(), path, options);
    } catch (const ExportCancelled&) {
        return;
    } catch (const std::exception& failure) {
        progress.cancel();
        QMessageBox::critical(this, ProgramCaption,
                              QStringLiteral("Der Export ist fehlgeschlagen: %1")
                                  .arg(germanReason(QString::fromUtf8(failure.what()))));
    }
}

void MainWindow::closeActiveDocument() {
    if (DocumentWindow* document = activeDocument())
        document->close();
}

bool MainWindow::isTextEntryOpen() const {
    DocumentWindow* active = activeDocument();
    return active != nullptr && m_textEntryEditor == &active->editor();
}

void MainWindow::undo() {
    if (isTextEntryOpen())
        m_textDialog->memo().undo();
    else if (DocumentWindow* document = activeDocument())
        document->editor().undo();
}

void MainWindow::redo() {
    if (DocumentWindow* document = activeDocument())
        document->editor().redo();
}

void MainWindow::cut() {
    if (isTextEntryOpen())
        m_textDialog->memo().cut();
    else if (DocumentWindow* document = activeDocument())
        keepElements(document->editor().cutSelection());
}

void MainWindow::copy() {
    if (isTextEntryOpen())
        m_textDialog->memo().copy();
    else if (DocumentWindow* document = activeDocument())
        keepElements(document->editor().copySelection());
}

void MainWindow::keepElements(Bytes run) {
    if (run.empty())
        return;
    m_elementClipboard = std::move(run);
    auto* data = new QMimeData;
    data->setData(ElementsMimeType,
                  QByteArray(reinterpret_cast<const char*>(m_elementClipboard.data()),
                             static_cast<qsizetype>(m_elementClipboard.size())));
    QGuiApplication::clipboard()->setMimeData(data);
    updateCommands();
}

Bytes MainWindow::elementsToPaste() const {
    const QMimeData* data = QGuiApplication::clipboard()->mimeData();
    if (data != nullptr && data->hasFormat(ElementsMimeType)) {
        const QByteArray stream = data->data(ElementsMimeType);
        return Bytes(stream.begin(), stream.end());
    }
    return m_elementClipboard;
}

bool MainWindow::canPasteElements() const {
    const QMimeData* data = QGuiApplication::clipboard()->mimeData();
    return !m_elementClipboard.empty() || (data != nullptr && data->hasFormat(ElementsMimeType));
}

// The first Paste turns paste mode on in every window, the second off; the
// next release in a window pastes there.
void MainWindow::paste() {
    if (isTextEntryOpen()) {
        m_textDialog->memo().paste();
        m_pasteButton->setChecked(false);
    } else if (m_pasteMode || !canPasteElements()) {
        leavePasteMode();
    } else {
        enterPasteMode();
    }
}

void MainWindow::enterPasteMode() {
    m_pasteMode = true;
    m_cmd.editPaste->setText(QStringLiteral("&Einfügemodus verlassen"));
    m_pasteButton->setChecked(true);
    for (DocumentWindow* document : documents())
        document->view().setPasteMode(true);
}

void MainWindow::pasteInto(DocumentEditor& editor, Point at, InsertMode mode) {
    const Bytes run = elementsToPaste();
    if (run.empty())
        return;
    try {
        editor.paste(run, at, mode);
    } catch (const FormatError& failure) {
        QMessageBox::critical(this, ProgramCaption,
                              QStringLiteral("Die Zwischenablage enthält keine lesbaren "
                                             "Elemente; es wurde nichts eingefügt.\n%1")
                                  .arg(QString::fromUtf8(failure.what())));
    }
}

void MainWindow::copyGraphic() {
    DocumentWindow* window = activeDocument();
    if (window == nullptr)
        return;
    DocumentEditor& editor = window->editor();
    try {
        QGuiApplication::clipboard()->setMimeData(
            diagramPicture(editor.document(), editor.measurer(), m_labels).release());
    } catch (const std::exception& failure) {
        QMessageBox::critical(this, ProgramCaption,
                              QStringLiteral("Die Graphik ließ sich nicht kopieren: %1")
                                  .arg(QString::fromUtf8(failure.what())));
        return;
    }
    const QMimeData* placed = QGuiApplication::clipboard()->mimeData();
    if (placed == nullptr || !placed->hasFormat(QStringLiteral("image/png")))
        QMessageBox::critical(this, ProgramCaption,
                              QStringLiteral("Die Zwischenablage hat die Graphik nicht "
                                             "angenommen."));
}

void MainWindow::deleteSelection() {
    if (isTextEntryOpen())
        m_textDialog->memo().textCursor().removeSelectedText();
    else if (DocumentWindow* document = activeDocument())
        document->editor().deleteSelection();
}

void MainWindow::connectTextDialog() {
    const auto symbolFont = [this] {
        const Element* element = m_textEntryEditor->editElement();
        return element != nullptr && isSymbolFont(element->font());
    };
    connect(m_textDialog, &ElementTextDialog::liveTextChanged, this,
            [this, symbolFont](const QStringList& lines) {
                if (m_textEntryEditor)
                    m_textEntryEditor->setEditText(encodeLines(lines, symbolFont()));
            });
    connect(m_textDialog, &ElementTextDialog::fontChosen, this, [this](const ElementFont& font) {
        if (m_textEntryEditor)
            m_textEntryEditor->setEditFont(font);
    });
    connect(m_textDialog, &ElementTextDialog::committed, this,
            [this, symbolFont](const QStringList& lines) {
                if (m_textEntryEditor)
                    m_textEntryEditor->commitTextEntry(encodeLines(lines, symbolFont()));
            });
    connect(m_textDialog, &ElementTextDialog::reverted, this, [this] {
        if (m_textEntryEditor)
            m_textEntryEditor->revertTextEntry();
    });
    connect(m_textDialog, &ElementTextDialog::labelsRequested, this, &MainWindow::editCaseLabels);
    StorableTextEdit& memo = m_textDialog->memo();
    connect(&memo, &QPlainTextEdit::selectionChanged, this, &MainWindow::updateCommands);
}

void MainWindow::textEntryChanged(DocumentEditor& editor) {
    const Element* element = editor.editElement();
    if (element != nullptr) {
        m_textEntryEditor = &editor;
        m_textDialog->open(decodeLines(element->lines(), isSymbolFont(element->font())),
                           element->font(), element->kind() == ElementKind::Case);
    } else if (m_textEntryEditor == &editor) {
        m_textEntryEditor = nullptr;
        m_textDialog->dismiss();
    }
    updateCommands();
}

void MainWindow::editCaseLabels() {
    if (!m_textEntryEditor)
        return;
    const auto* switchCase = dynamic_cast<const Case*>(m_textEntryEditor->editElement());
    if (switchCase == nullptr)
        return;
    m_labelsDialog->setLabels(decodeLines(switchCase->branchLabels(), false),
                              switchCase->hasElse());
    if (m_labelsDialog->exec() == QDialog::Accepted && m_textEntryEditor)
        m_textEntryEditor->setCaseLabels(encodeLines(m_labelsDialog->labels(), false));
}

void MainWindow::filePrint() {
    QPrintDialog dialog(&m_printer, this);
    dialog.setOptionTabs({pageModeChoice(nullptr)});
    if (dialog.exec() == QDialog::Accepted)
        printActiveDocument();
}

void MainWindow::filePrintSetup() {
    QPageSetupDialog dialog(&m_printer, this);
    dialog.exec();
    usePageLayout(m_printer.pageLayout());
}

void MainWindow::usePageLayout(const QPageLayout& layout) {
    m_printer.setPageLayout(layout);
    m_paper = paperOf(layout);
    for (DocumentWindow* document : documents())
        document->editor().setPaper(m_paper);
}

// The three ways onto pages, for the print dialog's tab and the preview.
QWidget* MainWindow::pageModeChoice(QWidget* parent) {
    auto* choice = new QComboBox(parent);
    choice->setObjectName(QStringLiteral("PageModeBox"));
    choice->setWindowTitle(QStringLiteral("Seiten"));
    choice->addItems({QStringLiteral("Wie auf dem Blatt (eine Seite)"),
                      QStringLiteral("Auf Seite einpassen"),
                      QStringLiteral("Auf mehrere Seiten verteilen")});
    choice->setCurrentIndex(static_cast<int>(m_pageMode));
    connect(choice, &QComboBox::currentIndexChanged, this,
            [this](int index) { m_pageMode = static_cast<PageMode>(index); });
    return choice;
}

void MainWindow::filePreview() {
    DocumentWindow* window = activeDocument();
    if (window == nullptr)
        return;
    QPrintPreviewDialog preview(&m_printer, this);
    preview.setWindowTitle(QStringLiteral("Seitenansicht"));
    if (auto* bar = preview.findChild<QToolBar*>()) {
        auto* choice = qobject_cast<QComboBox*>(pageModeChoice(bar));
        bar->addSeparator();
        bar->addWidget(choice);
        connect(choice, &QComboBox::currentIndexChanged, &preview, [&preview] {
            if (auto* widget = preview.findChild<QPrintPreviewWidget*>())
                widget->updatePreview();
        });
    }
    DocumentEditor& editor = window->editor();
    connect(&preview, &QPrintPreviewDialog::paintRequested, this,
            [this, &editor](QPrinter* printer) {
                QPainter painter(printer);
                const PrintablePage page{
                    printer->pageLayout().paintRectPixels(printer->resolution()).size(),
                    static_cast<double>(printer->resolution())};
                paintPages(painter, page, editor.document(), editor.measurer(), m_labels,
                           m_pageMode, [printer] { return printer->newPage(); });
            });
    preview.exec();
}

void MainWindow::printActiveDocument() {
    DocumentWindow* window = activeDocument();
    if (window == nullptr)
        return;
    window->editor().clearSelection();
    m_printer.setDocName(printJobName(window->fileName()));
    const QString printerName = m_printer.outputFormat() == QPrinter::PdfFormat
                                    ? QDir::toNativeSeparators(m_printer.outputFileName())
                                    : m_printer.printerName();
    PrintProgressDialog progress(window->fileName(), printerName, this);
    QString error;
    progress.run([&] { error = printDocument(*window, progress); });
    if (!error.isEmpty())
        QMessageBox::critical(this, ProgramCaption, error);
}

QString MainWindow::printDocument(DocumentWindow& window, const PrintProgressDialog& progress) {
    QPainter painter;
    if (!painter.begin(&m_printer)) {
        if (m_printer.outputFormat() == QPrinter::PdfFormat)
            return QStringLiteral("Der Druck ist fehlgeschlagen: %1 lässt sich nicht schreiben.")
                .arg(QDir::toNativeSeparators(m_printer.outputFileName()));
        return QStringLiteral("Der Druck ist fehlgeschlagen: der Drucker „%1“ nimmt keinen "
                              "Auftrag an.")
            .arg(m_printer.printerName());
    }
    DocumentEditor& editor = window.editor();
    const PrintablePage page{m_printer.pageLayout().paintRectPixels(m_printer.resolution()).size(),
                             static_cast<double>(m_printer.resolution())};
    const int pages = paintPages(painter, page, editor.document(), editor.measurer(), m_labels,
                                 m_pageMode, [this, &progress] {
                                     QCoreApplication::processEvents();
                                     return !progress.isCancelled() && m_printer.newPage();
                                 });
    QCoreApplication::processEvents();
    if (progress.isCancelled()) {
        m_printer.abort();
        painter.end();
        return QString();
    }
    if (!painter.end() || pages == 0 || m_printer.printerState() == QPrinter::Error)
        return QStringLiteral("Der Druck ist fehlgeschlagen: der Drucker oder die Warteschlange "
                              "meldet einen Fehler.");
    return QString();
}

void MainWindow::useSettings(std::unique_ptr<SettingsFile> settings) {
    m_settings = std::move(settings);
    m_labels = m_settings->labels();
    m_recentFiles = RecentFiles(m_settings->recentFiles());
    const QByteArray geometry = m_settings->frameGeometry();
    if (!geometry.isEmpty())
        restoreGeometry(geometry);
}

void MainWindow::saveSettings() {
    if (!m_settings)
        return;
    m_settings->setLabels(m_labels);
    m_settings->setRecentFiles(m_recentFiles.paths());
    m_settings->setFrameGeometry(saveGeometry());
    QString failedPath;
    if (!m_settings->save(&failedPath))
        QMessageBox::critical(this, ProgramCaption,
                              QStringLiteral("Unable to write to %1").arg(failedPath));
}

// The branch labels and the arrow option show in every diagram at once.
void MainWindow::editDefaultLabels() {
    m_defaultLabelsDialog->setLabels(m_labels);
    if (m_defaultLabelsDialog->exec() != QDialog::Accepted)
        return;
    m_labels = m_defaultLabelsDialog->labels();
    for (DocumentWindow* document : documents())
        document->editor().setLabels(m_labels);
}

void MainWindow::formatElements() {
    DocumentWindow* window = activeDocument();
    if (window == nullptr || window->editor().selectedSequence() == nullptr)
        return;
    m_elementFormatDialog->setFormat(window->editor().selectionFormat());
    if (m_elementFormatDialog->exec() == QDialog::Accepted)
        window->editor().applyFormat(m_elementFormatDialog->format());
}

void MainWindow::formatDiagram(DocumentEditor& editor) {
    m_diagramFormatDialog->setFormat(editor.document().format());
    if (m_diagramFormatDialog->exec() == QDialog::Accepted)
        editor.setFormat(m_diagramFormatDialog->format());
}

void MainWindow::insertCase(DocumentEditor& editor, Point at, InsertMode mode) {
    if (m_caseDialog->exec() != QDialog::Accepted)
        return;
    auto element = createElement(ElementKind::Case, editor.layoutContext());
    auto& switchCase = static_cast<Case&>(*element);
    switchCase.setBranchCount(m_caseDialog->branchCount());
    switchCase.setHasElse(m_caseDialog->hasElse());
    editor.insertElement(std::move(element), at, mode);
}

// The current window stays current while a dialog of the frame is active.
DocumentWindow* MainWindow::activeDocument() const {
    return qobject_cast<DocumentWindow*>(m_mdiArea->currentSubWindow());
}

QList<DocumentWindow*> MainWindow::documents() const {
    QList<DocumentWindow*> result;
    for (QMdiSubWindow* window : m_mdiArea->subWindowList())
        if (auto* document = qobject_cast<DocumentWindow*>(window))
            result << document;
    return result;
}

bool MainWindow::isEnabled(Needs needs) const {
    DocumentWindow* active = activeDocument();
    if (needs == Needs::Nothing)
        return true;
    if (active == nullptr)
        return false;
    const DocumentEditor& editor = active->editor();
    const bool textEntry = isTextEntryOpen();
    const bool selection = editor.selectedSequence() != nullptr;
    switch (needs) {
    case Needs::Selection:
        return selection;
    case Needs::EditSelection:
        return textEntry ? m_textDialog->memo().textCursor().hasSelection() : selection;
    case Needs::Undo:
        return editor.canUndo();
    case Needs::Redo:
        return !textEntry && editor.canRedo();
    case Needs::Paste:
        return textEntry ? clipboardHasText() : canPasteElements();
    default:
        return true;
    }
}

void MainWindow::updateCommands() {
    for (const auto& [action, needs] : m_enableRules)
        action->setEnabled(isEnabled(needs));
}

void MainWindow::showZoom(double zoom) {
    m_zoomBox->setCurrentText(QStringLiteral("%1 %").arg(rnd(zoom * 100)));
}

// The steps of the zoom box that are allowed: 10 to 400 %.
void MainWindow::stepZoom(int step) {
    DocumentWindow* document = activeDocument();
    if (document == nullptr)
        return;
    const int current =
        m_zoomBox->findText(QStringLiteral("%1 %").arg(rnd(document->view().zoom() * 100)));
    int index = current < 0 ? InitialZoomEntry : current + step;
    index = std::clamp(index, 0, LargestAllowedZoomEntry);
    m_zoomBox->setCurrentIndex(index);
    zoomChosen();
}

void MainWindow::placeOnScreen() {
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    resize(screen.size() * 4 / 5);
    move(screen.center() - rect().center());
}

// Minimized windows side by side along the bottom of the area.
void MainWindow::arrangeIcons() {
    int x = 0;
    for (QMdiSubWindow* window : m_mdiArea->subWindowList()) {
        if (!window->isMinimized())
            continue;
        window->move(x, m_mdiArea->viewport()->height() - window->height());
        x += window->width();
    }
}

void MainWindow::zoomChosen() {
    DocumentWindow* document = activeDocument();
    if (document == nullptr)
        return;
    QString text = m_zoomBox->currentText();
    while (!text.isEmpty() && !text.back().isDigit())
        text.chop(1);
    bool ok = false;
    const int percent = text.toInt(&ok);
    if (!ok || percent < 10 || percent > 400) {
        QMessageBox::critical(
            this, ProgramCaption,
            QStringLiteral("Der Zoom-Faktor muß zwischen\n10 und 400 Prozent liegen !"));
        showZoom(document->view().zoom());
    } else {
        document->view().setZoom(percent / 100.0);
        showZoom(percent / 100.0);
    }
    document->view().setFocus();
}

// Each window is asked in turn and closes at once on its answer; the first
// that stays open stops the frame's close, and the rest are not asked.
void MainWindow::closeEvent(QCloseEvent* event) {
    for (DocumentWindow* document : documents()) {
        if (!document->close()) {
            event->ignore();
            return;
        }
    }
    saveSettings();
    event->accept();
}

} // namespace velbrant
