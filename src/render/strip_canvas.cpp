#include "render/strip_canvas.h"

#include <algorithm>

namespace velbrant {

void StripCanvas::setFont(const ElementFont& font, double heightFactor) {
    m_target.setFont(font, heightFactor);
}

int StripCanvas::textWidth(std::string_view text) const {
    return m_target.textWidth(text);
}

int StripCanvas::textHeight(std::string_view text) const {
    return m_target.textHeight(text);
}

void StripCanvas::setPen(int width) {
    m_target.setPen(width);
}

void StripCanvas::setBrush(Color color) {
    m_target.setBrush(color);
}

void StripCanvas::setHollowBrush() {
    m_target.setHollowBrush();
}

void StripCanvas::rectangle(Point topLeft, Point bottomRight) {
    if (beginsHere(std::min(topLeft.y, bottomRight.y)))
        m_target.rectangle(topLeft, bottomRight);
}

void StripCanvas::ellipse(Point topLeft, Point bottomRight) {
    if (beginsHere(std::min(topLeft.y, bottomRight.y)))
        m_target.ellipse(topLeft, bottomRight);
}

void StripCanvas::polygon(std::span<const Point> points) {
    if (beginsHere(points))
        m_target.polygon(points);
}

void StripCanvas::polyline(std::span<const Point> points) {
    if (beginsHere(points))
        m_target.polyline(points);
}

void StripCanvas::line(Point from, Point to) {
    if (beginsHere(std::min(from.y, to.y)))
        m_target.line(from, to);
}

void StripCanvas::text(Point topLeft, std::string_view text) {
    if (beginsHere(topLeft.y))
        m_target.text(topLeft, text);
}

bool StripCanvas::beginsHere(std::span<const Point> points) const {
    return points.empty() ||
           beginsHere(std::ranges::min(points, {}, [](const Point& p) { return p.y; }).y);
}

} // namespace velbrant
