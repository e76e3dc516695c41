#include "app/run/run_controller.h"

#include "model/diagram/default_labels.h"
#include "model/diagram/document.h"
#include "model/program/program_reader.h"
#include "model/structorizer/nsd_file.h"
#include "render/qt_text_measurer.h"

#include <QMetaObject>
#include <chrono>

namespace velbrant {

RunController::RunController(QObject* parent) : QObject(parent) {}

RunController::~RunController() {
    stop();
    join();
}

bool RunController::isRunning() const {
    std::lock_guard lock(m_mutex);
    return m_running;
}

bool RunController::isPaused() const {
    std::lock_guard lock(m_mutex);
    return m_paused;
}

// Each line of the copy stands for the element of the original in the
// same place of the reading order: the run's statements point into lines.
void RunController::mapElements(const Document& copy, const Document& original) {
    const std::vector<const Element*> copied = copy.elementsInReadingOrder();
    const std::vector<const Element*> originals = original.elementsInReadingOrder();
    if (copied.size() != originals.size())
        return;
    for (std::size_t i = 0; i < copied.size(); ++i) {
        for (const std::string& line : copied[i]->lines())
            m_elementOfLine[line.data()] = originals[i];
        m_documentOfElement[originals[i]] = &original;
    }
}

void RunController::start(const Document& document, const DiagramLookup& routines, bool stepping) {
    stop();
    join();
    m_measurer = std::make_unique<QtTextMeasurer>();
    const auto copyOf = [this](const Document& original) {
        return loadNsd(encodeNsd(original), *m_measurer, DefaultLabels{}).document;
    };
    m_copy = copyOf(document);
    m_elementOfLine.clear();
    m_documentOfElement.clear();
    mapElements(*m_copy, document);
    m_routineCopies.clear();
    const code::ProgramLookup find = [&](std::string_view name) -> std::optional<code::Program> {
        const Document* routine = routines ? routines(name) : nullptr;
        if (routine == nullptr)
            return std::nullopt;
        m_routineCopies.push_back(copyOf(*routine));
        mapElements(*m_routineCopies.back(), *routine);
        return code::readProgram(*m_routineCopies.back());
    };
    m_program =
        std::make_unique<code::ProgramSet>(code::linkPrograms(code::readProgram(*m_copy), find));
    m_trace = run::Trace();
    {
        std::lock_guard lock(m_mutex);
        m_running = true;
        m_paused = false;
        m_stopping = false;
        m_stepping = stepping;
        m_stepDepth = 0;
        m_words.clear();
        m_variables.clear();
        m_callStack.clear();
        m_element = nullptr;
        m_previous = nullptr;
    }
    m_worker = std::thread([this] {
        run::RunIo io;
        io.readWord = [this](const std::string& asked) { return nextWord(asked); };
        io.writeLine = [this](const std::string& line) { written(line); };
        io.trace = &m_trace;
        const run::RunResult result = run::runProgram(
            *m_program, io, {}, [this](const code::Stmt& s, int depth, const run::RunState& state) {
                return atStep(s, depth, state);
            });
        QString message;
        {
            std::lock_guard lock(m_mutex);
            m_running = false;
            m_paused = false;
            m_variables = result.variables;
            m_callStack.clear();
            for (const std::string& call : result.callStack)
                m_callStack << QString::fromStdString(call);
            if (result.status == run::RunResult::Status::Failed && !m_stopping)
                message = QString::fromStdString(result.message);
        }
        QMetaObject::invokeMethod(
            this,
            [this, message] {
                join();
                deliverOutput();
                emit finished(message);
            },
            Qt::QueuedConnection);
    });
}

// On the run's thread: waits where the user wants to see the state.
bool RunController::atStep(const code::Stmt& statement, int depth, const run::RunState& state) {
    std::unique_lock lock(m_mutex);
    const auto found = statement.source.empty()
                           ? m_elementOfLine.end()
                           : m_elementOfLine.find(statement.source.front().data());
    m_element = found == m_elementOfLine.end() ? nullptr : found->second;
    if (m_stopping)
        return false;
    // A breakpoint stops a run where it comes to the element, not again at
    // the element's next line.
    const bool atBreakpoint =
        m_element != nullptr && m_element != m_previous && m_breakpoints.count(m_element) != 0;
    m_previous = m_element;
    if (!atBreakpoint && (!m_stepping || depth > m_stepDepth)) {
        if (m_stepDelay > 0) {
            QMetaObject::invokeMethod(
                this, [this] { emit stepped(); }, Qt::QueuedConnection);
            m_wake.wait_for(lock, std::chrono::milliseconds(m_stepDelay),
                            [this] { return m_stopping || m_stepDelay == 0; });
        }
        return !m_stopping;
    }
    m_variables = state.variables();
    m_callStack.clear();
    for (const std::string& call : state.callStack())
        m_callStack << QString::fromStdString(call);
    // The next step waits at this depth or above, unless stepped into.
    m_stepDepth = depth;
    m_paused = true;
    QMetaObject::invokeMethod(
        this,
        [this] {
            deliverOutput();
            emit pausedAt();
        },
        Qt::QueuedConnection);
    m_wake.wait(lock, [this] { return !m_paused || m_stopping; });
    return !m_stopping;
}

constexpr qsizetype MaxPendingLines = 2000;

// Lines written quickly go to the frame together: one delivery waits at a
// time, so a program that prints without end cannot flood the frame.
void RunController::written(const std::string& line) {
    std::unique_lock lock(m_mutex);
    // The run waits while the frame has not caught up.
    m_wake.wait(lock, [this] { return m_pendingOutput.size() < MaxPendingLines || m_stopping; });
    m_pendingOutput << QString::fromStdString(line);
    if (m_deliveryWaiting)
        return;
    m_deliveryWaiting = true;
    QMetaObject::invokeMethod(
        this, [this] { deliverOutput(); }, Qt::QueuedConnection);
}

void RunController::deliverOutput() {
    QStringList lines;
    {
        std::lock_guard lock(m_mutex);
        lines.swap(m_pendingOutput);
        m_deliveryWaiting = false;
        m_wake.notify_all();
    }
    if (!lines.isEmpty())
        emit output(lines.join(QLatin1Char('\n')));
}

std::optional<std::string> RunController::nextWord(const std::string& asked) {
    std::unique_lock lock(m_mutex);
    if (m_words.empty() && !m_stopping) {
        QMetaObject::invokeMethod(
            this,
            [this, question = QString::fromStdString(asked)] {
                deliverOutput();
                emit inputWanted(question);
            },
            Qt::QueuedConnection);
        m_wake.wait(lock, [this] { return !m_words.empty() || m_stopping; });
    }
    if (m_stopping)
        return std::nullopt;
    std::string word = std::move(m_words.front());
    m_words.pop_front();
    return word;
}

void RunController::resume() {
    std::lock_guard lock(m_mutex);
    m_stepping = false;
    m_paused = false;
    m_wake.notify_all();
}

void RunController::step(bool into) {
    std::lock_guard lock(m_mutex);
    m_stepping = true;
    if (into)
        m_stepDepth = 1 << 30;
    m_paused = false;
    m_wake.notify_all();
}

void RunController::pause() {
    std::lock_guard lock(m_mutex);
    m_stepping = true;
    m_stepDepth = 1 << 30;
}

void RunController::stop() {
    std::lock_guard lock(m_mutex);
    if (!m_running)
        return;
    m_stopping = true;
    m_paused = false;
    m_wake.notify_all();
}

void RunController::giveInput(const QString& line) {
    std::lock_guard lock(m_mutex);
    for (const QString& word : line.split(QLatin1Char(' '), Qt::SkipEmptyParts))
        m_words.push_back(word.toStdString());
    m_wake.notify_all();
}

void RunController::setBreakpoints(std::set<const Element*> elements) {
    std::lock_guard lock(m_mutex);
    m_breakpoints = std::move(elements);
}

void RunController::setStepDelay(int milliseconds) {
    std::lock_guard lock(m_mutex);
    m_stepDelay = milliseconds;
    m_wake.notify_all();
}

std::vector<run::ShownVariable> RunController::variables() const {
    std::lock_guard lock(m_mutex);
    return m_variables;
}

QStringList RunController::callStack() const {
    std::lock_guard lock(m_mutex);
    return m_callStack;
}

const Document* RunController::documentOf(const Element* element) const {
    std::lock_guard lock(m_mutex);
    const auto found = m_documentOfElement.find(element);
    return found == m_documentOfElement.end() ? nullptr : found->second;
}

const Element* RunController::currentElement() const {
    std::lock_guard lock(m_mutex);
    return m_element;
}

void RunController::join() {
    if (m_worker.joinable())
        m_worker.join();
}

} // namespace velbrant
