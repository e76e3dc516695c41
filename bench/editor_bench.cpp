#include "app/document_editor.h"
#include "app/document_view.h"
#include "app/document_window.h"
#include "app/main_window.h"
#include "diagram_builder.h"

#include <QApplication>
#include <QTest>
#include <benchmark/benchmark.h>

namespace velbrant {
namespace {

// A click that selects an element, and the full repaint it causes, on a
// 500-element diagram at 100 % zoom (offscreen).
void BM_ClickToRepaint(benchmark::State& state) {
    MainWindow frame;
    frame.resize(1280, 1024);
    frame.show();
    if (!QTest::qWaitForWindowExposed(&frame))
        state.SkipWithError("the frame was never shown");
    DocumentWindow* window = frame.newDocument();
    window->editor().edit([](Sequence& top, const LayoutContext& context) {
        test::buildMixedTree(top, context, 500, 4);
    });
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
