#pragma once

#include <QMimeData>
#include <QString>
#include <memory>

namespace velbrant {

class DocumentEditor;

// Runs of elements on the clipboard and in drags, as transfer streams.
QString elementsMimeType();

// The selected run as other windows and programs take it: the element
// format, and the elements as a picture (SVG and PNG, as "Graphik
// kopieren" gives a whole diagram).
std::unique_ptr<QMimeData> selectionMimeData(DocumentEditor& editor);

} // namespace velbrant
