#include "app/docks/text_dock.h"
#include "app/frame/element_clipboard.h"
#include "app_fixture.h"
#include "model/files/structogram_file.h"
#include "model/notation/text_notation.h"
#include "render/qt_text_measurer.h"

#include <QClipboard>
#include <QFile>
#include <QKeyEvent>
#include <QLabel>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QTemporaryDir>
#include <QTextBlock>

namespace velbrant::test {
namespace {

class TextDockTest : public AppTest {
protected:
    TextDock& dock() const { return *frame.findChild<TextDock*>(QStringLiteral("TextDock")); }
    QPlainTextEdit& text() const {
        return *dock().findChild<QPlainTextEdit*>(QStringLiteral("NotationText"));
    }
    QString note() const {
        return dock().findChild<QLabel*>(QStringLiteral("NotationNote"))->text();
    }
    DocumentEditor& open(const char* example) {
        DocumentWindow* window = frame.files().openDocument(
            QStringLiteral(VELBRANT_SOURCE_DIR "/examples/%1").arg(QString::fromLatin1(example)));
        action("ViewTextItem")->trigger();
        return window->editor();
    }
    // Types at the end of the text, as a user does, and waits out the pause.
    void typeAtEnd(const QString& typed) {
        text().moveCursor(QTextCursor::End);
        const QStringList lines = typed.split(u'\n');
        for (qsizetype i = 0; i < lines.size(); ++i) {
            if (i > 0)
                QTest::keyClick(&text(), Qt::Key_Return);
            for (const QChar c : lines[i]) {
                // QTest types ASCII only; other characters come as an input
                // method gives them: a key event with the text.
                if (c.unicode() < 0x80) {
                    QTest::keyClick(&text(), c.toLatin1());
                    continue;
                }
                QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(c));
                QApplication::sendEvent(&text(), &press);
            }
        }
        QTest::qWait(TextDock::RebuildDelay + 200);
    }
};

TEST_F(TextDockTest, TypingGrowsTheDiagramAsOneUndoStepAndTheDiagramRewritesTheText) {
    DocumentEditor& editor = open("lineare-suche.STR");
    ASSERT_TRUE(dock().isVisible());
    EXPECT_TRUE(text().toPlainText().startsWith("titel Lineare Suche\n"));
    const std::size_t before = editor.document().topSequence().size();
    // Any character: the element keeps the typed one, the text shows it.
    typeAtEnd("solange i ≥ 0\n    i := i - 1\n");
    EXPECT_EQ(editor.document().topSequence().size(), before + 1);
    const Element& loop = editor.document().topSequence().at(before);
    EXPECT_EQ(loop.kind(), ElementKind::WhileLoop);
    EXPECT_EQ(loop.lines(), (std::vector<std::string>{"solange i >= 0"}));
    EXPECT_EQ(loop.shownLines(), (std::vector<std::string>{"solange i ≥ 0"}));
    EXPECT_EQ(editor.undoName(), "Text bearbeitet");
    editor.selectIndex(0);
    WAIT_UNTIL(text().toPlainText().contains("solange i ≥ 0\n"));

    editor.undo();
    EXPECT_EQ(editor.document().topSequence().size(), before);
    EXPECT_FALSE(text().toPlainText().contains("solange i ≥ 0"));
}

TEST_F(TextDockTest, ATextThatDoesNotReadLeavesDiagramAndHistoryAlone) {
    DocumentEditor& editor = open("menue.STR");
    const std::string diagram = writeNotation(editor.document()).text;
    const bool couldUndo = editor.canUndo();
    typeAtEnd("sonst\n");
    EXPECT_EQ(note().toStdString(), "Zeile " + std::to_string(text().document()->blockCount() - 1) +
                                        ": „sonst“ ohne „wenn“");
    EXPECT_EQ(writeNotation(editor.document()).text, diagram);
    EXPECT_EQ(editor.canUndo(), couldUndo);
    // The line marked is the one that does not read.
    ASSERT_EQ(text().extraSelections().size(), 1);
    EXPECT_EQ(text().extraSelections()[0].cursor.block().text(), "sonst");
    EXPECT_EQ(text().extraSelections()[0].cursor.blockNumber(),
              text().document()->blockCount() - 2);
    // Mended, it is taken.
    text().moveCursor(QTextCursor::End);
    QTest::keyClick(&text(), Qt::Key_Backspace);
    QTest::keyClicks(&text(), "x := 1");
    QTest::qWait(TextDock::RebuildDelay + 200);
    EXPECT_EQ(note(), "");
    EXPECT_EQ(editor.undoName(), "Text bearbeitet");
}

TEST_F(TextDockTest, TheCaretSelectsAndTheSelectionMovesTheCaret) {
    DocumentEditor& editor = open("lineare-suche.STR");
    QTextCursor caret(text().document()->findBlockByNumber(9));
    text().setTextCursor(caret);
    ASSERT_EQ(text().textCursor().block().text(), "    wenn a[i] = x");
    const auto order = const_cast<Sequence&>(editor.document().topSequence()).readingOrder();
    ASSERT_TRUE(editor.selectedIndex().has_value());
    EXPECT_EQ(order[*editor.selectedIndex()].first->lines(),
              (std::vector<std::string>{"a[i] = x"}));
    editor.selectNext(1);
    EXPECT_EQ(text().textCursor().block().text(), "        gefunden := wahr");
}

TEST_F(TextDockTest, TextPastesAsElementsAndCopyGivesTheSelectionAsText) {
    DocumentEditor& editor = open("ggt.STR");
    DocumentView& view = frame.activeDocument()->view();
    QGuiApplication::clipboard()->setText(QStringLiteral("wenn a ≠ b\n    Ausgabe: a\nzurück b\n"));
    action("EditPasteTextItem")->trigger();
    const auto* clipboard = frame.findChild<ElementClipboard*>();
    ASSERT_TRUE(clipboard->isPasteMode());
    const Sequence& top = editor.document().topSequence();
    const std::size_t before = top.size();
    click(view, {top.at(before - 1).left() + 5, top.at(before - 1).top() + 5});
    ASSERT_EQ(top.size(), before + 2);
    EXPECT_EQ(top.at(before).kind(), ElementKind::Conditional);
    EXPECT_EQ(top.at(before).shownLines(), std::vector<std::string>{"a ≠ b"});
    EXPECT_EQ(top.at(before + 1).kind(), ElementKind::Exit);
    const std::vector<const Element*> order = editor.document().elementsInReadingOrder();
    editor.selectIndex(static_cast<std::size_t>(
        std::find(order.begin(), order.end(), &top.at(before)) - order.begin()));
    action("EditCopyItem")->trigger();
    EXPECT_EQ(QGuiApplication::clipboard()->text(), "wenn a ≠ b\n    Ausgabe: a\n");

    editor.selectIndex(0);
    action("EditCopyItem")->trigger();
    EXPECT_EQ(QGuiApplication::clipboard()->text(),
              "solange b <> 0\n    r := a mod b\n    a := b\n    b := r\n");
    EXPECT_TRUE(QGuiApplication::clipboard()->mimeData()->hasImage() ||
                QGuiApplication::clipboard()->mimeData()->hasFormat("image/png"));
}

// What is typed is not lost to a quick Ctrl+S or Ctrl+Q: saving takes in
// the text first, and text that does not read counts as a change that
// saving asks about and quitting keeps.
TEST_F(TextDockTest, TypedTextIsTakenInBeforeSavingAndUnreadTextIsAskedAbout) {
    QTemporaryDir dir;
    const QString path = dir.filePath("suche.STR");
    ASSERT_TRUE(QFile::copy(VELBRANT_SOURCE_DIR "/examples/lineare-suche.STR", path));
    DocumentWindow* window = frame.files().openDocument(path);
    DocumentEditor& editor = window->editor();
    action("ViewTextItem")->trigger();
    text().moveCursor(QTextCursor::End);
    QTest::keyClicks(&text(), "schritte := 0");
    action("FileSaveItem")->trigger();
    QFile saved(path);
    ASSERT_TRUE(saved.open(QIODevice::ReadOnly));
    const QByteArray bytes = saved.readAll();
    QtTextMeasurer measurer;
    const auto reloaded = loadDocument(Bytes(bytes.begin(), bytes.end()), measurer, {});
    const Sequence& top = reloaded->topSequence();
    ASSERT_FALSE(top.empty());
    EXPECT_EQ(top.at(top.size() - 1).lines().back(), "schritte := 0");
    EXPECT_FALSE(editor.isModified());

    typeAtEnd("\nsonst");
    EXPECT_TRUE(editor.isModified());
    EXPECT_TRUE(window->isWindowModified());
    QString question;
    onNextMessageBox([&question](QMessageBox& box) {
        question = box.text();
        for (QAbstractButton* button : box.buttons())
            if (button->text().contains("Zurück zum Text"))
                button->click();
    });
    action("FileSaveItem")->trigger();
    EXPECT_TRUE(question.contains("lässt sich nicht lesen")) << question.toStdString();
    QFile again(path);
    ASSERT_TRUE(again.open(QIODevice::ReadOnly));
    EXPECT_EQ(again.readAll(), bytes);

    // Quitting asks about the document rather than dropping the text.
    answerNextMessageBox(QMessageBox::Cancel);
    EXPECT_FALSE(frame.close());
    EXPECT_TRUE(text().toPlainText().endsWith("sonst"));
}

} // namespace
} // namespace velbrant::test
