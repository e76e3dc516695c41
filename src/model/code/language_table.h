#pragma once

#include "model/program/builtins.h"
#include "model/program/code_tree.h"

#include <array>
#include <cstddef>
#include <span>
#include <string_view>

// What the four languages say in other words: operators with their order
// of binding, type names, zero values, the expressions that read a value,
// literals and comment marks. Each back end keeps one such table; what
// differs in control flow stays code in the back end.
namespace velbrant::code {

inline constexpr std::size_t OpCount = static_cast<std::size_t>(Op::Neg) + 1;
inline constexpr std::size_t ScalarCount = static_cast<std::size_t>(Scalar::Conflict) + 1;

// An operator's spelling and how tightly it binds: an operand whose
// operator has a lower order than its parent's is put in parentheses.
struct OperatorForm {
    OperatorForm() = default;
    // `order` is a language's own enumeration of its levels, loosest first.
    template <typename Order>
    constexpr OperatorForm(std::string_view text, Order level)
        : spelling(text), order(static_cast<int>(level)) {}

    std::string_view spelling;
    int order = 0;
};

// An operator inside another that the target wants in parentheses though
// their order does not ask for them (to keep a compiler quiet).
struct ParenthesizedPair {
    Op outer;
    Op inner;
};

using OperatorTable = std::array<OperatorForm, OpCount>;

struct Truth {
    std::string_view trueLiteral;
    std::string_view falseLiteral;
};

struct Comments {
    // A comment line.
    std::string_view prefix;
    // A comment after a statement on its line.
    std::string_view lineEnd;
};

// Jumps where the languages differ only in words: leaving a loop, ending
// the program, returning a value (open, value, close), and returning from
// the main program.
struct JumpWords {
    std::string_view leaveLoop;
    std::string_view endProgram;
    std::string_view returnOpen;
    std::string_view returnClose;
    std::string_view programReturn;
};

// A conditional where the languages differ only in words: open, condition,
// close, the then branch, the else line and its branch, and an end line
// unless it is empty.
struct IfWords {
    std::string_view open;
    std::string_view close;
    std::string_view otherwise;
    std::string_view end;
};
// Indexed by Scalar: Unknown, Int, Real, Bool, Text, Record, Conflict. A
// name whose type was not told is declared an integer; a record's entries
// are not used.
using ScalarTable = std::array<std::string_view, ScalarCount>;

struct LanguageTable {
    OperatorTable operators;
    ScalarTable typeNames;
    ScalarTable zeros;
    // The expression that reads a value of the type from the input; a
    // truth value is not read, it is false.
    ScalarTable readers;
    Truth truth;
    Comments comments;
    // The statement that does nothing, after a kept text; empty where a
    // comment alone is a statement.
    std::string_view emptyStatement;
    // What ends a statement that is a call.
    std::string_view statementEnd = ";";
    std::string_view indentUnit = "    ";
    IfWords ifWords = {};
    JumpWords jumps = {};
    std::span<const ParenthesizedPair> parenthesized = {};
    // Each standard routine as an expression of its arguments {0} and {1},
    // in the order of `Builtin`; whole, so that it is one operand.
    std::array<std::string_view, BuiltinCount> builtins = {};

    const OperatorForm& form(Op op) const { return operators[static_cast<std::size_t>(op)]; }
    std::string_view typeName(Scalar type) const { return typeNames[index(type)]; }
    std::string_view zero(Scalar type) const { return zeros[index(type)]; }
    std::string_view reader(Scalar type) const { return readers[index(type)]; }
    bool parenthesizes(Op outer, Op inner) const {
        for (const ParenthesizedPair& pair : parenthesized) {
            if (pair.outer == outer && pair.inner == inner)
                return true;
        }
        return false;
    }

private:
    static std::size_t index(Scalar type) { return static_cast<std::size_t>(type); }
};

// The operator table in the order of `Op`, checked entry by entry against
// it, so that a new operator cannot shift the spellings of the others.
struct OperatorEntry {
    Op op;
    OperatorForm form;
};

template <std::size_t N>
consteval OperatorTable operatorTable(const std::array<OperatorEntry, N>& entries) {
    static_assert(N == OpCount, "one entry per operator");
    OperatorTable table{};
    for (std::size_t i = 0; i < N; ++i) {
        if (static_cast<std::size_t>(entries[i].op) != i)
            throw "operators out of order";
        table[i] = entries[i].form;
    }
    return table;
}

// A scalar table: unknown and contradicting types take the integer's entry.
consteval ScalarTable scalarTable(std::string_view integer, std::string_view real,
                                  std::string_view truth, std::string_view text) {
    return {integer, integer, real, truth, text, integer, integer};
}

// One table per language (language_tables.cpp).
extern const LanguageTable PythonLanguage;
extern const LanguageTable JavaLanguage;
extern const LanguageTable CLanguage;
extern const LanguageTable PascalLanguage;

} // namespace velbrant::code
