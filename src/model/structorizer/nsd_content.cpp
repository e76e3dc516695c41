#include "model/diagram/compound_element.h"
#include "model/structorizer/nsd_file.h"

#include <algorithm>

namespace velbrant {

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

std::string counted(int count, const char* one, const char* many) {
    return std::to_string(count) + " " + (count == 1 ? one : many);
}

void addRootContent(const NsdRoot& root, std::vector<std::string>& content) {
    for (const auto& [name, value] : root.attributes) {
        if (name == "type" && value != "program")
            content.push_back("der Diagrammtyp „" + value + "“");
        if (name == "includeList" && !value.empty())
            content.push_back("die Include-Liste");
    }
    if (!root.headerLines.empty())
        content.push_back(counted(static_cast<int>(root.headerLines.size()), "weitere Kopfzeile",
                                  "weitere Kopfzeilen"));
    const bool metadata =
        std::any_of(root.attributes.begin(), root.attributes.end(), [](const auto& attribute) {
            return attribute.first == "author" || attribute.first == "created" ||
                   attribute.first == "changed" || attribute.first == "licenseName" ||
                   attribute.first == "changedby";
        });
    if (metadata || !root.childrenBefore.empty() || !root.childrenAfter.empty())
        content.push_back("Autor, Daten und Lizenz des Diagramms");
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
        content.push_back(counted(colors, "Farbe", "Farben"));
    if (comments > 0)
        content.push_back(
            counted(comments, "Kommentar an einem Element", "Kommentare an Elementen"));
    if (disabled > 0)
        content.push_back(counted(disabled, "deaktiviertes Element", "deaktivierte Elemente"));
    if (kinds > 0)
        content.push_back(counted(kinds,
                                  "Endlosschleife, Ausnahmebehandlung oder Parallelabschnitt",
                                  "Endlosschleifen, Ausnahmebehandlungen und Parallelabschnitte"));
    if (breakpoints > 0)
        content.push_back(counted(breakpoints, "Haltepunkt", "Haltepunkte"));
    if (const NsdRoot* root = document.nsdRoot())
        addRootContent(*root, content);
    return content;
}

} // namespace velbrant
