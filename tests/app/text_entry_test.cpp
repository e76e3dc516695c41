#include "app/dialogs/element_text_dialog.h"
#include "app/dialogs/new_case_dialog.h"
#include "app/frame/file_dialogs.h"
#include "app/widgets/storable_text.h"
#include "app_fixture.h"
#include "model/elements/case.h"

#include <QClipboard>
#include <QFile>
#include <QFontDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QTemporaryDir>

namespace velbrant::test {
namespace {

class TextEntryTest : public AppTest {
protected:
    DocumentView* view = nullptr;
    ElementTextDialog* dialog = nullptr;
    StorableTextEdit* memo = nullptr;

    void SetUp() override {
        AppTest::SetUp();
        view = &newView();
        dialog = frame.findChild<ElementTextDialog*>("EditDlg");
        memo = dialog->findChild<StorableTextEdit*>("Memo");
        // The pause before a live update, short for tests.
        dialog->findChild<QTimer*>("Timer")->setInterval(20);
    }
    DocumentEditor& editor() { return view->editor(); }
    const Sequence& top() { return topOf(*view); }
    Element& insert(ElementKind kind, std::vector<std::string> lines) {
        appendBuilt(editor(), [&](Sequence& run, const LayoutContext& context) {
            appendNew(run, kind, context, lines);
        });
        return const_cast<Element&>(top().at(top().size() - 1));
    }
    void openTextEntry(const Element& element) {
        frame.setTool(Tool::Text);
        click(*view, {element.left() + 60, element.top() + 25});
    }
    void clickButton(const char* name) {
        QTest::mouseClick(dialog->findChild<QPushButton*>(name), Qt::LeftButton);
    }
    void waitPastThePause() { QTest::qWait(60); }
    // Typed keys with any character, as a keyboard layout gives them.
    void type(const QString& text) {
        for (const QChar c : text) {
            QKeyEvent key(QEvent::KeyPress, 0, Qt::NoModifier, QString(c));
            QApplication::sendEvent(memo, &key);
        }
    }
    QString hint() const {
        const auto* label = dialog->findChild<QLabel*>("HintLabel");
        return label->isVisible() ? label->text() : QString();
    }
};

TEST_F(TextEntryTest, TypedTextReachesTheElementAfterThePauseAndAbbruchRestoresTextAndFont) {
    Element& block = insert(ElementKind::Block, {"eins", "zwei", "drei"});
    openTextEntry(block);
    ASSERT_TRUE(dialog->isVisible());
    EXPECT_EQ(memo->textCursor().position(), memo->toPlainText().size());
    EXPECT_FALSE(dialog->findChild<QPushButton*>("AbfragenBtn")->isVisible());

    QTest::keyClicks(memo, "\tvier");
    EXPECT_EQ(block.lines().size(), 3u);
    const int heightBefore = block.height();
    waitPastThePause();
    EXPECT_EQ(block.lines(), (std::vector<std::string>{"eins", "zwei", "drei\tvier"}));
    QTest::keyClick(memo, Qt::Key_Return);
    QTest::keyClicks(memo, "x <- 1");
    waitPastThePause();
    EXPECT_GT(block.height(), heightBefore);

    QTimer::singleShot(0, [] {
        auto* fonts = qobject_cast<QFontDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(fonts, nullptr);
        fonts->setCurrentFont(QFont(QStringLiteral("Liberation Serif"), 16));
        fonts->accept();
    });
    clickButton("FontBtn");
    EXPECT_EQ(block.font().name, "Liberation Serif");
    QTest::keyClicks(memo, "y");
    clickButton("CancelBtn");
    waitPastThePause();
    EXPECT_EQ(block.lines(), (std::vector<std::string>{"eins", "zwei", "drei"}));
    EXPECT_EQ(block.font(), (ElementFont{"Arial", 10, 0}));
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_EQ(editor().editElement(), nullptr);
}

TEST_F(TextEntryTest, AClickOnAnotherElementCommitsAndOpensItAndAnEmptyEntryLeavesNoUndoStep) {
    Element& first = insert(ElementKind::Block, {"a"});
    Element& loop = insert(ElementKind::WhileLoop, {"solange"});
    openTextEntry(first);
    memo->selectAll();
    QTest::keyClicks(memo, "b");
    openTextEntry(loop);
    EXPECT_EQ(first.lines(), std::vector<std::string>{"b"});
    EXPECT_EQ(editor().editElement(), &loop);
    EXPECT_EQ(memo->toPlainText(), "solange");

    QTest::keyClick(dialog, Qt::Key_Escape);
    EXPECT_FALSE(dialog->isVisible());
    editor().undo(); // the entry on the loop changed nothing: this undoes the first
    EXPECT_EQ(top().at(0).lines(), std::vector<std::string>{"a"});
}

TEST_F(TextEntryTest, AnEntryLeftAsItWasKeepsRedoWhichWaitsWhileTheEntryIsOpen) {
    insert(ElementKind::Block, {"a"});
    insert(ElementKind::Call, {"b"});
    action("EditUndoItem")->trigger();
    ASSERT_EQ(top().size(), 1u);
    openTextEntry(top().at(0));
    EXPECT_FALSE(isEnabled("EditRedoItem"));
    QTest::keyClick(dialog, Qt::Key_Escape);
    EXPECT_TRUE(isEnabled("EditRedoItem"));
    action("EditRedoItem")->trigger();
    EXPECT_EQ(top().size(), 2u);

    // A real change is a new step: it takes the redo steps.
    action("EditUndoItem")->trigger();
    openTextEntry(top().at(0));
    memo->selectAll();
    QTest::keyClicks(memo, "c");
    clickButton("OKBtn");
    EXPECT_EQ(top().at(0).lines(), std::vector<std::string>{"c"});
    EXPECT_FALSE(isEnabled("EditRedoItem"));
    action("EditUndoItem")->trigger();
    EXPECT_EQ(top().at(0).lines(), std::vector<std::string>{"a"});
}

// The dialog is a tool window of the frame and shares its shortcuts; its
// own mnemonics must still act in it, not open the frame's menus.
TEST_F(TextEntryTest, TheDialogsMnemonicsActInTheDialog) {
    Element& block = insert(ElementKind::Block, {"a"});
    openTextEntry(block);
    QApplication::setActiveWindow(dialog);
    QTest::keyClick(memo, Qt::Key_H, Qt::AltModifier);
    QApplication::processEvents();
    EXPECT_TRUE(frame.help().isVisible());
    EXPECT_EQ(QApplication::activePopupWidget(), nullptr);
    EXPECT_EQ(memo->toPlainText(), "a");
    frame.help().close();
    QTest::keyClicks(memo, "b");
    QTest::keyClick(memo, Qt::Key_A, Qt::AltModifier); // "&Abbruch", not "&Ansicht"
    QApplication::processEvents();
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_EQ(block.lines(), std::vector<std::string>{"a"});
}

TEST_F(TextEntryTest, EditCommandsActOnTheMemoWhileTextEntryIsOpen) {
    Element& block = insert(ElementKind::Block, {"Text"});
    openTextEntry(block);
    EXPECT_FALSE(isEnabled("EditCopyItem"));
    memo->selectAll();
    EXPECT_TRUE(isEnabled("EditCutItem"));
    action("EditCutItem")->trigger();
    EXPECT_EQ(QGuiApplication::clipboard()->text(), "Text");
    EXPECT_TRUE(memo->toPlainText().isEmpty());
    EXPECT_TRUE(isEnabled("PasteButton"));
    action("EditPasteItem")->trigger();
    EXPECT_EQ(memo->toPlainText(), "Text");
    action("EditUndoItem")->trigger();
    EXPECT_TRUE(memo->toPlainText().isEmpty());
    EXPECT_EQ(top().size(), 1u);
    EXPECT_EQ(block.lines(), std::vector<std::string>{"Text"});
}

// Any character is taken; a .nsd file keeps it, a .STR file gets the
// nearest Windows-1252 form after the user agreed.
TEST_F(TextEntryTest, AnyCharacterIsKeptAndAStructogramFileAsksAndWritesItsNearestForm) {
    Element& block = insert(ElementKind::Block, {});
    openTextEntry(block);
    QGuiApplication::clipboard()->setText(QStringLiteral("a ≤ b"));
    memo->paste();
    type(QStringLiteral(" ← ×"));
    EXPECT_EQ(memo->toPlainText(), QStringLiteral("a ≤ b ← ×"));
    EXPECT_TRUE(hint().isEmpty()) << hint().toStdString();
    clickButton("OKBtn");
    EXPECT_EQ(block.lines(), std::vector<std::string>{"a <= b <- \xD7"});
    EXPECT_EQ(block.shownLines(), std::vector<std::string>{"a ≤ b ← ×"});
    openTextEntry(block);
    EXPECT_EQ(memo->toPlainText(), QStringLiteral("a ≤ b ← ×")) << "the exact text again";
    clickButton("OKBtn");
    // Typed in the file's own spelling, the text is that spelling.
    openTextEntry(block);
    memo->setPlainText(QStringLiteral("a <= b <- ×"));
    clickButton("OKBtn");
    EXPECT_EQ(block.shownLines(), std::vector<std::string>{"a <= b <- ×"});
    editor().undo();
    EXPECT_EQ(block.shownLines(), std::vector<std::string>{"a ≤ b ← ×"});

    QTemporaryDir dir;
    DocumentWindow* window = frame.activeDocument();
    QString error;
    ASSERT_TRUE(window->writeFile(dir.filePath("zeichen.nsd"), &error));
    QFile nsd(dir.filePath("zeichen.nsd"));
    ASSERT_TRUE(nsd.open(QIODevice::ReadOnly));
    EXPECT_TRUE(QString::fromUtf8(nsd.readAll()).contains(QStringLiteral("a ≤ b ← ×")));

    FileDialogs dialogs;
    dialogs.save = [&dir](QWidget*, const QString&) { return dir.filePath("zeichen.STR"); };
    frame.files().setFileDialogs(dialogs);
    QString asked;
    onNextMessageBox([&asked](QMessageBox& box) {
        asked = box.text();
        box.button(QMessageBox::Yes)->click();
    });
    ASSERT_TRUE(frame.files().saveAs(*window));
    EXPECT_TRUE(asked.contains(QStringLiteral("„≤“ als „<=“, „←“ als „<-“")))
        << asked.toStdString();
    QFile str(dir.filePath("zeichen.STR"));
    ASSERT_TRUE(str.open(QIODevice::ReadOnly));
    EXPECT_TRUE(str.readAll().contains("a <= b <- \xD7"));

    // The limit counts the file's form: "≤" takes two of its 255 bytes.
    openTextEntry(block);
    memo->setPlainText(QString(254, u'x'));
    memo->moveCursor(QTextCursor::End);
    type(QStringLiteral("≤"));
    EXPECT_EQ(memo->toPlainText().size(), 254);
    EXPECT_TRUE(hint().contains(QStringLiteral("255")));
    clickButton("OKBtn");

    block.setFont({"Symbol", 10, 0}, editor().measurer());
    openTextEntry(block);
    memo->clear();
    QTest::keyClicks(memo, "ab");
    EXPECT_EQ(memo->toPlainText(), "αβ");
    clickButton("OKBtn");
    EXPECT_EQ(block.lines(), std::vector<std::string>{"ab"});
}

TEST_F(TextEntryTest, SwitchingOrClosingTheWindowCommitsAndLeavesNoDanglingElement) {
    Element& block = insert(ElementKind::Block, {"alt"});
    openTextEntry(block);
    memo->selectAll();
    QTest::keyClicks(memo, "neu");
    DocumentView& other = newView();
    EXPECT_EQ(block.lines(), std::vector<std::string>{"neu"});
    EXPECT_FALSE(dialog->isVisible());

    frame.setTool(Tool::Text);
    frame.setTool(elementTool(ElementKind::Call));
    click(other, {300, 400});
    frame.setTool(Tool::Text);
    const Element& call = topOf(other).at(0);
    click(other, {call.left() + 60, call.top() + 25});
    ASSERT_TRUE(dialog->isVisible());
    answerNextMessageBox(QMessageBox::No);
    other.parentWidget()->close();
    QApplication::processEvents();
    EXPECT_FALSE(dialog->isVisible());
    clickButton("OKBtn");
    action("EditUndoItem")->trigger();
}

TEST_F(TextEntryTest, CaseLabelsAreEditedInTheGridAndCancelKeepsThem) {
    frame.setTool(elementTool(ElementKind::Case));
    QTimer::singleShot(
        0, [] { QApplication::activeModalWidget()->findChild<QPushButton*>("OKBtn")->click(); });
    click(*view, {300, 400});
    const auto& switchCase = dynamic_cast<const Case&>(top().at(0));
    openTextEntry(switchCase);
    EXPECT_TRUE(dialog->findChild<QPushButton*>("AbfragenBtn")->isVisible());

    const auto editLabels = [this](bool confirm) {
        QTimer::singleShot(0, [confirm] {
            QWidget* labels = QApplication::activeModalWidget();
            auto* grid = labels->findChild<QTableWidget*>("CaseGrid");
            EXPECT_EQ(grid->item(0, 0)->text(), "Fall 1");
            EXPECT_EQ(grid->item(2, 0)->text(), "Else-Zweig");
            EXPECT_FALSE(grid->item(0, 0)->flags() & Qt::ItemIsEditable);
            grid->item(0, 1)->setText(QStringLiteral("x > 0"));
            grid->item(1, 1)->setText(QString());
            labels->findChild<QPushButton*>(confirm ? "OKBtn" : "CancelBtn")->click();
        });
        clickButton("AbfragenBtn");
    };
    editLabels(false);
    EXPECT_EQ(switchCase.branchLabels(), (std::vector<std::string>{"Fall 1", "Fall 2", "sonst"}));
    editLabels(true);
    EXPECT_EQ(switchCase.branchLabels(), (std::vector<std::string>{"x > 0", "", "sonst"}));
    EXPECT_GE(switchCase.branch(1).width(), 150);
    EXPECT_TRUE(dialog->isVisible());
}

TEST_F(TextEntryTest, TheBranchCountRefusesWhatItCannotTakeOnTabAndEnterAndIsKept) {
    auto* cases = frame.findChild<NewCaseDialog*>("CaseDlg");
    auto* count = cases->findChild<QLineEdit*>("NumBlocksEdit");
    cases->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(cases));
    for (const char* refused : {"1", "", "3a", "100"}) {
        count->setText(QString::fromLatin1(refused));
        QApplication::setActiveWindow(cases);
        count->setFocus();
        QString message;
        onNextMessageBox([&message](QMessageBox& box) {
            message = box.text();
            box.accept();
        });
        QTest::keyClick(count, Qt::Key_Tab);
        QApplication::processEvents();
        EXPECT_EQ(cases->focusWidget(), count) << refused;
        EXPECT_EQ(count->text(), QString::fromLatin1(refused));
        EXPECT_EQ(message, QString::fromLatin1(refused) == "1"
                               ? "Eine Case-Anweisung muß mindestens\n2 Fälle behandeln !"
                               : QStringLiteral("%1Die Anzahl der Verzweigungen muß eine ganze "
                                                "Zahl von 2 bis 99 sein.")
                                     .arg(*refused ? QStringLiteral("„%1“ ist nicht möglich. ")
                                                         .arg(QString::fromLatin1(refused))
                                                   : QString()));
        answerNextMessageBox(QMessageBox::Ok);
        QTest::keyClick(count, Qt::Key_Return);
        EXPECT_TRUE(cases->isVisible()) << refused;
    }
    count->setText("99");
    EXPECT_EQ(cases->branchCount(), 99);
    count->setText("5");
    QTest::keyClick(count, Qt::Key_Return);
    EXPECT_FALSE(cases->isVisible());
    EXPECT_EQ(cases->branchCount(), 5);

    frame.setTool(elementTool(ElementKind::Case));
    QTimer::singleShot(0, [] {
        QWidget* again = QApplication::activeModalWidget();
        EXPECT_EQ(again->findChild<QLineEdit*>("NumBlocksEdit")->text(), "5");
        again->findChild<QPushButton*>("CancelBtn")->click();
    });
    click(*view, {300, 400});
    EXPECT_TRUE(top().empty());
    EXPECT_FALSE(isEnabled("EditUndoItem"));
}

} // namespace
} // namespace velbrant::test
