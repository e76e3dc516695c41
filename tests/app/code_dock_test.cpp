#include "app/docks/code_dock.h"
#include "app_fixture.h"

#include <QClipboard>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QMdiArea>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>

namespace velbrant::test {
namespace {

class CodeDockTest : public AppTest {
protected:
    CodeDock& dock() const { return *frame.findChild<CodeDock*>(QStringLiteral("CodeDock")); }
    QString code() const {
        return dock().findChild<QPlainTextEdit*>(QStringLiteral("CodeText"))->toPlainText();
    }
    void choose(int language) {
        dock().findChild<QComboBox*>(QStringLiteral("CodeLanguageBox"))->setCurrentIndex(language);
    }
};

// The dock shows the active diagram's program in the language chosen and
// follows the diagram's changes, its undo and the change of window.
TEST_F(CodeDockTest, ShowsTheActiveDiagramsProgramAndFollowsItsChanges) {
    DocumentWindow* search =
        frame.files().openDocument(VELBRANT_SOURCE_DIR "/examples/lineare-suche.STR");
    action("ViewCodeItem")->trigger();
    ASSERT_TRUE(dock().isVisible());
    EXPECT_TRUE(code().contains("while i <= n and not gefunden:"));
    choose(1);
    EXPECT_TRUE(code().contains("class LineareSuche {"));

    DocumentEditor& editor = search->editor();
    appendBuilt(editor, [](Sequence& top, const LayoutContext& context) {
        appendNew(top, ElementKind::Block, context, {"Ausgabe: \"fertig\"", "Tausche a und b"});
    });
    QTest::qWait(1);
    EXPECT_TRUE(code().contains("System.out.println(\"fertig\");"));
    auto* note = dock().findChild<QLabel*>(QStringLiteral("CodeNote"));
    EXPECT_EQ(note->text(), "1 Zeile nicht übersetzt (als Kommentar übernommen)");
    // With the text view open too, the program keeps the dock's full height
    // and its count stays in sight.
    action("ViewTextItem")->trigger();
    action("ViewCodeItem")->trigger();
    QApplication::processEvents();
    EXPECT_TRUE(dock().isVisible());
    EXPECT_GT(dock().height(), frame.centralWidget()->height() * 3 / 4);
    EXPECT_TRUE(note->isVisible());
    EXPECT_GT(note->height(), 0);
    editor.undo();
    QTest::qWait(1);
    EXPECT_FALSE(code().contains("fertig"));

    frame.files().openDocument(VELBRANT_SOURCE_DIR "/examples/ggt.STR");
    EXPECT_TRUE(code().contains("static int ggT(int a, int b) {"));
    frame.activeDocument()->close();
    QTest::qWait(1);
    EXPECT_TRUE(code().contains("class LineareSuche {"));
}

// A program takes the routines it calls from the diagrams beside its
// file, and from those open in the frame, even unsaved.
TEST_F(CodeDockTest, ARoutineComesFromBesideTheFileOrFromAnOpenDiagram) {
    frame.files().openDocument(VELBRANT_SOURCE_DIR "/examples/menue.STR");
    action("ViewCodeItem")->trigger();
    EXPECT_TRUE(code().contains("def ZeigeMenue():")) << code().toStdString();
    auto* note = dock().findChild<QLabel*>(QStringLiteral("CodeNote"));
    EXPECT_EQ(note->text(), "");

    action("FileNewItem")->trigger();
    DocumentWindow* callerWindow = frame.activeDocument();
    DocumentEditor& caller = callerWindow->editor();
    appendBuilt(caller, [](Sequence& top, const LayoutContext& context) {
        appendNew(top, ElementKind::Block, context, {"Ausgabe: Doppelt(21)"});
    });
    QTest::qWait(1);
    EXPECT_EQ(note->text(), "1 Unterprogramm nicht gefunden");
    action("FileNewItem")->trigger();
    DocumentEditor& routine = frame.activeDocument()->editor();
    DiagramFormat format = routine.document().format();
    format.title = "Doppelt(n)";
    routine.setFormat(format);
    appendBuilt(routine, [](Sequence& top, const LayoutContext& context) {
        appendNew(top, ElementKind::Exit, context,
                  {"zur\xFC"
                   "ck 2 * n"});
    });
    frame.findChild<QMdiArea*>("MdiArea")->setActiveSubWindow(callerWindow);
    QTest::qWait(1);
    EXPECT_TRUE(code().contains("def Doppelt(n):")) << code().toStdString();
    EXPECT_EQ(note->text(), "");
}

TEST_F(CodeDockTest, CopiesAndSavesTheProgramShown) {
    frame.files().openDocument(VELBRANT_SOURCE_DIR "/examples/ratespiel.STR");
    action("ViewCodeItem")->trigger();
    choose(3);
    dock().findChild<QPushButton*>(QStringLiteral("CopyCodeBtn"))->click();
    EXPECT_EQ(QGuiApplication::clipboard()->text(), code());

    QTemporaryDir dir;
    QString suggested;
    dock().askSavePath = [&](QWidget*, const QString& name, const QString&) {
        suggested = name;
        return dir.filePath("spiel.pas");
    };
    dock().findChild<QPushButton*>(QStringLiteral("SaveCodeBtn"))->click();
    EXPECT_EQ(suggested, "ratespiel.pas");
    QFile saved(dir.filePath("spiel.pas"));
    ASSERT_TRUE(saved.open(QIODevice::ReadOnly));
    EXPECT_EQ(QString::fromUtf8(saved.readAll()), code());
    EXPECT_TRUE(code().contains("until tipp = geheim;"));
}

} // namespace
} // namespace velbrant::test
