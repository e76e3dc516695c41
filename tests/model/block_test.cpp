#include "model/text_line.h"
#include "model_fixture.h"

namespace velbrant::test {
namespace {

using Op = RecordingCanvas::OpType;

class BlockDrawTest : public ModelTest {
protected:
    DrawContext drawContext;

    void draw(const Element& element) {
        canvas.clear();
        element.draw(canvas, drawContext);
    }
    RecordingCanvas::Op only(Op type) {
        const auto ops = canvas.opsOfType(type);
        EXPECT_EQ(ops.size(), 1u);
        return ops.empty() ? RecordingCanvas::Op{type, {}, {}, 0, {}} : ops.front();
    }
};

TEST_F(BlockDrawTest, TheEmptyStatementIsAnEllipseWithARisingDiagonal) {
    const auto block = placedBlock(100, 200, 305, 87);
    draw(*block);
    const auto box = only(Op::Rectangle);
    EXPECT_EQ(box.points, (std::vector<Point>{{100, 200}, {405, 287}}));
    // Insets are width div 8 = 38 and height div 10 = 8.
    EXPECT_EQ(only(Op::Ellipse).points, (std::vector<Point>{{138, 208}, {367, 279}}));
    EXPECT_EQ(only(Op::Line).points, (std::vector<Point>{{138, 279}, {367, 208}}));
    EXPECT_TRUE(canvas.opsOfType(Op::Text).empty());
}

TEST_F(BlockDrawTest, BoxUsesBorderPenThenInnerPenAndYellowWhenSelected) {
    auto block = placedBlock(0, 0, 200, 80);
    draw(*block);
    const auto pens = canvas.opsOfType(Op::Pen);
    ASSERT_EQ(pens.size(), 2u);
    EXPECT_EQ(pens[0].value, 4);
    EXPECT_EQ(pens[1].value, 2);
    EXPECT_EQ(only(Op::Brush).color, White);

    block->setSelected(true);
    draw(*block);
    EXPECT_EQ(only(Op::Brush).color, Yellow);
}

TEST_F(BlockDrawTest, TextFollowsHorizontalAndVerticalAlignment) {
    auto block = placedBlock(100, 200, 400, 200, {"abcd", "ef"});
    // minHeight = 2 * 39 + 40 + 10 = 128; centred offset = 36 + 20.
    draw(*block);
    auto texts = canvas.opsOfType(Op::Text);
    ASSERT_EQ(texts.size(), 2u);
    EXPECT_EQ(texts[0].points[0], (Point{150, 256}));
    EXPECT_EQ(texts[1].points[0], (Point{150, 256 + LineHeight + LineGap}));

    block->setSelected(true);
    block->applyFormat({Alignment::Center, Alignment::End, 0, 0, {}}, context);
    draw(*block);
    texts = canvas.opsOfType(Op::Text);
    EXPECT_EQ(texts[0].points[0], (Point{300 - 20, 200 + 72 + 20}));
    EXPECT_EQ(texts[1].points[0].x, 300 - 10);

    block->applyFormat({Alignment::End, Alignment::Start, 0, 0, {}}, context);
    draw(*block);
    texts = canvas.opsOfType(Op::Text);
    EXPECT_EQ(texts[0].points[0], (Point{450 - 40, 220}));
    EXPECT_EQ(texts[1].points[0].x, 450 - 20);
}

TEST_F(BlockDrawTest, ScaleMapsAboutTheOriginAndScalesPensAndFont) {
    const auto block = placedBlock(150, 250, 200, 60, {"ab"});
    drawContext.scale = 1.5;
    drawContext.origin = {100, 200};
    draw(*block);
    // 100 + rnd(50 * 1.5) = 175 (75), 200 + rnd(50 * 1.5) = 275.
    EXPECT_EQ(only(Op::Rectangle).points, (std::vector<Point>{{175, 275}, {475, 365}}));
    EXPECT_EQ(canvas.opsOfType(Op::Pen)[0].value, 6);
    EXPECT_EQ(canvas.opsOfType(Op::Pen)[1].value, 3);
    EXPECT_EQ(canvas.opsOfType(Op::Font)[0].value, -rnd(35 * 1.5));
    // The text anchor is mapped, not offset by a scaled margin: 100 + rnd(100 * 1.5).
    EXPECT_EQ(only(Op::Text).points[0].x, 250);
}

TEST_F(BlockDrawTest, CallHasInnerLinesAndExitAChevronBesideStatementText) {
    for (const ElementKind kind : {ElementKind::Call, ElementKind::Exit}) {
        auto element = createElement(kind, context);
        element->measure(context);
        EXPECT_EQ(element->minWidth(), 100);
        EXPECT_EQ(element->minHeight(), LineHeight + 40);
        element->setCoord(Coord::Left, 100);
        element->setCoord(Coord::Top, 200);
        element->setCoord(Coord::Width, 301);
        element->setCoord(Coord::Height, 81);
        draw(*element);
        EXPECT_TRUE(canvas.opsOfType(Op::Text).empty());
        EXPECT_TRUE(canvas.opsOfType(Op::Ellipse).empty());
        if (kind == ElementKind::Call) {
            const auto lines = canvas.opsOfType(Op::Line);
            ASSERT_EQ(lines.size(), 2u);
            EXPECT_EQ(lines[0].points, (std::vector<Point>{{125, 200}, {125, 281}}));
            EXPECT_EQ(lines[1].points, (std::vector<Point>{{376, 200}, {376, 281}}));
        } else {
            EXPECT_EQ(only(Op::Polyline).points,
                      (std::vector<Point>{{133, 200}, {100, 240}, {133, 281}}));
        }

        element->setLines({"ab"});
        element->measure(context);
        element->setSelected(true);
        element->applyFormat({Alignment::End, Alignment::End, 0, 0, {}}, context);
        draw(*element);
        // Right-aligned text ends 50 before the right edge; bottom-aligned
        // text starts Height - MinHeight + 20 below the top.
        EXPECT_EQ(only(Op::Text).points[0], (Point{401 - 50 - 20, 200 + 81 - 79 + 20}));
    }
}

} // namespace
} // namespace velbrant::test
