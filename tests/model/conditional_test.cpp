#include "layout_check.h"
#include "model/elements/conditional.h"
#include "model_fixture.h"

namespace velbrant::test {
namespace {

// A conditional alone in the top sequence at (100, 200): with fake metrics
// its head is 40 + 39 + 39 = 118 high and each branch 150 wide.
class ConditionalTest : public ModelTest {
protected:
    Conditional& cond = insert<Conditional>(ElementKind::Conditional, {0, 0});

    int branchY() const { return cond.top() + cond.headHeight() + 5; }
    Point inThen() const { return {cond.left() + 5, branchY()}; }
    Point inElse() const { return {cond.left() + cond.width() - 5, branchY()}; }
    Element& insertInBranch(Point point, const char* line) {
        return insert(ElementKind::Block, point, InsertMode::After, {line});
    }
};

TEST_F(ConditionalTest, TheSplitXBelongsToTheElseBranch) {
    insertInBranch({cond.splitX(), branchY()}, "else");
    insertInBranch({cond.splitX() - 1, branchY()}, "then");
    EXPECT_EQ(text(cond.thenSequence().at(0)), "then");
    EXPECT_EQ(text(cond.elseSequence().at(0)), "else");
    EXPECT_EQ(top.size(), 1u);
}

TEST_F(ConditionalTest, WideningByAnOddAmountGivesTheElseBranchTheExtraUnit) {
    const int thenWidth = cond.thenSequence().width();
    const int elseWidth = cond.elseSequence().width();
    cond.setCoord(Coord::Width, thenWidth + elseWidth + 1);
    EXPECT_EQ(cond.thenSequence().width(), thenWidth);
    EXPECT_EQ(cond.elseSequence().width(), elseWidth + 1);
    cond.setCoord(Coord::Width, thenWidth + elseWidth + 21);
    EXPECT_EQ(cond.thenSequence().width(), thenWidth + 10);
    EXPECT_EQ(cond.elseSequence().width(), elseWidth + 11);
}

TEST_F(ConditionalTest, AClickInTheHeadSelectsTheSubtreeAndItsBottomLineIsABranchClick) {
    insertInBranch(inThen(), "a");
    const SelectionState head = click({cond.left() + 5, cond.top() + cond.headHeight() - 1});
    EXPECT_TRUE(cond.isSelected());
    EXPECT_TRUE(cond.thenSequence().at(0).isSelected());
    EXPECT_TRUE(cond.elseSequence().at(0).isSelected());
    EXPECT_EQ(head.owner, &top);

    const SelectionState branch = click({cond.left() + 5, cond.top() + cond.headHeight()});
    EXPECT_FALSE(cond.isSelected());
    EXPECT_TRUE(cond.thenSequence().at(0).isSelected());
    EXPECT_FALSE(cond.elseSequence().at(0).isSelected());
    EXPECT_EQ(branch.owner, &cond.thenSequence());
}

TEST_F(ConditionalTest, APointInTheHeadInsertsBesideTheWholeConditional) {
    insert(ElementKind::Block, {cond.left() + 5, cond.top() + 5}, InsertMode::Before, {"vor"});
    insert(ElementKind::Block, {cond.left() + 5, cond.top() + 5}, InsertMode::After, {"nach"});
    ASSERT_EQ(top.size(), 3u);
    EXPECT_EQ(text(top.at(0)), "vor");
    EXPECT_EQ(&top.at(1), &cond);
    EXPECT_EQ(text(top.at(2)), "nach");
}

TEST_F(ConditionalTest, DeletingABranchRefillsItWithAnEmptyStatement) {
    insertInBranch(inThen(), "a");
    insertInBranch(inElse(), "b");
    click(inThen());
    EXPECT_TRUE(top.deleteSelected(context));
    ASSERT_EQ(cond.thenSequence().size(), 1u);
    EXPECT_TRUE(cond.thenSequence().at(0).isEmptyStatement());
    EXPECT_EQ(text(cond.elseSequence().at(0)), "b");
    EXPECT_EQ(checkLayout(top), "");
}

TEST_F(ConditionalTest, ARubberBandHitInABranchStopsTheOuterScan) {
    auto& above = insert(ElementKind::Block, {0, 0}, InsertMode::Before, {"oben"});
    insertInBranch(inThen(), "a");
    insertInBranch({inThen().x, cond.bottom() - 1}, "b");
    top.append(makeBlock({"unten"}));
    top.relayout(context);
    const Element& a = cond.thenSequence().at(0);
    const Element& b = cond.thenSequence().at(1);
    const Element& below = top.at(2);
    const int right = cond.left() + cond.width();

    // The statement above and a whole branch element: only the statement.
    band({above.left(), above.top()}, {right, b.top()});
    EXPECT_TRUE(above.isSelected());
    EXPECT_FALSE(a.isSelected());

    // A branch element and the statement below: only the branch element.
    const SelectionState state = band({cond.left(), b.top()}, {right, below.bottom()});
    EXPECT_TRUE(b.isSelected());
    EXPECT_FALSE(below.isSelected());
    EXPECT_EQ(state.owner, &cond.thenSequence());
}

// Where the diagonal from a top corner to the split point runs at a row.
double diagonalX(Point corner, Point split, int y) {
    return corner.x +
           static_cast<double>(split.x - corner.x) * (y - corner.y) / (split.y - corner.y);
}

// "Wahr" and "Falsch" and the condition stand clear of the diagonals, also
// when a branch is narrow (an if without else) or the condition long.
TEST_F(ConditionalTest, LabelsAndConditionStandClearOfTheDiagonals) {
    for (const char* condition : {"x > 0", "summe < grenze und nicht gefunden"}) {
        cond.setLines({condition});
        insertInBranch(inThen(), "eine recht lange Anweisung im Wahr-Zweig");
        top.relayout(context);
        canvas.clear();
        cond.draw(canvas, DrawContext{});
        const auto diagonals = canvas.opsOfType(RecordingCanvas::OpType::Polyline);
        ASSERT_EQ(diagonals.size(), 1u);
        const Point leftCorner = diagonals[0].points.at(0);
        const Point split = diagonals[0].points.at(1);
        const Point rightCorner = diagonals[0].points.at(2);
        for (const auto& text : canvas.opsOfType(RecordingCanvas::OpType::Text)) {
            const Point at = text.points.at(0);
            const int right = at.x + canvas.textWidth(text.text);
            const int bottom = at.y + canvas.textHeight(text.text);
            if (at.y >= split.y)
                continue; // the branches' own texts
            // A text's corners nearest the diagonals: its top corners for a
            // label below them, its bottom corners for the condition above.
            const bool label = text.text == "Wahr" || text.text == "Falsch";
            const int row = label ? at.y : bottom;
            const double leftDiagonal = diagonalX(leftCorner, split, row);
            const double rightDiagonal = diagonalX(rightCorner, split, row);
            if (text.text == "Wahr")
                EXPECT_LT(right, leftDiagonal) << condition;
            else if (text.text == "Falsch")
                EXPECT_GT(at.x, rightDiagonal) << condition;
            else
                EXPECT_TRUE(at.x > leftDiagonal && right < rightDiagonal)
                    << text.text << " between " << leftDiagonal << " and " << rightDiagonal;
        }
        cond.thenSequence().at(0).setLines({});
    }
}

} // namespace
} // namespace velbrant::test
