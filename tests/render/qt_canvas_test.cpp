#include "model/diagram/sequence.h"
#include "model/elements/block.h"
#include "model/layout/text_line.h"
#include "qstring_printer.h"
#include "render/qt_canvas.h"
#include "render/text_codec.h"

#include <QImage>
#include <QPainter>
#include <gtest/gtest.h>

namespace velbrant {
namespace {

TEST(QtTextMeasurer, ArialResolvesToMetricTwinsAndMeasuresInModelUnits) {
    QtTextMeasurer measurer;
    // Liberation Sans: ascent 0.905 + descent 0.212 of the 35-unit em.
    EXPECT_EQ(lineHeightOf(measurer, {"Arial", 10, 0}), 39);
    // Advance of "a": 1139/2048 em.
    EXPECT_EQ(measurer.textWidth("aaaa"), rnd(4 * 35 * 1139.0 / 2048));
    EXPECT_EQ(measurer.textWidth(""), 0);
}

TEST(QtTextMeasurer, SizesBeyondTheFontEnginesReachMeasureAtTheLimit) {
    QtTextMeasurer measurer;
    const int atLimit = lineHeightOf(measurer, {"Arial", MaxFontPoints, 0});
    EXPECT_GT(atLimit, MaxFontPoints * 254 / 72);
    for (const int size : {10'000, 32'767})
        EXPECT_EQ(lineHeightOf(measurer, {"Arial", static_cast<std::int16_t>(size), 0}), atLimit);
    EXPECT_GT(lineHeightOf(measurer, {"Arial", -5, 0}), 0);
}

// A sequence of three statements drawn at one pixel a model unit: an empty
// one, a selected one with two lines, one with a tab and an arrow.
class QtCanvasPicture : public ::testing::Test {
protected:
    QtTextMeasurer measurer;
    LayoutContext layout{measurer, {"Arial", 10, 0}, 0};
    Sequence sequence{20, 20, 0, 0};
    QImage image{800, 400, QImage::Format_RGB32};

    void SetUp() override {
        layout.defaultLineHeight = lineHeightOf(measurer, layout.defaultFont);
        add({});
        add({"Eingabe: n", "summe := 0"});
        add({"i\t:= i + 1", "x <- y"});
        SelectionState state;
        sequence.selectAt({100, sequence.at(1).top() + 5}, state);
    }

    void add(std::vector<std::string> lines) {
        auto block = std::make_unique<Block>(layout);
        block->setLines(std::move(lines));
        sequence.append(std::move(block));
        sequence.relayout(layout);
    }

    void render(bool replaceArrow) {
        image.fill(Qt::white);
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        QtCanvas canvas(painter, measurer);
        DrawContext context{1.0, {20, 20}};
        context.labels.replaceArrow = replaceArrow;
        context.showsSelection = true;
        sequence.draw(canvas, context);
    }

    bool isDark(int x, int y) const { return qGray(image.pixel(x, y)) < 100; }
    int darkPixels(int left, int top, int right, int bottom) const {
        int count = 0;
        for (int y = top; y < bottom; ++y)
            for (int x = left; x < right; ++x)
                count += isDark(x, y);
        return count;
    }
};

TEST_F(QtCanvasPicture, DrawsOutlinesFillsAndTheEmptySetSign) {
    render(true);
    image.save(QStringLiteral(VELBRANT_TEST_OUTPUT_DIR "/statements.png"));
    const Element& empty = sequence.at(0);
    const Element& selected = sequence.at(1);

    EXPECT_TRUE(isDark(empty.left(), empty.top() + empty.height() / 2));
    EXPECT_TRUE(isDark(empty.left() + 150, empty.top()));
    EXPECT_EQ(image.pixel(selected.left() + selected.width() - 20, selected.top() + 10),
              qRgb(255, 255, 0));
    EXPECT_EQ(image.pixel(empty.left() + 5, empty.top() + 5), qRgb(255, 255, 255));
    // The ellipse's top, inset by a tenth of the height, at the middle.
    const int insetY = empty.height() / 10;
    EXPECT_GT(darkPixels(empty.left() + empty.width() / 2 - 2, empty.top() + insetY - 2,
                         empty.left() + empty.width() / 2 + 3, empty.top() + insetY + 3),
              0);
}

TEST_F(QtCanvasPicture, TextStandsInsideItsMeasuredBox) {
    render(true);
    const Element& selected = sequence.at(1);
    measurer.setFont(selected.font(), 1.0);
    const int textLeft = selected.left() + TextMarginX;
    const int textRight = textLeft + measurer.textWidth("summe := 0");
    const int firstLineTop = selected.top() + TextMarginY;
    const int textBottom = firstLineTop + 2 * selected.lineHeight() + LineGap;

    EXPECT_GT(darkPixels(textLeft, firstLineTop, textRight, textBottom), 200);
    // Nothing left of the margin or right of the measured width, but the outline.
    EXPECT_EQ(darkPixels(selected.left() + 4, firstLineTop, textLeft - 2, textBottom), 0);
    EXPECT_EQ(
        darkPixels(textRight + 3, firstLineTop, selected.left() + selected.width() - 4, textBottom),
        0);
}

TEST_F(QtCanvasPicture, TabAndArrowPlaceThePiecesApart) {
    render(true);
    const Element& tabbed = sequence.at(2);
    const int lineTop = tabbed.top() + TextMarginY;
    const int tabStop = tabbed.left() + TextMarginX + TabWidth;
    // "i" at the start, nothing up to the tab stop, ":= i + 1" after it.
    EXPECT_EQ(darkPixels(tabStop - 100, lineTop, tabStop - 2, lineTop + tabbed.lineHeight()), 0);
    EXPECT_GT(darkPixels(tabStop, lineTop, tabStop + 60, lineTop + tabbed.lineHeight()), 50);

    const QImage withArrow = image.copy();
    render(false);
    EXPECT_NE(image, withArrow);
}

// Whatever fonts the machine has, Symbol bytes and the arrow sign are drawn
// with a font that has them: ink where they are measured.
TEST_F(QtCanvasPicture, SymbolTextAndTheArrowSignLeaveInkWhereTheyAreMeasured) {
    const ElementFont symbol{"Symbol", 10, 0};
    auto greek = std::make_unique<Block>(layout);
    greek->setFont(symbol, measurer);
    const std::string letters = encodeText(QString::fromUtf8("αβπ≥"), true);
    greek->setLines({letters});
    sequence.append(std::move(greek));
    sequence.relayout(layout);
    render(true);

    const Element& greekBlock = sequence.at(3);
    const int greekLeft = greekBlock.left() + TextMarginX;
    const int greekTop = greekBlock.top() + TextMarginY;
    measurer.setFont(symbol, 1.0);
    for (std::size_t i = 0; i < letters.size(); ++i) {
        const int left = greekLeft + measurer.textWidth(letters.substr(0, i));
        const int right = greekLeft + measurer.textWidth(letters.substr(0, i + 1));
        EXPECT_GT(darkPixels(left, greekTop, right, greekTop + greekBlock.lineHeight()), 10) << i;
    }

    const Element& arrowBlock = sequence.at(2);
    measurer.setFont(layout.defaultFont, 1.0);
    const int arrowLeft = arrowBlock.left() + TextMarginX + measurer.textWidth("x ");
    measurer.setFont(symbol, 1.0);
    const int arrowRight = arrowLeft + measurer.textWidth(std::string(1, SymbolLeftArrow));
    const int arrowTop = arrowBlock.top() + TextMarginY + arrowBlock.lineHeight() + LineGap;
    EXPECT_GT(darkPixels(arrowLeft, arrowTop, arrowRight, arrowTop + arrowBlock.lineHeight()), 10);
}

} // namespace
} // namespace velbrant
