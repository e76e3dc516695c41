#pragma once

#include "model/canvas.h"
#include "render/qt_text_measurer.h"

#include <QPainter>

namespace velbrant {

// The model's canvas on a QPainter whose coordinates are model units. Text
// is measured by the borrowed measurer, so screen, print and export measure
// alike and share its font cache.
class QtCanvas : public Canvas {
public:
    QtCanvas(QPainter& painter, QtTextMeasurer& measurer);

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

private:
    QPainter& m_painter;
    QtTextMeasurer& m_measurer;
};

} // namespace velbrant
