#pragma once

#include <string>
#include <string_view>

namespace velbrant::tex {

// Windows-1252 text as LaTeX source (UTF-8 for inputenc): the characters
// LaTeX reads as commands escaped, runs of blanks kept.
std::string escaped(std::string_view text);

// The same for a text in UTF-8 (a run's values and output).
std::string escapedUtf8(std::string_view text);

// A text in the symbol font: its arrows and relations as math, the rest
// as text.
std::string escapedSymbols(std::string_view text);

} // namespace velbrant::tex
