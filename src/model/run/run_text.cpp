#include "model/run/run_text.h"

#include "model/files/windows1252.h"
#include "model/program/builtins.h"

#include <algorithm>
#include <vector>

namespace velbrant::run {

namespace {

// Invalid bytes count as characters of their own, as the generated
// programs' counting by lead bytes does.
std::u32string decoded(std::string_view text) {
    std::u32string result;
    for (std::size_t i = 0; i < text.size();) {
        const auto lead = static_cast<unsigned char>(text[i]);
        const auto length = static_cast<int>(utf8CharacterLength(text[i]));
        char32_t code = length == 1 ? lead : lead & (0x7F >> length);
        std::size_t k = 1;
        for (; k < static_cast<std::size_t>(length) && i + k < text.size() &&
               (static_cast<unsigned char>(text[i + k]) & 0xC0) == 0x80;
             ++k)
            code = (code << 6) | (static_cast<unsigned char>(text[i + k]) & 0x3F);
        result.push_back(code);
        i += k;
    }
    return result;
}

std::string encoded(std::u32string_view codes) {
    std::string text;
    for (const char32_t c : codes)
        appendUtf8(text, c);
    return text;
}

std::string changedCase(std::string_view text, bool toCapital) {
    std::u32string codes = decoded(text);
    for (char32_t& c : codes) {
        for (const code::LetterCase& letter : code::caseLetters()) {
            if (c == (toCapital ? letter.small : letter.capital)) {
                c = toCapital ? letter.capital : letter.small;
                break;
            }
        }
    }
    return encoded(codes);
}

} // namespace

long long textLength(std::string_view text) {
    return static_cast<long long>(decoded(text).size());
}

std::string upperText(std::string_view text) {
    return changedCase(text, true);
}

std::string lowerText(std::string_view text) {
    return changedCase(text, false);
}

std::string trimmedText(std::string_view text) {
    const std::size_t first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos)
        return {};
    return std::string(text.substr(first, text.find_last_not_of(" \t") + 1 - first));
}

long long firstCode(std::string_view text) {
    const std::u32string codes = decoded(text);
    return codes.empty() ? 0 : static_cast<long long>(codes.front());
}

std::string characterOf(long long code) {
    if (code <= 0 || code >= 0x110000 || (code >= 0xD800 && code <= 0xDFFF))
        return {};
    std::string text;
    appendUtf8(text, static_cast<char32_t>(code));
    return text;
}

long long positionOf(std::string_view part, std::string_view text) {
    const std::u32string whole = decoded(text);
    const std::u32string wanted = decoded(part);
    const auto found = std::search(whole.begin(), whole.end(), wanted.begin(), wanted.end());
    return found == whole.end() && !wanted.empty() ? 0 : (found - whole.begin()) + 1;
}

std::string partOf(std::string_view text, long long first, long long count) {
    const std::u32string codes = decoded(text);
    const auto size = static_cast<long long>(codes.size());
    const long long from = std::min(std::max(first, 1LL) - 1, size);
    const long long length = std::min(std::max(count, 0LL), size - from);
    return encoded(std::u32string_view(codes).substr(static_cast<std::size_t>(from),
                                                     static_cast<std::size_t>(length)));
}

} // namespace velbrant::run
