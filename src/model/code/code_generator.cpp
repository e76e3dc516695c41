#include "model/code/code_generator.h"

#include "model/code/language_writers.h"
#include "model/files/windows1252.h"
#include "model/program/program_reader.h"
#include "model/program/pseudocode.h"

namespace velbrant {

std::string_view codeExtension(CodeLanguage language) {
    switch (language) {
    case CodeLanguage::Python:
        return "py";
    case CodeLanguage::Java:
        return "java";
    case CodeLanguage::C:
        return "c";
    case CodeLanguage::Pascal:
        return "pas";
    }
    return {};
}

std::optional<CodeLanguage> codeLanguageForExtension(std::string_view extension) {
    const std::string lower = lowered(extension);
    for (const CodeLanguage language :
         {CodeLanguage::Python, CodeLanguage::Java, CodeLanguage::C, CodeLanguage::Pascal}) {
        if (lower == codeExtension(language))
            return language;
    }
    return std::nullopt;
}

GeneratedCode generateCode(const Document& document, CodeLanguage language,
                           std::string_view fileStem, const RoutineLookup& routines) {
    const code::ProgramSet set = code::readLinkedProgram(document, routines);
    GeneratedCode result;
    result.untranslatedLines = set.main.unreadLines;
    result.missingRoutines = set.main.missingRoutines;
    for (const code::TypedProgram& routine : set.routines) {
        result.untranslatedLines += routine.unreadLines;
        result.missingRoutines += routine.missingRoutines;
    }
    switch (language) {
    case CodeLanguage::Python:
        result.text = code::writePython(set);
        break;
    case CodeLanguage::Java: {
        ReplacedCharacters replaced;
        result.text = code::writeJava(set, windows1252FromUtf8(fileStem, replaced));
        break;
    }
    case CodeLanguage::C:
        result.text = code::writeC(set);
        break;
    case CodeLanguage::Pascal:
        result.text = code::writePascal(set);
        break;
    }
    return result;
}

} // namespace velbrant
