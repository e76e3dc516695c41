#include "model/elements/conditional.h"

#include "model/files/windows1252.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace velbrant {

// The branches exist from the start, empty until setup or a reader fills
// them, so that no operation meets a conditional without branches.
Conditional::Conditional(const LayoutContext& context) : BranchingElement(context) {
    setKindTag(Tag);
    setHAlign(Alignment::Center);
    addSequence();
    addSequence();
}

void Conditional::placeSequences(Coord index, int value) {
    Sequence& thenSeq = thenSequence();
    Sequence& elseSeq = elseSequence();
    switch (index) {
    case Coord::Left:
        thenSeq.setCoord(Coord::Left, value);
        elseSeq.setCoord(Coord::Left, splitX());
        break;
    case Coord::Top:
        thenSeq.setCoord(Coord::Top, value + headHeight());
        elseSeq.setCoord(Coord::Top, value + headHeight());
        break;
    case Coord::Width: {
        // Extra width is shared evenly; an odd unit goes to the else branch.
        const int extra = value - thenSeq.width() - elseSeq.width();
        thenSeq.setCoord(Coord::Width, thenSeq.width() + extra / 2);
        elseSeq.setCoord(Coord::Left, splitX());
        elseSeq.setCoord(Coord::Width, value - thenSeq.width());
        break;
    }
    case Coord::Height:
        thenSeq.setCoord(Coord::Height, value - headHeight());
        elseSeq.setCoord(Coord::Height, value - headHeight());
        break;
    }
}

void Conditional::setup(const LayoutContext& context) {
    appendEmptyStatement(thenSequence(), context);
    appendEmptyStatement(elseSequence(), context);
    if (!context.labels.ifText.empty())
        setLines({context.labels.ifText});
    Element::setup(context);
}

// Each branch is at least wide enough that its label, on the head's last
// line, stands clear of the diagonal above the branch.
void Conditional::measureContent(const LayoutContext& context) {
    setHAlign(Alignment::Center);
    Element::measure(context);
    const int textBoxWidth = minWidth();
    m_conditionWidth = std::max(0, textBoxWidth - 2 * TextMarginX);
    measureHead();
    context.measurer.setFont(font(), 1.0);
    const std::array<int, 2> labelWidths{
        context.measurer.textWidth(utf8FromWindows1252(context.labels.yes)),
        context.measurer.textWidth(utf8FromWindows1252(context.labels.no))};
    // How far down the head the labels' top lies, as a fraction.
    const double depth = static_cast<double>(labelTop() - top()) / std::max(1, headHeight());
    int tallestBranch = 0;
    std::array<int, 2> branchWidths{};
    int branchLeft = left();
    for (std::size_t i = 0; i < 2; ++i) {
        Sequence& branch = sequenceAt(i);
        branch.moveTo(branchLeft, top() + headHeight());
        branch.relayout(context);
        tallestBranch = std::max(tallestBranch, branch.height());
        const auto labelRoom = static_cast<int>(
            std::ceil((LabelInset + labelWidths[i] + DiagonalGap) / std::max(depth, 0.1)));
        branchWidths[i] = std::max({branch.width(), 3 * TextMarginX, labelRoom});
        branchLeft += branchWidths[i];
    }
    setMinSize(
        std::max(2 * std::int64_t{textBoxWidth}, std::int64_t{branchWidths[0]} + branchWidths[1]),
        std::int64_t{headHeight()} + tallestBranch);
    setCoord(Coord::Height, minHeight());
    thenSequence().setCoord(Coord::Width, branchWidths[0]);
    elseSequence().setCoord(Coord::Left, splitX());
    elseSequence().setCoord(Coord::Width, branchWidths[1]);
}

int Conditional::labelTop() const {
    return top() + headHeight() - lineHeight() - DiagonalGap;
}

int Conditional::diagonalInset(std::size_t branch, int y) const {
    const int branchWidth = branch == 0 ? splitX() - left() : left() + width() - splitX();
    return static_cast<int>(static_cast<std::int64_t>(branchWidth) * (y - top()) /
                            std::max(1, headHeight()));
}

int Conditional::conditionCentre() const {
    const auto lineCount = static_cast<int>(lines().size());
    const int textBottom = top() + TextMarginY + lineCount * (lineHeight() + LineGap);
    const int spanLeft = left() + diagonalInset(0, textBottom) + DiagonalGap;
    const int spanRight = left() + width() - diagonalInset(1, textBottom) - DiagonalGap;
    const int half = m_conditionWidth / 2;
    if (spanRight - spanLeft < m_conditionWidth)
        return (spanLeft + spanRight) / 2;
    return std::clamp(splitX(), spanLeft + half, spanRight - half);
}

void Conditional::draw(Canvas& canvas, const DrawContext& context) const {
    drawBox(canvas, context);
    drawLines(canvas, context, conditionCentre(), top() + TextMarginY, Alignment::Center);
    const int headBottom = top() + headHeight();
    const std::array<Point, 3> diagonals{context.map(left(), top()),
                                         context.map(splitX(), headBottom),
                                         context.map(left() + width(), top())};
    canvas.polyline(diagonals);
    canvas.line(context.map(left(), headBottom), context.map(left() + width(), headBottom));
    drawLabels(canvas, context);
    drawSequences(canvas, context);
}

void Conditional::drawLabels(Canvas& canvas, const DrawContext& context) const {
    const int labelY = labelTop();
    canvas.text(context.map(left() + LabelInset, labelY), utf8FromWindows1252(context.labels.yes));
    const std::string no = utf8FromWindows1252(context.labels.no);
    Point noAnchor = context.map(left() + width() - LabelInset, labelY);
    noAnchor.x -= canvas.textWidth(no);
    canvas.text(noAnchor, no);
}

Sequence* Conditional::nestedSequenceAt(Point point) {
    return point.x < splitX() ? &thenSequence() : &elseSequence();
}

} // namespace velbrant
