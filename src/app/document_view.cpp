#include "app/document_view.h"

#include "app/document_window.h"
#include "app/main_window.h"
#include "app/new_case_dialog.h"
#include "model/case.h"
#include "model/element_factory.h"
#include "render/document_renderer.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPageSize>
#include <QPainter>
#include <QPrinterInfo>
#include <QScreen>
#include <QScrollBar>
#include <algorithm>

namespace velbrant {

namespace {

// The sheet is the size of the default printer's page, or A4 without one.
QSize defaultPaperSizeMm() {
    const QPrinterInfo printer = QPrinterInfo::defaultPrinter();
    const QPageSize page = printer.isNull() ? QPageSize(QPageSize::A4) : printer.defaultPageSize();
    return page.size(QPageSize::Millimeter).toSize();
}

// Keeps a paint from starting inside another one.
class PaintGuard {
public:
    explicit PaintGuard(bool& painting) : m_painting(painting) { m_painting = true; }
    ~PaintGuard() { m_painting = false; }
    PaintGuard(const PaintGuard&) = delete;
    PaintGuard& operator=(const PaintGuard&) = delete;

private:
    bool& m_painting;
};

} // namespace

DocumentView::DocumentView(DocumentWindow& window)
    : m_window(window), m_paperSizeMm(defaultPaperSizeMm()) {
    setObjectName(QStringLiteral("DocumentView"));
    const QScreen* screen = QGuiApplication::primaryScreen();
    m_pixelSizeX = 254.0 / screen->physicalDotsPerInchX();
    m_pixelSizeY = 254.0 / screen->physicalDotsPerInchY();
    viewport()->setBackgroundRole(QPalette::Base);
    viewport()->setAutoFillBackground(true);
    setFocusPolicy(Qt::StrongFocus);
    horizontalScrollBar()->setSingleStep(LineStep);
    verticalScrollBar()->setSingleStep(LineStep);
    updateScrollRanges();
    updateCursor();
}

void DocumentView::setZoom(double zoom) {
    m_zoom = zoom;
    updateScrollRanges();
    viewport()->repaint();
}

QPoint DocumentView::scrollPosition() const {
    return {horizontalScrollBar()->value(), verticalScrollBar()->value()};
}

Point DocumentView::toModel(QPoint pixel, QPoint scroll) const {
    const Sequence& top = m_window.document().topSequence;
    const double scale = m_window.document().scale;
    const int x0 = rnd((pixel.x() + scroll.x()) * m_pixelSizeX / m_zoom) - SheetBorder;
    const int y0 = rnd((pixel.y() + scroll.y()) * m_pixelSizeY / m_zoom) - SheetBorder;
    return {top.left() + rnd((x0 - top.left()) / scale), top.top() + rnd((y0 - top.top()) / scale)};
}

QPointF DocumentView::toPixel(Point point) const {
    const Sequence& top = m_window.document().topSequence;
    const double scale = m_window.document().scale;
    const double x = top.left() + (point.x - top.left()) * scale;
    const double y = top.top() + (point.y - top.top()) * scale;
    return sheetTransform().map(QPointF(x, y));
}

QTransform DocumentView::sheetTransform() const {
    QTransform transform;
    const QPoint scroll = scrollPosition();
    transform.translate(-scroll.x(), -scroll.y());
    transform.scale(m_zoom / m_pixelSizeX, m_zoom / m_pixelSizeY);
    transform.translate(SheetBorder, SheetBorder);
    return transform;
}

void DocumentView::updateScrollRanges() {
    const int width = rnd((m_paperSizeMm.width() + 20) * m_zoom * 10 / m_pixelSizeX);
    const int height = rnd((m_paperSizeMm.height() + 20) * m_zoom * 10 / m_pixelSizeY);
    const QSize visible = viewport()->size();
    horizontalScrollBar()->setRange(0, std::max(0, width - visible.width()));
    horizontalScrollBar()->setPageStep(visible.width());
    verticalScrollBar()->setRange(0, std::max(0, height - visible.height()));
    verticalScrollBar()->setPageStep(visible.height());
}

void DocumentView::paintEvent(QPaintEvent* event) {
    if (m_painting)
        return;
    const PaintGuard guard(m_painting);
    Document& document = m_window.document();
    document.layoutOnPage(m_window.measurer(), m_paperSizeMm.width(), m_paperSizeMm.height());
    updateScrollRanges();
    QPainter painter(viewport());
    paintSheet(painter, event->rect());
    paintRubberBand(painter);
}

void DocumentView::paintSheet(QPainter& painter, const QRect& exposed) {
    const QTransform transform = sheetTransform();
    painter.setTransform(transform);
    const QRect sheet(0, 0, m_paperSizeMm.width() * 10, m_paperSizeMm.height() * 10);
    painter.setPen(QPen(QColor(128, 128, 128), 2));
    painter.setBrush(Qt::white);
    painter.drawRect(sheet);
    painter.setClipRect(sheet);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRect visible = transform.inverted().mapRect(QRect(exposed)).adjusted(-2, -2, 2, 2);
    renderDocument(painter, m_window.document(), m_window.measurer(), m_window.frame().labels(),
                   visible.intersected(sheet));
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

void DocumentView::mousePressEvent(QMouseEvent* event) {
    m_dragStart = event->position().toPoint();
    m_dragEnd = m_dragStart;
    m_dragScroll = scrollPosition();
    m_mouseIsDown = true;
}

void DocumentView::mouseMoveEvent(QMouseEvent* event) {
    if (!m_mouseIsDown || m_window.frame().currentTool() != SelectTool)
        return;
    m_rubberBand = true;
    m_dragEnd = event->position().toPoint();
    viewport()->update();
}

void DocumentView::mouseReleaseEvent(QMouseEvent* event) {
    setFocus();
    m_rubberBand = false;
    const Point start = toModel(m_dragStart, m_dragScroll);
    const Point end = toModel(event->position().toPoint(), scrollPosition());
    if (m_mouseIsDown) {
        m_mouseIsDown = false;
        actOnRelease(event->button(), start, end);
    }
    viewport()->update();
}

void DocumentView::actOnRelease(Qt::MouseButton button, Point start, Point end) {
    const int tool = m_window.frame().currentTool();
    if (tool == SelectTool)
        selectByDrag(start, end);
    else if (tool == TextTool)
        startTextEntry(end);
    else
        insertNewElement(button, end);
    if (tool != TextTool)
        setTextEditing(false);
}

void DocumentView::insertNewElement(Qt::MouseButton button, Point at) {
    const auto kind = static_cast<ElementKind>(m_window.frame().currentTool());
    const LayoutContext context = m_window.layoutContext();
    std::unique_ptr<Element> element = createElement(kind, context);
    if (kind == ElementKind::Case) {
        NewCaseDialog dialog(this);
        if (dialog.exec() != QDialog::Accepted)
            return;
        auto& switchCase = static_cast<Case&>(*element);
        switchCase.setBranchCount(dialog.branchCount());
        switchCase.setHasElse(dialog.hasElse());
    }
    const InsertMode mode = button == Qt::LeftButton ? InsertMode::After : InsertMode::Before;
    m_window.document().topSequence.insertElement(std::move(element), at, mode, context);
    edited();
}

void DocumentView::startTextEntry(Point at) {
    setTextEditing(false);
    const Document& document = m_window.document();
    const Sequence& top = document.topSequence;
    const int headerTop = top.top() + rnd((document.headerTop - top.top()) / document.scale);
    if (top.left() < at.x && at.x < top.left() + top.width() && headerTop < at.y &&
        at.y < top.top()) {
        emit diagramFormatRequested();
        return;
    }
    m_editElement = m_window.document().topSequence.elementAt(at);
    setTextEditing(m_editElement != nullptr);
}

void DocumentView::selectByDrag(Point first, Point second) {
    SelectionState state;
    Sequence& top = m_window.document().topSequence;
    if (std::abs(first.x - second.x) < ClickTolerance &&
        std::abs(first.y - second.y) < ClickTolerance) {
        top.selectAt(first, state);
    } else {
        top.selectInRect({std::min(first.x, second.x), std::min(first.y, second.y)},
                         {std::max(first.x, second.x), std::max(first.y, second.y)}, state);
    }
    m_selectedSequence = state.owner;
    m_window.frame().updateCommands();
}

void DocumentView::deleteSelection() {
    if (m_window.document().topSequence.deleteSelected(m_window.layoutContext())) {
        m_selectedSequence = nullptr;
        edited();
    }
}

void DocumentView::setTextEditing(bool on) {
    if (on == m_textEditing || m_editElement == nullptr)
        return;
    m_textEditing = on;
    Sequence& top = m_window.document().topSequence;
    if (on) {
        top.deselectAll();
        m_selectedSequence = nullptr;
    } else {
        m_editElement = nullptr;
        top.relayout(m_window.layoutContext());
    }
    m_window.frame().updateCommands();
}

void DocumentView::updateCursor() {
    viewport()->setCursor(m_window.frame().currentTool() == TextTool ? Qt::IBeamCursor
                                                                     : Qt::ArrowCursor);
}

// Every edit ends here: the model is laid out already; repaint and refresh
// the frame's commands.
void DocumentView::edited() {
    viewport()->update();
    m_window.frame().updateCommands();
}

void DocumentView::keyPressEvent(QKeyEvent* event) {
    if (m_rubberBand)
        return;
    const bool withCtrl = event->modifiers() == Qt::ControlModifier;
    if (event->key() == Qt::Key_Delete)
        deleteSelection();
    else if (event->key() != Qt::Key_Escape && !scrollByKey(event->key(), withCtrl))
        return QAbstractScrollArea::keyPressEvent(event);
    viewport()->update();
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
