#include "model/files/extended_float.h"

#include <cmath>
#include <limits>

namespace velbrant {

namespace {
constexpr int Bias = 16383;
constexpr int MaxExponent = 0x7FFF;
constexpr std::uint64_t IntegerBit = std::uint64_t{1} << 63;
} // namespace

Extended toExtended(double value) {
    std::uint64_t significand = 0;
    int exponent = 0;
    if (std::isnan(value)) {
        significand = IntegerBit | (IntegerBit >> 1);
        exponent = MaxExponent;
    } else if (std::isinf(value)) {
        significand = IntegerBit;
        exponent = MaxExponent;
    } else if (value != 0.0) {
        int binaryExponent = 0;
        const double fraction = std::frexp(std::fabs(value), &binaryExponent); // [0.5, 1)
        significand = static_cast<std::uint64_t>(std::ldexp(fraction, 64));
        exponent = binaryExponent - 1 + Bias;
    }
    Extended bytes{};
    for (int i = 0; i < 8; ++i)
        bytes[static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(significand >> (8 * i));
    const int signAndExponent = exponent | (std::signbit(value) ? 0x8000 : 0);
    bytes[8] = static_cast<std::uint8_t>(signAndExponent & 0xFF);
    bytes[9] = static_cast<std::uint8_t>(signAndExponent >> 8);
    return bytes;
}

double fromExtended(const Extended& bytes) {
    std::uint64_t significand = 0;
    for (int i = 7; i >= 0; --i)
        significand = (significand << 8) | bytes[static_cast<std::size_t>(i)];
    const int signAndExponent = bytes[8] | (bytes[9] << 8);
    const int exponent = signAndExponent & MaxExponent;
    const double sign = (signAndExponent & 0x8000) ? -1.0 : 1.0;
    if (exponent == MaxExponent) {
        const bool infinite = (significand << 1) == 0;
        return infinite ? sign * std::numeric_limits<double>::infinity()
                        : std::numeric_limits<double>::quiet_NaN();
    }
    // An exponent field of 0 (denormal) has the same scale as 1.
    const int scale = (exponent == 0 ? 1 : exponent) - Bias - 63;
    return sign * std::ldexp(static_cast<double>(significand), scale);
}

} // namespace velbrant
