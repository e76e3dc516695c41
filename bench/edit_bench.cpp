// What one edit costs on diagrams of 2,000, 20,000 and 100,000 elements:
// the operation with its undo step and relayout, and undo and redo of it.
// Targets: 16 ms at 20,000, 50 ms at 100,000.

#include "app/document_editor.h"
#include "diagram_builder.h"
#include "model/element_format.h"

#include <QGuiApplication>
#include <benchmark/benchmark.h>
#include <functional>
#include <memory>

namespace velbrant {
namespace {

std::unique_ptr<DocumentEditor> editorWith(int elements) {
    auto editor = std::make_unique<DocumentEditor>(DefaultLabels{});
    editor->paste(test::runOf(
                      [elements](Sequence& run, const LayoutContext& context) {
                          test::buildMixedTree(run, context, elements, 4);
                      },
                      editor->layoutContext()),
                  {0, 0}, InsertMode::After);
    return editor;
}

Point firstElement(const DocumentEditor& editor) {
    const Element& first = editor.document().topSequence().at(0);
    return {first.left() + 5, first.top() + 5};
}

// Times `edit`; `restore` brings the document back untimed.
void timeEdit(benchmark::State& state, const std::function<void(DocumentEditor&)>& edit,
              const std::function<void(DocumentEditor&)>& restore) {
    const auto editor = editorWith(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        edit(*editor);
        state.PauseTiming();
        restore(*editor);
        state.ResumeTiming();
    }
}

void undo(DocumentEditor& editor) {
    editor.undo();
}

void BM_Insert(benchmark::State& state) {
    timeEdit(
        state,
        [](DocumentEditor& e) {
            e.insertNewElement(ElementKind::Block, firstElement(e), InsertMode::After);
        },
        undo);
}

void BM_Delete(benchmark::State& state) {
    timeEdit(
        state,
        [](DocumentEditor& e) {
            e.selectIndex(0);
            e.deleteSelection();
        },
        undo);
}

void BM_Move(benchmark::State& state) {
    timeEdit(
        state,
        [](DocumentEditor& e) {
            e.selectIndex(0);
            e.moveSelectionStep(1);
        },
        undo);
}

void BM_TextCommit(benchmark::State& state) {
    timeEdit(
        state,
        [](DocumentEditor& e) {
            e.selectIndex(0);
            e.beginTextEntryOnSelection();
            e.commitTextEntry({"summe := summe + 1"});
        },
        undo);
}

void BM_Format(benchmark::State& state) {
    timeEdit(
        state,
        [](DocumentEditor& e) {
            e.selectIndex(0);
            ElementFormat format;
            format.font = {"Arial", 14, 0};
            e.applyFormat(format);
        },
        undo);
}

void BM_UndoInsert(benchmark::State& state) {
    const auto editor = editorWith(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        state.PauseTiming();
        editor->insertNewElement(ElementKind::Block, firstElement(*editor), InsertMode::After);
        state.ResumeTiming();
        editor->undo();
    }
}

void BM_RedoInsert(benchmark::State& state) {
    const auto editor = editorWith(static_cast<int>(state.range(0)));
    editor->insertNewElement(ElementKind::Block, firstElement(*editor), InsertMode::After);
    editor->undo();
    for (auto _ : state) {
        editor->redo();
        state.PauseTiming();
        editor->undo();
        state.ResumeTiming();
    }
}

void sizes(benchmark::internal::Benchmark* benchmark) {
    benchmark->Arg(2'000)->Arg(20'000)->Arg(100'000)->Unit(benchmark::kMillisecond);
}
BENCHMARK(BM_Insert)->Apply(sizes);
BENCHMARK(BM_Delete)->Apply(sizes);
BENCHMARK(BM_Move)->Apply(sizes);
BENCHMARK(BM_TextCommit)->Apply(sizes);
BENCHMARK(BM_Format)->Apply(sizes);
BENCHMARK(BM_UndoInsert)->Apply(sizes);
BENCHMARK(BM_RedoInsert)->Apply(sizes);

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
