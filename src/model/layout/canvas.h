#pragma once

#include "model/layout/element_font.h"
#include "model/layout/units.h"

#include <cstdint>
#include <span>
#include <string_view>

namespace velbrant {

// A surface on which text is measured in model units. Text is UTF-8; while
// a font named "Symbol" is set, its characters stand for the Windows-1252
// bytes whose glyphs that font draws.
class TextMeasurer {
public:
    virtual ~TextMeasurer() = default;

    // Selects the font of the record with its character height multiplied by
    // heightFactor; the surface keeps it until the next call.
    virtual void setFont(const ElementFont& font, double heightFactor) = 0;
    // Width of text that holds no tab, in the current font.
    virtual int textWidth(std::string_view text) const = 0;
    // Height of the text's extent (the font's cell height).
    virtual int textHeight(std::string_view text) const = 0;
};

// Tab stops lie every tabStep units from the text's start.
int tabbedTextWidth(const TextMeasurer& measurer, std::string_view text, int tabStep);

// The height of one text line in a font: the extent of "Ä".
int lineHeightOf(TextMeasurer& measurer, const ElementFont& font);

struct Color {
    std::uint8_t red = 0;
    std::uint8_t green = 0;
    std::uint8_t blue = 0;
    friend bool operator==(const Color&, const Color&) = default;
};

inline constexpr Color White{255, 255, 255};
inline constexpr Color Yellow{255, 255, 0};
inline constexpr Color DisabledGrey{210, 210, 210};
inline constexpr Color Black{0, 0, 0};
// A worksheet's solution shows the texts that were blank in this colour.
inline constexpr Color SolutionBlue{0, 70, 190};

// The drawing operations elements need. Coordinates are already mapped by
// the drawing transform; outlines use the current pen, fills the brush.
class Canvas : public TextMeasurer {
public:
    // A solid black pen; width 0 is the thinnest line the device draws.
    virtual void setPen(int width) = 0;
    virtual void setBrush(Color color) = 0;
    virtual void setHollowBrush() = 0;

    virtual void rectangle(Point topLeft, Point bottomRight) = 0;
    virtual void ellipse(Point topLeft, Point bottomRight) = 0;
    virtual void polygon(std::span<const Point> points) = 0;
    virtual void polyline(std::span<const Point> points) = 0;
    virtual void line(Point from, Point to) = 0;
    // Text in the current font and colour (black until set), its top-left
    // corner at the point.
    virtual void text(Point topLeft, std::string_view text) = 0;
    virtual void setTextColor(Color color) = 0;
};

} // namespace velbrant
