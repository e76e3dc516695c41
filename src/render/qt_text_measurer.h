#pragma once

#include "model/layout/canvas.h"
#include "render/font_cache.h"

namespace velbrant {

// Measures text in model units with unhinted font metrics, independent of
// any device: the surface layout measures on.
class QtTextMeasurer : public TextMeasurer {
public:
    QtTextMeasurer();

    void setFont(const ElementFont& font, double heightFactor) override;
    int textWidth(std::string_view text) const override;
    int textHeight(std::string_view text) const override;

    const FontMetricsEntry& currentFont() const { return *m_current; }

private:
    double unicodeWidth(const QString& text) const;

    FontCache m_cache;
    const FontMetricsEntry* m_current;
    ElementFont m_lastFont{"Arial", 10, 0};
    double m_lastFactor = 1.0;
};

} // namespace velbrant
