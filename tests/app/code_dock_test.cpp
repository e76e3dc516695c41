#include "app/dialogs/dialog_parts.h"
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
#include <QTextBlock>
#include <QTextLayout>
#include <cmath>

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

// WCAG's contrast between two colours: 1 (none) to 21.
double contrast(const QColor& a, const QColor& b) {
    const auto luminance = [](const QColor& c) {
        const auto channel = [](double v) {
            return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
        };
        return 0.2126 * channel(c.redF()) + 0.7152 * channel(c.greenF()) +
               0.0722 * channel(c.blueF());
    };
    const double la = luminance(a) + 0.05;
    const double lb = luminance(b) + 0.05;
    return std::max(la, lb) / std::min(la, lb);
}

// Under a desktop's dark theme the program's colours stay readable on the
// dark text field, and warnings on the dark window.
TEST_F(CodeDockTest, HighlightingAndWarningsStayReadableUnderADarkTheme) {
    const QPalette light = QApplication::palette();
    QPalette dark = light;
    dark.setColor(QPalette::Base, QColor(30, 30, 30));
    dark.setColor(QPalette::Window, QColor(45, 45, 45));
    dark.setColor(QPalette::Text, QColor(230, 230, 230));
    QApplication::setPalette(dark);
    frame.files().openDocument(VELBRANT_SOURCE_DIR "/examples/lineare-suche.STR");
    action("ViewCodeItem")->trigger();
    choose(1);
    auto* text = dock().findChild<QPlainTextEdit*>(QStringLiteral("CodeText"));
    int checked = 0;
    for (QTextBlock block = text->document()->firstBlock(); block.isValid(); block = block.next())
        for (const QTextLayout::FormatRange& range : block.layout()->formats()) {
            EXPECT_GE(contrast(range.format.foreground().color(), dark.color(QPalette::Base)), 4.5)
                << block.text().toStdString();
            ++checked;
        }
    EXPECT_GT(checked, 10);
    const QString warning = makeRefusalNote(&frame)->styleSheet();
    EXPECT_GE(contrast(QColor(warning.section(u' ', 1)), dark.color(QPalette::Window)), 4.5)
        << warning.toStdString();
    QApplication::setPalette(light);
}

} // namespace
} // namespace velbrant::test
