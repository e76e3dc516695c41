#pragma once

#include "model/diagram/branching_element.h"

namespace velbrant {

// The two-way selection: a head with the condition text and two diagonals
// meeting at the split point, the then branch left of it and the else
// branch right of it.
class Conditional : public BranchingElement {
public:
    // The kind tag a conditional carries in files.
    static constexpr std::uint16_t Tag = 6;
    // Distance of the branch labels from the box's sides, and of the
    // labels and the condition from the diagonals.
    static constexpr int LabelInset = 20;
    static constexpr int DiagonalGap = 10;

    explicit Conditional(const LayoutContext& context);

    ElementKind kind() const override { return ElementKind::Conditional; }
    Sequence& thenSequence() { return sequenceAt(0); }
    Sequence& elseSequence() { return sequenceAt(1); }
    const Sequence& thenSequence() const { return sequenceAt(0); }
    const Sequence& elseSequence() const { return sequenceAt(1); }
    // Where the branches meet; a point at or right of it is in the else branch.
    int splitX() const { return thenSequence().left() + thenSequence().width(); }

    void setup(const LayoutContext& context) override;
    void draw(Canvas& canvas, const DrawContext& context) const override;

protected:
    void placeSequences(Coord index, int value) override;
    void measureContent(const LayoutContext& context) override;
    // A point on the split x or right of it is in the else branch.
    Sequence* nestedSequenceAt(Point point) override;

private:
    void drawLabels(Canvas& canvas, const DrawContext& context) const;
    // The labels stand on the head's last line.
    int labelTop() const;
    // Where the diagonal of the branch (0 then, 1 else) runs at the row,
    // as a distance from the box's side.
    int diagonalInset(std::size_t branch, int y) const;
    // The centre of the condition: at the split point when the text fits
    // between the diagonals there, else where it does.
    int conditionCentre() const;

    // The condition's widest line, without margins.
    int m_conditionWidth = 0;
};

} // namespace velbrant
