#pragma once

#include "model/elements/loop.h"

namespace velbrant {

// The foot-controlled loop: body at the top, text in the foot below it.
class RepeatLoop : public Loop {
public:
    static constexpr int PresetMinHeight = 200;

    explicit RepeatLoop(const LayoutContext& context) : Loop(context, PresetMinHeight) {}
    ElementKind kind() const override { return ElementKind::RepeatLoop; }

protected:
    const std::string& defaultText(const DefaultLabels& labels) const override {
        return labels.repeatText;
    }
    int bodyOffset() const override { return 0; }
    int textBarTop() const override { return footTop(); }
    bool isOwnArea(Point point) const override { return point.y > footTop(); }
    bool selectsWhole(Point point) const override;
    bool takesNestedAt(Point point) const override {
        return point.y <= footTop() && inBodyColumn(point);
    }

private:
    int footTop() const { return bottom() - barHeight(); }
};

} // namespace velbrant
