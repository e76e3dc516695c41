#pragma once

#include <string>
#include <string_view>

namespace velbrant {

// UTF-8 to and from the model's Windows-1252 bytes, without Qt, for formats
// that are Unicode (Structorizer files).

std::string utf8FromWindows1252(std::string_view bytes);

// Characters Windows-1252 lacks become their usual ASCII spelling where
// there is one ("≤" "<=", "→" "->"), otherwise "?"; each such character is
// added once to `replaced` (UTF-8), so the caller can tell the user.
std::string windows1252FromUtf8(std::string_view utf8, std::string& replaced);

} // namespace velbrant
