#include "model/elements/exit.h"

#include <array>

namespace velbrant {

void Exit::draw(Canvas& canvas, const DrawContext& context) const {
    drawBox(canvas, context);
    const std::array<Point, 3> chevron{context.map(left() + ChevronDepth, top()),
                                       context.map(left(), top() + height() / 2),
                                       context.map(left() + ChevronDepth, bottom())};
    canvas.polyline(chevron);
    drawStatementText(canvas, context);
}

} // namespace velbrant
