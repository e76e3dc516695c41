#pragma once

#include "model/diagram/document.h"
#include "model/files/binary_io.h"

#include <span>

namespace velbrant {

// The state an undo step brings back: header position, both fonts, title,
// comment lines, then every element of the top sequence as a transfer
// stream. Frame position, thickness, centring and scale are not part of it.
Bytes takeSnapshot(const Document& document);

// Puts the snapshot's header and a new tree built from it into the
// document, laid out; throws a FormatError and changes nothing if the
// snapshot is damaged.
void restoreSnapshot(Document& document, std::span<const std::uint8_t> snapshot,
                     const LayoutContext& context);

} // namespace velbrant
