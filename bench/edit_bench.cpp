// What one edit costs on diagrams of 2,000, 20,000 and 100,000 elements:
// the command with its undo step, relayout and signal; undo and redo of
// it; and the memory 100 undo steps keep. Targets: 16 ms at 20,000 and
// 50 ms at 100,000 elements; 20 MB for 100 steps at 20,000.

#include "app/document/document_editor.h"
#include "diagram_builder.h"
#include "model/diagram/element_format.h"
#include "targets.h"

#include <QGuiApplication>
#include <array>
#include <functional>
#include <memory>
#include <string>

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
    editor->nameNewDocument("Ein großes Struktogramm");
    return editor;
}

// The element at a reading-order place, a point inside it.
Point pointAt(DocumentEditor& editor, std::size_t index) {
    editor.selectIndex(index);
    const auto box = editor.selectionBox();
    editor.clearSelection();
    return {box->first.x + 5, box->first.y + 5};
}

// What a command needs, found untimed: the point it aims at, the run it
// pastes, the selection it works on.
struct Aim {
    Point at;
    Bytes run;
};

// One command: its aim (untimed), then the command.
struct Edit {
    const char* name;
    std::function<Aim(DocumentEditor&, std::size_t place)> aim;
    std::function<void(DocumentEditor&, const Aim&)> run;
};

Aim pointAtPlace(DocumentEditor& editor, std::size_t place) {
    return {pointAt(editor, place), {}};
}

Aim selectPlace(DocumentEditor& editor, std::size_t place) {
    editor.selectIndex(place);
    return {};
}

const std::array<Edit, 6>& edits() {
    static const std::array<Edit, 6> all{{
        {"Insert", pointAtPlace,
         [](DocumentEditor& e, const Aim& aim) {
             e.insertNewElement(ElementKind::Block, aim.at, InsertMode::After);
         }},
        {"Delete", selectPlace, [](DocumentEditor& e, const Aim&) { e.deleteSelection(); }},
        {"Paste",
         [](DocumentEditor& e, std::size_t place) {
             e.selectIndex(place);
             Bytes run = e.copySelection();
             return Aim{pointAt(e, place), std::move(run)};
         },
         [](DocumentEditor& e, const Aim& aim) { e.paste(aim.run, aim.at, InsertMode::After); }},
        {"Move", selectPlace,
         [](DocumentEditor& e, const Aim&) {
             e.moveSelectionStep(e.selectedSequence()->canMoveSelectedRun(1) ? 1 : -1);
         }},
        {"TextCommit", selectPlace,
         [](DocumentEditor& e, const Aim&) {
             e.beginTextEntryOnSelection();
             e.commitTextEntry({"summe := summe + zahl[i] * gewicht[i]"});
         }},
        {"Format", selectPlace,
         [](DocumentEditor& e, const Aim&) {
             ElementFormat format;
             format.font = {"Arial", 14, 0};
             e.applyFormat(format);
         }},
    }};
    return all;
}

// Each edit on a statement in the middle of the diagram, where everything
// below it moves, with a neighbour to move past.
std::size_t middle(DocumentEditor& editor, int elements) {
    auto place = static_cast<std::size_t>(elements / 2);
    while (editor.selectIndex(place) && editor.selectedSequence()->size() < 2)
        ++place;
    editor.clearSelection();
    return place;
}

void setTarget(benchmark::State& state) {
    if (state.range(0) >= 100'000)
        bench::setTargetMs(state, 50);
    else if (state.range(0) >= 20'000)
        bench::setTargetMs(state, 16);
}

enum class Phase { Edit, Undo, Redo };

// How many elements the one at the place holds, itself counted.
double subtreeSize(DocumentEditor& editor, std::size_t place) {
    editor.selectIndex(place);
    const Bytes run = editor.copySelection();
    editor.clearSelection();
    auto copy = std::make_unique<DocumentEditor>(DefaultLabels{});
    copy->paste(run, {0, 0}, InsertMode::After);
    return static_cast<double>(
        const_cast<Sequence&>(copy->document().topSequence()).readingOrder().size());
}

// Times one phase of the edit; the others bring the document back untimed.
void timePhase(benchmark::State& state, const Edit& edit, Phase phase) {
    const int elements = static_cast<int>(state.range(0));
    const auto editor = editorWith(elements);
    const std::size_t place = middle(*editor, elements);
    state.counters["touched"] = subtreeSize(*editor, place);
    for (auto _ : state) {
        state.PauseTiming();
        editor->clearSelection();
        const Aim aim = edit.aim(*editor, place);
        const std::size_t levels = editor->history().levels();
        if (phase == Phase::Edit)
            state.ResumeTiming();
        edit.run(*editor, aim);
        if (editor->history().levels() == levels) {
            state.SkipWithError("the edit changed nothing");
            break;
        }
        if (phase == Phase::Undo)
            state.ResumeTiming();
        editor->undo();
        if (phase == Phase::Redo) {
            state.ResumeTiming();
            editor->redo();
            state.PauseTiming();
            editor->undo();
            state.ResumeTiming();
        }
    }
    setTarget(state);
}

// 100 edits of every kind at places all over a 20,000-element diagram.
void BM_HistoryOf100Steps(benchmark::State& state) {
    for (auto _ : state) {
        state.PauseTiming();
        const auto fresh = editorWith(static_cast<int>(state.range(0)));
        state.ResumeTiming();
        for (std::size_t i = 0; i < 100; ++i) {
            const Edit& edit = edits()[i % edits().size()];
            const std::size_t place = (i * 7919) % 15'000;
            fresh->clearSelection();
            edit.run(*fresh, edit.aim(*fresh, place));
        }
        state.counters["MB"] = static_cast<double>(fresh->history().bytes()) / (1 << 20);
        state.counters["steps"] = static_cast<double>(fresh->history().levels());
    }
    state.counters["target_MB"] = 20;
}

void sizes(benchmark::internal::Benchmark* benchmark) {
    benchmark->Arg(2'000)->Arg(20'000)->Arg(100'000)->Unit(benchmark::kMillisecond);
}

void registerAll() {
    const std::pair<Phase, const char*> phases[] = {
        {Phase::Edit, ""}, {Phase::Undo, "Undo"}, {Phase::Redo, "Redo"}};
    for (const auto& [phase, prefix] : phases)
        for (const Edit& edit : edits())
            benchmark::RegisterBenchmark(
                ("BM_" + std::string(prefix) + edit.name).c_str(),
                [&edit, phase = phase](benchmark::State& state) { timePhase(state, edit, phase); })
                ->Apply(sizes);
    benchmark::RegisterBenchmark("BM_HistoryOf100Steps", BM_HistoryOf100Steps)
        ->Arg(20'000)
        ->Unit(benchmark::kMillisecond)
        ->Iterations(1);
}

} // namespace
} // namespace velbrant

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    velbrant::registerAll();
    velbrant::bench::runWithTargets(argc, argv);
}
