#include "render/font_cache.h"

#include "render/text_codec.h"

#include <QCoreApplication>
#include <QFontDatabase>
#include <QFontMetricsF>
#include <QStringList>
#include <algorithm>
#include <cstdlib>
#include <map>

namespace velbrant {

namespace {

const QString SansFamily = QStringLiteral("Liberation Sans");

// What fontconfig makes of a name depends on the fonts a machine happens to
// have (with the URW fonts, "Arial" becomes Nimbus Sans and "Symbol" a font
// without Unicode characters, which draws nothing). The names diagrams use
// are resolved here instead: the Windows core fonts to their metric twins,
// "Symbol", whose bytes are decoded to Unicode, to DejaVu Sans, which has
// the Greek letters, arrows and operators; other installed families as
// they are, and unknown ones to the sans twin.
QString resolvedFamily(const QString& faceName) {
    static const std::map<QString, QString> twins{
        {QStringLiteral("arial"), SansFamily},
        {QStringLiteral("helvetica"), SansFamily},
        {QStringLiteral("ms sans serif"), SansFamily},
        {QStringLiteral("times new roman"), QStringLiteral("Liberation Serif")},
        {QStringLiteral("times"), QStringLiteral("Liberation Serif")},
        {QStringLiteral("ms serif"), QStringLiteral("Liberation Serif")},
        {QStringLiteral("courier new"), QStringLiteral("Liberation Mono")},
        {QStringLiteral("courier"), QStringLiteral("Liberation Mono")},
        {QStringLiteral("symbol"), QStringLiteral("DejaVu Sans")},
    };
    if (const auto twin = twins.find(faceName.toLower()); twin != twins.end())
        return twin->second;
    return QFontDatabase::hasFamily(faceName) ? faceName : SansFamily;
}

} // namespace

QFont makeQFont(const LogicalFont& logFont) {
    QFont font(resolvedFamily(decodeText(logFont.faceName)));
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

QFont makeDisplayFont(const ElementFont& font) {
    QFont display(resolvedFamily(decodeText(font.name)));
    display.setPointSize(std::clamp<int>(font.size, MinFontPoints, MaxFontPoints));
    display.setBold(font.isBold());
    display.setItalic(font.isItalic());
    display.setUnderline(font.isUnderline());
    display.setStrikeOut(font.isStrikeOut());
    // Named, the style is the one a font dialog preselects; left to the
    // weight and slant alone, a dialog may pick a neighbour (bold italic for
    // bold).
    const QString family = display.family();
    for (const QString& style : QFontDatabase::styles(family)) {
        if (QFontDatabase::bold(family, style) == font.isBold() &&
            QFontDatabase::italic(family, style) == font.isItalic()) {
            display.setStyleName(style);
            break;
        }
    }
    return display;
}

ElementFont elementFontFrom(const QFont& chosen, const ElementFont& previous) {
    ElementFont font;
    const bool sameFamily = chosen.family() == resolvedFamily(decodeText(previous.name));
    font.name =
        sameFamily ? previous.name : encodeText(chosen.family()).substr(0, MaxFontNameLength);
    font.size =
        static_cast<std::int16_t>(std::clamp(chosen.pointSize(), MinFontPoints, MaxFontPoints));
    font.style = static_cast<std::uint8_t>(
        (chosen.bold() ? Bold : 0) | (chosen.italic() ? Italic : 0) |
        (chosen.underline() ? Underline : 0) | (chosen.strikeOut() ? StrikeOut : 0));
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
