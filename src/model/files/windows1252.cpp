#include "model/files/windows1252.h"

#include "model/diagram/limits.h"
#include "model/messages/said.h"

#include <algorithm>
#include <array>
#include <utility>

namespace velbrant {

namespace {

// Bytes 0x80..0x9F; 0 where Windows-1252 leaves a byte undefined.
constexpr std::array<char32_t, 32> High = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

constexpr std::array<std::pair<char32_t, const char*>, 10> Spellings{{
    {0x2264, "<="},
    {0x2265, ">="},
    {0x2260, "<>"},
    {0x2190, "<-"},
    {0x2192, "->"},
    {0x21D0, "<="},
    {0x21D2, "=>"},
    {0x2227, "und"},
    {0x2228, "oder"},
    {0x2212, "-"},
}};

char32_t codePointOf(unsigned char byte) {
    return byte >= 0x80 && byte < 0xA0 && High[byte - 0x80] != 0 ? High[byte - 0x80] : byte;
}

// The next code point; a malformed sequence reads as U+FFFD: a stray or
// missing continuation byte, an overlong form (C0 AF for "/"), a surrogate,
// anything beyond U+10FFFF.
char32_t nextCodePoint(std::string_view utf8, std::size_t& i) {
    constexpr char32_t Invalid = 0xFFFD;
    const auto lead = static_cast<unsigned char>(utf8[i++]);
    const int more = lead < 0x80   ? 0
                     : lead < 0xC2 ? -1
                     : lead < 0xE0 ? 1
                     : lead < 0xF0 ? 2
                     : lead < 0xF5 ? 3
                                   : -1;
    if (more < 0)
        return Invalid;
    char32_t c = more == 0 ? lead : lead & (0x3F >> more);
    for (int k = 0; k < more; ++k) {
        if (i >= utf8.size() || (static_cast<unsigned char>(utf8[i]) & 0xC0) != 0x80)
            return Invalid;
        c = (c << 6) | (static_cast<unsigned char>(utf8[i++]) & 0x3F);
    }
    constexpr std::array<char32_t, 4> Smallest{0, 0x80, 0x800, 0x10000};
    if (c < Smallest[static_cast<std::size_t>(more)] || (c >= 0xD800 && c <= 0xDFFF) ||
        c > 0x10FFFF)
        return Invalid;
    return c;
}

// Where the run of ASCII bytes from `from` on ends: both encodings copy it.
std::size_t asciiEnd(std::string_view text, std::size_t from) {
    while (from < text.size() && static_cast<unsigned char>(text[from]) < 0x80)
        ++from;
    return from;
}

} // namespace

void appendUtf8(std::string& out, char32_t c) {
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (c >> 18));
        out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

bool isValidUtf8(std::string_view bytes) {
    for (std::size_t i = 0; i < bytes.size();) {
        const std::size_t start = i;
        if (nextCodePoint(bytes, i) == 0xFFFD && bytes.substr(start, i - start) != "\xEF\xBF\xBD")
            return false;
    }
    return true;
}

std::string utf8FromWindows1252(std::string_view bytes) {
    std::string out;
    out.reserve(bytes.size());
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        const std::size_t end = asciiEnd(bytes, i);
        out.append(bytes.substr(i, end - i));
        if (end == bytes.size())
            break;
        appendUtf8(out, codePointOf(static_cast<unsigned char>(bytes[end])));
        i = end;
    }
    return out;
}

void ReplacedCharacters::add(char32_t character) {
    if (m_seen.insert(character).second)
        m_order.push_back(character);
}

std::string ReplacedCharacters::summary(std::size_t shown) const {
    std::string text;
    for (std::size_t i = 0; i < m_order.size() && i < shown; ++i)
        appendUtf8(text, m_order[i]);
    if (m_order.size() > shown)
        text += messages::said("files", " … und %1 weitere").arg(m_order.size() - shown).str();
    return text;
}

std::string windows1252FromUtf8(std::string_view utf8, ReplacedCharacters& replaced) {
    std::string out;
    out.reserve(utf8.size());
    for (std::size_t i = 0; i < utf8.size();) {
        const std::size_t end = asciiEnd(utf8, i);
        out.append(utf8.substr(i, end - i));
        i = end;
        if (i == utf8.size())
            break;
        const char32_t c = nextCodePoint(utf8, i);
        if (c < 0x80 || (c >= 0xA0 && c < 0x100)) {
            out += static_cast<char>(c);
            continue;
        }
        if (const auto high = std::find(High.begin(), High.end(), c); high != High.end()) {
            out += static_cast<char>(0x80 + (high - High.begin()));
            continue;
        }
        const auto spelling = std::find_if(Spellings.begin(), Spellings.end(),
                                           [c](const auto& entry) { return entry.first == c; });
        out += spelling != Spellings.end() ? spelling->second : "?";
        replaced.add(c);
    }
    return out;
}

std::optional<std::vector<std::size_t>> characterStarts(std::string_view windows1252,
                                                        std::string_view utf8) {
    std::vector<std::size_t> starts(windows1252.size() + 1, std::string_view::npos);
    std::size_t at = 0;
    for (std::size_t i = 0; i < utf8.size();) {
        const std::size_t length = std::min(utf8CharacterLength(utf8[i]), utf8.size() - i);
        ReplacedCharacters replaced;
        const std::string spelling = windows1252FromUtf8(utf8.substr(i, length), replaced);
        if (windows1252.substr(at, spelling.size()) != spelling)
            return std::nullopt;
        starts[at] = i;
        at += spelling.size();
        i += length;
    }
    if (at != windows1252.size())
        return std::nullopt;
    starts[at] = utf8.size();
    return starts;
}

bool hasCharacterWithoutForm(std::string_view utf8) {
    ReplacedCharacters replaced;
    windows1252FromUtf8(utf8, replaced);
    return std::any_of(replaced.characters().begin(), replaced.characters().end(), [](char32_t c) {
        return std::none_of(Spellings.begin(), Spellings.end(),
                            [c](const auto& entry) { return entry.first == c; });
    });
}

std::string lowered(std::string_view word) {
    std::string result(word);
    for (char& ch : result) {
        const auto c = static_cast<unsigned char>(ch);
        if ((c >= 'A' && c <= 'Z') || (c >= 0xC0 && c <= 0xDE && c != 0xD7))
            ch = static_cast<char>(c + 0x20);
    }
    return result;
}

std::vector<std::string> windows1252Lines(const std::vector<std::string>& utf8,
                                          ReplacedCharacters& replaced) {
    std::vector<std::string> lines;
    lines.reserve(utf8.size());
    for (const std::string& line : utf8) {
        lines.push_back(windows1252FromUtf8(line, replaced));
        if (lines.back().size() > MaxTextLength)
            lines.back().resize(MaxTextLength);
    }
    return lines;
}

} // namespace velbrant
