#include "model/run/interpreter.h"

#include "model/files/windows1252.h"
#include "model/program/builtins.h"
#include "model/program/program_meaning.h"
#include "model/program/program_reader.h"
#include "model/program/type_rules.h"
#include "model/run/run_text.h"

#include <charconv>
#include <cmath>
#include <cstdlib>
#include <pthread.h>
#include <random>
#include <unordered_map>

namespace velbrant::run {

namespace {

using code::Expr;
using code::Op;
using code::Scalar;
using code::Stmt;
using code::TypedProgram;
using messages::said;

// What stops a run: a failure with its message, or the step hook.
struct Failure {
    std::string message;
};
struct StopRequest {};
// An end element reached in a routine ends the whole program.
struct EndRequest {};

// How a statement ends: on to the next, or out of a loop, a routine or
// the program.
enum class Flow { Next, Break, Return, End };

std::string utf8(std::string_view windows1252) {
    return utf8FromWindows1252(windows1252);
}

class Machine final : public RunState {
public:
    Machine(const code::ProgramSet& set, const RunIo& io, const RunLimits& limits,
            const StepHook& hook)
        : m_set(set), m_io(io), m_limits(limits), m_hook(hook) {
        for (const TypedProgram& routine : set.routines)
            m_routines[lowered(routine.program.name)] = &routine;
        if (set.main.program.isFunction && !set.main.program.name.empty())
            m_routines.try_emplace(lowered(set.main.program.name), &set.main);
    }

    std::vector<ShownVariable> variables() const override {
        std::vector<ShownVariable> shown;
        if (m_frame == nullptr)
            return shown;
        const auto& symbols = m_frame->program->symbols.all();
        for (std::size_t i = 0; i < symbols.size(); ++i) {
            if (symbols[i].kind != code::SymbolKind::Variable)
                continue;
            shown.push_back(
                shownVariable(utf8(symbols[i].spelling), symbols[i].type, m_frame->values[i]));
        }
        return shown;
    }

    std::vector<std::string> callStack() const override { return m_calls; }

    // The state where the run ends is kept while the routine it ends in is
    // still there: the innermost one on a failure, the main program else.
    template <typename Run> Flow endState(Run run) {
        try {
            const Flow flow = run();
            if (m_depth == 0 && !m_ended)
                keepEndState();
            return flow;
        } catch (...) {
            if (!m_ended)
                keepEndState();
            throw;
        }
    }

    void keepEndState() {
        m_ended = true;
        m_endVariables = variables();
        m_endCalls = m_calls;
    }

    RunResult run() {
        RunResult result;
        try {
            runMain();
        } catch (const Failure& failure) {
            result.status = RunResult::Status::Failed;
            result.message = failure.message;
            if (m_current != nullptr)
                result.where = utf8(code::sourceText(*m_current));
        } catch (const StopRequest&) {
            result.status = RunResult::Status::Stopped;
        } catch (const EndRequest&) {
        }
        result.steps = m_steps;
        result.variables = std::move(m_endVariables);
        result.callStack = std::move(m_endCalls);
        return result;
    }

private:
    struct Frame {
        const TypedProgram* program;
        std::vector<Value> values;
        Value result;
    };

    // A diagram run by itself that is a function reads its parameters and
    // shows its result, as the generated programs do.
    void runMain() {
        const TypedProgram& main = m_set.main;
        Frame frame = newFrame(main);
        m_calls.push_back(utf8(main.program.title));
        // The parameters read take the trace's first row, the title's.
        if (m_io.trace != nullptr && !main.program.parameters.empty())
            m_io.trace->beginRow(&main, [&main] { return utf8(main.program.title); });
        for (const std::string& parameter : main.program.parameters) {
            const auto index = symbolIndex(main, parameter);
            frame.values[index] = readValue(main.symbols.all()[index].type.scalar, utf8(parameter));
            if (m_io.trace != nullptr)
                traced(utf8(parameter), shownValue(frame.values[index]));
        }
        Frame* outer = m_frame;
        m_frame = &frame;
        const Flow flow = endState([&] { return block(main.program.body); });
        m_frame = outer;
        if (flow != Flow::End && main.program.isFunction && main.result != Scalar::Unknown)
            writeLine(shownValue(resultOf(frame)));
    }

    void writeLine(const std::string& line) {
        m_io.writeLine(line);
        if (m_io.trace != nullptr)
            m_io.trace->wrote(line);
    }

    Value resultOf(const Frame& frame) const {
        return frame.result.kind == Value::Kind::Unset ? zeroOf({frame.program->result})
                                                       : frame.result;
    }

    static std::size_t symbolIndex(const TypedProgram& program, std::string_view name) {
        const code::Symbol* symbol = program.symbols.find(name);
        return static_cast<std::size_t>(symbol - &program.symbols.all().front());
    }

    Frame newFrame(const TypedProgram& program) const {
        Frame frame{&program, std::vector<Value>(program.symbols.all().size()), {}};
        for (std::size_t i = 0; i < frame.values.size(); ++i) {
            const code::Symbol& symbol = program.symbols.all()[i];
            if (symbol.kind == code::SymbolKind::Variable &&
                (symbol.type.array || symbol.type.scalar == Scalar::Record))
                frame.values[i] = zeroOf(symbol.type);
        }
        return frame;
    }

    Value zeroOf(const code::ValueType& type) const {
        if (type.array)
            return Value::emptyArray();
        switch (type.scalar) {
        case Scalar::Real:
            return Value::ofReal(0.0);
        case Scalar::Bool:
            return Value::ofBool(false);
        case Scalar::Text:
            return Value::ofText({});
        case Scalar::Record: {
            std::vector<Value> fields;
            for (const code::RecordField& field : recordType(type.record).fields)
                fields.push_back(zeroOf({field.type}));
            return Value::record(std::move(fields));
        }
        default:
            return Value::ofInt(0);
        }
    }

    // Every diagram of the program knows the same record types.
    const code::RecordType& recordType(std::int32_t record) const {
        return m_set.main.program.records.at(static_cast<std::size_t>(record));
    }

    // An array's elements and a record's fields are its parts.
    ShownVariable shownVariable(std::string name, const code::ValueType& type,
                                const Value& value) const {
        ShownVariable shown{std::move(name),
                            typeName(type),
                            value.kind == Value::Kind::Unset ? std::string() : shownValue(value),
                            {}};
        if (value.kind == Value::Kind::Array) {
            const code::ValueType element{type.scalar, false, type.record};
            for (std::size_t i = 0; i < value.items().size(); ++i)
                shown.parts.push_back(
                    shownVariable("[" + std::to_string(i) + "]", element, value.items()[i]));
        } else if (value.kind == Value::Kind::Record) {
            const code::RecordType& record = recordType(type.record);
            for (std::size_t i = 0; i < value.items().size() && i < record.fields.size(); ++i)
                shown.parts.push_back(shownVariable(utf8(record.fields[i].name),
                                                    {record.fields[i].type}, value.items()[i]));
        }
        return shown;
    }

    std::string typeName(const code::ValueType& type) const {
        std::string name;
        switch (type.scalar) {
        case Scalar::Real:
            name = said("run", "Zahl");
            break;
        case Scalar::Bool:
            name = said("run", "Wahrheitswert");
            break;
        case Scalar::Text:
            name = said("run", "Text");
            break;
        case Scalar::Record:
            name = utf8(recordType(type.record).name);
            break;
        default:
            name = said("run", "ganze Zahl");
        }
        return type.array ? said("run", "Feld von %1").arg(name).str() : name;
    }

    // Steps.
    void step(const Stmt& s) {
        m_current = &s;
        ++m_steps;
        if (m_io.trace != nullptr)
            m_io.trace->beginRow(&s, [&s] { return utf8(code::sourceText(s)); });
        if (m_limits.maxSteps > 0 && m_steps > m_limits.maxSteps)
            throw Failure{
                said("run", "Schrittgrenze erreicht: %1 Schritte").arg(m_limits.maxSteps)};
        if (m_hook && !m_hook(s, m_depth, *this))
            throw StopRequest{};
    }

    Flow block(const code::Block& statements) {
        for (const Stmt& s : statements) {
            const Flow flow = statement(s);
            if (flow != Flow::Next)
                return flow;
        }
        return Flow::Next;
    }

    Flow statement(const Stmt& s) {
        if (s.kind == Stmt::Kind::Comment || s.kind == Stmt::Kind::RecordType)
            return Flow::Next;
        step(s);
        switch (s.kind) {
        case Stmt::Kind::Assign:
            assign(s.target, evaluate(s.value));
            return Flow::Next;
        case Stmt::Kind::Input:
            input(s);
            return Flow::Next;
        case Stmt::Kind::Output:
            output(s.items);
            return Flow::Next;
        case Stmt::Kind::Call:
            call(s.name, s.items);
            return Flow::Next;
        case Stmt::Kind::If:
            return block(s.bodies[truth(s.value) ? 0 : 1]);
        case Stmt::Kind::While:
            return whileLoop(s);
        case Stmt::Kind::Repeat:
            return repeatLoop(s);
        case Stmt::Kind::For:
            return forLoop(s);
        case Stmt::Kind::ForEach:
            return forEachLoop(s);
        case Stmt::Kind::Case:
            return caseStatement(s);
        case Stmt::Kind::ClearArray:
            place(s.target)->items().clear();
            if (m_io.trace != nullptr)
                traced(column(s.target), "{}");
            return Flow::Next;
        case Stmt::Kind::Break:
            return Flow::Break;
        case Stmt::Kind::Return:
            if (s.hasValue)
                m_frame->result = stored(evaluate(s.value), {m_frame->program->result});
            return Flow::Return;
        case Stmt::Kind::End:
            return Flow::End;
        case Stmt::Kind::Throw:
            throw Failure{evaluate(s.value).text()};
        case Stmt::Kind::Unread:
            if (s.stops)
                untranslated(code::sourceText(s));
            return Flow::Next;
        default:
            return Flow::Next;
        }
    }

    [[noreturn]] static void untranslated(std::string_view line) {
        throw Failure{code::untranslatedLine(utf8(line))};
    }

    // Loops: each test is a step of its own.
    Flow loopBody(const code::Block& body, bool& leave) {
        const Flow flow = block(body);
        leave = flow != Flow::Next;
        return flow == Flow::Break ? Flow::Next : flow;
    }

    Flow whileLoop(const Stmt& s) {
        bool leave = false;
        for (bool first = true;; first = false) {
            if (!first)
                step(s);
            if (!truth(s.value))
                return Flow::Next;
            const Flow flow = loopBody(s.bodies[0], leave);
            if (leave)
                return flow;
        }
    }

    Flow repeatLoop(const Stmt& s) {
        bool leave = false;
        for (;;) {
            const Flow flow = loopBody(s.bodies[0], leave);
            if (leave)
                return flow;
            step(s);
            if (truth(s.value))
                return Flow::Next;
        }
    }

    // The limit and the step are taken once, as Python's range takes them;
    // each test of the counter is a step, the last one too.
    Flow forLoop(const Stmt& s) {
        long long counter = evaluate(s.value).integer;
        const long long limit = evaluate(s.limit).integer;
        const long long by = s.downward ? -evaluate(s.step).integer : evaluate(s.step).integer;
        bool leave = false;
        for (bool first = true;; first = false) {
            if (!first) {
                step(s);
                counter += by;
            }
            if (s.downward ? counter < limit : counter > limit)
                return Flow::Next;
            *place(s.target) = Value::ofInt(counter);
            if (m_io.trace != nullptr)
                traced(column(s.target), std::to_string(counter));
            const Flow flow = loopBody(s.bodies[0], leave);
            if (leave)
                return flow;
        }
    }

    Flow forEachLoop(const Stmt& s) {
        std::vector<Value> values;
        std::shared_ptr<ValueBody> array;
        if (s.items.empty())
            array = evaluate(s.value).body;
        for (const Expr& item : s.items)
            values.push_back(evaluate(item));
        bool leave = false;
        for (std::size_t i = 0;; ++i) {
            if (i > 0)
                step(s);
            if (i >= (array ? array->items.size() : values.size()))
                return Flow::Next;
            assign(s.target, array ? array->items[i] : values[i]);
            const Flow flow = loopBody(s.bodies[0], leave);
            if (leave)
                return flow;
        }
    }

    Flow caseStatement(const Stmt& s) {
        if (s.unreadHead)
            untranslated(code::sourceText(s));
        const Value selector = evaluate(s.value);
        for (const code::CaseBranch& branch : s.branches) {
            if (branch.unreadLabel)
                untranslated(branch.labelText);
            for (const Expr& label : branch.labels) {
                if (equal(selector, evaluate(label)))
                    return block(branch.body);
            }
        }
        return s.hasElse ? block(s.bodies[0]) : Flow::Next;
    }

    // Input and output.
    void input(const Stmt& s) {
        const std::string prompt = s.hasValue ? shownLine({s.value}) : std::string();
        if (s.hasValue)
            writeLine(prompt);
        for (const Expr& item : s.items) {
            const std::string asked = s.hasValue ? prompt : column(item);
            if (item.kind != Expr::Kind::Range) {
                assign(item, readValue(item.type, asked));
                continue;
            }
            const long long last = evaluate(item.args[1]).integer;
            for (long long k = evaluate(item.args[0]).integer; k <= last; ++k) {
                const Value& value = element(item, k, true) = readValue(item.type, asked);
                if (m_io.trace != nullptr)
                    traced(column(item), "[" + std::to_string(k) + "] " + shownValue(value));
            }
        }
    }

    Value readValue(Scalar type, const std::string& asked) {
        std::optional<std::string> word = m_io.readWord ? m_io.readWord(asked) : std::nullopt;
        if (!word)
            throw Failure{code::noMoreInput()};
        if (type == Scalar::Int) {
            long long value = 0;
            const char* end = word->data() + word->size();
            const auto [at, error] = std::from_chars(word->data(), end, value);
            if (error != std::errc() || at != end || value < INT32_MIN || value > INT32_MAX)
                throw Failure{code::notAnInteger() + *word};
            return Value::ofInt(value);
        }
        if (type == Scalar::Real) {
            std::string number = *word;
            for (char& c : number)
                c = c == ',' ? '.' : c;
            char* end = nullptr;
            const double value = std::strtod(number.c_str(), &end);
            if (number.empty() || *end != '\0' ||
                std::isspace(static_cast<unsigned char>(number[0])))
                throw Failure{code::notANumber() + *word};
            return Value::ofReal(value);
        }
        return Value::ofText(*word);
    }

    void output(const std::vector<Expr>& items) { writeLine(shownLine(items)); }

    std::string shownLine(const std::vector<Expr>& items) {
        std::string line;
        for (std::size_t i = 0; i < items.size(); ++i) {
            if (code::spacedBefore(items, i))
                line += ' ';
            line += shownValue(evaluate(items[i]));
        }
        return line;
    }

    // Names, elements and fields.
    Value* place(const Expr& e) {
        switch (e.kind) {
        case Expr::Kind::Index:
            return &element(e, evaluate(e.args[0]).integer, false);
        case Expr::Kind::Field:
            return &place(e.args[0])->items().at(fieldIndex(e));
        default:
            return &m_frame->values[static_cast<std::size_t>(e.symbol)];
        }
    }

    const code::Symbol& symbolOf(const Expr& e) const {
        return m_frame->program->symbols.all()[static_cast<std::size_t>(e.symbol)];
    }

    std::size_t fieldIndex(const Expr& field) const {
        return code::fieldIndex(recordType(field.args[0].record), field.text);
    }

    // An element at an index; setting one beyond the end makes the array
    // grow, as the generated programs' arrays do.
    Value& element(const Expr& array, long long index, bool growing) {
        const code::Symbol& symbol = symbolOf(array);
        std::vector<Value>& elements =
            m_frame->values[static_cast<std::size_t>(array.symbol)].items();
        const long long lowest = symbol.lowestIndex;
        const long long length =
            growing ? code::MaxArrayElements : static_cast<long long>(elements.size());
        if (index < lowest || index >= lowest + length) {
            const std::string bounds =
                length == 0 ? code::emptyBounds().str()
                            : code::bounds().arg(lowest).arg(lowest + length - 1).str();
            throw Failure{code::indexOutside().arg(index).arg(utf8(symbol.spelling)).arg(bounds)};
        }
        const auto position = static_cast<std::size_t>(index - lowest);
        code::ValueType type = symbol.type;
        type.array = false;
        while (elements.size() <= position)
            elements.push_back(zeroOf(type));
        return elements[position];
    }

    void assign(const Expr& target, const Value& value) {
        if (target.kind == Expr::Kind::Index) {
            const long long index = evaluate(target.args[0]).integer;
            code::ValueType type = symbolOf(target).type;
            type.array = false;
            const Value& set = element(target, index, true) = stored(value, type);
            if (m_io.trace != nullptr)
                traced(column(target), "[" + std::to_string(index) + "] " + shownValue(set));
            return;
        }
        const code::ValueType type =
            target.kind == Expr::Kind::Field ? code::ValueType{target.type} : symbolOf(target).type;
        Value* const set = place(target);
        *set = stored(value, type);
        if (m_io.trace != nullptr)
            traced(column(target), fieldPath(target) + shownValue(*set));
    }

    // The trace's column of a variable: its name, with the routine's for a
    // routine's own; an element or a field goes into its variable's column.
    std::string column(const Expr& target) const {
        if (target.kind == Expr::Kind::Field)
            return column(target.args[0]);
        return columnOf(*m_frame->program, symbolOf(target).spelling);
    }

    std::string columnOf(const TypedProgram& program, std::string_view spelling) const {
        const std::string name = utf8(spelling);
        return &program == &m_set.main ? name : name + " (" + utf8(program.program.name) + ")";
    }

    // "[2].x: " before a field's value in its variable's column.
    std::string fieldPath(const Expr& target) {
        if (target.kind != Expr::Kind::Field)
            return {};
        std::string path;
        const Expr* owner = &target;
        for (; owner->kind == Expr::Kind::Field; owner = &owner->args[0])
            path = "." + utf8(owner->text) + path;
        if (owner->kind == Expr::Kind::Index)
            path = "[" + std::to_string(evaluate(owner->args[0]).integer) + "]" + path;
        return path + ": ";
    }

    // Only asked for where a trace is recorded: its texts cost.
    void traced(const std::string& column, std::string value) {
        m_io.trace->changed(column, std::move(value));
    }

    // An integer stored where a real belongs becomes a real.
    static Value stored(const Value& value, const code::ValueType& type) {
        if (type.scalar == Scalar::Real && value.kind == Value::Kind::Int)
            return Value::ofReal(static_cast<double>(value.integer));
        return value.stored();
    }

    // Expressions.
    bool truth(const Expr& e) { return evaluate(e).truth; }

    Value evaluate(const Expr& e) {
        switch (e.kind) {
        case Expr::Kind::Int: {
            long long value = 0;
            std::from_chars(e.text.data(), e.text.data() + e.text.size(), value);
            return Value::ofInt(value);
        }
        case Expr::Kind::Real:
            return Value::ofReal(std::strtod(e.text.c_str(), nullptr));
        case Expr::Kind::Text:
            return Value::ofText(e.exactText.empty() ? utf8(e.text) : e.exactText);
        case Expr::Kind::Bool:
            return Value::ofBool(e.text == "true");
        case Expr::Kind::Name:
        case Expr::Kind::Index:
        case Expr::Kind::Field:
            return read(e);
        case Expr::Kind::Range:
            break;
        case Expr::Kind::Call:
            if (symbolOf(e).kind == code::SymbolKind::Builtin)
                return builtin(e);
            return call(e.text, e.args);
        case Expr::Kind::RecordLiteral: {
            const code::RecordType& type = recordType(e.record);
            std::vector<Value> fields;
            for (std::size_t i = 0; i < e.args.size(); ++i)
                fields.push_back(stored(evaluate(e.args[i]), {type.fields[i].type}));
            return Value::record(std::move(fields));
        }
        case Expr::Kind::Unary:
            return unaryValue(e);
        case Expr::Kind::Binary:
            return binaryValue(e);
        case Expr::Kind::Untranslated:
            untranslated(e.text);
        }
        return {};
    }

    Value read(const Expr& e) {
        const Value& value = *place(e);
        if (value.kind == Value::Kind::Unset)
            throw Failure{said("run", "Variable %1 wird gelesen, bevor sie einen Wert hat")
                              .arg(utf8(symbolOf(e).spelling))};
        return value;
    }

    Value unaryValue(const Expr& e) {
        const Value operand = evaluate(e.args[0]);
        if (e.op == Op::Not)
            return Value::ofBool(!operand.truth);
        return operand.kind == Value::Kind::Real ? Value::ofReal(-operand.real)
                                                 : Value::ofInt(-operand.integer);
    }

    static bool equal(const Value& a, const Value& b) {
        if (a.kind == Value::Kind::Text || b.kind == Value::Kind::Text)
            return a.text() == b.text();
        if (a.kind == Value::Kind::Bool)
            return a.truth == b.truth;
        if (a.kind == Value::Kind::Int && b.kind == Value::Kind::Int)
            return a.integer == b.integer;
        return a.number() == b.number();
    }

    Value binaryValue(const Expr& e) {
        if (e.op == Op::And)
            return Value::ofBool(truth(e.args[0]) && truth(e.args[1]));
        if (e.op == Op::Or)
            return Value::ofBool(truth(e.args[0]) || truth(e.args[1]));
        const Value a = evaluate(e.args[0]);
        const Value b = evaluate(e.args[1]);
        const bool integers = a.kind == Value::Kind::Int && b.kind == Value::Kind::Int;
        switch (e.op) {
        case Op::Add:
            if (e.type == Scalar::Text)
                return Value::ofText(shownValue(a) + shownValue(b));
            return integers ? Value::ofInt(a.integer + b.integer)
                            : Value::ofReal(a.number() + b.number());
        case Op::Sub:
            return integers ? Value::ofInt(a.integer - b.integer)
                            : Value::ofReal(a.number() - b.number());
        case Op::Mul:
            return integers ? Value::ofInt(a.integer * b.integer)
                            : Value::ofReal(a.number() * b.number());
        case Op::Div:
            if (b.number() == 0.0)
                throw Failure{code::byZero()};
            return Value::ofReal(a.number() / b.number());
        case Op::IntDiv:
        case Op::Mod: {
            if (b.integer == 0)
                throw Failure{code::byZero()};
            // Towards zero, as every generated program divides.
            return Value::ofInt(e.op == Op::IntDiv ? a.integer / b.integer : a.integer % b.integer);
        }
        case Op::Eq:
            return Value::ofBool(equal(a, b));
        case Op::Ne:
            return Value::ofBool(!equal(a, b));
        case Op::Lt:
            return Value::ofBool(integers ? a.integer < b.integer : a.number() < b.number());
        case Op::Le:
            return Value::ofBool(integers ? a.integer <= b.integer : a.number() <= b.number());
        case Op::Gt:
            return Value::ofBool(integers ? a.integer > b.integer : a.number() > b.number());
        case Op::Ge:
            return Value::ofBool(integers ? a.integer >= b.integer : a.number() >= b.number());
        default:
            return {};
        }
    }

    Value builtin(const Expr& e);

    // A routine of another diagram (or of this one): scalars and records are
    // given as copies, arrays as themselves.
    Value call(const std::string& name, const std::vector<Expr>& args) {
        const auto found = m_routines.find(lowered(name));
        if (found == m_routines.end())
            throw Failure{code::routineNotFound(utf8(name))};
        const TypedProgram& routine = *found->second;
        std::vector<Value> values;
        for (const Expr& arg : args)
            values.push_back(evaluate(arg));
        if (m_depth >= m_limits.maxDepth)
            throw Failure{said("run", "Rekursion tiefer als %1 Aufrufe").arg(m_limits.maxDepth)};
        Frame frame = newFrame(routine);
        const std::vector<std::string>& parameters = routine.program.parameters;
        Frame* outer = m_frame;
        const Stmt* caller = m_current;
        m_frame = &frame;
        for (std::size_t i = 0; i < parameters.size() && i < values.size(); ++i) {
            const std::size_t index = symbolIndex(routine, parameters[i]);
            const code::Symbol& symbol = routine.symbols.all()[index];
            frame.values[index] = stored(values[i], symbol.type);
            if (m_io.trace != nullptr)
                traced(columnOf(routine, symbol.spelling), shownValue(frame.values[index]));
        }
        ++m_depth;
        m_calls.push_back(utf8(routine.program.title));
        const Flow flow = endState([&] { return block(routine.program.body); });
        m_calls.pop_back();
        --m_depth;
        m_frame = outer;
        m_current = caller;
        // The caller's statement goes on in a row of its own after the
        // routine's rows: what it sets then stands there.
        if (m_io.trace != nullptr && caller != nullptr)
            m_io.trace->beginRow(caller, [caller] { return utf8(code::sourceText(*caller)); });
        if (flow == Flow::End)
            throw EndRequest{};
        return resultOf(frame);
    }

    const code::ProgramSet& m_set;
    const RunIo& m_io;
    RunLimits m_limits;
    const StepHook& m_hook;
    std::unordered_map<std::string, const TypedProgram*> m_routines;
    Frame* m_frame = nullptr;
    const Stmt* m_current = nullptr;
    std::int64_t m_steps = 0;
    int m_depth = 0;
    std::vector<std::string> m_calls;
    bool m_ended = false;
    std::vector<ShownVariable> m_endVariables;
    std::vector<std::string> m_endCalls;
    std::mt19937 m_random{std::random_device{}()};
};

Value Machine::builtin(const Expr& e) {
    using code::Builtin;
    const Builtin routine = *code::builtinNamed(e.text, e.args.size());
    if (routine == Builtin::Length && e.args[0].kind == Expr::Kind::Name &&
        symbolOf(e.args[0]).type.array)
        return Value::ofInt(static_cast<long long>(place(e.args[0])->items().size()));
    std::vector<Value> v;
    for (const Expr& arg : e.args)
        v.push_back(evaluate(arg));
    const bool whole = v[0].kind == Value::Kind::Int;
    const auto real = [&](double result) {
        if (std::isnan(result) && !std::isnan(v[0].number()))
            throw Failure{
                said("run", "Kein Ergebnis für %1(%2)").arg(e.text).arg(shownValue(v[0]))};
        return Value::ofReal(result);
    };
    switch (routine) {
    case Builtin::Abs:
        return whole ? Value::ofInt(std::llabs(v[0].integer)) : Value::ofReal(std::fabs(v[0].real));
    case Builtin::Min:
    case Builtin::Max: {
        const bool first = (v[0].number() < v[1].number()) == (routine == Builtin::Min);
        return first ? v[0] : v[1];
    }
    case Builtin::Round:
        return Value::ofInt(static_cast<long long>(std::floor(v[0].number() + 0.5)));
    case Builtin::Floor:
        return Value::ofInt(static_cast<long long>(std::floor(v[0].number())));
    case Builtin::Ceil:
        return Value::ofInt(static_cast<long long>(std::ceil(v[0].number())));
    case Builtin::Sqr:
        return whole ? Value::ofInt(v[0].integer * v[0].integer)
                     : Value::ofReal(v[0].real * v[0].real);
    case Builtin::Sqrt:
        return real(std::sqrt(v[0].number()));
    case Builtin::Exp:
        return real(std::exp(v[0].number()));
    case Builtin::Log:
        return real(v[0].number() > 0 ? std::log(v[0].number()) : std::nan(""));
    case Builtin::Pow:
        return real(std::pow(v[0].number(), v[1].number()));
    case Builtin::Sin:
        return real(std::sin(v[0].number()));
    case Builtin::Cos:
        return real(std::cos(v[0].number()));
    case Builtin::Tan:
        return real(std::tan(v[0].number()));
    case Builtin::Random:
        return Value::ofInt(v[0].integer > 0 ? std::uniform_int_distribution<long long>(
                                                   0, v[0].integer - 1)(m_random)
                                             : 0);
    case Builtin::Length:
        return Value::ofInt(textLength(v[0].text()));
    case Builtin::Uppercase:
        return Value::ofText(upperText(v[0].text()));
    case Builtin::Lowercase:
        return Value::ofText(lowerText(v[0].text()));
    case Builtin::Trim:
        return Value::ofText(trimmedText(v[0].text()));
    case Builtin::Ord:
        return Value::ofInt(firstCode(v[0].text()));
    case Builtin::Chr:
        return Value::ofText(characterOf(v[0].integer));
    case Builtin::Pos:
        return Value::ofInt(positionOf(v[0].text(), v[1].text()));
    case Builtin::Copy:
        return Value::ofText(partOf(v[0].text(), v[1].integer, v[2].integer));
    }
    return {};
}

} // namespace

namespace {

// Deep recursion runs deep in C++ too: the run has a stack of its own,
// large enough for the deepest recursion allowed.
constexpr std::size_t RunStackBytes = std::size_t{1} << 30;

struct StackedRun {
    std::function<void()> work;
};

void* runStacked(void* argument) {
    static_cast<StackedRun*>(argument)->work();
    return nullptr;
}

void onLargeStack(std::function<void()> work) {
    StackedRun run{std::move(work)};
    pthread_attr_t attributes;
    pthread_attr_init(&attributes);
    pthread_attr_setstacksize(&attributes, RunStackBytes);
    pthread_t thread;
    const bool started = pthread_create(&thread, &attributes, runStacked, &run) == 0;
    pthread_attr_destroy(&attributes);
    if (!started) {
        run.work();
        return;
    }
    pthread_join(thread, nullptr);
}

} // namespace

RunResult runProgram(const code::ProgramSet& program, const RunIo& io, const RunLimits& limits,
                     const StepHook& beforeStep) {
    RunResult result;
    onLargeStack([&] { result = Machine(program, io, limits, beforeStep).run(); });
    return result;
}

} // namespace velbrant::run

namespace velbrant {

run::RunResult runDiagram(const Document& document, const run::RunIo& io,
                          const run::RunLimits& limits, const DiagramLookup& routines,
                          const run::StepHook& beforeStep) {
    return run::runProgram(code::readLinkedProgram(document, routines), io, limits, beforeStep);
}

} // namespace velbrant
