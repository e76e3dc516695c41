#include "model/code/pseudocode.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <initializer_list>

namespace velbrant::code {

namespace {

struct Token {
    enum class Kind : std::uint8_t { Word, Number, Text, Sign, Bad };
    Kind kind = Kind::Bad;
    // A view of the line being read.
    std::string_view text;
    bool real = false;
    // A word in lower case, for keywords; signs as they are.
    std::string key = {};
};

bool isLetter(unsigned char c) {
    if ((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || c == '_')
        return true;
    // Windows-1252 letters: Š Œ Ž š œ ž Ÿ and À..ÿ without × and ÷.
    if (c == 0x8A || c == 0x8C || c == 0x8E || c == 0x9A || c == 0x9C || c == 0x9E || c == 0x9F)
        return true;
    return c >= 0xC0 && c != 0xD7 && c != 0xF7;
}

bool isDigit(unsigned char c) {
    return c >= '0' && c <= '9';
}

// The closing quote for an opening one: "…", '…', „…“, “…”.
std::optional<std::array<unsigned char, 2>> closingQuotes(unsigned char open) {
    switch (open) {
    case '"':
        return std::array<unsigned char, 2>{'"', '"'};
    case '\'':
        return std::array<unsigned char, 2>{'\'', '\''};
    case 0x84:
    case 0x93:
        return std::array<unsigned char, 2>{0x93, 0x94};
    default:
        return std::nullopt;
    }
}

// Symbol-font bytes that mean a sign of the notation.
const char* symbolSign(unsigned char c) {
    switch (c) {
    case 0xAC:
        return "<-";
    case 0xB9:
        return "<>";
    case 0xA3:
        return "<=";
    case 0xB3:
        return ">=";
    default:
        return nullptr;
    }
}

constexpr std::array<std::string_view, 12> TwoCharSigns = {
    ":=", "<-", "<=", ">=", "<>", "!=", "==", "..", "&&", "||", "//", "**"};

std::vector<Token> tokenize(TextLine line) {
    std::vector<Token> tokens;
    const std::string_view s = line.text;
    tokens.reserve(s.size() / 3 + 1);
    std::size_t i = 0;
    while (i < s.size()) {
        const auto c = static_cast<unsigned char>(s[i]);
        if (c == ' ' || c == '\t' || c == 0xA0) {
            ++i;
        } else if (line.symbol && symbolSign(c) != nullptr) {
            tokens.push_back({Token::Kind::Sign, symbolSign(c)});
            ++i;
        } else if (isLetter(c) && !(line.symbol && c >= 0xC0)) {
            const std::size_t start = i;
            while (i < s.size() && (isLetter(static_cast<unsigned char>(s[i])) ||
                                    isDigit(static_cast<unsigned char>(s[i]))))
                ++i;
            const std::string_view word = s.substr(start, i - start);
            tokens.push_back({Token::Kind::Word, word, false, lowered(word)});
        } else if (isDigit(c)) {
            const std::size_t start = i;
            while (i < s.size() && isDigit(static_cast<unsigned char>(s[i])))
                ++i;
            bool real = false;
            if (i + 1 < s.size() && s[i] == '.' && isDigit(static_cast<unsigned char>(s[i + 1]))) {
                real = true;
                ++i;
                while (i < s.size() && isDigit(static_cast<unsigned char>(s[i])))
                    ++i;
            }
            tokens.push_back({Token::Kind::Number, s.substr(start, i - start), real});
        } else if (const auto quotes = closingQuotes(c)) {
            const std::size_t start = ++i;
            while (i < s.size() && static_cast<unsigned char>(s[i]) != (*quotes)[0] &&
                   static_cast<unsigned char>(s[i]) != (*quotes)[1])
                ++i;
            if (i == s.size())
                return {{Token::Kind::Bad, {}}};
            tokens.push_back({Token::Kind::Text, s.substr(start, i - start)});
            ++i;
        } else {
            const std::string_view two = s.substr(i, 2);
            if (std::find(TwoCharSigns.begin(), TwoCharSigns.end(), two) != TwoCharSigns.end()) {
                tokens.push_back({Token::Kind::Sign, two});
                i += 2;
            } else if (std::string_view("=<>+-*/()[],:?!%;").find(static_cast<char>(c)) !=
                       std::string_view::npos) {
                tokens.push_back({Token::Kind::Sign, s.substr(i, 1)});
                ++i;
            } else {
                return {{Token::Kind::Bad, {}}};
            }
        }
    }
    return tokens;
}

bool oneOf(std::string_view word, std::initializer_list<std::string_view> words) {
    return std::find(words.begin(), words.end(), word) != words.end();
}

// Keywords with umlauts are spelt in Windows-1252, as the texts are.

// Words that are operators or literals, never names.
bool isOperatorWord(std::string_view lower) {
    return oneOf(lower, {"und", "and", "oder", "or", "nicht", "not", "wahr", "true", "falsch",
                         "false", "div", "mod", "xor"});
}

Expr literal(Expr::Kind kind, std::string_view text) {
    return makeExpr(kind, Op::Add, std::string(text));
}

Expr unary(Op op, Expr operand) {
    Expr e = makeExpr(Expr::Kind::Unary, op);
    e.args.push_back(std::move(operand));
    return e;
}

Expr binary(Op op, Expr left, Expr right) {
    // Moved in one by one: a braced list would copy both subtrees.
    Expr e = makeExpr(Expr::Kind::Binary, op);
    e.args.reserve(2);
    e.args.push_back(std::move(left));
    e.args.push_back(std::move(right));
    return e;
}

// Integer literals beyond 32 bits do not compile everywhere.
bool fitsInt(std::string_view digits) {
    const std::string_view trimmed =
        digits.substr(std::min(digits.find_first_not_of('0'), digits.size()));
    return trimmed.size() < 10 || (trimmed.size() == 10 && trimmed <= "2147483647");
}

// Recursive descent over a token range; any failure leaves `failed` set
// and the result meaningless.
class Parser {
public:
    Parser(const std::vector<Token>& tokens, std::size_t begin, std::size_t end)
        : m_tokens(tokens), m_pos(begin), m_end(end) {}

    bool atEnd() const { return m_pos >= m_end; }
    bool failed() const { return m_failed; }
    std::size_t position() const { return m_pos; }

    // Deeper nesting than any program needs is refused, not recursed into:
    // a head joins all of an element's lines.
    static constexpr int MaxDepth = 200;

    Expr expression() {
        if (++m_depth > MaxDepth)
            return fail();
        Expr e = disjunction();
        --m_depth;
        return e;
    }

    // The whole range as one expression.
    std::optional<Expr> whole() {
        Expr e = expression();
        if (m_failed || !atEnd())
            return std::nullopt;
        return e;
    }

    bool isSign(std::string_view sign) const {
        return !atEnd() && m_tokens[m_pos].kind == Token::Kind::Sign &&
               m_tokens[m_pos].text == sign;
    }
    bool isWord(std::initializer_list<std::string_view> words) const {
        return !atEnd() && m_tokens[m_pos].kind == Token::Kind::Word &&
               oneOf(m_tokens[m_pos].key, words);
    }
    bool takeSign(std::string_view sign) {
        if (!isSign(sign))
            return false;
        ++m_pos;
        return true;
    }
    bool takeWord(std::initializer_list<std::string_view> words) {
        if (!isWord(words))
            return false;
        ++m_pos;
        return true;
    }

    // A name, optionally indexed; with `ranges`, "a[lo..hi]" too.
    Expr target(bool ranges) {
        if (atEnd() || m_tokens[m_pos].kind != Token::Kind::Word ||
            isOperatorWord(m_tokens[m_pos].key))
            return fail();
        Expr e = literal(Expr::Kind::Name, m_tokens[m_pos++].text);
        if (!takeSign("["))
            return e;
        e.args.push_back(expression());
        e.kind = Expr::Kind::Index;
        if (ranges && takeSign("..")) {
            e.args.push_back(expression());
            e.kind = Expr::Kind::Range;
        }
        if (!takeSign("]"))
            return fail();
        return e;
    }

    // Comma-separated expressions (or targets) up to the end of the range.
    std::vector<Expr> list(bool targets) {
        std::vector<Expr> items;
        do {
            items.push_back(targets ? target(true) : expression());
        } while (!m_failed && takeSign(","));
        if (!atEnd())
            fail();
        return items;
    }

    Expr fail() {
        m_failed = true;
        m_pos = m_end;
        return {};
    }

private:
    Expr disjunction() {
        Expr e = conjunction();
        while (takeWord({"oder", "or"}) || takeSign("||"))
            e = binary(Op::Or, std::move(e), conjunction());
        return e;
    }
    Expr conjunction() {
        Expr e = negation();
        while (takeWord({"und", "and"}) || takeSign("&&"))
            e = binary(Op::And, std::move(e), negation());
        return e;
    }
    Expr negation() {
        if (takeWord({"nicht", "not"}) || takeSign("!"))
            return unary(Op::Not, nested(&Parser::negation));
        return comparison();
    }
    Expr comparison() {
        Expr e = sum();
        static constexpr std::array<std::pair<std::string_view, Op>, 8> Relations = {{
            {"=", Op::Eq},
            {"==", Op::Eq},
            {"<>", Op::Ne},
            {"!=", Op::Ne},
            {"<=", Op::Le},
            {">=", Op::Ge},
            {"<", Op::Lt},
            {">", Op::Gt},
        }};
        for (const auto& [sign, op] : Relations) {
            if (takeSign(sign))
                return binary(op, std::move(e), sum());
        }
        return e;
    }
    Expr sum() {
        Expr e = product();
        for (;;) {
            if (takeSign("+"))
                e = binary(Op::Add, std::move(e), product());
            else if (takeSign("-"))
                e = binary(Op::Sub, std::move(e), product());
            else
                return e;
        }
    }
    Expr product() {
        Expr e = signedFactor();
        for (;;) {
            if (takeSign("*"))
                e = binary(Op::Mul, std::move(e), signedFactor());
            else if (takeSign("/"))
                e = binary(Op::Div, std::move(e), signedFactor());
            else if (takeWord({"div"}))
                e = binary(Op::IntDiv, std::move(e), signedFactor());
            else if (takeWord({"mod"}) || takeSign("%"))
                e = binary(Op::Mod, std::move(e), signedFactor());
            else
                return e;
        }
    }
    Expr signedFactor() {
        if (takeSign("-"))
            return unary(Op::Neg, nested(&Parser::signedFactor));
        if (takeSign("+"))
            return nested(&Parser::signedFactor);
        return factor();
    }
    Expr factor() {
        if (atEnd())
            return fail();
        const Token& token = m_tokens[m_pos];
        if (takeSign("(")) {
            Expr e = expression();
            return takeSign(")") ? e : fail();
        }
        if (token.kind == Token::Kind::Number) {
            ++m_pos;
            if (!token.real && !fitsInt(token.text))
                return fail();
            return literal(token.real ? Expr::Kind::Real : Expr::Kind::Int, token.text);
        }
        if (token.kind == Token::Kind::Text) {
            ++m_pos;
            return literal(Expr::Kind::Text, token.text);
        }
        if (takeWord({"wahr", "true"}))
            return literal(Expr::Kind::Bool, "true");
        if (takeWord({"falsch", "false"}))
            return literal(Expr::Kind::Bool, "false");
        if (token.kind != Token::Kind::Word || isOperatorWord(token.key))
            return fail();
        if (m_pos + 1 < m_end && m_tokens[m_pos + 1].kind == Token::Kind::Sign &&
            m_tokens[m_pos + 1].text == "(")
            return call();
        return target(false);
    }
    Expr call() {
        Expr e = literal(Expr::Kind::Call, m_tokens[m_pos].text);
        m_pos += 2;
        if (takeSign(")"))
            return e;
        do {
            e.args.push_back(expression());
        } while (!m_failed && takeSign(","));
        return takeSign(")") ? e : fail();
    }

    Expr nested(Expr (Parser::*rule)()) {
        if (++m_depth > MaxDepth)
            return fail();
        Expr e = (this->*rule)();
        --m_depth;
        return e;
    }

    const std::vector<Token>& m_tokens;
    std::size_t m_pos;
    std::size_t m_end;
    bool m_failed = false;
    int m_depth = 0;
};

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
    const bool input = oneOf(word, {"eingabe", "lies", "read", "readln", "input", "einlesen"});
    const bool output =
        oneOf(word, {"ausgabe", "schreibe", "print", "write", "writeln", "drucke", "gib"});
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

std::string lowered(std::string_view word) {
    std::string result(word);
    for (char& ch : result) {
        const auto c = static_cast<unsigned char>(ch);
        if ((c >= 'A' && c <= 'Z') || (c >= 0xC0 && c <= 0xDE && c != 0xD7))
            ch = static_cast<char>(c + 0x20);
    }
    return result;
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

} // namespace velbrant::code
