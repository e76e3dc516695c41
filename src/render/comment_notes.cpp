#include "render/comment_notes.h"

#include "model/diagram/document.h"
#include "render/text_codec.h"

#include <QFontMetricsF>
#include <algorithm>

namespace velbrant {

namespace {

// Notes in model units: 3 mm text, 5 cm wide, 6 mm right of the frame.
constexpr int NoteTextSize = 30;
constexpr int NoteWidth = 500;
constexpr int NoteGap = 60;
constexpr int NotePadding = 15;
constexpr int TextFlags = Qt::TextWordWrap | Qt::TextWrapAnywhere;

QFont noteFont() {
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPixelSize(NoteTextSize);
    return font;
}

} // namespace

std::vector<CommentNote> commentNotes(const Document& document) {
    const DrawContext transform = document.diagramTransform();
    const DiagramFormat& format = document.format();
    const int noteLeft = format.frameLeft + document.frameLayout().frameWidth + NoteGap;
    const QFontMetricsF metrics(noteFont());
    std::vector<CommentNote> notes;
    double freeTop = 0;
    for (const Element* element : document.elementsInReadingOrder()) {
        if (element->nsd() == nullptr || element->nsd()->comment.empty())
            continue;
        const QString text = fromUtf8Lines(element->nsd()->comment).join(QChar(u'\n'));
        const Point corner = transform.map(element->left() + element->width(), element->top());
        const double top = std::max<double>(corner.y, freeTop);
        const QRectF textBox =
            metrics.boundingRect(QRectF(0, 0, NoteWidth - 2 * NotePadding, 1e6), TextFlags, text);
        const QRectF box(noteLeft, top, NoteWidth, textBox.height() + 2 * NotePadding);
        notes.push_back({box, QPointF(corner.x, corner.y), text});
        freeTop = box.bottom() + NotePadding;
    }
    return notes;
}

QRect commentNotesArea(const std::vector<CommentNote>& notes) {
    QRectF area;
    for (const CommentNote& note : notes)
        area = area.united(note.box).united(QRectF(note.element, QSizeF(1, 1)));
    return area.toAlignedRect();
}

void drawCommentNotes(QPainter& painter, const std::vector<CommentNote>& notes) {
    painter.save();
    painter.setFont(noteFont());
    for (const CommentNote& note : notes) {
        painter.setPen(QPen(QColor(150, 130, 40), 0, Qt::DotLine));
        painter.drawLine(note.element + QPointF(0, NotePadding),
                         note.box.topLeft() + QPointF(0, NotePadding));
        painter.setPen(QPen(QColor(190, 170, 60), 0));
        painter.setBrush(QColor(255, 248, 196));
        painter.drawRect(note.box);
        painter.setPen(Qt::black);
        painter.drawText(note.box.adjusted(NotePadding, NotePadding, -NotePadding, -NotePadding),
                         TextFlags, note.text);
    }
    painter.restore();
}

} // namespace velbrant
