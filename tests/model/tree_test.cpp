#include "diagram_builder.h"
#include "layout_check.h"
#include "model/diagram/compound_element.h"
#include "model_fixture.h"

#include <random>

namespace velbrant::test {
namespace {

using TreeTest = ModelTest;

TEST_F(TreeTest, EveryKindNestedInEveryOtherKeepsTheLayoutInvariants) {
    const auto tree = build(buildEveryKindNested, context);
    EXPECT_EQ(tree->size(), std::size(AllKinds));
    EXPECT_EQ(checkLayout(*tree), "");
    // Widening the whole tree hands the extra width down consistently.
    tree->setCoord(Coord::Width, tree->width() + 333);
    tree->setCoord(Coord::Height, tree->height() + 77);
    EXPECT_EQ(checkLayout(*tree), "");
}

// Layout skips moving what already stands in place; edits anywhere in the
// tree, followed by the editor's relayout, must still leave it consistent.
TEST_F(TreeTest, RandomEditsKeepTheLayoutInvariants) {
    auto tree = build(buildEveryKindNested, context);
    std::mt19937 random(7);
    for (int step = 0; step < 400; ++step) {
        std::uniform_int_distribution<int> x(tree->left() - 10, tree->left() + tree->width() + 10);
        std::uniform_int_distribution<int> y(tree->top() - 10, tree->top() + tree->height() + 10);
        const Point point{x(random), y(random)};
        if (step % 4 == 3) {
            SelectionState state;
            tree->selectAt(point, state);
            tree->deleteSelected(context);
        } else {
            auto element = createElement(AllKinds[random() % std::size(AllKinds)], context);
            element->setLines({std::string(random() % 30, 'w')});
            tree->insertElement(std::move(element), point, static_cast<InsertMode>(random() % 2),
                                context);
        }
        tree->relayout(context);
        ASSERT_EQ(checkLayout(*tree), "") << "after step " << step;
    }
}

TEST_F(TreeTest, AThousandLevelsOfNestingSurviveEveryOperation) {
    constexpr int Depth = 1000;
    auto tree = build(buildDeepChain, context, Depth);
    EXPECT_EQ(checkLayout(*tree), "");
    Element* innermost = tree->elementAt({tree->left() + tree->width() - 1, tree->top() + 1});
    ASSERT_NE(innermost, nullptr);

    canvas.clear();
    tree->draw(canvas, DrawContext{});
    EXPECT_GE(canvas.opsOfType(RecordingCanvas::OpType::Rectangle).size(), std::size_t{2 * Depth});

    SelectionState band;
    EXPECT_TRUE(tree->selectInRect({0, 0}, {tree->left() + tree->width(), 1'000'000}, band));
    ElementFormat format;
    EXPECT_TRUE(tree->getFormat(format));
    tree->applyFormat({Alignment::Unchanged, Alignment::Unchanged, 9, 0, {}}, context);

    // Deepest element first: the innermost sequence owns the click.
    SelectionState state;
    const Point deepest{tree->left() + tree->width() - 2, tree->top() + tree->height() - 2};
    EXPECT_TRUE(tree->selectAt(deepest, state));
    ASSERT_NE(state.owner, nullptr);
    EXPECT_TRUE(tree->deleteSelected(context));
    EXPECT_EQ(checkLayout(*tree), "");

    tree->selectAt({tree->left() + 1, tree->top() + 1}, state);
    EXPECT_TRUE(tree->deleteSelected(context));
    EXPECT_TRUE(tree->empty());
}

TEST_F(TreeTest, MeasuredSizesBeyondSixteenBitsStayPositiveAndExact) {
    auto& cond = insert(ElementKind::Conditional, {0, 0});
    std::vector<std::string> manyLines(2000, "x");
    auto& huge = insert(ElementKind::Block, {cond.left() + 5, 99999}, InsertMode::After,
                        std::move(manyLines));
    const int expected = 2000 * (LineHeight + LineGap) - LineGap + 2 * TextMarginY;
    EXPECT_EQ(huge.minHeight(), expected);
    EXPECT_GT(cond.height(), 32767);
    EXPECT_EQ(top.height(), cond.height());
    EXPECT_EQ(checkLayout(top), "");
}

} // namespace
} // namespace velbrant::test
