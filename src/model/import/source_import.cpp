#include "model/import/source_import.h"

#include "model/import/c_family_translator.h"
#include "model/import/python_translator.h"
#include "model/import/syntax_tree.h"
#include "model/messages/said.h"

#include <algorithm>
#include <cctype>

namespace velbrant {

using messages::counted;
using messages::said;

std::optional<SourceLanguage> sourceLanguageFor(std::string_view extension) {
    std::string lower(extension);
    std::transform(lower.begin(), lower.end(), lower.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    if (lower == "py")
        return SourceLanguage::Python;
    if (lower == "java")
        return SourceLanguage::Java;
    if (lower == "c")
        return SourceLanguage::C;
    return std::nullopt;
}

namespace {

std::string lowered(std::string_view text) {
    std::string lower(text);
    std::transform(lower.begin(), lower.end(), lower.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return lower;
}

// The main diagram must not be found where a function of that name is
// called.
void renameClashingMain(SourceImport& result) {
    ImportedDiagram& main = result.diagrams.front();
    const bool clashes = std::any_of(
        result.diagrams.begin() + 1, result.diagrams.end(),
        [&](const ImportedDiagram& d) { return lowered(d.name) == lowered(main.name); });
    if (!clashes)
        return;
    const std::string title = "titel " + main.name + "\n";
    main.name = "Hauptprogramm " + main.name;
    if (main.notation.starts_with(title))
        main.notation.replace(0, title.size(), "titel " + main.name + "\n");
}

} // namespace

SourceImport importSource(std::string_view source, SourceLanguage language,
                          std::string_view mainTitle) {
    SourceImport result;
    using import::Grammar;
    const Grammar grammar = language == SourceLanguage::Python ? Grammar::Python
                            : language == SourceLanguage::Java ? Grammar::Java
                                                               : Grammar::C;
    const import::SyntaxTree tree(source, grammar);
    if (language == SourceLanguage::Python)
        import::PythonTranslator(result).translate(tree.root(), mainTitle);
    else
        import::CFamilyTranslator(result, grammar).translate(tree.root(), mainTitle);
    renameClashingMain(result);
    return result;
}

namespace {

// "Zeile 12 „with open(f)“, …" for at most the first few.
std::string listed(const std::vector<KeptLine>& lines) {
    constexpr std::size_t Shown = 5;
    constexpr std::size_t LongestText = 40;
    std::string text;
    for (std::size_t i = 0; i < std::min(lines.size(), Shown); ++i) {
        std::string line = lines[i].text;
        if (line.size() > LongestText)
            line = line.substr(0, LongestText) + "…";
        text += (i == 0 ? "" : ", ") + std::string("Zeile ") + std::to_string(lines[i].line) +
                " „" + line + "“";
    }
    if (lines.size() > Shown)
        text += ", …";
    return text;
}

} // namespace

std::vector<std::string> importNotes(const SourceImport& imported) {
    std::vector<std::string> notes;
    if (!imported.kept.empty())
        notes.push_back(counted(static_cast<long long>(imported.kept.size()),
                                said("import", "%1 Zeile ohne Struktogrammform übernommen: %2"),
                                said("import", "%1 Zeilen ohne Struktogrammform übernommen: %2"))
                            .arg(listed(imported.kept)));
    if (!imported.broken.empty())
        notes.push_back(counted(static_cast<long long>(imported.broken.size()),
                                said("import", "%1 Stelle nicht lesbar, als Text übernommen: %2"),
                                said("import", "%1 Stellen nicht lesbar, als Text übernommen: %2"))
                            .arg(listed(imported.broken)));
    return notes;
}

} // namespace velbrant
