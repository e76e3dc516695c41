#include "render/page_printer.h"

#include "model/diagram/document.h"
#include "render/document_export.h"
#include "render/document_renderer.h"

#include <QCoreApplication>
#include <QFont>
#include <QFontMetricsF>
#include <algorithm>
#include <cmath>
#include <optional>
#include <utility>
#include <vector>

namespace velbrant {

namespace {

constexpr double UnitsPerInch = 254.0;
constexpr int MaxJobNameLength = 31;
// The tiled pages' labels: their size, and the band kept for them.
constexpr double LabelPoints = 8;
constexpr double LabelBandMm = 6;

using Span = std::pair<int, int>;

// One page showing `shown` (model units, as drawn) in `target` (device
// pixels) from its corner on, at `unitScale` times the model's size;
// nothing outside it.
void paintPage(QPainter& painter, const DrawStyle& style, const PrintablePage& page,
               const Document& document, QtTextMeasurer& measurer, const DefaultLabels& labels,
               const QRectF& shown, double unitScale, const QRectF& target) {
    const double pixelsPerUnit = page.dotsPerInch / UnitsPerInch * unitScale;
    painter.save();
    painter.translate(target.topLeft());
    painter.setClipRect(QRectF(QPointF(0, 0), shown.size() * pixelsPerUnit)
                            .intersected(QRectF(QPointF(0, 0), target.size())));
    painter.scale(pixelsPerUnit, pixelsPerUnit);
    painter.translate(-shown.topLeft());
    renderDocument(painter, document, measurer, labels, shown.toAlignedRect(), Marks::None, style);
    painter.restore();
}

// The open ranges no cut may fall in: the insides of the elements that
// would fit on a page, merged.
std::vector<Span> forbiddenRanges(std::vector<Span> spans, int pageSize) {
    std::erase_if(spans,
                  [pageSize](const Span& span) { return span.second - span.first > pageSize; });
    std::sort(spans.begin(), spans.end());
    std::vector<Span> merged;
    for (const Span& span : spans) {
        if (!merged.empty() && span.first < merged.back().second)
            merged.back().second = std::max(merged.back().second, span.second);
        else
            merged.push_back(span);
    }
    return merged;
}

bool isForbidden(const std::vector<Span>& ranges, int position) {
    auto after = std::upper_bound(ranges.begin(), ranges.end(), Span{position, position});
    if (after == ranges.begin())
        return false;
    const Span& range = *std::prev(after);
    return range.first < position && position < range.second;
}

// Where pages are cut along one axis, from `start` to `end`: a page ends at
// the far edge of the last element that still fits, when that edge lies in
// the last third of the page and cuts no element that would fit on a page;
// failing that, at such an edge in the middle third (a page is never less
// than a third full); only where there is none, where the page ends.
std::vector<int> cuts(int start, int end, int pageSize, const std::vector<Span>& spans) {
    const std::vector<Span> forbidden = forbiddenRanges(spans, pageSize);
    std::vector<int> edges;
    edges.reserve(2 * spans.size());
    for (const Span& span : spans) {
        edges.push_back(span.first);
        edges.push_back(span.second);
    }
    std::sort(edges.begin(), edges.end());
    // The last edge from `from` to `to` no element that fits is cut at.
    const auto lastFreeEdge = [&](int from, int to) -> std::optional<int> {
        for (auto edge = std::upper_bound(edges.begin(), edges.end(), to);
             edge != edges.begin() && *std::prev(edge) >= from; --edge)
            if (!isForbidden(forbidden, *std::prev(edge)))
                return *std::prev(edge);
        return std::nullopt;
    };
    std::vector<int> result{start};
    for (int position = start; end - position > pageSize;) {
        const int limit = position + pageSize;
        const int lastThird = position + std::max(1, pageSize * 2 / 3);
        const int secondThird = position + std::max(1, pageSize / 3);
        const int cut = lastFreeEdge(lastThird, limit)
                            .value_or(lastFreeEdge(secondThird, lastThird - 1).value_or(limit));
        result.push_back(cut);
        position = cut;
    }
    result.push_back(end);
    return result;
}

// The label stands in the bottom margin, below the page's picture.
void paintPageLabel(QPainter& painter, const PrintablePage& page, const QRectF& content,
                    const QString& label) {
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPixelSize(std::max(1, static_cast<int>(LabelPoints / 72.0 * page.dotsPerInch)));
    painter.save();
    painter.setClipping(false);
    painter.setFont(font);
    painter.setPen(Qt::black);
    const QFontMetricsF metrics(font, painter.device());
    const double gap = page.dotsPerInch / 25.4 * 2;
    painter.drawText(QPointF(content.left(), content.bottom() + gap + metrics.ascent()), label);
    painter.restore();
}

// Tiled pages need room for their label below the picture.
QRectF tiledArea(const PrintablePage& page) {
    QRectF content = marginedArea(page);
    const double band = page.dotsPerInch / 25.4 * LabelBandMm;
    content.setBottom(std::min(content.bottom(), page.pixels.height() - band));
    return content;
}

QSizeF inUnits(const PrintablePage& page, QSizeF pixels) {
    return pixels * (UnitsPerInch / page.dotsPerInch);
}

} // namespace

QRectF marginedArea(const PrintablePage& page) {
    const double perMm = page.dotsPerInch / 25.4;
    const auto inset = [perMm](double margin) {
        return std::max(0.0, PageMarginMm - margin) * perMm;
    };
    const QMarginsF& paper = page.paperMargins;
    return QRectF(QPointF(0, 0), QSizeF(page.pixels))
        .adjusted(inset(paper.left()), inset(paper.top()), -inset(paper.right()),
                  -inset(paper.bottom()));
}

QString pageLabel(int page, int pages, int row, int column) {
    return QCoreApplication::translate("velbrant", "Seite %1 von %2 – Zeile %3, Spalte %4")
        .arg(page)
        .arg(pages)
        .arg(row)
        .arg(column);
}

int paintSheetPages(QPainter& painter, const PrintablePage& page, const Document& document,
                    QtTextMeasurer& measurer, const DefaultLabels& labels, PageMode mode,
                    const std::function<bool()>& newPage, const Sheet& sheet) {
    const WorksheetDrawings drawings(document, measurer, sheet);
    const int pages =
        paintPages(painter, page, document, measurer, labels, mode, newPage, drawings.exercise());
    if (drawings.solution() == nullptr || pages == 0)
        return pages;
    if (!newPage())
        return 0;
    const int more = paintPages(painter, page, *drawings.solution(), measurer, labels, mode,
                                newPage, drawings.solved());
    return more == 0 ? 0 : pages + more;
}

bool reachesBeyondPage(const Document& document, const PrintablePage& page,
                       const DrawStyle& style) {
    const QRect area = pictureArea(document, style);
    const QSizeF pageUnits = QSizeF(page.pixels) * (UnitsPerInch / page.dotsPerInch);
    return area.left() < 0 || area.top() < 0 || area.right() + 1 > pageUnits.width() ||
           area.bottom() + 1 > pageUnits.height();
}

std::vector<QRect> tiledPageAreas(const Document& document, QSize pageUnits,
                                  const DrawStyle& style) {
    const QRect area = pictureArea(document, style);
    std::vector<Span> across;
    std::vector<Span> down;
    for (const Document::DrawnBox& box : document.drawnElementBoxes()) {
        across.emplace_back(box.topLeft.x, box.bottomRight.x);
        down.emplace_back(box.topLeft.y, box.bottomRight.y);
    }
    const std::vector<int> columns =
        cuts(area.left(), area.left() + area.width(), std::max(1, pageUnits.width()), across);
    const std::vector<int> rows =
        cuts(area.top(), area.top() + area.height(), std::max(1, pageUnits.height()), down);
    std::vector<QRect> pages;
    for (std::size_t row = 0; row + 1 < rows.size(); ++row)
        for (std::size_t column = 0; column + 1 < columns.size(); ++column)
            pages.emplace_back(QPoint(columns[column], rows[row]),
                               QPoint(columns[column + 1] - 1, rows[row + 1] - 1));
    return pages;
}

int paintPages(QPainter& painter, const PrintablePage& page, const Document& document,
               QtTextMeasurer& measurer, const DefaultLabels& labels, PageMode mode,
               const std::function<bool()>& newPage, const DrawStyle& style) {
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF printable(QPointF(0, 0), QSizeF(page.pixels));
    // A picture that fits is printed as the sheet shows it, whatever the mode.
    if (mode == PageMode::AsShown || !reachesBeyondPage(document, page, style)) {
        paintPage(painter, style, page, document, measurer, labels,
                  QRectF(QPointF(0, 0), inUnits(page, printable.size())), 1.0, printable);
        return 1;
    }
    if (mode == PageMode::FitToPage) {
        // Scaled down to the page within its margins, centred at its top.
        const QRectF content = marginedArea(page);
        const QSizeF contentUnits = inUnits(page, content.size());
        const QRect area = pictureArea(document, style);
        const double fit =
            std::min(contentUnits.width() / area.width(), contentUnits.height() / area.height());
        const double left = area.left() - (contentUnits.width() / fit - area.width()) / 2;
        paintPage(painter, style, page, document, measurer, labels,
                  QRectF(QPointF(left, area.top()), contentUnits / fit), fit, content);
        return 1;
    }
    const QRectF content = tiledArea(page);
    const std::vector<QRect> pages =
        tiledPageAreas(document, inUnits(page, content.size()).toSize(), style);
    const auto columns =
        static_cast<int>(std::count_if(pages.begin(), pages.end(), [&pages](const QRect& p) {
            return p.top() == pages[0].top();
        }));
    for (std::size_t i = 0; i < pages.size(); ++i) {
        if (i > 0 && !newPage())
            return 0;
        paintPage(painter, style, page, document, measurer, labels, QRectF(pages[i]), 1.0, content);
        const int index = static_cast<int>(i);
        paintPageLabel(painter, page, content,
                       pageLabel(index + 1, static_cast<int>(pages.size()), index / columns + 1,
                                 index % columns + 1));
    }
    return static_cast<int>(pages.size());
}

QString printJobName(const QString& fileName) {
    return (QStringLiteral("Velbrant : ") + fileName).left(MaxJobNameLength);
}

} // namespace velbrant
