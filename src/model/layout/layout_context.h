#pragma once

#include "model/diagram/default_labels.h"
#include "model/layout/canvas.h"
#include "model/layout/element_font.h"

namespace velbrant {

class LayoutPass;

// What layout and element creation need from the document they work for: the
// surface text is measured on, the font and line height new elements take,
// and the default texts they are set up with. Each document has its own;
// nothing is shared between documents.
struct LayoutContext {
    TextMeasurer& measurer;
    ElementFont defaultFont;
    int defaultLineHeight = 0;
    DefaultLabels labels{};
    // The layout under way, if any; an outermost relayout starts its own.
    LayoutPass* pass = nullptr;
};

} // namespace velbrant
