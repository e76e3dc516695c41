#pragma once

#include "model/units.h"

namespace velbrant {

// What one drawing pass hands to every element: the transform that draws the
// diagram at its scale about a fixed origin, and the arrow option.
struct DrawContext {
    double scale = 1.0;
    Point origin;
    bool replaceArrow = false;

    int mapX(int x) const { return rnd((x - origin.x) * scale) + origin.x; }
    int mapY(int y) const { return rnd((y - origin.y) * scale) + origin.y; }
    Point map(int x, int y) const { return {mapX(x), mapY(y)}; }
    // Pen widths, font heights and tab steps.
    int scaled(int length) const { return rnd(length * scale); }
};

} // namespace velbrant
