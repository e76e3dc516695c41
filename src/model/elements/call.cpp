#include "model/elements/call.h"

namespace velbrant {

void Call::draw(Canvas& canvas, const DrawContext& context) const {
    drawBox(canvas, context);
    const int leftLine = left() + LineInset;
    const int rightLine = left() + width() - LineInset;
    canvas.line(context.map(leftLine, top()), context.map(leftLine, bottom()));
    canvas.line(context.map(rightLine, top()), context.map(rightLine, bottom()));
    drawStatementText(canvas, context);
}

} // namespace velbrant
