#include "render/qt_text_measurer.h"

#include "model/units.h"

#include <cstdint>

namespace velbrant {

QtTextMeasurer::QtTextMeasurer() : m_current(&m_cache.lookup(makeLogFont({"Arial", 10, 0}))) {}

void QtTextMeasurer::setFont(const ElementFont& font, double heightFactor) {
    m_current = &m_cache.lookup(makeLogFont(font, heightFactor));
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
