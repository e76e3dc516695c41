#include "model/layout/canvas.h"

#include <algorithm>

namespace velbrant {

int tabbedTextWidth(const TextMeasurer& measurer, std::string_view text, int tabStep) {
    tabStep = std::max(tabStep, 1);
    int width = 0;
    std::size_t start = 0;
    for (std::size_t tab = text.find('\t'); tab != std::string_view::npos;
         tab = text.find('\t', start)) {
        width += measurer.textWidth(text.substr(start, tab - start));
        width = (width / tabStep + 1) * tabStep;
        start = tab + 1;
    }
    return width + measurer.textWidth(text.substr(start));
}

int lineHeightOf(TextMeasurer& measurer, const ElementFont& font) {
    measurer.setFont(font, 1.0);
    return measurer.textHeight("\xC3\x84"); // "Ä"
}

} // namespace velbrant
