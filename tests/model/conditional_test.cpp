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
    cond.setCoord(Coord::Width, 301);
    EXPECT_EQ(cond.thenSequence().width(), 150);
    EXPECT_EQ(cond.elseSequence().width(), 151);
    cond.setCoord(Coord::Width, 321);
    EXPECT_EQ(cond.thenSequence().width(), 160);
    EXPECT_EQ(cond.elseSequence().width(), 161);
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

} // namespace
} // namespace velbrant::test
