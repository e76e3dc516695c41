#pragma once

#include "model/diagram/compound_element.h"

namespace velbrant {

// A head with the element's text above side-by-side branches: the
// conditional and the case. The head is the element itself for clicks and
// text; below it, points belong to the branches.
class BranchingElement : public CompoundElement {
public:
    using CompoundElement::CompoundElement;

    int headHeight() const { return m_headHeight; }

protected:
    bool selectsWhole(Point point) const override { return contains(point) && inHead(point); }
    bool isOwnArea(Point point) const override { return inHead(point); }
    bool takesNestedAt(Point point) const override { return !inHead(point); }

    bool inHead(Point point) const { return point.y < top() + m_headHeight; }
    // The head holds the text lines and one more line for the labels.
    void measureHead() { m_headHeight = clampExtent(std::int64_t{minHeight()} + lineHeight()); }

private:
    int m_headHeight = 0;
};

} // namespace velbrant
