#include "model/code/code_writer.h"
#include "model/code/language_writers.h"

namespace velbrant::code {

namespace {

class PythonWriter final : public CodeWriter {
public:
    using CodeWriter::CodeWriter;

private:
    void writeProgram() override {
        headerComment();
        blank();
        if (needsSys())
            line("import sys");
        inputHelpers();
        for (const Symbol* routine : subroutines())
            stub(*routine);
        blank();
        if (m_program.isFunction) {
            function();
            mainCallingFunction();
        } else {
            line("");
            line("def main():");
            body();
        }
        blank();
        line("");
        line("if __name__ == \"__main__\":");
        line("    main()");
    }

    bool needsSys() const {
        return endsProgram() || readsInput(Scalar::Int) || readsInput(Scalar::Real) ||
               readsInput(Scalar::Text);
    }

    void inputHelpers() {
        if (!readsInput(Scalar::Int) && !readsInput(Scalar::Real) && !readsInput(Scalar::Text))
            return;
        blank();
        line("");
        line("def woerter_():");
        line("    for zeile in sys.stdin:");
        line("        yield from zeile.split()");
        line("");
        line("");
        line("eingabe_ = woerter_()");
    }

    void stub(const Symbol& routine) {
        blank();
        line("");
        std::string parameters;
        for (const std::string& name : stubParameters(routine))
            parameters += (parameters.empty() ? "" : ", ") + name;
        line("def " + id(routine.spelling) + "(" + parameters + "):");
        line(routine.kind == SymbolKind::Function ? "    return " + zero(routine.type.scalar)
                                                  : "    pass");
    }

    static std::string zero(Scalar type) {
        return type == Scalar::Real   ? "0.0"
               : type == Scalar::Bool ? "False"
               : type == Scalar::Text ? "\"\""
                                      : "0";
    }

    void declarations() {
        for (const Symbol* variable : variables()) {
            std::string value = zero(variable->type.scalar);
            if (variable->type.array)
                value =
                    "[" + value + "] * " + std::to_string(HighestIndex + 1 - variable->lowestIndex);
            line(id(variable->spelling) + " = " + value + typeNote(*variable));
        }
    }

    std::string typeNote(const Symbol& variable) const {
        return variable.guessed ? "  # Typ nicht erkannt: ganze Zahl angenommen" : "";
    }

    void body() {
        indent();
        declarations();
        block(m_program.body);
        if (!hasCode(m_program.body) && variables().empty())
            line("pass");
        dedent();
    }

    void function() {
        line("");
        std::string parameters;
        for (const std::string& name : m_program.parameters)
            parameters += (parameters.empty() ? "" : ", ") + id(name);
        line("def " + programName() + "(" + parameters + "):");
        body();
        indent();
        line("return " + zero(m_typed.result));
        dedent();
        blank();
        line("");
        line("def main():");
        indent();
    }

    void mainCallingFunction() {
        std::string arguments;
        for (const std::string& name : m_program.parameters) {
            line(id(name) + " = " + reading(symbol(name).type.scalar));
            arguments += (arguments.empty() ? "" : ", ") + id(name);
        }
        const std::string callText = programName() + "(" + arguments + ")";
        line(m_typed.result == Scalar::Unknown ? callText
                                               : "print(" + shown(callText, m_typed.result) + ")");
        dedent();
    }

    std::string reading(Scalar type) const {
        return readingWith(type, "int(next(eingabe_, \"0\"))", "float(next(eingabe_, \"0\"))",
                           "next(eingabe_, \"\")", "False");
    }

    std::string shown(const std::string& text, Scalar type) const {
        return type == Scalar::Bool ? "(\"true\" if " + text + " else \"false\")" : text;
    }

    void assign(const Stmt& s) override { line(expr(s.target) + " = " + expr(s.value)); }

    void input(const Stmt& s) override {
        for (const Expr& item : s.items) {
            if (item.kind == Expr::Kind::Range) {
                line("for k_ in range(" + expr(item.args[0]) + ", " + expr(item.args[1]) +
                     " + 1):");
                line("    " + indexedWith(item, "k_") + " = " + reading(item.type));
            } else {
                line(expr(item) + " = " + reading(item.type));
            }
        }
    }

    std::string indexedWith(const Expr& array, const std::string& index) const {
        const long long offset = indexOffset(array);
        return id(array) + "[" + index +
               (offset != 0 ? " + " + std::to_string(-offset) : std::string()) + "]";
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

    void head(const Stmt& s) {
        if (s.unreadHead)
            unreadComment(s.source);
    }

    void ifStatement(const Stmt& s) override {
        head(s);
        line("if " + expr(s.value) + ":");
        nested(s.bodies[0]);
        if (!s.bodies[1].empty()) {
            line("else:");
            nested(s.bodies[1]);
        }
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
        for (const Stmt& s : statements) {
            if (s.kind == Stmt::Kind::Return)
                return true;
            for (const Block& body : s.bodies) {
                if (returns(body))
                    return true;
            }
            for (const CaseBranch& branch : s.branches) {
                if (returns(branch.body))
                    return true;
            }
        }
        return false;
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

    void caseStatement(const Stmt& s) override {
        head(s);
        if (plainLabels(s, true)) {
            line("match " + expr(s.value) + ":");
            indent();
            for (const CaseBranch& branch : s.branches) {
                std::string labels;
                for (const Expr& label : branch.labels)
                    labels += (labels.empty() ? "" : " | ") + expr(label);
                line("case " + labels + ":");
                nested(branch.body);
            }
            if (s.hasElse) {
                line("case _:");
                nested(s.bodies[0]);
            }
            dedent();
            return;
        }
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
        if (branch.unreadLabel || branch.labels.empty())
            return "False";
        std::string condition;
        for (const Expr& label : branch.labels)
            condition += (condition.empty() ? "" : " or ") + expr(s.value) + " == " + expr(label);
        return condition;
    }

    void jump(const Stmt& s) override {
        if (s.kind == Stmt::Kind::Break)
            line("break");
        else if (s.kind == Stmt::Kind::End)
            line("sys.exit(0)");
        else if (s.hasValue)
            line("return " + expr(s.value));
        else
            line(m_program.isFunction ? "return " + zero(m_typed.result) : "return");
    }

    std::string emptyStatement() const override { return "pass"; }
    std::string commentPrefix() const override { return "# "; }

    int precedence(Op op) const override {
        switch (op) {
        case Op::Or:
            return 1;
        case Op::And:
            return 2;
        case Op::Not:
            return 3;
        case Op::Add:
        case Op::Sub:
            return 5;
        case Op::Mul:
        case Op::Div:
        case Op::IntDiv:
        case Op::Mod:
            return 6;
        case Op::Neg:
            return 7;
        default:
            return 4;
        }
    }

    std::string spelling(Op op) const override {
        static const char* const signs[] = {"+", "-",  "*", "/",  "//",  "%",  "==",  "!=",
                                            "<", "<=", ">", ">=", "and", "or", "not", "-"};
        return signs[static_cast<int>(op)];
    }

    std::string boolLiteral(bool value) const override { return value ? "True" : "False"; }

    std::string textLiteral(std::string_view text) const override {
        std::string result = "\"";
        for (const char c : utf8(text)) {
            if (c == '"' || c == '\\')
                result += '\\';
            result += c == '\t' ? std::string("\\t") : std::string(1, c);
        }
        return result + "\"";
    }

    int m_loopDepth = 0;
    int m_hoisted = 0;
};

} // namespace

std::string writePython(const TypedProgram& program) {
    return PythonWriter(program).write();
}

} // namespace velbrant::code
