#include "model/elements/case.h"
#include "model_fixture.h"

namespace velbrant::test {
namespace {

using Op = RecordingCanvas::OpType;

class CaseTest : public ModelTest {
protected:
    Case& insertCase(int branches, bool hasElse, std::vector<std::string> lines = {}) {
        auto element = std::make_unique<Case>(context);
        element->setBranchCount(branches);
        element->setHasElse(hasElse);
        element->setLines(std::move(lines));
        Case& inserted = *element;
        top.insertElement(std::move(element), {0, 0}, InsertMode::After, context);
        return inserted;
    }
    static std::vector<int> columnWidths(const Case& c) {
        std::vector<int> widths;
        for (std::size_t i = 0; i < c.sequenceCount(); ++i)
            widths.push_back(c.branch(i).width());
        return widths;
    }
    Point inColumn(const Case& c, std::size_t i) const {
        return {c.branch(i).left() + 5, c.top() + c.headHeight() + 5};
    }
};

TEST_F(CaseTest, BranchesAreLabelledFromTheDefaults) {
    EXPECT_EQ(insertCase(3, true).branchLabels(),
              (std::vector<std::string>{"Fall 1", "Fall 2", "sonst"}));
    context.labels.casePrefix = "Wert ";
    EXPECT_EQ(insertCase(3, false).branchLabels(),
              (std::vector<std::string>{"Wert 1", "Wert 2", "Wert 3"}));
}

TEST_F(CaseTest, ExtraWidthIsSharedEquallyWithTheRestToTheLastColumn) {
    context.labels.casePrefix = "F";
    Case& c = insertCase(3, true);
    insert(ElementKind::Block, inColumn(c, 1), InsertMode::After, {"abcdefghij"});
    EXPECT_EQ(columnWidths(c), (std::vector<int>{150, 200, 150}));
    c.setCoord(Coord::Width, 520);
    EXPECT_EQ(columnWidths(c), (std::vector<int>{156, 206, 158}));
    c.setCoord(Coord::Width, 500);
    EXPECT_EQ(columnWidths(c), (std::vector<int>{150, 200, 150}));
    EXPECT_EQ(c.branch(2).left() + c.branch(2).width(), c.left() + c.width());
}

TEST_F(CaseTest, TheHeadSelectsTheWholeCaseAndAColumnOnlyItsElement) {
    Case& c = insertCase(2, false);
    click({c.left() + 5, c.top() + 5});
    EXPECT_TRUE(c.isSelected());
    EXPECT_TRUE(c.branch(1).at(0).isSelected());
    const SelectionState state = click(inColumn(c, 1));
    EXPECT_FALSE(c.isSelected());
    EXPECT_FALSE(c.branch(0).at(0).isSelected());
    EXPECT_TRUE(c.branch(1).at(0).isSelected());
    EXPECT_EQ(state.owner, &c.branch(1));
    EXPECT_EQ(top.elementAt({c.left() + 5, c.top() + 5}), &c);
}

TEST_F(CaseTest, InsertingGoesBesideTheHeadOrIntoTheColumnUnderThePoint) {
    Case& c = insertCase(3, true);
    insert(ElementKind::Block, {c.left() + 5, c.top() + 5}, InsertMode::Before, {"vor"});
    insert(ElementKind::Block, inColumn(c, 2), InsertMode::After, {"drei"});
    ASSERT_EQ(top.size(), 2u);
    EXPECT_EQ(text(top.at(0)), "vor");
    EXPECT_EQ(text(c.branch(2).at(0)), "drei");
    EXPECT_TRUE(c.branch(0).at(0).isEmptyStatement());
}

TEST_F(CaseTest, TheElseChoiceDecidesApexAlignmentAndLabelPlaces) {
    for (const bool hasElse : {true, false}) {
        Case& c = insertCase(3, hasElse, {"x"});
        c.setSelected(true);
        top.applyFormat({Alignment::Start, Alignment::Unchanged, 0, 0, {}}, context);
        EXPECT_EQ(c.hAlign(), hasElse ? Alignment::Center : Alignment::End);

        canvas.clear();
        c.draw(canvas, DrawContext{});
        const int apexX = hasElse ? c.branch(2).left() : c.left() + c.width();
        const int headBottom = c.top() + c.headHeight();
        EXPECT_EQ(canvas.opsOfType(Op::Polygon)[0].points[1],
                  (Point{apexX, headBottom - LineHeight}));
        const auto texts = canvas.opsOfType(Op::Text);
        ASSERT_EQ(texts.size(), 4u);
        const int textX = hasElse ? apexX - 5 : c.left() + c.width() - TextMarginX - 10;
        EXPECT_EQ(texts[0].points[0], (Point{textX, c.top() + TextMarginY}));
        const int labelTop = headBottom - Case::LabelLift - LineHeight;
        EXPECT_EQ(texts[1].points[0], (Point{c.left() + Case::LabelInset, labelTop}));
        const int lastX = hasElse ? c.left() + c.width() - Case::LabelInset - 50
                                  : c.branch(2).left() + Case::LabelInset;
        EXPECT_EQ(texts[3].points[0], (Point{lastX, labelTop}));
        top.deselectAll();
    }
}

} // namespace
} // namespace velbrant::test
