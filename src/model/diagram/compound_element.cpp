#include "model/diagram/compound_element.h"

#include "model/elements/block.h"
#include "model/layout/layout_pass.h"

namespace velbrant {

void CompoundElement::setCoord(Coord index, int value) {
    if (m_kept && index == Coord::Width) {
        if (m_keptWidths.empty() || m_keptWidths.back() != value)
            m_keptWidths.push_back(value);
        Element::setCoord(index, value);
        return;
    }
    const std::array<int, 4> current{left(), top(), width(), height()};
    const auto side = static_cast<std::size_t>(index);
    if (m_fitted[side] && current[side] == value)
        return;
    placeSequences(index, value);
    Element::setCoord(index, value);
    m_fitted[side] = true;
    if (index == Coord::Width)
        m_widths.push_back(value);
}

void CompoundElement::measure(const LayoutContext& context) {
    m_fitted = {};
    m_widths.clear();
    measureContent(context);
    m_fitted[static_cast<std::size_t>(Coord::Left)] = true;
    m_fitted[static_cast<std::size_t>(Coord::Top)] = true;
}

bool CompoundElement::keepLayout(LayoutPass& pass) {
    if (!m_kept)
        pass.keep(*this);
    m_kept = true;
    m_keptWidths.clear();
    return true;
}

// Heights and positions are set outright, not shared out from what was
// there: only the widths need the same history.
void CompoundElement::finishKeeping(const LayoutContext& context) {
    m_kept = false;
    if (m_keptWidths == m_widths)
        return;
    const int finalHeight = height();
    LayoutPass everything(false);
    LayoutContext inPass = context;
    inPass.pass = &everything;
    moveTo(left(), top());
    measure(inPass);
    for (const int width : m_keptWidths)
        setCoord(Coord::Width, width);
    setCoord(Coord::Height, finalHeight);
}

void CompoundElement::setSelected(bool selected) {
    Element::setSelected(selected);
    for (auto& sequence : m_sequences) {
        if (!selected) {
            sequence->deselectAll();
            continue;
        }
        for (std::size_t i = 0; i < sequence->size(); ++i)
            sequence->at(i).setSelected(true);
    }
}

bool CompoundElement::selectInRect(Point topLeft, Point bottomRight, SelectionState& state) {
    if (liesWithin(topLeft, bottomRight)) {
        setSelected(true);
        return true;
    }
    // Something outside was already selected: a selection never spans levels.
    if (state.found)
        return false;
    bool hit = false;
    for (auto& sequence : m_sequences) {
        hit = sequence->selectInRect(topLeft, bottomRight, state);
        if (hit)
            break;
    }
    state.nested = hit;
    return hit;
}

bool CompoundElement::deleteSelectedInside(const LayoutContext& context) {
    bool deleted = false;
    for (auto& sequence : m_sequences)
        deleted = sequence->deleteSelected(context) || deleted;
    if (!deleted)
        return false;
    fillEmptySequences(context);
    measure(context);
    return true;
}

bool CompoundElement::insertInto(std::unique_ptr<Element>& element, Point point, InsertMode mode,
                                 const LayoutContext& context) {
    if (!takesNestedAt(point))
        return false;
    if (Sequence* sequence = nestedSequenceAt(point))
        sequence->insertElement(std::move(element), point, mode, context);
    measure(context);
    return true;
}

Element::NestedTarget CompoundElement::nestedTargetAt(Point point) {
    if (!takesNestedAt(point))
        return {};
    return {true, nestedSequenceAt(point)};
}

void CompoundElement::fillEmptySequences(const LayoutContext& context) {
    for (auto& sequence : m_sequences) {
        if (sequence->empty())
            appendEmptyStatement(*sequence, context);
    }
}

bool CompoundElement::getFormat(ElementFormat& format) const {
    if (Element::getFormat(format))
        return true;
    for (const auto& sequence : m_sequences) {
        if (sequence->getFormat(format))
            return true;
    }
    return false;
}

void CompoundElement::applyFormat(const ElementFormat& format, const LayoutContext& context) {
    Element::applyFormat(format, context);
    for (auto& sequence : m_sequences)
        sequence->setFormats(format, context);
}

Sequence& CompoundElement::addSequence() {
    m_sequences.push_back(std::make_unique<Sequence>());
    m_sequences.back()->setOwner(this);
    invalidateLayout();
    return *m_sequences.back();
}

void CompoundElement::appendEmptyStatement(Sequence& sequence, const LayoutContext& context) {
    auto statement = std::make_unique<Block>(context);
    statement->measure(context);
    statement->setCoord(Coord::Left, sequence.left());
    statement->setCoord(Coord::Top, sequence.top());
    statement->setCoord(Coord::Width, sequence.width());
    statement->setCoord(Coord::Height, statement->minHeight());
    sequence.append(std::move(statement));
}

bool CompoundElement::selectAt(Point point, SelectionState& state) {
    if (selectsWhole(point)) {
        setSelected(true);
        return true;
    }
    for (auto& sequence : m_sequences) {
        if (sequence->selectAt(point, state))
            return true;
    }
    return false;
}

Element* CompoundElement::elementAt(Point point) {
    if (Element::elementAt(point) == nullptr)
        return nullptr;
    if (isOwnArea(point))
        return this;
    for (auto& sequence : m_sequences) {
        if (Element* found = sequence->elementAt(point))
            return found;
    }
    return nullptr;
}

void CompoundElement::drawSequences(Canvas& canvas, const DrawContext& context) const {
    for (const auto& sequence : m_sequences)
        sequence->draw(canvas, context);
}

} // namespace velbrant
