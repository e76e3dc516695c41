#pragma once

#include "model/history/undo_change.h"

#include <cstddef>
#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace velbrant {

// The changes that lead back to one document's earlier states (to undo)
// and forward to the states undone since the last change (to redo).
// Bounded in levels and in bytes: the oldest steps go first. Knows which
// state was last saved.
class UndoHistory {
public:
    static constexpr std::size_t DefaultMaxLevels = 100;
    static constexpr std::size_t DefaultMaxBytes = std::size_t{64} << 20;

    explicit UndoHistory(std::size_t maxLevels = DefaultMaxLevels,
                         std::size_t maxBytes = DefaultMaxBytes);

    using Changes = std::vector<UndoChange>;
    // Puts changes back and gives what takes that back (applyChanges).
    using Apply = std::function<Changes(const Changes&)>;

    // An edit named `name` was made; `before` takes it back. The states
    // undone so far can no longer be redone.
    void record(Changes before, std::string name = {});
    // Forgets the newest step, recorded before a change that then changed
    // nothing.
    void dropNewest();
    bool canUndo() const { return !m_undo.empty(); }
    bool canRedo() const { return !m_redo.empty(); }
    // The name of the change an undo or a redo takes back or makes again;
    // empty when there is none.
    std::string undoName() const { return m_undo.empty() ? std::string() : m_undo.back().name; }
    std::string redoName() const { return m_redo.empty() ? std::string() : m_redo.back().name; }
    // Takes the newest step back, keeping what makes it again for redo.
    void undo(const Apply& apply);
    // Makes the newest undone step again, keeping what takes it back.
    void redo(const Apply& apply);

    // The current state is the one in the file.
    void markClean() { m_cleanPosition = m_position; }
    // No state is the one in the file (a document brought back after a
    // crash): unsaved until saved.
    void markUnclean() { m_cleanPosition.reset(); }
    bool isClean() const { return m_cleanPosition == m_position; }

    std::size_t levels() const { return m_undo.size(); }
    // Memory held by the changes kept.
    std::size_t bytes() const { return m_bytes; }

private:
    // The changes that take one edit back (or make it again), and its name.
    struct Step {
        Changes changes;
        std::string name;
        std::size_t bytes = 0;
    };
    static Step stepOf(Changes changes, std::string name);
    // Moves the newest step of `from` through `apply` onto `to`.
    void turn(std::deque<Step>& from, std::deque<Step>& to, const Apply& apply);
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
