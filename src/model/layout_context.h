#pragma once

#include "model/canvas.h"
#include "model/element_font.h"

namespace velbrant {

// What layout and element creation need from the document they work for: the
// surface text is measured on, and the font and line height new elements
// take. Each document has its own; nothing is shared between documents.
struct LayoutContext {
    TextMeasurer& measurer;
    ElementFont defaultFont;
    int defaultLineHeight = 0;
};

} // namespace velbrant
