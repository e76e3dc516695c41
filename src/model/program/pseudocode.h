#pragma once

#include "model/program/code_tree.h"

#include <optional>
#include <string>
#include <string_view>

// The school pseudocode of element texts, German and English: expressions,
// statement lines and the heads of the compound elements. Texts are
// Windows-1252; `symbol` says the element's font is Symbol, whose bytes for
// the arrow and the relation signs stand for themselves.
namespace velbrant::code {

// The words a Structorizer file names as its keywords (lower case,
// Windows-1252), each with the built-in word it stands for: a file that
// says input="EINGABE" reads "EINGABE x" as "input x".
using Keywords = std::vector<std::pair<std::string, std::string>>;

struct TextLine {
    std::string_view text;
    bool symbol = false;
    const Keywords* keywords = nullptr;
};

// The type a type name stands for ("int", "Integer", "double", "String",
// "boolean", ...), if it names one.
std::optional<Scalar> typeNamed(std::string_view lowerWord);
// The type's zero as a literal: 0, 0.0, false or "".
Expr zeroOf(Scalar type);

std::optional<Expr> readExpression(TextLine line);

// A condition: an expression; a caller checks that it is a truth value.
std::optional<Expr> readIfHead(TextLine line);
std::optional<Expr> readWhileHead(TextLine line);
// The foot of a repeat loop as the condition that ends it: "bis C" and a
// bare C end on C, "solange C" ends on "nicht C".
std::optional<Expr> readRepeatFoot(TextLine line);
// A counting loop head; the statement comes back without its body.
std::optional<Stmt> readForHead(TextLine line);
std::optional<Expr> readCaseSelector(TextLine line);
// A branch label: one or more values separated by commas.
std::optional<std::vector<Expr>> readCaseLabel(TextLine line);

// One statement line: assignment, input, output, exits, calls, comments.
// `bareCall` lets a lone name be a call (the text of a call element).
// Input and output without items come back with none: the caller may
// continue them with the next line's items.
std::optional<Stmt> readStatement(TextLine line, bool bareCall);
// Whether a line no rule read still sets, reads or shows a value (an
// assignment arrow, an input or output word): a program must not go on
// without it. Other lines are prose.
bool looksLikeStatement(TextLine line);
// The items of an output line continued on the next line.
std::optional<std::vector<Expr>> readOutputItems(TextLine line);

// A routine's header: "ggT(a, b)", "ggT(a: int; b: int): int" or
// "int ggT(int a, int b)": the name, the parameters with the types they
// are declared with (Unknown where none) and the result's type. A plain
// title: its words as one name.
struct Title {
    std::string name;
    std::vector<std::string> parameters;
    std::vector<Scalar> parameterTypes;
    Scalar result = Scalar::Unknown;
    bool hasParameters = false;
};
Title readTitle(std::string_view title);

} // namespace velbrant::code
