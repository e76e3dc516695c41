#pragma once

#include "model/diagram/default_labels.h"
#include "model/layout/draw_context.h"
#include "render/document_export.h"

#include <QPainter>
#include <QString>
#include <functional>
#include <vector>

namespace velbrant {

class Document;
class QtTextMeasurer;

// How a document goes onto printer pages. The sheet is the printable
// area: its corner is the model's origin on every page as the sheet shows
// it.
enum class PageMode {
    // One page as the sheet shows it, cut at the page edge.
    AsShown,
    // One page: as the sheet shows it when the picture fits, else scaled
    // down to the page less its margins, centred at its top.
    FitToPage,
    // As many pages as the picture needs at its size, row by row, cut
    // between elements where that can be (`tiledPageAreas`), within the
    // margins, each labelled with its place in the bottom margin.
    Tiled,
};

// Fitted and tiled pages keep this far from the paper's edge, where
// printers cannot print; a printer's own larger margin is kept as it is.
inline constexpr double PageMarginMm = 10.0;

// Where a printer's pages are painted: the printable area in device pixels
// (the painter's origin is its corner), the device's resolution, and how
// far the printable area lies from the paper's edges (mm).
struct PrintablePage {
    QSize pixels;
    double dotsPerInch = 0;
    QMarginsF paperMargins;
};

// The part of the printable area (device pixels) that fitted and tiled
// pages print on: at least PageMarginMm from the paper's edges.
QRectF marginedArea(const PrintablePage& page);

// The label of a tiled page: "Seite 5 von 12 – Zeile 2, Spalte 1".
QString pageLabel(int page, int pages, int row, int column);

// Paints the pages; `newPage` starts the next one and answers false when
// the device cannot. Returns the number of pages painted, or 0 when a new
// page failed.
int paintPages(QPainter& painter, const PrintablePage& page, const Document& document,
               QtTextMeasurer& measurer, const DefaultLabels& labels, PageMode mode,
               const std::function<bool()>& newPage, const DrawStyle& style = {});

// The pages of the document as the sheet says: the worksheet's, then its
// solution's (titled "Lösung"); without blanks the document as it is.
int paintSheetPages(QPainter& painter, const PrintablePage& page, const Document& document,
                    QtTextMeasurer& measurer, const DefaultLabels& labels, PageMode mode,
                    const std::function<bool()>& newPage, const Sheet& sheet);

// Whether the picture (with the notes the style shows) reaches beyond the
// page as the sheet shows it.
bool reachesBeyondPage(const Document& document, const PrintablePage& page,
                       const DrawStyle& style = {});

// The parts of the picture (model units, as drawn) the tiled pages show,
// row by row, left to right, each the page's size or less, together the
// whole picture once. A page ends at the far edge of the last element
// that still fits on it, when that edge lies in the page's last third (else
// its middle third) and cuts no element that would fit on a page; only
// where there is none is an element cut through.
std::vector<QRect> tiledPageAreas(const Document& document, QSize pageUnits,
                                  const DrawStyle& style = {});

// "Velbrant : " and the file name, cut to the 31 characters a job name has.
QString printJobName(const QString& fileName);

} // namespace velbrant
