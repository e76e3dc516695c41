#pragma once

#include "model/diagram/sequence.h"
#include "model/files/binary_io.h"
#include "model/layout/layout_context.h"

#include <memory>
#include <span>
#include <vector>

namespace velbrant {

// The in-memory form of a run of elements, for the element clipboard and
// the undo snapshot: each element as its kind code (32 bits) and body (with
// what a Structorizer file gave it), the run closed by two zero bytes.
// Positions and selection are not part of it.

// The selected run (from the first selected element to the next unselected
// one), or with selectedOnly false every element.
Bytes copyToStream(const Sequence& sequence, bool selectedOnly);
// The elements [first, end), whatever is selected.
Bytes copyRangeToStream(const Sequence& sequence, std::size_t first, std::size_t end);
// The same, appended to a writer.
void writeRun(BinaryWriter& out, const Sequence& sequence, bool selectedOnly);
// The selected run, which is then deleted.
Bytes cutToStream(Sequence& sequence, const LayoutContext& context);

// Reads one run, new elements with the context's defaults, up to and
// including its end marker; throws a FormatError and keeps nothing if the
// stream is damaged.
std::vector<std::unique_ptr<Element>> readRun(BinaryReader& in, const LayoutContext& context);

// The same for a run from the clipboard, which may come from outside: it
// is refused, too, with line widths the editor cannot set.
std::vector<std::unique_ptr<Element>> readPastedRun(BinaryReader& in, const LayoutContext& context);

// Reads the run first, then pastes it whole; the caller lays the tree out.
void pasteFromStream(Sequence& sequence, std::span<const std::uint8_t> stream, Point point,
                     InsertMode mode, const LayoutContext& context);

} // namespace velbrant
