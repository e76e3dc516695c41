#pragma once

#include "model/units.h"

namespace velbrant {

// The palette's tools: 0 select, 1 text, 2 to 9 the element kinds by their
// kind codes.
enum Tool : int {
    SelectTool = 0,
    TextTool = 1,
    FirstElementTool = 2,
    LastElementTool = 9,
    ToolCount = 10,
};

// The tool that inserts elements of the kind.
constexpr int elementTool(ElementKind kind) {
    return static_cast<int>(kind);
}

} // namespace velbrant
