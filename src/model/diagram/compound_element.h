#pragma once

#include "model/diagram/element.h"
#include "model/diagram/sequence.h"

#include <array>
#include <cstddef>
#include <memory>
#include <vector>

namespace velbrant {

// The behaviour every element with nested sequences shares: selecting it
// selects its whole subtree, a rubber band that does not cover it searches
// its sequences, formats reach into them, and a sequence emptied by a
// deletion gets an empty statement again.
//
// Moving or sizing it moves or sizes its sequences, and so on down the
// tree. A change that leaves a side where it is, after the sequences have
// already been fitted to that side, stops there: this keeps layout linear
// in the size of the tree instead of in its size times its depth.
class CompoundElement : public Element {
public:
    using Element::Element;

    void setCoord(Coord index, int value) final;
    // Gives every empty sequence an empty statement, as readers must.
    void fillEmptySequences(const LayoutContext& context);
    // Measures the content and places the sequences at the box's corner;
    // their sizes follow when the enclosing sequence sizes the element.
    void measure(const LayoutContext& context) final;
    // Kept by a layout pass: moved, the widths given noted; laid out again
    // at the pass's end if they differ from those of the last layout.
    bool keepLayout(LayoutPass& pass) final;
    void finishKeeping(const LayoutContext& context);

    std::size_t sequenceCount() const { return m_sequences.size(); }
    Sequence& sequenceAt(std::size_t index) { return *m_sequences.at(index); }
    const Sequence& sequenceAt(std::size_t index) const { return *m_sequences.at(index); }

    void setSelected(bool selected) override;
    // A click where the element selects itself selects its whole subtree;
    // anywhere else the first nested sequence that selects something wins.
    bool selectAt(Point point, SelectionState& state) final;
    // The element itself where its own text stands, else the innermost
    // nested element at the point.
    Element* elementAt(Point point) final;
    // Where the element takes new or pasted elements into a nested
    // sequence, it does so and lays itself out again.
    bool insertInto(std::unique_ptr<Element>& element, Point point, InsertMode mode,
                    const LayoutContext& context) final;
    NestedTarget nestedTargetAt(Point point) final;
    bool selectInRect(Point topLeft, Point bottomRight, SelectionState& state) override;
    bool deleteSelectedInside(const LayoutContext& context) override;
    bool getFormat(ElementFormat& format) const override;
    void applyFormat(const ElementFormat& format, const LayoutContext& context) override;

protected:
    // The kind's part of setCoord: fits the sequences to the new value,
    // before the element's own field takes it.
    virtual void placeSequences(Coord index, int value) = 0;
    // The kind's part of measure: minimum sizes from the text and the
    // sequences, laid out with their corners relative to the box's corner.
    virtual void measureContent(const LayoutContext& context) = 0;
    // Where a click selects the whole element (its head or bars).
    virtual bool selectsWhole(Point point) const = 0;
    // Where, inside the box, a point means the element itself.
    virtual bool isOwnArea(Point point) const = 0;
    // Whether a point offered for insertion belongs to a nested sequence;
    // if not, the enclosing sequence places the element beside this one.
    virtual bool takesNestedAt(Point point) const = 0;
    // The nested sequence such a point falls into, or none: then what was
    // offered is dropped.
    virtual Sequence* nestedSequenceAt(Point point) = 0;

    Sequence& addSequence();
    // Adds an empty statement with the sequence's position and width.
    static void appendEmptyStatement(Sequence& sequence, const LayoutContext& context);

    void drawSequences(Canvas& canvas, const DrawContext& context) const;

private:
    std::vector<std::unique_ptr<Sequence>> m_sequences;
    // Per side (Coord): the sequences already fit the element's value.
    std::array<bool, 4> m_fitted{};
    // Every width shared out to the sequences since the last measure, and
    // while kept by a pass, those it was given in it.
    std::vector<int> m_widths;
    std::vector<int> m_keptWidths;
    bool m_kept = false;
};

} // namespace velbrant
