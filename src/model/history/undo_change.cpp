#include "model/history/undo_change.h"

#include "model/diagram/compound_element.h"
#include "model/elements/case.h"
#include "model/files/transfer_stream.h"
#include "model/history/undo_snapshot.h"
#include "model/messages/said.h"

#include <algorithm>
#include <new>
#include <stdexcept>
#include <zlib.h>

namespace velbrant {

namespace {

const CompoundElement& ownerOf(const Sequence& sequence) {
    return static_cast<const CompoundElement&>(*sequence.owner());
}

std::size_t nestedIndex(const CompoundElement& owner, const Sequence& sequence) {
    std::size_t index = 0;
    while (&owner.sequenceAt(index) != &sequence)
        ++index;
    return index;
}

UndoChange apply(const RunChange& change, Document& document, const LayoutContext& context) {
    Sequence& sequence = sequenceAt(document.topSequence(), change.path);
    const Bytes stream = unpack(change.run);
    BinaryReader in(stream);
    auto run = readRun(in, context);
    RunChange inverse = recordRun(sequence, change.first, change.first + change.count);
    inverse.count = run.size();
    sequence.replaceRun(change.first, change.count, std::move(run));
    return inverse;
}

UndoChange apply(const TextChange& change, Document& document, const LayoutContext& context) {
    Element& element = sequenceAt(document.topSequence(), change.path).at(change.index);
    TextChange inverse = recordText(element);
    element.setFont(change.font, context.measurer);
    element.setLines(change.lines);
    element.setNsd(change.nsd);
    if (auto* switchCase = dynamic_cast<Case*>(&element); switchCase && change.labels)
        switchCase->setBranchLabels(*change.labels);
    return inverse;
}

UndoChange apply(const HeaderChange& change, Document& document, const LayoutContext&) {
    HeaderChange inverse = recordHeader(document);
    DiagramFormat format = document.format();
    format.title = change.title;
    format.comment = change.comment;
    format.titleFont = change.titleFont;
    format.commentFont = change.commentFont;
    document.setFormat(std::move(format));
    document.setNsdRoot(change.root);
    return inverse;
}

UndoChange apply(const DocumentChange& change, Document& document, const LayoutContext& context) {
    DocumentChange inverse = recordDocument(document);
    restoreSnapshot(document, unpack(change.snapshot), context);
    return inverse;
}

std::size_t textBytes(const std::vector<std::string>& lines) {
    std::size_t bytes = 0;
    for (const std::string& line : lines)
        bytes += sizeof line + line.size();
    return bytes;
}

} // namespace

SequencePath pathOf(const Sequence& sequence) {
    SequencePath path;
    for (const Sequence* level = &sequence; level->owner() != nullptr;) {
        const CompoundElement& owner = ownerOf(*level);
        const Sequence& holder = *owner.parent();
        path.emplace_back(static_cast<std::uint32_t>(holder.indexOf(owner)),
                          static_cast<std::uint32_t>(nestedIndex(owner, *level)));
        level = &holder;
    }
    std::reverse(path.begin(), path.end());
    return path;
}

Sequence& sequenceAt(Sequence& top, const SequencePath& path) {
    Sequence* level = &top;
    for (const auto& [element, nested] : path)
        level = &static_cast<CompoundElement&>(level->at(element)).sequenceAt(nested);
    return *level;
}

Packed pack(const Bytes& plain) {
    uLongf size = compressBound(static_cast<uLong>(plain.size()));
    Packed packed{Bytes(size), plain.size()};
    if (compress2(packed.data.data(), &size, plain.data(), static_cast<uLong>(plain.size()),
                  Z_BEST_SPEED) != Z_OK)
        throw std::bad_alloc();
    packed.data.resize(size);
    packed.data.shrink_to_fit();
    return packed;
}

Bytes unpack(const Packed& packed) {
    Bytes plain(packed.plainSize);
    uLongf size = static_cast<uLongf>(packed.plainSize);
    if (uncompress(plain.data(), &size, packed.data.data(),
                   static_cast<uLong>(packed.data.size())) != Z_OK)
        throw std::runtime_error(messages::said("history", "Undo-Schritt beschädigt"));
    return plain;
}

RunChange recordRun(const Sequence& sequence, std::size_t first, std::size_t end) {
    return {pathOf(sequence), first, end - first, pack(copyRangeToStream(sequence, first, end))};
}

bool operator==(const TextChange& a, const TextChange& b) {
    const auto sameAttributes = a.nsd == b.nsd || (a.nsd && b.nsd && *a.nsd == *b.nsd);
    return sameAttributes && a.path == b.path && a.index == b.index && a.lines == b.lines &&
           a.font == b.font && a.labels == b.labels;
}

TextChange recordText(const Element& element) {
    const Sequence& holder = *element.parent();
    TextChange change{
        pathOf(holder),    holder.indexOf(element), element.lines(), element.font(), {},
        element.nsdShare()};
    if (const auto* switchCase = dynamic_cast<const Case*>(&element))
        change.labels = switchCase->branchLabels();
    return change;
}

HeaderChange recordHeader(const Document& document) {
    const DiagramFormat& format = document.format();
    return {format.title, format.comment, format.titleFont, format.commentFont,
            document.nsdRootShare()};
}

DocumentChange recordDocument(const Document& document) {
    return {pack(takeSnapshot(document))};
}

std::vector<UndoChange> applyChanges(const std::vector<UndoChange>& changes, Document& document,
                                     const LayoutContext& context) {
    std::vector<UndoChange> inverses;
    inverses.reserve(changes.size());
    for (auto change = changes.rbegin(); change != changes.rend(); ++change)
        inverses.push_back(
            std::visit([&](const auto& held) { return apply(held, document, context); }, *change));
    return inverses;
}

std::size_t heldBytes(const UndoChange& change) {
    struct Measure {
        std::size_t operator()(const RunChange& run) const {
            return sizeof run + run.path.size() * 8 + run.run.data.size();
        }
        std::size_t operator()(const TextChange& text) const {
            return sizeof text + text.path.size() * 8 + textBytes(text.lines) +
                   (text.labels ? textBytes(*text.labels) : 0);
        }
        std::size_t operator()(const HeaderChange& header) const {
            return sizeof header + header.title.size() + textBytes(header.comment);
        }
        std::size_t operator()(const DocumentChange& whole) const {
            return sizeof whole + whole.snapshot.data.size();
        }
    };
    return sizeof change + std::visit(Measure{}, change);
}

} // namespace velbrant
