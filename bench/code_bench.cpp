// A large diagram with realistic pseudocode as programs (target: 100 ms
// for 20,000 elements in each language), one in Structorizer's pseudocode
// (150 ms), and as text (50 ms each way). The targets are listed at the end.

#include "diagram_builder.h"
#include "model/code/code_generator.h"
#include "model/diagram/compound_element.h"
#include "model/diagram/document.h"
#include "model/notation/exact_characters.h"
#include "pseudocode_builder.h"
#include "recording_canvas.h"
#include "targets.h"

#include <array>
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

void measure(benchmark::State& state, const Document& document, CodeLanguage language,
             double targetMs) {
    std::size_t bytes = 0;
    for (auto _ : state)
        bytes = generateCode(document, language).text.size();
    state.counters["program_kb"] = static_cast<double>(bytes) / 1024;
    state.SetItemsProcessed(state.iterations() * ElementCount);
    bench::setTargetMs(state, targetMs);
}

void generate(benchmark::State& state, CodeLanguage language) {
    FixedWidthMeasurer measurer;
    Document document(measurer);
    std::mt19937 random(7);
    test::buildPseudocodeTree(document.topSequence(), document.layoutContext(measurer, {}), random,
                              ElementCount, 8);
    measure(state, document, language, 100);
}

// Groups of Structorizer's own forms, a loop and a conditional each,
// repeated to 20,000 elements.
void fillStructorizer(Document& document, TextMeasurer& measurer) {
    const LayoutContext context = document.layoutContext(measurer, {});
    const std::array<std::vector<std::string>, 4> statements{{
        {"x <- random(100)", "var preis: double", "preis <- sqrt(x) + pow(2, 3)"},
        {"INPUT \"Wie viele?\", n", "OUTPUT \"Summe: \" + summe, round(preis)"},
        {"const GRENZE = 10", "int k <- abs(x - GRENZE)", "inc(summe)"},
        {"OUTPUT max(x, k), min(n, 3), length(\"Hallo\")"},
    }};
    Sequence& top = document.topSequence();
    for (int made = 0; made < ElementCount; made += 8) {
        Element& loop =
            test::appendNew(top, ElementKind::ForLoop, context, {"for i <- 1 to n by 2"});
        Sequence& body = dynamic_cast<CompoundElement&>(loop).sequenceAt(0);
        for (const auto& lines : statements)
            test::appendNew(body, ElementKind::Block, context, lines);
        Element& choice = test::appendNew(body, ElementKind::Conditional, context, {"k >= GRENZE"});
        test::appendNew(dynamic_cast<CompoundElement&>(choice).sequenceAt(0), ElementKind::Exit,
                        context, {"leave"});
        test::appendNew(top, ElementKind::Block, context, {"summe <- summe + floor(preis)"});
    }
}

void structorizer(benchmark::State& state, CodeLanguage language) {
    FixedWidthMeasurer measurer;
    Document document(measurer);
    fillStructorizer(document, measurer);
    measure(state, document, language, 150);
}

void BM_StructorizerCode20000Python(benchmark::State& state) {
    structorizer(state, CodeLanguage::Python);
}
void BM_StructorizerCode20000Java(benchmark::State& state) {
    structorizer(state, CodeLanguage::Java);
}
void BM_StructorizerCode20000C(benchmark::State& state) {
    structorizer(state, CodeLanguage::C);
}
void BM_StructorizerCode20000Pascal(benchmark::State& state) {
    structorizer(state, CodeLanguage::Pascal);
}
BENCHMARK(BM_StructorizerCode20000Python)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_StructorizerCode20000Java)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_StructorizerCode20000C)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_StructorizerCode20000Pascal)->Unit(benchmark::kMillisecond);

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
    // As the text view and a .txt file get it: UTF-8 with exact characters.
    for (auto _ : state)
        bytes = exactUtf8(writeNotation(document), document).size();
    state.counters["text_kb"] = static_cast<double>(bytes) / 1024;
    bench::setTargetMs(state, 50);
}
BENCHMARK(BM_Notation20000Write)->Unit(benchmark::kMillisecond);

void BM_Notation20000Read(benchmark::State& state) {
    FixedWidthMeasurer measurer;
    Document document(measurer);
    fill(document, measurer);
    const LayoutContext context = document.layoutContext(measurer, {});
    const std::string text = exactUtf8(writeNotation(document), document);
    for (auto _ : state) {
        ReplacedCharacters replaced;
        benchmark::DoNotOptimize(readExactNotation(text, context, replaced));
    }
    bench::setTargetMs(state, 50);
}
BENCHMARK(BM_Notation20000Read)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace velbrant

int main(int argc, char* argv[]) {
    velbrant::bench::runWithTargets(argc, argv);
}
