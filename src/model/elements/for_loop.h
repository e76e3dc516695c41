#pragma once

#include "model/elements/loop.h"

namespace velbrant {

// The counting loop: text in the head, the body between the head and an
// empty foot of the same height.
class ForLoop : public Loop {
public:
    static constexpr int PresetMinHeight = 300;

    explicit ForLoop(const LayoutContext& context) : Loop(context, PresetMinHeight) {}
    ElementKind kind() const override { return ElementKind::ForLoop; }

protected:
    const std::string& defaultText(const DefaultLabels& labels) const override {
        return labels.forText;
    }
    int barsHeight() const override { return 2 * barHeight(); }
    bool selectsWhole(Point point) const override;
    bool takesNestedAt(Point point) const override {
        return point.y <= bottom() - barHeight() && Loop::takesNestedAt(point);
    }
};

} // namespace velbrant
