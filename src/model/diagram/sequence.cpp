#include "model/diagram/sequence.h"

#include "model/diagram/compound_element.h"
#include "model/layout/layout_pass.h"

#include <algorithm>

namespace velbrant {

Sequence::Sequence(int left, int top, int width, int height)
    : m_left(left), m_top(top), m_width(width), m_height(height) {}

void Sequence::setCoord(Coord index, int value) {
    switch (index) {
    case Coord::Left:
        m_left = clampCoordinate(value);
        for (auto& element : m_elements)
            element->setCoord(Coord::Left, value);
        break;
    case Coord::Top: {
        m_top = clampCoordinate(value);
        int y = value;
        for (auto& element : m_elements) {
            element->setCoord(Coord::Top, y);
            y = element->bottom();
        }
        break;
    }
    case Coord::Width:
        m_width = clampExtent(value);
        for (auto& element : m_elements)
            element->setCoord(Coord::Width, value);
        break;
    case Coord::Height:
        m_height = clampExtent(value);
        if (!m_elements.empty())
            m_elements.back()->setCoord(Coord::Height, value - minHeightOfAllButLast());
        break;
    }
}

int Sequence::minHeightOfAllButLast() const {
    std::int64_t sum = 0;
    for (std::size_t i = 0; i + 1 < m_elements.size(); ++i)
        sum += m_elements[i]->minHeight();
    return clampExtent(sum);
}

void Sequence::append(std::unique_ptr<Element> element) {
    m_elements.push_back(std::move(element));
    contentChanged(m_elements.size() - 1);
}

std::vector<std::unique_ptr<Element>>
Sequence::replaceRun(std::size_t first, std::size_t count,
                     std::vector<std::unique_ptr<Element>> run) {
    const auto begin = m_elements.begin() + static_cast<std::ptrdiff_t>(first);
    const auto end = begin + static_cast<std::ptrdiff_t>(count);
    std::vector<std::unique_ptr<Element>> removed(std::make_move_iterator(begin),
                                                  std::make_move_iterator(end));
    m_elements.erase(begin, end);
    m_elements.insert(m_elements.begin() + static_cast<std::ptrdiff_t>(first),
                      std::make_move_iterator(run.begin()), std::make_move_iterator(run.end()));
    for (auto& element : removed)
        element->m_parent = nullptr;
    contentChanged(first);
    return removed;
}

std::size_t Sequence::indexOf(const Element& element) const {
    const auto found =
        std::find_if(m_elements.begin(), m_elements.end(),
                     [&element](const auto& held) { return held.get() == &element; });
    return static_cast<std::size_t>(found - m_elements.begin());
}

void Sequence::contentChanged(std::size_t first) {
    for (std::size_t i = first; i < m_elements.size(); ++i)
        m_elements[i]->m_parent = this;
    if (m_owner != nullptr)
        m_owner->invalidateLayout();
}

void Sequence::relayout(const LayoutContext& context) {
    if (context.pass != nullptr)
        return stack(context);
    // Laid out on its own, a nested sequence may change what its owners
    // keep: they have to look again.
    if (m_owner != nullptr)
        m_owner->invalidateLayout();
    LayoutPass pass;
    LayoutContext inPass = context;
    inPass.pass = &pass;
    stack(inPass);
    pass.finish(context);
}

void Sequence::stack(const LayoutContext& context) {
    int widest = 0;
    int y = m_top;
    for (auto& element : m_elements) {
        if (element->m_layoutValid && context.pass->keeps() && element->keepLayout(*context.pass)) {
            element->setCoord(Coord::Left, m_left);
            element->setCoord(Coord::Top, y);
        } else {
            // Placed before it is measured, an element lays its nested
            // sequences out where they belong, and nothing has to move after.
            element->moveTo(m_left, y);
            element->measure(context);
            element->m_layoutValid = true;
        }
        element->setCoord(Coord::Height, element->minHeight());
        widest = std::max(widest, element->minWidth());
        y = element->bottom();
    }
    setCoord(Coord::Width, widest);
    m_height = m_elements.empty() ? 0 : clampExtent(std::int64_t{y} - m_elements.front()->top());
    m_modified = true;
}

std::size_t Sequence::indexAtOrBelow(int y) const {
    for (std::size_t i = 0; i < m_elements.size(); ++i) {
        if (m_elements[i]->bottom() >= y)
            return i;
    }
    return m_elements.size() - 1;
}

int Sequence::insertElement(std::unique_ptr<Element> element, Point point, InsertMode mode,
                            const LayoutContext& context) {
    if (m_elements.empty() || point.y <= m_elements.front()->top()) {
        element->setCoord(Coord::Left, m_left);
        element->setCoord(Coord::Top, m_top);
        element->setCoord(Coord::Width, m_width);
        element->setCoord(Coord::Height, element->minHeight());
        element->setup(context);
        m_elements.insert(m_elements.begin(), std::move(element));
        contentChanged();
        relayout(context);
        return 0;
    }
    std::size_t index = indexAtOrBelow(point.y);
    Element& target = *m_elements[index];
    const bool replacing = target.isEmptyStatement();
    if (!replacing && target.insertInto(element, point, mode, context)) {
        relayout(context);
        return static_cast<int>(index);
    }
    element->setCoord(Coord::Left, target.left());
    element->setCoord(Coord::Width, target.width());
    element->setCoord(Coord::Height, element->minHeight());
    if (replacing) {
        element->setCoord(Coord::Top, target.top());
        m_elements.erase(m_elements.begin() + static_cast<std::ptrdiff_t>(index));
    } else {
        element->setCoord(Coord::Top, target.bottom());
        if (mode == InsertMode::After)
            ++index;
    }
    element->setup(context);
    m_elements.insert(m_elements.begin() + static_cast<std::ptrdiff_t>(index), std::move(element));
    contentChanged(index);
    relayout(context);
    return static_cast<int>(index);
}

Sequence::InsertionTarget Sequence::insertionTarget(Point point, InsertMode mode) {
    return targetAt(point, mode, false);
}

Sequence::InsertionTarget Sequence::pasteTarget(Point point, InsertMode mode) {
    return targetAt(point, mode, true);
}

// A paste looks for the last element that begins above the point and never
// replaces an empty statement; an insertion takes the element reaching the
// point and does.
Sequence::InsertionTarget Sequence::targetAt(Point point, InsertMode mode, bool pasting) {
    if (m_elements.empty() || point.y <= m_elements.front()->top())
        return {this, 0, false};
    std::size_t index = 0;
    if (pasting) {
        while (index + 1 < m_elements.size() && m_elements[index + 1]->top() < point.y)
            ++index;
    } else {
        index = indexAtOrBelow(point.y);
    }
    Element& target = *m_elements[index];
    if (!pasting && target.isEmptyStatement())
        return {this, index, true};
    if (const Element::NestedTarget nested = target.nestedTargetAt(point); nested.takes)
        return nested.sequence != nullptr ? nested.sequence->targetAt(point, mode, pasting)
                                          : InsertionTarget{};
    return {this, mode == InsertMode::After ? index + 1 : index, false};
}

namespace {

// The nested sequence that begins below the point's row under a compound
// element's head: the one whose column holds the point, else the first.
Sequence* sequenceBelowHead(Element& element, Point point) {
    auto* compound = dynamic_cast<CompoundElement*>(&element);
    if (compound == nullptr)
        return nullptr;
    Sequence* found = nullptr;
    for (std::size_t i = 0; i < compound->sequenceCount(); ++i) {
        Sequence& nested = compound->sequenceAt(i);
        if (nested.top() <= point.y)
            continue;
        if (point.x >= nested.left() && point.x < nested.left() + nested.width())
            return &nested;
        if (found == nullptr)
            found = &nested;
    }
    return found;
}

} // namespace

Sequence::InsertionTarget Sequence::dropTarget(Point point) {
    if (m_elements.empty() || point.y < m_elements.front()->top())
        return {this, 0, false};
    const std::size_t index = indexAtOrBelow(point.y);
    Element& target = *m_elements[index];
    if (target.isEmptyStatement())
        return {this, index, true};
    if (const Element::NestedTarget nested = target.nestedTargetAt(point); nested.takes)
        return nested.sequence != nullptr ? nested.sequence->dropTarget(point) : InsertionTarget{};
    if (Sequence* below = sequenceBelowHead(target, point)) {
        if (point.y < (target.top() + below->top()) / 2)
            return {this, index, false};
        const bool empty = !below->empty() && below->at(0).isEmptyStatement();
        return {below, 0, empty};
    }
    return {this, point.y < target.top() + target.height() / 2 ? index : index + 1, false};
}

void Sequence::insertRun(const InsertionTarget& target, std::vector<std::unique_ptr<Element>> run) {
    auto& elements = target.sequence->m_elements;
    const auto at = elements.begin() + static_cast<std::ptrdiff_t>(target.index);
    if (target.replaces)
        elements.erase(at);
    elements.insert(elements.begin() + static_cast<std::ptrdiff_t>(target.index),
                    std::make_move_iterator(run.begin()), std::make_move_iterator(run.end()));
    target.sequence->contentChanged(target.index);
}

std::pair<std::size_t, std::size_t> Sequence::selectedRun() const {
    const auto selected = [](const auto& element) { return element->isSelected(); };
    const auto first = std::find_if(m_elements.begin(), m_elements.end(), selected);
    const auto end = std::find_if_not(first, m_elements.end(), selected);
    return {static_cast<std::size_t>(first - m_elements.begin()),
            static_cast<std::size_t>(end - m_elements.begin())};
}

bool Sequence::canMoveSelectedRun(int direction) const {
    const auto [first, end] = selectedRun();
    return first < end && (direction < 0 ? first > 0 : end < m_elements.size());
}

bool Sequence::moveSelectedRun(int direction) {
    if (!canMoveSelectedRun(direction))
        return false;
    const auto [first, end] = selectedRun();
    const auto at = [this](std::size_t index) {
        return m_elements.begin() + static_cast<std::ptrdiff_t>(index);
    };
    if (direction < 0)
        std::rotate(at(first - 1), at(first), at(end));
    else
        std::rotate(at(first), at(end), at(end + 1));
    contentChanged();
    return true;
}

std::vector<std::pair<Element*, Sequence*>> Sequence::readingOrder() {
    std::vector<std::pair<Element*, Sequence*>> order;
    walkReadingOrder([&order](Element& element, Sequence& sequence) {
        order.emplace_back(&element, &sequence);
        return true;
    });
    return order;
}

bool Sequence::walkReadingOrder(const std::function<bool(Element&, Sequence&)>& visit) {
    for (auto& element : m_elements) {
        if (!visit(*element, *this))
            return false;
        if (auto* compound = dynamic_cast<CompoundElement*>(element.get()))
            for (std::size_t s = 0; s < compound->sequenceCount(); ++s)
                if (!compound->sequenceAt(s).walkReadingOrder(visit))
                    return false;
    }
    return true;
}

void Sequence::paste(std::vector<std::unique_ptr<Element>> run, Point point, InsertMode mode) {
    if (const InsertionTarget target = pasteTarget(point, mode); target.sequence != nullptr)
        insertRun(target, std::move(run));
}

void Sequence::draw(Canvas& canvas, const DrawContext& context) const {
    for (const auto& element : m_elements) {
        if (context.isVisible(element->left(), element->top(), element->left() + element->width(),
                              element->bottom(), drawnLineWidth(element->borderWidth())))
            element->draw(canvas, context);
    }
}

Element* Sequence::elementAtRow(int y) const {
    const auto below =
        std::upper_bound(m_elements.begin(), m_elements.end(), y,
                         [](int row, const auto& element) { return row < element->top(); });
    if (below == m_elements.begin() || y >= (*std::prev(below))->bottom())
        return nullptr;
    return std::prev(below)->get();
}

bool Sequence::selectAt(Point point, SelectionState& state) {
    bool hit = false;
    if (state.clean) {
        // Stacked without gaps, at most the element on the point's row hits.
        if (Element* candidate = elementAtRow(point.y))
            hit = candidate->selectAt(point, state);
    } else {
        deselectAll();
        for (auto& element : m_elements)
            hit = element->selectAt(point, state) || hit;
    }
    if (hit && state.owner == nullptr)
        state.owner = this;
    return hit;
}

bool Sequence::selectInRect(Point topLeft, Point bottomRight, SelectionState& state) {
    deselectAll();
    bool hit = false;
    for (auto& element : m_elements) {
        if (state.nested)
            break;
        hit = element->selectInRect(topLeft, bottomRight, state) || hit;
        if (hit)
            state.found = true;
    }
    if (hit && state.owner == nullptr)
        state.owner = this;
    return hit;
}

void Sequence::deselectAll() {
    for (auto& element : m_elements)
        element->setSelected(false);
}

bool Sequence::deleteSelected(const LayoutContext& context) {
    bool changed = false;
    for (auto& element : m_elements) {
        // The selection lies in one sequence only: once something changed,
        // later elements need not search inside.
        if (!changed)
            changed = element->deleteSelectedInside(context) || element->isSelected();
    }
    // One pass: erasing one at a time would move the rest each time.
    if (std::erase_if(m_elements, [](const auto& element) { return element->isSelected(); }) > 0)
        contentChanged(m_elements.size());
    if (changed)
        relayout(context);
    return changed;
}

Element* Sequence::elementAt(Point point) {
    for (auto& element : m_elements) {
        if (Element* found = element->elementAt(point))
            return found;
    }
    return nullptr;
}

bool Sequence::getFormat(ElementFormat& format) const {
    return std::any_of(m_elements.begin(), m_elements.end(),
                       [&format](const auto& element) { return element->getFormat(format); });
}

void Sequence::applyFormat(const ElementFormat& format, const LayoutContext& context) {
    setFormats(format, context);
    relayout(context);
}

void Sequence::setFormats(const ElementFormat& format, const LayoutContext& context) {
    for (auto& element : m_elements)
        element->applyFormat(format, context);
}

std::pair<std::size_t, std::size_t> Sequence::selectedSpan() const {
    const auto selected = [](const auto& element) { return element->isSelected(); };
    const auto first = std::find_if(m_elements.begin(), m_elements.end(), selected);
    if (first == m_elements.end())
        return {m_elements.size(), m_elements.size()};
    const auto last = std::find_if(m_elements.rbegin(), m_elements.rend(), selected);
    return {static_cast<std::size_t>(first - m_elements.begin()),
            static_cast<std::size_t>(m_elements.rend() - last)};
}

} // namespace velbrant
