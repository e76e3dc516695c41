#pragma once

#include "model/element.h"
#include "model/sequence.h"

#include <cstddef>
#include <memory>
#include <vector>

namespace velbrant {

// The behaviour every element with nested sequences shares: selecting it
// selects its whole subtree, a rubber band that does not cover it searches
// its sequences, formats reach into them, and a sequence emptied by a
// deletion gets an empty statement again.
class CompoundElement : public Element {
public:
    using Element::Element;

    std::size_t sequenceCount() const { return m_sequences.size(); }
    Sequence& sequenceAt(std::size_t index) { return *m_sequences.at(index); }
    const Sequence& sequenceAt(std::size_t index) const { return *m_sequences.at(index); }

    void setSelected(bool selected) override;
    bool selectInRect(Point topLeft, Point bottomRight, SelectionState& state) override;
    bool deleteSelectedInside(const LayoutContext& context) override;
    bool getFormat(ElementFormat& format) const override;
    void applyFormat(const ElementFormat& format, const LayoutContext& context) override;

protected:
    Sequence& addSequence();
    // Adds an empty statement with the sequence's position and width.
    static void appendEmptyStatement(Sequence& sequence, const LayoutContext& context);

    // The first sequence that selects something at the point decides.
    bool selectInSequences(Point point, SelectionState& state);
    Element* elementInSequences(Point point);
    void drawSequences(Canvas& canvas, const DrawContext& context) const;
    // The base elementAt test: inside the box, every edge included.
    bool reaches(Point point) { return Element::elementAt(point) != nullptr; }

private:
    std::vector<std::unique_ptr<Sequence>> m_sequences;
};

} // namespace velbrant
