#pragma once

#include "model/diagram/sequence.h"

#include <string>

namespace velbrant::test {

// Checks the layout invariants of a laid-out tree: elements of a sequence
// stacked without gaps at its left edge and width, the last one reaching its
// bottom; branches adjacent, filling their element's width, all as high as
// the element below its head; loop bodies inset by the bars. Returns the
// first violation found, or an empty string.
std::string checkLayout(const Sequence& sequence);

} // namespace velbrant::test
