#pragma once

#include "model/diagram/document.h"
#include "model/diagram/sequence.h"
#include "model/layout/layout_context.h"

#include <memory>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace velbrant {

// Structograms as indented text, both ways. Four spaces a level; a keyword
// line opens each compound element ("wenn", "solange", "wiederhole" …
// "bis", "für", "fallunterscheidung" / "fall" / "sonst", "aufruf",
// "verlasse"); every other line is a statement's text, consecutive lines
// one statement, a blank line between two statements. "titel" and
// "kommentar" lines come first. A line that would read as something else
// is written behind a backslash. Texts are Windows-1252 bytes; formats are
// not part of the notation.

// A text that does not read, with the line it fails at ("Zeile 7: …").
class NotationError : public std::runtime_error {
public:
    NotationError(int line, const std::string& reason);
    int line() const { return m_line; }
    const std::string& reason() const { return m_reason; }

private:
    int m_line;
    std::string m_reason;
};

struct WrittenNotation {
    std::string text;
    // The line (from 1) each element begins on, in reading order.
    std::vector<int> elementLines;
};

// The whole diagram with its title and comment lines.
WrittenNotation writeNotation(const Document& document);
// What the notation does not hold of the document, one German phrase each
// ("3 Elemente mit eigener Schrift"): formats other than a new element's
// and the diagram's; empty when there is nothing.
std::vector<std::string> notationLosses(const Document& document, TextMeasurer& measurer);
// A run of elements without title and comment: the selected run, or with
// selectedOnly false every element.
WrittenNotation writeNotationRun(const Sequence& sequence, bool selectedOnly);

struct ReadNotation {
    std::string title;
    std::vector<std::string> comment;
    std::unique_ptr<Sequence> top;
    // As WrittenNotation::elementLines.
    std::vector<int> elementLines;
};

// The largest text read and the deepest nesting: far beyond any diagram.
inline constexpr std::size_t MaxNotationSize = std::size_t{64} << 20;

// Reads a whole text into a new tree (not laid out), new elements with the
// context's defaults; throws a NotationError and builds nothing half.
ReadNotation readNotation(std::string_view text, const LayoutContext& context);

// A document from a text file: read, formatted with the defaults, laid out.
std::unique_ptr<Document> loadNotation(std::string_view text, TextMeasurer& measurer,
                                       const DefaultLabels& labels);

// Gives the elements of `fresh` the formats (font, alignment, line widths)
// and what a Structorizer file gave them, of the elements of `old` that stand in the same place
// with the same kind: sequences are matched from both ends, so an element inserted or removed keeps
// the others matched.
void carryFormats(const Sequence& old, Sequence& fresh, const LayoutContext& context);

} // namespace velbrant
