#include "app/dialogs/element_text_dialog.h"
#include "app/document/element_drag.h"
#include "app/widgets/storable_text.h"
#include "app_fixture.h"
#include "model/diagram/compound_element.h"

#include <QMdiArea>
#include <QMimeData>

namespace velbrant::test {
namespace {

class MovingTest : public AppTest {
protected:
    DocumentView* view = nullptr;

    void SetUp() override {
        AppTest::SetUp();
        view = &newView();
        frame.setTool(Tool::Select);
    }
    DocumentEditor& editor() { return view->editor(); }
    const Sequence& top() { return topOf(*view); }
    void addStatements(std::initializer_list<const char*> texts) {
        appendBuilt(editor(), [texts](Sequence& run, const LayoutContext& context) {
            for (const char* text : texts)
                appendNew(run, ElementKind::Block, context, {text});
        });
    }
    std::vector<std::string> texts(const Sequence& sequence) {
        std::vector<std::string> result;
        for (std::size_t i = 0; i < sequence.size(); ++i)
            result.push_back(sequence.at(i).lines().empty() ? "" : sequence.at(i).lines()[0]);
        return result;
    }
    static std::vector<bool> selected(const Sequence& sequence) {
        std::vector<bool> result;
        for (std::size_t i = 0; i < sequence.size(); ++i)
            result.push_back(sequence.at(i).isSelected());
        return result;
    }
    static Point middleOf(const Element& element) {
        return {element.left() + element.width() / 2, element.top() + element.height() / 2};
    }
    // Press, move in steps past the drag distance, release.
    void dragElement(Point from, Point to, Qt::KeyboardModifiers atDrop = {}) {
        const QPoint start = pixelAt(*view, from);
        const QPoint end = pixelAt(*view, to);
        QTest::mousePress(view->viewport(), Qt::LeftButton, {}, start);
        for (int step = 1; step <= 4; ++step)
            QTest::mouseMove(view->viewport(), start + (end - start) * step / 4);
        QTest::mouseRelease(view->viewport(), Qt::LeftButton, atDrop, end);
    }
};

TEST_F(MovingTest, DraggingTheSelectionMovesItAndCtrlCopiesInOneUndoStep) {
    addStatements({"eins", "zwei", "drei"});
    click(*view, middleOf(top().at(0)));
    const Element& third = top().at(2);
    dragElement(middleOf(top().at(0)), {third.left() + 10, third.bottom() - 5});
    EXPECT_EQ(texts(top()), (std::vector<std::string>{"zwei", "drei", "eins"}));
    EXPECT_EQ(editor().undoName(), "Verschieben");
    // What was dropped stays selected, and only that.
    EXPECT_EQ(selected(top()), (std::vector<bool>{false, false, true}));
    editor().undo();
    EXPECT_EQ(texts(top()), (std::vector<std::string>{"eins", "zwei", "drei"}));

    click(*view, middleOf(top().at(0)));
    dragElement(middleOf(top().at(0)), {top().at(2).left() + 10, top().at(2).bottom() - 5},
                Qt::ControlModifier);
    EXPECT_EQ(texts(top()), (std::vector<std::string>{"eins", "zwei", "drei", "eins"}));
    EXPECT_EQ(editor().undoName(), "Kopieren");
    EXPECT_EQ(selected(top()), (std::vector<bool>{false, false, false, true}));
}

// Before the first element of a body or branch: over the upper half of
// that element, or the lower half of the head above it; the upper half of
// a head is before the compound element itself.
TEST_F(MovingTest, ADragReachesTheFirstPlaceOfABodyAndOfABranch) {
    appendBuilt(editor(), [](Sequence& run, const LayoutContext& context) {
        Element& loop = appendNew(run, ElementKind::WhileLoop, context, {"solange x"});
        static_cast<CompoundElement&>(loop).sequenceAt(0).at(0).setLines({"c"});
        Element& branch = appendNew(run, ElementKind::Conditional, context, {"x > 0"});
        static_cast<CompoundElement&>(branch).sequenceAt(1).at(0).setLines({"e"});
        appendNew(run, ElementKind::Block, context, {"d"});
    });
    const auto& body = static_cast<const CompoundElement&>(top().at(0)).sequenceAt(0);
    const auto& otherwise = static_cast<const CompoundElement&>(top().at(1)).sequenceAt(1);
    const auto dragLast = [this](Point to) {
        const Element& last = top().at(top().size() - 1);
        click(*view, middleOf(last));
        dragElement(middleOf(last), to);
    };
    dragLast({body.at(0).left() + 10, body.at(0).top() + 3});
    EXPECT_EQ(texts(body), (std::vector<std::string>{"d", "c"}));
    EXPECT_TRUE(body.at(0).isSelected());
    editor().undo();

    const Element& loop = top().at(0);
    dragLast({loop.left() + 10, body.top() - 3});
    EXPECT_EQ(texts(body), (std::vector<std::string>{"d", "c"}));
    editor().undo();
    dragLast({loop.left() + 10, loop.top() + 3});
    EXPECT_EQ(texts(top()), (std::vector<std::string>{"d", "solange x", "x > 0"}));
    editor().undo();

    dragLast({otherwise.left() + 10, otherwise.at(0).top() + 3});
    EXPECT_EQ(texts(otherwise), (std::vector<std::string>{"d", "e"}));
    editor().undo();
    dragLast({otherwise.left() + 10, otherwise.top() - 3});
    EXPECT_EQ(texts(otherwise), (std::vector<std::string>{"d", "e"}));
    EXPECT_EQ(texts(top()), (std::vector<std::string>{"solange x", "x > 0"}));
}

TEST_F(MovingTest, ALoopDroppedIntoItsOwnBodyIsRefused) {
    appendBuilt(editor(), [](Sequence& run, const LayoutContext& context) {
        appendNew(run, ElementKind::Block, context, {"davor"});
        appendNew(run, ElementKind::WhileLoop, context, {"solange x"});
    });
    const Element& loop = top().at(1);
    click(*view, {loop.left() + 20, loop.top() + 10});
    ASSERT_TRUE(loop.isSelected());
    const auto& body = static_cast<const CompoundElement&>(loop).sequenceAt(0);
    const Point inBody = middleOf(body.at(0));
    EXPECT_FALSE(
        editor().insertionPreview(inBody, InsertMode::After, DocumentEditor::Inserting::Selection));
    const std::size_t steps = editor().history().levels();
    dragElement({loop.left() + 20, loop.top() + 10}, inBody);
    EXPECT_EQ(editor().history().levels(), steps);
    EXPECT_EQ(top().size(), 2u);
}

// Over a fresh empty statement the preview says "replaced", not "after".
TEST_F(MovingTest, TheInsertionPreviewShowsWhereANewElementGoes) {
    frame.setTool(elementTool(ElementKind::Block));
    click(*view, {300, 400});
    const Element& empty = top().at(0);
    ASSERT_TRUE(empty.isEmptyStatement());
    const auto onEmpty = editor().insertionPreview(middleOf(empty), InsertMode::After,
                                                   DocumentEditor::Inserting::NewElement);
    ASSERT_TRUE(onEmpty);
    EXPECT_TRUE(onEmpty->replaces);
    addStatements({"a"});
    const Element& statement = top().at(top().size() - 1);
    const auto after = editor().insertionPreview(middleOf(statement), InsertMode::After,
                                                 DocumentEditor::Inserting::NewElement);
    ASSERT_TRUE(after);
    EXPECT_FALSE(after->replaces);
    EXPECT_EQ(after->topLeft.y, statement.bottom());
    // Paste mode does not replace an empty statement: its preview says so.
    const auto paste = editor().insertionPreview(middleOf(top().at(0)), InsertMode::After,
                                                 DocumentEditor::Inserting::Paste);
    ASSERT_TRUE(paste);
    EXPECT_FALSE(paste->replaces);
}

// The window that takes the drop becomes the active one, so that Ctrl+Z
// takes the drop back there and not the last edit of the window dragged
// from.
TEST_F(MovingTest, ARunDroppedFromAnotherWindowIsCopiedThereAndUndoneThere) {
    addStatements({"eins", "zwei"});
    DocumentWindow* source = frame.activeDocument();
    DocumentView& other = newView();
    DocumentWindow* target = frame.activeDocument();
    frame.findChild<QMdiArea*>()->setActiveSubWindow(source);
    click(*view, middleOf(top().at(1)));
    QTest::keyClick(view, Qt::Key_Up, Qt::AltModifier);
    ASSERT_EQ(texts(top()), (std::vector<std::string>{"zwei", "eins"}));
    const std::unique_ptr<QMimeData> data = selectionMimeData(editor());
    EXPECT_TRUE(data->hasFormat("image/png"));

    EXPECT_EQ(other.dropElements(*data, pixelAt(other, {300, 400}), {}, false), Qt::CopyAction);
    EXPECT_EQ(texts(topOf(other)), std::vector<std::string>{"zwei"});
    EXPECT_TRUE(topOf(other).at(0).isSelected());
    EXPECT_EQ(frame.activeDocument(), target);
    action("EditUndoItem")->trigger();
    EXPECT_TRUE(topOf(other).empty());
    EXPECT_EQ(texts(top()), (std::vector<std::string>{"zwei", "eins"}));
}

TEST_F(MovingTest, TheKeyboardWalksOpensAndMovesElements) {
    appendBuilt(editor(), [](Sequence& run, const LayoutContext& context) {
        appendNew(run, ElementKind::Block, context, {"a"});
        Element& loop = appendNew(run, ElementKind::WhileLoop, context, {"b"});
        auto& body = static_cast<CompoundElement&>(loop).sequenceAt(0);
        appendNew(body, ElementKind::Block, context, {"c"});
        appendNew(run, ElementKind::Block, context, {"d"});
    });
    view->setFocus();
    std::vector<std::string> walked;
    const auto selectedText = [this] {
        for (const auto& [element, owner] : const_cast<Sequence&>(top()).readingOrder())
            if (element->isSelected())
                return element->lines().empty() ? std::string("(leer)") : element->lines()[0];
        return std::string();
    };
    for (int i = 0; i < 5; ++i) {
        QTest::keyClick(view, Qt::Key_Tab);
        walked.push_back(selectedText());
    }
    // The loop's body held "c" and the empty statement the loop began with.
    EXPECT_EQ(walked, (std::vector<std::string>{"a", "b", "(leer)", "c", "d"}));
    QTest::keyClick(view, Qt::Key_Tab, Qt::ShiftModifier);
    EXPECT_EQ(selectedText(), "c");

    QTest::keyClick(view, Qt::Key_Tab, Qt::ShiftModifier);
    QTest::keyClick(view, Qt::Key_Tab, Qt::ShiftModifier);
    ASSERT_EQ(selectedText(), "b");
    QTest::keyClick(view, Qt::Key_Down, Qt::AltModifier);
    EXPECT_EQ(texts(top()), (std::vector<std::string>{"a", "d", "b"}));
    EXPECT_EQ(editor().undoName(), "Verschieben");
    // The tools in palette order on Alt and the digits.
    QTest::keyClick(view, Qt::Key_3, Qt::AltModifier);
    EXPECT_EQ(frame.currentTool(), elementTool(ElementKind::Block));
    QTest::keyClick(view, Qt::Key_1, Qt::AltModifier);
    ASSERT_EQ(frame.currentTool(), Tool::Select);

    QTest::keyClick(view, Qt::Key_Return);
    auto* dialog = frame.findChild<ElementTextDialog*>("EditDlg");
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_EQ(dialog->memo().toPlainText(), "b");
}

} // namespace
} // namespace velbrant::test
