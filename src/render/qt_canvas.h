#pragma once

#include "model/layout/canvas.h"
#include "render/qt_text_measurer.h"

#include <QColor>
#include <QPainter>

namespace velbrant {

// The model's colour as Qt's.
inline QColor qtColor(Color color) {
    return {color.red, color.green, color.blue};
}

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
    void setTextColor(Color color) override;

private:
    // On pixel devices an axis-parallel stroke of a model width is a whole
    // number of pixels, at least one, placed by one rounding rule, so every
    // edge of a width looks the same; vector devices get the exact geometry.
    void fillStroke(QPointF from, QPointF to);

    QPainter& m_painter;
    QtTextMeasurer& m_measurer;
    bool m_snapToPixels;
    int m_penWidth = 0;
    QColor m_textColor = Qt::black;
};

} // namespace velbrant
