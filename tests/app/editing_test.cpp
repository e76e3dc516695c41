#include "app_fixture.h"
#include "model/diagram/compound_element.h"
#include "model/diagram/sequence.h"
#include "model/elements/case.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QScrollBar>

namespace velbrant::test {
namespace {

class EditingTest : public AppTest {
protected:
    DocumentView* view = nullptr;
    void SetUp() override {
        AppTest::SetUp();
        view = &newView();
    }
    const Sequence& top() { return topOf(*view); }
    Point middleOf(const Element& element) {
        return {element.left() + element.width() / 2, element.top() + element.height() / 2};
    }
    // Statements with text, one below the other, inserted by clicks.
    void addStatements(int count) {
        for (int i = 0; i < count; ++i) {
            appendBuilt(view->editor(), [i](Sequence& run, const LayoutContext& context) {
                appendNew(run, ElementKind::Block, context, {"Anweisung " + std::to_string(i)});
            });
        }
        frame.setTool(Tool::Select);
    }
    std::vector<ElementKind> kinds() {
        std::vector<ElementKind> result;
        for (std::size_t i = 0; i < top().size(); ++i)
            result.push_back(top().at(i).kind());
        return result;
    }
};

TEST_F(EditingTest, ElementToolsInsertAfterWithTheLeftButtonAndBeforeWithTheOthers) {
    addStatements(1);
    const Element& block = top().at(0);
    for (int index = static_cast<int>(ElementKind::Conditional);
         index <= static_cast<int>(ElementKind::Exit); ++index) {
        const auto kind = static_cast<ElementKind>(index);
        frame.setTool(elementTool(kind));
        if (kind == ElementKind::Case) {
            QTimer::singleShot(0, [] {
                QWidget* dialog = QApplication::activeModalWidget();
                ASSERT_NE(dialog, nullptr);
                dialog->findChild<QLineEdit*>("NumBlocksEdit")->setText("4");
                dialog->findChild<QCheckBox*>("HasElseBlockCheckBox")->setChecked(false);
                QMetaObject::invokeMethod(dialog, "accept");
            });
        }
        click(*view, {block.left() + 5, block.top() + 5},
              index % 2 == 0 ? Qt::LeftButton : Qt::RightButton);
    }
    EXPECT_EQ(kinds(), (std::vector<ElementKind>{ElementKind::Conditional, ElementKind::RepeatLoop,
                                                 ElementKind::Case, ElementKind::Exit,
                                                 ElementKind::Block, ElementKind::Call,
                                                 ElementKind::ForLoop, ElementKind::WhileLoop}));
    const auto& switchCase = dynamic_cast<const Case&>(top().at(2));
    EXPECT_EQ(switchCase.sequenceCount(), 4u);
    EXPECT_FALSE(switchCase.hasElse());
    EXPECT_TRUE(view->editor().isModified());
}

// A new element is selected at once, so that Enter opens its text and Tab
// walks on from it; Ctrl+A selects the whole top-level run, except in the
// text view, where it selects the text.
TEST_F(EditingTest, ANewElementIsSelectedAndCtrlASelectsTheTopLevelRun) {
    addStatements(2);
    frame.setTool(elementTool(ElementKind::WhileLoop));
    click(*view, middleOf(top().at(0)));
    ASSERT_EQ(kinds(), (std::vector<ElementKind>{ElementKind::Block, ElementKind::WhileLoop,
                                                 ElementKind::Block}));
    EXPECT_TRUE(top().at(1).isSelected());
    EXPECT_FALSE(top().at(0).isSelected());
    view->setFocus();
    QTest::keyClick(view, Qt::Key_Tab);
    const auto& body = static_cast<const CompoundElement&>(top().at(1)).sequenceAt(0);
    EXPECT_TRUE(body.at(0).isSelected());
    EXPECT_FALSE(top().at(1).isSelected());

    QTest::keyClick(view, Qt::Key_A, Qt::ControlModifier);
    for (std::size_t i = 0; i < top().size(); ++i)
        EXPECT_TRUE(top().at(i).isSelected()) << i;
    EXPECT_EQ(view->editor().selectedSequence(), &top());

    frame.setTool(Tool::Select);
    click(*view, middleOf(top().at(2)));
    action("ViewTextItem")->trigger();
    auto* text = frame.findChild<QPlainTextEdit*>(QStringLiteral("NotationText"));
    text->setFocus();
    QTest::keyClick(text, Qt::Key_A, Qt::ControlModifier);
    EXPECT_EQ(text->textCursor().selectedText().size(), text->toPlainText().size());
    EXPECT_FALSE(top().at(0).isSelected());
}

TEST_F(EditingTest, NineUnitsApartIsAClickAndTenABand) {
    addStatements(3);
    const Element& middle = top().at(1);
    const QPoint start = pixelAt(*view, {middle.left() + 20, middle.top() + 20});
    drag(*view, start, start + QPoint(9, 9));
    EXPECT_TRUE(middle.isSelected());
    view->editor().clearSelection(); // a press on the selection would drag it
    drag(*view, start, start + QPoint(10, 0));
    EXPECT_FALSE(middle.isSelected());
    EXPECT_EQ(view->editor().selectedSequence(), nullptr);
}

TEST_F(EditingTest, ARubberBandSelectsTheSameWhicheverWayItIsDragged) {
    addStatements(3);
    const QPoint topLeft = pixelAt(*view, {top().left() - 20, top().top() - 20});
    const QPoint bottomRight =
        pixelAt(*view, {top().left() + top().width() + 20, top().at(1).bottom() + 5});
    for (const auto& [from, to] :
         {std::pair{topLeft, bottomRight}, std::pair{bottomRight, topLeft}}) {
        drag(*view, from, to);
        EXPECT_TRUE(top().at(0).isSelected());
        EXPECT_TRUE(top().at(1).isSelected());
        EXPECT_FALSE(top().at(2).isSelected());
        EXPECT_EQ(view->editor().selectedSequence(), &top());
    }
    QTest::keyClick(view, Qt::Key_Delete);
    EXPECT_EQ(top().size(), 1u);
    EXPECT_EQ(view->editor().selectedSequence(), nullptr);
}

TEST_F(EditingTest, ClicksHitTheDrawnElementAtScaleTwoAndHalfZoom) {
    addStatements(3);
    DiagramFormat format = view->editor().document().format();
    format.scale = 2.0;
    view->editor().setFormat(format);
    view->setZoom(0.5);
    for (std::size_t i = 0; i < 3; ++i) {
        const Element& element = top().at(i);
        click(*view, middleOf(element));
        EXPECT_TRUE(element.isSelected()) << i;
    }
}

TEST_F(EditingTest, ReplacingTheTreeDropsTheSelectionAndTheTextEntry) {
    addStatements(3);
    DocumentEditor& editor = view->editor();
    click(*view, middleOf(top().at(0)));
    ASSERT_NE(editor.selectedSequence(), nullptr);
    EXPECT_TRUE(isEnabled("EditDeleteItem"));
    editor.undo();
    EXPECT_EQ(editor.selectedSequence(), nullptr);
    EXPECT_FALSE(isEnabled("EditDeleteItem"));
    QTest::keyClick(view, Qt::Key_Delete);
    EXPECT_EQ(top().size(), 2u);

    frame.setTool(Tool::Text);
    click(*view, middleOf(top().at(0)));
    ASSERT_EQ(editor.editElement(), &top().at(0));
    editor.undo();
    EXPECT_EQ(editor.editElement(), nullptr);
    frame.setTool(elementTool(ElementKind::Block));
    click(*view, middleOf(top().at(0)));
    EXPECT_EQ(top().size(), 2u);
}

} // namespace
} // namespace velbrant::test
