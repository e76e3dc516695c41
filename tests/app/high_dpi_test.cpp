// The diagram on screens with a device pixel ratio other than 1. ctest
// runs these tests again with QT_SCALE_FACTOR 1.25, 1.5 and 2 (and with
// none, as all others); each checks what it sees against the layout.

#include "app_fixture.h"
#include "model/diagram/compound_element.h"
#include "model/diagram/sequence.h"

#include <QImage>
#include <QPixmap>

namespace velbrant::test {
namespace {

class HighDpiTest : public AppTest {
protected:
    DocumentView* view = nullptr;
    QImage shot;
    qreal ratio = 1;

    void SetUp() override {
        AppTest::SetUp();
        view = &newView();
        // The offscreen screen is 800 x 600 device pixels: at a scale of 2
        // the diagram must fit into a quarter of that.
        view->setZoom(view->pixelSizeX() / 4);
        appendBuilt(view->editor(), [](Sequence& run, const LayoutContext& context) {
            appendNew(run, ElementKind::Block, context, {"Anweisung oben"});
            Element& loop = appendNew(run, ElementKind::WhileLoop, context, {"solange i < 10"});
            appendNew(dynamic_cast<CompoundElement&>(loop).sequenceAt(0), ElementKind::Block,
                      context, {"i := i + 1"});
            appendNew(run, ElementKind::Block, context, {"Anweisung unten"});
        });
    }
    // The whole frame as the screen shows it, in device pixels, so that
    // the document window's offset in the frame is part of what is seen.
    void takeShot() {
        view->viewport()->repaint();
        const QPixmap pixmap = frame.grab();
        ratio = pixmap.devicePixelRatio();
        shot = pixmap.toImage().convertToFormat(QImage::Format_RGB32);
    }
    // A model point as a device pixel of the shot.
    QPoint devicePixel(Point point) const {
        const QPointF logical = view->viewport()->mapTo(&frame, view->toPixel(point));
        return (logical * ratio).toPoint();
    }
    bool darkNear(QPoint pixel) const {
        for (int dy = -1; dy <= 1; ++dy) {
            for (int dx = -1; dx <= 1; ++dx) {
                const QPoint near = pixel + QPoint(dx, dy);
                if (shot.rect().contains(near) && qGray(shot.pixel(near)) < 96)
                    return true;
            }
        }
        return false;
    }
    int darkPixelsIn(QRect area) const {
        area = area.intersected(shot.rect());
        int count = 0;
        for (int y = area.top(); y <= area.bottom(); ++y) {
            for (int x = area.left(); x <= area.right(); ++x)
                count += qGray(shot.pixel(x, y)) < 96 ? 1 : 0;
        }
        return count;
    }
};

// Lines lie where the layout puts them and every text inside its box, at
// any device pixel ratio (lines drawn crisp on whole pixels were once
// scaled twice and moved away from their texts).
TEST_F(HighDpiTest, LinesAndTextsStandWhereTheLayoutPutsThem) {
    takeShot();
    const Sequence& top = topOf(*view);
    const Sequence& body = dynamic_cast<const CompoundElement&>(top.at(1)).sequenceAt(0);
    const Element& inner = body.at(body.size() - 1);
    for (const Element* element : {&top.at(0), &top.at(1), &inner, &top.at(2)}) {
        const QPoint topLeft = devicePixel({element->left(), element->top()});
        const QPoint bottomRight =
            devicePixel({element->left() + element->width(), element->bottom()});
        const int middleX = (topLeft.x() + bottomRight.x()) / 2;
        const int middleY = (topLeft.y() + bottomRight.y()) / 2;
        EXPECT_TRUE(darkNear({middleX, topLeft.y()})) << "top line of " << element->lines()[0];
        EXPECT_TRUE(darkNear({topLeft.x(), middleY})) << "left line of " << element->lines()[0];
        EXPECT_TRUE(darkNear({bottomRight.x(), middleY}))
            << "right line of " << element->lines()[0];
        // The text: inked between the lines (a loop's above its body).
        const int textBottom = element == &top.at(1) ? inner.top() : element->bottom();
        const QRect textBand(
            devicePixel({element->left() + 10, element->top() + 5}),
            devicePixel({element->left() + element->width() - 10, textBottom - 5}));
        EXPECT_GT(darkPixelsIn(textBand), 20) << "text of " << element->lines()[0];
    }
}

TEST_F(HighDpiTest, AClickSelectsTheElementUnderThePointer) {
    const Sequence& top = topOf(*view);
    for (const std::size_t index : {std::size_t{2}, std::size_t{0}}) {
        const Element& element = top.at(index);
        click(*view, {element.left() + element.width() / 3, element.top() + element.height() / 2});
        EXPECT_TRUE(element.isSelected()) << element.lines()[0];
        EXPECT_FALSE(top.at(2 - index).isSelected());
    }
}

} // namespace
} // namespace velbrant::test
