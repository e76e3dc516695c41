#include "render/qt_text_measurer.h"

#include "model/layout/units.h"
#include "render/text_codec.h"

#include <QFontMetricsF>
#include <algorithm>
#include <cstdint>

namespace velbrant {

QtTextMeasurer::QtTextMeasurer() : m_current(&m_cache.lookup(makeLogFont({"Arial", 10, 0}))) {}

// Layout sets the same font for element after element: the last one is
// kept without a lookup.
void QtTextMeasurer::setFont(const ElementFont& font, double heightFactor) {
    if (font == m_lastFont && heightFactor == m_lastFactor)
        return;
    m_current = &m_cache.lookup(makeLogFont(font, heightFactor));
    m_lastFont = font;
    m_lastFactor = heightFactor;
}

int QtTextMeasurer::textWidth(std::string_view text) const {
    const bool ascii =
        std::all_of(text.begin(), text.end(), [](char c) { return (c & 0x80) == 0; });
    if (!ascii)
        return rnd(
            unicodeWidth(QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()))));
    double width = 0;
    for (const char c : text)
        width += m_current->advances[static_cast<std::uint8_t>(c)];
    return rnd(width);
}

// Characters with a Windows-1252 byte add that byte's advance, as plain
// text does; others are measured by Qt, with the font's fallbacks.
double QtTextMeasurer::unicodeWidth(const QString& text) const {
    double width = 0;
    QString others;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const qsizetype length = text.at(i).isHighSurrogate() && i + 1 < text.size() ? 2 : 1;
        const QString character = text.mid(i, length);
        i += length - 1;
        if (unencodableCharacters(character).isEmpty())
            width += m_current->advances[static_cast<std::uint8_t>(encodeText(character).front())];
        else
            others += character;
    }
    if (!others.isEmpty())
        width += QFontMetricsF(m_current->font).horizontalAdvance(others);
    return width;
}

int QtTextMeasurer::textHeight(std::string_view) const {
    return rnd(m_current->height);
}

} // namespace velbrant
