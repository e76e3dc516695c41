#pragma once

#include <string>
#include <string_view>

// The text routines a running program calls, by characters of UTF-8 texts
// and with the same letters changing case as in every generated program.
namespace velbrant::run {

long long textLength(std::string_view text);
std::string upperText(std::string_view text);
std::string lowerText(std::string_view text);
// Blanks and tabs off both ends.
std::string trimmedText(std::string_view text);
// The first character's code; 0 for "".
long long firstCode(std::string_view text);
// "" for what is no character.
std::string characterOf(long long code);
// From 1; 0 where not found, 1 for "".
long long positionOf(std::string_view part, std::string_view text);
// `count` characters from the `first`-th (from 1), as far as there are.
std::string partOf(std::string_view text, long long first, long long count);

} // namespace velbrant::run
