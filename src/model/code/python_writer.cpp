#include "model/code/code_writer.h"
#include "model/code/language_writers.h"
#include "model/code/text_helpers.h"

namespace velbrant::code {

namespace {

class PythonWriter final : public CodeWriter {
public:
    PythonWriter(const TypedProgram& program, const RoutineIds* ids)
        : CodeWriter(program, PythonLanguage, ids) {}

private:
    void writeProgram() override {
        headerComment();
        blank();
        if (usesMathematics())
            line("import math");
        if (usesBuiltin(Builtin::Random))
            line("import random");
        if (endsProgram() || readsAnyInput() || stops())
            line("import sys");
        stopHelper();
        inputHelpers();
        realHelper();
        lines(pythonTextHelpers(usedBuiltins()));
        recordTypes();
        for (const Symbol* routine : subroutines())
            stub(*routine);
        linkedRoutines();
        blank();
        if (m_program.isFunction)
            function();
        line("");
        line("def main():");
        if (m_program.isFunction)
            mainCallingFunction();
        else
            body();
        blank();
        line("");
        line("if __name__ == \"__main__\":");
        line("    main()");
    }

    void inputHelpers() {
        if (!readsAnyInput())
            return;
        blank();
        line("");
        line("def woerter_():");
        line("    for zeile in sys.stdin:");
        line("        yield from zeile.split()");
        line("");
        line("");
        line("eingabe_ = woerter_()");
        blank();
        line("");
        line("def lies_text_():");
        line("    wort = next(eingabe_, None)");
        line("    if wort is None:");
        line("        " + stopCall(noMoreInput()));
        line("    return wort");
        if (readsInput(Scalar::Int))
            converter("lies_ganzzahl_", "int(wort)", notAnInteger());
        if (readsInput(Scalar::Real))
            converter("lies_zahl_", "float(wort.replace(\",\", \".\"))", notANumber());
    }

    // A decimal comma reads like a point.
    void converter(const std::string& name, const std::string& value, const std::string& failure) {
        blank();
        line("");
        line("def " + name + "():");
        line("    wort = lies_text_()");
        line("    try:");
        line("        return " + value);
        line("    except ValueError:");
        line("        " + std::string(StopHelper) + "(" + messageLiteral(failure) + " + wort)");
    }

    void stopHelper() {
        if (!stops())
            return;
        blank();
        line("");
        line("def " + std::string(StopHelper) + "(meldung):");
        line("    print(meldung, file=sys.stderr)");
        line("    sys.exit(3)");
        divisionHelpers();
        if (!indexes())
            return;
        blank();
        line("");
        line("def " + std::string(IndexHelper) + "(laenge, index, name, lowest):");
        line("    if index < lowest or index >= lowest + laenge:");
        line("        grenzen = " + joinedMessage(emptyBounds(), {}) + " if laenge == 0 else " +
             joinedMessage(bounds(), {"str(lowest)", "str(lowest + laenge - 1)"}));
        line("        " + std::string(StopHelper) + "(" +
             joinedMessage(indexOutside(), {"str(index)", "name", "grenzen"}) + ")");
        line("    return index - lowest");
        // A generic setter serves the arrays of values; each new record is
        // its own, not one shared by all.
        if (setsValueElements())
            setter(std::string(SetHelper) + "(feld, index, wert, name, lowest, leer)", "leer");
        for (const ValueType& type : setRecordElements())
            setter(std::string(SetHelper) + arrayTypeWord(type) +
                       "_(feld, index, wert, name, lowest)",
                   zeroOf(type));
    }

    void setter(const std::string& head, const std::string& fill) {
        blank();
        line("");
        line("def " + head + ":");
        line("    stelle = " + std::string(IndexHelper) + "(" + std::to_string(MaxArrayElements) +
             ", index, name, lowest)");
        line("    while len(feld) <= stelle:");
        line("        feld.append(" + fill + ")");
        line("    feld[stelle] = wert");
    }

    // A class per record type, made with every field's value.
    void recordTypes() {
        for (std::size_t r = 0; r < records().size(); ++r) {
            const auto record = static_cast<std::int32_t>(r);
            const std::vector<std::string>& fields = fieldIds(record);
            std::string parameters;
            std::string values;
            for (const std::string& field : fields) {
                parameters += ", " + field;
                values += (values.empty() ? "self." : ", self.") + field;
            }
            blank();
            line("");
            line("class " + recordId(record) + ":");
            line("    def __init__(self" + parameters + "):");
            for (const std::string& field : fields)
                line("        self." + field + " = " + field);
            line("");
            line("    def kopie_(self):");
            line("        return " + recordId(record) + "(" + values + ")");
        }
    }

    std::string recordLiteral(std::int32_t record,
                              const std::vector<std::string>& values) const override {
        std::string text;
        for (const std::string& value : values)
            text += (text.empty() ? "" : ", ") + value;
        return recordId(record) + "(" + text + ")";
    }

    std::string copied(const std::string& record) const override { return record + ".kopie_()"; }

    void divisionHelpers() {
        if (!uses(Op::IntDiv) && !uses(Op::Mod))
            return;
        const std::string stop = "        " + stopCall(byZero());
        lines({"", "", "def " + std::string(WholeDivision) + "(a, b):", "    if b == 0:", stop,
               "    q = abs(a) // abs(b)", "    return q if (a < 0) == (b < 0) else -q", "", "",
               "def " + std::string(Remainder) + "(a, b):",
               "    return a - b * " + std::string(WholeDivision) + "(a, b)"});
    }

    std::string arrayLength(const std::string& array) const override {
        return "len(" + array + ")";
    }

    std::string element(const std::string& array, const std::string& position,
                        Scalar) const override {
        return array + "[" + position + "]";
    }

    std::string elementSetting(const Expr& array, const std::string& index,
                               const std::string& value) const override {
        const ValueType type = elementOf(array);
        if (type.scalar == Scalar::Record)
            return std::string(SetHelper) + arrayTypeWord(type) + "_(" +
                   settingArguments(array, index, value) + ")";
        return std::string(SetHelper) + "(" + settingArguments(array, index, value) + ", " +
               zero(type.scalar) + ")";
    }

    std::string clearing(const std::string& array) const override { return array + ".clear()"; }

    void stub(const Symbol& routine) {
        blank();
        line("");
        std::string parameters;
        for (const std::string& name : stubParameters(routine))
            parameters += (parameters.empty() ? "" : ", ") + name;
        line("def " + id(routine.spelling) + "(" + parameters + "):");
        indent();
        missingRoutine(routine);
        dedent();
        line(routine.kind == SymbolKind::Function ? "    return " + zero(routine.type.scalar)
                                                  : "    pass");
    }

    void declarations() {
        for (const Symbol* variable : variables()) {
            const std::string value = variable->type.array ? "[]" : zeroOf(variable->type);
            line(id(variable->spelling) + " = " + value + typeNote(*variable));
        }
    }

    void body() {
        indent();
        declarations();
        block(m_program.body);
        if (!hasCode(m_program.body) && variables().empty())
            line("pass");
        dedent();
    }

    void routine() override { function(); }

    void function() {
        line("");
        std::string parameters;
        for (const std::string& name : m_program.parameters)
            parameters += (parameters.empty() ? "" : ", ") + id(name);
        line("def " + programName() + "(" + parameters + "):");
        body();
        indent();
        if (m_typed.result != Scalar::Unknown)
            line("return " + zero(m_typed.result));
        dedent();
        blank();
    }

    void mainCallingFunction() {
        indent();
        const std::string arguments = readParameters(
            [this](Scalar type, const std::string& name) { return name + " = " + reading(type); });
        const std::string callText = programName() + "(" + arguments + ")";
        line(m_typed.result == Scalar::Unknown ? callText
                                               : "print(" + shown(callText, m_typed.result) + ")");
        dedent();
    }

    std::string shown(const std::string& text, Scalar type) const {
        if (type == Scalar::Real)
            return std::string(RealText) + "(" + text + ")";
        return type == Scalar::Bool ? "(\"true\" if " + text + " else \"false\")" : text;
    }

    std::string asText(const std::string& value, Scalar type) const override {
        return type == Scalar::Int ? "str(" + value + ")" : shown(value, type);
    }

    void realHelper() {
        if (!showsReal())
            return;
        for (const std::string& text :
             {std::string(), std::string(),
              "def " + std::string(RealText) + "(x):", std::string("    for stellen in range(31):"),
              std::string("        text = f\"{x:.{stellen}f}\""),
              std::string("        if float(text) == x:"), std::string("            return text"),
              std::string("    return repr(x)")})
            line(text);
    }

    void assign(const Stmt& s) override { assignment(s.target, valueOf(s.value)); }

    void input(const Stmt& s) override {
        for (const Expr& item : s.items) {
            if (item.kind == Expr::Kind::Range) {
                line("for k_ in range(" + expr(item.args[0]) + ", " + expr(item.args[1]) +
                     " + 1):");
                line("    " + elementSetting(item, "k_", reading(item.type)));
            } else {
                assignment(item, reading(item.type));
            }
        }
    }

    void output(const Stmt& s) override {
        std::string items;
        bool spaced = true;
        for (std::size_t i = 1; i < s.items.size(); ++i)
            spaced = spaced && spacedBefore(s.items, i);
        for (std::size_t i = 0; i < s.items.size(); ++i) {
            if (i > 0)
                items += spaced || !spacedBefore(s.items, i) ? ", " : ", \" \", ";
            items += shown(expr(s.items[i]), s.items[i].type);
        }
        line("print(" + items + (spaced ? "" : ", sep=\"\"") + ")");
    }

    void call(const Stmt& s) override { line(calleeId(s) + "(" + argumentList(s.items) + ")"); }

    void nested(const Block& body) override {
        indent();
        block(body);
        if (!hasCode(body))
            line("pass");
        dedent();
    }

    // Python refuses more than 20 loops inside each other; a loop deeper
    // than that goes into a local function of its own, unless it returns.
    static constexpr int HoistedLoopDepth = 18;

    template <typename Write> void loop(const Stmt& s, Write write) {
        if (m_loopDepth < HoistedLoopDepth || returns(s.bodies[0])) {
            ++m_loopDepth;
            write();
            --m_loopDepth;
            return;
        }
        const std::string name = "teil" + std::to_string(++m_hoisted) + "_";
        line("def " + name + "():");
        indent();
        std::string names;
        for (const Symbol* variable : variables())
            names += (names.empty() ? "" : ", ") + id(variable->spelling);
        for (const std::string& parameter : m_program.parameters)
            names += (names.empty() ? "" : ", ") + id(parameter);
        if (!names.empty())
            line("nonlocal " + names);
        const int depth = m_loopDepth;
        m_loopDepth = 1;
        write();
        m_loopDepth = depth;
        dedent();
        line(name + "()");
    }

    static bool returns(const Block& statements) {
        return anyStatement(statements, [](const Stmt& s) { return s.kind == Stmt::Kind::Return; });
    }

    void whileLoop(const Stmt& s) override {
        head(s);
        loop(s, [&] {
            line("while " + expr(s.value) + ":");
            nested(s.bodies[0]);
        });
    }

    void repeatLoop(const Stmt& s) override {
        head(s);
        loop(s, [&] {
            line("while True:");
            indent();
            block(s.bodies[0]);
            line("if " + expr(plain(s.value)) + ":");
            line("    break");
            dedent();
        });
    }

    void forLoop(const Stmt& s) override {
        loop(s, [&] { countingLoop(s); });
    }

    void forEachLoop(const Stmt& s) override {
        loop(s, [&] {
            line("for " + expr(s.target) + " in " +
                 (overArray(s) ? elements(s.value) : "[" + argumentList(s.items) + "]") + ":");
            nested(s.bodies[0]);
        });
    }

    // Records one by one as copies, as every language gives them.
    std::string elements(const Expr& array) {
        if (array.type != Scalar::Record)
            return expr(array);
        return "map(" + recordId(elementOf(array).record) + ".kopie_, " + expr(array) + ")";
    }

    void countingLoop(const Stmt& s) {
        const bool unit = s.step.kind == Expr::Kind::Int && std::stoll(s.step.text) == 1;
        std::string bound = expr(s.limit);
        bound += s.downward ? " - 1" : " + 1";
        std::string range = expr(s.value) + ", " + bound;
        if (s.downward)
            range += ", -" + operand(s.step, makeExpr(Expr::Kind::Unary, Op::Neg), false);
        else if (!unit)
            range += ", " + expr(s.step);
        line("for " + expr(s.target) + " in range(" + range + "):");
        nested(s.bodies[0]);
    }

    // "match" needs Python 3.10; the programs run on 3.8.
    void caseChain(const Stmt& s) override {
        bool first = true;
        for (const CaseBranch& branch : s.branches) {
            if (branch.unreadLabel)
                unreadComment({branch.labelText});
            line((first ? "if " : "elif ") + caseCondition(s, branch) + ":");
            nested(branch.body);
            first = false;
        }
        if (s.hasElse) {
            line(first ? "if True:" : "else:");
            nested(s.bodies[0]);
        }
    }

    std::string caseCondition(const Stmt& s, const CaseBranch& branch) {
        if (branch.unreadLabel)
            return unreadLabelCall(s, branch);
        if (branch.labels.empty())
            return "False";
        std::string condition;
        for (const Expr& label : branch.labels)
            condition += (condition.empty() ? "" : " or ") + expr(s.value) + " == " + expr(label);
        return condition;
    }

    std::string functionReturn() const override {
        return m_typed.result == Scalar::Unknown ? "return" : "return " + zero(m_typed.result);
    }

    std::string utf8Literal(std::string_view text) const override {
        return "\"" + backslashed(text, "\"\\") + "\"";
    }

    int m_loopDepth = 0;
    int m_hoisted = 0;
};

} // namespace

std::string writePython(const ProgramSet& set) {
    return writeLinked<PythonWriter>(set);
}

} // namespace velbrant::code
