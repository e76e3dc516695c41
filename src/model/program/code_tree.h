#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

// The program a diagram stands for, read from its pseudocode: what every
// language back end writes. Names are the texts' own spellings
// (Windows-1252); the back ends give them the target's identifiers.
namespace velbrant::code {

// A record's value is of the program's record type `record` (an index
// into Program::records).
enum class Scalar : std::uint8_t { Unknown, Int, Real, Bool, Text, Record, Conflict };

struct ValueType {
    Scalar scalar = Scalar::Unknown;
    bool array = false;
    std::int32_t record = -1;
    friend bool operator==(const ValueType&, const ValueType&) = default;
};

enum class Op : std::uint8_t {
    Add,
    Sub,
    Mul,
    Div,
    IntDiv,
    Mod,
    Eq,
    Ne,
    Lt,
    Le,
    Gt,
    Ge,
    And,
    Or,
    Not,
    Neg,
};

struct Expr {
    enum class Kind : std::uint8_t {
        Int,
        Real,
        Text,
        Bool,
        Name,  // a variable
        Index, // name[args[0]]
        Range, // name[args[0]..args[1]], only as an input item
        Call,  // name(args...)
        Field, // args[0].text
        // text{field: value, ...}: read as pairs (a Name, its value); the
        // type check leaves the values of all fields in their order.
        RecordLiteral,
        Unary,  // op args[0]
        Binary, // args[0] op args[1]
        // A truth value no rule could read (text: its line): the program
        // stops there with a message instead of guessing.
        Untranslated,
    };
    Kind kind = Kind::Int;
    Op op = Op::Add;
    // Literal spelling (numbers, texts without quotes, "true"/"false") or name.
    std::string text;
    // A text literal's exact characters (UTF-8) where its element keeps
    // characters that spelling lacks ("→" where it has "->"); empty else.
    std::string exactText;
    std::vector<Expr> args;
    // Filled by the type check: the type, and for a name its symbol's index.
    Scalar type = Scalar::Unknown;
    std::int32_t symbol = -1;
    // The record type of a record's value.
    std::int32_t record = -1;
};

inline Expr makeExpr(Expr::Kind kind, Op op = Op::Add, std::string text = {},
                     std::vector<Expr> args = {}) {
    Expr e;
    e.kind = kind;
    e.op = op;
    e.text = std::move(text);
    e.args = std::move(args);
    return e;
}

struct Stmt;
using Block = std::vector<Stmt>;

struct CaseBranch {
    std::vector<Expr> labels;
    std::string_view labelText;
    // A label that could not be read: the branch is never taken.
    bool unreadLabel = false;
    Block body;
};

struct Stmt {
    enum class Kind : std::uint8_t {
        Assign, // target := value
        Input,  // items (names, indexed names, ranges)
        Output, // items
        Call,   // name(items)
        If,     // value ? bodies[0] : bodies[1]
        While,  // while value: bodies[0]
        Repeat, // bodies[0] until value
        For,    // target := value .. limit step step: bodies[0]
        // target takes each of items in turn, or, without items, each
        // element of the array value: bodies[0]
        ForEach,
        // target := {items}: read as one assignment per element (a[0], a[1],
        // ...) before anything else sees it.
        ArrayAssign,
        ClearArray, // the array target loses its elements
        // "type name = record{...}": its fields are items, names whose type
        // is the field's.
        RecordType,
        Case, // value selects one of branches; else is bodies[0] if hasElse
        Break,
        Return,  // value when hasValue
        End,     // ends the program
        Throw,   // stops the program with value (a text) as its message
        Comment, // source
        Unread,  // source, kept as a comment; stops the program where `stops`
    };
    Kind kind = Kind::Unread;
    Expr target;
    Expr value;
    Expr limit;
    Expr step;
    // Input: a prompt shown before reading, when hasValue.
    bool hasValue = false;
    bool downward = false;
    // The type a declaration gives the target ("var x: int", "double d <- 0").
    Scalar declared = Scalar::Unknown;
    bool hasElse = false;
    std::string name;
    // The called name's symbol index, filled by the type check.
    std::int32_t symbol = -1;
    std::vector<Expr> items;
    std::vector<Block> bodies;
    std::vector<CaseBranch> branches;
    // The text the statement came from, or a compound statement's head:
    // views of the diagram's lines, which outlive the program.
    std::vector<std::string_view> source;
    bool unreadHead = false;
    // An unread line that would set, read or show a value: the program
    // stops there rather than go on without it. Prose stays a comment.
    bool stops = false;
};

// A statement's lines, or a compound statement's head, as one line.
inline std::string sourceText(const Stmt& s) {
    std::string text;
    for (const std::string_view line : s.source)
        text += (text.empty() ? "" : " ") + std::string(line);
    return text;
}

// The condition that stands for a head no rule could read.
inline Expr untranslated(std::string text) {
    Expr e = makeExpr(Expr::Kind::Untranslated, Op::Add, std::move(text));
    e.type = Scalar::Bool;
    return e;
}

struct RecordField {
    std::string name;
    Scalar type = Scalar::Unknown;
};

struct RecordType {
    std::string name;
    std::vector<RecordField> fields;
};

struct Program {
    std::string title;
    // The record types the program's diagrams define, each name once.
    std::vector<RecordType> records;
    std::vector<std::string> comment;
    // A title "name(a, b)" makes the diagram a function of these parameters.
    std::string name;
    std::vector<std::string> parameters;
    // The types the title declares for them, and for the result.
    std::vector<Scalar> parameterTypes;
    Scalar result = Scalar::Unknown;
    // Set by the title's parameters or by a return with a value.
    bool isFunction = false;
    // Called by another diagram of the program, not run by itself: its
    // parameters come from the call (arrays too), not from the input.
    bool isRoutine = false;
    // Lines the statements read that the diagram does not hold itself: a
    // Structorizer file's own text of an element whose lines were cut to
    // the length a diagram's line can have. Shared by copies.
    std::vector<std::shared_ptr<const std::vector<std::string>>> fileLines;
    Block body;
};

} // namespace velbrant::code
