#pragma once

#include "model/files/windows1252.h"
#include "model/notation/text_notation.h"

#include <string>
#include <string_view>

// The notation is Windows-1252, like the lines the model keeps. Where an
// element, the title or the comment keeps characters that form lacks ("≤"
// beside its "<="), these carry them into a UTF-8 text and back out of it:
// a line of the text that ends in one of an element's lines holds that line.
namespace velbrant {

// The written notation of the document, or of the run written from
// `sequence`, in UTF-8 with the exact characters.
std::string exactUtf8(const WrittenNotation& written, const Document& document);
std::string exactUtf8(const WrittenNotation& written, const Sequence& sequence, bool selectedOnly);

// A UTF-8 text read in its Windows-1252 form (the characters that lacks
// are told in `replaced`); the elements keep the exact characters of their
// lines, the title and comment theirs in typedTitle and typedComment.
struct ExactNotation {
    ReadNotation read;
    std::string typedTitle;
    std::vector<std::string> typedComment;
};
ExactNotation readExactNotation(std::string_view utf8, const LayoutContext& context,
                                ReplacedCharacters& replaced);

// A document from a UTF-8 text file, as loadNotation makes it.
std::unique_ptr<Document> loadExactNotation(std::string_view utf8, TextMeasurer& measurer,
                                            const DefaultLabels& labels,
                                            ReplacedCharacters& replaced);

} // namespace velbrant
