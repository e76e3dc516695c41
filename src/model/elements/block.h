#pragma once

#include "model/diagram/element.h"

namespace velbrant {

// The statement: a plain box with text. Without text it is the empty
// statement, drawn as the empty-set sign, which the next element inserted
// onto it replaces.
class Block : public Element {
public:
    using Element::Element;

    ElementKind kind() const override { return ElementKind::Block; }
    void draw(Canvas& canvas, const DrawContext& context) const override;

private:
    void drawEmptySetSign(Canvas& canvas, const DrawContext& context) const;
};

} // namespace velbrant
