#pragma once

#include <QString>
#include <QStringList>
#include <string>
#include <string_view>
#include <vector>

namespace velbrant {

class Element;

// The model keeps text as single bytes: Windows-1252, or the Symbol encoding
// for a font named exactly "Symbol". All 256 byte values survive a round
// trip; a character with no byte becomes '?'.
QString decodeText(std::string_view bytes, bool symbolFont = false);
std::string encodeText(const QString& text, bool symbolFont = false);
// Text as the model draws it (UTF-8) as the characters to paint: in the
// Symbol font, its characters stand for the bytes whose glyphs it paints.
QString drawnText(std::string_view utf8, bool symbolFont);
// The same for the lines of an element.
QStringList decodeLines(const std::vector<std::string>& lines, bool symbolFont);
std::vector<std::string> encodeLines(const QStringList& lines, bool symbolFont);
// UTF-8 lines (comments, exact texts) and Qt's strings.
QStringList fromUtf8Lines(const std::vector<std::string>& lines);
std::vector<std::string> toUtf8Lines(const QStringList& lines);
// An element's text as the user reads and edits it: its exact text, or in
// the Symbol font the characters its bytes draw; and typed lines as the
// UTF-8 the element takes (Element::setTypedLines).
QStringList linesAsShown(const Element& element);
std::vector<std::string> linesAsTyped(const QStringList& lines, bool symbolFont);
// The characters of the text that have no byte in the encoding, each once,
// in order of appearance.
QString unencodableCharacters(const QString& text, bool symbolFont = false);
// Why lines of any characters cannot be stored: a line longer, in its
// Windows-1252 form, than a file holds; empty if they can.
QString whyTooLong(const QStringList& lines);
// Why the lines cannot be stored (characters without a byte, a line over
// the length limit), in the user's words; empty if they can.
QString whyUnstorable(const QStringList& lines, bool symbolFont);

} // namespace velbrant
