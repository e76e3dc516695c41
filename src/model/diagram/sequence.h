#pragma once

#include "model/diagram/element.h"
#include "model/diagram/element_format.h"
#include "model/diagram/selection_state.h"
#include "model/layout/canvas.h"
#include "model/layout/draw_context.h"
#include "model/layout/layout_context.h"
#include "model/layout/units.h"

#include <cstddef>
#include <functional>
#include <memory>
#include <utility>
#include <vector>

namespace velbrant {

// A vertical run of elements sharing one left edge and one width, stacked
// without gaps: the document's top level and every branch and loop body.
// Every tree-wide operation starts at a sequence and descends through the
// elements' virtual operations.
class Sequence {
public:
    Sequence() = default;
    Sequence(int left, int top, int width, int height);
    Sequence(const Sequence&) = delete;
    Sequence& operator=(const Sequence&) = delete;

    int left() const { return m_left; }
    int top() const { return m_top; }
    int width() const { return m_width; }
    int height() const { return m_height; }
    // Moves or sizes the sequence and its elements. A height beyond the
    // elements' minimum goes to the last element.
    void setCoord(Coord index, int value);
    // Moves the box's corner without its elements, for an owner about to
    // lay the sequence out, which places them.
    void moveTo(int left, int top) {
        m_left = clampCoordinate(left);
        m_top = clampCoordinate(top);
    }

    bool empty() const { return m_elements.empty(); }
    std::size_t size() const { return m_elements.size(); }
    Element& at(std::size_t index) { return *m_elements.at(index); }
    const Element& at(std::size_t index) const { return *m_elements.at(index); }
    // Adds an element at the end without layout, for building a tree.
    void append(std::unique_ptr<Element> element);
    // Puts the run in place of the `count` elements from `first` on, and
    // gives back those; no layout.
    std::vector<std::unique_ptr<Element>> replaceRun(std::size_t first, std::size_t count,
                                                     std::vector<std::unique_ptr<Element>> run);
    // The element's place here; size() when it is not held here.
    std::size_t indexOf(const Element& element) const;

    // The compound element whose nested sequence this is; none for the top.
    Element* owner() const { return m_owner; }
    void setOwner(Element* owner) { m_owner = owner; }

    // True once the sequence was laid out since it was created, loaded or
    // saved; for the top sequence: the diagram has unsaved changes.
    bool isModified() const { return m_modified; }
    void setModified(bool modified) { m_modified = modified; }

    // Measures the elements whose layout is no longer valid, from the
    // leaves up, and stacks them all; every change of the tree ends here.
    // What did not change is only moved, so an edit costs what it changed
    // and what it moved, not the size of the tree.
    void relayout(const LayoutContext& context);

    // Puts a new element before or after the element under the point, in
    // its place if that is an empty statement, or into a nested sequence of
    // it; first when the sequence is empty or the point lies above it.
    // Returns the index at which the element, or the one that took it in,
    // stands.
    int insertElement(std::unique_ptr<Element> element, Point point, InsertMode mode,
                      const LayoutContext& context);

    // Where an element inserted at the point would go, by insertElement's
    // rule: the sequence, the index and whether it takes the place of the
    // empty statement there. No sequence: nowhere.
    struct InsertionTarget {
        Sequence* sequence = nullptr;
        std::size_t index = 0;
        bool replaces = false;
    };
    InsertionTarget insertionTarget(Point point, InsertMode mode);
    // Where a dragged run dropped at the point goes, so that a drag
    // reaches every place an insertion does: before the element under the
    // point in its upper half, after it in its lower half; over the head of
    // a compound element, before it in the head's upper half and first in
    // the branch or body below in its lower half. An empty statement is
    // replaced.
    InsertionTarget dropTarget(Point point);
    // Puts a run where the target says; no layout.
    static void insertRun(const InsertionTarget& target, std::vector<std::unique_ptr<Element>> run);
    // Moves the selected run one place up (-1) or down (1) past its
    // neighbour; false when there is no neighbour or no selection here.
    bool moveSelectedRun(int direction);
    bool canMoveSelectedRun(int direction) const;
    // Every element with the sequence that holds it, in reading order: top
    // to bottom, a compound element before its contents, branch by branch.
    std::vector<std::pair<Element*, Sequence*>> readingOrder();
    // The same, one at a time, until `visit` answers false; false then.
    bool walkReadingOrder(const std::function<bool(Element&, Sequence&)>& visit);

    // The same for pasted elements, by paste's rule (an empty statement is
    // not replaced).
    InsertionTarget pasteTarget(Point point, InsertMode mode);
    // Inserts pasted elements before or after the element under the point,
    // or hands them to it for a nested sequence; at the front when the
    // sequence is empty or the point lies above it. No layout: the caller
    // lays the whole tree out afterwards.
    void paste(std::vector<std::unique_ptr<Element>> run, Point point, InsertMode mode);

    void draw(Canvas& canvas, const DrawContext& context) const;

    bool selectAt(Point point, SelectionState& state);
    bool selectInRect(Point topLeft, Point bottomRight, SelectionState& state);
    void deselectAll();
    // Removes the selected elements, here or nested; true if any went.
    bool deleteSelected(const LayoutContext& context);

    Element* elementAt(Point point);
    bool getFormat(ElementFormat& format) const;
    void applyFormat(const ElementFormat& format, const LayoutContext& context);
    // The same without layout, for a caller that lays out afterwards.
    void setFormats(const ElementFormat& format, const LayoutContext& context);
    // From the first selected element to just past the last; first == end
    // without a selection.
    std::pair<std::size_t, std::size_t> selectedSpan() const;

private:
    std::size_t indexAtOrBelow(int y) const;
    // The element whose rows hold y (bottom excluded), if any.
    Element* elementAtRow(int y) const;
    InsertionTarget targetAt(Point point, InsertMode mode, bool pasting);
    // The selected elements here: from the first to just past the last of
    // the first run; first == end without a selection.
    std::pair<std::size_t, std::size_t> selectedRun() const;
    int minHeightOfAllButLast() const;
    // Places and sizes the elements within the pass of the context.
    void stack(const LayoutContext& context);
    // The elements from `first` on were put in, removed or reordered: they
    // are this sequence's from now on, and the owner must be laid out again.
    void contentChanged(std::size_t first = 0);

    std::vector<std::unique_ptr<Element>> m_elements;
    int m_left = 0;
    int m_top = 0;
    int m_width = 0;
    int m_height = 0;
    Element* m_owner = nullptr;
    bool m_modified = false;
};

} // namespace velbrant
