#include "diagram_builder.h"
#include "model/elements/case.h"
#include "model/files/structogram_file.h"
#include "model/files/transfer_stream.h"
#include "model/history/edits.h"
#include "model/history/undo_history.h"
#include "model/history/undo_snapshot.h"
#include "model_fixture.h"

#include <random>

namespace velbrant::test {
namespace {

class UndoTest : public ModelTest {
protected:
    Document document{canvas};
    UndoHistory history;

    LayoutContext documentContext() { return document.layoutContext(canvas, DefaultLabels{}); }
    void relayout() { document.relayout(documentContext(), PaperSize{}); }
    Bytes fileBytes() { return encodeDocument(document); }
    // The same document laid out from nothing, as a file loads it.
    Bytes freshlyLaidOut() {
        Document fresh(canvas);
        fresh.setFormat(document.format());
        restoreSnapshot(fresh, takeSnapshot(document), documentContext());
        fresh.layout(canvas, PaperSize{});
        return encodeDocument(fresh);
    }
    void record(Changes changes) {
        if (!changes.empty())
            history.record(std::move(changes));
        document.topSequence().deselectAll();
        relayout();
    }
    void turn(void (UndoHistory::*direction)(const UndoHistory::Apply&)) {
        const LayoutContext context = documentContext();
        (history.*direction)(
            [&](const Changes& changes) { return applyChanges(changes, document, context); });
        relayout();
    }
};

// One random edit of every kind the editor makes, done as the editor does.
class RandomEdits {
public:
    RandomEdits(Document& document, const LayoutContext& context)
        : m_document(document), m_context(context) {}

    Changes apply(std::mt19937& random) {
        Sequence& top = m_document.topSequence();
        top.deselectAll();
        const auto order = top.readingOrder();
        const auto [element, owner] =
            order.empty() ? std::pair<Element*, Sequence*>{} : order[random() % order.size()];
        const Point at =
            element != nullptr ? Point{element->left() + 3, element->top() + 3} : Point{0, 0};
        const InsertMode mode = random() % 2 == 0 ? InsertMode::After : InsertMode::Before;
        const auto kind = random() % 9;
        if (element == nullptr || kind == 0)
            return insertElement(m_document,
                                 createElement(AllKinds[random() % std::size(AllKinds)], m_context),
                                 at, mode, m_context);
        if (kind == 1)
            return setDiagramFormat(m_document, {.title = "T" + std::to_string(random() % 30),
                                                 .comment = {std::string(random() % 40, 'k')}});
        if (kind == 2)
            return editText(*element, random);
        if (kind == 3)
            return replaceTree(random);
        element->setSelected(true);
        switch (kind) {
        case 4:
            return deleteSelectedRun(*owner, m_context);
        case 5:
            return pasteRun(m_document, readRun(copyToStream(*owner, true)), at, mode);
        case 6:
            return stepSelectedRun(*owner, random() % 2 == 0 ? -1 : 1);
        case 7:
            return moveElsewhere(*owner, random);
        default:
            ElementFormat format;
            format.borderWidth = static_cast<std::uint16_t>(2 + random() % 20);
            format.font = {"Arial", static_cast<std::int16_t>(6 + random() % 20), 0};
            return formatSelectedRun(*owner, format, m_context);
        }
    }

private:
    std::vector<std::unique_ptr<Element>> readRun(const Bytes& stream) {
        BinaryReader in(stream);
        return velbrant::readRun(in, m_context);
    }
    Changes editText(Element& element, std::mt19937& random) {
        Changes changes{recordText(element)};
        element.setLines({std::string(random() % 60, 'x'), "\tTab"});
        if (auto* switchCase = dynamic_cast<Case*>(&element))
            switchCase->setBranchLabels({"a", std::string(random() % 30, 'b')});
        return changes;
    }
    Changes replaceTree(std::mt19937& random) {
        Changes changes{recordDocument(m_document)};
        auto top = std::make_unique<Sequence>();
        buildMixedTree(*top, m_context, 20 + static_cast<int>(random() % 40), 3);
        m_document.replaceTopSequence(std::move(top));
        return changes;
    }
    // A drag of the selected run to another element's place, or a copy.
    Changes moveElsewhere(Sequence& owner, std::mt19937& random) {
        const auto order = m_document.topSequence().readingOrder();
        const Element& to = *order[random() % order.size()].first;
        const auto target = m_document.topSequence().insertionTarget(
            {to.left() + 3, to.top() + 3},
            random() % 2 == 0 ? InsertMode::After : InsertMode::Before);
        if (target.sequence == nullptr || to.isSelected() || isInsideSelection(*target.sequence))
            return {};
        return moveSelectedRun(owner, target, random() % 3 == 0, m_context);
    }
    static bool isInsideSelection(const Sequence& sequence) {
        for (const Element* owner = sequence.owner(); owner != nullptr;
             owner = owner->parent()->owner())
            if (owner->isSelected())
                return true;
        return false;
    }

    Document& m_document;
    const LayoutContext& m_context;
};

// 1,000 random edits of every kind: after each, the layout kept from before
// is the layout of a freshly loaded file, undo gives back exactly the file
// bytes from before it and redo exactly those after it.
TEST_F(UndoTest, UndoAndRedoGiveBackTheExactFileBytesAfterEveryKindOfEdit) {
    document.setFormat({.title = "Titel", .comment = {"a", "b\tc"}});
    buildMixedTree(document.topSequence(), documentContext(), 60, 4);
    relayout();
    const LayoutContext context = documentContext();
    RandomEdits edits(document, context);
    std::mt19937 random(28);
    // So many that an incremental layout comparing only the last width
    // given, not the whole history of widths, is caught (at edit 5,244).
    for (int i = 0; i < 8'000; ++i) {
        const Bytes before = fileBytes();
        Changes changes = edits.apply(random);
        const bool changed = !changes.empty();
        record(std::move(changes));
        const Bytes after = fileBytes();
        ASSERT_EQ(after, freshlyLaidOut()) << "edit " << i;
        if (!changed)
            continue;
        turn(&UndoHistory::undo);
        ASSERT_EQ(fileBytes(), before) << "edit " << i;
        turn(&UndoHistory::redo);
        ASSERT_EQ(fileBytes(), after) << "edit " << i;
    }
}

TEST_F(UndoTest, UndoTakesBackTitleCommentAndFontsButKeepsFramePositionCentringAndScale) {
    record(setDiagramFormat(document, {.title = "neu",
                                       .titleFont = {"Courier", 20, 0},
                                       .comment = {"x"},
                                       .frameLeft = 400,
                                       .centerVert = true,
                                       .scale = 1.5}));
    turn(&UndoHistory::undo);
    EXPECT_EQ(document.format().title, "");
    EXPECT_TRUE(document.format().comment.empty());
    EXPECT_EQ(document.format().titleFont, DiagramFormat{}.titleFont);
    EXPECT_EQ(document.format().frameLeft, 400);
    EXPECT_TRUE(document.format().centerVert);
    EXPECT_EQ(document.format().scale, 1.5);
}

// F9 twice on two elements of which one has a breakpoint: both get one,
// then both lose it, and a new element is new again (no attributes).
TEST_F(UndoTest, BreakpointsGoOnAndOffTogetherAndUndoTakesThemBack) {
    Sequence& top = document.topSequence();
    appendNew(top, ElementKind::Block, documentContext());
    appendNew(top, ElementKind::Block, documentContext());
    top.at(1).setNsd(withBreakpoint(nullptr, true));
    const auto selectBoth = [&] {
        top.at(0).setSelected(true);
        top.at(1).setSelected(true);
    };
    selectBoth();
    record(toggleBreakpoints(top));
    EXPECT_EQ(document.breakpoints().size(), 2u);
    selectBoth();
    record(toggleBreakpoints(top));
    EXPECT_TRUE(document.breakpoints().empty());
    EXPECT_EQ(top.at(0).nsd(), nullptr);
    turn(&UndoHistory::undo);
    EXPECT_EQ(document.breakpoints().size(), 2u);
    turn(&UndoHistory::undo);
    EXPECT_EQ(document.breakpoints(), std::vector<const Element*>{&top.at(1)});
}

// Noise does not deflate, so every step keeps about its own size.
Changes noiseStep(std::uint8_t seed, std::size_t size) {
    Bytes bytes(size);
    std::uint32_t state = seed + 1u;
    for (std::uint8_t& byte : bytes) {
        state = state * 1664525u + 1013904223u;
        byte = static_cast<std::uint8_t>(state >> 24);
    }
    Changes changes;
    changes.emplace_back(DocumentChange{pack(bytes)});
    return changes;
}

std::size_t undoneSize(UndoHistory& history) {
    std::size_t size = 0;
    history.undo([&size](const Changes& changes) {
        size = std::get<DocumentChange>(changes.front()).snapshot.plainSize;
        return changes;
    });
    return size;
}

TEST_F(UndoTest, TheOldestStepsGoBeyondTheLevelAndByteLimits) {
    UndoHistory levels(3, 1 << 20);
    for (std::uint8_t i = 0; i < 5; ++i)
        levels.record(noiseStep(i, 100 + i));
    EXPECT_EQ(levels.levels(), 3u);
    EXPECT_EQ(undoneSize(levels), 104u);

    UndoHistory probe;
    probe.record(noiseStep(0, 1000));
    UndoHistory bytes(100, probe.bytes() * 5 / 2);
    for (std::uint8_t i = 0; i < 5; ++i)
        bytes.record(noiseStep(i, 1000));
    EXPECT_EQ(bytes.levels(), 2u);
    bytes.record(noiseStep(9, 10'000)); // the newest stays, however large
    EXPECT_EQ(bytes.levels(), 1u);
    EXPECT_EQ(undoneSize(bytes), 10'000u);
}

TEST_F(UndoTest, TheSavedStateStaysFoundWhileOldStepsGoAndIsLostWithThem) {
    const auto same = [](const Changes& changes) { return changes; };
    UndoHistory history(3);
    history.record(noiseStep(1, 1));
    history.markClean(); // saved after one change
    for (std::uint8_t i = 2; i < 4; ++i)
        history.record(noiseStep(i, 1));
    EXPECT_FALSE(history.isClean());
    history.record(noiseStep(4, 1)); // the oldest step goes; the saved state is still kept
    EXPECT_EQ(history.levels(), 3u);
    history.undo(same);
    history.undo(same);
    EXPECT_FALSE(history.isClean());
    history.undo(same);
    EXPECT_TRUE(history.isClean());
    history.redo(same);
    EXPECT_FALSE(history.isClean());

    history.redo(same);
    history.redo(same);
    history.record(noiseStep(5, 1)); // now the saved state itself is dropped
    for (int i = 0; i < 3; ++i) {
        history.undo(same);
        EXPECT_FALSE(history.isClean()) << i;
    }
}

} // namespace
} // namespace velbrant::test
