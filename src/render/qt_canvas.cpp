#include "render/qt_canvas.h"

#include "render/text_codec.h"

#include <QPaintEngine>
#include <QPolygon>
#include <algorithm>
#include <cmath>

namespace velbrant {

namespace {

QPoint toQPoint(Point point) {
    return {point.x, point.y};
}

QRectF toRect(Point topLeft, Point bottomRight) {
    return QRectF(QPointF(toQPoint(topLeft)), QPointF(toQPoint(bottomRight)));
}

QPolygon toPolygon(std::span<const Point> points) {
    QPolygon polygon;
    polygon.reserve(static_cast<qsizetype>(points.size()));
    for (const Point point : points)
        polygon.append(toQPoint(point));
    return polygon;
}

// Turns antialiasing off while it lives.
class AxisAligned {
public:
    explicit AxisAligned(QPainter& painter)
        : m_painter(painter), m_antialiased(painter.testRenderHint(QPainter::Antialiasing)) {
        m_painter.setRenderHint(QPainter::Antialiasing, false);
    }
    ~AxisAligned() { m_painter.setRenderHint(QPainter::Antialiasing, m_antialiased); }
    AxisAligned(const AxisAligned&) = delete;
    AxisAligned& operator=(const AxisAligned&) = delete;

private:
    QPainter& m_painter;
    bool m_antialiased;
};

// Paints in whole device pixels while it lives. The painter's combined
// transform maps to device pixels (the screen's device pixel ratio
// included); undoing it and that ratio, but not the widget's offset in its
// window, puts a crisp line on the pixels it was computed for at any
// display scale.
class InDevicePixels {
public:
    explicit InDevicePixels(QPainter& painter) : m_painter(painter) {
        m_painter.save();
        const qreal ratio = painter.device()->devicePixelRatioF();
        m_painter.setViewTransformEnabled(false);
        m_painter.setWorldTransform(QTransform::fromScale(1 / ratio, 1 / ratio));
    }
    ~InDevicePixels() { m_painter.restore(); }
    InDevicePixels(const InDevicePixels&) = delete;
    InDevicePixels& operator=(const InDevicePixels&) = delete;

private:
    QPainter& m_painter;
};

// The first of `width` pixels centred on a device coordinate.
int firstPixel(double centre, int width) {
    return static_cast<int>(std::floor(centre - width / 2.0 + 0.5));
}

// A model pen width as whole device pixels along one axis.
int pixelWidth(int penWidth, double pixelsPerUnit) {
    return std::max(1, static_cast<int>(std::lround(penWidth * std::abs(pixelsPerUnit))));
}

} // namespace

QtCanvas::QtCanvas(QPainter& painter, QtTextMeasurer& measurer)
    : m_painter(painter), m_measurer(measurer),
      m_snapToPixels(painter.paintEngine()->type() == QPaintEngine::Raster) {
    m_painter.setBackgroundMode(Qt::TransparentMode);
}

void QtCanvas::setFont(const ElementFont& font, double heightFactor) {
    m_measurer.setFont(font, heightFactor);
    m_painter.setFont(m_measurer.currentFont().font);
}

int QtCanvas::textWidth(std::string_view text) const {
    return m_measurer.textWidth(text);
}

int QtCanvas::textHeight(std::string_view text) const {
    return m_measurer.textHeight(text);
}

void QtCanvas::setPen(int width) {
    m_penWidth = width;
    m_painter.setPen(QPen(Qt::black, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
}

void QtCanvas::setBrush(Color color) {
    m_painter.setBrush(qtColor(color));
}

void QtCanvas::setHollowBrush() {
    m_painter.setBrush(Qt::NoBrush);
}

// Boxes and straight lines are axis-aligned: drawn on whole pixels they stay
// crisp, and filling them costs a fraction of antialiased filling.
void QtCanvas::rectangle(Point topLeft, Point bottomRight) {
    const AxisAligned crisp(m_painter);
    if (!m_snapToPixels) {
        m_painter.drawRect(toRect(topLeft, bottomRight));
        return;
    }
    const QRectF box = m_painter.combinedTransform().mapRect(toRect(topLeft, bottomRight));
    if (m_painter.brush().style() != Qt::NoBrush) {
        const QPoint first(firstPixel(box.left(), 0), firstPixel(box.top(), 0));
        const QPoint last(firstPixel(box.right(), 0), firstPixel(box.bottom(), 0));
        const QBrush brush = m_painter.brush();
        const InDevicePixels pixels(m_painter);
        m_painter.fillRect(QRect(first, last - QPoint(1, 1)), brush);
    }
    const QPointF corners[] = {box.topLeft(), box.topRight(), box.bottomRight(), box.bottomLeft()};
    for (int side = 0; side < 4; ++side)
        fillStroke(corners[side], corners[(side + 1) % 4]);
}

void QtCanvas::fillStroke(QPointF from, QPointF to) {
    const QTransform device = m_painter.combinedTransform();
    const int widthX = pixelWidth(m_penWidth, device.m11());
    const int widthY = pixelWidth(m_penWidth, device.m22());
    const double left = std::min(from.x(), to.x());
    const double right = std::max(from.x(), to.x());
    const double top = std::min(from.y(), to.y());
    const double bottom = std::max(from.y(), to.y());
    const QRect pixels(
        QPoint(firstPixel(left, widthX), firstPixel(top, widthY)),
        QPoint(firstPixel(right, widthX) + widthX - 1, firstPixel(bottom, widthY) + widthY - 1));
    const QColor color = m_painter.pen().color();
    const InDevicePixels inPixels(m_painter);
    m_painter.fillRect(pixels, color);
}

void QtCanvas::ellipse(Point topLeft, Point bottomRight) {
    m_painter.drawEllipse(toRect(topLeft, bottomRight));
}

void QtCanvas::polygon(std::span<const Point> points) {
    m_painter.drawPolygon(toPolygon(points));
}

void QtCanvas::polyline(std::span<const Point> points) {
    m_painter.drawPolyline(toPolygon(points));
}

void QtCanvas::line(Point from, Point to) {
    if (from.x != to.x && from.y != to.y) {
        m_painter.drawLine(toQPoint(from), toQPoint(to));
        return;
    }
    const AxisAligned crisp(m_painter);
    if (!m_snapToPixels) {
        m_painter.drawLine(toQPoint(from), toQPoint(to));
        return;
    }
    const QTransform device = m_painter.combinedTransform();
    fillStroke(device.map(QPointF(toQPoint(from))), device.map(QPointF(toQPoint(to))));
}

void QtCanvas::text(Point topLeft, std::string_view text) {
    const FontMetricsEntry& font = m_measurer.currentFont();
    const QPen outline = m_painter.pen();
    if (m_textColor != Qt::black)
        m_painter.setPen(m_textColor);
    m_painter.drawText(QPointF(topLeft.x, topLeft.y + font.ascent), drawnText(text, font.symbol));
    if (m_textColor != Qt::black)
        m_painter.setPen(outline);
}

void QtCanvas::setTextColor(Color color) {
    m_textColor = qtColor(color);
}

} // namespace velbrant
