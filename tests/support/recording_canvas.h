#pragma once

#include "model/layout/canvas.h"

#include <string>
#include <vector>

namespace velbrant {

// Fake font metrics for tests and benchmarks that need no display and no
// fonts: every character is charWidth units wide at height factor 1, and a line
// is the character height plus CellExtra units high.
class FixedWidthMeasurer : public TextMeasurer {
public:
    static constexpr int CellExtra = 4;

    explicit FixedWidthMeasurer(int charWidth = 10) : m_charWidth(charWidth) {}

    void setFont(const ElementFont& font, double heightFactor) override;
    int textWidth(std::string_view text) const override;
    int textHeight(std::string_view text) const override;
    int fontHeight() const { return m_fontHeight; }

private:
    int m_charWidth;
    double m_factor = 1.0;
    int m_fontHeight = 0;
};

// A canvas with fixed-width fake metrics that records what is drawn.
class RecordingCanvas : public Canvas {
public:
    static constexpr int CellExtra = FixedWidthMeasurer::CellExtra;

    enum class OpType {
        Font,
        Pen,
        Brush,
        HollowBrush,
        Rectangle,
        Ellipse,
        Polygon,
        Polyline,
        Line,
        Text
    };

    struct Op {
        OpType type;
        std::vector<Point> points;
        std::string text; // Text: UTF-8; Font: the face name
        int value = 0;    // Pen: width; Font: logical height; Text: 1 when bold
        Color color;      // Brush, and a text's colour
    };

    explicit RecordingCanvas(int charWidth = 10) : m_measurer(charWidth) {}

    void setFont(const ElementFont& font, double heightFactor) override;
    int textWidth(std::string_view text) const override;
    int textHeight(std::string_view text) const override;

    void setPen(int width) override;
    void setBrush(Color color) override;
    void setHollowBrush() override;
    void rectangle(Point topLeft, Point bottomRight) override;
    void ellipse(Point topLeft, Point bottomRight) override;
    void polygon(std::span<const Point> points) override;
    void polyline(std::span<const Point> points) override;
    void line(Point from, Point to) override;
    void text(Point topLeft, std::string_view text) override;
    void setTextColor(Color color) override;

    const std::vector<Op>& ops() const { return m_ops; }
    std::vector<Op> opsOfType(OpType type) const;
    void clear() { m_ops.clear(); }

private:
    FixedWidthMeasurer m_measurer;
    std::vector<Op> m_ops;
    Color m_textColor = Black;
    bool m_bold = false;
};

} // namespace velbrant
