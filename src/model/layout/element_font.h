#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <string>

namespace velbrant {

enum FontStyle : std::uint8_t {
    Bold = 1,
    Italic = 2,
    Underline = 4,
    StrikeOut = 8,
};

// The font record every element, title, comment and format dialog shares.
// The name is Windows-1252 bytes, at most 255 of them; an empty name stands
// for "no font" in an ElementFormat.
struct ElementFont {
    std::string name;
    std::int16_t size = 0; // points
    std::uint8_t style = 0;

    bool isBold() const { return style & Bold; }
    bool isItalic() const { return style & Italic; }
    bool isUnderline() const { return style & Underline; }
    bool isStrikeOut() const { return style & StrikeOut; }
    friend bool operator==(const ElementFont&, const ElementFont&) = default;
};

inline constexpr std::size_t FontRecordSize = 260;
inline constexpr std::size_t MaxFontNameLength = 255;
using FontRecord = std::array<std::uint8_t, FontRecordSize>;

// Character height in model units: a point is 254/72 of 0.1 mm.
int characterHeight(const ElementFont& font);
// Sizes the font engine measures sanely. Files may hold any 16-bit size; one
// outside this range is measured and drawn at its limit and kept as it is.
inline constexpr int MinFontPoints = 1;
inline constexpr int MaxFontPoints = 1000;

// The 260-byte record of files: length byte, 255 name bytes, 16-bit size
// little-endian, style byte, filler. Bytes past the name are written as 0.
FontRecord encodeFontRecord(const ElementFont& font);
ElementFont decodeFontRecord(std::span<const std::uint8_t, FontRecordSize> record);

// The window-system font a record stands for.
struct LogicalFont {
    int height = 0; // negative: asks for the character height, not the cell
    int width = 0;
    int escapement = 0;
    int orientation = 0;
    int weight = 400;
    bool italic = false;
    bool underline = false;
    bool strikeOut = false;
    std::uint8_t charSet = 0;
    std::uint8_t outPrecision = 0;
    std::uint8_t clipPrecision = 0;
    std::uint8_t quality = 2;
    std::uint8_t pitchAndFamily = 4;
    std::string faceName;
    friend bool operator==(const LogicalFont&, const LogicalFont&) = default;
};

inline constexpr std::uint8_t AnsiCharSet = 0;
inline constexpr std::uint8_t SymbolCharSet = 2;
inline constexpr int NormalWeight = 400;
inline constexpr int BoldWeight = 700;

// heightFactor is the drawing scale; the scaled height is rounded again.
LogicalFont makeLogFont(const ElementFont& font, double heightFactor = 1.0);

// Only this exact name selects the symbol character set and encoding.
bool isSymbolFont(const ElementFont& font);

} // namespace velbrant
