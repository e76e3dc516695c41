#pragma once

#include "model/program/code_tree.h"
#include "model/program/pseudocode.h"

#include <string>
#include <string_view>

// A line whose element keeps exact characters beside its Windows-1252
// spelling ("→" where it has "->", "∅" where it has "?"): its text
// literals print those characters, in a run and in every generated program.
namespace velbrant::code {

// The line's literals in its exact text, each with its spelling, in the
// line's order; none when the exact text is not the line's.
struct ExactLiterals {
    std::vector<std::pair<std::string, std::string>> literals;
    // A character without any Windows-1252 form stands outside a literal,
    // where the line reads as something else than what was typed.
    bool losesCharacters = false;
};
ExactLiterals exactLiterals(TextLine line, std::string_view exact);

// The statement's text literals take their exact characters. False when
// one of them could not be told apart from another of its spelling and
// would print "?" for a character.
bool keepExactLiterals(Stmt& s, const ExactLiterals& exact);

} // namespace velbrant::code
