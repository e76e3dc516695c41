#include "app/run/run_commands.h"

#include "app/document/document_editor.h"
#include "app/document/document_view.h"
#include "app/document/document_window.h"
#include "app/run/run_controller.h"
#include "app/run/run_docks.h"
#include "render/qt_text_measurer.h"
#include "render/routine_folder.h"

#include <QAction>
#include <QFileInfo>
#include <QMainWindow>
#include <QMdiArea>
#include <QMenu>
#include <QMenuBar>
#include <algorithm>
#include <tuple>
#include <utility>

namespace velbrant {

namespace {

enum Command { Start, Step, StepInto, Pause, Stop, Breakpoint };

} // namespace

RunCommands::RunCommands(QMainWindow* frame)
    : QObject(frame), m_frame(frame), m_controller(new RunController(this)),
      m_io(new IoDock(frame)), m_variables(new VariablesDock(frame)),
      m_trace(new TraceDock(frame)) {
    setObjectName(QStringLiteral("RunCommands"));
    frame->addDockWidget(Qt::BottomDockWidgetArea, m_io);
    frame->addDockWidget(Qt::BottomDockWidgetArea, m_variables);
    frame->addDockWidget(Qt::BottomDockWidgetArea, m_trace);
    frame->tabifyDockWidget(m_variables, m_trace);
    for (QDockWidget* dock :
         {static_cast<QDockWidget*>(m_io), static_cast<QDockWidget*>(m_variables),
          static_cast<QDockWidget*>(m_trace)})
        dock->hide();
    m_actions = {
        addAction("RunStartItem", tr("&Start/Weiter"), Qt::Key_F5, &RunCommands::startOrResume),
        addAction("RunStepItem", tr("&Einzelschritt"), Qt::Key_F10, &RunCommands::stepOver),
        addAction("RunStepIntoItem", tr("&Hineinspringen"), Qt::Key_F11, &RunCommands::stepInto),
        addAction("RunPauseItem", tr("&Anhalten"), QKeySequence(), &RunCommands::pause),
        addAction("RunStopItem", tr("&Beenden"), Qt::SHIFT | Qt::Key_F5, &RunCommands::stop),
        addAction("RunBreakpointItem", tr("&Haltepunkt"), Qt::Key_F9,
                  &RunCommands::toggleBreakpoint)};
    connect(m_controller, &RunController::pausedAt, this, &RunCommands::pausedAt);
    connect(m_controller, &RunController::output, m_io, &IoDock::append);
    connect(m_controller, &RunController::inputWanted, m_io, &IoDock::askForInput);
    connect(m_controller, &RunController::finished, this, &RunCommands::ended);
    connect(m_io, &IoDock::inputGiven, m_controller, &RunController::giveInput);
    connect(m_io, &IoDock::stepDelayChosen, m_controller, &RunController::setStepDelay);
    connect(m_controller, &RunController::stepped, this, [this] { mark(true); });
    updateActions();
}

RunCommands::~RunCommands() = default;

QAction* RunCommands::addAction(const char* name, const QString& caption, const QKeySequence& key,
                                void (RunCommands::*command)()) {
    auto* action = new QAction(caption, m_frame);
    action->setObjectName(QString::fromLatin1(name));
    action->setShortcut(key);
    action->setShortcutContext(Qt::ApplicationShortcut);
    connect(action, &QAction::triggered, this, command);
    m_frame->addAction(action);
    return action;
}

void RunCommands::addMenu(QMenuBar& bar) {
    QMenu* menu = bar.addMenu(tr("&Ausführen"));
    menu->setObjectName(QStringLiteral("RunMenu"));
    menu->addActions({m_actions[Start], m_actions[Step], m_actions[StepInto]});
    menu->addSeparator();
    menu->addActions({m_actions[Pause], m_actions[Stop]});
    menu->addSeparator();
    menu->addAction(m_actions[Breakpoint]);
    menu->addSeparator();
    for (QDockWidget* dock :
         {static_cast<QDockWidget*>(m_io), static_cast<QDockWidget*>(m_variables),
          static_cast<QDockWidget*>(m_trace)})
        menu->addAction(dock->toggleViewAction());
}

void RunCommands::follow(DocumentWindow* window) {
    if (window != nullptr && window != m_active)
        connect(&window->editor(), &DocumentEditor::changed, this, &RunCommands::passBreakpoints,
                Qt::UniqueConnection);
    m_active = window;
    updateActions();
}

void RunCommands::toggleBreakpoint() {
    if (m_active.isNull())
        return;
    m_settingBreakpoint = true;
    m_active->editor().toggleBreakpoints();
    m_settingBreakpoint = false;
}

void RunCommands::passBreakpoints() {
    if (m_controller->isRunning())
        m_controller->setBreakpoints(breakpointsOfOpenDiagrams());
}

std::set<const Element*> RunCommands::breakpointsOfOpenDiagrams() const {
    QList<DocumentWindow*> windows = openWindows ? openWindows() : QList<DocumentWindow*>();
    if (!m_running.isNull())
        windows.push_back(m_running);
    std::set<const Element*> breakpoints;
    for (DocumentWindow* window : windows) {
        for (const Element* element : window->editor().document().breakpoints())
            breakpoints.insert(element);
    }
    return breakpoints;
}

// While the run waits for input, these say how it goes on afterwards.
void RunCommands::startOrResume() {
    if (m_controller->isRunning())
        m_controller->resume();
    else
        start(false);
    mark(false);
    updateActions();
}

void RunCommands::stepOver() {
    step(false);
}

void RunCommands::stepInto() {
    step(true);
}

void RunCommands::step(bool into) {
    if (m_controller->isRunning())
        m_controller->step(into);
    else
        start(true);
    updateActions();
}

void RunCommands::pause() {
    m_controller->pause();
}

void RunCommands::stop() {
    m_controller->stop();
}

bool RunCommands::start(bool stepping) {
    if (m_active.isNull())
        return false;
    if (m_running != m_active && !m_running.isNull()) {
        m_running->view().setRunMark(nullptr);
        disconnect(&m_running->editor(), &DocumentEditor::changed, this, &RunCommands::edited);
    }
    m_running = m_active;
    DocumentWindow& window = *m_running;
    m_measurer = std::make_unique<QtTextMeasurer>();
    m_routines = std::make_unique<RoutineFolder>(
        window.filePath().isEmpty() ? QString() : QFileInfo(window.filePath()).absolutePath(),
        *m_measurer, window.filePath());
    if (openDocuments)
        m_routines->setOpen(openDocuments());
    m_io->clear();
    m_variables->clear();
    m_trace->clear();
    m_io->show();
    m_variables->show();
    m_io->setRunning(true);
    m_frame->resizeDocks({m_io, m_variables}, {3, 2}, Qt::Horizontal);
    connect(&window.editor(), &DocumentEditor::changed, this, &RunCommands::edited,
            Qt::UniqueConnection);
    m_controller->setBreakpoints(breakpointsOfOpenDiagrams());
    m_controller->start(window.editor().document(), m_routines->lookup(), stepping);
    emit note(tr("Ausführung gestartet"));
    return true;
}

// While the run waits, its trace so far may be read.
void RunCommands::pausedAt() {
    mark(true);
    m_variables->showVariables(m_controller->variables(), m_controller->callStack());
    m_trace->showTrace(m_controller->trace());
    updateActions();
}

void RunCommands::ended(const QString& message) {
    m_io->setRunning(false);
    m_variables->showVariables(m_controller->variables(), m_controller->callStack());
    m_trace->showTrace(m_controller->trace());
    m_trace->show();
    // A failure leaves its element framed; a run that ended leaves none.
    mark(!message.isEmpty());
    if (!message.isEmpty()) {
        m_io->append(tr("Fehler: ") + message);
        m_io->show();
    }
    if (m_endNote.isEmpty())
        m_endNote =
            message.isEmpty() ? tr("Ausführung beendet") : tr("Ausführung abgebrochen: ") + message;
    emit note(std::exchange(m_endNote, QString()));
    updateActions();
}

// An edit ends the run: the run works on a copy, but its element frame and
// values would no longer match what the user sees.
void RunCommands::edited() {
    if (m_settingBreakpoint)
        return;
    mark(false);
    if (m_controller->isRunning()) {
        m_endNote = tr("Ausführung beendet: das Struktogramm wurde geändert");
        m_controller->stop();
    }
}

// The element a run is at, framed in the window of its diagram: a routine
// shows in its own window, which is opened if needed.
void RunCommands::mark(bool on) {
    const Element* element = on ? m_controller->currentElement() : nullptr;
    DocumentWindow* window = nullptr;
    if (element != nullptr)
        std::tie(window, element) = shownIn(element);
    if (!m_marked.isNull() && m_marked != window)
        m_marked->view().setRunMark(nullptr);
    if (!m_running.isNull() && m_running != window)
        m_running->view().setRunMark(nullptr);
    m_marked = window;
    if (window == nullptr)
        return;
    window->view().setRunMark(element);
    if (window != m_running) {
        connect(&window->editor(), &DocumentEditor::changed, this, &RunCommands::edited,
                Qt::UniqueConnection);
        window->mdiArea()->setActiveSubWindow(window);
    }
}

std::pair<DocumentWindow*, const Element*> RunCommands::shownIn(const Element* element) {
    const Document* document = m_controller->documentOf(element);
    if (document == nullptr)
        return {nullptr, nullptr};
    if (!m_running.isNull() && document == &m_running->editor().document())
        return {m_running, element};
    if (openWindows) {
        for (DocumentWindow* window : openWindows()) {
            if (&window->editor().document() == document)
                return {window, element};
        }
    }
    const QString path = m_routines ? m_routines->pathOf(document) : QString();
    DocumentWindow* opened = path.isEmpty() || !openFile ? nullptr : openFile(path);
    if (opened == nullptr)
        return {nullptr, nullptr};
    // The window reads the file anew: the element in the same place.
    const std::vector<const Element*> before = document->elementsInReadingOrder();
    const std::vector<const Element*> after = opened->editor().document().elementsInReadingOrder();
    const auto at = std::find(before.begin(), before.end(), element) - before.begin();
    if (before.size() != after.size() || at >= static_cast<std::ptrdiff_t>(after.size()))
        return {opened, nullptr};
    return {opened, after[static_cast<std::size_t>(at)]};
}

void RunCommands::updateActions() {
    const bool running = m_controller->isRunning();
    const bool paused = m_controller->isPaused();
    const bool document = !m_active.isNull();
    m_actions[Start]->setEnabled(running || document);
    m_actions[Step]->setEnabled(running || document);
    m_actions[StepInto]->setEnabled(running || document);
    m_actions[Pause]->setEnabled(running && !paused);
    m_actions[Stop]->setEnabled(running);
}

} // namespace velbrant
