#pragma once

#include "model/layout/canvas.h"

namespace velbrant {

// Passes on only the shapes whose top lies in the strip from `firstTop` to
// just above `endTop`: drawing a tall picture strip by strip onto one
// surface then draws every shape once, in the strip where it begins, so a
// box filled in a later strip cannot cover what an earlier strip drew
// inside it, and a tall element's lines are not drawn again in every strip
// it reaches.
class StripCanvas : public Canvas {
public:
    StripCanvas(Canvas& target, int firstTop, int endTop)
        : m_target(target), m_firstTop(firstTop), m_endTop(endTop) {}

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
    void setTextColor(Color color) override { m_target.setTextColor(color); }

private:
    bool beginsHere(int top) const { return top >= m_firstTop && top < m_endTop; }
    bool beginsHere(std::span<const Point> points) const;

    Canvas& m_target;
    int m_firstTop;
    int m_endTop;
};

} // namespace velbrant
