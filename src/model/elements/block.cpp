#include "model/elements/block.h"

namespace velbrant {

void Block::draw(Canvas& canvas, const DrawContext& context) const {
    drawBox(canvas, context);
    if (lines().empty())
        drawEmptySetSign(canvas, context);
    else
        drawStatementText(canvas, context);
}

void Block::drawEmptySetSign(Canvas& canvas, const DrawContext& context) const {
    const int insetX = width() / 8;
    const int insetY = height() / 10;
    const int x1 = left() + insetX;
    const int x2 = left() + width() - insetX;
    const int y1 = top() + insetY;
    const int y2 = bottom() - insetY;
    // The box is already filled with the same brush: the ellipse needs only
    // its outline, which spares filling large areas twice.
    canvas.setHollowBrush();
    canvas.ellipse(context.map(x1, y1), context.map(x2, y2));
    canvas.line(context.map(x1, y2), context.map(x2, y1));
}

} // namespace velbrant
