#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_set>
#include <vector>

namespace velbrant {

// UTF-8 to and from the model's Windows-1252 bytes, without Qt, for formats
// that are Unicode (Structorizer files).

std::string utf8FromWindows1252(std::string_view bytes);
// One code point as UTF-8 at the end of `out`.
void appendUtf8(std::string& out, char32_t c);
// The bytes of the UTF-8 character that begins with `lead`.
inline std::size_t utf8CharacterLength(char lead) {
    const auto byte = static_cast<unsigned char>(lead);
    return byte >= 0xF0 ? 4 : byte >= 0xE0 ? 3 : byte >= 0xC0 ? 2 : 1;
}
// Whether the bytes are UTF-8 throughout (a text written on Windows in
// Windows-1252 with umlauts is not).
bool isValidUtf8(std::string_view bytes);

// The characters a conversion had to replace, each once, in the order met.
class ReplacedCharacters {
public:
    void add(char32_t character);
    bool empty() const { return m_order.empty(); }
    const std::vector<char32_t>& characters() const { return m_order; }
    // The first `shown` of them (UTF-8), then how many more there are:
    // "αβγ … und 63000 weitere".
    std::string summary(std::size_t shown = 40) const;

private:
    std::vector<char32_t> m_order;
    std::unordered_set<char32_t> m_seen;
};

// Characters Windows-1252 lacks become their usual ASCII spelling where
// there is one ("≤" "<=", "→" "->"), otherwise "?"; each is noted in
// `replaced`, so the caller can tell the user. A malformed UTF-8 sequence
// (overlong forms and surrogates included) counts as U+FFFD.
std::string windows1252FromUtf8(std::string_view utf8, ReplacedCharacters& replaced);

// Where each character of a UTF-8 text begins, by the offset of its
// spelling in `windows1252` (npos inside a spelling such as "<=" for "≤");
// nothing when the text does not spell `windows1252`.
std::optional<std::vector<std::size_t>> characterStarts(std::string_view windows1252,
                                                        std::string_view utf8);

// Whether a character of the text has no Windows-1252 form at all and would
// become "?" ("∅", "α"), where "≤" has "<=".
bool hasCharacterWithoutForm(std::string_view utf8);

// Lines typed in UTF-8 in the form the model keeps: each converted as
// above and cut at the longest line a file holds.
std::vector<std::string> windows1252Lines(const std::vector<std::string>& utf8,
                                          ReplacedCharacters& replaced);

// Lower case of the letters of Windows-1252 (A-Z and À-Þ but ×), for
// names and keywords that are told apart from case: "Summe" is "summe".
std::string lowered(std::string_view word);

} // namespace velbrant
