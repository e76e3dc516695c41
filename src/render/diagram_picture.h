#pragma once

#include "model/diagram/default_labels.h"

#include <QMimeData>
#include <memory>

namespace velbrant {

class Document;
class QtTextMeasurer;

// The most pixels the clipboard's PNG gets; a larger diagram gets a lower
// resolution than 300 dpi.
inline constexpr double MaxPicturePixels = 64e6;

// The diagram for other programs: frame, header and diagram at 100 % scale,
// without the sheet or a selection highlight, as SVG (in tenths of a
// millimetre) and as PNG at 300 dpi. The document itself is not touched.
std::unique_ptr<QMimeData> diagramPicture(const Document& document, QtTextMeasurer& measurer,
                                          const DefaultLabels& labels);

} // namespace velbrant
