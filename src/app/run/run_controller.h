#pragma once

#include "model/run/interpreter.h"

#include <QObject>
#include <QString>
#include <QStringList>
#include <condition_variable>
#include <deque>
#include <memory>
#include <mutex>
#include <optional>
#include <set>
#include <string>
#include <thread>
#include <unordered_map>
#include <vector>

namespace velbrant {

class Document;
class Element;
class QtTextMeasurer;

// One run of a diagram in the editor. The run works on a copy of the
// document, on a thread of its own, so that the frame stays responsive and
// an edit never meets a running program; it waits at steps when it is
// stepped or paused, and for input when the program reads. The controller
// tells the frame what happened by signals, always in the frame's thread.
class RunController : public QObject {
    Q_OBJECT
public:
    explicit RunController(QObject* parent = nullptr);
    ~RunController() override;

    bool isRunning() const;
    bool isPaused() const;

    // Runs the document with the routines `routines` finds; `stepping`
    // waits at the first step.
    // The documents are copied: the run never reads what the user edits.
    void start(const Document& document, const DiagramLookup& routines, bool stepping);
    void resume();
    // One step; a call is run whole unless `into` it.
    void step(bool into);
    void pause();
    // Ends the run at its next step or while it waits for input.
    void stop();
    void giveInput(const QString& line);
    // A run waits at these elements (of the document it was started with).
    void setBreakpoints(std::set<const Element*> elements);
    // A run that is not stepped waits this long at each step, showing it.
    void setStepDelay(int milliseconds);

    // What the run shows while it waits (and after it ended).
    std::vector<run::ShownVariable> variables() const;
    QStringList callStack() const;
    // The trace of the last run, or of this one while it waits.
    const run::Trace& trace() const { return m_trace; }
    // The element being run, or whose step failed, in the document the run
    // was started with; nothing when the step is in another diagram.
    const Element* currentElement() const;
    // The document (the run's own or a routine's) an element belongs to.
    const Document* documentOf(const Element* element) const;

signals:
    void pausedAt();
    // A slowed run reached the next step.
    void stepped();
    // Lines the run wrote, one or more.
    void output(const QString& lines);
    // The run waits for input: `asked` is the program's prompt, else the
    // name of the variable it reads.
    void inputWanted(const QString& asked);
    // The run is over: `message` says why it failed, empty when it ended
    // or was stopped.
    void finished(const QString& message);

private:
    bool atStep(const code::Stmt& statement, int depth, const run::RunState& state);
    std::optional<std::string> nextWord(const std::string& asked);
    void written(const std::string& line);
    void deliverOutput();
    void mapElements(const Document& copy, const Document& original);
    void join();

    mutable std::mutex m_mutex;
    std::condition_variable m_wake;
    std::thread m_worker;
    bool m_running = false;
    bool m_paused = false;
    bool m_stopping = false;
    bool m_stepping = false;
    int m_stepDepth = 0;
    std::deque<std::string> m_words;
    QStringList m_pendingOutput;
    bool m_deliveryWaiting = false;
    std::vector<run::ShownVariable> m_variables;
    QStringList m_callStack;
    const Element* m_element = nullptr;
    const Element* m_previous = nullptr;
    std::set<const Element*> m_breakpoints;
    int m_stepDelay = 0;
    std::unique_ptr<QtTextMeasurer> m_measurer;
    std::unique_ptr<Document> m_copy;
    std::vector<std::unique_ptr<Document>> m_routineCopies;
    std::unique_ptr<code::ProgramSet> m_program;
    std::unordered_map<const char*, const Element*> m_elementOfLine;
    std::unordered_map<const Element*, const Document*> m_documentOfElement;
    run::Trace m_trace;
};

} // namespace velbrant
