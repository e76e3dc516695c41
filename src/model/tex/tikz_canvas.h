#pragma once

#include "model/layout/canvas.h"

#include <string>

namespace velbrant::tex {

// A canvas that writes what is drawn as TikZ commands, in the drawing's
// own units (a picture set up with x = 0.1 mm, y = -0.1 mm): so the
// picture has the diagram's proportions exactly. Texts are measured by
// the given measurer, as layout measured them, and set in Helvetica, whose
// widths are those of Arial and Liberation Sans.
class TikzCanvas : public Canvas {
public:
    explicit TikzCanvas(TextMeasurer& measurer) : m_measurer(measurer) {}

    void setFont(const ElementFont& font, double heightFactor) override;
    int textWidth(std::string_view text) const override { return m_measurer.textWidth(text); }
    int textHeight(std::string_view text) const override { return m_measurer.textHeight(text); }

    void setPen(int width) override { m_penWidth = width; }
    void setBrush(Color color) override;
    void setHollowBrush() override { m_fill.clear(); }
    void rectangle(Point topLeft, Point bottomRight) override;
    void ellipse(Point topLeft, Point bottomRight) override;
    void polygon(std::span<const Point> points) override;
    void polyline(std::span<const Point> points) override;
    void line(Point from, Point to) override;
    void text(Point topLeft, std::string_view text) override;
    void setTextColor(Color color) override { m_textColor = color; }

    const std::string& commands() const { return m_commands; }

private:
    std::string drawOptions(bool filled) const;
    static std::string point(Point p);
    static std::string color(Color c);

    TextMeasurer& m_measurer;
    std::string m_commands;
    int m_penWidth = 0;
    std::string m_fill;
    Color m_textColor = Black;
    std::string m_font;
    bool m_symbols = false;
};

} // namespace velbrant::tex
