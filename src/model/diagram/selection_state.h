#pragma once

namespace velbrant {

class Sequence;

// The state of one selection gesture, cleared by the caller before it.
struct SelectionState {
    // The innermost sequence that holds the selection.
    Sequence* owner = nullptr;
    // A rectangle selection has selected something in the sequence scanned.
    bool found = false;
    // A rectangle selection has selected something inside a nested
    // sequence; outer scans stop.
    bool nested = false;
    // Nothing in the tree is selected yet: a click visits only the
    // elements under the point instead of deselecting everything first.
    bool clean = false;
};

} // namespace velbrant
