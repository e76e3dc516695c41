#include "model/diagram/worksheet.h"

namespace velbrant {

namespace {

bool isBlanked(const Element& element, Blanks blanks) {
    switch (blanks) {
    case Blanks::Selection:
        return element.isSelected();
    case Blanks::Statements:
        return element.kind() == ElementKind::Block || element.kind() == ElementKind::Call;
    case Blanks::Conditions:
        return element.kind() != ElementKind::Block && element.kind() != ElementKind::Call &&
               element.kind() != ElementKind::Exit;
    case Blanks::Everything:
        return true;
    }
    return false;
}

} // namespace

std::optional<Blanks> blanksNamed(std::string_view name) {
    if (name == "anweisungen")
        return Blanks::Statements;
    if (name == "bedingungen")
        return Blanks::Conditions;
    if (name == "alles")
        return Blanks::Everything;
    return std::nullopt;
}

std::unordered_set<const Element*> worksheetBlanks(const Document& document, Blanks blanks) {
    std::unordered_set<const Element*> blanked;
    for (const Element* element : document.elementsInReadingOrder()) {
        if (!element->lines().empty() && isBlanked(*element, blanks))
            blanked.insert(element);
    }
    return blanked;
}

} // namespace velbrant
