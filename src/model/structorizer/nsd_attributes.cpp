#include "model/structorizer/nsd_attributes.h"

#include <algorithm>
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

namespace {

constexpr const char* BreakpointAttribute = "breakpoint";

bool isBreakpoint(const std::pair<std::string, std::string>& attribute) {
    return attribute.first == BreakpointAttribute;
}

} // namespace

bool NsdAttributes::breakpoint() const {
    return std::any_of(others.begin(), others.end(), [](const auto& attribute) {
        return isBreakpoint(attribute) && attribute.second == "1";
    });
}

std::shared_ptr<const NsdAttributes> withBreakpoint(const NsdAttributes* attributes, bool on) {
    auto changed = attributes != nullptr ? std::make_shared<NsdAttributes>(*attributes)
                                         : std::make_shared<NsdAttributes>();
    std::erase_if(changed->others, isBreakpoint);
    if (on)
        changed->others.emplace_back(BreakpointAttribute, "1");
    // Without the breakpoint, a new element is new again.
    if (*changed == NsdAttributes{})
        return nullptr;
    return changed;
}

} // namespace velbrant
