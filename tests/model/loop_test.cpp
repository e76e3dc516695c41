#include "layout_check.h"
#include "model/elements/loop.h"
#include "model_fixture.h"

namespace velbrant::test {
namespace {

// One loop alone in the top sequence at (100, 200); with fake metrics an
// empty bar is 79 high and an empty loop 150 wide.
class LoopKindTest : public ModelTest, public ::testing::WithParamInterface<ElementKind> {
protected:
    Loop& loop = insert<Loop>(GetParam(), {0, 0});

    bool textInFoot() const { return GetParam() == ElementKind::RepeatLoop; }
    Point textBar() const {
        return {loop.left() + 100, textInFoot() ? loop.bottom() - 5 : loop.top() + 5};
    }
    Point bodyPoint() const { return {loop.left() + 100, loop.body().top() + 5}; }
    Point leftBar() const { return {loop.left() + 5, bodyPoint().y}; }
};

TEST_P(LoopKindTest, TheBarsSelectTheLoopAndTheBodyItsElement) {
    for (const Point bar : {textBar(), leftBar()}) {
        click(bar);
        EXPECT_TRUE(loop.isSelected());
        EXPECT_TRUE(loop.body().at(0).isSelected());
    }
    const SelectionState state = click(bodyPoint());
    EXPECT_FALSE(loop.isSelected());
    EXPECT_TRUE(loop.body().at(0).isSelected());
    EXPECT_EQ(state.owner, &loop.body());
}

TEST_P(LoopKindTest, ElementAtReachesTheLoopOnlyThroughItsTextBar) {
    EXPECT_EQ(top.elementAt(textBar()), &loop);
    EXPECT_EQ(top.elementAt(leftBar()), nullptr);
    EXPECT_EQ(top.elementAt(bodyPoint()), &loop.body().at(0));
}

TEST_P(LoopKindTest, NewElementsEnterTheBodyOnlyThroughItsColumn) {
    insert(ElementKind::Block, textBar(), InsertMode::After, {"bar"});
    insert(ElementKind::Block, leftBar(), InsertMode::After, {"links"});
    EXPECT_EQ(top.size(), 3u);
    insert(ElementKind::Block, bodyPoint(), InsertMode::After, {"innen"});
    ASSERT_EQ(loop.body().size(), 1u);
    EXPECT_EQ(text(loop.body().at(0)), "innen");
    EXPECT_EQ(checkLayout(top), "");
}

TEST_P(LoopKindTest, DeletingTheBodyRefillsItAndShrinksAStretchedLastElement) {
    insert(ElementKind::Block, bodyPoint(), InsertMode::After, {"a"});
    insert(ElementKind::Block, {bodyPoint().x, loop.body().at(0).bottom() - 1}, InsertMode::After,
           {"b"});
    loop.setCoord(Coord::Height, loop.height() + 300);
    const Element& last = loop.body().at(1);
    EXPECT_EQ(last.height(), last.minHeight() + 300);
    click(bodyPoint());
    EXPECT_TRUE(top.deleteSelected(context));
    ASSERT_EQ(loop.body().size(), 1u);
    EXPECT_EQ(loop.body().at(0).height(), loop.body().at(0).minHeight());

    click(bodyPoint());
    top.deleteSelected(context);
    EXPECT_TRUE(loop.body().at(0).isEmptyStatement());
}

INSTANTIATE_TEST_SUITE_P(AllLoops, LoopKindTest,
                         ::testing::Values(ElementKind::WhileLoop, ElementKind::RepeatLoop,
                                           ElementKind::ForLoop));

using LoopTest = ModelTest;

TEST_F(LoopTest, BelowAWhileLoopThatEndsItsSequenceTheBodyTakesTheElement) {
    auto& loop = insert<Loop>(ElementKind::WhileLoop, {0, 0});
    insert(ElementKind::Block, {loop.left() + 60, loop.bottom() + 10}, InsertMode::After, {"a"});
    EXPECT_EQ(top.size(), 1u);
    EXPECT_EQ(text(loop.body().at(0)), "a");
}

TEST_F(LoopTest, BelowARepeatLoopThatEndsItsSequenceTheElementGoesAfterIt) {
    auto& loop = insert<Loop>(ElementKind::RepeatLoop, {0, 0});
    insert(ElementKind::Block, {loop.left() + 60, loop.bottom() + 10}, InsertMode::After, {"a"});
    ASSERT_EQ(top.size(), 2u);
    EXPECT_EQ(text(top.at(1)), "a");
}

} // namespace
} // namespace velbrant::test
