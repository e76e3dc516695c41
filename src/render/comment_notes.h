#pragma once

#include <QPainter>
#include <QRect>
#include <QString>
#include <vector>

namespace velbrant {

class Document;

// An element's comment as a note beside the frame (model units, as drawn):
// its box, and the element's top right corner, where its leader begins.
struct CommentNote {
    QRectF box;
    QPointF element;
    QString text;
};

// The notes of a laid-out document's comments, in reading order, in the
// margin right of the frame: each at its element's height, or below the
// note before it, so that none overlaps another.
std::vector<CommentNote> commentNotes(const Document& document);

// What the notes cover, with their leaders; empty without notes.
QRect commentNotesArea(const std::vector<CommentNote>& notes);

// Pale yellow notes with a dotted leader to their element, on a painter in
// model units: the screen shows them when asked, and so does print.
void drawCommentNotes(QPainter& painter, const std::vector<CommentNote>& notes);

} // namespace velbrant
