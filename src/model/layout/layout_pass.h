#pragma once

#include "model/layout/layout_context.h"

#include <vector>

namespace velbrant {

class CompoundElement;

// One layout of a tree. A compound element in which nothing changed is
// kept as it was, only moved; the widths it is given on the way are noted.
// Sharing out width rounds from the widths the branches already have, so
// only the same widths in the same order give the same result: at the end,
// every kept element given other widths than last time is laid out again.
class LayoutPass {
public:
    // A pass that keeps nothing lays out every element it meets.
    explicit LayoutPass(bool keeps = true) : m_keeps(keeps) {}
    LayoutPass(const LayoutPass&) = delete;
    LayoutPass& operator=(const LayoutPass&) = delete;

    bool keeps() const { return m_keeps; }
    void keep(CompoundElement& element) { m_kept.push_back(&element); }
    void finish(const LayoutContext& context);

private:
    bool m_keeps;
    std::vector<CompoundElement*> m_kept;
};

} // namespace velbrant
