#pragma once

#include "model/binary_io.h"

#include <cstddef>
#include <deque>
#include <optional>
#include <string>

namespace velbrant {

// The snapshots of one document's earlier states (to undo) and of the
// states undone since the last change (to redo). Bounded in levels and in
// bytes: the oldest steps go first. Knows which state was last saved.
class UndoHistory {
public:
    static constexpr std::size_t DefaultMaxLevels = 100;
    static constexpr std::size_t DefaultMaxBytes = std::size_t{64} << 20;

    explicit UndoHistory(std::size_t maxLevels = DefaultMaxLevels,
                         std::size_t maxBytes = DefaultMaxBytes);

    // A change named `name` is about to be made from the state `before`;
    // the states undone so far can no longer be redone.
    void record(const Bytes& before, std::string name = {});
    // Forgets the newest step, recorded before a change that then changed
    // nothing.
    void dropNewest();
    bool canUndo() const { return !m_undo.empty(); }
    bool canRedo() const { return !m_redo.empty(); }
    // The name of the change an undo or a redo takes back or makes again;
    // empty when there is none.
    std::string undoName() const { return m_undo.empty() ? std::string() : m_undo.back().name; }
    std::string redoName() const { return m_redo.empty() ? std::string() : m_redo.back().name; }
    // The state to go back to; `current` is kept for redo.
    Bytes undo(const Bytes& current);
    // The state to go forward to; `current` is kept for undo.
    Bytes redo(const Bytes& current);

    // The current state is the one in the file.
    void markClean() { m_cleanPosition = m_position; }
    bool isClean() const { return m_cleanPosition == m_position; }

    std::size_t levels() const { return m_undo.size(); }
    // Memory held, counting the snapshots as kept (deflated).
    std::size_t bytes() const { return m_bytes; }

private:
    // One state, deflated, and the change that leads away from it.
    struct Step {
        Bytes packed;
        std::string name;
    };
    void dropOldestBeyondLimits();

    std::deque<Step> m_undo;
    std::deque<Step> m_redo;
    std::size_t m_maxLevels;
    std::size_t m_maxBytes;
    std::size_t m_bytes = 0;
    // The current state's number: the count of changes on the undo side,
    // counted from the oldest state ever kept.
    long long m_position = 0;
    std::optional<long long> m_cleanPosition = 0;
};

} // namespace velbrant
