#include "model/notation/keywords.h"

#include "model/files/windows1252.h"

#include <array>
#include <utility>

namespace velbrant::notation {

namespace {

// Windows-1252 spellings: "f\xFCr" is "für".
constexpr std::array<std::pair<std::string_view, Keyword>, 32> Words = {{
    {"titel", Keyword::Title},
    {"title", Keyword::Title},
    {"kommentar", Keyword::Comment},
    {"comment", Keyword::Comment},
    {"wenn", Keyword::If},
    {"if", Keyword::If},
    {"sonst", Keyword::Else},
    {"else", Keyword::Else},
    {"solange", Keyword::While},
    {"while", Keyword::While},
    {"kopfschleife", Keyword::WhilePlain},
    {"f\xFCr", Keyword::For},
    {"fuer", Keyword::For},
    {"for", Keyword::For},
    {"z\xE4hlschleife", Keyword::ForPlain},
    {"zaehlschleife", Keyword::ForPlain},
    {"wiederhole", Keyword::Repeat},
    {"repeat", Keyword::Repeat},
    {"fallunterscheidung", Keyword::Case},
    {"switch", Keyword::Case},
    {"fall", Keyword::Branch},
    {"case", Keyword::Branch},
    {"aufruf", Keyword::Call},
    {"call", Keyword::Call},
    {"verlasse", Keyword::Exit},
    {"exit", Keyword::Exit},
    {"break", Keyword::Exit},
    {"return", Keyword::Exit},
    {"zur\xFC"
     "ck",
     Keyword::Exit},
    {"aussprung", Keyword::ExitPlain},
    {"leer", Keyword::Empty},
    {"empty", Keyword::Empty},
}};

std::string lowerWord(std::string_view line) {
    return lowered(splitWord(line).word);
}

} // namespace

Split splitWord(std::string_view line) {
    const std::size_t end = line.find_first_of(" \t");
    if (end == std::string_view::npos)
        return {line, {}, false};
    return {line.substr(0, end), line.substr(end + 1), true};
}

Keyword keywordOf(std::string_view line) {
    const std::string word = lowerWord(line);
    for (const auto& [spelling, keyword] : Words) {
        if (word == spelling)
            return keyword;
    }
    return Keyword::None;
}

bool isFootWord(std::string_view line) {
    const std::string word = lowerWord(line);
    return word == "bis" || word == "until" || word == "solange" || word == "while";
}

bool isPlainFoot(std::string_view line) {
    const std::string word = lowerWord(line);
    return word == "fu\xDF" || word == "fuss";
}

std::string encodeRest(std::string_view text) {
    if (text.empty() || text.front() == '\\')
        return "\\" + std::string(text);
    return std::string(text);
}

std::string decodeRest(std::string_view rest) {
    if (!rest.empty() && rest.front() == '\\')
        rest.remove_prefix(1);
    return std::string(rest);
}

} // namespace velbrant::notation
