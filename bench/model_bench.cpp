#include "diagram_builder.h"
#include "model/diagram/document.h"
#include "model/diagram/sequence.h"
#include "model/elements/block.h"
#include "model/files/default_labels_file.h"
#include "model/files/profile_file.h"
#include "model/structorizer/nsd_file.h"
#include "recording_canvas.h"
#include "render/qt_canvas.h"

#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <benchmark/benchmark.h>
#include <memory>
#include <string>

namespace velbrant {
namespace {

constexpr int StatementCount = 10'000;

// A top sequence of statements with one or two lines of typical text.
std::unique_ptr<Sequence> makeStatements(const LayoutContext& layout) {
    auto sequence = std::make_unique<Sequence>(100, 100, 0, 0);
    for (int i = 0; i < StatementCount; ++i) {
        auto block = std::make_unique<Block>(layout);
        std::vector<std::string> lines{"summe := summe + wert[" + std::to_string(i) + "]"};
        if (i % 3 == 0)
            lines.push_back("i\t:= i + 1 <- naechster Index");
        block->setLines(std::move(lines));
        sequence->append(std::move(block));
    }
    sequence->relayout(layout);
    return sequence;
}

// Layout keeps what did not change: every element is marked changed
// first, untimed, so that each pass lays out the whole tree as a load does.
void relayoutAll(benchmark::State& state, Sequence& tree, const LayoutContext& layout) {
    for (auto _ : state) {
        state.PauseTiming();
        tree.walkReadingOrder([](Element& element, Sequence&) {
            element.setLines(element.lines());
            return true;
        });
        state.ResumeTiming();
        tree.relayout(layout);
    }
    state.SetItemsProcessed(state.iterations() * StatementCount);
}

void relayoutStatements(benchmark::State& state, TextMeasurer& measurer, int lineHeight) {
    const LayoutContext layout{measurer, {"Arial", 10, 0}, lineHeight};
    const auto sequence = makeStatements(layout);
    relayoutAll(state, *sequence, layout);
}

void BM_RelayoutFakeMetrics(benchmark::State& state) {
    FixedWidthMeasurer measurer;
    relayoutStatements(state, measurer, 39);
}
BENCHMARK(BM_RelayoutFakeMetrics)->Unit(benchmark::kMillisecond);

// Every other statement of 40,000 selected and deleted at once (the timing
// includes freeing the rest).
void BM_DeleteHalfOf40000(benchmark::State& state) {
    FixedWidthMeasurer measurer;
    const LayoutContext layout{measurer, {"Arial", 10, 0}, 39};
    for (auto _ : state) {
        state.PauseTiming();
        Sequence sequence(100, 100, 0, 0);
        for (int i = 0; i < 40'000; ++i) {
            auto block = std::make_unique<Block>(layout);
            block->setSelected(i % 2 == 0);
            sequence.append(std::move(block));
        }
        state.ResumeTiming();
        sequence.deleteSelected(layout);
    }
}
BENCHMARK(BM_DeleteHalfOf40000)->Unit(benchmark::kMillisecond);

// Reading and laying out a 20,000-element Structorizer file.
void BM_ReadNsd20000(benchmark::State& state) {
    QtTextMeasurer measurer;
    Document source(measurer);
    test::buildMixedTree(source.topSequence(), source.layoutContext(measurer, DefaultLabels{}),
                         20'000, 4);
    const std::string file = encodeNsd(source);
    for (auto _ : state)
        benchmark::DoNotOptimize(loadNsd(file, measurer, DefaultLabels{}));
    state.counters["MB"] = static_cast<double>(file.size()) / (1 << 20);
}
BENCHMARK(BM_ReadNsd20000)->Unit(benchmark::kMillisecond);

// A settings file of 30,000 lines in the labels' own section: read it, take
// the labels, set them again and write it (target: 50 ms).
void BM_SettingsFile30000Lines(benchmark::State& state) {
    std::string text = "[defaults]\n";
    for (int i = 0; i < 30'000; ++i)
        text += "Schluessel" + std::to_string(i) + "=Wert " + std::to_string(i) + "\n";
    for (auto _ : state) {
        ProfileFile file(text);
        const DefaultLabels labels = readDefaultLabels(file, DefaultLabels{});
        writeDefaultLabels(file, labels);
        benchmark::DoNotOptimize(file.text());
    }
}
BENCHMARK(BM_SettingsFile30000Lines)->Unit(benchmark::kMillisecond);

void BM_RelayoutQtMetrics(benchmark::State& state) {
    QtTextMeasurer measurer;
    relayoutStatements(state, measurer, lineHeightOf(measurer, {"Arial", 10, 0}));
}
BENCHMARK(BM_RelayoutQtMetrics)->Unit(benchmark::kMillisecond);

// All kinds mixed and nested 20 deep, measured with real font metrics.
void BM_RelayoutMixedTree(benchmark::State& state) {
    QtTextMeasurer measurer;
    const LayoutContext layout{
        measurer, {"Arial", 10, 0}, lineHeightOf(measurer, {"Arial", 10, 0})};
    const auto tree = test::build(test::buildMixedTree, layout, StatementCount, 20);
    relayoutAll(state, *tree, layout);
}
BENCHMARK(BM_RelayoutMixedTree)->Unit(benchmark::kMillisecond);

void BM_DrawRecording(benchmark::State& state) {
    RecordingCanvas canvas;
    const LayoutContext layout{canvas, {"Arial", 10, 0}, 39};
    const auto sequence = makeStatements(layout);
    for (auto _ : state) {
        canvas.clear();
        DrawContext context{1.0, {100, 100}};
        context.labels.replaceArrow = true;
        sequence->draw(canvas, context);
    }
    state.SetItemsProcessed(state.iterations() * StatementCount);
}
BENCHMARK(BM_DrawRecording)->Unit(benchmark::kMillisecond);

// A screen-sized window onto the top of the diagram at 100 % zoom; the
// rest is clipped away by the painter.
void BM_DrawQtScreen(benchmark::State& state) {
    QtTextMeasurer measurer;
    const LayoutContext layout{
        measurer, {"Arial", 10, 0}, lineHeightOf(measurer, {"Arial", 10, 0})};
    const auto sequence = makeStatements(layout);
    QImage image(1280, 1024, QImage::Format_RGB32);
    for (auto _ : state) {
        image.fill(Qt::white);
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.scale(0.378, 0.378);
        QtCanvas canvas(painter, measurer);
        DrawContext context{1.0, {100, 100}};
        context.labels.replaceArrow = true;
        context.clipTopLeft = {0, 0};
        context.clipBottomRight = {rnd(1280 / 0.378), rnd(1024 / 0.378)};
        sequence->draw(canvas, context);
    }
}
BENCHMARK(BM_DrawQtScreen)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace velbrant

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
}
