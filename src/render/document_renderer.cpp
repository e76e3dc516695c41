#include "render/document_renderer.h"

#include "render/qt_canvas.h"

namespace velbrant {

void renderDocument(QPainter& painter, const Document& document, QtTextMeasurer& measurer,
                    const DefaultLabels& labels, const QRect& visible) {
    QtCanvas canvas(painter, measurer);
    DrawContext context;
    context.labels = labels;
    context.clipTopLeft = {visible.left(), visible.top()};
    context.clipBottomRight = {visible.right() + 1, visible.bottom() + 1};
    document.draw(canvas, context);
}

QRect pictureArea(const Document& document) {
    const int outline = (rnd(document.frameThickness * document.scale) + 1) / 2;
    return QRect(document.frameLeft, document.frameTop, document.frameWidth, document.frameHeight)
        .adjusted(-outline, -outline, outline, outline);
}

} // namespace velbrant
