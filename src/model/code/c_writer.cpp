#include "model/code/c_family_writer.h"
#include "model/code/language_writers.h"

namespace velbrant::code {

namespace {

class CWriter final : public CFamilyWriter {
public:
    using CFamilyWriter::CFamilyWriter;

private:
    void writeProgram() override {
        headerComment();
        blank();
        line("#include <stdbool.h>");
        line("#include <stdio.h>");
        line("#include <stdlib.h>");
        line("#include <string.h>");
        inputHelpers();
        stubs();
        blank();
        if (m_program.isFunction)
            function();
        line("int main(void) {");
        indent();
        if (m_program.isFunction) {
            callFunction();
        } else {
            declarations();
            block(m_program.body);
        }
        line("return 0;");
        dedent();
        line("}");
    }

    void inputHelpers() {
        if (readsInput(Scalar::Int))
            scanning("int lies_ganzzahl_", "int", "%d");
        if (readsInput(Scalar::Real))
            scanning("double lies_zahl_", "double", "%lf");
        if (!readsInput(Scalar::Text))
            return;
        blank();
        line("static const char* lies_text_(void) {");
        indent();
        line("char wort[256];");
        line("if (scanf(\"%255s\", wort) != 1)");
        line("    return \"\";");
        line("size_t laenge = strlen(wort) + 1;");
        line("char* kopie = malloc(laenge);");
        line("if (kopie == NULL)");
        line("    return \"\";");
        line("memcpy(kopie, wort, laenge);");
        line("return kopie;");
        dedent();
        line("}");
    }

    void scanning(const std::string& head, const std::string& type, const std::string& format) {
        blank();
        line("static " + head + "(void) {");
        indent();
        line(type + " wert = 0;");
        line("if (scanf(\"" + format + "\", &wert) != 1)");
        line("    return 0;");
        line("return wert;");
        dedent();
        line("}");
    }

    std::string reading(Scalar type) const {
        return readingWith(type, "lies_ganzzahl_()", "lies_zahl_()", "lies_text_()", "false");
    }

    void declarations() {
        std::vector<std::string> unused;
        for (const Symbol* variable : variables()) {
            const std::string type = typeName(variable->type.scalar);
            const std::string name = id(variable->spelling);
            const std::string note =
                variable->guessed ? " // Typ nicht erkannt: ganze Zahl angenommen" : "";
            if (!variable->read)
                unused.push_back(name);
            if (!variable->type.array) {
                line(type + " " + name + " = " + zero(variable->type.scalar) + ";" + note);
                continue;
            }
            const std::string size = std::to_string(HighestIndex + 1 - variable->lowestIndex);
            if (variable->type.scalar != Scalar::Text) {
                line(type + " " + name + "[" + size + "] = {0};" + note);
                continue;
            }
            line(type + " " + name + "[" + size + "];" + note);
            line("for (int k_ = 0; k_ < " + size + "; ++k_)");
            line("    " + name + "[k_] = \"\";");
        }
        for (const std::string& name : unused)
            line("(void) " + name + ";");
    }

    void function() {
        std::vector<ValueType> types;
        std::vector<std::string> names;
        for (const std::string& name : m_program.parameters) {
            types.push_back(symbol(name).type);
            names.push_back(id(name));
        }
        line(signature(programName(), m_typed.result, types, names) + " {");
        indent();
        for (const std::string& name : names)
            line("(void) " + name + ";");
        declarations();
        block(m_program.body);
        if (m_typed.result != Scalar::Unknown)
            line("return " + zero(m_typed.result) + ";");
        dedent();
        line("}");
        blank();
    }

    void callFunction() {
        std::string arguments;
        for (const std::string& name : m_program.parameters) {
            const Scalar type = symbol(name).type.scalar;
            line(typeName(type) + " " + id(name) + " = " + reading(type) + ";");
            arguments += (arguments.empty() ? "" : ", ") + id(name);
        }
        const std::string callText = programName() + "(" + arguments + ")";
        if (m_typed.result == Scalar::Unknown) {
            line(callText + ";");
            return;
        }
        Expr result = makeExpr(Expr::Kind::Name);
        result.type = m_typed.result;
        line("printf(\"" + format(result) + "\\n\", " + shown(callText, m_typed.result) + ");");
    }

    static std::string format(const Expr& item) {
        switch (item.type) {
        case Scalar::Real:
            return "%g";
        case Scalar::Text:
        case Scalar::Bool:
            return "%s";
        default:
            return "%d";
        }
    }

    static std::string shown(const std::string& text, Scalar type) {
        return type == Scalar::Bool ? "(" + text + ") ? \"true\" : \"false\"" : text;
    }

    void input(const Stmt& s) override {
        for (const Expr& item : s.items) {
            if (item.kind != Expr::Kind::Range) {
                line(expr(item) + " = " + reading(item.type) + ";");
                continue;
            }
            const long long offset = indexOffset(item);
            line("for (int k_ = " + expr(item.args[0]) + "; k_ <= " + expr(item.args[1]) +
                 "; ++k_)");
            line("    " + id(item) + "[k_" +
                 (offset != 0 ? " + " + std::to_string(-offset) : std::string()) +
                 "] = " + reading(item.type) + ";");
        }
    }

    void output(const Stmt& s) override {
        std::string formatText;
        std::string arguments;
        for (std::size_t i = 0; i < s.items.size(); ++i) {
            const Expr& item = s.items[i];
            if (spacedBefore(s.items, i))
                formatText += " ";
            if (item.kind == Expr::Kind::Text) {
                formatText += escaped(utf8(item.text), true);
                continue;
            }
            formatText += format(item);
            arguments += ", " + shown(expr(item), item.type);
        }
        line("printf(\"" + formatText + "\\n\"" + arguments + ");");
    }

    void switchStatement(const Stmt& s) override {
        line("switch (" + expr(s.value) + ") {");
        for (const CaseBranch& branch : s.branches) {
            for (std::size_t i = 0; i + 1 < branch.labels.size(); ++i)
                line("case " + expr(branch.labels[i]) + ":");
            line("case " + expr(branch.labels.back()) + ": {");
            nested(branch.body);
            line("    break;");
            line("}");
        }
        if (s.hasElse) {
            line("default: {");
            nested(s.bodies[0]);
            line("    break;");
            line("}");
        }
        line("}");
    }

    bool switchesOnText() const override { return false; }

    // C warns about "a && b || c" and "!a == b"; both get parentheses.
    bool needsParentheses(const Expr& child, const Expr& parent, bool right) const override {
        if (parent.kind == Expr::Kind::Binary && parent.op == Op::Or &&
            child.kind == Expr::Kind::Binary && child.op == Op::And)
            return true;
        if (parent.kind == Expr::Kind::Binary && precedence(parent.op) == 3 &&
            child.kind == Expr::Kind::Unary && child.op == Op::Not)
            return true;
        return CFamilyWriter::needsParentheses(child, parent, right);
    }

    // gcc refuses "x < x" and "n == n" under -Werror; their value is
    // known, and the operand stays named so that it still counts as used.
    std::string special(const Expr& e) override {
        const bool comparison = e.kind == Expr::Kind::Binary && e.op >= Op::Eq && e.op <= Op::Ge;
        if (comparison && e.args[0].type != Scalar::Text) {
            const std::string left = expr(e.args[0]);
            if (left == expr(e.args[1]))
                return "((void) (" + left + "), " +
                       boolLiteral(e.op == Op::Eq || e.op == Op::Le || e.op == Op::Ge) + ")";
        }
        return CFamilyWriter::special(e);
    }

    std::string textEquality(const Expr& e) override {
        return "strcmp(" + expr(e.args[0]) + ", " + expr(e.args[1]) +
               (e.op == Op::Eq ? ") == 0" : ") != 0");
    }

    std::string endProgram() const override { return "exit(0);"; }
    std::string returnFromProgram() const override { return "return 0;"; }

    std::string typeName(Scalar type) const override {
        switch (type) {
        case Scalar::Real:
            return "double";
        case Scalar::Bool:
            return "bool";
        case Scalar::Text:
            return "const char*";
        default:
            return "int";
        }
    }

    std::string parameter(ValueType type, const std::string& name) const override {
        return typeName(type.scalar) + " " + name + (type.array ? "[]" : "");
    }

    std::string unusedParameter(const std::string& name) const override {
        return "(void) " + name + ";";
    }

    // Trigraphs ("??/") and a line-ending backslash would change the line.
    std::string commentText(std::string text) const override {
        std::string result;
        for (const char c : text) {
            if (c == '?' && !result.empty() && result.back() == '?')
                result += ' ';
            result += c;
        }
        if (!result.empty() && result.back() == '\\')
            result += " //";
        return result;
    }

    static std::string escaped(const std::string& utf8Text, bool inFormat) {
        std::string result;
        for (const char c : utf8Text) {
            if (c == '"' || c == '\\' || c == '?')
                result += '\\';
            if (c == '%' && inFormat)
                result += '%';
            result += c == '\t' ? std::string("\\t") : std::string(1, c);
        }
        return result;
    }

    std::string textLiteral(std::string_view windows1252) const override {
        return "\"" + escaped(utf8(windows1252), false) + "\"";
    }
};

} // namespace

std::string writeC(const TypedProgram& program) {
    return CWriter(program).write();
}

} // namespace velbrant::code
