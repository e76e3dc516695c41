#pragma once

#include "model/layout/units.h"

namespace velbrant {

// The palette's tools: select, text, and from 2 on one per element kind,
// with the kind's code.
enum class Tool {
    Select = 0,
    Text = 1,
};
inline constexpr int ToolCount = 10;

constexpr Tool elementTool(ElementKind kind) {
    return static_cast<Tool>(static_cast<int>(kind));
}
// The kind an element tool inserts.
constexpr ElementKind insertedKind(Tool tool) {
    return static_cast<ElementKind>(static_cast<int>(tool));
}

} // namespace velbrant
