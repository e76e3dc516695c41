#include "model/elements/loop.h"

#include <algorithm>

namespace velbrant {

// The body exists from the start, empty until setup or a reader fills it.
Loop::Loop(const LayoutContext& context, int presetMinHeight) : CompoundElement(context) {
    addSequence();
    setMinSize(0, presetMinHeight);
    Element::setCoord(Coord::Height, presetMinHeight);
}

void Loop::placeSequences(Coord index, int value) {
    switch (index) {
    case Coord::Left:
        body().setCoord(Coord::Left, value + BarWidth);
        break;
    case Coord::Top:
        body().setCoord(Coord::Top, value + bodyOffset());
        break;
    case Coord::Width:
        body().setCoord(Coord::Width, value - BarWidth);
        break;
    case Coord::Height:
        body().setCoord(Coord::Height, value - barsHeight());
        break;
    }
}

void Loop::setup(const LayoutContext& context) {
    appendEmptyStatement(body(), context);
    if (const std::string& text = defaultText(context.labels); !text.empty())
        setLines({text});
    Element::setup(context);
}

void Loop::measureContent(const LayoutContext& context) {
    Element::measure(context);
    const int textBoxWidth = minWidth();
    m_barHeight = minHeight();
    body().moveTo(left() + BarWidth, top() + bodyOffset());
    body().relayout(context);
    const int widest = std::max(body().width(), 2 * TextMarginX);
    setMinSize(std::max(textBoxWidth, widest + BarWidth),
               std::int64_t{body().height()} + barsHeight());
}

void Loop::draw(Canvas& canvas, const DrawContext& context) const {
    drawBox(canvas, context);
    drawLines(canvas, context, textAnchorX(), textBarTop() + TextMarginY, hAlign());
    drawSequences(canvas, context);
}

bool Loop::selectsWhole(Point point) const {
    if (point.x < left() || point.y < top())
        return false;
    const bool inHead = point.x < left() + width() && point.y < top() + m_barHeight;
    const bool onLeftBar = point.x < left() + BarWidth && point.y < bottom();
    return inHead || onLeftBar;
}

bool Loop::takesNestedAt(Point point) const {
    return point.y >= top() + m_barHeight && inBodyColumn(point);
}

} // namespace velbrant
