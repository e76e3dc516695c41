#pragma once

#include "model/diagram/compound_element.h"

#include <string>

namespace velbrant {

// The loops: a box with a text bar and a left bar framing the body, a
// sequence inset right of the left bar. The kinds differ only in where the
// text bar lies, how many bars the body sits between, and which points
// count as hitting the bars.
class Loop : public CompoundElement {
public:
    // Width of the left bar.
    static constexpr int BarWidth = TextMarginX;

    Loop(const LayoutContext& context, int presetMinHeight);

    int barHeight() const { return m_barHeight; }
    Sequence& body() { return sequenceAt(0); }
    const Sequence& body() const { return sequenceAt(0); }

    void setup(const LayoutContext& context) override;
    void draw(Canvas& canvas, const DrawContext& context) const override;

protected:
    void placeSequences(Coord index, int value) override;
    void measureContent(const LayoutContext& context) override;

    // What each kind states about itself.
    virtual const std::string& defaultText(const DefaultLabels& labels) const = 0;
    // Distance of the body's top below the loop's top.
    virtual int bodyOffset() const { return m_barHeight; }
    // The height of the loop that is not body: one bar, or two.
    virtual int barsHeight() const { return m_barHeight; }
    // Top of the bar that holds the text.
    virtual int textBarTop() const { return top(); }
    // The text bar: the head of a while or counting loop.
    bool isOwnArea(Point point) const override { return point.y < top() + m_barHeight; }
    // The bars: head and left bar of a while loop.
    bool selectsWhole(Point point) const override;
    // Where a new element may enter the body.
    bool takesNestedAt(Point point) const override;
    Sequence* nestedSequenceAt(Point) override { return &body(); }

    bool inBodyColumn(Point point) const { return point.x >= left() + BarWidth; }

private:
    int m_barHeight = 100;
};

} // namespace velbrant
