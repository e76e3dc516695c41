#pragma once

#include "model/diagram/default_labels.h"
#include "model/layout/units.h"

#include <limits>
#include <unordered_set>

namespace velbrant {

class Element;

// How a drawing for paper differs from the screen's: a worksheet leaves
// out the texts of its blanks (their boxes, their kind's lines and the
// branch labels stay), its solution draws those texts marked; black and
// white fills every box white but a disabled element's light grey, and
// marks a solution's texts bold instead of coloured. Paper may show the
// elements' comments as notes beside the frame.
struct DrawStyle {
    const std::unordered_set<const Element*>* blanks = nullptr;
    bool solution = false;
    bool blackAndWhite = false;
    bool commentNotes = false;
    bool isBlank(const Element* element) const {
        return blanks != nullptr && blanks->count(element) != 0;
    }
};

// What one drawing pass hands to every element: the transform that draws the
// diagram at its scale about a fixed origin, the default labels (branch
// labels and arrow option), and the area that needs painting (in drawn
// coordinates), outside which nothing is drawn.
struct DrawContext {
    static constexpr Point Unbounded{std::numeric_limits<std::int32_t>::max(),
                                     std::numeric_limits<std::int32_t>::max()};

    double scale = 1.0;
    Point origin;
    DefaultLabels labels{};
    Point clipTopLeft{-Unbounded.x, -Unbounded.y};
    Point clipBottomRight = Unbounded;
    // Only the screen shows which elements are selected; print, pictures
    // and exports never do.
    bool showsSelection = false;
    DrawStyle style{};

    // Scaled positions saturate like all positions.
    int mapAbout(int value, int about) const {
        return clampCoordinate(std::int64_t{rnd((static_cast<double>(value) - about) * scale)} +
                               about);
    }
    int mapX(int x) const { return mapAbout(x, origin.x); }
    int mapY(int y) const { return mapAbout(y, origin.y); }
    Point map(int x, int y) const { return {mapX(x), mapY(y)}; }
    // Where a drawn point lies before scaling: the inverse of `map`.
    int unmapAbout(int value, int about) const {
        return clampCoordinate(std::int64_t{rnd((static_cast<double>(value) - about) / scale)} +
                               about);
    }
    Point unmap(Point drawn) const {
        return {unmapAbout(drawn.x, origin.x), unmapAbout(drawn.y, origin.y)};
    }
    // Pen widths, font heights and tab steps.
    int scaled(int length) const { return rnd(length * scale); }
    // Whether a model box, once mapped, reaches into the clip area; penWidth
    // is how far its outline may reach beyond the box.
    bool isVisible(int left, int top, int right, int bottom, int penWidth) const {
        const int margin = scaled(penWidth);
        return mapX(right) + margin >= clipTopLeft.x && mapX(left) - margin <= clipBottomRight.x &&
               mapY(bottom) + margin >= clipTopLeft.y && mapY(top) - margin <= clipBottomRight.y;
    }
};

} // namespace velbrant
