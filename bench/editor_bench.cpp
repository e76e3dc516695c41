#include "app/document/document_editor.h"
#include "app/document/document_view.h"
#include "app/document/document_window.h"
#include "app/frame/file_commands.h"
#include "app/frame/main_window.h"
#include "diagram_builder.h"
#include "model/diagram/sequence.h"
#include "model/notation/exact_characters.h"
#include "targets.h"

#include <QAction>
#include <QApplication>
#include <QCoreApplication>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>
#include <benchmark/benchmark.h>

namespace velbrant {
namespace {

// A shown frame's new document holding a mixed tree of that many elements.
DocumentWindow* shownDocument(benchmark::State& state, MainWindow& frame, int elements) {
    frame.resize(1280, 1024);
    frame.show();
    if (!QTest::qWaitForWindowExposed(&frame))
        state.SkipWithError("the frame was never shown");
    DocumentWindow* window = frame.files().newDocument();
    DocumentEditor& editor = window->editor();
    editor.paste(test::runOf(
                     [elements](Sequence& run, const LayoutContext& context) {
                         test::buildMixedTree(run, context, elements, 4);
                     },
                     editor.layoutContext()),
                 {0, 0}, InsertMode::After);
    return window;
}

// A click that selects an element, and the full repaint it causes, at
// 100 % zoom (offscreen).
void BM_ClickToRepaint(benchmark::State& state) {
    MainWindow frame;
    DocumentWindow* window = shownDocument(state, frame, static_cast<int>(state.range(0)));
    DocumentView& view = window->view();
    view.viewport()->repaint();
    const Element& target = window->editor().document().topSequence().at(0);
    const QPoint pixel = view.toPixel({target.left() + 5, target.top() + 5}).toPoint();
    for (auto _ : state) {
        QTest::mouseClick(view.viewport(), Qt::LeftButton, {}, pixel);
        view.viewport()->repaint();
    }
    if (!target.isSelected())
        state.SkipWithError("the click selected nothing");
    bench::setTargetMs(state, 16);
}
BENCHMARK(BM_ClickToRepaint)->Arg(500)->Arg(100'000)->Unit(benchmark::kMillisecond);

// Alt+Down on a statement of the first screen and Ctrl+Z, each with the
// repaint and the frame's command refresh it causes.
void BM_MoveAndUndoToRepaint(benchmark::State& state) {
    MainWindow frame;
    DocumentWindow* window = shownDocument(state, frame, static_cast<int>(state.range(0)));
    DocumentEditor& editor = window->editor();
    DocumentView& view = window->view();
    editor.selectIndex(1);
    view.viewport()->repaint();
    for (auto _ : state) {
        QTest::keyClick(&view, Qt::Key_Down, Qt::AltModifier);
        QCoreApplication::processEvents();
        view.viewport()->repaint();
        editor.undo();
        QCoreApplication::processEvents();
        view.viewport()->repaint();
        state.PauseTiming();
        editor.selectIndex(1);
        state.ResumeTiming();
    }
    if (!editor.canRedo())
        state.SkipWithError("nothing was moved");
    bench::setTargetMs(state, 2 * 50);
}
BENCHMARK(BM_MoveAndUndoToRepaint)->Arg(100'000)->Unit(benchmark::kMillisecond);

// Page Down through a 100,000-element diagram, each page painted.
void BM_ScrollByPage(benchmark::State& state) {
    MainWindow frame;
    DocumentWindow* window = shownDocument(state, frame, static_cast<int>(state.range(0)));
    DocumentView& view = window->view();
    view.viewport()->repaint();
    QScrollBar& bar = *view.verticalScrollBar();
    for (auto _ : state) {
        bar.setValue(bar.value() + bar.pageStep() >= bar.maximum() ? 0
                                                                   : bar.value() + bar.pageStep());
        view.viewport()->repaint();
    }
    bench::setTargetMs(state, 16);
}
BENCHMARK(BM_ScrollByPage)->Arg(100'000)->Unit(benchmark::kMillisecond);

// Dragging the first element over a 2,000-element diagram: each pointer
// move finds the drop target and repaints the preview's region (offscreen).
void BM_DragPreview(benchmark::State& state) {
    MainWindow frame;
    DocumentWindow* window = shownDocument(state, frame, 2000);
    DocumentEditor& editor = window->editor();
    DocumentView& view = window->view();
    view.setZoom(0.25);
    view.viewport()->repaint();
    const Element& first = editor.document().topSequence().at(0);
    const QPoint start = view.toPixel({first.left() + 5, first.top() + 5}).toPoint();
    QTest::mouseClick(view.viewport(), Qt::LeftButton, {}, start);
    QTest::mousePress(view.viewport(), Qt::LeftButton, {}, start);
    int step = 0;
    for (auto _ : state) {
        const QPoint to = start + QPoint(40 + step % 200, 40 + (step * 7) % 600);
        QTest::mouseMove(view.viewport(), to);
        QCoreApplication::processEvents();
        ++step;
    }
    QTest::keyClick(&view, Qt::Key_Escape);
}
BENCHMARK(BM_DragPreview)->Unit(benchmark::kMillisecond);

// A key typed into the text view beside a 2,000-element diagram, with the
// events it causes; the diagram is rebuilt only after the pause.
void BM_TypingInTextView2000(benchmark::State& state) {
    MainWindow frame;
    shownDocument(state, frame, 2000);
    frame.findChild<QAction*>(QStringLiteral("ViewTextItem"))->trigger();
    auto* text = frame.findChild<QPlainTextEdit*>(QStringLiteral("NotationText"));
    text->setFocus();
    text->moveCursor(QTextCursor::End);
    QTest::keyClick(text, Qt::Key_Return);
    for (auto _ : state) {
        QTest::keyClick(text, Qt::Key_X);
        QCoreApplication::processEvents();
    }
}
BENCHMARK(BM_TypingInTextView2000)->Unit(benchmark::kMillisecond);

// The pause over: a 2,000-element diagram rebuilt from its text, with its
// undo step, relayout and the text view's rewrite.
void BM_RebuildFromText2000(benchmark::State& state) {
    MainWindow frame;
    DocumentWindow* window = shownDocument(state, frame, 2000);
    frame.findChild<QAction*>(QStringLiteral("ViewTextItem"))->trigger();
    const Document& document = window->editor().document();
    const std::string text = exactUtf8(writeNotation(document), document);
    for (auto _ : state)
        window->editor().replaceFromText(text);
}
BENCHMARK(BM_RebuildFromText2000)->Unit(benchmark::kMillisecond);

// A 100,000-element file written once for the file benchmarks.
class LargeFile {
public:
    LargeFile() {
        MainWindow frame;
        DocumentWindow* window = frame.files().newDocument();
        DocumentEditor& editor = window->editor();
        editor.paste(test::runOf(
                         [](Sequence& run, const LayoutContext& context) {
                             test::buildMixedTree(run, context, 100'000, 4);
                         },
                         editor.layoutContext()),
                     {0, 0}, InsertMode::After);
        QString error;
        if (!window->writeFile(path(), &error))
            qFatal("%s", qPrintable(error));
    }
    QString path() const { return m_dir.filePath(QStringLiteral("large.STR")); }

private:
    QTemporaryDir m_dir;
};

const LargeFile& largeFile() {
    static const LargeFile file;
    return file;
}

// Open a 100,000-element file in the editor and paint its first screen.
void BM_OpenAndFirstPaint100000(benchmark::State& state) {
    const QString path = largeFile().path();
    MainWindow frame;
    frame.resize(1280, 1024);
    frame.show();
    if (!QTest::qWaitForWindowExposed(&frame))
        state.SkipWithError("the frame was never shown");
    for (auto _ : state) {
        DocumentWindow* window = frame.files().openDocument(path);
        window->view().viewport()->repaint();
        state.PauseTiming();
        delete window;
        state.ResumeTiming();
    }
    bench::setTargetMs(state, 300);
}
BENCHMARK(BM_OpenAndFirstPaint100000)->Unit(benchmark::kMillisecond);

// Save a 100,000-element document (encode and write through QSaveFile).
void BM_Save100000(benchmark::State& state) {
    MainWindow frame;
    DocumentWindow* window = frame.files().openDocument(largeFile().path());
    QTemporaryDir dir;
    const QString target = dir.filePath(QStringLiteral("copy.STR"));
    QString error;
    for (auto _ : state) {
        if (!window->writeFile(target, &error))
            state.SkipWithError(qPrintable(error));
    }
}
BENCHMARK(BM_Save100000)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace velbrant

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    velbrant::bench::runWithTargets(argc, argv);
}
