#include "model_fixture.h"

namespace velbrant::test {
namespace {

using ElementTest = ModelTest;

TEST_F(ElementTest, MeasureFollowsTheLines) {
    auto block = makeBlock();
    block->measure(context);
    EXPECT_EQ(block->minWidth(), 100);
    EXPECT_EQ(block->minHeight(), 40 + LineHeight);

    block->setLines({"abcd"});
    block->measure(context);
    EXPECT_EQ(block->minWidth(), 40 + 100);
    EXPECT_EQ(block->minHeight(), LineHeight + 40);

    block->setLines({"a", "abcdefghij", "x\ty"});
    block->measure(context);
    EXPECT_EQ(block->minWidth(), 160 + 100);
    EXPECT_EQ(block->minHeight(), 3 * LineHeight + 40 + 20);

    block->setLines({""});
    block->measure(context);
    EXPECT_EQ(block->minWidth(), 100);
}

TEST_F(ElementTest, SelectAtExcludesTheRightAndBottomEdges) {
    auto block = placedBlock(100, 200, 300, 80);
    SelectionState state;
    EXPECT_TRUE(block->selectAt({100, 200}, state));
    EXPECT_TRUE(block->selectAt({399, 279}, state));
    block->setSelected(false);
    EXPECT_FALSE(block->selectAt({400, 250}, state));
    EXPECT_FALSE(block->selectAt({250, 280}, state));
    EXPECT_FALSE(block->selectAt({99, 250}, state));
    EXPECT_FALSE(block->isSelected());
}

TEST_F(ElementTest, RectangleSelectionNeedsTheWholeBox) {
    auto block = placedBlock(100, 200, 300, 80);
    SelectionState state;
    EXPECT_TRUE(block->selectInRect({100, 200}, {400, 280}, state));
    block->setSelected(false);
    EXPECT_FALSE(block->selectInRect({101, 200}, {400, 280}, state));
    EXPECT_FALSE(block->selectInRect({100, 201}, {400, 280}, state));
    EXPECT_FALSE(block->selectInRect({100, 200}, {399, 280}, state));
    EXPECT_FALSE(block->selectInRect({100, 200}, {400, 279}, state));
    EXPECT_FALSE(block->isSelected());
}

TEST_F(ElementTest, ApplyFormatChangesOnlyTheNonZeroFieldsOfASelectedElement) {
    auto block = makeBlock();
    block->setSelected(true);
    block->applyFormat(ElementFormat{}, context);
    ElementFormat unchanged;
    block->getFormat(unchanged);
    EXPECT_EQ(unchanged,
              (ElementFormat{Alignment::Start, Alignment::Center, 4, 2, context.defaultFont}));

    block->applyFormat({Alignment::End, Alignment::Unchanged, 0, 6, {"Courier", 14, Bold}},
                       context);
    EXPECT_EQ(block->hAlign(), Alignment::End);
    EXPECT_EQ(block->vAlign(), Alignment::Center);
    EXPECT_EQ(block->borderWidth(), 4);
    EXPECT_EQ(block->innerLineWidth(), 6);
    EXPECT_EQ(block->font(), (ElementFont{"Courier", 14, Bold}));
    EXPECT_EQ(block->lineHeight(), 49 + RecordingCanvas::CellExtra);

    block->setSelected(false);
    block->applyFormat({Alignment::Center, Alignment::Start, 1, 1, {"Arial", 8, 0}}, context);
    EXPECT_EQ(block->hAlign(), Alignment::End);
    EXPECT_EQ(block->borderWidth(), 4);
}

} // namespace
} // namespace velbrant::test
