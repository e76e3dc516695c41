#include "model/undo_history.h"

#include <cstring>
#include <stdexcept>
#include <zlib.h>

namespace velbrant {

namespace {

// Snapshots are mostly font records and zeros: kept deflated they take a
// tenth of the memory, so far more steps fit within the byte limit.
Bytes deflated(const Bytes& plain) {
    uLongf size = compressBound(static_cast<uLong>(plain.size()));
    Bytes packed(sizeof(std::uint64_t) + size);
    const std::uint64_t plainSize = plain.size();
    std::memcpy(packed.data(), &plainSize, sizeof plainSize);
    if (compress2(packed.data() + sizeof plainSize, &size, plain.data(),
                  static_cast<uLong>(plain.size()), Z_BEST_SPEED) != Z_OK)
        throw std::bad_alloc();
    packed.resize(sizeof plainSize + size);
    return packed;
}

Bytes inflated(const Bytes& packed) {
    std::uint64_t plainSize = 0;
    std::memcpy(&plainSize, packed.data(), sizeof plainSize);
    Bytes plain(plainSize);
    uLongf size = static_cast<uLongf>(plainSize);
    if (uncompress(plain.data(), &size, packed.data() + sizeof plainSize,
                   static_cast<uLong>(packed.size() - sizeof plainSize)) != Z_OK)
        throw std::runtime_error("Undo-Schritt beschädigt");
    return plain;
}

} // namespace

UndoHistory::UndoHistory(std::size_t maxLevels, std::size_t maxBytes)
    : m_maxLevels(maxLevels), m_maxBytes(maxBytes) {}

void UndoHistory::record(const Bytes& before, std::string name) {
    for (const Step& undone : m_redo)
        m_bytes -= undone.packed.size();
    m_redo.clear();
    if (m_cleanPosition && *m_cleanPosition > m_position)
        m_cleanPosition.reset();
    Bytes packed = deflated(before);
    m_bytes += packed.size();
    m_undo.push_back({std::move(packed), std::move(name)});
    ++m_position;
    dropOldestBeyondLimits();
}

void UndoHistory::dropNewest() {
    if (m_undo.empty())
        return;
    m_bytes -= m_undo.back().packed.size();
    m_undo.pop_back();
    --m_position;
    if (m_cleanPosition && *m_cleanPosition > m_position)
        m_cleanPosition.reset();
}

Bytes UndoHistory::undo(const Bytes& current) {
    Step previous = std::move(m_undo.back());
    m_undo.pop_back();
    Bytes packed = deflated(current);
    m_bytes += packed.size() - previous.packed.size();
    m_redo.push_back({std::move(packed), previous.name});
    --m_position;
    return inflated(previous.packed);
}

Bytes UndoHistory::redo(const Bytes& current) {
    Step next = std::move(m_redo.back());
    m_redo.pop_back();
    Bytes packed = deflated(current);
    m_bytes += packed.size() - next.packed.size();
    m_undo.push_back({std::move(packed), next.name});
    ++m_position;
    return inflated(next.packed);
}

// The newest step always stays, however large.
void UndoHistory::dropOldestBeyondLimits() {
    while (m_undo.size() > 1 && (m_undo.size() > m_maxLevels || m_bytes > m_maxBytes)) {
        m_bytes -= m_undo.front().packed.size();
        m_undo.pop_front();
        // The oldest state kept is now one step later.
        --m_position;
        if (m_cleanPosition && --*m_cleanPosition < 0)
            m_cleanPosition.reset();
    }
}

} // namespace velbrant
