#include "render/qt_text_measurer.h"

#include "model/layout/units.h"

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
    double width = 0;
    for (const char c : text)
        width += m_current->advances[static_cast<std::uint8_t>(c)];
    return rnd(width);
}

int QtTextMeasurer::textHeight(std::string_view) const {
    return rnd(m_current->height);
}

} // namespace velbrant
