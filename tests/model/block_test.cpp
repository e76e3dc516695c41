#include "model/layout/text_line.h"
#include "model_fixture.h"

#include <set>

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

TEST_F(BlockDrawTest, AStripOfTheAreaDrawsOnlyTheLinesItShowsAndTheStripsDrawThemAll) {
    std::vector<std::string> lines;
    for (int line = 0; line < 1000; ++line)
        lines.push_back(std::to_string(line));
    const int step = LineHeight + LineGap;
    const auto block = placedBlock(100, 200, 400, 1000 * step + 100, lines);
    drawContext.scale = 1.5;
    const int stripHeight = 900;
    std::set<std::string> drawn;
    for (int top = 0; top < 1000 * step * 2; top += stripHeight) {
        drawContext.clipTopLeft = {0, top};
        drawContext.clipBottomRight = {2000, top + stripHeight};
        draw(*block);
        const auto texts = canvas.opsOfType(Op::Text);
        EXPECT_LE(texts.size(), std::size_t(stripHeight / (step * 1.5)) + 4) << top;
        for (const auto& text : texts)
            drawn.insert(text.text);
    }
    EXPECT_EQ(drawn.size(), lines.size());
}

} // namespace
} // namespace velbrant::test
