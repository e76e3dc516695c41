#include "app/document/document_view.h"
#include "app/document/element_drag.h"
#include "model/files/transfer_stream.h"

#include <QApplication>
#include <QDrag>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QMimeData>
#include <QPainter>
#include <QScrollBar>

// The view's part in moving elements: the preview of where an insertion,
// a paste or a drop goes, dragging the selection within the view, and
// drags between windows and programs.

namespace velbrant {

bool DocumentView::isOnSelection(Point at) const {
    const auto box = m_editor.selectionBox();
    return box && box->first.x <= at.x && at.x < box->second.x && box->first.y <= at.y &&
           at.y < box->second.y;
}

// Where an element tool's click or a paste would put the element.
void DocumentView::showInsertionPreview(QPoint pixel, InsertMode mode) {
    if (m_tool == Tool::Select && !m_pasteMode)
        return setPreview(std::nullopt);
    if (m_tool == Tool::Text)
        return setPreview(std::nullopt);
    setPreview(m_editor.insertionPreview(toModel(pixel, scrollPosition()), mode,
                                         m_pasteMode ? DocumentEditor::Inserting::Paste
                                                     : DocumentEditor::Inserting::NewElement));
}

// While the selection is dragged: where it would go, the cursor, and the
// view scrolling when the pointer nears its edge.
void DocumentView::dragTo(QPoint pixel, Qt::KeyboardModifiers modifiers) {
    m_dragging = true;
    m_dragEnd = pixel;
    const QRect inner = viewport()->rect().adjusted(AutoScrollMargin, AutoScrollMargin,
                                                    -AutoScrollMargin, -AutoScrollMargin);
    if (!inner.contains(pixel)) {
        horizontalScrollBar()->setValue(horizontalScrollBar()->value() +
                                        (pixel.x() < inner.left()    ? -LineStep
                                         : pixel.x() > inner.right() ? LineStep
                                                                     : 0));
        verticalScrollBar()->setValue(verticalScrollBar()->value() +
                                      (pixel.y() < inner.top()      ? -LineStep
                                       : pixel.y() > inner.bottom() ? LineStep
                                                                    : 0));
    }
    setPreview(m_editor.insertionPreview(toModel(pixel, scrollPosition()), InsertMode::After,
                                         DocumentEditor::Inserting::Selection));
    if (!m_preview)
        viewport()->setCursor(Qt::ForbiddenCursor);
    else
        viewport()->setCursor(modifiers & Qt::ControlModifier ? Qt::DragCopyCursor
                                                              : Qt::DragMoveCursor);
    if (!viewport()
             ->rect()
             .adjusted(-AutoScrollMargin, -AutoScrollMargin, AutoScrollMargin, AutoScrollMargin)
             .contains(pixel))
        dragOutOfView();
}

void DocumentView::cancelDrag() {
    m_dragging = false;
    m_pressedOnSelection = false;
    m_mouseIsDown = false;
    setPreview(std::nullopt);
    updateCursor();
}

void DocumentView::setPreview(std::optional<DocumentEditor::InsertionPreview> preview) {
    const auto area = [this](const std::optional<DocumentEditor::InsertionPreview>& shown) {
        if (!shown)
            return QRect();
        return QRectF(toPixel(shown->topLeft), toPixel(shown->bottomRight))
            .normalized()
            .toAlignedRect()
            .adjusted(-PreviewPen, -PreviewPen, PreviewPen, PreviewPen);
    };
    viewport()->update(area(m_preview));
    m_preview = preview;
    viewport()->update(area(m_preview));
}

// A thick line where the elements would go, or the empty statement they
// would replace, tinted.
void DocumentView::paintPreview(QPainter& painter) {
    if (!m_preview)
        return;
    painter.resetTransform();
    painter.setClipping(false);
    const QRectF box(toPixel(m_preview->topLeft), toPixel(m_preview->bottomRight));
    if (m_preview->replaces) {
        painter.fillRect(box, QColor(0, 120, 215, 70));
        painter.setPen(QPen(QColor(0, 90, 180), 2));
        painter.drawRect(box);
    } else {
        painter.setPen(QPen(QColor(0, 90, 180), PreviewPen, Qt::SolidLine, Qt::FlatCap));
        painter.drawLine(box.topLeft(), box.topRight());
    }
}

// Out of the view, the drag goes on as a system drag: another window
// copies the run (with Shift it moves), another program takes a picture.
void DocumentView::dragOutOfView() {
    cancelDrag();
    auto* drag = new QDrag(this);
    drag->setMimeData(selectionMimeData(m_editor).release());
    if (drag->exec(Qt::CopyAction | Qt::MoveAction, Qt::CopyAction) == Qt::MoveAction &&
        drag->target() != viewport())
        m_editor.deleteSelection();
}

void DocumentView::dragEnterEvent(QDragEnterEvent* event) {
    if (event->mimeData()->hasFormat(elementsMimeType()))
        event->acceptProposedAction();
}

void DocumentView::dragMoveEvent(QDragMoveEvent* event) {
    const Point at = toModel(event->position().toPoint(), scrollPosition());
    setPreview(m_editor.insertionPreview(at, InsertMode::After,
                                         event->source() == viewport()
                                             ? DocumentEditor::Inserting::Selection
                                             : DocumentEditor::Inserting::Drop));
    if (m_preview)
        event->acceptProposedAction();
    else
        event->ignore();
}

void DocumentView::dragLeaveEvent(QDragLeaveEvent*) {
    setPreview(std::nullopt);
}

void DocumentView::dropEvent(QDropEvent* event) {
    const Qt::DropAction action = dropElements(*event->mimeData(), event->position().toPoint(),
                                               event->modifiers(), event->source() == viewport());
    if (action == Qt::IgnoreAction)
        return event->ignore();
    event->setDropAction(action);
    event->accept();
}

// From this view the run moves (Ctrl: copies); from another window it is
// copied (Shift: moved, the source deletes it).
Qt::DropAction DocumentView::dropElements(const QMimeData& data, QPoint pixel,
                                          Qt::KeyboardModifiers modifiers, bool fromHere) {
    setPreview(std::nullopt);
    const Point at = toModel(pixel, scrollPosition());
    if (fromHere) {
        m_editor.moveSelection(at, modifiers & Qt::ControlModifier);
        return Qt::CopyAction;
    }
    const QByteArray stream = data.data(elementsMimeType());
    try {
        m_editor.dropRun({reinterpret_cast<const std::uint8_t*>(stream.constData()),
                          static_cast<std::size_t>(stream.size())},
                         at);
    } catch (const FormatError&) {
        return Qt::IgnoreAction;
    }
    emit runDropped();
    return modifiers & Qt::ShiftModifier ? Qt::MoveAction : Qt::CopyAction;
}

} // namespace velbrant
