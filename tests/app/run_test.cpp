// Running a diagram in the editor: steps, variables, output, the end.

#include "app/run/run_commands.h"
#include "app/run/run_controller.h"
#include "app_fixture.h"
#include "model/diagram/compound_element.h"
#include "model/structorizer/nsd_file.h"

#include <QCheckBox>
#include <QClipboard>
#include <QDir>
#include <QDockWidget>
#include <QFile>
#include <QInputDialog>
#include <QPointer>
#include <QLineEdit>
#include <QMdiArea>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QStatusBar>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTreeWidget>

namespace velbrant::test {
namespace {

class RunTest : public AppTest {
protected:
    QTemporaryDir dir;

    DocumentWindow& open(const char* name, const QByteArray& text) {
        QFile file(dir.filePath(QString::fromLatin1(name)));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(text);
        file.close();
        return *frame.files().openDocument(file.fileName());
    }
    RunCommands& commands() const {
        return *frame.findChild<RunCommands*>(QStringLiteral("RunCommands"));
    }
    RunController& controller() const { return commands().controller(); }
    QString output() const {
        return frame.findChild<QPlainTextEdit*>(QStringLiteral("RunOutput"))->toPlainText();
    }
    // "name=value" of each variable the dock shows.
    QStringList variables() const {
        QStringList shown;
        auto* tree = frame.findChild<QTreeWidget*>(QStringLiteral("RunVariables"));
        for (int i = 0; i < tree->topLevelItemCount(); ++i)
            shown << tree->topLevelItem(i)->text(0) + "=" + tree->topLevelItem(i)->text(2);
        return shown;
    }
    // The end of the run as the frame sees it: its values and trace shown.
    void waitForEnd() {
        WAIT_UNTIL(!ends->isEmpty());
        ends->clear();
    }
    void SetUp() override {
        AppTest::SetUp();
        ends = std::make_unique<QSignalSpy>(&controller(), &RunController::finished);
    }
    std::unique_ptr<QSignalSpy> ends;

    void stepAndWait() {
        action("RunStepItem")->trigger();
        WAIT_UNTIL(controller().isPaused() || !controller().isRunning());
        QApplication::processEvents();
    }
};

// F10 steps through a loop: the variables stand as the steps left them,
// the element at hand is framed; F5 runs on to the end, whose output
// stays, and the frame goes.
TEST_F(RunTest, SteppingShowsTheVariablesAndFramesTheElementAtHand) {
    DocumentWindow& window =
        open("summe.txt", "s := 0\n\nf\xC3\xBCr i := 1 bis 3\n    s := s + i\n\nAusgabe: s\n");
    stepAndWait();
    EXPECT_TRUE(controller().isPaused());
    for (int step = 0; step < 4; ++step) {
        action("RunStepItem")->trigger();
        QTest::qWait(20);
        WAIT_UNTIL(controller().isPaused());
    }
    WAIT_EQ(variables(), (QStringList{"s=1", "i=2"}));
    const Sequence& top = window.editor().document().topSequence();
    const auto& loop = dynamic_cast<const CompoundElement&>(top.at(1));
    EXPECT_EQ(window.view().runMark(), &loop.sequenceAt(0).at(0));

    action("RunStartItem")->trigger();
    waitForEnd();
    WAIT_EQ(output(), QStringLiteral("6"));
    EXPECT_EQ(window.view().runMark(), nullptr);
    EXPECT_EQ(variables(), (QStringList{"s=6", "i=3"}));
    // The trace table: a row per step; as a worksheet, empty, then solved.
    auto* trace = frame.findChild<QTableWidget*>(QStringLiteral("RunTrace"));
    EXPECT_EQ(trace->rowCount(), 9);
    EXPECT_EQ(trace->item(8, 4)->text(), "6");
    frame.findChild<QPushButton*>(QStringLiteral("TraceWorksheetButton"))->click();
    const QString sheet = QApplication::clipboard()->mimeData()->html();
    const qsizetype solution = sheet.indexOf("L\u00f6sung");
    EXPECT_LT(sheet.indexOf("Schreibtischtest"), solution);
    // Step 6 in both; s and the output 6 only in the solution.
    EXPECT_EQ(sheet.left(solution).count("<td>6</td>"), 1);
    EXPECT_EQ(sheet.mid(solution).count("<td>6</td>"), 3);
}

// F9 puts a breakpoint on the selected element, an undoable change that
// an .nsd file keeps: F5 stops there each time the run comes to it; F9
// again, while the run waits, takes it away and the run goes on.
TEST_F(RunTest, ARunStopsAtABreakpointEachTimeItComesToIt) {
    DocumentWindow& window =
        open("summe.txt", "s := 0\n\nf\xC3\xBCr i := 1 bis 3\n    s := s + i\n\nAusgabe: s\n");
    for (int i = 0; i < 3; ++i)
        window.editor().selectNext(1);
    action("RunBreakpointItem")->trigger();
    EXPECT_EQ(window.view().breakpoints().size(), 1u);
    EXPECT_EQ(window.editor().undoName(), QStringLiteral("Haltepunkt"));
    DocumentWindow& reopened =
        open("summe.nsd", QByteArray::fromStdString(encodeNsd(window.editor().document())));
    ASSERT_EQ(reopened.view().breakpoints().size(), 1u);
    EXPECT_EQ(reopened.view().breakpoints()[0]->lines(), std::vector<std::string>{"s := s + i"});
    frame.findChild<QMdiArea*>("MdiArea")->setActiveSubWindow(&window);
    for (const QStringList& expected : {QStringList{"s=0", "i=1"}, QStringList{"s=1", "i=2"}}) {
        action("RunStartItem")->trigger();
        QTest::qWait(20);
        WAIT_UNTIL(controller().isPaused());
        WAIT_EQ(variables(), expected);
    }
    action("RunBreakpointItem")->trigger();
    EXPECT_TRUE(window.view().breakpoints().empty());
    EXPECT_TRUE(controller().isPaused());
    action("RunStartItem")->trigger();
    waitForEnd();
    WAIT_EQ(output(), QStringLiteral("6"));
}

// Values typed before the program asks are read when it asks; an edit
// while the run waits ends it, says so, and takes the frame away.
TEST_F(RunTest, InputTypedAheadIsReadAndAnEditEndsAWaitingRun) {
    DocumentWindow& window =
        open("zwei.txt", "Eingabe: a\nEingabe: b\nAusgabe: a + b\n\nAusgabe: \"fertig\"\n");
    action("RunStepItem")->trigger();
    WAIT_UNTIL(controller().isPaused());
    auto* input = frame.findChild<QLineEdit*>(QStringLiteral("RunInput"));
    ASSERT_TRUE(input->isEnabled());
    QTest::keyClicks(input, "2 3");
    QTest::keyClick(input, Qt::Key_Return);
    for (int step = 0; step < 3; ++step) {
        action("RunStepItem")->trigger();
        QTest::qWait(20);
        WAIT_UNTIL(controller().isPaused());
    }
    WAIT_UNTIL(output().endsWith("5"));
    EXPECT_NE(window.view().runMark(), nullptr);
    appendBuilt(window.editor(), [](Sequence& top, const LayoutContext& context) {
        appendNew(top, ElementKind::Block, context, {"Ausgabe: 1"});
    });
    waitForEnd();
    EXPECT_EQ(window.view().runMark(), nullptr);
    EXPECT_EQ(frame.statusBar()->currentMessage(),
              "Ausf\u00fchrung beendet: das Struktogramm wurde ge\u00e4ndert");
    EXPECT_FALSE(output().contains("fertig"));
}

// With "Eingabe im Dialog" a small dialog asks with the program's prompt,
// or the variable's name when there is none; several values go in one line.
TEST_F(RunTest, TheInputDialogAsksWithTheProgramsPrompt) {
    open("frage.txt", "Eingabe: \"Wie viele?\", n\nEingabe: a, b\nAusgabe: n * (a + b)\n");
    frame.findChild<QCheckBox*>(QStringLiteral("RunInputDialogCheck"))->setChecked(true);
    action("RunStartItem")->trigger();
    for (const auto& [asked, answer] : {std::pair{"Wie viele?", "2"}, std::pair{"a", "3 4"}}) {
        QInputDialog* dialog = nullptr;
        WAIT_UNTIL((dialog = frame.findChild<QInputDialog*>(QStringLiteral("RunInputDialog"))));
        EXPECT_TRUE(dialog->labelText().startsWith(QString::fromLatin1(asked)))
            << dialog->labelText().toStdString();
        dialog->setTextValue(QString::fromLatin1(answer));
        // The next question may open its dialog before this one is gone.
        const QPointer<QInputDialog> answered = dialog;
        dialog->accept();
        WAIT_UNTIL(answered.isNull());
    }
    waitForEnd();
    EXPECT_EQ(output(), QStringLiteral("Wie viele?\n> 2\n> 3 4\n14"));
}

// Hineinspringen goes into a routine of another diagram: its file opens in
// a window of its own, which shows where the run is.
TEST_F(RunTest, SteppingIntoARoutineShowsItInItsOwnWindow) {
    const QDir source(QStringLiteral(VELBRANT_SOURCE_DIR "/tests/data/pseudocode"));
    for (const QString& name : source.entryList({QStringLiteral("*.nsd")}, QDir::Files))
        ASSERT_TRUE(QFile::copy(source.filePath(name), dir.filePath(name)));
    DocumentWindow* main = frame.files().openDocument(dir.filePath("rechner.nsd"));
    action("RunStepIntoItem")->trigger();
    WAIT_UNTIL(controller().isPaused());
    auto* input = frame.findChild<QLineEdit*>(QStringLiteral("RunInput"));
    QTest::keyClicks(input, "84 36");
    QTest::keyClick(input, Qt::Key_Return);
    for (int step = 0; step < 3 && frame.documents().size() == 1; ++step) {
        action("RunStepIntoItem")->trigger();
        QTest::qWait(20);
        WAIT_UNTIL(controller().isPaused());
        QApplication::processEvents();
    }
    ASSERT_EQ(frame.documents().size(), 2);
    DocumentWindow* routine = frame.activeDocument();
    ASSERT_NE(routine, main);
    EXPECT_TRUE(routine->fileName().startsWith("ggt")) << routine->fileName().toStdString();
    EXPECT_NE(routine->view().runMark(), nullptr);
    EXPECT_EQ(main->view().runMark(), nullptr);
    EXPECT_TRUE(frame.findChild<QDockWidget*>(QStringLiteral("RunVariablesDock"))
                    ->windowTitle()
                    .contains(QStringLiteral("Rechner \u2192 ")));
    action("RunStopItem")->trigger();
    waitForEnd();
}

// Beenden ends an endless loop that prints without end at once, with no
// error; what it printed until then stays.
TEST_F(RunTest, StoppingEndsARunThatWouldNotEnd) {
    open("endlos.txt", "x := 0\n\nsolange wahr\n    x := x + 1\n    Ausgabe: x\n");
    action("RunStartItem")->trigger();
    QTest::qWait(200);
    EXPECT_TRUE(controller().isRunning());
    action("RunStopItem")->trigger();
    ASSERT_TRUE(QTest::qWaitFor([this] { return !ends->isEmpty(); }, 1000));
    EXPECT_GT(output().split('\n').last().toInt(), 0) << output().right(100).toStdString();
    EXPECT_FALSE(output().contains("Fehler"));
}

// The input is typed in the dock; a division by zero frames its element,
// says why, and the diagram can be edited at once.
TEST_F(RunTest, AFailureFramesItsElementAndTheDiagramStaysEditable) {
    DocumentWindow& window = open("teilen.txt", "Eingabe: n\nx := 10 / n\nAusgabe: x\n");
    action("RunStartItem")->trigger();
    auto* input = frame.findChild<QLineEdit*>(QStringLiteral("RunInput"));
    WAIT_UNTIL(input->hasFocus());
    QTest::keyClicks(input, "0");
    QTest::keyClick(input, Qt::Key_Return);
    waitForEnd();
    WAIT_UNTIL(output().contains("Fehler: Division durch null"));
    DocumentEditor& editor = window.editor();
    EXPECT_EQ(window.view().runMark(), &editor.document().topSequence().at(0));
    appendBuilt(editor, [](Sequence& top, const LayoutContext& context) {
        appendNew(top, ElementKind::Block, context, {"Ausgabe: 1"});
    });
    EXPECT_EQ(editor.document().topSequence().size(), 2u);
    EXPECT_EQ(window.view().runMark(), nullptr);
}

} // namespace
} // namespace velbrant::test
