#pragma once

#include "model/diagram/sequence.h"
#include "model/layout/layout_context.h"

#include <random>

namespace velbrant::test {

// About `count` elements of every kind, nested down to `depth` levels, with
// texts drawn from the school pseudocode the code generator reads: every
// form of assignment, input, output, call, exit and head, German and
// English, with tabs, keywords at the start, case labels with and without
// else, texts no rule reads, and statements whose types do not fit.
// Texts are Windows-1252. The caller lays the tree out if it needs to.
void buildPseudocodeTree(Sequence& top, const LayoutContext& context, std::mt19937& random,
                         int count, int depth);

} // namespace velbrant::test
