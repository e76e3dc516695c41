#pragma once

#include "model/program/type_check.h"

#include <set>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace velbrant::code {

// What every back end shares: lines at an indentation, identifiers for the
// program's names, the walk over the statements, and expressions written
// by the target's operators and precedence. A back end states its syntax.
class CodeWriter {
public:
    explicit CodeWriter(const TypedProgram& program);
    virtual ~CodeWriter() = default;
    CodeWriter(const CodeWriter&) = delete;
    CodeWriter& operator=(const CodeWriter&) = delete;

    std::string write();

    // Arrays hold the indices from their lowest one up to this.
    static constexpr int HighestIndex = 1000;

protected:
    virtual void writeProgram() = 0;

    // Statements.
    virtual void assign(const Stmt& s) = 0;
    virtual void input(const Stmt& s) = 0;
    virtual void output(const Stmt& s) = 0;
    virtual void call(const Stmt& s) = 0;
    virtual void ifStatement(const Stmt& s) = 0;
    virtual void whileLoop(const Stmt& s) = 0;
    virtual void repeatLoop(const Stmt& s) = 0;
    virtual void forLoop(const Stmt& s) = 0;
    virtual void caseStatement(const Stmt& s) = 0;
    virtual void jump(const Stmt& s) = 0;
    // The statement that does nothing, after a kept text.
    virtual std::string emptyStatement() const = 0;

    // Comments.
    virtual std::string commentPrefix() const = 0;
    // What a comment's text must become to stay one comment line.
    virtual std::string commentText(std::string utf8) const { return utf8; }
    void comment(std::string_view windows1252);
    // A comment of the program's own (UTF-8) before a text of the diagram.
    void noteComment(std::string_view note, std::string_view windows1252);
    // The diagram's title and comment lines.
    void headerComment();
    void unreadComment(const std::vector<std::string_view>& source);

    // Expressions.
    virtual int precedence(Op op) const = 0;
    virtual std::string spelling(Op op) const = 0;
    virtual std::string boolLiteral(bool value) const = 0;
    virtual std::string textLiteral(std::string_view windows1252) const = 0;
    // The target's form of what is not an operator between operands.
    virtual std::string special(const Expr& e);
    virtual bool needsParentheses(const Expr& child, const Expr& parent, bool right) const;
    virtual std::string indexed(const Expr& e);
    std::string expr(const Expr& e);
    std::string operand(const Expr& child, const Expr& parent, bool right);
    std::string numberLiteral(const Expr& e) const;

    // Names.
    std::string id(std::string_view name) const;
    // A name of the program's text, by the symbol the check found for it.
    const std::string& id(const Expr& e) const;
    const std::string& calleeId(const Stmt& s) const;
    const Symbol& symbol(std::string_view name) const;
    const std::string& programName() const { return m_programName; }
    // Variables to declare, in order of first use (parameters left out).
    std::vector<const Symbol*> variables() const;
    std::vector<const Symbol*> subroutines() const;
    // A stub's parameters: p1, p2, ...
    static std::vector<std::string> stubParameters(const Symbol& routine);
    std::string argumentList(const std::vector<Expr>& args);
    // The lowest index of an array whose lowest use is below zero, else 0.
    long long indexOffset(const Expr& array) const;

    // Lines.
    void line(std::string text);
    void blank();
    void indent() { ++m_depth; }
    void dedent() { --m_depth; }
    virtual void block(const Block& statements);
    // The block one level deeper.
    virtual void nested(const Block& statements);
    void statement(const Stmt& s);

    // Questions about the program.
    bool readsInput(Scalar type) const;
    // What reads a value of the type from the input: the expression for
    // integers, reals or words; a truth value is not read, it is `none`.
    static std::string readingWith(Scalar type, std::string_view integer, std::string_view real,
                                   std::string_view text, std::string_view none);
    bool endsProgram() const { return m_endsProgram; }
    static bool hasCode(const Block& statements);
    // A break in the block that leaves a loop around it.
    static bool breaksLoop(const Block& statements);
    // Labels that are distinct literals of the selector's type, none unread.
    bool plainLabels(const Stmt& s, bool textAllowed) const;
    static bool isConstant(const Expr& e);
    // Output items are separated by a space, except next to a text literal.
    static bool spacedBefore(const std::vector<Expr>& items, std::size_t i);
    static bool assignsName(const Block& statements, std::string_view name);
    static Expr negated(const Expr& condition);
    // "nicht (x > 5)" as "x <= 5".
    static Expr plain(const Expr& condition);
    static Expr equality(const Expr& selector, const Expr& label);

    const TypedProgram& m_typed;
    const Program& m_program;
    std::string m_indentUnit = "    ";

private:
    void assignIdentifiers();
    void surveyProgram();

    std::vector<std::string> m_lines;
    int m_depth = 0;
    std::string m_programName;
    std::unordered_map<std::string, std::string> m_ids;
    std::vector<std::string> m_idsBySymbol;
    std::set<Scalar> m_inputTypes;
    bool m_endsProgram = false;
};

std::string utf8(std::string_view windows1252);

} // namespace velbrant::code
