#include "model/program/expression_parser.h"

#include "model/files/windows1252.h"

#include <algorithm>
#include <array>
#include <cstdint>

namespace velbrant::code {

namespace {

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
    case 0xB4:
        return "*";
    case 0xB8:
        return "/";
    default:
        return nullptr;
    }
}

constexpr std::array<std::string_view, 12> TwoCharSigns = {
    ":=", "<-", "<=", ">=", "<>", "!=", "==", "..", "&&", "||", "//", "**"};

} // namespace

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
        } else if (c == 0xD7 || c == 0xF7) {
            // The multiplication and division signs a teacher writes.
            tokens.push_back({Token::Kind::Sign, c == 0xD7 ? "*" : "/"});
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
            } else if (std::string_view("=<>+-*/()[]{},:?!%;&|.").find(static_cast<char>(c)) !=
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

} // namespace velbrant::code
