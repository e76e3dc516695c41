#include "render/font_cache.h"

#include "render/text_codec.h"

#include <QFontMetricsF>
#include <algorithm>
#include <cstdlib>

namespace velbrant {

QFont makeQFont(const LogicalFont& logFont) {
    QFont font(decodeText(logFont.faceName));
    font.setPixelSize(std::max(1, std::abs(logFont.height)));
    font.setWeight(logFont.weight >= BoldWeight ? QFont::Bold : QFont::Normal);
    font.setItalic(logFont.italic);
    font.setUnderline(logFont.underline);
    font.setStrikeOut(logFont.strikeOut);
    font.setKerning(false);
    font.setHintingPreference(QFont::PreferNoHinting);
    font.setStyleStrategy(QFont::PreferOutline);
    return font;
}

const FontMetricsEntry& FontCache::lookup(const LogicalFont& logFont) {
    const Key key{logFont.faceName, logFont.height,    logFont.weight,
                  logFont.italic,   logFont.underline, logFont.strikeOut};
    if (const auto found = m_entries.find(key); found != m_entries.end())
        return found->second;

    FontMetricsEntry entry;
    entry.font = makeQFont(logFont);
    entry.symbol = logFont.charSet == SymbolCharSet;
    const QFontMetricsF metrics(entry.font);
    entry.ascent = metrics.ascent();
    entry.height = metrics.height();
    for (int byte = 0; byte < 256; ++byte) {
        const char c = static_cast<char>(byte);
        const QString glyph = decodeText(std::string_view(&c, 1), entry.symbol);
        entry.advances[static_cast<std::size_t>(byte)] = metrics.horizontalAdvance(glyph);
    }
    return m_entries.emplace(key, std::move(entry)).first->second;
}

} // namespace velbrant
