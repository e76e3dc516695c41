#include "app/main_window.h"

#include "app/document_view.h"
#include "app/document_window.h"
#include "model/units.h"

#include <QActionGroup>
#include <QCloseEvent>
#include <QComboBox>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QLabel>
#include <QMdiArea>
#include <QMenuBar>
#include <QMessageBox>
#include <QStatusBar>
#include <QTime>
#include <QToolBar>

// The icons live in this static library; the executable must pull them in.
static void initIconResources() {
    Q_INIT_RESOURCE(icons);
}

namespace velbrant {

namespace {

const QStringList ZoomEntries{"10 %",  "25 %",  "33 %",  "50 %",  "66 %",  "75 %", "100 %",
                              "150 %", "200 %", "300 %", "400 %", "500 %", "600 %"};
constexpr int InitialZoomEntry = 6;

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

QIcon icon(const char* name) {
    return QIcon(QStringLiteral(":/icons/%1.svg").arg(name));
}

} // namespace

MainWindow::MainWindow(QWidget* parent) : QMainWindow(parent), m_mdiArea(new QMdiArea(this)) {
    initIconResources();
    setWindowTitle(QStringLiteral("Velbrant32"));
    setObjectName(QStringLiteral("MainForm"));
    resize(900, 700);
    m_mdiArea->setObjectName(QStringLiteral("MdiArea"));
    setCentralWidget(m_mdiArea);
    createMenus();
    createSpeedBar();
    createPalette();
    createStatusBar();
    connect(m_mdiArea, &QMdiArea::subWindowActivated, this, [this](QMdiSubWindow* window) {
        if (auto* document = qobject_cast<DocumentWindow*>(window))
            document->activated();
        updateCommands();
    });
    setTool(SelectTool);
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

QAction* MainWindow::addMenuItem(QMenu* menu, const char* name, const QString& caption,
                                 const QString& hint, const std::function<void()>& command) {
    QAction* action = menu->addAction(caption);
    action->setObjectName(QString::fromLatin1(name));
    action->setStatusTip(hint);
    if (command)
        connect(action, &QAction::triggered, this, command);
    return action;
}

void MainWindow::createMenus() {
    QMenu* file = menuBar()->addMenu(QStringLiteral("&Datei"));
    addMenuItem(file, "FileNewItem", "&Neu", "Eine neue Datei erzeugen", [this] {
        newDocument();
    })->setShortcut(QKeySequence::New);
    addMenuItem(file, "FileOpenItem", "&Öffnen...", "Eine bestehende Datei öffnen", [this] {
        openFromDialog();
    })->setShortcut(QKeySequence::Open);
    QAction* save = addMenuItem(file, "FileSaveItem", "&Speichern", "Aktuelle Datei speichern");
    save->setShortcut(QKeySequence::Save);
    QAction* saveAs = addMenuItem(file, "FileSaveAsItem", "Speichern &Unter...",
                                  "Aktuelle Datei unter neuem Namen speichern");
    QAction* close = addMenuItem(file, "FileCloseItem", "S&chließen", QString(),
                                 [this] { closeActiveDocument(); });
    file->addSeparator();
    QAction* print = addMenuItem(file, "FilePrintItem", "&Drucken", "Aktuelle Datei drucken");
    print->setShortcut(QKeySequence::Print);
    QAction* printSetup = addMenuItem(file, "FilePrintSetupItem", "Drucker&einrichtung...",
                                      "Druckereinrichtung ändern");
    file->addSeparator();
    addMenuItem(file, "FileExitItem", "&Beenden", "Diese Anwendung beenden",
                [this] { this->close(); });

    QMenu* edit = menuBar()->addMenu(QStringLiteral("&Bearbeiten"));
    QAction* undo =
        addMenuItem(edit, "EditUndoItem", "&Rückgängig", "Die letzte Aktion rückgängig machen");
    undo->setShortcut(QKeySequence::Undo);
    edit->addSeparator();
    QAction* cut = addMenuItem(edit, "EditCutItem", "&Ausschneiden", "Markiertes Element löschen");
    cut->setShortcut(QKeySequence::Cut);
    QAction* copy = addMenuItem(edit, "EditCopyItem", "&Kopieren",
                                "Markiertes Element in Zwischenablage kopieren");
    copy->setShortcut(QKeySequence::Copy);
    QAction* paste =
        addMenuItem(edit, "EditPasteItem", "&Einfügen", "Inhalt der Zwischenablage einfügen");
    paste->setShortcut(QKeySequence::Paste);
    QAction* remove =
        addMenuItem(edit, "EditDeleteItem", "&Löschen", "Aktuelle Markierung löschen");
    connect(remove, &QAction::triggered, this, [this] {
        if (DocumentWindow* document = activeDocument())
            document->view().deleteSelection();
    });
    edit->addSeparator();
    QAction* graphCopy = addMenuItem(edit, "GraphCopyItem", "&Graphik kopieren", QString());
    graphCopy->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_G));

    QMenu* format = menuBar()->addMenu(QStringLiteral("Forma&t"));
    QAction* formatStrukt = addMenuItem(format, "FormatStruktItem", "&Struktogramm...",
                                        "Format des komplette Struktogramms festlegen");
    m_formatBlockItem = addMenuItem(format, "FormatBlockItem", "&Block...",
                                    "Format des ausgewählten Blockes festlegen");
    format->addSeparator();
    addMenuItem(format, "Eigenschaften1", "&Standardbeschriftung...", QString());

    QMenu* window = menuBar()->addMenu(QStringLiteral("&Fenster"));
    QAction* tile = addMenuItem(window, "WindowTileItem", "&Nebeneinander",
                                "Alle Fenster nebeneinander anordnen");
    connect(tile, &QAction::triggered, m_mdiArea, &QMdiArea::tileSubWindows);
    QAction* cascade = addMenuItem(window, "WindowCascadeItem", "&Übereinander",
                                   "Alle Fenster übereinander anordnen");
    connect(cascade, &QAction::triggered, m_mdiArea, &QMdiArea::cascadeSubWindows);
    QAction* arrange =
        addMenuItem(window, "WindowArrangeItem", "&Symbole anordnen", "Alle Symbole anordnen");
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
    addMenuItem(help, "HelpContentsItem", "&Inhalt", "Inhaltsübersicht der Hilfe anzeigen")
        ->setShortcut(QKeySequence::HelpContents);
    addMenuItem(help, "HelpSearchItem", "&Suchen...", "Hilfe zu einem Thema suchen");
    addMenuItem(help, "HelpHowToUseItem", "&Hilfe benutzen",
                "Hilfe zur Benutzung des Hilfesystems");
    help->addSeparator();
    addMenuItem(help, "HelpAboutItem", "Inf&o...", "Programminformationen anzeigen");

    m_documentCommands = {save,      saveAs,       close, print,   printSetup,
                          graphCopy, formatStrukt, tile,  cascade, arrange};
    m_selectionCommands = {cut, copy, remove};
    m_undoCommands = {undo};
    m_pasteCommands = {paste};
}

QAction* MainWindow::addSpeedButton(const char* name, const char* iconName, const QString& tip,
                                    const std::function<void()>& command) {
    QToolBar* bar = findChild<QToolBar*>(QStringLiteral("SpeedBar"));
    QAction* action = bar->addAction(icon(iconName), tip);
    action->setObjectName(QString::fromLatin1(name));
    action->setToolTip(tip);
    if (command)
        connect(action, &QAction::triggered, this, command);
    return action;
}

void MainWindow::createSpeedBar() {
    auto* bar = addToolBar(QStringLiteral("Symbolleiste"));
    bar->setObjectName(QStringLiteral("SpeedBar"));
    bar->setMovable(false);
    bar->setIconSize(QSize(20, 20));
    addSpeedButton("NewButton", "new", "Neu", [this] { newDocument(); });
    addSpeedButton("OpenButton", "open", "Öffnen", [this] { openFromDialog(); });
    QAction* save = addSpeedButton("SaveButton", "save", "Speichern");
    bar->addSeparator();
    QAction* undo = addSpeedButton("CancelButton", "undo", "Rückgängig");
    QAction* cut = addSpeedButton("CutButton", "cut", "Ausschneiden");
    QAction* copy = addSpeedButton("CopyButton", "copy", "Kopieren");
    QAction* paste = addSpeedButton("PasteButton", "paste", "Einfügen");
    paste->setCheckable(true);
    bar->addSeparator();
    m_zoomBox = new QComboBox(bar);
    m_zoomBox->setObjectName(QStringLiteral("ZoomBox"));
    m_zoomBox->setToolTip(QStringLiteral("Zoom"));
    m_zoomBox->addItems(ZoomEntries);
    m_zoomBox->setCurrentIndex(InitialZoomEntry);
    connect(m_zoomBox, &QComboBox::activated, this, &MainWindow::zoomChosen);
    QAction* zoom = bar->addWidget(m_zoomBox);
    bar->addSeparator();
    // The two window buttons carry each other's names, as the frame always had.
    QAction* tile = addSpeedButton("CascadeButton", "tile", "Nebeneinander");
    connect(tile, &QAction::triggered, m_mdiArea, &QMdiArea::tileSubWindows);
    QAction* cascade = addSpeedButton("TileButton", "cascade", "Überlappend");
    connect(cascade, &QAction::triggered, m_mdiArea, &QMdiArea::cascadeSubWindows);
    QAction* arrange = addSpeedButton("ArrangeButton", "arrange", "Anordnen");
    bar->addSeparator();
    addSpeedButton("FileExitButton", "exit-app", "Beenden", [this] { this->close(); });
    addSpeedButton("HelpContentsButton", "help", "Hilfeinhalt");

    m_documentCommands << save << zoom << tile << cascade << arrange;
    m_selectionCommands << cut << copy;
    m_undoCommands << undo;
    m_pasteCommands << paste;
}

void MainWindow::createPalette() {
    auto* palette = new QToolBar(QStringLiteral("Werkzeuge"), this);
    palette->setObjectName(QStringLiteral("Panel1"));
    palette->setMovable(false);
    palette->setIconSize(QSize(22, 22));
    addToolBar(Qt::LeftToolBarArea, palette);
    m_toolGroup = new QActionGroup(this);
    m_toolGroup->setExclusive(true);
    for (int tool = 0; tool < ToolCount; ++tool) {
        const ToolButton& button = ToolButtons[static_cast<std::size_t>(tool)];
        QAction* action = palette->addAction(icon(button.icon), QString::fromUtf8(button.hint));
        action->setObjectName(QString::fromLatin1(button.name));
        action->setStatusTip(QString::fromUtf8(button.hint));
        action->setCheckable(true);
        m_toolGroup->addAction(action);
        connect(action, &QAction::triggered, this, [this, tool] { setTool(tool); });
        m_toolActions[static_cast<std::size_t>(tool)] = action;
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

void MainWindow::setTool(int tool) {
    m_tool = tool;
    m_toolActions[static_cast<std::size_t>(tool)]->setChecked(true);
    leavePasteMode();
}

void MainWindow::leavePasteMode() {
    findChild<QAction*>(QStringLiteral("EditPasteItem"))->setText(QStringLiteral("&Einfügen"));
    findChild<QAction*>(QStringLiteral("PasteButton"))->setChecked(false);
    for (DocumentWindow* document : documents())
        document->view().updateCursor();
}

DocumentWindow* MainWindow::newDocument() {
    ++m_newCount;
    const QString name = QString::fromStdString(m_labels.structName) + QString::number(m_newCount);
    auto* window = new DocumentWindow(*this, QString(), name + QStringLiteral(".STR"), false);
    window->document().title = name.toStdString();
    m_mdiArea->addSubWindow(window);
    window->showMaximized();
    updateCommands();
    return window;
}

DocumentWindow* MainWindow::openDocument(const QString& path) {
    const QFileInfo info(path);
    auto* window = new DocumentWindow(*this, QDir::toNativeSeparators(info.absolutePath() + '/'),
                                      info.fileName(), true);
    QString error;
    if (!window->load(path, &error)) {
        delete window;
        QMessageBox::critical(this, QStringLiteral("Velbrant32"), error);
        return nullptr;
    }
    m_mdiArea->addSubWindow(window);
    window->showMaximized();
    updateCommands();
    return window;
}

void MainWindow::openFromDialog() {
    const QString path = QFileDialog::getOpenFileName(
        this, QStringLiteral("Öffnen"), QString(),
        QStringLiteral("Struktogramme (*.STR *.str);;Alle Dateien (*)"));
    if (!path.isEmpty())
        openDocument(path);
}

void MainWindow::closeActiveDocument() {
    if (DocumentWindow* document = activeDocument())
        document->close();
}

DocumentWindow* MainWindow::activeDocument() const {
    return qobject_cast<DocumentWindow*>(m_mdiArea->activeSubWindow());
}

QList<DocumentWindow*> MainWindow::documents() const {
    QList<DocumentWindow*> result;
    for (QMdiSubWindow* window : m_mdiArea->subWindowList())
        if (auto* document = qobject_cast<DocumentWindow*>(window))
            result << document;
    return result;
}

void MainWindow::setEnabled(const QList<QAction*>& actions, bool enabled) {
    for (QAction* action : actions)
        action->setEnabled(enabled);
}

void MainWindow::updateCommands() {
    DocumentWindow* active = activeDocument();
    const bool open = !documents().isEmpty() && active != nullptr;
    const bool selection = open && active->view().selectedSequence() != nullptr;
    setEnabled(m_documentCommands, open);
    m_zoomBox->setEnabled(open);
    setEnabled(m_selectionCommands, selection);
    m_formatBlockItem->setEnabled(selection);
    // Undo and the element clipboard arrive with their own commands.
    setEnabled(m_undoCommands, false);
    setEnabled(m_pasteCommands, false);
}

void MainWindow::showZoom(double zoom) {
    m_zoomBox->setCurrentText(QStringLiteral("%1 %").arg(rnd(zoom * 100)));
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
            this, QStringLiteral("Velbrant32"),
            QStringLiteral("Der Zoom-Faktor muß zwischen\n10 und 400 Prozent liegen !"));
        showZoom(document->view().zoom());
    } else {
        document->view().setZoom(percent / 100.0);
        showZoom(percent / 100.0);
    }
    document->view().setFocus();
}

void MainWindow::closeEvent(QCloseEvent* event) {
    for (DocumentWindow* document : documents()) {
        if (!document->confirmClose()) {
            event->ignore();
            return;
        }
    }
    event->accept();
}

} // namespace velbrant
