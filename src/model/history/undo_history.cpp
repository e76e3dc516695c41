#include "model/history/undo_history.h"

namespace velbrant {

UndoHistory::UndoHistory(std::size_t maxLevels, std::size_t maxBytes)
    : m_maxLevels(maxLevels), m_maxBytes(maxBytes) {}

UndoHistory::Step UndoHistory::stepOf(Changes changes, std::string name) {
    std::size_t bytes = sizeof(Step) + name.size();
    for (const UndoChange& change : changes)
        bytes += heldBytes(change);
    return {std::move(changes), std::move(name), bytes};
}

void UndoHistory::record(Changes before, std::string name) {
    for (const Step& undone : m_redo)
        m_bytes -= undone.bytes;
    m_redo.clear();
    if (m_cleanPosition && *m_cleanPosition > m_position)
        m_cleanPosition.reset();
    Step step = stepOf(std::move(before), std::move(name));
    m_bytes += step.bytes;
    m_undo.push_back(std::move(step));
    ++m_position;
    dropOldestBeyondLimits();
}

void UndoHistory::dropNewest() {
    if (m_undo.empty())
        return;
    m_bytes -= m_undo.back().bytes;
    m_undo.pop_back();
    --m_position;
    if (m_cleanPosition && *m_cleanPosition > m_position)
        m_cleanPosition.reset();
}

// The step leaves `from` only once `apply` has succeeded.
void UndoHistory::turn(std::deque<Step>& from, std::deque<Step>& to, const Apply& apply) {
    Step turned = stepOf(apply(from.back().changes), from.back().name);
    m_bytes += turned.bytes;
    m_bytes -= from.back().bytes;
    from.pop_back();
    to.push_back(std::move(turned));
}

void UndoHistory::undo(const Apply& apply) {
    turn(m_undo, m_redo, apply);
    --m_position;
}

void UndoHistory::redo(const Apply& apply) {
    turn(m_redo, m_undo, apply);
    ++m_position;
}

// The newest step always stays, however large.
void UndoHistory::dropOldestBeyondLimits() {
    while (m_undo.size() > 1 && (m_undo.size() > m_maxLevels || m_bytes > m_maxBytes)) {
        m_bytes -= m_undo.front().bytes;
        m_undo.pop_front();
        // The oldest state kept is now one step later.
        --m_position;
        if (m_cleanPosition && --*m_cleanPosition < 0)
            m_cleanPosition.reset();
    }
}

} // namespace velbrant
