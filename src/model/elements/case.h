#pragma once

#include "model/diagram/branching_element.h"

#include <string>
#include <vector>

namespace velbrant {

// The multi-way selection: a head with the selection text cut by two
// diagonals, and below it a row of branch columns with their labels. The
// else branch, if any, is the last column.
class Case : public BranchingElement {
public:
    static constexpr int DefaultBranchCount = 3;
    // Distance of a label from its column's edge.
    static constexpr int LabelInset = 20;
    // Distance of the labels' bottom above the head's bottom line.
    static constexpr int LabelLift = TextMarginY / 2;
    static constexpr int MinColumnWidth = 3 * TextMarginX;

    explicit Case(const LayoutContext& context);

    ElementKind kind() const override { return ElementKind::Case; }
    bool hasElse() const { return m_hasElse; }
    // Set by the creator before the case is inserted; fixed afterwards.
    void setHasElse(bool hasElse) {
        m_hasElse = hasElse;
        invalidateLayout();
    }
    int branchCount() const { return m_branchCount; }
    void setBranchCount(int count) {
        m_branchCount = count;
        invalidateLayout();
    }
    Sequence& branch(std::size_t index) { return sequenceAt(index); }
    const Sequence& branch(std::size_t index) const { return sequenceAt(index); }
    const std::vector<std::string>& branchLabels() const { return m_labels; }
    // New labels, one per branch in order; extra ones are dropped, missing
    // ones left empty.
    void setBranchLabels(std::vector<std::string> labels);
    // For readers: a new, empty branch column with its label.
    Sequence& addBranch(std::string label);

    void setup(const LayoutContext& context) override;
    void draw(Canvas& canvas, const DrawContext& context) const override;

protected:
    void placeSequences(Coord index, int value) override;
    void measureContent(const LayoutContext& context) override;
    // The column whose x range holds the point. Below the head, a point in
    // no column takes nothing in, and the enclosing sequence must not place
    // what was offered either: it is dropped.
    Sequence* nestedSequenceAt(Point point) override;

private:
    Alignment forcedAlignment() const { return m_hasElse ? Alignment::Center : Alignment::End; }
    // The x where the diagonals meet: the else column's left edge, or the
    // right edge without else.
    int apexX() const;
    int measureColumnWidth(std::size_t index, TextMeasurer& measurer) const;
    // Where a column stands: right of its left neighbour, the first at the
    // element's left edge.
    int columnLeft(std::size_t index, int elementLeft) const;
    void distributeWidth(int width);
    void drawHead(Canvas& canvas, const DrawContext& context) const;
    void drawLabels(Canvas& canvas, const DrawContext& context) const;

    bool m_hasElse = true;
    int m_branchCount = DefaultBranchCount;
    std::vector<std::string> m_labels;
};

} // namespace velbrant
