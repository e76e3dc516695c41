#include "render/text_codec.h"

#include "model/diagram/element.h"
#include "model/diagram/limits.h"
#include "model/files/windows1252.h"

#include <QCoreApplication>
#include <algorithm>
#include <array>
#include <cstdint>

namespace velbrant {

namespace {

using CodeTable = std::array<char16_t, 256>;

// Bytes 0x80..0x9F; the five undefined ones keep their C1 control code.
constexpr std::array<char16_t, 32> Windows1252High = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

// Symbol bytes 0x20..0x7E and 0xA0..0xFF; the extender and corner glyphs
// take their nearest standard characters.
constexpr std::array<char16_t, 95> SymbolLow = {
    0x0020, 0x0021, 0x2200, 0x0023, 0x2203, 0x0025, 0x0026, 0x220B, 0x0028, 0x0029, 0x2217, 0x002B,
    0x002C, 0x2212, 0x002E, 0x002F, 0x0030, 0x0031, 0x0032, 0x0033, 0x0034, 0x0035, 0x0036, 0x0037,
    0x0038, 0x0039, 0x003A, 0x003B, 0x003C, 0x003D, 0x003E, 0x003F, 0x2245, 0x0391, 0x0392, 0x03A7,
    0x0394, 0x0395, 0x03A6, 0x0393, 0x0397, 0x0399, 0x03D1, 0x039A, 0x039B, 0x039C, 0x039D, 0x039F,
    0x03A0, 0x0398, 0x03A1, 0x03A3, 0x03A4, 0x03A5, 0x03C2, 0x03A9, 0x039E, 0x03A8, 0x0396, 0x005B,
    0x2234, 0x005D, 0x22A5, 0x005F, 0x203E, 0x03B1, 0x03B2, 0x03C7, 0x03B4, 0x03B5, 0x03C6, 0x03B3,
    0x03B7, 0x03B9, 0x03D5, 0x03BA, 0x03BB, 0x03BC, 0x03BD, 0x03BF, 0x03C0, 0x03B8, 0x03C1, 0x03C3,
    0x03C4, 0x03C5, 0x03D6, 0x03C9, 0x03BE, 0x03C8, 0x03B6, 0x007B, 0x007C, 0x007D, 0x223C};

constexpr std::array<char16_t, 96> SymbolHigh = {
    0x20AC, 0x03D2, 0x2032, 0x2264, 0x2044, 0x221E, 0x0192, 0x2663, 0x2666, 0x2665, 0x2660, 0x2194,
    0x2190, 0x2191, 0x2192, 0x2193, 0x00B0, 0x00B1, 0x2033, 0x2265, 0x00D7, 0x221D, 0x2202, 0x2022,
    0x00F7, 0x2260, 0x2261, 0x2248, 0x2026, 0x23D0, 0x23AF, 0x21B5, 0x2135, 0x2111, 0x211C, 0x2118,
    0x2297, 0x2295, 0x2205, 0x2229, 0x222A, 0x2283, 0x2287, 0x2284, 0x2282, 0x2286, 0x2208, 0x2209,
    0x2220, 0x2207, 0x00AE, 0x00A9, 0x2122, 0x220F, 0x221A, 0x22C5, 0x00AC, 0x2227, 0x2228, 0x21D4,
    0x21D0, 0x21D1, 0x21D2, 0x21D3, 0x25CA, 0x2329, 0xF8E8, 0xF8E9, 0xF8EA, 0x2211, 0x239B, 0x239C,
    0x239D, 0x23A1, 0x23A2, 0x23A3, 0x23A7, 0x23A8, 0x23A9, 0x23AA, 0xF0F0, 0x232A, 0x222B, 0x2320,
    0x23AE, 0x2321, 0x239E, 0x239F, 0x23A0, 0x23A4, 0x23A5, 0x23A6, 0x23AB, 0x23AC, 0x23AD, 0xF0FF};

static_assert(Windows1252High.back() != 0 && SymbolLow.back() != 0 && SymbolHigh.back() != 0,
              "every byte of a code table has its character");

constexpr CodeTable makeWindows1252Table() {
    CodeTable table{};
    for (std::size_t byte = 0; byte < table.size(); ++byte)
        table[byte] = static_cast<char16_t>(byte);
    for (std::size_t i = 0; i < Windows1252High.size(); ++i)
        table[0x80 + i] = Windows1252High[i];
    return table;
}

// Control bytes map to themselves; bytes with no symbol glyph go to the
// private-use block at U+F000 + byte, as symbol fonts lay them out.
constexpr CodeTable makeSymbolTable() {
    CodeTable table{};
    for (std::size_t byte = 0; byte < table.size(); ++byte)
        table[byte] = static_cast<char16_t>(byte < 0x20 ? byte : 0xF000 + byte);
    for (std::size_t i = 0; i < SymbolLow.size(); ++i)
        table[0x20 + i] = SymbolLow[i];
    for (std::size_t i = 0; i < SymbolHigh.size(); ++i)
        table[0xA0 + i] = SymbolHigh[i];
    return table;
}

constexpr CodeTable Windows1252Table = makeWindows1252Table();
constexpr CodeTable SymbolTable = makeSymbolTable();

const CodeTable& tableFor(bool symbolFont) {
    return symbolFont ? SymbolTable : Windows1252Table;
}

// Plain ASCII typed in a Symbol font keeps its byte, as a keyboard gives it.
char encodeChar(const CodeTable& table, char16_t unicode) {
    const auto found = std::find(table.begin(), table.end(), unicode);
    if (found != table.end())
        return static_cast<char>(found - table.begin());
    return unicode < 0x80 ? static_cast<char>(unicode) : '?';
}

} // namespace

QString decodeText(std::string_view bytes, bool symbolFont) {
    const CodeTable& table = tableFor(symbolFont);
    QString text(static_cast<qsizetype>(bytes.size()), Qt::Uninitialized);
    for (std::size_t i = 0; i < bytes.size(); ++i)
        text[static_cast<qsizetype>(i)] = QChar(table[static_cast<std::uint8_t>(bytes[i])]);
    return text;
}

std::string encodeText(const QString& text, bool symbolFont) {
    const CodeTable& table = tableFor(symbolFont);
    std::string bytes;
    bytes.reserve(static_cast<std::size_t>(text.size()));
    for (const QChar c : text)
        bytes.push_back(encodeChar(table, c.unicode()));
    return bytes;
}

QString unencodableCharacters(const QString& text, bool symbolFont) {
    const CodeTable& table = tableFor(symbolFont);
    QString missing;
    for (const QChar c : text) {
        const char16_t unicode = c.unicode();
        const bool encodable =
            unicode < 0x80 || std::find(table.begin(), table.end(), unicode) != table.end();
        if (!encodable && !missing.contains(c))
            missing += c;
    }
    return missing;
}

QString whyUnstorable(const QStringList& lines, bool symbolFont) {
    const QString missing = unencodableCharacters(lines.join(QString()), symbolFont);
    if (!missing.isEmpty()) {
        const QString characterSet =
            symbolFont ? QCoreApplication::translate("velbrant", "der Schrift „Symbol“")
                       : QCoreApplication::translate("velbrant", "von Windows-1252");
        return QCoreApplication::translate(
                   "velbrant", "„%1“ lässt sich nicht speichern: Struktogramme kennen nur die "
                               "Zeichen %2.")
            .arg(missing, characterSet);
    }
    // Every character has a byte here.
    for (const QString& line : lines) {
        if (line.size() > static_cast<qsizetype>(MaxTextLength))
            return QCoreApplication::translate("velbrant",
                                               "Eine Zeile darf höchstens %1 Zeichen lang sein.")
                .arg(MaxTextLength);
    }
    return QString();
}

QString whyTooLong(const QStringList& lines) {
    ReplacedCharacters replaced;
    for (const QString& line : lines) {
        if (windows1252FromUtf8(line.toStdString(), replaced).size() > MaxTextLength)
            return QCoreApplication::translate("velbrant",
                                               "Eine Zeile darf höchstens %1 Zeichen lang sein.")
                .arg(MaxTextLength);
    }
    return QString();
}

QStringList decodeLines(const std::vector<std::string>& lines, bool symbolFont) {
    QStringList decoded;
    for (const std::string& line : lines)
        decoded << decodeText(line, symbolFont);
    return decoded;
}

std::vector<std::string> encodeLines(const QStringList& lines, bool symbolFont) {
    std::vector<std::string> encoded;
    for (const QString& line : lines)
        encoded.push_back(encodeText(line, symbolFont));
    return encoded;
}

QString drawnText(std::string_view utf8, bool symbolFont) {
    const QString text = QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
    return symbolFont ? decodeText(encodeText(text), true) : text;
}

QStringList fromUtf8Lines(const std::vector<std::string>& lines) {
    QStringList converted;
    for (const std::string& line : lines)
        converted << QString::fromStdString(line);
    return converted;
}

std::vector<std::string> toUtf8Lines(const QStringList& lines) {
    std::vector<std::string> converted;
    for (const QString& line : lines)
        converted.push_back(line.toStdString());
    return converted;
}

QStringList linesAsShown(const Element& element) {
    return isSymbolFont(element.font()) ? decodeLines(element.lines(), true)
                                        : fromUtf8Lines(element.shownLines());
}

std::vector<std::string> linesAsTyped(const QStringList& lines, bool symbolFont) {
    if (!symbolFont)
        return toUtf8Lines(lines);
    std::vector<std::string> typed;
    for (const QString& line : lines)
        typed.push_back(utf8FromWindows1252(encodeText(line, true)));
    return typed;
}

} // namespace velbrant
