#include "app/document/document_view.h"

#include "app/document/document_editor.h"
#include "render/comment_notes.h"
#include "render/document_renderer.h"

#include <QApplication>
#include <QGuiApplication>
#include <QHelpEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>
#include <QScrollBar>
#include <QToolTip>
#include <algorithm>

namespace velbrant {

DocumentView::DocumentView(DocumentEditor& editor, QWidget* parent)
    : QAbstractScrollArea(parent), m_editor(editor) {
    setObjectName(QStringLiteral("DocumentView"));
    const QScreen* screen = QGuiApplication::primaryScreen();
    m_pixelSizeX = 254.0 / screen->physicalDotsPerInchX();
    m_pixelSizeY = 254.0 / screen->physicalDotsPerInchY();
    viewport()->setBackgroundRole(QPalette::Base);
    viewport()->setMouseTracking(true);
    viewport()->setAcceptDrops(true);
    viewport()->setAutoFillBackground(true);
    setFocusPolicy(Qt::StrongFocus);
    horizontalScrollBar()->setSingleStep(LineStep);
    verticalScrollBar()->setSingleStep(LineStep);
    const auto repaint = [this] { viewport()->update(); };
    // The frame may have grown or moved: the scrolled area follows it.
    const auto refit = [this] {
        m_breakpoints = m_editor.document().breakpoints();
        updateScrollRanges();
        viewport()->update();
    };
    connect(&m_editor, &DocumentEditor::changed, this, refit);
    connect(&m_editor, &DocumentEditor::treeReplaced, this, refit);
    connect(&m_editor, &DocumentEditor::appearanceChanged, this, refit);
    connect(&m_editor, &DocumentEditor::selectionChanged, this, repaint);
    m_breakpoints = m_editor.document().breakpoints();
    updateScrollRanges();
    updateCursor();
}

void DocumentView::setZoom(double zoom) {
    const QRectF diagram = sheetTransform().mapRect(QRectF(pictureArea(m_editor.document())));
    const QRectF shown = diagram.intersected(QRectF(viewport()->rect()));
    if (shown.isEmpty())
        zoomTo(zoom, sheetTransform().inverted().map(diagram.center()),
               QRectF(viewport()->rect()).center());
    else
        zoomAbout(zoom, shown.center().toPoint());
}

void DocumentView::zoomAbout(double zoom, QPoint pixel) {
    zoomTo(zoom, toModelF(pixel), pixel);
}

void DocumentView::zoomTo(double zoom, QPointF sheetPoint, QPointF pixel) {
    m_zoom = zoom;
    updateScrollRanges();
    const QPointF at((sheetPoint.x() - m_scene.left()) * m_zoom / m_pixelSizeX,
                     (sheetPoint.y() - m_scene.top()) * m_zoom / m_pixelSizeY);
    horizontalScrollBar()->setValue(qRound(at.x() - pixel.x()));
    verticalScrollBar()->setValue(qRound(at.y() - pixel.y()));
    viewport()->update();
}

void DocumentView::showWholeDiagram() {
    const QRect diagram = pictureArea(m_editor.document());
    const QRect withBorder = diagram.adjusted(-SheetBorder, -SheetBorder, SheetBorder, SheetBorder);
    const QSize window = viewport()->size();
    const double fit = std::min(window.width() * m_pixelSizeX / withBorder.width(),
                                window.height() * m_pixelSizeY / withBorder.height());
    zoomTo(std::clamp(fit, MinZoom, MaxZoom), QRectF(diagram).center(),
           QRectF(viewport()->rect()).center());
}

void DocumentView::setTool(Tool tool) {
    m_tool = tool;
    updateCursor();
}

void DocumentView::setPasteMode(bool on) {
    m_pasteMode = on;
    updateCursor();
}

void DocumentView::updateCursor() {
    if (m_pasteMode)
        viewport()->setCursor(Qt::DragCopyCursor);
    else
        viewport()->setCursor(m_tool == Tool::Text ? Qt::IBeamCursor : Qt::ArrowCursor);
}

QPoint DocumentView::scrollPosition() const {
    return {horizontalScrollBar()->value(), verticalScrollBar()->value()};
}

QSize DocumentView::paperSizeMm() const {
    const PaperSize paper = m_editor.paper();
    return {paper.widthMm, paper.heightMm};
}

Point DocumentView::toModel(QPoint pixel, QPoint scroll) const {
    const int x0 = rnd((pixel.x() + scroll.x()) * m_pixelSizeX / m_zoom) + m_scene.left();
    const int y0 = rnd((pixel.y() + scroll.y()) * m_pixelSizeY / m_zoom) + m_scene.top();
    return m_editor.document().diagramTransform().unmap({x0, y0});
}

QPointF DocumentView::toModelF(QPoint pixel) const {
    return sheetTransform().inverted().map(QPointF(pixel));
}

QPointF DocumentView::toPixel(Point point) const {
    const Point drawn = m_editor.document().diagramTransform().map(point.x, point.y);
    return sheetTransform().map(QPointF(drawn.x, drawn.y));
}

QTransform DocumentView::sheetTransform() const {
    QTransform transform;
    const QPoint scroll = scrollPosition();
    transform.translate(-scroll.x(), -scroll.y());
    transform.scale(m_zoom / m_pixelSizeX, m_zoom / m_pixelSizeY);
    transform.translate(-m_scene.left(), -m_scene.top());
    return transform;
}

// The scrolled area holds the sheet and the whole frame, which may stand
// beyond the sheet, and the comment notes shown, with a 10 mm border.
void DocumentView::updateScrollRanges() {
    const QRect sheet(QPoint(0, 0), paperSizeMm() * 10);
    QRect shown = sheet.united(pictureArea(m_editor.document()));
    if (m_showComments)
        shown = shown.united(commentNotesArea(commentNotes(m_editor.document())));
    m_scene = shown.adjusted(-SheetBorder, -SheetBorder, SheetBorder, SheetBorder);
    const int width = rnd(m_scene.width() * m_zoom / m_pixelSizeX);
    const int height = rnd(m_scene.height() * m_zoom / m_pixelSizeY);
    const QSize visible = viewport()->size();
    horizontalScrollBar()->setRange(0, std::max(0, width - visible.width()));
    horizontalScrollBar()->setPageStep(visible.width());
    verticalScrollBar()->setRange(0, std::max(0, height - visible.height()));
    verticalScrollBar()->setPageStep(visible.height());
}

void DocumentView::resizeEvent(QResizeEvent* event) {
    QAbstractScrollArea::resizeEvent(event);
    updateScrollRanges();
}

void DocumentView::paintEvent(QPaintEvent* event) {
    QPainter painter(viewport());
    paintSheet(painter, event->rect());
    paintRubberBand(painter);
    paintPreview(painter);
}

void DocumentView::paintSheet(QPainter& painter, const QRect& exposed) {
    const QTransform transform = sheetTransform();
    painter.setTransform(transform);
    const QRect sheet(QPoint(0, 0), paperSizeMm() * 10);
    painter.fillRect(sheet, Qt::white);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRect visible = transform.inverted().mapRect(QRect(exposed)).adjusted(-2, -2, 2, 2);
    renderDocument(painter, m_editor.document(), m_editor.measurer(), m_editor.labels(), visible,
                   Marks::Selection);
    paintRunMark(painter);
    paintSearchHits(painter);
    paintNotes(painter);
    // On top: where a diagram reaches beyond the page, the user sees where
    // the page ends.
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setPen(QPen(QColor(128, 128, 128), 0));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(sheet);
}

void DocumentView::setRunMark(const Element* element) {
    if (element == m_runMark)
        return;
    m_runMark = element;
    viewport()->update();
}

// Breakpoints as red dots at the elements' top left corners; the element
// a run is at in an orange frame three pixels wide, whatever the zoom.
void DocumentView::paintRunMark(QPainter& painter) {
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(220, 0, 0));
    // 2.4 mm across, in the margin before the text, at any zoom.
    constexpr double Radius = 12.0;
    for (const Element* element : m_breakpoints)
        painter.drawEllipse(QPointF(element->left() + 2 * Radius, element->top() + 2 * Radius),
                            Radius, Radius);
    if (m_runMark == nullptr)
        return;
    QPen pen(QColor(255, 140, 0), 3);
    pen.setCosmetic(true);
    painter.setPen(pen);
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(
        QRect(m_runMark->left(), m_runMark->top(), m_runMark->width(), m_runMark->height()));
}

// A dotted one-pixel rectangle whose start corner follows scrolling.
void DocumentView::paintRubberBand(QPainter& painter) {
    if (!m_rubberBand)
        return;
    painter.resetTransform();
    painter.setClipping(false);
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setPen(QPen(Qt::black, 0, Qt::DotLine));
    painter.setBrush(Qt::NoBrush);
    const QPoint start = m_dragStart + m_dragScroll - scrollPosition();
    painter.drawRect(QRect(start, m_dragEnd).normalized());
}

void DocumentView::scrollContentsBy(int, int) {
    viewport()->update();
}

bool DocumentView::viewportEvent(QEvent* event) {
    if (event->type() != QEvent::ToolTip)
        return QAbstractScrollArea::viewportEvent(event);
    auto* help = static_cast<QHelpEvent*>(event);
    const QString comment = m_editor.commentAt(toModel(help->pos(), scrollPosition()));
    if (comment.isEmpty())
        QToolTip::hideText();
    else
        QToolTip::showText(help->globalPos(), comment, viewport());
    return true;
}

void DocumentView::mousePressEvent(QMouseEvent* event) {
    if (m_pasteMode)
        return;
    m_dragStart = event->position().toPoint();
    m_dragEnd = m_dragStart;
    m_dragScroll = scrollPosition();
    m_mouseIsDown = true;
    // A press on the selection may become a drag of it.
    m_pressedOnSelection = m_tool == Tool::Select && event->button() == Qt::LeftButton &&
                           isOnSelection(toModel(m_dragStart, m_dragScroll));
}

void DocumentView::mouseMoveEvent(QMouseEvent* event) {
    const QPoint pixel = event->position().toPoint();
    if (!m_mouseIsDown) {
        showInsertionPreview(pixel, InsertMode::After);
        return;
    }
    if (m_pressedOnSelection) {
        if (m_dragging ||
            (pixel - m_dragStart).manhattanLength() >= QApplication::startDragDistance())
            dragTo(pixel, event->modifiers());
        return;
    }
    if (m_tool != Tool::Select) {
        showInsertionPreview(pixel, event->buttons() & Qt::LeftButton ? InsertMode::After
                                                                      : InsertMode::Before);
        return;
    }
    m_rubberBand = true;
    m_dragEnd = pixel;
    viewport()->update();
}

void DocumentView::mouseDoubleClickEvent(QMouseEvent* event) {
    if (m_tool == Tool::Select && !m_pasteMode) {
        m_mouseIsDown = false;
        textToolClick(toModel(event->position().toPoint(), scrollPosition()));
    }
}

void DocumentView::mouseReleaseEvent(QMouseEvent* event) {
    setFocus();
    const Point end = toModel(event->position().toPoint(), scrollPosition());
    const InsertMode mode =
        event->button() == Qt::LeftButton ? InsertMode::After : InsertMode::Before;
    if (m_dragging) {
        const bool copy = event->modifiers() & Qt::ControlModifier;
        cancelDrag();
        m_editor.moveSelection(end, copy);
        return;
    }
    m_pressedOnSelection = false;
    setPreview(std::nullopt);
    if (m_pasteMode) {
        emit pasteRequested(end, mode);
        emit pasteModeLeft();
        return;
    }
    m_rubberBand = false;
    const Point start = toModel(m_dragStart, m_dragScroll);
    if (m_mouseIsDown) {
        m_mouseIsDown = false;
        actOnRelease(event->button(), start, end);
    }
    viewport()->update();
}

void DocumentView::actOnRelease(Qt::MouseButton button, Point start, Point end) {
    if (m_tool == Tool::Select)
        m_editor.select(start, end);
    else if (m_tool == Tool::Text)
        textToolClick(end);
    else
        insertNewElement(button, end);
    if (m_tool != Tool::Text)
        m_editor.endTextEntry();
}

void DocumentView::insertNewElement(Qt::MouseButton button, Point at) {
    const ElementKind kind = insertedKind(m_tool);
    const InsertMode mode = button == Qt::LeftButton ? InsertMode::After : InsertMode::Before;
    if (kind == ElementKind::Case)
        emit caseInsertRequested(at, mode);
    else
        m_editor.insertNewElement(kind, at, mode);
}

// A click commits the text typed so far, then opens the element clicked.
void DocumentView::textToolClick(Point at) {
    if (m_editor.editElement() != nullptr)
        emit textEntryCommitRequested();
    m_editor.endTextEntry();
    if (isOnHeader(at))
        emit diagramFormatRequested();
    else
        m_editor.beginTextEntry(at);
}

// Between the header's top edge, converted like a clicked point, and the
// diagram, horizontally inside the diagram.
bool DocumentView::isOnHeader(Point at) const {
    const Document& document = m_editor.document();
    const Sequence& top = document.topSequence();
    const int headerTop =
        document.diagramTransform().unmapAbout(document.frameLayout().headerTop, top.top());
    return top.left() < at.x && at.x < top.left() + top.width() && headerTop < at.y &&
           at.y < top.top();
}

} // namespace velbrant
