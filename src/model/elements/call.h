#pragma once

#include "model/diagram/element.h"

namespace velbrant {

// The call of a subprogram: a text box with a vertical line near each side.
class Call : public Element {
public:
    static constexpr int LineInset = TextMarginX / 2;

    using Element::Element;
    ElementKind kind() const override { return ElementKind::Call; }
    void draw(Canvas& canvas, const DrawContext& context) const override;
};

} // namespace velbrant
