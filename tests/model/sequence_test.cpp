#include "model/diagram/sequence.h"
#include "model_fixture.h"

namespace velbrant::test {
namespace {

class SequenceTest : public ModelTest {
protected:
    Sequence& sequence = top;

    // Appends statements with the given one-line texts ("" for an empty
    // statement) and lays the sequence out.
    void fill(std::initializer_list<const char*> texts) {
        for (const char* text : texts)
            sequence.append(*text ? makeBlock({text}) : makeBlock());
        sequence.relayout(context);
    }
    std::string textAt(std::size_t index) const { return text(sequence.at(index)); }
};

TEST_F(SequenceTest, TheFirstElementTakesTheSequenceCornerWhateverTheMode) {
    for (const InsertMode mode : {InsertMode::After, InsertMode::Before}) {
        Sequence empty{100, 200, 0, 0};
        EXPECT_EQ(empty.insertElement(makeBlock({"abc"}), {5000, 5000}, mode, context), 0);
        EXPECT_EQ(empty.at(0).left(), 100);
        EXPECT_EQ(empty.at(0).top(), 200);
        EXPECT_EQ(empty.width(), 130);
        EXPECT_EQ(empty.height(), LineHeight + 40);
        EXPECT_TRUE(empty.isModified());
    }
}

TEST_F(SequenceTest, AboveTheFirstElementInsertsAtTheFrontWhateverTheMode) {
    fill({"a", "b"});
    EXPECT_EQ(sequence.insertElement(makeBlock({"c"}), {150, 200}, InsertMode::After, context), 0);
    EXPECT_EQ(sequence.insertElement(makeBlock({"d"}), {150, 100}, InsertMode::Before, context), 0);
    EXPECT_EQ(textAt(0), "d");
    EXPECT_EQ(textAt(1), "c");
}

TEST_F(SequenceTest, BelowTheLastElementModeDecidesAppendOrBeforeLast) {
    fill({"a", "b"});
    EXPECT_EQ(sequence.insertElement(makeBlock({"c"}), {150, 9999}, InsertMode::Before, context),
              1);
    EXPECT_EQ(textAt(1), "c");
    EXPECT_EQ(textAt(2), "b");
    EXPECT_EQ(sequence.insertElement(makeBlock({"d"}), {150, 9999}, InsertMode::After, context), 3);
    EXPECT_EQ(textAt(3), "d");
    // Any mode byte other than 1 means before.
    EXPECT_EQ(
        sequence.insertElement(makeBlock({"e"}), {150, 9999}, static_cast<InsertMode>(2), context),
        3);
}

TEST_F(SequenceTest, AnEmptyStatementIsReplacedAndAStatementWithTextKept) {
    fill({"a", "", "c"});
    const int middle = sequence.at(1).top() + 5;
    EXPECT_EQ(sequence.insertElement(makeBlock({"b"}), {150, middle}, InsertMode::Before, context),
              1);
    ASSERT_EQ(sequence.size(), 3u);
    EXPECT_EQ(textAt(1), "b");

    EXPECT_EQ(sequence.insertElement(makeBlock({"x"}), {150, middle}, InsertMode::After, context),
              2);
    EXPECT_EQ(sequence.size(), 4u);
    EXPECT_EQ(textAt(1), "b");
    EXPECT_EQ(textAt(2), "x");
}

// An insertion, a paste and a drop all take a point on the line between
// two elements for the upper one.
TEST_F(SequenceTest, APointOnTheLineBetweenTwoElementsBelongsToTheUpperOne) {
    fill({"a", "b", "c"});
    const int boundary = sequence.at(0).bottom();
    const Point onLine{150, boundary};
    EXPECT_EQ(sequence.pasteTarget(onLine, InsertMode::After).index, 1u);
    EXPECT_EQ(sequence.pasteTarget(onLine, InsertMode::Before).index, 0u);
    EXPECT_EQ(sequence.dropTarget(onLine).index, 1u) << "the lower half of the upper one";
    EXPECT_EQ(sequence.dropTarget({150, boundary + 1}).index, 1u) << "the upper half of b";
    sequence.insertElement(makeBlock({"x"}), onLine, InsertMode::After, context);
    EXPECT_EQ(textAt(1), "x");
    EXPECT_EQ(textAt(2), "b");
}

TEST_F(SequenceTest, ARectangleOverTwoWholeElementsAndPartOfAThirdSelectsTwo) {
    fill({"a", "b", "c"});
    SelectionState state;
    const Point topLeft{sequence.left() - 5, sequence.top() - 5};
    const Point bottomRight{sequence.left() + sequence.width(), sequence.at(2).top() + 10};
    EXPECT_TRUE(sequence.selectInRect(topLeft, bottomRight, state));
    EXPECT_TRUE(sequence.at(0).isSelected());
    EXPECT_TRUE(sequence.at(1).isSelected());
    EXPECT_FALSE(sequence.at(2).isSelected());
    EXPECT_EQ(state.owner, &sequence);
    EXPECT_TRUE(state.found);

    SelectionState again;
    EXPECT_FALSE(sequence.selectInRect({0, 0}, {1, 1}, again));
    EXPECT_FALSE(sequence.at(0).isSelected());
    EXPECT_EQ(again.owner, nullptr);
}

TEST_F(SequenceTest, DrawingSkipsElementsOutsideTheClipArea) {
    fill({"a", "b", "c"});
    const Element& middle = sequence.at(1);
    DrawContext drawContext;
    drawContext.clipTopLeft = {0, middle.top() + 10};
    drawContext.clipBottomRight = {9999, middle.bottom() - 10};
    canvas.clear();
    sequence.draw(canvas, drawContext);
    const auto boxes = canvas.opsOfType(RecordingCanvas::OpType::Rectangle);
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].points[0].y, middle.top());

    // An outline on the clip edge still counts: it reaches into the area.
    drawContext.clipTopLeft.y = middle.bottom() + 2;
    drawContext.clipBottomRight.y = middle.bottom() + 5;
    canvas.clear();
    sequence.draw(canvas, drawContext);
    EXPECT_EQ(canvas.opsOfType(RecordingCanvas::OpType::Rectangle).size(), 2u);
}

} // namespace
} // namespace velbrant::test
