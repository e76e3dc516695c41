#pragma once

#include "model/diagram/default_labels.h"
#include "model/diagram/document.h"
#include "model/files/binary_io.h"

#include <memory>
#include <string>
#include <vector>

namespace velbrant {

// Structorizer's ".nsd" files: UTF-8 XML, a "root" with the program's name
// and comment, its "children", and one element per kind, each with its text
// lines (Structorizer's comma text) and nested "q..." sequences.

// What a read had to change; each entry is one German sentence.
struct NsdImport {
    std::unique_ptr<Document> document;
    // Lost in every format, .nsd included.
    std::vector<std::string> conversions;
    // Texts shown cut or with characters replaced: an unchanged text goes
    // back to a .nsd file as the file had it, so only other formats lose it.
    std::vector<std::string> textChanges;
};

// The largest file read: far beyond any drawn diagram.
inline constexpr std::size_t MaxNsdSize = std::size_t{64} << 20;

// Reads a whole file into a new, laid-out document, or throws a FormatError
// with a German message naming the line: nothing half-built is returned.
NsdImport loadNsd(std::string_view file, TextMeasurer& measurer, const DefaultLabels& labels);

// The document as a ".nsd" file (UTF-8 XML), with everything a Structorizer
// file gave it.
std::string encodeNsd(const Document& document);

// What a Structorizer file gave the document that other formats cannot
// hold, one German phrase each ("3 Farben", "der Diagrammtyp „sub“");
// empty when there is nothing.
std::vector<std::string> nsdOnlyContent(const Document& document);

} // namespace velbrant
