#include "app/document/document_editor.h"
#include "model/diagram/compound_element.h"
#include "model/files/transfer_stream.h"
#include "model/history/edits.h"

#include <QCoreApplication>
#include <algorithm>

// The editor's part in moving elements: where an insertion or a drop goes,
// moving and copying the selected run, runs dropped from other windows,
// and walking the elements from the keyboard.

namespace velbrant {

namespace {

constexpr const char* MoveStep = QT_TRANSLATE_NOOP("velbrant::DocumentEditor", "Verschieben");
constexpr const char* CopyStep = QT_TRANSLATE_NOOP("velbrant::DocumentEditor", "Kopieren");
constexpr const char* DropStep = QT_TRANSLATE_NOOP("velbrant::DocumentEditor", "Einfügen");

// Whether the sequence lies in the element's subtree.
bool holds(const Element& element, const Sequence* sequence) {
    const auto* compound = dynamic_cast<const CompoundElement*>(&element);
    if (compound == nullptr)
        return false;
    for (std::size_t s = 0; s < compound->sequenceCount(); ++s) {
        const Sequence& nested = compound->sequenceAt(s);
        if (&nested == sequence)
            return true;
        for (std::size_t i = 0; i < nested.size(); ++i)
            if (holds(nested.at(i), sequence))
                return true;
    }
    return false;
}

} // namespace

std::optional<Sequence::InsertionTarget> DocumentEditor::selectionTarget(Point at) {
    const Sequence::InsertionTarget target = m_document->topSequence().dropTarget(at);
    if (target.sequence == nullptr || m_selected == nullptr)
        return std::nullopt;
    std::size_t first = m_selected->size();
    std::size_t last = 0;
    for (std::size_t i = 0; i < m_selected->size(); ++i) {
        const Element& element = m_selected->at(i);
        if (!element.isSelected())
            continue;
        first = std::min(first, i);
        last = i;
        if (holds(element, target.sequence))
            return std::nullopt;
    }
    if (target.sequence == m_selected && target.index >= first && target.index <= last + 1)
        return std::nullopt;
    return target;
}

std::optional<DocumentEditor::InsertionPreview>
DocumentEditor::insertionPreview(Point at, InsertMode mode, Inserting what) {
    Sequence& top = m_document->topSequence();
    const std::optional<Sequence::InsertionTarget> target =
        what == Inserting::Selection ? selectionTarget(at)
        : what == Inserting::Drop    ? std::optional(top.dropTarget(at))
        : what == Inserting::Paste   ? std::optional(top.pasteTarget(at, mode))
                                     : std::optional(top.insertionTarget(at, mode));
    if (!target || target->sequence == nullptr)
        return std::nullopt;
    const Sequence& sequence = *target->sequence;
    const int left = sequence.left();
    const int right = left + sequence.width();
    if (target->replaces) {
        const Element& empty = sequence.at(target->index);
        return InsertionPreview{{left, empty.top()}, {right, empty.bottom()}, true};
    }
    const int y = target->index < sequence.size() ? sequence.at(target->index).top()
                  : sequence.empty()              ? sequence.top()
                                                  : sequence.at(sequence.size() - 1).bottom();
    return InsertionPreview{{left, y}, {right, y}, false};
}

// The run lands at the target's index; a move from before that place in
// the same sequence has taken its own elements out first.
bool DocumentEditor::moveSelection(Point at, bool copy) {
    const std::optional<Sequence::InsertionTarget> target = selectionTarget(at);
    if (!target)
        return false;
    Sequence& owner = *m_selected;
    const auto [first, end] = owner.selectedSpan();
    const std::size_t count = end - first;
    change(copy ? CopyStep : MoveStep, [&](Document&, const LayoutContext& context) {
        return moveSelectedRun(owner, *target, copy, context);
    });
    const bool shifted = !copy && target->sequence == &owner && first < target->index;
    selectPlaced(*target->sequence, shifted ? target->index - count : target->index, count);
    return true;
}

void DocumentEditor::dropRun(std::span<const std::uint8_t> stream, Point at) {
    BinaryReader in(stream);
    auto run = readPastedRun(in, layoutContext());
    const Sequence::InsertionTarget target = m_document->topSequence().dropTarget(at);
    if (target.sequence == nullptr)
        return;
    const std::size_t count = run.size();
    change(DropStep,
           [&](Document&, const LayoutContext&) { return insertRun(target, std::move(run)); });
    selectPlaced(*target.sequence, target.index, count);
}

void DocumentEditor::selectAll() {
    Sequence& top = m_document->topSequence();
    selectPlaced(top, 0, top.size());
}

void DocumentEditor::selectPlaced(Sequence& sequence, std::size_t first, std::size_t count) {
    deselect();
    for (std::size_t i = first; i < first + count && i < sequence.size(); ++i)
        sequence.at(i).setSelected(true);
    m_selected = count > 0 ? &sequence : nullptr;
    emit selectionChanged();
}

void DocumentEditor::moveSelectionStep(int direction) {
    if (m_selected == nullptr || !m_selected->canMoveSelectedRun(direction))
        return;
    Sequence& owner = *m_selected;
    change(MoveStep, [&owner, direction](Document&, const LayoutContext&) {
        return stepSelectedRun(owner, direction);
    });
}

QString DocumentEditor::commentAt(Point at) {
    const Element* element = m_document->topSequence().elementAt(at);
    if (element == nullptr || element->nsd() == nullptr)
        return {};
    QStringList lines;
    for (const std::string& line : element->nsd()->comment)
        lines << QString::fromStdString(line);
    return lines.join(u'\n').trimmed();
}

std::optional<std::size_t> DocumentEditor::selectedIndex() {
    std::size_t index = 0;
    const bool found =
        !m_document->topSequence().walkReadingOrder([&index](Element& element, Sequence&) {
            if (element.isSelected())
                return false;
            ++index;
            return true;
        });
    return found ? std::optional(index) : std::nullopt;
}

bool DocumentEditor::selectIndex(std::size_t index) {
    Element* found = nullptr;
    m_document->topSequence().walkReadingOrder([&](Element& element, Sequence&) {
        if (index-- > 0)
            return true;
        found = &element;
        return false;
    });
    if (found == nullptr)
        return false;
    selectAlone(*found);
    return true;
}

// Only a step back from the first element counts them all.
void DocumentEditor::selectNext(int direction) {
    const std::optional<std::size_t> selected = selectedIndex();
    if (direction > 0) {
        if (!selected || !selectIndex(*selected + 1))
            selectIndex(0);
        return;
    }
    if (selected && *selected > 0) {
        selectIndex(*selected - 1);
        return;
    }
    std::size_t count = 0;
    m_document->topSequence().walkReadingOrder([&count](Element&, Sequence&) {
        ++count;
        return true;
    });
    if (count > 0)
        selectIndex(count - 1);
}

std::optional<std::pair<Point, Point>> DocumentEditor::selectionBox() const {
    if (m_selected == nullptr)
        return std::nullopt;
    std::optional<std::pair<Point, Point>> box;
    for (std::size_t i = 0; i < m_selected->size(); ++i) {
        const Element& element = m_selected->at(i);
        if (!element.isSelected())
            continue;
        const Point bottomRight{element.left() + element.width(), element.bottom()};
        box = box ? std::pair{box->first, bottomRight}
                  : std::pair{Point{element.left(), element.top()}, bottomRight};
    }
    return box;
}

} // namespace velbrant
