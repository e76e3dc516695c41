#include "app_fixture.h"
#include "model/sequence.h"

#include <QComboBox>
#include <QDir>
#include <QFile>
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

TEST_F(MainWindowTest, TheZoomBoxRefusesSixHundredPercentAndKeepsTheZoom) {
    DocumentView& view = frame.files().newDocument()->view();
    auto* box = frame.findChild<QComboBox*>("ZoomBox");
    EXPECT_EQ(box->currentText(), "100 %");
    answerNextMessageBox(QMessageBox::Ok);
    box->setCurrentText("600 %");
    emit box->activated(box->currentIndex());
    EXPECT_EQ(box->currentText(), "100 %");
    EXPECT_EQ(view.zoom(), 1.0);

    box->setCurrentText("33 %");
    emit box->activated(box->currentIndex());
    EXPECT_EQ(box->currentText(), "33 %");
    EXPECT_DOUBLE_EQ(view.zoom(), 0.33);
}

} // namespace
} // namespace velbrant::test
