#include "model/code/c_family_writer.h"

#include <algorithm>
#include <tuple>

namespace velbrant::code {

void CFamilyWriter::assign(const Stmt& s) {
    assignment(s.target, valueOf(s.value));
}

void CFamilyWriter::call(const Stmt& s) {
    line(calleeId(s) + "(" + argumentList(s.items) + ");");
}

void CFamilyWriter::braced(const std::string& opening, const Block& body) {
    line(opening + " {");
    nested(body);
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

void CFamilyWriter::forEachLoop(const Stmt& s) {
    ++m_forEachDepth;
    const std::string counter = forEachCounter();
    line(forEachHead(s, counter));
    indent();
    line(expr(s.target) + " = " + forEachValue(s, counter) + ";");
    block(s.bodies[0]);
    dedent();
    line("}");
    --m_forEachDepth;
}

bool CFamilyWriter::switchable(const Stmt& s) const {
    const bool breaks = std::any_of(s.branches.begin(), s.branches.end(),
                                    [](const CaseBranch& b) { return breaksLoop(b.body); }) ||
                        (s.hasElse && breaksLoop(s.bodies[0]));
    return !breaks && plainLabels(s, switchesOnText());
}

void CFamilyWriter::caseChain(const Stmt& s) {
    std::string keyword = "if";
    for (const CaseBranch& branch : s.branches) {
        if (branch.unreadLabel)
            unreadComment({branch.labelText});
        line((keyword == "if" ? "if (" : "} else if (") + caseCondition(s, branch) + ") {");
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

std::string CFamilyWriter::caseCondition(const Stmt& s, const CaseBranch& branch) {
    if (branch.unreadLabel)
        return unreadLabelCall(s, branch);
    std::string condition;
    for (const Expr& label : branch.labels)
        condition += (condition.empty() ? "" : " || ") + expr(equality(s.value, label));
    return condition.empty() ? "false" : condition;
}

std::string CFamilyWriter::functionReturn() const {
    return m_typed.result == Scalar::Unknown ? "return;" : "return " + zero(m_typed.result) + ";";
}

std::string CFamilyWriter::readDeclaredParameters() {
    return readParameters([this](Scalar type, const std::string& name) {
        return typeName(type) + " " + name + " = " + reading(type) + ";";
    });
}

void CFamilyWriter::readItems(const Stmt& s, bool bracedLoop) {
    for (const Expr& item : s.items) {
        if (item.kind != Expr::Kind::Range) {
            assignment(item, reading(item.type));
            continue;
        }
        line("for (int k_ = " + expr(item.args[0]) + "; k_ <= " + expr(item.args[1]) + "; ++k_)" +
             (bracedLoop ? " {" : ""));
        line("    " + elementSetting(item, "k_", reading(item.type)) + ";");
        if (bracedLoop)
            line("}");
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

void CFamilyWriter::functionAndMain(const std::string& mainSignature, const std::string& mainEnd) {
    blank();
    if (m_program.isFunction)
        function();
    line(mainSignature + " {");
    indent();
    mainStart();
    if (m_program.isFunction) {
        callFunction();
    } else {
        declarations();
        block(m_program.body);
    }
    if (!mainEnd.empty())
        line(mainEnd);
    dedent();
    line("}");
}

void CFamilyWriter::function() {
    const std::vector<std::string> names = parameterIds();
    line(signature(programName(), m_typed.result, parameterTypes(), names) + " {");
    indent();
    for (const std::string& name : names) {
        if (const std::string use = unusedParameter(name); !use.empty())
            line(use);
    }
    declarations();
    block(m_program.body);
    if (m_typed.result != Scalar::Unknown && reachesEnd())
        line("return " + zero(m_typed.result) + ";");
    dedent();
    line("}");
    blank();
}

void CFamilyWriter::divisionHelpers() {
    for (const auto& [op, name, sign] :
         {std::tuple{Op::IntDiv, WholeDivision, "/"}, std::tuple{Op::Mod, Remainder, "%"}}) {
        if (!uses(op))
            continue;
        blank();
        line("static int " + std::string(name) + "(int a, int b) {");
        line("    if (b == 0)");
        line("        " + stopCall(byZero()) + ";");
        line("    return a " + std::string(sign) + " b;");
        line("}");
    }
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
        missingRoutine(*routine);
        if (function)
            line("return " + zero(routine->type.scalar) + ";");
        dedent();
        line("}");
    }
}

} // namespace velbrant::code
