#include "app/document/element_drag.h"

#include "app/document/document_editor.h"
#include "model/files/transfer_stream.h"
#include "render/diagram_picture.h"

namespace velbrant {

QString elementsMimeType() {
    return QStringLiteral("application/x-velbrant-elements");
}

std::unique_ptr<QMimeData> selectionMimeData(DocumentEditor& editor) {
    const Bytes run = editor.copySelection();
    Document picture(editor.measurer());
    const LayoutContext context = picture.layoutContext(editor.measurer(), editor.labels());
    pasteFromStream(picture.topSequence(), run, {0, 0}, InsertMode::After, context);
    picture.topSequence().relayout(context);
    picture.layout(editor.measurer(), PaperSize{});
    std::unique_ptr<QMimeData> data = diagramPicture(picture, editor.measurer(), editor.labels());
    data->setData(elementsMimeType(), QByteArray(reinterpret_cast<const char*>(run.data()),
                                                 static_cast<qsizetype>(run.size())));
    data->setText(QString::fromStdString(editor.selectionNotation()));
    return data;
}

} // namespace velbrant
