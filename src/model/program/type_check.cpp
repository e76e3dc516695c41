#include "model/program/type_check.h"

#include "model/files/windows1252.h"
#include "model/program/builtins.h"
#include "model/program/pseudocode.h"
#include "model/program/type_inference.h"
#include "model/program/type_rules.h"

#include <algorithm>
#include <cstdlib>
#include <optional>

namespace velbrant::code {

Symbol& Symbols::get(std::string_view name) {
    const std::string key = lowered(name);
    const auto [it, added] = m_byKey.try_emplace(key, m_all.size());
    if (added) {
        m_all.emplace_back();
        m_all.back().spelling = std::string(name);
    }
    return m_all[it->second];
}

Symbol& Symbols::cached(std::int32_t& index, std::string_view name) {
    if (index < 0) {
        Symbol& symbol = get(name);
        index = static_cast<std::int32_t>(m_byKey.at(lowered(name)));
        return symbol;
    }
    return m_all[static_cast<std::size_t>(index)];
}

const Symbol* Symbols::find(std::string_view name) const {
    const auto it = m_byKey.find(lowered(name));
    return it == m_byKey.end() ? nullptr : &m_all[it->second];
}

namespace {

// Second pass: with the types settled, each statement either fits them or
// becomes unread.
class Check {
public:
    Check(Symbols& symbols, const std::vector<RecordType>& records, Scalar result, bool isFunction)
        : m_symbols(symbols), m_records(records), m_result(result), m_isFunction(isFunction) {}

    void block(Block& statements) {
        for (Stmt& s : statements)
            statement(s);
    }

private:
    const Symbol* symbolOf(Expr& e, SymbolKind kind) {
        Symbol& symbol = m_symbols.of(e);
        return symbol.kind == kind && !symbol.conflicting ? &symbol : nullptr;
    }

    // A subroutine's stub is written only when a call to it is kept.
    bool called(Symbol& symbol, SymbolKind kind, std::vector<Expr>& args) {
        return symbol.kind == kind && !symbol.conflicting && arguments(symbol, args);
    }

    // A variable, an element of an array or a field of a record.
    std::optional<ValueType> variable(Expr& e) {
        if (e.kind == Expr::Kind::Field)
            return field(e);
        Symbol* symbol = const_cast<Symbol*>(symbolOf(e, SymbolKind::Variable));
        if (symbol == nullptr || symbol->type.array != (e.kind != Expr::Kind::Name) ||
            symbol->type.scalar == Scalar::Conflict ||
            (symbol->type.scalar == Scalar::Record && symbol->type.record < 0))
            return std::nullopt;
        for (Expr& index : e.args) {
            if (!scalar(index, Scalar::Int))
                return std::nullopt;
        }
        e.type = symbol->type.scalar;
        e.record = symbol->type.record;
        return ValueType{symbol->type.scalar, false, symbol->type.record};
    }

    std::optional<ValueType> field(Expr& e) {
        const auto owner = variable(e.args[0]);
        if (!owner || owner->scalar != Scalar::Record)
            return std::nullopt;
        const RecordField* found = fieldNamed(recordAt(owner->record), e.text);
        if (found == nullptr)
            return std::nullopt;
        e.type = found->type;
        return ValueType{found->type};
    }

    const RecordType& recordAt(std::int32_t index) const {
        return m_records.at(static_cast<std::size_t>(index));
    }

    // The values of all fields in their order, each field named once;
    // fields not named take their type's zero.
    std::optional<Scalar> recordLiteral(Expr& e) {
        e.record = recordNamed(m_records, e.text);
        if (e.record < 0)
            return std::nullopt;
        const RecordType& type = recordAt(e.record);
        std::vector<Expr> values(type.fields.size());
        std::vector<bool> given(type.fields.size(), false);
        for (std::size_t i = 0; i + 1 < e.args.size(); i += 2) {
            const RecordField* found = fieldNamed(type, e.args[i].text);
            if (found == nullptr)
                return std::nullopt;
            const auto at = static_cast<std::size_t>(found - type.fields.data());
            const auto valueType = value(e.args[i + 1]);
            if (given[at] || !valueType || !assignable(*valueType, ValueType{found->type}))
                return std::nullopt;
            given[at] = true;
            values[at] = std::move(e.args[i + 1]);
        }
        for (std::size_t i = 0; i < values.size(); ++i) {
            if (!given[i])
                values[i] = zeroOf(type.fields[i].type);
        }
        e.args = std::move(values);
        return Scalar::Record;
    }

    bool arguments(const Symbol& symbol, std::vector<Expr>& args) {
        if (args.size() != symbol.parameters.size())
            return false;
        for (std::size_t i = 0; i < args.size(); ++i) {
            const auto type = valueOrArray(args[i]);
            if (!type || !assignable(*type, symbol.parameters[i]))
                return false;
        }
        return true;
    }

    // An argument may be a whole array.
    std::optional<ValueType> valueOrArray(Expr& e) {
        if (e.kind == Expr::Kind::Name) {
            Symbol& symbol = m_symbols.of(e);
            if (symbol.kind == SymbolKind::Variable && symbol.type.array && !symbol.conflicting) {
                e.type = symbol.type.scalar;
                e.record = symbol.type.record;
                return symbol.type;
            }
        }
        return value(e);
    }

    std::optional<ValueType> value(Expr& e) {
        std::optional<Scalar> type = scalarOf(e);
        if (!type)
            return std::nullopt;
        e.type = *type;
        return ValueType{*type, false, *type == Scalar::Record ? e.record : -1};
    }

    // A single value, not a record.
    bool plainValue(Expr& e) {
        const auto type = value(e);
        return type && type->scalar != Scalar::Record;
    }

    bool scalar(Expr& e, Scalar wanted) {
        const auto type = value(e);
        return type && type->scalar == wanted;
    }

    std::optional<Scalar> scalarOf(Expr& e) {
        switch (e.kind) {
        case Expr::Kind::Int:
            return Scalar::Int;
        case Expr::Kind::Real:
            return Scalar::Real;
        case Expr::Kind::Text:
            return Scalar::Text;
        case Expr::Kind::Bool:
        case Expr::Kind::Untranslated:
            return Scalar::Bool;
        case Expr::Kind::Name:
        case Expr::Kind::Index:
        case Expr::Kind::Field:
            if (auto type = variable(e))
                return type->scalar;
            return std::nullopt;
        case Expr::Kind::RecordLiteral:
            return recordLiteral(e);
        case Expr::Kind::Range:
            return std::nullopt;
        case Expr::Kind::Call:
            if (m_symbols.of(e).kind == SymbolKind::Builtin)
                return builtin(e);
            if (!called(m_symbols.of(e), SymbolKind::Function, e.args))
                return std::nullopt;
            return m_symbols.of(e).type.scalar;
        case Expr::Kind::Unary: {
            const auto operand = value(e.args[0]);
            if (!operand)
                return std::nullopt;
            if (e.op == Op::Not)
                return operand->scalar == Scalar::Bool ? std::optional(Scalar::Bool) : std::nullopt;
            return isNumeric(operand->scalar) ? std::optional(operand->scalar) : std::nullopt;
        }
        case Expr::Kind::Binary:
            return binary(e);
        }
        return std::nullopt;
    }

    std::optional<Scalar> builtin(Expr& e) {
        if (isArrayLength(e))
            return Scalar::Int;
        std::vector<Scalar> types;
        for (Expr& arg : e.args) {
            const auto type = value(arg);
            if (!type)
                return std::nullopt;
            types.push_back(type->scalar);
        }
        return builtinResult(*builtinNamed(e.text, e.args.size()), types);
    }

    bool isArrayLength(Expr& e) {
        if (builtinNamed(e.text, e.args.size()) != Builtin::Length ||
            e.args[0].kind != Expr::Kind::Name)
            return false;
        const auto type = valueOrArray(e.args[0]);
        return type && type->array;
    }

    bool isArray(Expr& e) {
        const auto type = e.kind == Expr::Kind::Name ? valueOrArray(e) : std::nullopt;
        return type && type->array;
    }

    // What a divisor of written numbers comes to, as a compiler folds it.
    static std::optional<double> constantValue(const Expr& e) {
        if (e.kind == Expr::Kind::Int || e.kind == Expr::Kind::Real)
            return std::strtod(e.text.c_str(), nullptr);
        if (e.kind == Expr::Kind::Unary && e.op == Op::Neg) {
            const auto operand = constantValue(e.args[0]);
            return operand ? std::optional(-*operand) : std::nullopt;
        }
        if (e.kind != Expr::Kind::Binary || e.op > Op::Mul)
            return std::nullopt;
        const auto left = constantValue(e.args[0]);
        const auto right = constantValue(e.args[1]);
        if (!left || !right)
            return std::nullopt;
        return e.op == Op::Add ? *left + *right : e.op == Op::Sub ? *left - *right : *left * *right;
    }

    static bool isZero(const Expr& e) { return constantValue(e) == 0.0; }

    std::optional<Scalar> binary(Expr& e) {
        const auto left = value(e.args[0]);
        const auto right = value(e.args[1]);
        if (!left || !right)
            return std::nullopt;
        const Scalar l = left->scalar;
        const Scalar r = right->scalar;
        const bool numeric = isNumeric(l) && isNumeric(r);
        switch (e.op) {
        // "+" beside a text joins: "Summe: " + s.
        case Op::Add:
            if (l == Scalar::Text || r == Scalar::Text)
                return Scalar::Text;
            return numeric ? std::optional(joined(l, r)) : std::nullopt;
        case Op::Sub:
        case Op::Mul:
            return numeric ? std::optional(joined(l, r)) : std::nullopt;
        // A division by a written zero does not compile everywhere.
        case Op::Div:
            return numeric && !isZero(e.args[1]) ? std::optional(Scalar::Real) : std::nullopt;
        case Op::IntDiv:
        case Op::Mod:
            return l == Scalar::Int && r == Scalar::Int && !isZero(e.args[1])
                       ? std::optional(Scalar::Int)
                       : std::nullopt;
        case Op::Eq:
        case Op::Ne:
            return numeric || (l == r && l != Scalar::Record) ? std::optional(Scalar::Bool)
                                                              : std::nullopt;
        case Op::Lt:
        case Op::Le:
        case Op::Gt:
        case Op::Ge:
            return numeric ? std::optional(Scalar::Bool) : std::nullopt;
        case Op::And:
        case Op::Or:
            return l == Scalar::Bool && r == Scalar::Bool ? std::optional(Scalar::Bool)
                                                          : std::nullopt;
        default:
            return std::nullopt;
        }
    }

    bool inputItem(Expr& item) {
        if (item.kind == Expr::Kind::Range) {
            const Symbol* symbol = symbolOf(item, SymbolKind::Variable);
            if (symbol == nullptr || !symbol->type.array || !scalar(item.args[0], Scalar::Int) ||
                !scalar(item.args[1], Scalar::Int))
                return false;
            item.type = symbol->type.scalar;
            return item.type != Scalar::Bool;
        }
        const auto type = variable(item);
        return type && type->scalar != Scalar::Bool && type->scalar != Scalar::Record;
    }

    bool fits(Stmt& s) {
        switch (s.kind) {
        case Stmt::Kind::Assign: {
            const auto target = variable(s.target);
            const auto source = value(s.value);
            return target && source && assignable(*source, *target);
        }
        case Stmt::Kind::Input:
            return std::all_of(s.items.begin(), s.items.end(),
                               [this](Expr& item) { return inputItem(item); });
        case Stmt::Kind::Output:
            return std::all_of(s.items.begin(), s.items.end(),
                               [this](Expr& item) { return plainValue(item); });
        case Stmt::Kind::Call: {
            return called(m_symbols.ofCall(s), SymbolKind::Procedure, s.items);
        }
        case Stmt::Kind::Break:
            return m_loopDepth > 0;
        case Stmt::Kind::Throw:
            return scalar(s.value, Scalar::Text);
        case Stmt::Kind::ArrayAssign:
            return false;
        case Stmt::Kind::ClearArray:
            return isArray(s.target);
        case Stmt::Kind::Return: {
            if (!s.hasValue)
                return true;
            return m_isFunction && plainValue(s.value) &&
                   assignable(ValueType{s.value.type}, ValueType{m_result});
        }
        default:
            return true;
        }
    }

    void head(Stmt& s) {
        if (!s.unreadHead && !scalar(s.value, Scalar::Bool))
            unreadHead(s);
    }

    static void unreadHead(Stmt& s) {
        s.unreadHead = true;
        s.value = untranslated(sourceText(s));
    }

    // "for i <- 2 to sqrt(n)": an integer counter goes as far as the
    // limit's whole part (its ceiling, counting down).
    void wholeLimit(Stmt& s) {
        const auto limit = value(s.limit);
        if (!limit || limit->scalar != Scalar::Real)
            return;
        Expr whole = makeExpr(Expr::Kind::Call, Op::Add, s.downward ? "ceil" : "floor", {s.limit});
        Symbol& routine = m_symbols.of(whole);
        if (routine.kind != SymbolKind::Unset && routine.kind != SymbolKind::Builtin)
            return;
        routine.kind = SymbolKind::Builtin;
        routine.read = true;
        whole.type = Scalar::Int;
        s.limit = std::move(whole);
    }

    void forHead(Stmt& s) {
        wholeLimit(s);
        const auto variableType = variable(s.target);
        if (variableType && variableType->scalar == Scalar::Int && scalar(s.value, Scalar::Int) &&
            scalar(s.limit, Scalar::Int) && scalar(s.step, Scalar::Int))
            return;
        s.kind = Stmt::Kind::While;
        unreadHead(s);
    }

    void forEachHead(Stmt& s) {
        const auto variableType = variable(s.target);
        const auto fitting = [&](Expr& item) {
            const auto type = value(item);
            return type && assignable(*type, *variableType);
        };
        const bool overArray = s.items.empty();
        if (variableType && variableType->scalar != Scalar::Bool &&
            (overArray
                 ? isArray(s.value) &&
                       assignable(ValueType{s.value.type, false, s.value.record}, *variableType)
                 : std::all_of(s.items.begin(), s.items.end(), fitting)))
            return;
        s.kind = Stmt::Kind::While;
        unreadHead(s);
    }

    void caseHead(Stmt& s) {
        const std::optional<ValueType> selector = s.unreadHead ? std::nullopt : value(s.value);
        const Scalar selected = selector ? selector->scalar : Scalar::Unknown;
        if (!selector)
            s.unreadHead = true;
        for (CaseBranch& branch : s.branches) {
            const bool fitting =
                !s.unreadHead && !branch.unreadLabel &&
                std::all_of(branch.labels.begin(), branch.labels.end(), [&](Expr& label) {
                    const auto type = value(label);
                    return type && (type->scalar == selected ||
                                    (isNumeric(type->scalar) && isNumeric(selected)));
                });
            branch.unreadLabel = !fitting;
            block(branch.body);
        }
        // A selector no label compares with is not used at all.
        if (std::all_of(s.branches.begin(), s.branches.end(),
                        [](const CaseBranch& b) { return b.unreadLabel; }))
            s.unreadHead = true;
    }

    void statement(Stmt& s) {
        switch (s.kind) {
        case Stmt::Kind::If:
        case Stmt::Kind::While:
        case Stmt::Kind::Repeat:
            head(s);
            break;
        case Stmt::Kind::For:
            forHead(s);
            break;
        case Stmt::Kind::ForEach:
            forEachHead(s);
            break;
        case Stmt::Kind::Case:
            caseHead(s);
            break;
        default:
            if (s.kind != Stmt::Kind::Comment && s.kind != Stmt::Kind::Unread && !fits(s)) {
                s.kind = Stmt::Kind::Unread;
                s.stops = true;
            }
            return;
        }
        const bool loop = s.kind != Stmt::Kind::If && s.kind != Stmt::Kind::Case;
        m_loopDepth += loop ? 1 : 0;
        for (Block& body : s.bodies)
            block(body);
        m_loopDepth -= loop ? 1 : 0;
    }

    Symbols& m_symbols;
    const std::vector<RecordType>& m_records;
    Scalar m_result;
    bool m_isFunction;
    int m_loopDepth = 0;
};

// Types no use told, and types that contradict, become integers.
void settle(Symbols& symbols) {
    for (Symbol& symbol : symbols.all()) {
        if (symbol.type.scalar == Scalar::Conflict)
            symbol.conflicting = true;
        if (!isKnown(symbol.type.scalar)) {
            symbol.type.scalar = Scalar::Int;
            symbol.guessed = symbol.kind == SymbolKind::Variable;
        }
        for (ValueType& parameter : symbol.parameters) {
            if (!isKnown(parameter.scalar))
                parameter.scalar = Scalar::Int;
        }
    }
}

// Which names the kept statements read, and which subroutines they call.
class Uses {
public:
    explicit Uses(Symbols& symbols) : m_symbols(symbols) {}

    void block(Block& statements) {
        for (Stmt& s : statements)
            statement(s);
    }

private:
    void expr(Expr& e) {
        if (e.kind == Expr::Kind::Name || e.kind == Expr::Kind::Index || e.kind == Expr::Kind::Call)
            m_symbols.of(e).read = true;
        for (Expr& arg : e.args)
            expr(arg);
    }

    // A target is written, not read; its index is read.
    void target(Expr& e) {
        for (Expr& arg : e.args)
            expr(arg);
    }

    void statement(Stmt& s) {
        switch (s.kind) {
        case Stmt::Kind::Comment:
        case Stmt::Kind::Unread:
        case Stmt::Kind::RecordType:
            return;
        case Stmt::Kind::Assign:
            target(s.target);
            break;
        case Stmt::Kind::Input:
            for (Expr& item : s.items)
                target(item);
            return;
        case Stmt::Kind::Call:
            m_symbols.ofCall(s).read = true;
            break;
        case Stmt::Kind::For:
            expr(s.target);
            expr(s.limit);
            expr(s.step);
            break;
        case Stmt::Kind::ForEach:
            // The values go into the variable: written, not read.
            break;
        case Stmt::Kind::Case:
            for (CaseBranch& branch : s.branches) {
                for (Expr& label : branch.labels) {
                    if (!branch.unreadLabel)
                        expr(label);
                }
                block(branch.body);
            }
            break;
        default:
            break;
        }
        if (!s.unreadHead)
            expr(s.value);
        for (Expr& item : s.items)
            expr(item);
        for (Block& body : s.bodies)
            block(body);
    }

    Symbols& m_symbols;
};

int countUnread(const Block& statements) {
    int count = 0;
    for (const Stmt& s : statements) {
        if (s.kind == Stmt::Kind::Unread || s.unreadHead)
            count += static_cast<int>(s.source.size());
        for (const Block& body : s.bodies)
            count += countUnread(body);
        for (const CaseBranch& branch : s.branches)
            count += (branch.unreadLabel ? 1 : 0) + countUnread(branch.body);
    }
    return count;
}

// The routines the program calls that other diagrams define are known
// before anything is inferred: their calls must fit them.
void linkRoutines(TypedProgram& typed, const Signatures& routines) {
    if (routines.empty())
        return;
    for (const std::string& name : calledNames(typed.program.body)) {
        const auto found = routines.find(name);
        if (found == routines.end())
            continue;
        const Signature& signature = found->second;
        Symbol& symbol = typed.symbols.get(signature.spelling);
        if (symbol.kind != SymbolKind::Unset)
            continue;
        symbol.kind = isKnown(signature.result) ? SymbolKind::Function : SymbolKind::Procedure;
        symbol.type.scalar = signature.result;
        symbol.parameters = signature.parameters;
        symbol.signatureSet = true;
        symbol.linked = true;
    }
}

// Parameters are read by the main program: they must be single values.
void declareParameters(TypedProgram& typed) {
    Program& program = typed.program;
    for (std::size_t i = 0; i < program.parameters.size(); ++i) {
        Symbol& symbol = typed.symbols.get(program.parameters[i]);
        symbol.kind = SymbolKind::Variable;
        symbol.isParameter = true;
        if (i < program.parameterTypes.size())
            symbol.type.scalar = program.parameterTypes[i];
    }
}

} // namespace

namespace {

void addName(std::vector<std::string>& names, std::string_view name) {
    std::string key = lowered(name);
    if (std::find(names.begin(), names.end(), key) == names.end())
        names.push_back(std::move(key));
}

void calledIn(const Expr& e, std::vector<std::string>& names) {
    if (e.kind == Expr::Kind::Call)
        addName(names, e.text);
    for (const Expr& arg : e.args)
        calledIn(arg, names);
}

void calledIn(const Block& statements, std::vector<std::string>& names) {
    for (const Stmt& s : statements) {
        if (s.kind == Stmt::Kind::Call)
            addName(names, s.name);
        for (const Expr* e : {&s.target, &s.value, &s.limit, &s.step})
            calledIn(*e, names);
        for (const Expr& item : s.items)
            calledIn(item, names);
        for (const Block& body : s.bodies)
            calledIn(body, names);
        for (const CaseBranch& branch : s.branches)
            calledIn(branch.body, names);
    }
}

} // namespace

std::vector<std::string> calledNames(const Block& statements) {
    std::vector<std::string> names;
    calledIn(statements, names);
    return names;
}

namespace {

void recordsIn(const Block& statements, std::vector<RecordType>& records) {
    for (const Stmt& s : statements) {
        if (s.kind == Stmt::Kind::RecordType && recordNamed(records, s.name) < 0) {
            RecordType record{s.name, {}};
            for (const Expr& field : s.items) {
                if (fieldNamed(record, field.text) == nullptr)
                    record.fields.push_back({field.text, field.type});
            }
            records.push_back(std::move(record));
        }
        for (const Block& body : s.bodies)
            recordsIn(body, records);
        for (const CaseBranch& branch : s.branches)
            recordsIn(branch.body, records);
    }
}

} // namespace

std::vector<RecordType> recordsIn(const Block& statements) {
    std::vector<RecordType> records;
    recordsIn(statements, records);
    return records;
}

TypedProgram typeProgram(Program program, const Signatures& routines) {
    TypedProgram typed;
    typed.program = std::move(program);
    if (typed.program.records.empty())
        typed.program.records = recordsIn(typed.program.body);
    declareParameters(typed);
    linkRoutines(typed, routines);
    const Inferred inferred = inferTypes(typed.program.body, typed.symbols, typed.program.records);
    Program& p = typed.program;
    p.isFunction = p.isFunction || inferred.hasResult;
    const auto& all = typed.symbols.all();
    if (!p.isRoutine && std::any_of(all.begin(), all.end(), [](const Symbol& s) {
            return s.isParameter && (s.type.array || s.type.scalar == Scalar::Record);
        })) {
        for (Symbol& symbol : typed.symbols.all())
            symbol.isParameter = false;
        p.parameters.clear();
    }
    settle(typed.symbols);
    if (isKnown(p.result))
        typed.result = p.result;
    else if (p.isFunction && inferred.hasResult)
        typed.result = isKnown(inferred.result) ? inferred.result : Scalar::Int;
    Check check(typed.symbols, p.records, typed.result, p.isFunction);
    check.block(p.body);
    Uses(typed.symbols).block(p.body);
    typed.unreadLines = countUnread(p.body);
    typed.missingRoutines =
        static_cast<int>(std::count_if(all.begin(), all.end(), [](const Symbol& s) {
            return (s.kind == SymbolKind::Function || s.kind == SymbolKind::Procedure) && !s.linked;
        }));
    return typed;
}

} // namespace velbrant::code
