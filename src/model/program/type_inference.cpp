#include "model/program/type_inference.h"

#include "model/program/builtins.h"
#include "model/program/type_rules.h"

#include <algorithm>

namespace velbrant::code {

namespace {

// First pass: every use tells what it can about the names in it.
class Inference {
public:
    Inference(Symbols& symbols, const std::vector<RecordType>& records)
        : m_symbols(symbols), m_records(records) {}

    bool changed = false;
    bool lateHints = false;
    // A hint held back for the late passes.
    bool deferredHints = false;
    Scalar result = Scalar::Unknown;
    bool hasResult = false;

    void block(Block& statements) {
        for (Stmt& s : statements)
            statement(s);
    }

private:
    void fill(Scalar& slot, Scalar hint) {
        if (slot == Scalar::Unknown && isKnown(hint)) {
            slot = hint;
            changed = true;
        }
    }
    void unify(Scalar& slot, Scalar value) {
        const Scalar next = joined(slot, value);
        if (next != slot) {
            slot = next;
            changed = true;
        }
    }

    ValueType name(Expr& e, Scalar hint, bool indexed) {
        Symbol& symbol = m_symbols.of(e);
        if (symbol.kind == SymbolKind::Unset) {
            symbol.kind = SymbolKind::Variable;
            changed = true;
        }
        if (symbol.kind != SymbolKind::Variable)
            return {Scalar::Conflict};
        if (indexed && !symbol.type.array) {
            symbol.type.array = true;
            changed = true;
        }
        fill(symbol.type.scalar, hint);
        return symbol.type;
    }

    void signature(Symbol& symbol, std::vector<Expr>& args, const void* site) {
        if (symbol.parameters.empty() && !symbol.signatureSet) {
            symbol.signatureSet = true;
            symbol.parameters.resize(args.size());
            m_firstCalls.push_back(site);
        }
        const bool first =
            std::find(m_firstCalls.begin(), m_firstCalls.end(), site) != m_firstCalls.end();
        for (std::size_t i = 0; i < args.size(); ++i) {
            const Scalar hint =
                i < symbol.parameters.size() ? symbol.parameters[i].scalar : Scalar::Unknown;
            const ValueType type = expr(args[i], hint);
            if (first && i < symbol.parameters.size()) {
                fill(symbol.parameters[i].scalar, type.scalar);
                if (type.scalar == Scalar::Record && symbol.parameters[i].record < 0) {
                    symbol.parameters[i].record = type.record;
                    changed = true;
                }
                if (type.array && !symbol.parameters[i].array) {
                    symbol.parameters[i].array = true;
                    changed = true;
                }
            }
        }
    }

    // The length of a name may be an array's: its other uses tell, and only
    // when none does in the first passes is it taken for a text.
    Scalar argumentHint(Builtin builtin, Expr& argument, std::size_t i) {
        if (builtin == Builtin::Length && argument.kind == Expr::Kind::Name) {
            const ValueType& type = m_symbols.of(argument).type;
            if (type.array || (!lateHints && type.scalar == Scalar::Unknown)) {
                deferredHints = deferredHints || !type.array;
                return Scalar::Unknown;
            }
        }
        return builtinArgumentHint(builtin, i);
    }

    ValueType call(Expr& e, Scalar hint) {
        Symbol& symbol = m_symbols.of(e);
        const auto builtin = builtinNamed(e.text, e.args.size());
        if (builtin && (symbol.kind == SymbolKind::Unset || symbol.kind == SymbolKind::Builtin)) {
            symbol.kind = SymbolKind::Builtin;
            std::vector<Scalar> types;
            for (std::size_t i = 0; i < e.args.size(); ++i) {
                const ValueType type = expr(e.args[i], argumentHint(*builtin, e.args[i], i));
                if (type.array && *builtin == Builtin::Length)
                    return {Scalar::Int};
                types.push_back(type.scalar);
            }
            return {builtinResult(*builtin, types).value_or(Scalar::Unknown)};
        }
        if (symbol.kind == SymbolKind::Unset) {
            symbol.kind = SymbolKind::Function;
            changed = true;
        }
        signature(symbol, e.args, &e);
        if (symbol.kind != SymbolKind::Function)
            return {Scalar::Conflict};
        fill(symbol.type.scalar, hint);
        return {symbol.type.scalar};
    }

    ValueType expr(Expr& e, Scalar hint) {
        switch (e.kind) {
        case Expr::Kind::Int:
            return {Scalar::Int};
        case Expr::Kind::Real:
            return {Scalar::Real};
        case Expr::Kind::Text:
            return {Scalar::Text};
        case Expr::Kind::Bool:
        case Expr::Kind::Untranslated:
            return {Scalar::Bool};
        case Expr::Kind::Name:
            return name(e, hint, false);
        case Expr::Kind::Index:
        case Expr::Kind::Range:
            return indexed(e, hint);
        case Expr::Kind::Call:
            return call(e, hint);
        case Expr::Kind::Field:
            return field(e);
        case Expr::Kind::RecordLiteral:
            return recordLiteral(e);
        case Expr::Kind::Unary:
            if (e.op == Op::Not) {
                expr(e.args[0], Scalar::Bool);
                return {Scalar::Bool};
            }
            return expr(e.args[0], isNumeric(hint) ? hint : Scalar::Unknown);
        case Expr::Kind::Binary:
            return binary(e, hint);
        }
        return {};
    }

    ValueType indexed(Expr& e, Scalar hint) {
        Symbol& symbol = m_symbols.of(e);
        const ValueType type = name(e, hint, true);
        for (Expr& index : e.args) {
            expr(index, Scalar::Int);
            if (const auto low = literalIndex(index); low && *low < symbol.lowestIndex)
                symbol.lowestIndex = *low;
        }
        return {type.scalar, false, type.record};
    }

    // A name used only by its fields is a record of the one type that has
    // such a field.
    ValueType field(Expr& e) {
        Expr& owner = e.args[0];
        ValueType type = expr(owner, Scalar::Unknown);
        if (type.scalar == Scalar::Unknown && owner.kind != Expr::Kind::Field) {
            const std::int32_t record = recordWithField(m_records, e.text);
            if (record < 0)
                return {};
            Symbol& symbol = m_symbols.of(owner);
            symbol.type.scalar = Scalar::Record;
            symbol.type.record = record;
            changed = true;
            type = {Scalar::Record, false, record};
        }
        if (type.scalar != Scalar::Record || type.record < 0)
            return {Scalar::Conflict};
        const RecordField* found =
            fieldNamed(m_records[static_cast<std::size_t>(type.record)], e.text);
        return found != nullptr ? ValueType{found->type} : ValueType{Scalar::Conflict};
    }

    ValueType recordLiteral(Expr& e) {
        const std::int32_t record = recordNamed(m_records, e.text);
        if (record < 0)
            return {Scalar::Conflict};
        const RecordType& type = m_records[static_cast<std::size_t>(record)];
        for (std::size_t i = 0; i + 1 < e.args.size(); i += 2) {
            const RecordField* found = fieldNamed(type, e.args[i].text);
            expr(e.args[i + 1], found != nullptr ? found->type : Scalar::Unknown);
        }
        return {Scalar::Record, false, record};
    }

    // Both sides of a relation or arithmetic tell each other their type.
    std::pair<Scalar, Scalar> pair(Expr& e, Scalar hint) {
        Scalar left = expr(e.args[0], hint).scalar;
        const Scalar right = expr(e.args[1], isKnown(left) ? left : hint).scalar;
        if (!isKnown(left) && isKnown(right))
            left = expr(e.args[0], right).scalar;
        return {left, right};
    }

    ValueType binary(Expr& e, Scalar hint) {
        switch (e.op) {
        case Op::And:
        case Op::Or:
            expr(e.args[0], Scalar::Bool);
            expr(e.args[1], Scalar::Bool);
            return {Scalar::Bool};
        case Op::IntDiv:
        case Op::Mod:
            expr(e.args[0], Scalar::Int);
            expr(e.args[1], Scalar::Int);
            return {Scalar::Int};
        case Op::Eq:
        case Op::Ne:
        case Op::Lt:
        case Op::Le:
        case Op::Gt:
        case Op::Ge:
            pair(e, Scalar::Unknown);
            return {Scalar::Bool};
        case Op::Div:
            pair(e, Scalar::Unknown);
            return {Scalar::Real};
        default: {
            const auto [left, right] = pair(e, isNumeric(hint) ? hint : Scalar::Unknown);
            if (e.op == Op::Add && (left == Scalar::Text || right == Scalar::Text))
                return {Scalar::Text};
            return {joined(left, right)};
        }
        }
    }

    void assign(Expr& target, ValueType value) {
        if (target.kind != Expr::Kind::Name && target.kind != Expr::Kind::Index)
            return;
        Symbol& symbol = m_symbols.of(target);
        if (symbol.kind != SymbolKind::Variable)
            return;
        unify(symbol.type.scalar, value.scalar);
        if (value.scalar == Scalar::Record && symbol.type.record != value.record) {
            if (symbol.type.record >= 0)
                symbol.type.scalar = Scalar::Conflict;
            symbol.type.record = value.record;
            changed = true;
        }
    }

    void statement(Stmt& s) {
        switch (s.kind) {
        case Stmt::Kind::Assign: {
            if (isKnown(s.declared)) {
                expr(s.target, s.declared);
                assign(s.target, {s.declared});
            }
            const ValueType target = expr(s.target, Scalar::Unknown);
            const ValueType value = expr(s.value, target.scalar);
            if (!value.array)
                assign(s.target, value);
            return;
        }
        case Stmt::Kind::Input:
        case Stmt::Kind::Output:
            for (Expr& item : s.items)
                expr(item, Scalar::Unknown);
            return;
        case Stmt::Kind::Call: {
            Symbol& symbol = m_symbols.ofCall(s);
            if (symbol.kind == SymbolKind::Unset) {
                symbol.kind = SymbolKind::Procedure;
                changed = true;
            }
            signature(symbol, s.items, &s);
            return;
        }
        case Stmt::Kind::ForEach: {
            Scalar type = expr(s.target, Scalar::Unknown).scalar;
            for (Expr& item : s.items)
                type = joined(type, expr(item, type).scalar);
            std::int32_t record = -1;
            if (s.items.empty() && s.value.kind == Expr::Kind::Name) {
                const ValueType array = name(s.value, type, true);
                type = joined(type, array.scalar);
                record = array.record;
            }
            assign(s.target, {type, false, record});
            break;
        }
        case Stmt::Kind::ClearArray:
            name(s.target, Scalar::Unknown, true);
            return;
        case Stmt::Kind::For:
            expr(s.target, Scalar::Int);
            assign(s.target, {Scalar::Int});
            expr(s.value, Scalar::Int);
            expr(s.limit, Scalar::Int);
            expr(s.step, Scalar::Int);
            break;
        case Stmt::Kind::Case:
            caseStatement(s);
            break;
        case Stmt::Kind::Throw:
            expr(s.value, Scalar::Text);
            return;
        case Stmt::Kind::Return:
            if (s.hasValue) {
                hasResult = true;
                unify(result, expr(s.value, result).scalar);
            }
            return;
        case Stmt::Kind::If:
        case Stmt::Kind::While:
        case Stmt::Kind::Repeat:
            if (!s.unreadHead)
                expr(s.value, Scalar::Bool);
            break;
        default:
            return;
        }
        for (Block& body : s.bodies)
            block(body);
    }

    void caseStatement(Stmt& s) {
        Scalar selector = s.unreadHead ? Scalar::Unknown : expr(s.value, Scalar::Unknown).scalar;
        for (CaseBranch& branch : s.branches) {
            for (Expr& label : branch.labels) {
                const Scalar type = expr(label, selector).scalar;
                if (!s.unreadHead && !isKnown(selector) && isKnown(type))
                    selector = expr(s.value, type).scalar;
            }
            block(branch.body);
        }
    }

    Symbols& m_symbols;
    const std::vector<RecordType>& m_records;
    std::vector<const void*> m_firstCalls;
};

constexpr int MaxInferencePasses = 12;

} // namespace

Inferred inferTypes(Block& body, Symbols& symbols, const std::vector<RecordType>& records) {
    Inference inference(symbols, records);
    for (const bool late : {false, true}) {
        if (late && !inference.deferredHints)
            break;
        inference.lateHints = late;
        for (int pass = 0; pass < MaxInferencePasses; ++pass) {
            inference.changed = false;
            inference.block(body);
            if (!inference.changed)
                break;
        }
    }
    return {inference.result, inference.hasResult};
}

} // namespace velbrant::code
