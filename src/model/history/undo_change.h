#pragma once

#include "model/diagram/document.h"
#include "model/files/binary_io.h"

#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <variant>
#include <vector>

// What takes an edit back: the runs of elements a sequence held at a place
// (found again by path), an element's text, the header, or the whole
// document, each applied to give back its own inverse.
namespace velbrant {

// Where a sequence stands below the top: per level, the element's index in
// its sequence and the nested sequence's index in the element.
using SequencePath = std::vector<std::pair<std::uint32_t, std::uint32_t>>;
SequencePath pathOf(const Sequence& sequence);
Sequence& sequenceAt(Sequence& top, const SequencePath& path);

// Bytes kept deflated: runs and snapshots are mostly font records and
// zeros, and take a tenth of the memory so.
struct Packed {
    Bytes data;
    std::size_t plainSize = 0;
};
Packed pack(const Bytes& plain);
Bytes unpack(const Packed& packed);

// The elements [first, first + count) of a sequence took the place of the
// run kept here.
struct RunChange {
    SequencePath path;
    std::size_t first = 0;
    std::size_t count = 0;
    Packed run;
};

// What text entry changes of one element: its lines, its font, its
// attributes (the comment) and, for a case, the branch labels.
struct TextChange {
    SequencePath path;
    std::size_t index = 0;
    std::vector<std::string> lines;
    ElementFont font;
    std::optional<std::vector<std::string>> labels;
    std::shared_ptr<const NsdAttributes> nsd;
    // Attributes compare by what they hold.
    friend bool operator==(const TextChange& a, const TextChange& b);
};

// Title, comment and their fonts.
struct HeaderChange {
    std::string title;
    std::vector<std::string> comment;
    ElementFont titleFont;
    ElementFont commentFont;
    // Where the exact title and comment are kept.
    std::shared_ptr<const NsdRoot> root;
};

// The whole diagram with its header, for edits that replace the tree.
struct DocumentChange {
    Packed snapshot;
};

// One change of a document, holding what was there before it: an edit
// records what it is about to change, not the whole document, so that its
// cost follows the change.
using UndoChange = std::variant<RunChange, TextChange, HeaderChange, DocumentChange>;

// The elements [first, end) of the sequence, before an edit replaces them;
// the edit sets the count it leaves there.
RunChange recordRun(const Sequence& sequence, std::size_t first, std::size_t end);
TextChange recordText(const Element& element);
HeaderChange recordHeader(const Document& document);
DocumentChange recordDocument(const Document& document);

// Puts back what each change holds, the newest first; gives what takes
// that back again, in the order to hand it to this function. The caller
// lays the document out.
std::vector<UndoChange> applyChanges(const std::vector<UndoChange>& changes, Document& document,
                                     const LayoutContext& context);

// Memory a change holds.
std::size_t heldBytes(const UndoChange& change);

} // namespace velbrant
