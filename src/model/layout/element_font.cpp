#include "model/layout/element_font.h"

#include "model/layout/units.h"

#include <algorithm>

namespace velbrant {

namespace {
constexpr std::size_t SizeOffset = 256;
constexpr std::size_t StyleOffset = 258;
} // namespace

int characterHeight(const ElementFont& font) {
    return rnd(std::clamp<int>(font.size, MinFontPoints, MaxFontPoints) * 254.0 / 72.0);
}

FontRecord encodeFontRecord(const ElementFont& font) {
    FontRecord record{};
    const std::size_t length = std::min(font.name.size(), MaxFontNameLength);
    record[0] = static_cast<std::uint8_t>(length);
    std::copy_n(font.name.begin(), length, record.begin() + 1);
    const auto size = static_cast<std::uint16_t>(font.size);
    record[SizeOffset] = static_cast<std::uint8_t>(size & 0xFF);
    record[SizeOffset + 1] = static_cast<std::uint8_t>(size >> 8);
    record[StyleOffset] = font.style;
    return record;
}

ElementFont decodeFontRecord(std::span<const std::uint8_t, FontRecordSize> record) {
    ElementFont font;
    font.name.assign(record.begin() + 1, record.begin() + 1 + record[0]);
    font.size = static_cast<std::int16_t>(record[SizeOffset] | (record[SizeOffset + 1] << 8));
    font.style = record[StyleOffset];
    return font;
}

LogicalFont makeLogFont(const ElementFont& font, double heightFactor) {
    LogicalFont logFont;
    logFont.height = -rnd(characterHeight(font) * heightFactor);
    logFont.weight = font.isBold() ? BoldWeight : NormalWeight;
    logFont.italic = font.isItalic();
    logFont.underline = font.isUnderline();
    logFont.strikeOut = font.isStrikeOut();
    logFont.charSet = isSymbolFont(font) ? SymbolCharSet : AnsiCharSet;
    logFont.faceName = font.name;
    return logFont;
}

bool isSymbolFont(const ElementFont& font) {
    return font.name == "Symbol";
}

} // namespace velbrant
