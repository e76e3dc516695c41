#include "model/diagram/compound_element.h"
#include "model/files/windows1252.h"
#include "model/messages/said.h"
#include "model/structorizer/nsd_file.h"

#include <algorithm>

namespace velbrant {

using messages::counted;
using messages::said;

namespace {

template <typename Visit> void forEachElement(const Sequence& sequence, const Visit& visit) {
    for (std::size_t i = 0; i < sequence.size(); ++i) {
        visit(sequence.at(i));
        if (const auto* compound = dynamic_cast<const CompoundElement*>(&sequence.at(i))) {
            for (std::size_t s = 0; s < compound->sequenceCount(); ++s)
                forEachElement(compound->sequenceAt(s), visit);
        }
    }
}

void addRootContent(const NsdRoot& root, std::vector<std::string>& content) {
    for (const auto& [name, value] : root.attributes) {
        if (name == "type" && value != "program")
            content.push_back(said("structorizer", "der Diagrammtyp „%1“").arg(value));
        if (name == "includeList" && !value.empty())
            content.push_back(said("structorizer", "die Include-Liste"));
    }
    if (!root.headerLines.empty())
        content.push_back(counted(static_cast<int>(root.headerLines.size()),
                                  said("structorizer", "%1 weitere Kopfzeile"),
                                  said("structorizer", "%1 weitere Kopfzeilen")));
    const bool metadata =
        std::any_of(root.attributes.begin(), root.attributes.end(), [](const auto& attribute) {
            return attribute.first == "author" || attribute.first == "created" ||
                   attribute.first == "changed" || attribute.first == "licenseName" ||
                   attribute.first == "changedby";
        });
    if (metadata || !root.childrenBefore.empty() || !root.childrenAfter.empty())
        content.push_back(said("structorizer", "Autor, Daten und Lizenz des Diagramms"));
}

// Characters Windows-1252 lacks in the exact texts, each with the form a
// .STR file gets: "„≤“ als „<=“, „∅“ als „?“".
void addExactCharacters(const Document& document, std::vector<std::string>& content) {
    ReplacedCharacters replaced;
    forEachElement(document.topSequence(), [&replaced](const Element& element) {
        if (element.nsd() != nullptr && hasExactText(*element.nsd(), element.lines()))
            for (const std::string& line : element.nsd()->fileLines)
                windows1252FromUtf8(line, replaced);
    });
    if (const NsdRoot* root = document.nsdRoot()) {
        if (isExactText({root->fileTitle}, {root->shownTitle}, {document.format().title}))
            windows1252FromUtf8(root->fileTitle, replaced);
        if (isExactText(root->fileComment, root->shownComment, document.format().comment))
            for (const std::string& line : root->fileComment)
                windows1252FromUtf8(line, replaced);
    }
    if (replaced.empty())
        return;
    std::string list;
    for (const char32_t character : replaced.characters()) {
        std::string typed;
        appendUtf8(typed, character);
        ReplacedCharacters again;
        if (!list.empty())
            list += ", ";
        list += said("structorizer", "„%1“ als „%2“")
                    .arg(typed)
                    .arg(windows1252FromUtf8(typed, again))
                    .str();
        if (list.size() > 400) {
            list += " …";
            break;
        }
    }
    content.push_back(said("structorizer", "Zeichen, die Windows-1252 nicht hat: %1").arg(list));
}

} // namespace

std::vector<std::string> nsdOnlyContent(const Document& document) {
    int colors = 0;
    int comments = 0;
    int disabled = 0;
    int kinds = 0;
    int breakpoints = 0;
    forEachElement(document.topSequence(), [&](const Element& element) {
        const NsdAttributes* nsd = element.nsd();
        if (nsd == nullptr)
            return;
        colors += nsd->fill() ? 1 : 0;
        comments += std::any_of(nsd->comment.begin(), nsd->comment.end(),
                                [](const std::string& line) { return !line.empty(); })
                        ? 1
                        : 0;
        disabled += nsd->disabled ? 1 : 0;
        kinds += nsd->kind.empty() ? 0 : 1;
        breakpoints += nsd->breakpoint() ? 1 : 0;
    });
    std::vector<std::string> content;
    if (colors > 0)
        content.push_back(
            counted(colors, said("structorizer", "%1 Farbe"), said("structorizer", "%1 Farben")));
    if (comments > 0)
        content.push_back(counted(comments, said("structorizer", "%1 Kommentar an einem Element"),
                                  said("structorizer", "%1 Kommentare an Elementen")));
    if (disabled > 0)
        content.push_back(counted(disabled, said("structorizer", "%1 deaktiviertes Element"),
                                  said("structorizer", "%1 deaktivierte Elemente")));
    if (kinds > 0)
        content.push_back(counted(
            kinds,
            said("structorizer", "%1 Endlosschleife, Ausnahmebehandlung oder Parallelabschnitt"),
            said("structorizer",
                 "%1 Endlosschleifen, Ausnahmebehandlungen und Parallelabschnitte")));
    if (breakpoints > 0)
        content.push_back(counted(breakpoints, said("structorizer", "%1 Haltepunkt"),
                                  said("structorizer", "%1 Haltepunkte")));
    if (const NsdRoot* root = document.nsdRoot())
        addRootContent(*root, content);
    addExactCharacters(document, content);
    return content;
}

} // namespace velbrant
