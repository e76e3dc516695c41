#include "model/code/code_writer.h"

#include "model/files/windows1252.h"
#include "model/program/type_rules.h"

#include <algorithm>
#include <array>

namespace velbrant::code {

using messages::said;

std::string utf8(std::string_view windows1252) {
    std::string clean(windows1252);
    for (char& c : clean) {
        if (static_cast<unsigned char>(c) < 0x20 && c != '\t')
            c = ' ';
    }
    return utf8FromWindows1252(clean);
}

namespace {} // namespace

CodeWriter::CodeWriter(const TypedProgram& program, const LanguageTable& language,
                       const RoutineIds* routineIds)
    : m_typed(program), m_program(program.program), m_language(language), m_routineIds(routineIds) {
    assignIdentifiers();
    surveyProgram();
}

std::string CodeWriter::write() {
    writeProgram();
    std::size_t size = 0;
    for (const std::string& l : m_lines)
        size += l.size() + 1;
    std::string text;
    text.reserve(size);
    for (const std::string& l : m_lines) {
        text += l;
        text += '\n';
    }
    return text;
}

const Symbol& CodeWriter::symbol(std::string_view name) const {
    return *m_typed.symbols.find(name);
}

std::vector<const Symbol*> CodeWriter::variables() const {
    std::vector<const Symbol*> result;
    for (const Symbol& s : m_typed.symbols.all()) {
        if (s.kind == SymbolKind::Variable && !s.isParameter)
            result.push_back(&s);
    }
    return result;
}

std::vector<std::string> CodeWriter::stubParameters(const Symbol& routine) {
    std::vector<std::string> names;
    for (std::size_t i = 0; i < routine.parameters.size(); ++i)
        names.push_back("p" + std::to_string(i + 1));
    return names;
}

std::vector<ValueType> CodeWriter::parameterTypes() const {
    std::vector<ValueType> types;
    for (const std::string& name : m_program.parameters)
        types.push_back(symbol(name).type);
    return types;
}

std::vector<std::string> CodeWriter::parameterIds() const {
    std::vector<std::string> names;
    for (const std::string& name : m_program.parameters)
        names.push_back(id(name));
    return names;
}

std::string CodeWriter::readParameters(
    const std::function<std::string(Scalar type, const std::string& name)>& reads) {
    std::string arguments;
    for (const std::string& name : m_program.parameters) {
        line(reads(symbol(name).type.scalar, id(name)));
        arguments += (arguments.empty() ? "" : ", ") + id(name);
    }
    return arguments;
}

std::string CodeWriter::typeNote(const Symbol& variable) const {
    return variable.guessed ? std::string(m_language.comments.lineEnd) +
                                  said("code", "Typ nicht erkannt: ganze Zahl angenommen").str()
                            : std::string();
}

long long CodeWriter::indexOffset(const Expr& array) const {
    return m_typed.symbols.of(array).lowestIndex;
}

std::string CodeWriter::indexedWith(const Expr& array, const std::string& index) const {
    const std::string& name = id(array);
    return element(name,
                   std::string(IndexHelper) + "(" + arrayLength(name) + ", " + index + ", " +
                       textLiteral(m_typed.symbols.of(array).spelling) + ", " +
                       std::to_string(indexOffset(array)) + ")",
                   m_typed.symbols.of(array).type.scalar);
}

std::string CodeWriter::recordZero(std::int32_t record) const {
    std::vector<std::string> zeros;
    for (const RecordField& field : records().at(static_cast<std::size_t>(record)).fields)
        zeros.push_back(zero(field.type));
    return recordLiteral(record, zeros);
}

std::size_t CodeWriter::fieldIndex(const Expr& field) const {
    const RecordType& record = records().at(static_cast<std::size_t>(field.args[0].record));
    return code::fieldIndex(record, field.text);
}

std::string CodeWriter::valueOf(const Expr& e) {
    const bool array = e.kind == Expr::Kind::Name && m_typed.symbols.of(e).type.array;
    const bool shared = e.type == Scalar::Record && e.kind != Expr::Kind::RecordLiteral && !array;
    return shared ? copied(expr(e)) : expr(e);
}

std::string CodeWriter::settingArguments(const Expr& array, const std::string& index,
                                         const std::string& value) const {
    return id(array) + ", " + index + ", " + value + ", " +
           textLiteral(m_typed.symbols.of(array).spelling) + ", " +
           std::to_string(indexOffset(array));
}

void CodeWriter::assignment(const Expr& target, const std::string& value) {
    const std::string end(m_language.statementEnd);
    if (target.kind == Expr::Kind::Index)
        line(elementSetting(target, expr(target.args[0]), value) + end);
    else
        line(expr(target) + assignmentSign() + value + end);
}

std::vector<ValueType> CodeWriter::elementTypes(const std::set<ElementKey>& keys) {
    std::vector<ValueType> types;
    for (const auto& [scalar, record] : keys)
        types.push_back({scalar, false, record});
    return types;
}

bool CodeWriter::setsValueElements() const {
    return std::any_of(m_setArrayTypes.begin(), m_setArrayTypes.end(),
                       [](const ElementKey& key) { return key.first != Scalar::Record; });
}

std::vector<ValueType> CodeWriter::setRecordElements() const {
    std::vector<ValueType> records;
    for (const ValueType& type : setArrayTypes()) {
        if (type.scalar == Scalar::Record)
            records.push_back(type);
    }
    return records;
}

ValueType CodeWriter::elementOf(const Expr& array) const {
    ValueType type = m_typed.symbols.of(array).type;
    type.array = false;
    return type;
}

std::string CodeWriter::arrayTypeWord(const ValueType& element) const {
    switch (element.scalar) {
    case Scalar::Record:
        return recordId(element.record);
    case Scalar::Real:
        return "zahl";
    case Scalar::Bool:
        return "wahr";
    case Scalar::Text:
        return "text";
    default:
        return "ganz";
    }
}

const std::string& CodeWriter::id(const Expr& e) const {
    return m_idsBySymbol.at(static_cast<std::size_t>(e.symbol));
}

const std::string& CodeWriter::calleeId(const Stmt& s) const {
    return m_idsBySymbol.at(static_cast<std::size_t>(s.symbol));
}

void CodeWriter::line(std::string text) {
    if (!text.empty())
        text.insert(0, static_cast<std::size_t>(m_depth) * m_language.indentUnit.size(), ' ');
    m_lines.push_back(std::move(text));
}

void CodeWriter::blank() {
    if (!m_lines.empty() && !m_lines.back().empty())
        m_lines.emplace_back();
}

void CodeWriter::comment(std::string_view windows1252) {
    line(commentPrefix() + commentText(utf8(windows1252)));
}

void CodeWriter::headerComment() {
    if (!m_program.title.empty())
        comment(m_program.title);
    for (const std::string& text : m_program.comment)
        comment(text);
}

void CodeWriter::noteComment(std::string_view note, std::string_view windows1252) {
    line(commentPrefix() + commentText(std::string(note) + utf8(windows1252)));
}

Expr CodeWriter::negated(const Expr& condition) {
    if (condition.kind == Expr::Kind::Unary && condition.op == Op::Not)
        return condition.args[0];
    static constexpr std::array<std::pair<Op, Op>, 6> Opposites = {{
        {Op::Eq, Op::Ne},
        {Op::Ne, Op::Eq},
        {Op::Lt, Op::Ge},
        {Op::Ge, Op::Lt},
        {Op::Le, Op::Gt},
        {Op::Gt, Op::Le},
    }};
    for (const auto& [op, opposite] : Opposites) {
        if (condition.kind == Expr::Kind::Binary && condition.op == op) {
            Expr flipped = condition;
            flipped.op = opposite;
            return flipped;
        }
    }
    Expr e = makeExpr(Expr::Kind::Unary, Op::Not, {}, {condition});
    e.type = Scalar::Bool;
    return e;
}

Expr CodeWriter::plain(const Expr& condition) {
    if (condition.kind == Expr::Kind::Unary && condition.op == Op::Not)
        return negated(condition.args[0]);
    return condition;
}

Expr CodeWriter::equality(const Expr& selector, const Expr& label) {
    Expr e = makeExpr(Expr::Kind::Binary, Op::Eq, {}, {selector, label});
    e.type = Scalar::Bool;
    return e;
}

void CodeWriter::unreadComment(const std::vector<std::string_view>& source) {
    for (const std::string_view text : source)
        noteComment(said("code", "nicht übersetzt: ").str(), text);
    if (source.empty())
        noteComment(said("code", "nicht übersetzt: (leer)").str(), {});
}

std::string CodeWriter::builtinCall(const Expr& e) {
    if (isArrayLength(e))
        return arrayLength(id(e.args[0]));
    const std::string_view form =
        m_language.builtins[static_cast<std::size_t>(*builtinNamed(e.text, e.args.size()))];
    std::string text;
    for (std::size_t i = 0; i < form.size(); ++i) {
        if (form[i] == '{' && i + 2 < form.size() && form[i + 2] == '}') {
            text += expr(e.args[static_cast<std::size_t>(form[i + 1] - '0')]);
            i += 2;
        } else {
            text += form[i];
        }
    }
    return text;
}

std::string CodeWriter::charactersOf(const Expr& text) {
    return text.exactText.empty() ? utf8(text.text) : text.exactText;
}

std::string CodeWriter::textLiteral(std::string_view windows1252) const {
    return utf8Literal(utf8(windows1252));
}

std::string CodeWriter::messageLiteral(const std::string& utf8Message) const {
    return utf8Literal(utf8Message);
}

std::string CodeWriter::joinedMessage(const messages::Said& message,
                                      const std::vector<std::string>& places) const {
    std::string joined;
    for (const messages::Said::Piece& piece : message.pieces()) {
        joined += joined.empty() ? "" : " + ";
        joined += piece.place < 0 ? messageLiteral(piece.text)
                                  : places.at(static_cast<std::size_t>(piece.place));
    }
    return joined;
}

std::string CodeWriter::stopCall(const std::string& utf8Message) const {
    return std::string(StopHelper) + "(" + messageLiteral(utf8Message) + ")";
}

std::string CodeWriter::untranslatedCall(std::string_view line) const {
    return stopCall(untranslatedLine(utf8(line)));
}

void CodeWriter::stopStatement(const std::string& utf8Message) {
    line(stopCall(utf8Message) + std::string(m_language.statementEnd));
}

void CodeWriter::missingRoutine(const Symbol& routine) {
    stopStatement(routineNotFound(utf8(routine.spelling)));
}

std::string CodeWriter::unreadLabelCall(const Stmt& s, const CaseBranch& branch) const {
    return untranslatedCall(s.unreadHead ? sourceText(s) : std::string(branch.labelText));
}

void CodeWriter::head(const Stmt& s) {
    if (s.unreadHead)
        unreadComment(s.source);
}

void CodeWriter::jump(const Stmt& s) {
    const JumpWords& words = m_language.jumps;
    if (s.kind == Stmt::Kind::End) {
        line(std::string(words.endProgram));
        return;
    }
    std::string text;
    if (s.kind == Stmt::Kind::Break)
        text = words.leaveLoop;
    else if (s.hasValue)
        text = std::string(words.returnOpen) + expr(s.value) + std::string(words.returnClose);
    else if (m_program.isFunction)
        text = functionReturn();
    else
        text = words.programReturn;
    line(jumpPrefix() + text);
}

std::string CodeWriter::functionReturn() const {
    return std::string(m_language.jumps.programReturn);
}

void CodeWriter::caseStatement(const Stmt& s) {
    head(s);
    // A selector that was not read cannot be compared: reaching it stops.
    if (s.unreadHead)
        line(untranslatedCall(sourceText(s)) + std::string(m_language.statementEnd));
    if (switchable(s))
        switchStatement(s);
    else
        caseChain(s);
}

void CodeWriter::ifStatement(const Stmt& s) {
    const IfWords& words = m_language.ifWords;
    head(s);
    line(std::string(words.open) + expr(s.value) + std::string(words.close));
    nested(s.bodies[0]);
    if (!s.bodies[1].empty()) {
        line(std::string(words.otherwise));
        nested(s.bodies[1]);
    }
    if (!words.end.empty())
        line(std::string(words.end));
}

void CodeWriter::nested(const Block& statements) {
    indent();
    block(statements);
    dedent();
}

void CodeWriter::block(const Block& statements) {
    for (const Stmt& s : statements)
        statement(s);
}

void CodeWriter::statement(const Stmt& s) {
    switch (s.kind) {
    case Stmt::Kind::Assign:
        return assign(s);
    case Stmt::Kind::ClearArray:
        line(clearing(id(s.target)) + std::string(m_language.statementEnd));
        return;
    case Stmt::Kind::Input:
        if (s.hasValue) {
            Stmt prompt;
            prompt.kind = Stmt::Kind::Output;
            prompt.items = {s.value};
            output(prompt);
        }
        return input(s);
    case Stmt::Kind::Output:
        return output(s);
    case Stmt::Kind::Call:
        return call(s);
    case Stmt::Kind::If:
        return ifStatement(s);
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
    case Stmt::Kind::Break:
    case Stmt::Kind::Return:
    case Stmt::Kind::End:
        return jump(s);
    case Stmt::Kind::Throw:
        line(std::string(StopHelper) + "(" + expr(s.value) + ")" +
             std::string(m_language.statementEnd));
        return;
    case Stmt::Kind::Comment:
        for (const std::string_view text : s.source) {
            const std::size_t start = text.find_first_not_of(" \t/#");
            comment(start == std::string::npos ? std::string() : text.substr(start));
        }
        return;
    // Declared with the program's types.
    case Stmt::Kind::RecordType:
        for (const std::string_view text : s.source)
            comment(text);
        return;
    // The reader has made each element its own assignment, or the check
    // has left it unread.
    case Stmt::Kind::ArrayAssign:
    case Stmt::Kind::Unread: {
        unreadComment(s.source);
        if (!s.stops) {
            if (!emptyStatement().empty())
                line(emptyStatement());
            return;
        }
        line(untranslatedCall(sourceText(s)) + std::string(m_language.statementEnd));
        return;
    }
    }
}

std::string CodeWriter::numberLiteral(const Expr& e) const {
    std::string digits = e.text;
    while (digits.size() > 1 && digits[0] == '0' && digits[1] != '.')
        digits.erase(0, 1);
    return digits;
}

std::string CodeWriter::backslashed(std::string_view utf8Text, std::string_view escaped) {
    std::string result;
    for (const char c : utf8Text) {
        if (escaped.find(c) != std::string_view::npos)
            result += '\\';
        result += c == '\t' ? std::string("\\t") : std::string(1, c);
    }
    return result;
}

std::string CodeWriter::indexed(const Expr& e) {
    return indexedWith(e, expr(e.args[0]));
}

std::string CodeWriter::joined(const std::vector<Expr>& items, std::string_view separator) {
    std::string text;
    for (const Expr& item : items)
        text += (text.empty() ? std::string() : std::string(separator)) + valueOf(item);
    return text;
}

bool CodeWriter::isTextJoin(const Expr& e) {
    return e.kind == Expr::Kind::Binary && e.op == Op::Add && e.type == Scalar::Text;
}

std::string CodeWriter::special(const Expr& e) {
    // Whole-number division and remainder go through helpers: they cut
    // towards zero in every language and stop on a zero divisor.
    if (e.kind == Expr::Kind::Binary && (e.op == Op::IntDiv || e.op == Op::Mod))
        return std::string(e.op == Op::IntDiv ? WholeDivision : Remainder) + "(" + expr(e.args[0]) +
               ", " + expr(e.args[1]) + ")";
    if (isTextJoin(e)) {
        const auto part = [&](const Expr& child, bool right) {
            return child.type == Scalar::Text ? operand(child, e, right)
                                              : asText(expr(child), child.type);
        };
        return joinTexts(part(e.args[0], false), part(e.args[1], true));
    }
    switch (e.kind) {
    case Expr::Kind::Int:
    case Expr::Kind::Real:
        return numberLiteral(e);
    case Expr::Kind::Text:
        return utf8Literal(charactersOf(e));
    case Expr::Kind::Bool:
        return boolLiteral(e.text == "true");
    case Expr::Kind::Name:
        return id(e);
    case Expr::Kind::Index:
    case Expr::Kind::Range:
        return indexed(e);
    case Expr::Kind::Call:
        if (m_typed.symbols.of(e).kind == SymbolKind::Builtin)
            return builtinCall(e);
        return id(e) + "(" + argumentList(e.args) + ")";
    case Expr::Kind::Untranslated:
        return untranslatedCall(e.text);
    case Expr::Kind::Field:
        return fieldOf(e.args[0], fieldIds(e.args[0].record)[fieldIndex(e)]);
    case Expr::Kind::RecordLiteral: {
        std::vector<std::string> values;
        for (const Expr& value : e.args)
            values.push_back(expr(value));
        return recordLiteral(e.record, values);
    }
    default:
        return {};
    }
}

bool CodeWriter::needsParentheses(const Expr& child, const Expr& parent, bool right) const {
    if (child.kind != Expr::Kind::Binary && child.kind != Expr::Kind::Unary)
        return false;
    if (m_language.parenthesizes(parent.op, child.op))
        return true;
    if (parent.kind == Expr::Kind::Unary)
        return child.kind == Expr::Kind::Binary ? order(child.op) <= order(parent.op) : true;
    const int inner = order(child.op);
    const int outer = order(parent.op);
    const auto comparison = [](Op op) { return op >= Op::Eq && op <= Op::Ge; };
    return inner < outer ||
           (inner == outer && (right || comparison(parent.op) || child.kind == Expr::Kind::Unary));
}

std::string CodeWriter::operand(const Expr& child, const Expr& parent, bool right) {
    const std::string text = expr(child);
    return needsParentheses(child, parent, right) ? "(" + text + ")" : text;
}

std::string CodeWriter::expr(const Expr& e) {
    if (e.kind == Expr::Kind::Unary) {
        const std::string sign = spelling(e.op);
        const bool word = std::isalpha(static_cast<unsigned char>(sign.back())) != 0;
        return sign + (word ? " " : "") + operand(e.args[0], e, false);
    }
    std::string text = special(e);
    if (text.empty() && e.kind == Expr::Kind::Binary)
        text =
            operand(e.args[0], e, false) + " " + spelling(e.op) + " " + operand(e.args[1], e, true);
    return text;
}

} // namespace velbrant::code
