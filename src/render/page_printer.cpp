#include "render/page_printer.h"

#include "model/document.h"
#include "render/document_renderer.h"

#include <algorithm>
#include <cmath>

namespace velbrant {

namespace {

constexpr double UnitsPerInch = 254.0;
constexpr int TileOverlap = 50;
constexpr int MaxJobNameLength = 31;

// One page showing the model area whose top-left corner lands at the
// printable corner, at `unitScale` times the model's size.
void paintPage(QPainter& painter, const PrintablePage& page, const Document& document,
               QtTextMeasurer& measurer, const DefaultLabels& labels, QPointF corner,
               double unitScale) {
    const double pixelsPerUnit = page.dotsPerInch / UnitsPerInch * unitScale;
    painter.save();
    painter.setClipRect(QRect(QPoint(0, 0), page.pixels));
    painter.scale(pixelsPerUnit, pixelsPerUnit);
    painter.translate(-corner);
    const QRectF shown(corner, QSizeF(page.pixels) / pixelsPerUnit);
    renderDocument(painter, document, measurer, labels, shown.toAlignedRect());
    painter.restore();
}

} // namespace

int paintPages(QPainter& painter, const PrintablePage& page, const Document& document,
               QtTextMeasurer& measurer, const DefaultLabels& labels, PageMode mode,
               const std::function<bool()>& newPage) {
    painter.setRenderHint(QPainter::Antialiasing);
    const QRect area = pictureArea(document);
    const QSizeF pageUnits = QSizeF(page.pixels) * (UnitsPerInch / page.dotsPerInch);
    if (mode == PageMode::AsShown) {
        paintPage(painter, page, document, measurer, labels, QPointF(0, 0), 1.0);
        return 1;
    }
    if (mode == PageMode::FitToPage) {
        const double fit =
            std::min({pageUnits.width() / area.width(), pageUnits.height() / area.height(), 1.0});
        paintPage(painter, page, document, measurer, labels, area.topLeft(), fit);
        return 1;
    }
    const double stepX = std::max(1.0, pageUnits.width() - TileOverlap);
    const double stepY = std::max(1.0, pageUnits.height() - TileOverlap);
    const int columns =
        std::max(1, static_cast<int>(std::ceil((area.width() - TileOverlap) / stepX)));
    const int rows =
        std::max(1, static_cast<int>(std::ceil((area.height() - TileOverlap) / stepY)));
    for (int row = 0; row < rows; ++row) {
        for (int column = 0; column < columns; ++column) {
            if ((row > 0 || column > 0) && !newPage())
                return 0;
            const QPointF corner(area.left() + column * stepX, area.top() + row * stepY);
            paintPage(painter, page, document, measurer, labels, corner, 1.0);
        }
    }
    return rows * columns;
}

QString printJobName(const QString& fileName) {
    return (QStringLiteral("Velbrant : ") + fileName).left(MaxJobNameLength);
}

} // namespace velbrant
