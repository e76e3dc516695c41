#pragma once

#include <cstdint>

namespace velbrant {

// Every coordinate, size and line width of the model is an integer in units
// of 0.1 mm, x to the right, y downward.

// Space between a box's left or right edge and its text.
inline constexpr int TextMarginX = 50;
// Space above the first and below the last text line.
inline constexpr int TextMarginY = 20;
// Extra space between two text lines.
inline constexpr int LineGap = 10;
// Distance between tab stops in element text.
inline constexpr int TabWidth = 150;

// Nearest integer, halves to the even neighbour, independent of the FPU's
// rounding mode; saturates at the limits of int.
int rnd(double value);

// The largest measured width or height of an element (10 km). Sizes are
// summed in 64 bits and saturate here, so that no diagram, however large or
// deep, wraps around into negative sizes, and adding two extents or an
// extent to a coordinate cannot overflow.
inline constexpr int MaxExtent = 100'000'000;
int clampExtent(std::int64_t size);
// Positions saturate at 100 km either way: a position plus a few extents
// still fits in 32 bits, so sums of positions and sizes cannot overflow.
inline constexpr int MaxCoordinate = 1'000'000'000;
int clampCoordinate(std::int64_t position);

// The widest line drawn (9.9 mm, the most the format dialog takes); a wider
// one, which only a damaged file holds, is drawn at this width and kept.
inline constexpr int MaxLineWidth = 99;
inline int drawnLineWidth(int width) {
    return width < MaxLineWidth ? width : MaxLineWidth;
}

struct Point {
    std::int32_t x = 0;
    std::int32_t y = 0;
    friend bool operator==(const Point&, const Point&) = default;
};

// Kind codes shared by the tool palette, the editor and the file format.
enum class ElementKind : std::uint8_t {
    Block = 2,
    Conditional = 3,
    WhileLoop = 4,
    RepeatLoop = 5,
    ForLoop = 6,
    Case = 7,
    Call = 8,
    Exit = 9,
};

// 1 left or top, 2 centred, 3 right or bottom. Files may hold any byte; a
// value outside 1..3 draws as left or top. 0 occurs only in an ElementFormat.
enum class Alignment : std::uint8_t {
    Unchanged = 0,
    Start = 1,
    Center = 2,
    End = 3,
};

// Where a new element goes relative to the element under the point. The
// stored byte means "after" only when it is exactly 1.
enum class InsertMode : std::uint8_t {
    Before = 0,
    After = 1,
};

// Index of SetCoord: which side of a box a value sets.
enum class Coord : std::uint8_t {
    Left = 0,
    Top = 1,
    Width = 2,
    Height = 3,
};

} // namespace velbrant
