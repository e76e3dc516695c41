#pragma once

#include <QString>
#include <string>
#include <string_view>

namespace velbrant {

// The model keeps text as single bytes: Windows-1252, or the Symbol encoding
// for a font named exactly "Symbol". All 256 byte values survive a round
// trip; a character with no byte becomes '?'.
QString decodeText(std::string_view bytes, bool symbolFont = false);
std::string encodeText(const QString& text, bool symbolFont = false);
// The characters of the text that have no byte in the encoding, each once,
// in order of appearance.
QString unencodableCharacters(const QString& text, bool symbolFont = false);

} // namespace velbrant
