#pragma once

#include "model/layout/canvas.h"
#include "model/layout/draw_context.h"
#include "model/layout/element_font.h"
#include "model/layout/units.h"

#include <string_view>

namespace velbrant {

// Byte of the left arrow in the Symbol encoding.
inline constexpr char SymbolLeftArrow = '\xAC';

// Draws one line of element text. `anchor` is already mapped and is the
// line's left end, centre or right end by `align`; the canvas already holds
// `font` at the context's scale. Tab stops lie every tabStep units from the
// aligned start; "<-" becomes the Symbol arrow when the context asks for it.
void drawTextLine(Canvas& canvas, const DrawContext& context, Point anchor, const ElementFont& font,
                  Alignment align, int tabStep, std::string_view text);

} // namespace velbrant
