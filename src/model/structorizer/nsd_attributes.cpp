#include "model/structorizer/nsd_attributes.h"

#include <cctype>

namespace velbrant {

std::optional<Color> NsdAttributes::fill() const {
    if (color.size() != 6)
        return std::nullopt;
    int value = 0;
    for (const char c : color) {
        if (std::isxdigit(static_cast<unsigned char>(c)) == 0)
            return std::nullopt;
        value = value * 16 + (std::isdigit(static_cast<unsigned char>(c)) != 0
                                  ? c - '0'
                                  : std::tolower(static_cast<unsigned char>(c)) - 'a' + 10);
    }
    const Color parsed{static_cast<std::uint8_t>(value >> 16),
                       static_cast<std::uint8_t>((value >> 8) & 0xFF),
                       static_cast<std::uint8_t>(value & 0xFF)};
    if (parsed == White)
        return std::nullopt;
    return parsed;
}

} // namespace velbrant
