#include "model/elements/case.h"

#include "model/files/windows1252.h"

#include <algorithm>
#include <array>

namespace velbrant {

Case::Case(const LayoutContext& context) : BranchingElement(context) {}

int Case::apexX() const {
    return m_hasElse && sequenceCount() > 0 ? branch(sequenceCount() - 1).left() : left() + width();
}

void Case::placeSequences(Coord index, int value) {
    switch (index) {
    case Coord::Left:
        for (std::size_t i = 0; i < sequenceCount(); ++i)
            branch(i).setCoord(Coord::Left, columnLeft(i, value));
        break;
    case Coord::Top:
        for (std::size_t i = 0; i < sequenceCount(); ++i)
            branch(i).setCoord(Coord::Top, value + headHeight());
        break;
    case Coord::Height:
        for (std::size_t i = 0; i < sequenceCount(); ++i)
            branch(i).setCoord(Coord::Height, value - headHeight());
        break;
    case Coord::Width:
        distributeWidth(value);
        break;
    }
}

int Case::columnLeft(std::size_t index, int elementLeft) const {
    return index == 0 ? elementLeft : branch(index - 1).left() + branch(index - 1).width();
}

// Every column but the last gets an equal share of the change; the last
// takes what is left, so the columns always fill the width exactly.
void Case::distributeWidth(int width) {
    const int count = static_cast<int>(sequenceCount());
    if (count == 0)
        return;
    int sum = 0;
    for (std::size_t i = 0; i < sequenceCount(); ++i)
        sum += branch(i).width();
    const int share = (width - sum) / count;
    int used = 0;
    for (std::size_t i = 0; i + 1 < sequenceCount(); ++i) {
        branch(i).setCoord(Coord::Width, branch(i).width() + share);
        branch(i).setCoord(Coord::Left, left() + used);
        used += branch(i).width();
    }
    Sequence& last = branch(sequenceCount() - 1);
    last.setCoord(Coord::Left, left() + used);
    last.setCoord(Coord::Width, width - used);
}

void Case::setup(const LayoutContext& context) {
    for (int i = 0; i < m_branchCount; ++i) {
        const bool isElse = m_hasElse && i == m_branchCount - 1;
        appendEmptyStatement(addBranch(isElse ? context.labels.caseElse
                                              : context.labels.casePrefix + std::to_string(i + 1)),
                             context);
    }
    measure(context);
    if (!context.labels.caseText.empty())
        setLines({context.labels.caseText});
}

void Case::measureContent(const LayoutContext& context) {
    setHAlign(forcedAlignment());
    Element::measure(context);
    measureHead();
    const std::int64_t headWidth = 3 * std::int64_t{minWidth()};
    int tallestBranch = 0;
    std::int64_t columnsWidth = 0;
    for (std::size_t i = 0; i < sequenceCount(); ++i) {
        Sequence& column = branch(i);
        column.moveTo(columnLeft(i, left()), top() + headHeight());
        column.relayout(context);
        tallestBranch = std::max(tallestBranch, column.height());
        column.setCoord(Coord::Width, measureColumnWidth(i, context.measurer));
        columnsWidth += column.width();
    }
    setMinSize(std::max(headWidth, columnsWidth), std::int64_t{headHeight()} + tallestBranch);
    setCoord(Coord::Height, minHeight());
}

// At least the smallest column, the label with its margins, and the widest
// element of the column.
int Case::measureColumnWidth(std::size_t index, TextMeasurer& measurer) const {
    measurer.setFont(font(), 1.0);
    const int labelWidth =
        index < m_labels.size()
            ? measurer.textWidth(utf8FromWindows1252(m_labels[index])) + 2 * TextMarginX
            : 0;
    return std::max({MinColumnWidth, labelWidth, branch(index).width()});
}

void Case::draw(Canvas& canvas, const DrawContext& context) const {
    drawBox(canvas, context);
    drawHead(canvas, context);
    drawLabels(canvas, context);
    drawSequences(canvas, context);
}

void Case::drawHead(Canvas& canvas, const DrawContext& context) const {
    const int headBottom = top() + headHeight();
    for (std::size_t i = 1; i < sequenceCount(); ++i) {
        const int x = branch(i).left();
        canvas.line(context.map(x, top()), context.map(x, headBottom));
    }
    // The triangle covers the separators' upper parts, so they start at the
    // diagonals; its lower vertex leaves one text line for the labels.
    const std::array<Point, 3> triangle{context.map(left(), top()),
                                        context.map(apexX(), headBottom - lineHeight()),
                                        context.map(left() + width(), top())};
    canvas.polygon(triangle);
    const int textX = m_hasElse ? apexX() : left() + width() - TextMarginX;
    drawLines(canvas, context, textX, top() + TextMarginY, forcedAlignment());
    canvas.line(context.map(left(), headBottom), context.map(left() + width(), headBottom));
}

void Case::drawLabels(Canvas& canvas, const DrawContext& context) const {
    const int labelBottom = top() + headHeight() - LabelLift;
    const std::size_t count = std::min(m_labels.size(), sequenceCount());
    for (std::size_t i = 0; i < count; ++i) {
        const std::string label = utf8FromWindows1252(m_labels[i]);
        const bool rightAligned = m_hasElse && i + 1 == count;
        const int x = rightAligned ? left() + width() - LabelInset : branch(i).left() + LabelInset;
        Point anchor = context.map(x, labelBottom);
        anchor.y -= canvas.textHeight(label);
        if (rightAligned)
            anchor.x -= canvas.textWidth(label);
        canvas.text(anchor, label);
    }
}

void Case::setBranchLabels(std::vector<std::string> labels) {
    labels.resize(sequenceCount());
    m_labels = std::move(labels);
    invalidateLayout();
}

Sequence& Case::addBranch(std::string label) {
    m_labels.push_back(std::move(label));
    return addSequence();
}

Sequence* Case::nestedSequenceAt(Point point) {
    for (std::size_t i = 0; i < sequenceCount(); ++i) {
        Sequence& column = branch(i);
        if (point.x >= column.left() && point.x < column.left() + column.width())
            return &column;
    }
    return nullptr;
}

} // namespace velbrant
