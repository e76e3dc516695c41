#include "app/document_editor.h"
#include "app/document_view.h"
#include "app/document_window.h"
#include "app/file_commands.h"
#include "app/main_window.h"
#include "diagram_builder.h"
#include "model/notation/text_notation.h"
#include "model/sequence.h"

#include <QAction>
#include <QApplication>
#include <QCoreApplication>
#include <QPlainTextEdit>
#include <QTemporaryDir>
#include <QTest>
#include <benchmark/benchmark.h>

namespace velbrant {
namespace {

// A click that selects an element, and the full repaint it causes, on a
// 500-element diagram at 100 % zoom (offscreen).
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

void BM_ClickToRepaint(benchmark::State& state) {
    MainWindow frame;
    DocumentWindow* window = shownDocument(state, frame, 500);
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
}
BENCHMARK(BM_ClickToRepaint)->Unit(benchmark::kMillisecond);

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
    const std::string text = writeNotation(window->editor().document()).text;
    for (auto _ : state)
        window->editor().replaceFromText(text);
}
BENCHMARK(BM_RebuildFromText2000)->Unit(benchmark::kMillisecond);

// A 20,000-element file written once for the file benchmarks.
class LargeFile {
public:
    LargeFile() {
        MainWindow frame;
        DocumentWindow* window = frame.files().newDocument();
        DocumentEditor& editor = window->editor();
        editor.paste(test::runOf(
                         [](Sequence& run, const LayoutContext& context) {
                             test::buildMixedTree(run, context, 20'000, 4);
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

// Open a 20,000-element file in the editor and paint its first screen.
void BM_OpenAndFirstPaint20000(benchmark::State& state) {
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
}
BENCHMARK(BM_OpenAndFirstPaint20000)->Unit(benchmark::kMillisecond);

// Save a 20,000-element document (encode and write through QSaveFile).
void BM_Save20000(benchmark::State& state) {
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
BENCHMARK(BM_Save20000)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace velbrant

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
}
