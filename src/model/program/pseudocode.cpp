#include "model/program/pseudocode.h"

#include "model/files/windows1252.h"
#include "model/program/expression_parser.h"

#include <algorithm>
#include <array>
#include <initializer_list>

namespace velbrant::code {

namespace {

// The tokens of a line with leading and trailing noise words taken off.
struct Trimmed {
    std::vector<Token> tokens;
    std::size_t begin = 0;
    std::size_t end = 0;
    bool bad = false;

    explicit Trimmed(TextLine line) : tokens(tokenize(line)), end(tokens.size()) {
        bad = !tokens.empty() && tokens.front().kind == Token::Kind::Bad;
        if (line.keywords != nullptr)
            useKeywords(*line.keywords);
    }
    // A file's own keywords read as the built-in words they stand for.
    void useKeywords(const Keywords& keywords) {
        for (Token& token : tokens) {
            if (token.kind != Token::Kind::Word)
                continue;
            const auto found =
                std::find_if(keywords.begin(), keywords.end(),
                             [&](const auto& pair) { return pair.first == token.key; });
            if (found != keywords.end())
                token.key = found->second;
        }
    }
    bool isSign(std::size_t at, std::string_view sign) const {
        return at < end && tokens[at].kind == Token::Kind::Sign && tokens[at].text == sign;
    }
    bool isArrow(std::size_t at) const {
        return isSign(at, "<-") || isSign(at, ":=") || isSign(at, "=");
    }
    std::string firstWord() const {
        return begin < end && tokens[begin].kind == Token::Kind::Word ? tokens[begin].key
                                                                      : std::string();
    }
    bool dropFirst(std::initializer_list<std::string_view> words) {
        if (begin < end && tokens[begin].kind == Token::Kind::Word &&
            oneOf(tokens[begin].key, words)) {
            ++begin;
            return true;
        }
        return false;
    }
    bool dropLast(std::initializer_list<std::string_view> words) {
        if (begin < end &&
            oneOf(tokens[end - 1].kind == Token::Kind::Word ? tokens[end - 1].key
                                                            : tokens[end - 1].text,
                  words) &&
            tokens[end - 1].kind != Token::Kind::Text) {
            --end;
            return true;
        }
        return false;
    }
    std::optional<Expr> expression() const {
        if (bad || begin >= end)
            return std::nullopt;
        return Parser(tokens, begin, end).whole();
    }
};

bool isInputWord(std::string_view word) {
    return oneOf(word, {"eingabe", "lies", "read", "readln", "input", "einlesen"});
}

bool isOutputWord(std::string_view word) {
    return oneOf(word,
                 {"ausgabe", "schreibe", "print", "write", "writeln", "drucke", "gib", "output"});
}

Stmt statementOf(Stmt::Kind kind) {
    Stmt s;
    s.kind = kind;
    return s;
}

std::optional<Stmt> readExit(Trimmed& t) {
    const std::string word = t.firstWord();
    if (oneOf(word, {"verlasse", "break", "leave"})) {
        // "leave 2" leaves two loops, which no language's break does.
        const bool levels =
            t.end - t.begin >= 2 && t.tokens[t.begin + 1].kind == Token::Kind::Number;
        if (levels && t.tokens[t.begin + 1].text != "1")
            return std::nullopt;
        return statementOf(Stmt::Kind::Break);
    }
    if (word == "throw" && t.end - t.begin >= 2) {
        t.dropFirst({"throw"});
        auto message = t.expression();
        if (!message)
            return std::nullopt;
        Stmt s = statementOf(Stmt::Kind::Throw);
        s.value = std::move(*message);
        return s;
    }
    // "exit 0": the program ends; its status is not kept.
    if (word == "exit" && t.end - t.begin == 2 && t.tokens[t.begin + 1].kind == Token::Kind::Number)
        return statementOf(Stmt::Kind::End);
    if (oneOf(word, {"zur\xFC"
                     "ck",
                     "zurueck",
                     "r\xFC"
                     "ckgabe",
                     "rueckgabe", "return", "liefere"})) {
        t.dropFirst({word});
        t.dropFirst({"wert"});
        Stmt s = statementOf(Stmt::Kind::Return);
        if (t.begin == t.end)
            return s;
        auto value = t.expression();
        if (!value)
            return std::nullopt;
        s.hasValue = true;
        s.value = std::move(*value);
        return s;
    }
    if (t.end - t.begin == 1 &&
        oneOf(word, {"ende", "exit", "halt", "stop", "stopp", "abbruch", "programmende"}))
        return statementOf(Stmt::Kind::End);
    return std::nullopt;
}

// The operands of a chain of "+", left to right.
void sumOperands(Expr& e, std::vector<Expr>& operands) {
    if (e.kind == Expr::Kind::Binary && e.op == Op::Add) {
        sumOperands(e.args[0], operands);
        operands.push_back(std::move(e.args[1]));
    } else {
        operands.push_back(std::move(e));
    }
}

// An output item "Summe: " + s joins texts: it is written as the items
// "Summe: " and s, one after the other. Before the first text "+" adds, so
// a + b + " cm" is the items a + b and " cm". Only where the items end up
// beside a text (which the writers join without a blank) is it split.
void appendOutputItems(std::vector<Expr>& items, Expr item, bool output) {
    std::vector<Expr> operands;
    Expr whole = item;
    sumOperands(item, operands);
    const auto firstText = std::find_if(operands.begin(), operands.end(),
                                        [](const Expr& e) { return e.kind == Expr::Kind::Text; });
    if (!output || firstText == operands.end()) {
        items.push_back(std::move(whole));
        return;
    }
    std::vector<Expr> parts;
    if (firstText != operands.begin()) {
        Expr sum = std::move(operands.front());
        for (auto it = operands.begin() + 1; it != firstText; ++it)
            sum = binary(Op::Add, std::move(sum), std::move(*it));
        parts.push_back(std::move(sum));
    }
    for (auto it = firstText; it != operands.end(); ++it)
        parts.push_back(std::move(*it));
    for (std::size_t i = 1; i < parts.size(); ++i) {
        if (parts[i - 1].kind != Expr::Kind::Text && parts[i].kind != Expr::Kind::Text) {
            items.push_back(std::move(whole));
            return;
        }
    }
    for (Expr& part : parts)
        items.push_back(std::move(part));
}

// Where the bracket opened at `open` closes; `end` when it does not.
std::size_t closingOf(const Trimmed& t, std::size_t open) {
    int depth = 0;
    for (std::size_t at = open; at < t.end; ++at) {
        if (t.isSign(at, "("))
            ++depth;
        else if (t.isSign(at, ")") && --depth == 0)
            return at;
    }
    return t.end;
}

// The items of input or output after the keyword and its colon: "x, y" or
// "(x, y)".
std::optional<std::vector<Expr>> readItems(Trimmed& t, bool targets) {
    if (t.end - t.begin >= 2 && t.isSign(t.begin, "(") && t.isSign(t.end - 1, ")") &&
        closingOf(t, t.begin) == t.end - 1) {
        ++t.begin;
        --t.end;
    }
    if (t.begin == t.end)
        return std::vector<Expr>{};
    Parser parser(t.tokens, t.begin, t.end);
    std::vector<Expr> items = parser.list(targets);
    if (parser.failed())
        return std::nullopt;
    return items;
}

std::optional<Stmt> readInputOutput(Trimmed& t) {
    if (t.end - t.begin >= 2 && t.tokens[t.begin + 1].kind == Token::Kind::Sign &&
        oneOf(t.tokens[t.begin + 1].text, {":=", "<-", "=", "["}))
        return std::nullopt;
    const std::string word = t.firstWord();
    const bool input = isInputWord(word);
    const bool output = isOutputWord(word);
    if (!input && !output)
        return std::nullopt;
    if (word == "gib" && !t.dropLast({"aus"}))
        return std::nullopt;
    ++t.begin;
    if (t.isSign(t.begin, ":"))
        ++t.begin;
    Stmt s = statementOf(input ? Stmt::Kind::Input : Stmt::Kind::Output);
    // INPUT "Zahl?", x: the prompt is shown before reading (the comma after
    // it is often forgotten); a comma at the end is one too many.
    if (input && t.begin + 1 < t.end && t.tokens[t.begin].kind == Token::Kind::Text) {
        s.hasValue = true;
        s.value = literal(Expr::Kind::Text, t.tokens[t.begin].text);
        t.begin += t.isSign(t.begin + 1, ",") ? 2 : 1;
    }
    if (input && t.end - t.begin >= 2 && t.isSign(t.end - 1, ","))
        --t.end;
    auto items = readItems(t, input);
    if (!items)
        return std::nullopt;
    for (Expr& item : *items)
        appendOutputItems(s.items, std::move(item), output);
    return s;
}

bool isName(const Token& token) {
    return token.kind == Token::Kind::Word && !isOperatorWord(token.key);
}

// "{1, 2, 3}" from `begin` to the end.
// An array may be set to no elements ("a <- {}"); a loop needs values.
std::optional<std::vector<Expr>> listLiteral(const Trimmed& t, std::size_t begin,
                                             bool emptyAllowed) {
    if (!t.isSign(begin, "{") || !t.isSign(t.end - 1, "}"))
        return std::nullopt;
    if (begin + 2 == t.end)
        return emptyAllowed ? std::optional(std::vector<Expr>()) : std::nullopt;
    if (begin + 2 > t.end - 1)
        return std::nullopt;
    Parser parser(t.tokens, begin + 1, t.end - 1);
    std::vector<Expr> items = parser.list(false);
    if (parser.failed() || !parser.atEnd())
        return std::nullopt;
    return items;
}

// "var x: int", "var x: int <- 5", "dim x as Integer", "const N = 10",
// "int k <- 0": an assignment of the value, or of the type's zero, that
// gives the name its type.
std::optional<Stmt> readDeclaration(const Trimmed& t) {
    const std::string word = t.firstWord();
    std::size_t at = t.begin + 1;
    std::optional<Scalar> type;
    const bool constant = word == "const";
    if (!oneOf(word, {"var", "dim", "const"})) {
        type = typeNamed(word);
        if (!type)
            return std::nullopt;
    }
    if (at >= t.end || !isName(t.tokens[at]))
        return std::nullopt;
    Stmt s = statementOf(Stmt::Kind::Assign);
    s.target = literal(Expr::Kind::Name, t.tokens[at++].text);
    bool array = false;
    if (!type && (t.isSign(at, ":") || (at < t.end && t.tokens[at].key == "as"))) {
        // "var a: array of double <- {0.5, 1}"
        array = at + 2 < t.end && t.tokens[at + 1].key == "array" && t.tokens[at + 2].key == "of";
        at += array ? 2 : 0;
        if (++at >= t.end)
            return std::nullopt;
        type = typeNamed(t.tokens[at].key);
        // "var p: Punkt": a record of the type the program defines.
        if (!type && !array && !constant && at + 1 == t.end && isName(t.tokens[at])) {
            s.value = literal(Expr::Kind::RecordLiteral, t.tokens[at].text);
            return s;
        }
        if (!type)
            return std::nullopt;
        ++at;
    }
    if (array) {
        if (!t.isArrow(at))
            return std::nullopt;
        auto items = listLiteral(t, at + 1, true);
        if (!items)
            return std::nullopt;
        s.kind = Stmt::Kind::ArrayAssign;
        s.items = std::move(*items);
        s.declared = *type;
        return s;
    }
    if (at == t.end) {
        if (!type || constant)
            return std::nullopt;
        s.value = zeroOf(*type);
    } else {
        if (!t.isArrow(at))
            return std::nullopt;
        auto value = Parser(t.tokens, at + 1, t.end).whole();
        if (!value)
            return std::nullopt;
        s.value = std::move(*value);
    }
    s.declared = type.value_or(Scalar::Unknown);
    return s;
}

// "type Punkt = record{x, y: int; name: string}" (or struct).
std::optional<Stmt> readRecordType(const Trimmed& t) {
    std::size_t at = t.begin;
    if (t.firstWord() != "type" || t.end - at < 6 || !isName(t.tokens[at + 1]) ||
        !t.isSign(at + 2, "=") || !oneOf(t.tokens[at + 3].key, {"record", "struct"}) ||
        !t.isSign(at + 4, "{") || !t.isSign(t.end - 1, "}"))
        return std::nullopt;
    Stmt s = statementOf(Stmt::Kind::RecordType);
    s.name = std::string(t.tokens[at + 1].text);
    std::vector<std::string_view> names;
    for (at += 5; at + 1 < t.end;) {
        if (!isName(t.tokens[at]))
            return std::nullopt;
        names.push_back(t.tokens[at++].text);
        if (t.isSign(at, ",")) {
            ++at;
            continue;
        }
        if (!t.isSign(at, ":") || at + 2 >= t.end)
            return std::nullopt;
        const auto type = typeNamed(t.tokens[at + 1].key);
        if (!type)
            return std::nullopt;
        for (const std::string_view name : names) {
            s.items.push_back(literal(Expr::Kind::Name, name));
            s.items.back().type = *type;
        }
        names.clear();
        at += 2;
        if (t.isSign(at, ";") || (t.isSign(at, ",") && at + 2 < t.end))
            ++at;
    }
    if (!names.empty() || s.items.empty())
        return std::nullopt;
    return s;
}

std::optional<Stmt> readAssignment(const Trimmed& t) {
    Parser parser(t.tokens, t.begin, t.end);
    Expr target = parser.target(false);
    if (parser.failed() ||
        !(parser.takeSign(":=") || parser.takeSign("<-") || parser.takeSign("=")))
        return std::nullopt;
    if (target.kind == Expr::Kind::Name) {
        if (auto items = listLiteral(t, parser.position(), true)) {
            Stmt s = statementOf(Stmt::Kind::ArrayAssign);
            s.target = std::move(target);
            s.items = std::move(*items);
            return s;
        }
    }
    Parser rest(t.tokens, parser.position(), t.end);
    auto value = rest.whole();
    if (!value)
        return std::nullopt;
    Stmt s = statementOf(Stmt::Kind::Assign);
    s.target = std::move(target);
    s.value = std::move(*value);
    return s;
}

std::optional<Stmt> readCall(Trimmed& t, bool bareCall) {
    t.dropFirst({"aufruf", "call", "rufe"});
    if (t.begin >= t.end || t.tokens[t.begin].kind != Token::Kind::Word ||
        isOperatorWord(t.tokens[t.begin].key))
        return std::nullopt;
    Stmt s = statementOf(Stmt::Kind::Call);
    s.name = t.tokens[t.begin].text;
    if (t.end - t.begin == 1)
        return bareCall ? std::optional<Stmt>(s) : std::nullopt;
    auto e = t.expression();
    if (!e || e->kind != Expr::Kind::Call)
        return std::nullopt;
    s.items = std::move(e->args);
    return s;
}

bool isVariable(const Expr& e) {
    return e.kind == Expr::Kind::Name || e.kind == Expr::Kind::Index || e.kind == Expr::Kind::Field;
}

Expr callOf(std::string_view name, std::vector<Expr> args) {
    return makeExpr(Expr::Kind::Call, Op::Add, std::string(name), std::move(args));
}

// "delete(s, i, n)" takes n characters from the i-th out of s; "insert(w,
// s, i)" puts w before the i-th: assignments of copy's pieces.
std::optional<Stmt> textEdit(Stmt call, bool insert) {
    Expr& text = call.items[insert ? 1 : 0];
    if (!isVariable(text))
        return std::nullopt;
    Expr& at = call.items[insert ? 2 : 1];
    const Expr one = literal(Expr::Kind::Int, "1");
    Expr before = callOf("copy", {text, one, binary(Op::Sub, at, one)});
    Expr afterStart = insert ? at : binary(Op::Add, at, call.items[2]);
    Expr after = callOf("copy", {text, std::move(afterStart), callOf("length", {text})});
    Stmt s = statementOf(Stmt::Kind::Assign);
    s.target = text;
    s.value = insert ? binary(Op::Add, binary(Op::Add, std::move(before), call.items[0]),
                              std::move(after))
                     : binary(Op::Add, std::move(before), std::move(after));
    return s;
}

// "inc(x)", "dec(x, 2)": the variable counted up or down. "randomize()":
// every program starts its random numbers anew already.
std::optional<Stmt> stepOf(Stmt call) {
    const std::string name = lowered(call.name);
    if (name == "randomize" && call.items.empty())
        return statementOf(Stmt::Kind::Comment);
    if ((name == "delete" && call.items.size() == 3) ||
        (name == "insert" && call.items.size() == 3))
        return textEdit(std::move(call), name == "insert");
    if (name != "inc" && name != "dec")
        return call;
    if (call.items.empty() || call.items.size() > 2 || !isVariable(call.items[0]))
        return std::nullopt;
    Stmt s = statementOf(Stmt::Kind::Assign);
    s.target = call.items[0];
    Expr step = call.items.size() == 2 ? call.items[1] : literal(Expr::Kind::Int, "1");
    s.value = binary(name == "inc" ? Op::Add : Op::Sub, std::move(call.items[0]), std::move(step));
    return s;
}

bool isCommentLine(std::string_view text) {
    const std::size_t start = text.find_first_not_of(" \t");
    return start != std::string_view::npos &&
           (text.substr(start, 2) == "//" || text.substr(start, 1) == "#");
}

} // namespace

Expr zeroOf(Scalar type) {
    Expr zero = type == Scalar::Real   ? literal(Expr::Kind::Real, "0.0")
                : type == Scalar::Bool ? literal(Expr::Kind::Bool, "false")
                : type == Scalar::Text ? literal(Expr::Kind::Text, "")
                                       : literal(Expr::Kind::Int, "0");
    zero.type =
        type == Scalar::Real || type == Scalar::Bool || type == Scalar::Text ? type : Scalar::Int;
    return zero;
}

std::optional<Scalar> typeNamed(std::string_view lowerWord) {
    if (oneOf(lowerWord, {"int", "integer", "long", "longint", "short", "byte", "cardinal"}))
        return Scalar::Int;
    if (oneOf(lowerWord, {"real", "double", "float", "single", "extended"}))
        return Scalar::Real;
    if (oneOf(lowerWord, {"bool", "boolean"}))
        return Scalar::Bool;
    if (oneOf(lowerWord, {"string", "str", "char"}))
        return Scalar::Text;
    return std::nullopt;
}

std::optional<Expr> readExpression(TextLine line) {
    return Trimmed(line).expression();
}

std::optional<Expr> readIfHead(TextLine line) {
    Trimmed t(line);
    t.dropFirst({"wenn", "falls", "if", "ob"});
    while (t.dropLast({"?", "dann", "then", ":"}))
        ;
    return t.expression();
}

std::optional<Expr> readWhileHead(TextLine line) {
    Trimmed t(line);
    if (t.dropFirst({"so"}) && !t.dropFirst({"lange"}))
        return std::nullopt;
    t.dropFirst({"solange", "while"});
    while (t.dropLast({"tue", "do", "wiederhole", ":"}))
        ;
    return t.expression();
}

std::optional<Expr> readRepeatFoot(TextLine line) {
    Trimmed t(line);
    const bool whileCondition = t.dropFirst({"solange", "while"});
    if (!whileCondition)
        t.dropFirst({"bis", "until"});
    auto condition = t.expression();
    if (condition && whileCondition)
        return unary(Op::Not, std::move(*condition));
    return condition;
}

namespace {

// "foreach x in {1, 2, 3}", "foreach x in a".
std::optional<Stmt> readForEachHead(const Trimmed& t) {
    std::size_t at = t.begin;
    if (t.firstWord() != "foreach" || at + 3 >= t.end || !isName(t.tokens[at + 1]) ||
        t.tokens[at + 2].key != "in")
        return std::nullopt;
    Stmt s = statementOf(Stmt::Kind::ForEach);
    s.target = literal(Expr::Kind::Name, t.tokens[at + 1].text);
    if (at + 4 == t.end && isName(t.tokens[at + 3])) {
        s.value = literal(Expr::Kind::Name, t.tokens[at + 3].text);
        return s;
    }
    auto items = listLiteral(t, at + 3, false);
    if (!items)
        return std::nullopt;
    s.items = std::move(*items);
    return s;
}

} // namespace

std::optional<Stmt> readForHead(TextLine line) {
    Trimmed t(line);
    if (auto each = readForEachHead(t))
        return each;
    if (!t.dropFirst({"f\xFCr", "fuer", "for", "z\xE4hle", "zaehle"}))
        return std::nullopt;
    t.dropFirst({"jedes", "alle"});
    Parser p(t.tokens, t.begin, t.end);
    Stmt s = statementOf(Stmt::Kind::For);
    s.target = p.target(false);
    if (s.target.kind != Expr::Kind::Name ||
        !(p.takeSign(":=") || p.takeSign("<-") || p.takeSign("=") || p.takeWord({"von", "from"})))
        return std::nullopt;
    s.value = p.expression();
    if (p.takeWord({"downto"}))
        s.downward = true;
    else if (!p.takeWord({"bis", "to"}))
        return std::nullopt;
    s.limit = p.expression();
    s.step = literal(Expr::Kind::Int, "1");
    if (p.takeWord({"schrittweite", "schritt", "step", "by"})) {
        s.step = p.expression();
        s.downward = s.step.kind == Expr::Kind::Unary && s.step.op == Op::Neg;
        if (s.downward)
            s.step = Expr(s.step.args[0]);
    }
    if (p.takeWord({"abw\xE4rts", "abwaerts",
                    "r\xFC"
                    "ckw\xE4rts",
                    "rueckwaerts"}))
        s.downward = true;
    p.takeWord({"tue", "do"});
    if (p.failed() || !p.atEnd())
        return std::nullopt;
    return s;
}

std::optional<Expr> readCaseSelector(TextLine line) {
    Trimmed t(line);
    t.dropFirst({"fallunterscheidung", "fall", "case", "switch", "auswahl", "w\xE4hle", "waehle"});
    t.dropFirst({"von", "of", "nach"});
    while (t.dropLast({"of", "?", ":", "von"}))
        ;
    return t.expression();
}

std::optional<std::vector<Expr>> readCaseLabel(TextLine line) {
    Trimmed t(line);
    t.dropFirst({"fall", "case"});
    t.dropLast({":"});
    if (t.bad || t.begin >= t.end)
        return std::nullopt;
    Parser parser(t.tokens, t.begin, t.end);
    std::vector<Expr> labels = parser.list(false);
    if (parser.failed())
        return std::nullopt;
    return labels;
}

std::optional<Stmt> readStatement(TextLine line, bool bareCall) {
    if (isCommentLine(line.text)) {
        Stmt s = statementOf(Stmt::Kind::Comment);
        s.source.emplace_back(line.text);
        return s;
    }
    Trimmed t(line);
    if (t.bad || t.begin == t.end)
        return std::nullopt;
    std::optional<Stmt> s = readExit(t);
    if (!s)
        s = readRecordType(t);
    if (!s)
        s = readDeclaration(t);
    if (!s)
        s = readAssignment(t);
    if (!s)
        s = readInputOutput(t);
    if (!s)
        s = readCall(t, bareCall);
    if (s && s->kind == Stmt::Kind::Call)
        s = stepOf(std::move(*s));
    return s;
}

std::optional<std::vector<Expr>> readOutputItems(TextLine line) {
    Trimmed t(line);
    if (t.bad || t.begin == t.end)
        return std::nullopt;
    return readItems(t, false);
}

namespace {

// One parameter of a header: "a", "a: int", "int a", "a as Integer",
// "var a: int". The name and its declared type; nothing for another form.
std::optional<std::pair<std::string, Scalar>> readParameter(const std::vector<Token>& tokens,
                                                            std::size_t begin, std::size_t end) {
    if (begin < end && tokens[begin].kind == Token::Kind::Word &&
        oneOf(tokens[begin].key, {"var", "const"}) && end - begin > 1)
        ++begin;
    const auto word = [&](std::size_t at) {
        return at < end && tokens[at].kind == Token::Kind::Word;
    };
    if (end - begin == 1 && word(begin))
        return std::pair{std::string(tokens[begin].text), Scalar::Unknown};
    if (end - begin == 2 && word(begin) && word(begin + 1)) {
        if (const auto type = typeNamed(tokens[begin].key))
            return std::pair{std::string(tokens[begin + 1].text), *type};
        return std::nullopt;
    }
    const bool typed = end - begin == 3 && word(begin) && word(begin + 2) &&
                       (tokens[begin + 1].text == ":" || tokens[begin + 1].key == "as");
    if (!typed)
        return std::nullopt;
    const auto type = typeNamed(tokens[begin + 2].key);
    if (!type)
        return std::nullopt;
    return std::pair{std::string(tokens[begin].text), *type};
}

} // namespace

Title readTitle(std::string_view title) {
    Title result;
    Trimmed t(TextLine{title, false});
    std::size_t open = t.begin;
    while (open < t.end && !t.isSign(open, "("))
        ++open;
    std::size_t first = t.begin;
    // "int ggT(int a, int b)": the result's type before the name.
    if (open < t.end && open - t.begin >= 2 && t.tokens[t.begin].kind == Token::Kind::Word) {
        if (const auto type = typeNamed(t.tokens[t.begin].key)) {
            result.result = *type;
            ++first;
        }
    }
    for (std::size_t i = first; i < open; ++i) {
        if (t.tokens[i].kind == Token::Kind::Word || t.tokens[i].kind == Token::Kind::Number) {
            std::string word(t.tokens[i].text);
            if (!result.name.empty() && !word.empty() && word[0] >= 'a' && word[0] <= 'z')
                word[0] = static_cast<char>(word[0] - 'a' + 'A');
            result.name += word;
        }
    }
    std::size_t close = open;
    while (close < t.end && !t.isSign(close, ")"))
        ++close;
    if (t.bad || close >= t.end)
        return result;
    // "ggT(a: int; b: int): int": the result's type after the parameters.
    if (close + 1 < t.end) {
        const auto type = close + 3 == t.end && t.isSign(close + 1, ":")
                              ? typeNamed(t.tokens[close + 2].key)
                              : std::nullopt;
        if (!type)
            return result;
        result.result = *type;
    }
    Title parameters = result;
    for (std::size_t begin = open + 1; begin < close;) {
        std::size_t end = begin;
        while (end < close && !t.isSign(end, ",") && !t.isSign(end, ";"))
            ++end;
        const auto parameter = readParameter(t.tokens, begin, end);
        if (!parameter)
            return result;
        parameters.parameters.push_back(parameter->first);
        parameters.parameterTypes.push_back(parameter->second);
        begin = end + 1;
        if (end + 1 == close)
            return result;
    }
    parameters.hasParameters = true;
    return parameters;
}

bool looksLikeStatement(TextLine line) {
    // Searched in the text: a line that does not even tokenize counts too.
    const std::size_t start = line.text.find_first_not_of(" \t");
    const std::size_t end = line.text.find_first_of(" \t:(", start);
    std::string word = start == std::string_view::npos
                           ? std::string()
                           : lowered(line.text.substr(start, end - start));
    if (line.keywords != nullptr) {
        for (const auto& [own, builtIn] : *line.keywords) {
            if (own == word)
                word = builtIn;
        }
    }
    if (isInputWord(word) || isOutputWord(word))
        return true;
    return line.text.find(":=") != std::string_view::npos ||
           line.text.find("<-") != std::string_view::npos ||
           (line.symbol && line.text.find('\xAC') != std::string_view::npos);
}

} // namespace velbrant::code
