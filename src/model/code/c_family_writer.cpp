#include "model/code/c_family_writer.h"

#include <algorithm>

namespace velbrant::code {

void CFamilyWriter::assign(const Stmt& s) {
    line(expr(s.target) + " = " + expr(s.value) + ";");
}

void CFamilyWriter::call(const Stmt& s) {
    line(calleeId(s) + "(" + argumentList(s.items) + ");");
}

void CFamilyWriter::braced(const std::string& opening, const Block& body) {
    line(opening + " {");
    nested(body);
    line("}");
}

void CFamilyWriter::head(const Stmt& s) {
    if (s.unreadHead)
        unreadComment(s.source);
}

void CFamilyWriter::ifStatement(const Stmt& s) {
    head(s);
    line("if (" + expr(s.value) + ") {");
    nested(s.bodies[0]);
    if (!s.bodies[1].empty()) {
        line("} else {");
        nested(s.bodies[1]);
    }
    line("}");
}

void CFamilyWriter::whileLoop(const Stmt& s) {
    head(s);
    braced("while (" + loopCondition(s.value) + ")", s.bodies[0]);
}

void CFamilyWriter::repeatLoop(const Stmt& s) {
    head(s);
    line("do {");
    nested(s.bodies[0]);
    line("} while (" + loopCondition(negated(s.value)) + ");");
}

void CFamilyWriter::forLoop(const Stmt& s) {
    const std::string variable = expr(s.target);
    const bool unit = s.step.kind == Expr::Kind::Int && std::stoll(s.step.text) == 1;
    const std::string next = unit ? (s.downward ? "--" : "++") + variable
                                  : variable + (s.downward ? " -= " : " += ") + expr(s.step);
    Expr condition =
        makeExpr(Expr::Kind::Binary, s.downward ? Op::Ge : Op::Le, {}, {s.target, s.limit});
    condition.type = Scalar::Bool;
    braced("for (" + variable + " = " + expr(s.value) + "; " + expr(condition) + "; " + next + ")",
           s.bodies[0]);
}

void CFamilyWriter::caseStatement(const Stmt& s) {
    head(s);
    const bool breaks = std::any_of(s.branches.begin(), s.branches.end(),
                                    [](const CaseBranch& b) { return breaksLoop(b.body); }) ||
                        (s.hasElse && breaksLoop(s.bodies[0]));
    if (!breaks && plainLabels(s, switchesOnText())) {
        switchStatement(s);
        return;
    }
    std::string keyword = "if";
    for (const CaseBranch& branch : s.branches) {
        if (branch.unreadLabel)
            unreadComment({branch.labelText});
        std::string condition;
        for (const Expr& label : branch.labels)
            condition += (condition.empty() ? "" : " || ") + expr(equality(s.value, label));
        if (branch.unreadLabel || condition.empty())
            condition = "false";
        line((keyword == "if" ? "if (" : "} else if (") + condition + ") {");
        nested(branch.body);
        keyword = "else if";
    }
    if (s.hasElse) {
        line(keyword == "if" ? "{" : "} else {");
        nested(s.bodies[0]);
    }
    if (keyword != "if" || s.hasElse)
        line("}");
}

void CFamilyWriter::jump(const Stmt& s) {
    if (s.kind == Stmt::Kind::End) {
        line(endProgram());
        return;
    }
    std::string text = "break;";
    if (s.kind == Stmt::Kind::Return) {
        if (s.hasValue)
            text = "return " + expr(s.value) + ";";
        else if (!m_program.isFunction)
            text = returnFromProgram();
        else
            text = m_typed.result == Scalar::Unknown ? "return;"
                                                     : "return " + zero(m_typed.result) + ";";
    }
    line(jumpPrefix() + text);
}

int CFamilyWriter::precedence(Op op) const {
    switch (op) {
    case Op::Or:
        return 1;
    case Op::And:
        return 2;
    case Op::Add:
    case Op::Sub:
        return 5;
    case Op::Mul:
    case Op::Div:
    case Op::IntDiv:
    case Op::Mod:
        return 6;
    case Op::Not:
    case Op::Neg:
        return 7;
    default:
        return 3;
    }
}

std::string CFamilyWriter::spelling(Op op) const {
    static const char* const signs[] = {
        "+", "-", "*", "/", "/", "%", "==", "!=", "<", "<=", ">", ">=", "&&", "||", "!", "-"};
    return signs[static_cast<int>(op)];
}

std::string CFamilyWriter::zero(Scalar type) const {
    switch (type) {
    case Scalar::Real:
        return "0.0";
    case Scalar::Bool:
        return "false";
    case Scalar::Text:
        return "\"\"";
    default:
        return "0";
    }
}

std::string CFamilyWriter::special(const Expr& e) {
    if (e.kind == Expr::Kind::Binary && (e.op == Op::Eq || e.op == Op::Ne) &&
        e.args[0].type == Scalar::Text)
        return textEquality(e);
    if (e.kind == Expr::Kind::Binary && e.op == Op::Div && e.args[0].type == Scalar::Int &&
        e.args[1].type == Scalar::Int) {
        const std::string left = expr(e.args[0]);
        const bool simple =
            e.args[0].kind != Expr::Kind::Binary && e.args[0].kind != Expr::Kind::Unary;
        return "(double) " + (simple ? left : "(" + left + ")") + " / " +
               operand(e.args[1], e, true);
    }
    return CodeWriter::special(e);
}

std::string CFamilyWriter::parameterList(const std::vector<ValueType>& types,
                                         const std::vector<std::string>& names) {
    std::string text;
    for (std::size_t i = 0; i < types.size(); ++i)
        text += (i == 0 ? "" : ", ") + parameter(types[i], names[i]);
    return text;
}

std::string CFamilyWriter::signature(const std::string& name, Scalar result,
                                     const std::vector<ValueType>& types,
                                     const std::vector<std::string>& names) {
    const std::string type = result == Scalar::Unknown ? "void" : typeName(result);
    return "static " + type + " " + name + "(" + parameterList(types, names) + ")";
}

void CFamilyWriter::stubs() {
    for (const Symbol* routine : subroutines()) {
        const std::vector<std::string> names = stubParameters(*routine);
        const bool function = routine->kind == SymbolKind::Function;
        blank();
        line(signature(id(routine->spelling), function ? routine->type.scalar : Scalar::Unknown,
                       routine->parameters, names) +
             " {");
        indent();
        for (const std::string& name : names) {
            if (const std::string use = unusedParameter(name); !use.empty())
                line(use);
        }
        if (function)
            line("return " + zero(routine->type.scalar) + ";");
        dedent();
        line("}");
    }
}

} // namespace velbrant::code
