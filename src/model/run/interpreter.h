#pragma once

#include "model/program/program_reader.h"
#include "model/run/trace.h"
#include "model/run/value.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

// Runs the program a diagram and the routines it calls stand for: the same
// program code generation writes, with the same meaning as the generated
// Python program. What would make a program go on wrongly stops the run
// with a German message at the statement that caused it.
namespace velbrant::run {

// Where the run reads its words and writes its lines and, if asked for,
// its trace table.
struct RunIo {
    // The next word of the input (UTF-8), nothing when it has run out.
    // `asked` is what a person would be asked: the prompt the program
    // showed, else the name of the variable read.
    std::function<std::optional<std::string>(const std::string& asked)> readWord;
    // A line of output (UTF-8), without its end.
    std::function<void(const std::string&)> writeLine;
    Trace* trace = nullptr;
};

struct RunLimits {
    std::int64_t maxSteps = 0; // 0: no limit
    int maxDepth = 10'000;
};

// A variable as it stands at a step, shown: an array's elements and a
// record's fields are its parts ("[0]", "x").
struct ShownVariable {
    std::string name;
    std::string type;
    std::string value;
    std::vector<ShownVariable> parts;
};

struct RunResult {
    enum class Status { Finished, Failed, Stopped };
    Status status = Status::Finished;
    // A failure's message, and the text of the statement or head where it
    // happened (UTF-8).
    std::string message;
    std::string where;
    std::int64_t steps = 0;
    // The variables of the routine where the run ended, and the diagrams
    // it was in.
    std::vector<ShownVariable> variables;
    std::vector<std::string> callStack;
};

// What a step hook may ask about the run while it waits.
class RunState {
public:
    virtual ~RunState() = default;
    // The variables of the routine being run, in the order of their names'
    // first use.
    virtual std::vector<ShownVariable> variables() const = 0;
    // The diagrams being run, the outermost first.
    virtual std::vector<std::string> callStack() const = 0;
};

// Called before each step (a statement, or a loop's test) with the
// statement and how deep in calls it is; false stops the run.
using StepHook = std::function<bool(const code::Stmt& statement, int depth, const RunState& state)>;

RunResult runProgram(const code::ProgramSet& program, const RunIo& io, const RunLimits& limits = {},
                     const StepHook& beforeStep = {});

} // namespace velbrant::run

namespace velbrant {

class Document;
using code::DiagramLookup;

// Reads the diagram's program and the routines `routines` finds, and runs it.
run::RunResult runDiagram(const Document& document, const run::RunIo& io,
                          const run::RunLimits& limits = {}, const DiagramLookup& routines = {},
                          const run::StepHook& beforeStep = {});

} // namespace velbrant
