#pragma once

#include "model/element.h"
#include "model/layout_context.h"
#include "model/units.h"

#include <memory>

namespace velbrant {

// A new element of the kind, with the document's default font and line
// height, not yet set up: the editor and the file reader build on it.
std::unique_ptr<Element> createElement(ElementKind kind, const LayoutContext& context);

} // namespace velbrant
