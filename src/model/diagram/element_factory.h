#pragma once

#include "model/diagram/element.h"
#include "model/layout/layout_context.h"
#include "model/layout/units.h"

#include <memory>

namespace velbrant {

// A new element of the kind, with the document's default font and line
// height, not yet set up: the editor and the file reader build on it.
std::unique_ptr<Element> createElement(ElementKind kind, const LayoutContext& context);

} // namespace velbrant
