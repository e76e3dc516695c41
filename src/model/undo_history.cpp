#include "model/undo_history.h"

namespace velbrant {

UndoHistory::UndoHistory(std::size_t maxLevels, std::size_t maxBytes)
    : m_maxLevels(maxLevels), m_maxBytes(maxBytes) {}

void UndoHistory::record(Bytes before) {
    for (const Bytes& undone : m_redo)
        m_bytes -= undone.size();
    m_redo.clear();
    if (m_cleanPosition && *m_cleanPosition > m_position)
        m_cleanPosition.reset();
    m_bytes += before.size();
    m_undo.push_back(std::move(before));
    ++m_position;
    dropOldestBeyondLimits();
}

void UndoHistory::dropNewest() {
    if (m_undo.empty())
        return;
    m_bytes -= m_undo.back().size();
    m_undo.pop_back();
    --m_position;
    if (m_cleanPosition && *m_cleanPosition > m_position)
        m_cleanPosition.reset();
}

Bytes UndoHistory::undo(Bytes current) {
    Bytes previous = std::move(m_undo.back());
    m_undo.pop_back();
    m_bytes += current.size() - previous.size();
    m_redo.push_back(std::move(current));
    --m_position;
    return previous;
}

Bytes UndoHistory::redo(Bytes current) {
    Bytes next = std::move(m_redo.back());
    m_redo.pop_back();
    m_bytes += current.size() - next.size();
    m_undo.push_back(std::move(current));
    ++m_position;
    return next;
}

// The newest step always stays, however large.
void UndoHistory::dropOldestBeyondLimits() {
    while (m_undo.size() > 1 && (m_undo.size() > m_maxLevels || m_bytes > m_maxBytes)) {
        m_bytes -= m_undo.front().size();
        m_undo.pop_front();
        // The oldest state kept is now one step later.
        --m_position;
        if (m_cleanPosition && --*m_cleanPosition < 0)
            m_cleanPosition.reset();
    }
}

} // namespace velbrant
