#pragma once

#include <array>
#include <cstdint>

namespace velbrant {

// The 80-bit x87 extended format of files: 64-bit significand with an
// explicit integer bit, 15-bit exponent biased by 16383, sign; little-endian.
// Converted bit by bit, so it does not depend on the platform's long double.
using Extended = std::array<std::uint8_t, 10>;

// Exact for every finite double.
Extended toExtended(double value);
// Rounds to the nearest double; out-of-range values become infinite or 0.
double fromExtended(const Extended& bytes);

} // namespace velbrant
