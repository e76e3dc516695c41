#include "model/program/pseudocode.h"

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
    return oneOf(word, {"ausgabe", "schreibe", "print", "write", "writeln", "drucke", "gib"});
}

Stmt statementOf(Stmt::Kind kind) {
    Stmt s;
    s.kind = kind;
    return s;
}

std::optional<Stmt> readExit(Trimmed& t) {
    const std::string word = t.firstWord();
    if (oneOf(word, {"verlasse", "break"}))
        return statementOf(Stmt::Kind::Break);
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

// The items of input or output after the keyword: "x, y", ": x, y" or "(x, y)".
std::optional<std::vector<Expr>> readItems(Trimmed& t, bool targets) {
    if (t.begin < t.end && t.tokens[t.begin].kind == Token::Kind::Sign &&
        t.tokens[t.begin].text == ":")
        ++t.begin;
    if (t.end - t.begin >= 2 && t.tokens[t.begin].text == "(" && t.tokens[t.end - 1].text == ")" &&
        t.tokens[t.begin].kind == Token::Kind::Sign) {
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
    auto items = readItems(t, input);
    if (!items)
        return std::nullopt;
    Stmt s = statementOf(input ? Stmt::Kind::Input : Stmt::Kind::Output);
    s.items = std::move(*items);
    return s;
}

std::optional<Stmt> readAssignment(const Trimmed& t) {
    Parser parser(t.tokens, t.begin, t.end);
    Expr target = parser.target(false);
    if (parser.failed() ||
        !(parser.takeSign(":=") || parser.takeSign("<-") || parser.takeSign("=")))
        return std::nullopt;
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

bool isCommentLine(std::string_view text) {
    const std::size_t start = text.find_first_not_of(" \t");
    return start != std::string_view::npos &&
           (text.substr(start, 2) == "//" || text.substr(start, 1) == "#");
}

} // namespace

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

std::optional<Stmt> readForHead(TextLine line) {
    Trimmed t(line);
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
        s = readAssignment(t);
    if (!s)
        s = readInputOutput(t);
    if (!s)
        s = readCall(t, bareCall);
    return s;
}

std::optional<std::vector<Expr>> readOutputItems(TextLine line) {
    Trimmed t(line);
    if (t.bad || t.begin == t.end)
        return std::nullopt;
    return readItems(t, false);
}

Title readTitle(std::string_view title) {
    Title result;
    Trimmed t(TextLine{title, false});
    std::size_t open = t.begin;
    while (open < t.end &&
           !(t.tokens[open].kind == Token::Kind::Sign && t.tokens[open].text == "("))
        ++open;
    for (std::size_t i = t.begin; i < open; ++i) {
        if (t.tokens[i].kind == Token::Kind::Word || t.tokens[i].kind == Token::Kind::Number) {
            std::string word(t.tokens[i].text);
            if (!result.name.empty() && !word.empty() && word[0] >= 'a' && word[0] <= 'z')
                word[0] = static_cast<char>(word[0] - 'a' + 'A');
            result.name += word;
        }
    }
    if (t.bad || open == t.end || t.tokens[t.end - 1].text != ")")
        return result;
    for (std::size_t i = open + 1; i + 1 < t.end; ++i) {
        const Token& token = t.tokens[i];
        const bool expectName = (i - open) % 2 == 1;
        if (expectName ? token.kind != Token::Kind::Word : token.text != ",")
            return result;
        if (expectName)
            result.parameters.emplace_back(token.text);
    }
    result.hasParameters = (t.end - open) % 2 == 1 || t.end - open == 2;
    if (!result.hasParameters)
        result.parameters.clear();
    return result;
}

bool looksLikeStatement(TextLine line) {
    const Trimmed t(line);
    const std::string word = t.firstWord();
    if (isInputWord(word) || isOutputWord(word))
        return true;
    return std::any_of(t.tokens.begin(), t.tokens.end(), [](const Token& token) {
        return token.kind == Token::Kind::Sign && oneOf(token.text, {":=", "<-"});
    });
}

} // namespace velbrant::code
