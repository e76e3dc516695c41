#include "model/code/code_writer.h"
#include "model/files/windows1252.h"
#include "model/program/builtins.h"

#include <algorithm>
#include <set>

// What a program needs (input readers, helpers, imports) and the questions
// the back ends ask about its statements.
namespace velbrant::code {

namespace {

bool isLoop(const Stmt& s) {
    return s.kind == Stmt::Kind::While || s.kind == Stmt::Kind::Repeat ||
           s.kind == Stmt::Kind::For || s.kind == Stmt::Kind::ForEach;
}

template <typename Visit> void visitAll(const Block& statements, Visit& visit) {
    for (const Stmt& s : statements) {
        visit(s);
        for (const Block& body : s.bodies)
            visitAll(body, visit);
        for (const CaseBranch& branch : s.branches)
            visitAll(branch.body, visit);
    }
}

template <typename Visit> void visitExpr(const Expr& e, Visit& visit) {
    visit(e);
    for (const Expr& arg : e.args)
        visitExpr(arg, visit);
}

// Every expression a written statement holds (its bodies aside).
template <typename Visit> void visitExprs(const Stmt& s, Visit& visit) {
    if (s.kind == Stmt::Kind::Unread || s.kind == Stmt::Kind::Comment ||
        s.kind == Stmt::Kind::RecordType)
        return;
    // An unread head is not written, whatever it holds.
    if (!s.unreadHead) {
        for (const Expr* e : {&s.target, &s.value, &s.limit, &s.step})
            visitExpr(*e, visit);
    }
    for (const Expr& item : s.items)
        visitExpr(item, visit);
    for (const CaseBranch& branch : s.branches) {
        for (const Expr& label : branch.labels) {
            if (!branch.unreadLabel)
                visitExpr(label, visit);
        }
    }
}

// An array whose element type is not settled holds integers.
Scalar elementType(Scalar type) {
    return type == Scalar::Unknown || type == Scalar::Conflict ? Scalar::Int : type;
}

std::string labelKey(const Expr& label) {
    if (label.kind == Expr::Kind::Unary)
        return "-" + labelKey(label.args[0]);
    if (label.kind == Expr::Kind::Int)
        return std::to_string(std::stoll(label.text));
    return "'" + label.text;
}

} // namespace

bool CodeWriter::readsInput(Scalar type) const {
    return m_inputTypes.count(type) != 0;
}

bool CodeWriter::readsAnyInput() const {
    return readsInput(Scalar::Int) || readsInput(Scalar::Real) || readsInput(Scalar::Text);
}

// One walk finds what the program reads and whether it ends itself.
void CodeWriter::surveyProgram() {
    auto visitExpression = [this](const Expr& e) {
        if (isTextJoin(e)) {
            m_joinsTexts = true;
            for (const Expr& part : e.args) {
                m_showsReal = m_showsReal || part.type == Scalar::Real;
                m_joinsIntegers = m_joinsIntegers || part.type == Scalar::Int;
            }
        }
        m_indexes = m_indexes || e.kind == Expr::Kind::Index || e.kind == Expr::Kind::Range;
        m_dividesWhole = m_dividesWhole || (e.kind == Expr::Kind::Binary && e.op == Op::IntDiv);
        m_takesRemainder = m_takesRemainder || (e.kind == Expr::Kind::Binary && e.op == Op::Mod);
        if (e.kind == Expr::Kind::Call && m_typed.symbols.of(e).kind == SymbolKind::Builtin &&
            !isArrayLength(e))
            m_builtins.insert(*builtinNamed(e.text, e.args.size()));
    };
    auto visit = [this, &visitExpression](const Stmt& s) {
        m_endsProgram = m_endsProgram || s.kind == Stmt::Kind::End;
        visitExprs(s, visitExpression);
        m_stops = m_stops || s.unreadHead || s.kind == Stmt::Kind::Throw ||
                  (s.kind == Stmt::Kind::Unread && s.stops) ||
                  std::any_of(s.branches.begin(), s.branches.end(),
                              [](const CaseBranch& b) { return b.unreadLabel; });
        if (s.kind == Stmt::Kind::Input) {
            for (const Expr& item : s.items) {
                m_inputTypes.insert(item.type);
                if (item.kind == Expr::Kind::Index || item.kind == Expr::Kind::Range)
                    noteArray(m_setArrayTypes, m_typed.symbols.of(item).type);
            }
        }
        if (s.kind == Stmt::Kind::Assign && s.target.kind == Expr::Kind::Index)
            noteArray(m_setArrayTypes, m_typed.symbols.of(s.target).type);
        if (s.kind == Stmt::Kind::Output) {
            for (const Expr& item : s.items)
                m_showsReal = m_showsReal || item.type == Scalar::Real;
        }
    };
    visitAll(m_program.body, visit);
    for (const Symbol& symbol : m_typed.symbols.all()) {
        if (symbol.kind == SymbolKind::Variable && symbol.type.array)
            noteArray(m_arrayTypes, symbol.type);
        for (const ValueType& parameter : symbol.parameters) {
            if (parameter.array)
                noteArray(m_arrayTypes, parameter);
        }
    }
    // A diagram run by itself reads its parameters; a routine is given them.
    for (const std::string& parameter : m_program.parameters) {
        if (!m_program.isRoutine)
            m_inputTypes.insert(symbol(parameter).type.scalar);
    }
    m_stops = m_stops || m_indexes || m_dividesWhole || m_takesRemainder || readsAnyInput() ||
              !subroutines().empty();
    // A diagram run by itself shows its function's result.
    m_showsReal = m_showsReal ||
                  (m_program.isFunction && !m_program.isRoutine && m_typed.result == Scalar::Real);
}

bool CodeWriter::isArrayLength(const Expr& e) const {
    return builtinNamed(e.text, e.args.size()) == Builtin::Length &&
           e.args[0].kind == Expr::Kind::Name && m_typed.symbols.of(e.args[0]).type.array;
}

void CodeWriter::noteArray(std::set<ElementKey>& types, const ValueType& type) {
    const Scalar element = elementType(type.scalar);
    types.insert({element, element == Scalar::Record ? type.record : -1});
}

int CodeWriter::forEachDepth(const Block& statements) {
    int deepest = 0;
    for (const Stmt& s : statements) {
        int inner = 0;
        for (const Block& body : s.bodies)
            inner = std::max(inner, forEachDepth(body));
        for (const CaseBranch& branch : s.branches)
            inner = std::max(inner, forEachDepth(branch.body));
        deepest = std::max(deepest, inner + (s.kind == Stmt::Kind::ForEach ? 1 : 0));
    }
    return deepest;
}

bool CodeWriter::hasCode(const Block& statements) {
    return std::any_of(statements.begin(), statements.end(), [](const Stmt& s) {
        return s.kind != Stmt::Kind::Comment && s.kind != Stmt::Kind::RecordType;
    });
}

bool CodeWriter::breaksLoop(const Block& statements) {
    for (const Stmt& s : statements) {
        if (s.kind == Stmt::Kind::Break)
            return true;
        if (isLoop(s))
            continue;
        for (const Block& body : s.bodies) {
            if (breaksLoop(body))
                return true;
        }
        for (const CaseBranch& branch : s.branches) {
            if (breaksLoop(branch.body))
                return true;
        }
    }
    return false;
}

bool CodeWriter::plainLabels(const Stmt& s, bool textAllowed) const {
    if (s.unreadHead ||
        !(s.value.type == Scalar::Int || (textAllowed && s.value.type == Scalar::Text)))
        return false;
    std::set<std::string> seen;
    for (const CaseBranch& branch : s.branches) {
        if (branch.unreadLabel)
            return false;
        for (const Expr& label : branch.labels) {
            const Expr& literal =
                label.kind == Expr::Kind::Unary && label.op == Op::Neg ? label.args[0] : label;
            const bool fits = literal.kind == Expr::Kind::Int
                                  ? s.value.type == Scalar::Int
                                  : literal.kind == Expr::Kind::Text && &literal == &label &&
                                        s.value.type == Scalar::Text;
            if (!fits || !seen.insert(labelKey(label)).second)
                return false;
        }
    }
    return true;
}

bool CodeWriter::isConstant(const Expr& e) {
    // A standard routine of constants may be written as a constant ("sqr").
    if (e.kind == Expr::Kind::Call && !builtinNamed(e.text, e.args.size()))
        return false;
    if (e.kind == Expr::Kind::Name || e.kind == Expr::Kind::Index || e.kind == Expr::Kind::Range ||
        e.kind == Expr::Kind::Untranslated)
        return false;
    return std::all_of(e.args.begin(), e.args.end(), isConstant);
}

bool CodeWriter::usesBuiltin(Builtin builtin) const {
    return m_builtins.count(builtin) != 0;
}

bool CodeWriter::usesMathematics() const {
    return std::any_of(m_builtins.begin(), m_builtins.end(), isMathematical);
}

bool CodeWriter::assignsName(const Block& statements, std::string_view name) {
    const std::string key = lowered(name);
    bool found = false;
    auto visit = [&](const Stmt& s) {
        const auto names = [&](const Expr& e) {
            return e.kind == Expr::Kind::Name && lowered(e.text) == key;
        };
        if (s.kind == Stmt::Kind::Assign || s.kind == Stmt::Kind::For)
            found = found || names(s.target);
        if (s.kind == Stmt::Kind::Input)
            found = found || std::any_of(s.items.begin(), s.items.end(), names);
    };
    visitAll(statements, visit);
    return found;
}

bool CodeWriter::anyStatement(const Block& statements, const std::function<bool(const Stmt&)>& is) {
    bool found = false;
    auto visit = [&](const Stmt& s) { found = found || is(s); };
    visitAll(statements, visit);
    return found;
}

} // namespace velbrant::code
