#include "model/layout/units.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace velbrant {

int rnd(double value) {
    double whole = std::floor(value);
    const double fraction = value - whole;
    if (fraction > 0.5 || (fraction == 0.5 && std::fmod(whole, 2.0) != 0.0))
        whole += 1.0;
    // Saturate rather than overflow: a runaway coordinate must not wrap.
    whole = std::clamp(whole, static_cast<double>(std::numeric_limits<int>::min()),
                       static_cast<double>(std::numeric_limits<int>::max()));
    return static_cast<int>(whole);
}

int clampExtent(std::int64_t size) {
    return static_cast<int>(std::clamp<std::int64_t>(size, 0, MaxExtent));
}

int clampCoordinate(std::int64_t position) {
    return static_cast<int>(std::clamp<std::int64_t>(position, -MaxCoordinate, MaxCoordinate));
}

} // namespace velbrant
