#include "app/document/document_view.h"
#include "model/diagram/sequence.h"
#include "render/comment_notes.h"

#include <QPainter>

// What the view draws over the diagram for the user alone: the elements'
// comments as notes in the margin beside the frame, and the places a
// search found.

namespace velbrant {

void DocumentView::setShowComments(bool on) {
    if (on == m_showComments)
        return;
    m_showComments = on;
    updateScrollRanges();
    viewport()->update();
}

void DocumentView::paintNotes(QPainter& painter) {
    if (m_showComments)
        drawCommentNotes(painter, commentNotes(m_editor.document()));
}

void DocumentView::setSearchHits(std::vector<const Element*> elements) {
    m_searchHits = std::move(elements);
    viewport()->update();
}

// A found place in a frame of a colour of its own, two pixels wide at any
// zoom, inside the element's lines.
void DocumentView::paintSearchHits(QPainter& painter) {
    if (m_searchHits.empty())
        return;
    const DrawContext transform = m_editor.document().diagramTransform();
    QPen pen(QColor(0, 150, 200), 2);
    pen.setCosmetic(true);
    painter.setPen(pen);
    painter.setBrush(QColor(0, 150, 200, 40));
    for (const Element* element : m_searchHits) {
        const Point topLeft = transform.map(element->left(), element->top());
        const Point bottomRight =
            transform.map(element->left() + element->width(), element->bottom());
        painter.drawRect(QRect(QPoint(topLeft.x, topLeft.y), QPoint(bottomRight.x, bottomRight.y))
                             .adjusted(6, 6, -6, -6));
    }
}

} // namespace velbrant
