// Code generation for a large diagram with realistic pseudocode; the
// target is 100 ms for 20,000 elements in each language.

#include "model/code/code_generator.h"
#include "model/document.h"
#include "pseudocode_builder.h"
#include "recording_canvas.h"

#include <benchmark/benchmark.h>

namespace velbrant {
namespace {

constexpr int ElementCount = 20'000;

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

} // namespace
} // namespace velbrant

BENCHMARK_MAIN();
