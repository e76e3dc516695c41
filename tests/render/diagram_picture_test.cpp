#include "diagram_builder.h"
#include "layout_check.h"
#include "model/elements/case.h"
#include "model/elements/conditional.h"
#include "qstring_printer.h"
#include "render/qt_canvas.h"

#include <QImage>
#include <QPainter>
#include <gtest/gtest.h>

namespace velbrant {
namespace {

// Every kind nested in every other, drawn with real fonts at one pixel a
// model unit.
class DiagramPicture : public ::testing::Test {
protected:
    QtTextMeasurer measurer;
    LayoutContext layout{measurer, {"Arial", 10, 0}, lineHeightOf(measurer, {"Arial", 10, 0})};
    std::unique_ptr<Sequence> tree = test::build(test::buildEveryKindNested, layout);
    QImage image{tree->width() + 200, tree->height() + 200, QImage::Format_RGB32};

    void SetUp() override {
        image.fill(Qt::white);
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        QtCanvas canvas(painter, measurer);
        tree->draw(canvas, DrawContext{1.0, {tree->left(), tree->top()}});
    }
    bool isDark(Point point) const { return qGray(image.pixel(point.x, point.y)) < 128; }
    bool hasInk(int left, int top, int right, int bottom) const {
        for (int y = top; y < bottom; ++y)
            for (int x = left; x < right; ++x)
                if (isDark({x, y}))
                    return true;
        return false;
    }
};

TEST_F(DiagramPicture, LaysOutAndDrawsAProperStructogram) {
    image.save(QStringLiteral(VELBRANT_TEST_OUTPUT_DIR "/every-kind.png"));
    EXPECT_EQ(test::checkLayout(*tree), "");

    const auto& cond = dynamic_cast<const Conditional&>(tree->at(1));
    // The diagonals meet at the split point on the head's bottom line.
    const int headBottom = cond.top() + cond.headHeight();
    EXPECT_TRUE(isDark({cond.splitX(), headBottom - 1}));
    const int midX = (cond.left() + cond.splitX()) / 2;
    EXPECT_TRUE(hasInk(midX - 2, (cond.top() + headBottom) / 2 - 3, midX + 3,
                       (cond.top() + headBottom) / 2 + 4));
    // "Wahr" at the head's left, "Falsch" at its right.
    EXPECT_TRUE(hasInk(cond.left() + 20, cond.top() + cond.headHeight() / 2, cond.left() + 60,
                       headBottom - 2));
    EXPECT_TRUE(hasInk(cond.left() + cond.width() - 60, cond.top() + cond.headHeight() / 2,
                       cond.left() + cond.width() - 20, headBottom - 2));

    const auto& switchCase = dynamic_cast<const Case&>(tree->at(5));
    const int labelRowTop = switchCase.top() + switchCase.headHeight() - layout.defaultLineHeight;
    for (std::size_t i = 0; i + 1 < switchCase.sequenceCount(); ++i) {
        const int x = switchCase.branch(i).left() + Case::LabelInset;
        EXPECT_TRUE(hasInk(x, labelRowTop, x + 40, labelRowTop + layout.defaultLineHeight))
            << "label " << i;
    }
}

} // namespace
} // namespace velbrant
