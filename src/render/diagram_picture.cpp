#include "render/diagram_picture.h"

#include "model/files/structogram_file.h"
#include "model/history/undo_snapshot.h"
#include "render/document_export.h"
#include "render/document_renderer.h"

#include <QBuffer>
#include <algorithm>
#include <cmath>

namespace velbrant {

namespace {

constexpr int PictureDotsPerInch = 300;

// A copy through the file format, so the picture never touches the
// document being edited: same tree, scale 1. The tree comes from a
// snapshot, which keeps what a .STR file cannot hold (colours, disabled
// elements).
std::unique_ptr<Document> unscaledCopy(const Document& document, QtTextMeasurer& measurer,
                                       const DefaultLabels& labels) {
    auto copy = loadDocument(encodeDocument(document), measurer, labels);
    restoreSnapshot(*copy, takeSnapshot(document), copy->layoutContext(measurer, labels));
    DiagramFormat format = copy->format();
    format.scale = 1.0;
    format.centerHorz = false;
    format.centerVert = false;
    copy->setFormat(std::move(format));
    copy->layout(measurer, PaperSize{});
    return copy;
}

QByteArray picture(const Document& document, QtTextMeasurer& measurer, const QString& suffix,
                   const ExportOptions& options) {
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    writePicture(buffer, document, measurer, suffix, options);
    return buffer.data();
}

} // namespace

std::unique_ptr<QMimeData> diagramPicture(const Document& document, QtTextMeasurer& measurer,
                                          const DefaultLabels& labels) {
    const auto copy = unscaledCopy(document, measurer, labels);
    const QRect area = pictureArea(*copy);
    ExportOptions options;
    options.labels = labels;
    const double inches = (area.width() / 254.0) * (area.height() / 254.0);
    options.dotsPerInch = std::max(
        1, std::min(PictureDotsPerInch, static_cast<int>(std::sqrt(MaxPicturePixels / inches))));
    auto data = std::make_unique<QMimeData>();
    data->setData(QStringLiteral("image/svg+xml"),
                  picture(*copy, measurer, QStringLiteral("svg"), options));
    data->setData(QStringLiteral("image/png"),
                  picture(*copy, measurer, QStringLiteral("png"), options));
    return data;
}

} // namespace velbrant
