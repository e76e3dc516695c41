#pragma once

#include "model/layout/element_font.h"

#include <QFont>
#include <array>
#include <map>
#include <tuple>

namespace velbrant {

// A resolved font with the metrics text layout needs, in the font's own
// pixels, which the painter's transform makes model units. Metrics are
// unhinted so that a diagram measures the same at every zoom and on every
// device.
struct FontMetricsEntry {
    QFont font;
    bool symbol = false;
    double ascent = 0;
    double height = 0;
    // Advance of every byte value, decoded in the font's encoding. Adding
    // advances (no kerning) is how the layout measures a piece of text.
    std::array<double, 256> advances{};
};

// Resolves logical fonts once and keeps them; owned by whoever measures,
// such as a document, so repeated layout costs no font lookups.
class FontCache {
public:
    const FontMetricsEntry& lookup(const LogicalFont& logFont);

private:
    using Key = std::tuple<std::string, int, int, bool, bool, bool>;
    std::map<Key, FontMetricsEntry> m_entries;
};

QFont makeQFont(const LogicalFont& logFont);
// The element font in points, for text fields and font dialogs.
QFont makeDisplayFont(const ElementFont& font);
// The font chosen in a font dialog as an element font; a family that is the
// one `previous` resolves to keeps the previous name ("Arial" stays "Arial").
ElementFont elementFontFrom(const QFont& chosen, const ElementFont& previous);

} // namespace velbrant
