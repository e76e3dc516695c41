#include "model/diagram/sequence.h"
#include "model/elements/block.h"
#include "model/elements/call.h"
#include "render/qt_canvas.h"

#include <QImage>
#include <QPainter>
#include <gtest/gtest.h>

namespace velbrant {
namespace {

// Statements and calls drawn as the editor shows them at 100 % on a 96 dpi
// screen (a pixel is 2.65 units), at an odd offset so that edges fall on
// different fractions of a pixel.
class CrispLines : public ::testing::Test {
protected:
    static constexpr double PixelsPerUnit = 96 / 254.0;
    QtTextMeasurer measurer;
    LayoutContext layout{measurer, {"Arial", 10, 0}, lineHeightOf(measurer, {"Arial", 10, 0})};
    Sequence sequence{37, 41, 0, 0};
    QImage image{400, 420, QImage::Format_RGB32};

    void SetUp() override {
        for (int i = 0; i < 7; ++i) {
            std::unique_ptr<Element> element;
            if (i % 2 == 0)
                element = std::make_unique<Block>(layout);
            else
                element = std::make_unique<Call>(layout);
            element->setLines(std::vector<std::string>(static_cast<std::size_t>(i % 3 + 1), "x"));
            sequence.append(std::move(element));
        }
        sequence.relayout(layout);
        image.fill(Qt::white);
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.translate(0.3, 0.45);
        painter.scale(PixelsPerUnit, PixelsPerUnit);
        QtCanvas canvas(painter, measurer);
        sequence.draw(canvas, DrawContext{1.0, {sequence.left(), sequence.top()}});
    }

    int device(int units) const { return static_cast<int>(units * PixelsPerUnit); }
    int gray(int x, int y) const { return qGray(image.pixel(x, y)); }

    // Black pixels in a run of 9 across a stroke near `at`; fails on grey.
    int strokeWidth(int at, int fixed, bool vertical) const {
        int black = 0;
        for (int d = -4; d <= 4; ++d) {
            const int value = vertical ? gray(at + d, fixed) : gray(fixed, at + d);
            EXPECT_TRUE(value == 0 || value == 255) << "grey " << value << " at " << at + d;
            black += value == 0;
        }
        return black;
    }
};

TEST_F(CrispLines, EveryEdgeOfAWidthIsTheSameWholeNumberOfBlackPixels) {
    const int border = 2;    // 0.4 mm = 1.5 px, rounded
    const int innerLine = 1; // 0.2 mm = 0.76 px, at least one
    for (std::size_t i = 0; i < sequence.size(); ++i) {
        const Element& element = sequence.at(i);
        const int middleY = device(element.top() + element.height() / 2);
        const int middleX = device(element.left() + element.width() / 2);
        EXPECT_EQ(strokeWidth(device(element.left()), middleY, true), border) << i;
        EXPECT_EQ(strokeWidth(device(element.left() + element.width()), middleY, true), border)
            << i;
        EXPECT_EQ(strokeWidth(device(element.top()), middleX, false), border) << i;
        if (element.kind() == ElementKind::Call) {
            const int inset = device(element.left() + Call::LineInset);
            EXPECT_EQ(strokeWidth(inset, middleY, true), innerLine) << i;
        }
    }
}

} // namespace
} // namespace velbrant
