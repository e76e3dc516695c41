#pragma once

#include "model/diagram/element.h"

namespace velbrant {

// The jump out of the enclosing structure: a text box with a chevron
// pointing left at its left edge.
class Exit : public Element {
public:
    static constexpr int ChevronDepth = 2 * TextMarginX / 3;

    using Element::Element;
    ElementKind kind() const override { return ElementKind::Exit; }
    void draw(Canvas& canvas, const DrawContext& context) const override;
};

} // namespace velbrant
