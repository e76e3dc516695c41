#include "diagram_builder.h"
#include "model/diagram/document.h"
#include "model/structorizer/nsd_attributes.h"
#include "qstring_printer.h"
#include "render/document_renderer.h"
#include "render/page_printer.h"
#include "render/qt_text_measurer.h"

#include <QImage>
#include <functional>
#include <gtest/gtest.h>

namespace velbrant {
namespace {

// An A4 page at 100 dpi, all of it printable.
class PagePrinter : public ::testing::Test {
protected:
    static constexpr double Dpi = 100;
    QtTextMeasurer measurer;
    Document document{measurer};
    QImage image{827, 1169, QImage::Format_RGB32};

    void build(int elements, double scale) {
        test::buildMixedTree(document.topSequence(),
                             document.layoutContext(measurer, DefaultLabels{}), elements, 3);
        DiagramFormat format = document.format();
        format.scale = scale;
        document.setFormat(format);
        document.layout(measurer, PaperSize{});
    }
    // `pageDone` sees each page before the next one begins.
    int print(
        PageMode mode, const std::function<void()>& pageDone = [] {}) {
        image.fill(Qt::white);
        QPainter painter(&image);
        const int pages = paintPages(painter, {image.size(), Dpi, {}}, document, measurer,
                                     DefaultLabels{}, mode, [this, &pageDone] {
                                         pageDone();
                                         image.fill(Qt::white);
                                         return true;
                                     });
        painter.end();
        pageDone();
        return pages;
    }
    int darkPixelsIn(QRect area) const {
        int count = 0;
        for (int y = area.top(); y <= area.bottom(); ++y)
            for (int x = area.left(); x <= area.right(); ++x)
                count += qGray(image.pixel(x, y)) < 128 ? 1 : 0;
        return count;
    }
    static int pixel(int units) { return static_cast<int>(units * Dpi / 254.0); }
    // The first dark pixel from the left on a row.
    int firstDarkX(int y) const {
        for (int x = 0; x < image.width(); ++x)
            if (qGray(image.pixel(x, y)) < 128)
                return x;
        return -1;
    }
};

TEST_F(PagePrinter, TheFrameStandsWhereTheFormatSaysAndGrowsWithTheScale) {
    build(1, 1.0);
    EXPECT_EQ(print(PageMode::AsShown), 1);
    const int middle = pixel(document.format().frameTop + document.frameLayout().frameHeight / 2);
    EXPECT_NEAR(firstDarkX(middle), pixel(document.format().frameLeft), 1);
    const int widthAtOne = document.frameLayout().frameWidth;

    build(0, 1.5);
    print(PageMode::AsShown);
    EXPECT_NEAR(document.frameLayout().frameWidth, widthAtOne * 1.5, 2);
    const int right = pixel(document.format().frameLeft + document.frameLayout().frameWidth);
    const int row = pixel(document.format().frameTop + document.frameLayout().frameHeight / 2);
    EXPECT_LT(qGray(image.pixel(right, row)), 128);
    EXPECT_EQ(qGray(image.pixel(right + 3, row)), 255) << right << " " << image.width();
}

// Fitted and tiled pages keep 10 mm from the paper's edge, where printers
// cannot print; only a tiled page's label stands in its bottom margin.
TEST_F(PagePrinter, FittedAndTiledPagesKeepTheirMarginsAndTiledOnesAreLabelled) {
    build(600, 1.0);
    ASSERT_GT(document.frameLayout().frameHeight, 2970);
    const int margin = pixel(100) - 1;
    const QRect page = image.rect();
    const QRect left(0, 0, margin, page.height());
    const QRect right(page.width() - margin, 0, margin, page.height());
    const QRect top(0, 0, page.width(), margin);
    const QRect bottom(0, page.height() - margin, page.width(), margin);
    std::vector<int> inked;
    std::vector<int> labels;
    const auto check = [&] {
        EXPECT_EQ(darkPixelsIn(left) + darkPixelsIn(right) + darkPixelsIn(top), 0);
        inked.push_back(darkPixelsIn(page));
        labels.push_back(darkPixelsIn(bottom));
    };
    EXPECT_EQ(print(PageMode::FitToPage, check), 1);
    EXPECT_GT(inked.at(0), 1000);
    EXPECT_EQ(labels.at(0), 0);

    inked.clear();
    labels.clear();
    const int pages = print(PageMode::Tiled, check);
    EXPECT_GT(pages, 2);
    ASSERT_EQ(static_cast<int>(inked.size()), pages);
    for (int i = 0; i < pages; ++i) {
        EXPECT_GT(inked[i], 1000) << i;
        EXPECT_GT(labels[i], 50) << i;
    }
    EXPECT_EQ(pageLabel(5, 12, 2, 1), "Seite 5 von 12 – Zeile 2, Spalte 1");
    EXPECT_EQ(printJobName(QStringLiteral("ein-recht-langer-name.STR")).size(), 31);
    EXPECT_EQ(printJobName(QStringLiteral("kurz.STR")), "Velbrant : kurz.STR");
}

// Comments print as notes beside the frame only when asked; a fitted page
// makes room for them, and a worksheet's solution page has them and the
// colours too, though its copy goes through a file that holds neither.
TEST_F(PagePrinter, CommentNotesPrintWhenAskedAndTheSolutionKeepsNotesAndColours) {
    build(1, 1.0);
    Element& first = document.topSequence().at(0);
    first.setNsd(
        withComment(withColor(nullptr, Color{255, 128, 128}).get(), {"Hier wird gezählt ≤ 10"}));
    document.layout(measurer, PaperSize{});
    const auto pixelsOf = [this](QRgb colour, QRect area) {
        int count = 0;
        for (int y = area.top(); y <= area.bottom(); ++y)
            for (int x = area.left(); x <= area.right(); ++x)
                count += image.pixel(x, y) == colour ? 1 : 0;
        return count;
    };
    const QRgb note = qRgb(255, 248, 196);
    const QRgb red = qRgb(255, 128, 128);
    const int frameRight = pixel(document.format().frameLeft + document.frameLayout().frameWidth);
    const QRect besideFrame(frameRight + 1, 0, image.width() - frameRight - 1, image.height());
    const auto printWith = [&](PageMode mode, const DrawStyle& style) {
        image.fill(Qt::white);
        QPainter painter(&image);
        paintPages(
            painter, {image.size(), Dpi, {}}, document, measurer, DefaultLabels{}, mode,
            [] { return true; }, style);
    };
    printWith(PageMode::AsShown, {});
    EXPECT_EQ(pixelsOf(note, image.rect()), 0);
    printWith(PageMode::AsShown, {.commentNotes = true});
    EXPECT_GT(pixelsOf(note, besideFrame), 500);
    EXPECT_GT(darkPixelsIn(besideFrame), 50) << "the note's text";

    // A frame as wide as the page: fitted, the note is on the page too.
    DiagramFormat wide = document.format();
    wide.scale = 4.0;
    document.setFormat(wide);
    document.layout(measurer, PaperSize{});
    ASSERT_TRUE(reachesBeyondPage(document, {image.size(), Dpi, {}}, {.commentNotes = true}));
    printWith(PageMode::FitToPage, {.commentNotes = true});
    EXPECT_GT(pixelsOf(note, image.rect()), 100);
    const int margin = pixel(100) - 1;
    EXPECT_EQ(darkPixelsIn(QRect(image.width() - margin, 0, margin, image.height())), 0);

    wide.scale = 1.0;
    document.setFormat(wide);
    document.layout(measurer, PaperSize{});
    std::vector<std::pair<int, int>> pages;
    image.fill(Qt::white);
    QPainter painter(&image);
    const auto pageDone = [&] {
        pages.emplace_back(pixelsOf(note, image.rect()), pixelsOf(red, image.rect()));
        image.fill(Qt::white);
        return true;
    };
    const int printed =
        paintSheetPages(painter, {image.size(), Dpi, {}}, document, measurer, DefaultLabels{},
                        PageMode::AsShown, pageDone, {Blanks::Everything, true, false, true});
    painter.end();
    pageDone();
    ASSERT_EQ(printed, 2);
    for (const auto& [notes, colour] : pages) {
        EXPECT_GT(notes, 500);
        EXPECT_GT(colour, 500);
    }
}

// Worksheets want whole boxes: pages end between elements, together they
// show the picture once, and no statement is cut.
TEST_F(PagePrinter, TiledPagesAreCutBetweenElementsAndShowThePictureOnce) {
    build(600, 1.0);
    const QSize a4(2100, 2970);
    const std::vector<QRect> pages = tiledPageAreas(document, a4);
    ASSERT_GT(pages.size(), 3u);
    const QRect area = pictureArea(document);
    long long covered = 0;
    for (std::size_t i = 0; i < pages.size(); ++i) {
        EXPECT_LE(pages[i].width(), a4.width());
        EXPECT_LE(pages[i].height(), a4.height());
        EXPECT_TRUE(area.contains(pages[i])) << i;
        covered += static_cast<long long>(pages[i].width()) * pages[i].height();
        for (std::size_t j = 0; j < i; ++j)
            EXPECT_FALSE(pages[i].intersects(pages[j])) << i << " " << j;
    }
    EXPECT_EQ(covered, static_cast<long long>(area.width()) * area.height());
    for (const QRect& page : pages) {
        for (const Document::DrawnBox& box : document.drawnElementBoxes()) {
            if (box.kind != ElementKind::Block)
                continue; // a compound element may be taller than a page
            EXPECT_FALSE(box.topLeft.y < page.top() && page.top() < box.bottomRight.y)
                << "page at " << page.top() << " cuts the box " << box.topLeft.y;
        }
    }
}

} // namespace
} // namespace velbrant
