#include "app/document/document_view.h"
#include "model/diagram/sequence.h"
#include "render/text_codec.h"

#include <QPainter>
#include <QTextOption>

// What the view draws over the diagram for the user alone: the elements'
// comments as notes in the margin beside the frame, and the places a
// search found.

namespace velbrant {

namespace {

// Notes in model units: 3 mm text, 5 cm wide, 6 mm right of the frame.
constexpr int NoteTextSize = 30;
constexpr int NoteWidth = 500;
constexpr int NoteGap = 60;
constexpr int NotePadding = 15;

} // namespace

void DocumentView::setShowComments(bool on) {
    if (on == m_showComments)
        return;
    m_showComments = on;
    viewport()->update();
}

// Each comment in a pale yellow note at the height of its element, or
// below the note before it; a dotted line leads to the element.
void DocumentView::paintNotes(QPainter& painter) {
    if (!m_showComments)
        return;
    const Document& document = m_editor.document();
    const DrawContext transform = document.diagramTransform();
    const DiagramFormat& format = document.format();
    const int noteLeft = format.frameLeft + document.frameLayout().frameWidth + NoteGap;
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(NoteTextSize);
    painter.setFont(font);
    QTextOption wrapping;
    wrapping.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    int freeTop = 0;
    for (const Element* element : document.elementsInReadingOrder()) {
        if (element->nsd() == nullptr || element->nsd()->comment.empty())
            continue;
        const QString text = fromUtf8Lines(element->nsd()->comment).join(QChar(u'\n'));
        const Point corner = transform.map(element->left() + element->width(), element->top());
        const int top = std::max(corner.y, freeTop);
        const QRectF textBox = painter.boundingRect(
            QRectF(noteLeft + NotePadding, top + NotePadding, NoteWidth - 2 * NotePadding, 1e6),
            text, wrapping);
        const QRectF note(noteLeft, top, NoteWidth, textBox.height() + 2 * NotePadding);
        QPen leader(QColor(150, 130, 40), 0, Qt::DotLine);
        painter.setPen(leader);
        painter.drawLine(QPointF(corner.x, corner.y + NotePadding),
                         QPointF(noteLeft, top + NotePadding));
        painter.setPen(QPen(QColor(190, 170, 60), 0));
        painter.setBrush(QColor(255, 248, 196));
        painter.drawRect(note);
        painter.setPen(Qt::black);
        painter.drawText(note.adjusted(NotePadding, NotePadding, -NotePadding, -NotePadding), text,
                         wrapping);
        freeTop = static_cast<int>(note.bottom()) + NotePadding;
    }
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
