#pragma once

#include <string>
#include <string_view>

// The words of the text notation, German first, English accepted.
namespace velbrant::notation {

enum class Keyword {
    None,
    Title,
    Comment,
    If,
    Else,
    While,      // "solange …": the word is part of the loop's text
    WhilePlain, // "kopfschleife …": the text follows the word
    For,        // "für …": part of the text
    ForPlain,   // "zählschleife …"
    Repeat,     // "wiederhole", the foot follows the body
    Case,       // "fallunterscheidung …"
    Branch,     // "fall …"
    Call,       // "aufruf …"
    Exit,       // "verlasse …": part of the text
    ExitPlain,  // "aussprung …"
    Empty,      // "leer": the empty statement
};

// The keyword a line starts with (its first word, any case).
Keyword keywordOf(std::string_view line);
// A foot line of a repeat loop: "bis …", "solange …" are the text itself,
// "fuß …" puts the text behind the word.
bool isFootWord(std::string_view line);
bool isPlainFoot(std::string_view line);

// The line's first word and what follows the one blank after it; `hasRest`
// is false when the word stands alone.
struct Split {
    std::string_view word;
    std::string_view rest;
    bool hasRest = false;
};
Split splitWord(std::string_view line);

// A line beginning "..." continues the head above it.
inline constexpr std::string_view Continuation = "...";

// Text behind a keyword: written behind a backslash when it is empty or
// begins with one.
std::string encodeRest(std::string_view text);
std::string decodeRest(std::string_view rest);

} // namespace velbrant::notation
