#include "render/qt_canvas.h"

#include "render/text_codec.h"

#include <QPolygon>

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

} // namespace

QtCanvas::QtCanvas(QPainter& painter, QtTextMeasurer& measurer)
    : m_painter(painter), m_measurer(measurer) {
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
    m_painter.setPen(QPen(Qt::black, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
}

void QtCanvas::setBrush(Color color) {
    m_painter.setBrush(QColor(color.red, color.green, color.blue));
}

void QtCanvas::setHollowBrush() {
    m_painter.setBrush(Qt::NoBrush);
}

// Boxes and straight lines are axis-aligned: drawn on whole pixels they stay
// crisp, and filling them costs a fraction of antialiased filling.
void QtCanvas::rectangle(Point topLeft, Point bottomRight) {
    const AxisAligned crisp(m_painter);
    m_painter.drawRect(toRect(topLeft, bottomRight));
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
    m_painter.drawLine(toQPoint(from), toQPoint(to));
}

void QtCanvas::text(Point topLeft, std::string_view text) {
    const FontMetricsEntry& font = m_measurer.currentFont();
    m_painter.drawText(QPointF(topLeft.x, topLeft.y + font.ascent), decodeText(text, font.symbol));
}

} // namespace velbrant
