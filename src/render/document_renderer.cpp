#include "render/document_renderer.h"

#include "render/comment_notes.h"
#include "render/qt_canvas.h"
#include "render/strip_canvas.h"

namespace velbrant {

namespace {

DrawContext clippedTo(const QRect& visible, const DefaultLabels& labels) {
    DrawContext context;
    context.labels = labels;
    context.clipTopLeft = {visible.left(), visible.top()};
    context.clipBottomRight = {visible.right() + 1, visible.bottom() + 1};
    return context;
}

} // namespace

void renderDocument(QPainter& painter, const Document& document, QtTextMeasurer& measurer,
                    const DefaultLabels& labels, const QRect& visible, Marks marks,
                    const DrawStyle& style) {
    QtCanvas canvas(painter, measurer);
    DrawContext context = clippedTo(visible, labels);
    context.showsSelection = marks == Marks::Selection;
    context.style = style;
    document.draw(canvas, context);
    if (style.commentNotes)
        drawCommentNotes(painter, commentNotes(document));
}

void renderDocumentStrip(QPainter& painter, const Document& document, QtTextMeasurer& measurer,
                         const DefaultLabels& labels, const QRect& strip, const DrawStyle& style) {
    QtCanvas canvas(painter, measurer);
    StripCanvas beginningHere(canvas, strip.top(), strip.top() + strip.height());
    DrawContext context = clippedTo(strip, labels);
    context.style = style;
    document.draw(beginningHere, context);
}

QRect pictureArea(const Document& document) {
    const DiagramFormat& format = document.format();
    const FrameLayout& layout = document.frameLayout();
    const int outline = (rnd(format.frameThickness * format.scale) + 1) / 2;
    return QRect(format.frameLeft, format.frameTop, layout.frameWidth, layout.frameHeight)
        .adjusted(-outline, -outline, outline, outline);
}

QRect pictureArea(const Document& document, const DrawStyle& style) {
    const QRect frame = pictureArea(document);
    return style.commentNotes ? frame.united(commentNotesArea(commentNotes(document))) : frame;
}

} // namespace velbrant
