#include "model/diagram/compound_element.h"
#include "model/diagram/element_factory.h"
#include "model/diagram/sequence.h"
#include "model/messages/said.h"
#include "model/notation/text_notation.h"

namespace velbrant {

using messages::counted;
using messages::said;

namespace {

// What differs from a new element of the same kind, counted by aspect.
struct Differences {
    int fonts = 0;
    int lineWidths = 0;
    int alignments = 0;
};

void countDifferences(const Sequence& sequence, const LayoutContext& context, Differences& found) {
    for (std::size_t i = 0; i < sequence.size(); ++i) {
        const Element& element = sequence.at(i);
        const auto fresh = createElement(element.kind(), context);
        found.fonts += element.font() == context.defaultFont ? 0 : 1;
        found.lineWidths += element.borderWidth() != fresh->borderWidth() ||
                                    element.innerLineWidth() != fresh->innerLineWidth()
                                ? 1
                                : 0;
        // Conditionals and cases set their own horizontal alignment.
        const bool ownAlignment =
            element.kind() == ElementKind::Conditional || element.kind() == ElementKind::Case;
        found.alignments += (!ownAlignment && element.hAlign() != fresh->hAlign()) ||
                                    element.vAlign() != fresh->vAlign()
                                ? 1
                                : 0;
        if (const auto* compound = dynamic_cast<const CompoundElement*>(&element)) {
            for (std::size_t s = 0; s < compound->sequenceCount(); ++s)
                countDifferences(compound->sequenceAt(s), context, found);
        }
    }
}

} // namespace

std::vector<std::string> notationLosses(const Document& document, TextMeasurer& measurer) {
    const LayoutContext context = document.layoutContext(measurer, DefaultLabels{});
    Differences found;
    countDifferences(document.topSequence(), context, found);
    std::vector<std::string> losses;
    if (found.fonts > 0)
        losses.push_back(counted(found.fonts, said("notation", "%1 Element mit eigener Schrift"),
                                 said("notation", "%1 Elemente mit eigener Schrift")));
    if (found.lineWidths > 0)
        losses.push_back(counted(found.lineWidths,
                                 said("notation", "%1 Element mit eigenen Linienbreiten"),
                                 said("notation", "%1 Elemente mit eigenen Linienbreiten")));
    if (found.alignments > 0)
        losses.push_back(counted(found.alignments,
                                 said("notation", "%1 Element mit eigener Ausrichtung"),
                                 said("notation", "%1 Elemente mit eigener Ausrichtung")));
    const DiagramFormat& format = document.format();
    const DiagramFormat standard;
    if (format.titleFont != standard.titleFont || format.commentFont != standard.commentFont)
        losses.emplace_back(said("notation", "die Schriften von Titel und Kommentar"));
    if (format.frameLeft != standard.frameLeft || format.frameTop != standard.frameTop ||
        format.frameThickness != standard.frameThickness || format.scale != standard.scale ||
        format.centerHorz || format.centerVert)
        losses.emplace_back(said("notation", "Lage, Rahmen und Maßstab des Struktogramms"));
    return losses;
}

} // namespace velbrant
