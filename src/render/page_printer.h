#pragma once

#include "model/default_labels.h"

#include <QPainter>
#include <QString>
#include <functional>

namespace velbrant {

class Document;
class QtTextMeasurer;

// How a document goes onto printer pages.
enum class PageMode {
    // One page as the sheet shows it: the model origin at the printable
    // area's corner, cut at the page edge.
    AsShown,
    // One page, the frame scaled down to fit the printable area.
    FitToPage,
    // As many pages as the frame needs at its size, row by row, each
    // overlapping the one before by 5 mm.
    Tiled,
};

// Where a printer's pages are painted: the printable area in device pixels
// (the painter's origin is its corner) and the device's resolution.
struct PrintablePage {
    QSize pixels;
    double dotsPerInch = 0;
};

// Paints the pages; `newPage` starts the next one and answers false when
// the device cannot. Returns the number of pages painted, or 0 when a new
// page failed.
int paintPages(QPainter& painter, const PrintablePage& page, const Document& document,
               QtTextMeasurer& measurer, const DefaultLabels& labels, PageMode mode,
               const std::function<bool()>& newPage);

// "Velbrant : " and the file name, cut to the 31 characters a job name has.
QString printJobName(const QString& fileName);

} // namespace velbrant
