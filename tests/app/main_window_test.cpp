#include "app_fixture.h"
#include "model/diagram/sequence.h"

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QKeySequence>
#include <QTemporaryDir>

namespace velbrant::test {
namespace {

using MainWindowTest = AppTest;

TEST_F(MainWindowTest, CommandsFollowDocumentsAndSelection) {
    const char* needDocument[] = {"FileSaveItem",  "FileCloseItem",    "FilePrintItem",
                                  "GraphCopyItem", "FormatStruktItem", "WindowTileItem",
                                  "SaveButton",    "ZoomBox"};
    const char* needSelection[] = {"EditCutItem", "EditCopyItem", "EditDeleteItem",
                                   "FormatBlockItem", "CutButton"};
    for (const char* name : needDocument)
        EXPECT_FALSE(isEnabled(name)) << name;
    EXPECT_TRUE(isEnabled("FileNewItem"));
    EXPECT_TRUE(isEnabled("HelpContentsItem"));

    DocumentView& view = newView();
    for (const char* name : needDocument)
        EXPECT_TRUE(isEnabled(name)) << name;
    for (const char* name : needSelection)
        EXPECT_FALSE(isEnabled(name)) << name;
    EXPECT_FALSE(isEnabled("EditUndoItem"));
    EXPECT_FALSE(isEnabled("PasteButton"));

    frame.setTool(elementTool(ElementKind::Block));
    click(view, {300, 400});
    EXPECT_TRUE(isEnabled("CancelButton"));
    frame.setTool(Tool::Select);
    const Element& block = topOf(view).at(0);
    click(view, {block.left() + 5, block.top() + 5});
    for (const char* name : needSelection)
        EXPECT_TRUE(isEnabled(name)) << name;
}

TEST_F(MainWindowTest, TheZoomBoxOffersTenToFourHundredPercentAndTheKeysStepThroughIt) {
    DocumentView& view = frame.files().newDocument()->view();
    auto* box = frame.findChild<QComboBox*>("ZoomBox");
    EXPECT_EQ(box->currentText(), "100 %");
    ASSERT_EQ(box->count(), 11);
    EXPECT_EQ(box->itemText(0), "10 %");
    EXPECT_EQ(box->itemText(box->count() - 1), "400 %");
    box->setCurrentIndex(2);
    emit box->activated(2);
    EXPECT_DOUBLE_EQ(view.zoom(), 0.33);

    view.setFocus();
    QTest::keyClick(&view, Qt::Key_0, Qt::ControlModifier);
    EXPECT_DOUBLE_EQ(view.zoom(), 1.0);
    QTest::keyClick(&view, Qt::Key_Plus, Qt::ControlModifier);
    EXPECT_DOUBLE_EQ(view.zoom(), 1.5);
    QTest::keyClick(&view, Qt::Key_Minus, Qt::ControlModifier);
    QTest::keyClick(&view, Qt::Key_Minus, Qt::ControlModifier);
    EXPECT_DOUBLE_EQ(view.zoom(), 0.75);
    EXPECT_EQ(box->currentText(), "75 %");
    for (int i = 0; i < 12; ++i)
        action("ViewZoomInItem")->trigger();
    EXPECT_DOUBLE_EQ(view.zoom(), 4.0);
}

// One command, one key: the document window's own menu must not make the
// frame's shortcuts ambiguous.
TEST_F(MainWindowTest, CtrlWAndCtrlF4CloseTheActiveDocumentEveryTime) {
    for (const QKeyCombination key : {Qt::CTRL | Qt::Key_W, Qt::CTRL | Qt::Key_F4}) {
        for (int i = 0; i < 3; ++i) {
            DocumentWindow* window = frame.files().newDocument();
            window->view().setFocus();
            QTest::keySequence(frame.windowHandle(), QKeySequence(key));
            EXPECT_EQ(frame.documents().size(), 0) << QKeySequence(key).toString().toStdString();
        }
    }
}

} // namespace
} // namespace velbrant::test
