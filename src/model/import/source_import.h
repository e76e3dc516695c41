#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// Programs become diagrams: a Python, Java or C source read by its
// language's grammar and written as diagrams in the text notation, in the
// school pseudocode that code generation and the interpreter read back.
namespace velbrant {

enum class SourceLanguage { Python, Java, C };

// By a file's extension without the dot ("py", "java", "c"), any case.
std::optional<SourceLanguage> sourceLanguageFor(std::string_view extension);

// Larger sources are refused before they are read.
inline constexpr std::size_t MaxSourceSize = std::size_t{10} << 20;

struct ImportedDiagram {
    // The routine's name ("ggT"), or the main diagram's title.
    std::string name;
    // The whole diagram in the text notation (UTF-8), title first.
    std::string notation;
};

// A source line kept as it was: it has no structogram form, or it did not
// parse.
struct KeptLine {
    int line = 0;
    std::string text;
};

struct SourceImport {
    // The main program first, then one diagram per function or method.
    std::vector<ImportedDiagram> diagrams;
    // Kept as statement text in the source language (or as a comment).
    std::vector<KeptLine> kept;
    // Lines with syntax errors, kept as text too.
    std::vector<KeptLine> broken;
};

// `mainTitle` names the main diagram (the file's name without extension).
SourceImport importSource(std::string_view source, SourceLanguage language,
                          std::string_view mainTitle);

// One German sentence each for what was kept and what did not parse
// ("3 Zeilen ohne Struktogrammform übernommen: Zeile 12 „with open(f)“,
// …"); empty when all of it has a form.
std::vector<std::string> importNotes(const SourceImport& imported);

} // namespace velbrant
