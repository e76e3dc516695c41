#include "model/history/edits.h"

#include "model/diagram/compound_element.h"
#include "model/files/transfer_stream.h"

namespace velbrant {

namespace {

Changes changeOf(RunChange change) {
    Changes changes;
    changes.emplace_back(std::move(change));
    return changes;
}

std::size_t replacedCount(const Sequence::InsertionTarget& target) {
    return target.replaces ? 1 : 0;
}

} // namespace

Changes insertRun(const Sequence::InsertionTarget& target,
                  std::vector<std::unique_ptr<Element>> run) {
    if (target.sequence == nullptr)
        return {};
    RunChange change =
        recordRun(*target.sequence, target.index, target.index + replacedCount(target));
    change.count = run.size();
    Sequence::insertRun(target, std::move(run));
    return changeOf(std::move(change));
}

Changes insertElement(Document& document, std::unique_ptr<Element> element, Point at,
                      InsertMode mode, const LayoutContext& context) {
    element->setup(context);
    std::vector<std::unique_ptr<Element>> run;
    run.push_back(std::move(element));
    return insertRun(document.topSequence().insertionTarget(at, mode), std::move(run));
}

Changes pasteRun(Document& document, std::vector<std::unique_ptr<Element>> run, Point at,
                 InsertMode mode) {
    return insertRun(document.topSequence().pasteTarget(at, mode), std::move(run));
}

Changes deleteSelectedRun(Sequence& sequence, const LayoutContext& context) {
    const auto [first, end] = sequence.selectedSpan();
    if (first == end)
        return {};
    RunChange change = recordRun(sequence, first, end);
    const std::size_t sizeBefore = sequence.size();
    sequence.deleteSelected(context);
    if (sequence.empty() && sequence.owner() != nullptr)
        static_cast<CompoundElement*>(sequence.owner())->fillEmptySequences(context);
    change.count = sequence.size() + change.count - sizeBefore;
    return changeOf(std::move(change));
}

Changes stepSelectedRun(Sequence& sequence, int direction) {
    if (!sequence.canMoveSelectedRun(direction))
        return {};
    auto [first, end] = sequence.selectedSpan();
    if (direction < 0)
        --first;
    else
        ++end;
    RunChange change = recordRun(sequence, first, end);
    sequence.moveSelectedRun(direction);
    return changeOf(std::move(change));
}

Changes moveSelectedRun(Sequence& sequence, const Sequence::InsertionTarget& target, bool copy,
                        const LayoutContext& context) {
    const Bytes stream = copyToStream(sequence, true);
    BinaryReader in(stream);
    Changes changes = insertRun(target, readRun(in, context));
    if (!copy)
        for (UndoChange& removal : deleteSelectedRun(sequence, context))
            changes.push_back(std::move(removal));
    return changes;
}

Changes formatSelectedRun(Sequence& sequence, const ElementFormat& format,
                          const LayoutContext& context) {
    const auto [first, end] = sequence.selectedSpan();
    if (first == end)
        return {};
    RunChange change = recordRun(sequence, first, end);
    for (std::size_t i = first; i < end; ++i)
        sequence.at(i).applyFormat(format, context);
    return changeOf(std::move(change));
}

Changes toggleBreakpoints(Sequence& sequence) {
    const auto [first, end] = sequence.selectedSpan();
    if (first == end)
        return {};
    RunChange change = recordRun(sequence, first, end);
    bool all = true;
    for (std::size_t i = first; i < end; ++i)
        all = all && sequence.at(i).nsd() != nullptr && sequence.at(i).nsd()->breakpoint();
    for (std::size_t i = first; i < end; ++i)
        sequence.at(i).setNsd(withBreakpoint(sequence.at(i).nsd(), !all));
    return changeOf(std::move(change));
}

Changes colorSelectedRun(Sequence& sequence, std::optional<Color> color) {
    const auto [first, end] = sequence.selectedSpan();
    if (first == end)
        return {};
    RunChange change = recordRun(sequence, first, end);
    for (std::size_t i = first; i < end; ++i)
        sequence.at(i).setNsd(withColor(sequence.at(i).nsd(), color));
    return changeOf(std::move(change));
}

Changes setDiagramFormat(Document& document, DiagramFormat format) {
    Changes changes;
    changes.emplace_back(recordHeader(document));
    document.setFormat(std::move(format));
    return changes;
}

Changes setTypedDiagramFormat(Document& document, DiagramFormat format, const std::string& title,
                              const std::vector<std::string>& comment) {
    Changes changes = setDiagramFormat(document, std::move(format));
    document.setTypedHeader(title, comment);
    return changes;
}

} // namespace velbrant
