#include "diagram_builder.h"
#include "model/diagram/document.h"
#include "qstring_printer.h"
#include "render/document_export.h"
#include "render/document_renderer.h"
#include "render/qt_text_measurer.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QRegularExpression>
#include <QSizeF>
#include <QSvgRenderer>
#include <QTemporaryDir>
#include <functional>
#include <gtest/gtest.h>
#include <memory>

namespace velbrant {
namespace {

// The pages' sizes in points, from their media boxes.
std::vector<QSizeF> pageSizes(const QString& path) {
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly));
    const QString text = QString::fromLatin1(file.readAll());
    std::vector<QSizeF> sizes;
    const QRegularExpression box(QStringLiteral("/MediaBox \\[0 0 ([0-9.]+) ([0-9.]+)\\]"));
    for (auto match = box.globalMatch(text); match.hasNext();) {
        const auto found = match.next();
        sizes.emplace_back(found.captured(1).toDouble(), found.captured(2).toDouble());
    }
    return sizes;
}

// A laid-out document of `elements` elements of every kind, nested `depth`
// deep.
std::unique_ptr<Document> mixedDocument(QtTextMeasurer& measurer, int elements, int depth) {
    auto document = std::make_unique<Document>(measurer);
    test::buildMixedTree(document->topSequence(),
                         document->layoutContext(measurer, DefaultLabels{}), elements, depth);
    document->layout(measurer, PaperSize{});
    return document;
}

TEST(PdfPages, NoPageIsLargerThanPdfAllowsAndTheirCountCoversTheFrame) {
    QtTextMeasurer measurer;
    QTemporaryDir dir;
    for (const int elements : {20, 2000}) {
        const auto owned = mixedDocument(measurer, elements, 4);
        const Document& document = *owned;
        const QString path = dir.filePath(QStringLiteral("d%1.pdf").arg(elements));
        exportDocument(document, measurer, path, ExportOptions{});
        const auto sizes = pageSizes(path);
        const double heightPt = document.frameLayout().frameHeight / 254.0 * 72;
        const auto expected = static_cast<std::size_t>(std::ceil(heightPt / 14400.0 - 1e-6)) *
                              static_cast<std::size_t>(std::ceil(
                                  document.frameLayout().frameWidth / 254.0 * 72 / 14400.0 - 1e-6));
        EXPECT_EQ(sizes.size(), expected) << elements;
        if (elements == 2000) {
            EXPECT_GT(sizes.size(), 1u); // over 14,400 pt tall
        }
        for (const QSizeF& size : sizes) {
            EXPECT_LE(size.width(), 14400.5) << elements;
            EXPECT_LE(size.height(), 14400.5) << elements;
        }
    }
}

// A tall diagram's SVG is written strip by strip: still one valid picture
// of the whole frame.
TEST(SvgStrips, ATallDiagramIsOneValidPictureOfTheWholeFrame) {
    QtTextMeasurer measurer;
    QTemporaryDir dir;
    const auto owned = mixedDocument(measurer, 2000, 4);
    const Document& document = *owned;
    const QString path = dir.filePath(QStringLiteral("tall.svg"));
    exportDocument(document, measurer, path, ExportOptions{});
    QSvgRenderer svg(path);
    ASSERT_TRUE(svg.isValid());
    EXPECT_EQ(svg.viewBox(), pictureArea(document));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray text = file.readAll();
    EXPECT_EQ(text.count("<svg"), 1);
    EXPECT_GT(text.count("<g fill=\"none\" stroke=\"black\""), 1); // several strips

    // The strips together draw what one pass draws: no box filled in a later
    // strip covers what an earlier one drew inside it.
    const QRect area = pictureArea(document);
    const auto picture = [&area](const std::function<void(QPainter&)>& paint) {
        QImage image(area.width() / 20, area.height() / 20, QImage::Format_Grayscale8);
        image.fill(Qt::white);
        QPainter painter(&image);
        paint(painter);
        return image;
    };
    const QImage fromSvg = picture([&svg](QPainter& painter) { svg.render(&painter); });
    const QImage direct = picture([&](QPainter& painter) {
        painter.scale(0.05, 0.05);
        painter.translate(-area.topLeft());
        renderDocument(painter, document, measurer, DefaultLabels{}, area);
    });
    // Lines are drawn at different weights; compare where there is ink.
    const auto inkIn = [](const QImage& image, int cellX, int cellY) {
        for (int y = cellY * 8; y < std::min(image.height(), cellY * 8 + 8); ++y)
            for (int x = cellX * 8; x < std::min(image.width(), cellX * 8 + 8); ++x)
                if (qGray(image.pixel(x, y)) < 250)
                    return true;
        return false;
    };
    qint64 differing = 0;
    const int cellsX = direct.width() / 8;
    const int cellsY = direct.height() / 8;
    for (int y = 0; y < cellsY; ++y)
        for (int x = 0; x < cellsX; ++x)
            differing += inkIn(fromSvg, x, y) != inkIn(direct, x, y);
    EXPECT_LT(differing, qint64{cellsX} * cellsY / 100);
}

TEST(PngExport, ACancelledExportLeavesNothingBehind) {
    QtTextMeasurer measurer;
    QTemporaryDir dir;
    const auto owned = mixedDocument(measurer, 200, 3);
    const Document& document = *owned;
    const QString path = dir.filePath(QStringLiteral("cancelled.png"));
    ExportOptions options;
    options.dotsPerInch = 300;
    options.progress = [](qint64 done, qint64) { return done == 0; };
    EXPECT_THROW(exportDocument(document, measurer, path, options), ExportCancelled);
    EXPECT_FALSE(QFile::exists(path));
    EXPECT_TRUE(QDir(dir.path()).entryList(QDir::Files).isEmpty());
}

} // namespace
} // namespace velbrant
