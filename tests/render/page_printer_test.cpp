#include "diagram_builder.h"
#include "model/document.h"
#include "qstring_printer.h"
#include "render/page_printer.h"
#include "render/qt_text_measurer.h"

#include <QImage>
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
    int print(PageMode mode) {
        image.fill(Qt::white);
        QPainter painter(&image);
        return paintPages(painter, {image.size(), Dpi}, document, measurer, DefaultLabels{}, mode,
                          [this] {
                              image.fill(Qt::white);
                              return true;
                          });
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
    build(3, 1.0);
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
    EXPECT_EQ(qGray(image.pixel(right + 3, row)), 255);
}

TEST_F(PagePrinter, ALargeDiagramFitsOnePageOrIsTiledOverSeveral) {
    build(600, 1.0);
    ASSERT_GT(document.frameLayout().frameHeight, 2970);
    EXPECT_EQ(print(PageMode::FitToPage), 1);
    const int pages = print(PageMode::Tiled);
    const int across = static_cast<int>(std::ceil((document.frameLayout().frameWidth + 4 - 50) /
                                                  (image.width() * 254.0 / Dpi - 50)));
    const int down = static_cast<int>(std::ceil((document.frameLayout().frameHeight + 4 - 50) /
                                                (image.height() * 254.0 / Dpi - 50)));
    EXPECT_EQ(pages, across * down);
    EXPECT_GT(pages, 1);
    EXPECT_EQ(printJobName(QStringLiteral("ein-recht-langer-name.STR")).size(), 31);
    EXPECT_EQ(printJobName(QStringLiteral("kurz.STR")), "Velbrant : kurz.STR");
}

} // namespace
} // namespace velbrant
