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
    const DiagramFormat& format = document.format();
    const FrameLayout& layout = document.frameLayout();
    const int outline = (rnd(format.frameThickness * format.scale) + 1) / 2;
    return QRect(format.frameLeft, format.frameTop, layout.frameWidth, layout.frameHeight)
        .adjusted(-outline, -outline, outline, outline);
}

} // namespace velbrant
