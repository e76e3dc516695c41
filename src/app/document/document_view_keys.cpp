#include "app/document/document_view.h"

#include <QKeyEvent>
#include <QScrollBar>
#include <QWheelEvent>

// The view's keys and wheel: scrolling, zooming, walking and moving the
// elements, opening their text.

namespace velbrant {

void DocumentView::wheelEvent(QWheelEvent* event) {
    if (!(event->modifiers() & Qt::ControlModifier))
        return QAbstractScrollArea::wheelEvent(event);
    if (event->angleDelta().y() != 0)
        emit zoomStepRequested(event->angleDelta().y() > 0 ? 1 : -1, event->position().toPoint());
    event->accept();
}

void DocumentView::keyPressEvent(QKeyEvent* event) {
    if (m_rubberBand)
        return;
    const bool withCtrl = event->modifiers() == Qt::ControlModifier;
    if (event->key() == Qt::Key_Delete)
        m_editor.deleteSelection();
    else if (event->key() == Qt::Key_Escape && m_dragging)
        cancelDrag();
    else if (event->key() == Qt::Key_Escape && m_pasteMode)
        emit pasteModeLeft();
    else if (!navigateByKey(*event) && event->key() != Qt::Key_Escape &&
             !scrollByKey(event->key(), withCtrl))
        return QAbstractScrollArea::keyPressEvent(event);
    viewport()->update();
}

// Tab and Shift+Tab walk the elements, Enter and F2 open the text, Alt+Up
// and Alt+Down move the selected run.
bool DocumentView::navigateByKey(const QKeyEvent& event) {
    const Qt::KeyboardModifiers modifiers = event.modifiers() & ~Qt::KeypadModifier;
    switch (event.key()) {
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
        m_editor.selectNext(event.key() == Qt::Key_Backtab || modifiers & Qt::ShiftModifier ? -1
                                                                                            : 1);
        scrollToSelection();
        return true;
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_F2:
        m_editor.beginTextEntryOnSelection();
        return true;
    case Qt::Key_Up:
    case Qt::Key_Down:
        if (modifiers != Qt::AltModifier)
            return false;
        m_editor.moveSelectionStep(event.key() == Qt::Key_Up ? -1 : 1);
        scrollToSelection();
        return true;
    default:
        return false;
    }
}

void DocumentView::scrollToSelection() {
    const auto box = m_editor.selectionBox();
    if (!box)
        return;
    const QRect shown = QRectF(toPixel(box->first), toPixel(box->second)).toAlignedRect();
    const QRect visible = viewport()->rect();
    if (shown.top() < visible.top() || shown.height() > visible.height())
        verticalScrollBar()->setValue(verticalScrollBar()->value() + shown.top() - LineStep);
    else if (shown.bottom() > visible.bottom())
        verticalScrollBar()->setValue(verticalScrollBar()->value() + shown.bottom() -
                                      visible.bottom() + LineStep);
    if (shown.left() < visible.left() || shown.right() > visible.right())
        horizontalScrollBar()->setValue(horizontalScrollBar()->value() + shown.left() - LineStep);
}

// Tab walks the diagram instead of leaving the view.
bool DocumentView::focusNextPrevChild(bool) {
    return false;
}

bool DocumentView::scrollByKey(int key, bool withCtrl) {
    QScrollBar* horizontal = horizontalScrollBar();
    QScrollBar* vertical = verticalScrollBar();
    const int page = 8 * LineStep;
    switch (key) {
    case Qt::Key_PageUp:
        vertical->setValue(withCtrl ? 0 : vertical->value() - page);
        return true;
    case Qt::Key_PageDown:
        vertical->setValue(withCtrl ? vertical->maximum() : vertical->value() + page);
        return true;
    case Qt::Key_End:
        horizontal->setValue(horizontal->maximum());
        if (withCtrl)
            vertical->setValue(vertical->maximum());
        return true;
    case Qt::Key_Home:
        horizontal->setValue(0);
        if (withCtrl)
            vertical->setValue(0);
        return true;
    case Qt::Key_Left:
        horizontal->setValue(horizontal->value() - (withCtrl ? page : LineStep));
        return true;
    case Qt::Key_Right:
        horizontal->setValue(horizontal->value() + (withCtrl ? page : LineStep));
        return true;
    case Qt::Key_Up:
        vertical->setValue(vertical->value() - (withCtrl ? page : LineStep));
        return true;
    case Qt::Key_Down:
        vertical->setValue(vertical->value() + (withCtrl ? page : LineStep));
        return true;
    default:
        return false;
    }
}

} // namespace velbrant
