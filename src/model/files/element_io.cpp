#include "model/files/element_io.h"

#include <stdexcept>

namespace velbrant {

std::unique_ptr<Element> createStoredElement(BinaryReader& in, std::int64_t code,
                                             std::size_t offset, const char* what,
                                             const LayoutContext& context) {
    const auto first = static_cast<std::int64_t>(ElementKind::Block);
    const auto last = static_cast<std::int64_t>(ElementKind::Exit);
    if (code < first || code > last)
        in.fail(std::string(what) + " " + std::to_string(code) + " ist unbekannt", offset);
    return createElement(static_cast<ElementKind>(code), context);
}

void checkCount(std::size_t count, const char* what) {
    if (count > static_cast<std::size_t>(MaxCount))
        throw std::length_error(std::string("Zu viele ") + what +
                                " zum Speichern: " + std::to_string(count) + " (höchstens 32767)");
}

Alignment readAlignment(BinaryReader& in) {
    const std::size_t at = in.offset();
    const std::uint8_t code = in.u8();
    if (code > static_cast<std::uint8_t>(Alignment::End))
        in.fail("Ungültige Ausrichtung " + std::to_string(code), at);
    return static_cast<Alignment>(code);
}

NestingGuard::NestingGuard(int& depth, const BinaryReader& in) : m_depth(depth) {
    if (++m_depth > MaxNestingDepth) {
        --m_depth;
        in.fail("Verschachtelung tiefer als " + std::to_string(MaxNestingDepth) + " Ebenen",
                in.offset());
    }
}

} // namespace velbrant
