#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>

// Programs from diagrams: the one entry that reads a document's pseudocode
// and writes it in one of the four languages, and the languages' file
// name extensions.
namespace velbrant {

class Document;

enum class CodeLanguage { Python, Java, C, Pascal };

// The file name extension of a language's programs, without the dot.
std::string_view codeExtension(CodeLanguage language);
// The language whose programs end in the extension (any case), if any.
std::optional<CodeLanguage> codeLanguageForExtension(std::string_view extension);

struct GeneratedCode {
    // UTF-8.
    std::string text;
    // Text lines no rule read, kept in the program as comments.
    int untranslatedLines = 0;
    // Routines the program calls and no diagram defines: they stop it.
    int missingRoutines = 0;
};

// The diagram whose title names a routine (its name, any case), if one is
// at hand; it must live while the code is generated.
using RoutineLookup = std::function<const Document*(std::string_view name)>;

// The program a diagram's pseudocode stands for, in the language, with the
// routines it calls that `routines` finds, written into the same program.
// `fileStem` is the name (UTF-8, no folder, no extension) of the file the
// program is written to, if any: Java names its class after it, so that
// `java STEM` runs it; without one the class takes the title's name.
GeneratedCode generateCode(const Document& document, CodeLanguage language,
                           std::string_view fileStem = {}, const RoutineLookup& routines = {});

} // namespace velbrant
