#include "recording_canvas.h"

#include "model/layout/units.h"

#include <algorithm>
#include <cstdlib>

namespace velbrant {

void FixedWidthMeasurer::setFont(const ElementFont& font, double heightFactor) {
    m_factor = heightFactor;
    m_fontHeight = std::abs(makeLogFont(font, heightFactor).height);
}

int FixedWidthMeasurer::textWidth(std::string_view text) const {
    // Characters, not bytes: UTF-8 continuation bytes add nothing.
    const auto characters =
        std::count_if(text.begin(), text.end(), [](char c) { return (c & 0xC0) != 0x80; });
    return static_cast<int>(characters) * rnd(m_charWidth * m_factor);
}

int FixedWidthMeasurer::textHeight(std::string_view) const {
    return m_fontHeight + CellExtra;
}

void RecordingCanvas::setFont(const ElementFont& font, double heightFactor) {
    m_measurer.setFont(font, heightFactor);
    m_bold = font.isBold();
    m_ops.push_back({OpType::Font, {}, font.name, -m_measurer.fontHeight(), {}});
}

int RecordingCanvas::textWidth(std::string_view text) const {
    return m_measurer.textWidth(text);
}

int RecordingCanvas::textHeight(std::string_view text) const {
    return m_measurer.textHeight(text);
}

void RecordingCanvas::setPen(int width) {
    m_ops.push_back({OpType::Pen, {}, {}, width, {}});
}

void RecordingCanvas::setBrush(Color color) {
    m_ops.push_back({OpType::Brush, {}, {}, 0, color});
}

void RecordingCanvas::setHollowBrush() {
    m_ops.push_back({OpType::HollowBrush, {}, {}, 0, {}});
}

void RecordingCanvas::rectangle(Point topLeft, Point bottomRight) {
    m_ops.push_back({OpType::Rectangle, {topLeft, bottomRight}, {}, 0, {}});
}

void RecordingCanvas::ellipse(Point topLeft, Point bottomRight) {
    m_ops.push_back({OpType::Ellipse, {topLeft, bottomRight}, {}, 0, {}});
}

void RecordingCanvas::polygon(std::span<const Point> points) {
    m_ops.push_back({OpType::Polygon, {points.begin(), points.end()}, {}, 0, {}});
}

void RecordingCanvas::polyline(std::span<const Point> points) {
    m_ops.push_back({OpType::Polyline, {points.begin(), points.end()}, {}, 0, {}});
}

void RecordingCanvas::line(Point from, Point to) {
    m_ops.push_back({OpType::Line, {from, to}, {}, 0, {}});
}

void RecordingCanvas::text(Point topLeft, std::string_view text) {
    m_ops.push_back({OpType::Text, {topLeft}, std::string(text), m_bold ? 1 : 0, m_textColor});
}

void RecordingCanvas::setTextColor(Color color) {
    m_textColor = color;
}

std::vector<RecordingCanvas::Op> RecordingCanvas::opsOfType(OpType type) const {
    std::vector<Op> matching;
    std::copy_if(m_ops.begin(), m_ops.end(), std::back_inserter(matching),
                 [type](const Op& op) { return op.type == type; });
    return matching;
}

} // namespace velbrant
