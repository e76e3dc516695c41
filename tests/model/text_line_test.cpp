#include "model/layout/text_line.h"
#include "recording_canvas.h"

#include <gtest/gtest.h>
#include <string>

namespace velbrant {
namespace {

using Op = RecordingCanvas::OpType;

struct Piece {
    std::string text;
    Point at;
    friend bool operator==(const Piece&, const Piece&) = default;
    friend std::ostream& operator<<(std::ostream& out, const Piece& piece) {
        return out << '"' << piece.text << "\" at (" << piece.at.x << ", " << piece.at.y << ')';
    }
};

class TextLineTest : public ::testing::Test {
protected:
    RecordingCanvas canvas{10};
    ElementFont font{"Arial", 10, 0};
    DrawContext context;

    std::vector<Piece> draw(std::string_view text, Alignment align = Alignment::Start,
                            Point anchor = {100, 200}, int tabStep = 150) {
        canvas.setFont(font, context.scale);
        canvas.clear();
        drawTextLine(canvas, context, anchor, font, align, tabStep, text);
        std::vector<Piece> pieces;
        for (const auto& op : canvas.opsOfType(Op::Text))
            pieces.push_back({op.text, op.points.at(0)});
        return pieces;
    }
};

TEST(TabbedTextWidth, TabsAdvanceToTheNextMultipleOfTheStep) {
    RecordingCanvas canvas{10};
    EXPECT_EQ(tabbedTextWidth(canvas, "", 150), 0);
    EXPECT_EQ(tabbedTextWidth(canvas, "\t", 150), 150);
    EXPECT_EQ(tabbedTextWidth(canvas, "abc\t\t", 150), 300);
    EXPECT_EQ(tabbedTextWidth(canvas, std::string(15, 'x') + "\ty", 150), 310);
    EXPECT_EQ(tabbedTextWidth(canvas, std::string(14, 'x') + "\ty", 150), 160);
}

TEST_F(TextLineTest, ATabPutsTheNextPieceOnTheFollowingStop) {
    EXPECT_EQ(draw("x\ty"), (std::vector<Piece>{{"x", {100, 200}}, {"y", {250, 200}}}));
    EXPECT_EQ(draw(std::string(15, 'x') + "\ty").back(), (Piece{"y", {400, 200}}));
    EXPECT_EQ(draw(std::string(29, 'x') + "\ty").back(), (Piece{"y", {400, 200}}));
    EXPECT_EQ(draw("\t\tz"), (std::vector<Piece>{{"z", {400, 200}}}));
}

TEST_F(TextLineTest, TheArrowIsDrawnInSymbolOnlyWhenAskedFor) {
    context.labels.replaceArrow = true;
    EXPECT_EQ(draw("a<-b"),
              (std::vector<Piece>{{"a", {100, 200}}, {"\xC2\xAC", {110, 200}}, {"b", {120, 200}}}));
    const auto fonts = canvas.opsOfType(Op::Font);
    ASSERT_EQ(fonts.size(), 2u);
    EXPECT_EQ(fonts[0].text, "Symbol");
    EXPECT_EQ(fonts[0].value, -35);
    EXPECT_EQ(fonts[1].text, "Arial");

    context.labels.replaceArrow = false;
    EXPECT_EQ(draw("a<-b"), (std::vector<Piece>{{"a<-b", {100, 200}}}));
}

TEST_F(TextLineTest, ArrowWidthCountsTowardsTheNextTabStop) {
    context.labels.replaceArrow = true;
    const std::string line = std::string(13, 'x') + "<-\ty"; // 130 + arrow 10 = 140
    EXPECT_EQ(draw(line).back(), (Piece{"y", {250, 200}}));
    const std::string wider = std::string(14, 'x') + "<-\ty"; // 140 + 10 = 150
    EXPECT_EQ(draw(wider).back(), (Piece{"y", {400, 200}}));
}

TEST_F(TextLineTest, AlignmentUsesTheWidthOfTheWholeLineTabsIncluded) {
    // "ab\tc" is 150 + 10 = 160 wide.
    EXPECT_EQ(draw("ab\tc", Alignment::Center),
              (std::vector<Piece>{{"ab", {20, 200}}, {"c", {170, 200}}}));
    EXPECT_EQ(draw("ab\tc", Alignment::End),
              (std::vector<Piece>{{"ab", {-60, 200}}, {"c", {90, 200}}}));
    EXPECT_EQ(draw("abc", Alignment::Center).front().at.x, 85); // 30 div 2
    EXPECT_EQ(draw("abc", static_cast<Alignment>(7)).front().at.x, 100);
}

TEST_F(TextLineTest, ScaledDrawingScalesTabStepAndWidths) {
    context.scale = 2.0;
    EXPECT_EQ(draw("x\ty", Alignment::Start, {100, 200}, 300).back(), (Piece{"y", {400, 200}}));
    EXPECT_EQ(canvas.textWidth("abc"), 60);
}

} // namespace
} // namespace velbrant
