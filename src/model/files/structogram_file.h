#pragma once

#include "model/diagram/default_labels.h"
#include "model/diagram/document.h"
#include "model/files/binary_io.h"

#include <memory>
#include <span>

namespace velbrant {

// The ".STR" file: packed little-endian records without a signature, the
// page header, title, comment, fonts, then the tree of sequences and
// elements depth-first with their kind codes.

// The whole document as the file's bytes; the caller marks the document
// saved once they are safely written.
Bytes encodeDocument(const Document& document);

// Reads a whole file into a new, laid-out, unmodified document, or throws a
// FormatError: a damaged file never yields a partial document.
std::unique_ptr<Document> loadDocument(std::span<const std::uint8_t> file, TextMeasurer& measurer,
                                       const DefaultLabels& labels);

} // namespace velbrant
