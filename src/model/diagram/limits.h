#pragma once

#include "model/layout/units.h"

#include <cstddef>
#include <cstdint>

namespace velbrant {

// The limits every reader and writer of diagrams shares, so that what one
// format accepts another can hold.

// Bytes of one text line (Windows-1252).
inline constexpr std::size_t MaxTextLength = 255;
// Compound elements inside each other. Deeper input is refused, so no
// reader or later operation can exhaust the stack; the model is tested to
// stay sound far below it.
inline constexpr int MaxNestingDepth = 1000;
// Elements of one sequence and lines of one element's text: what a 16-bit
// count in a file holds.
inline constexpr std::size_t MaxSequenceLength = 32767;
inline constexpr std::size_t MaxElementLines = 32767;
// Lines of a diagram given as text: refused before anything is built, so
// that no text can exhaust the memory.
inline constexpr std::size_t MaxNotationLines = 1'000'000;
// How far from the page's corner a frame may stand: half of what any
// position may be, so that the diagram inside it, its header and every
// position a file stores stay within reach of the readers.
inline constexpr int MaxFramePosition = MaxExtent / 2;

} // namespace velbrant
