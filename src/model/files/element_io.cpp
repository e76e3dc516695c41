#include "model/files/element_io.h"

#include "model/messages/said.h"

#include <stdexcept>

namespace velbrant {

using messages::said;

std::unique_ptr<Element> createStoredElement(BinaryReader& in, std::int64_t code,
                                             std::size_t offset, const char* what,
                                             const LayoutContext& context) {
    const auto first = static_cast<std::int64_t>(ElementKind::Block);
    const auto last = static_cast<std::int64_t>(ElementKind::Exit);
    if (code < first || code > last)
        in.fail(said("files", "%1 %2 ist unbekannt").arg(said("files", what)).arg(code), offset);
    return createElement(static_cast<ElementKind>(code), context);
}

void checkCount(std::size_t count, const char* what) {
    if (count > static_cast<std::size_t>(MaxCount))
        throw std::length_error(said("files", "Zu viele %1 zum Speichern: %2 (höchstens 32767)")
                                    .arg(said("files", what))
                                    .arg(count));
}

Alignment readAlignment(BinaryReader& in) {
    const std::size_t at = in.offset();
    const std::uint8_t code = in.u8();
    if (code > static_cast<std::uint8_t>(Alignment::End))
        in.fail(said("files", "Ungültige Ausrichtung %1").arg(code), at);
    return static_cast<Alignment>(code);
}

NestingGuard::NestingGuard(int& depth, const BinaryReader& in) : m_depth(depth) {
    if (++m_depth > MaxNestingDepth) {
        --m_depth;
        in.fail(said("files", "Verschachtelung tiefer als %1 Ebenen").arg(MaxNestingDepth),
                in.offset());
    }
}

} // namespace velbrant
