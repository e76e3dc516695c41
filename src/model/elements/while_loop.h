#pragma once

#include "model/elements/loop.h"

namespace velbrant {

// The head-controlled loop: text in the head, body below it.
class WhileLoop : public Loop {
public:
    static constexpr int PresetMinHeight = 200;

    explicit WhileLoop(const LayoutContext& context) : Loop(context, PresetMinHeight) {}
    ElementKind kind() const override { return ElementKind::WhileLoop; }

protected:
    const std::string& defaultText(const DefaultLabels& labels) const override {
        return labels.whileText;
    }
};

} // namespace velbrant
