#pragma once

#include "model/program/code_tree.h"
#include "model/program/pseudocode.h"

#include <array>
#include <initializer_list>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The expressions of the pseudocode: tokens and a recursive-descent parser
// over a range of them, which the statement forms share.
namespace velbrant::code {

struct Token {
    enum class Kind : std::uint8_t { Word, Number, Text, Sign, Bad };
    Kind kind = Kind::Bad;
    // A view of the line being read.
    std::string_view text;
    bool real = false;
    // A word in lower case, for keywords; signs as they are.
    std::string key = {};
};

std::vector<Token> tokenize(TextLine line);
bool oneOf(std::string_view word, std::initializer_list<std::string_view> words);
// Words that are operators or literals, never names.
bool isOperatorWord(std::string_view lower);
Expr literal(Expr::Kind kind, std::string_view text);
Expr unary(Op op, Expr operand);
Expr binary(Op op, Expr left, Expr right);
// Integer literals beyond 32 bits do not compile everywhere.
bool fitsInt(std::string_view digits);

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

    // A name, optionally indexed, then fields: "p", "a[i]", "a[i].x"; with
    // `ranges`, "a[lo..hi]" too.
    Expr target(bool ranges) {
        if (!isName())
            return fail();
        Expr e = literal(Expr::Kind::Name, m_tokens[m_pos++].text);
        if (takeSign("[")) {
            e.args.push_back(expression());
            e.kind = Expr::Kind::Index;
            if (ranges && takeSign("..")) {
                e.args.push_back(expression());
                e.kind = Expr::Kind::Range;
                return takeSign("]") ? e : fail();
            }
            if (!takeSign("]"))
                return fail();
        }
        while (takeSign(".")) {
            if (!isName())
                return fail();
            Expr field = literal(Expr::Kind::Field, m_tokens[m_pos++].text);
            field.args.push_back(std::move(e));
            e = std::move(field);
        }
        return e;
    }

    bool isName() const {
        return !atEnd() && m_tokens[m_pos].kind == Token::Kind::Word &&
               !isOperatorWord(m_tokens[m_pos].key);
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
        // A single "|" or "&" joins truth values as Structorizer reads them.
        while (takeWord({"oder", "or"}) || takeSign("||") || takeSign("|"))
            e = binary(Op::Or, std::move(e), conjunction());
        return e;
    }
    Expr conjunction() {
        Expr e = negation();
        while (takeWord({"und", "and"}) || takeSign("&&") || takeSign("&"))
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
        if (m_pos + 1 < m_end && m_tokens[m_pos + 1].kind == Token::Kind::Sign &&
            m_tokens[m_pos + 1].text == "{")
            return recordLiteral();
        return target(false);
    }
    // "Punkt{x: 3, y: 4}", "Punkt{}".
    Expr recordLiteral() {
        Expr e = literal(Expr::Kind::RecordLiteral, m_tokens[m_pos].text);
        m_pos += 2;
        if (takeSign("}"))
            return e;
        do {
            if (!isName())
                return fail();
            e.args.push_back(literal(Expr::Kind::Name, m_tokens[m_pos++].text));
            if (!takeSign(":"))
                return fail();
            e.args.push_back(expression());
        } while (!m_failed && takeSign(","));
        return takeSign("}") ? e : fail();
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

} // namespace velbrant::code
