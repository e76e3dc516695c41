// A large diagram with realistic pseudocode as programs (target: 100 ms
// for 20,000 elements in each language) and as text (50 ms each way).

#include "model/code/code_generator.h"
#include "model/diagram/document.h"
#include "model/notation/text_notation.h"
#include "pseudocode_builder.h"
#include "recording_canvas.h"

#include <benchmark/benchmark.h>

namespace velbrant {
namespace {

constexpr int ElementCount = 20'000;

// The same 20,000 elements of pseudocode for every benchmark.
void fill(Document& document, TextMeasurer& measurer) {
    std::mt19937 random(7);
    test::buildPseudocodeTree(document.topSequence(), document.layoutContext(measurer, {}), random,
                              ElementCount, 8);
}

void generate(benchmark::State& state, CodeLanguage language) {
    FixedWidthMeasurer measurer;
    Document document(measurer);
    std::mt19937 random(7);
    test::buildPseudocodeTree(document.topSequence(), document.layoutContext(measurer, {}), random,
                              ElementCount, 8);
    std::size_t bytes = 0;
    for (auto _ : state)
        bytes = generateCode(document, language).text.size();
    state.counters["program_kb"] = static_cast<double>(bytes) / 1024;
    state.SetItemsProcessed(state.iterations() * ElementCount);
}

void BM_Code20000Python(benchmark::State& state) {
    generate(state, CodeLanguage::Python);
}
void BM_Code20000Java(benchmark::State& state) {
    generate(state, CodeLanguage::Java);
}
void BM_Code20000C(benchmark::State& state) {
    generate(state, CodeLanguage::C);
}
void BM_Code20000Pascal(benchmark::State& state) {
    generate(state, CodeLanguage::Pascal);
}
BENCHMARK(BM_Code20000Python)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Code20000Java)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Code20000C)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Code20000Pascal)->Unit(benchmark::kMillisecond);

void BM_Notation20000Write(benchmark::State& state) {
    FixedWidthMeasurer measurer;
    Document document(measurer);
    std::mt19937 random(7);
    test::buildPseudocodeTree(document.topSequence(), document.layoutContext(measurer, {}), random,
                              ElementCount, 8);
    std::size_t bytes = 0;
    for (auto _ : state)
        bytes = writeNotation(document).text.size();
    state.counters["text_kb"] = static_cast<double>(bytes) / 1024;
}
BENCHMARK(BM_Notation20000Write)->Unit(benchmark::kMillisecond);

void BM_Notation20000Read(benchmark::State& state) {
    FixedWidthMeasurer measurer;
    Document document(measurer);
    fill(document, measurer);
    const LayoutContext context = document.layoutContext(measurer, {});
    const std::string text = writeNotation(document).text;
    for (auto _ : state)
        benchmark::DoNotOptimize(readNotation(text, context));
}
BENCHMARK(BM_Notation20000Read)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace velbrant

BENCHMARK_MAIN();
