#include "app_fixture.h"
#include "model/files/structogram_file.h"

#include <QClipboard>
#include <QLabel>
#include <QMimeData>
#include <QSvgRenderer>
#include <QToolBar>
#include <QToolButton>

namespace velbrant::test {
namespace {

const QString ElementsType = QStringLiteral("application/x-velbrant-elements");

class ClipboardTest : public AppTest {
protected:
    DocumentView* view = nullptr;

    void SetUp() override {
        AppTest::SetUp();
        view = &newView();
        QGuiApplication::clipboard()->clear();
    }
    static Bytes bytesOf(DocumentView& documentView) {
        return encodeDocument(documentView.editor().document());
    }
    void insert(DocumentView& target, ElementKind kind) {
        frame.setTool(elementTool(kind));
        click(target, {300, 5000});
    }
    void select(DocumentView& target, std::size_t index) {
        frame.setTool(Tool::Select);
        const Element& element = topOf(target).at(index);
        click(target, {element.left() + 5, element.top() + 5});
    }
};

TEST_F(ClipboardTest, UndoRedoAndTheSavedStateFollowEveryEdit) {
    insert(*view, ElementKind::Call);
    // The file holds the selection too; undo and redo leave none.
    view->editor().clearSelection();
    const Bytes oneCall = bytesOf(*view);
    insert(*view, ElementKind::WhileLoop);
    action("EditUndoItem")->trigger();
    EXPECT_EQ(bytesOf(*view), oneCall);
    action("EditUndoItem")->trigger();
    EXPECT_TRUE(topOf(*view).empty());
    EXPECT_FALSE(isEnabled("EditUndoItem"));
    EXPECT_FALSE(view->editor().isModified());
    action("EditRedoItem")->trigger();
    EXPECT_EQ(bytesOf(*view), oneCall);
    EXPECT_TRUE(isEnabled("RedoButton"));

    view->editor().markSaved();
    action("EditRedoItem")->trigger();
    EXPECT_TRUE(view->editor().isModified());
    action("EditUndoItem")->trigger();
    EXPECT_FALSE(view->editor().isModified());
    insert(*view, ElementKind::Exit); // a new change drops what could be redone
    EXPECT_FALSE(isEnabled("EditRedoItem"));
}

TEST_F(ClipboardTest, CutAndUndoBringTheRunBackAndTheClipboardKeepsIt) {
    insert(*view, ElementKind::Call);
    insert(*view, ElementKind::Exit);
    select(*view, 0);
    action("EditCutItem")->trigger();
    EXPECT_EQ(topOf(*view).size(), 1u);
    EXPECT_TRUE(isEnabled("PasteButton"));
    action("EditUndoItem")->trigger();
    EXPECT_EQ(topOf(*view).size(), 2u);
    EXPECT_TRUE(QGuiApplication::clipboard()->mimeData()->hasFormat(ElementsType));

    auto* button = frame.findChild<QToolButton*>("PasteButton");
    auto* hint = frame.findChild<QLabel*>("PasteModeHint");
    QTest::mouseClick(button, Qt::LeftButton);
    EXPECT_EQ(action("EditPasteItem")->text(), "&Einfügemodus verlassen");
    EXPECT_EQ(view->viewport()->cursor().shape(), Qt::DragCopyCursor);
    EXPECT_TRUE(button->isChecked());
    EXPECT_TRUE(hint->isVisible());
    EXPECT_TRUE(hint->text().contains("Esc"));
    QTest::keyClick(view, Qt::Key_Escape);
    EXPECT_FALSE(button->isChecked());
    EXPECT_FALSE(hint->isVisible());
    EXPECT_EQ(action("EditPasteItem")->text(), "&Einfügen");
    EXPECT_EQ(view->viewport()->cursor().shape(), Qt::ArrowCursor);
    EXPECT_EQ(topOf(*view).size(), 2u);
    EXPECT_TRUE(isEnabled("PasteButton"));

    // Whichever tool is chosen, even the one already active, paste mode ends.
    for (int tool = 0; tool < ToolCount; ++tool) {
        action("EditPasteItem")->trigger();
        ASSERT_EQ(view->viewport()->cursor().shape(), Qt::DragCopyCursor);
        frame.findChild<QToolBar*>("Panel1")->actions().at(tool)->trigger();
        EXPECT_EQ(action("EditPasteItem")->text(), "&Einfügen") << tool;
        EXPECT_NE(view->viewport()->cursor().shape(), Qt::DragCopyCursor) << tool;
    }
}

TEST_F(ClipboardTest, CopyInOneDocumentAndPasteWithAClickInAnother) {
    insert(*view, ElementKind::Conditional);
    select(*view, 0);
    action("EditCopyItem")->trigger();
    DocumentView& other = newView();
    insert(other, ElementKind::Call);
    action("EditPasteItem")->trigger();
    EXPECT_EQ(view->viewport()->cursor().shape(), Qt::DragCopyCursor);
    const Element& call = topOf(other).at(0);
    QTest::mouseClick(other.viewport(), Qt::RightButton, {},
                      pixelAt(other, {call.left() + 5, call.top() + 5}));
    ASSERT_EQ(topOf(other).size(), 2u);
    EXPECT_EQ(topOf(other).at(0).kind(), ElementKind::Conditional);
    EXPECT_EQ(view->viewport()->cursor().shape(), Qt::ArrowCursor);
    action("EditUndoItem")->trigger();
    EXPECT_EQ(topOf(other).size(), 1u);
}

TEST_F(ClipboardTest, ElementsTravelBetweenTwoFramesAndDamagedOnesPasteNothing) {
    insert(*view, ElementKind::RepeatLoop);
    select(*view, 0);
    action("EditCopyItem")->trigger();

    MainWindow second;
    second.show();
    DocumentWindow* window = second.files().newDocument();
    DocumentView& target = window->view();
    target.setZoom(target.pixelSizeX());
    second.findChild<QAction*>("EditPasteItem")->trigger();
    click(target, {300, 400});
    ASSERT_EQ(topOf(target).size(), 1u);
    EXPECT_EQ(topOf(target).at(0).kind(), ElementKind::RepeatLoop);

    auto* damaged = new QMimeData;
    damaged->setData(ElementsType, QByteArray("\x05\x00\x00\x00\x03", 5));
    QGuiApplication::clipboard()->setMimeData(damaged);
    second.findChild<QAction*>("EditPasteItem")->trigger();
    answerNextMessageBox(QMessageBox::Ok);
    click(target, {300, 400});
    EXPECT_EQ(topOf(target).size(), 1u);
    EXPECT_FALSE(second.findChild<QAction*>("EditRedoItem")->isEnabled());
}

TEST_F(ClipboardTest, TheGraphicIsTheUnscaledFrameAndLeavesTheDocumentAsItWas) {
    insert(*view, ElementKind::Conditional);
    DiagramFormat format = view->editor().document().format();
    format.scale = 1.5;
    view->editor().setFormat(format);
    select(*view, 0);
    const Bytes before = bytesOf(*view);
    const int scaledWidth = view->editor().document().frameLayout().frameWidth;

    action("GraphCopyItem")->trigger();
    const QMimeData* data = QGuiApplication::clipboard()->mimeData();
    ASSERT_TRUE(data->hasFormat("image/png"));
    QSvgRenderer svg(data->data("image/svg+xml"));
    ASSERT_TRUE(svg.isValid());
    const int outline = 2; // half the frame's pen on each side
    EXPECT_NEAR(svg.viewBox().width() - 2 * outline, scaledWidth / 1.5, 2);
    EXPECT_EQ(bytesOf(*view), before);
    EXPECT_NE(view->editor().selectedSequence(), nullptr);
}

} // namespace
} // namespace velbrant::test
