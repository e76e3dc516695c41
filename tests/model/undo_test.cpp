#include "diagram_builder.h"
#include "model/structogram_file.h"
#include "model/transfer_stream.h"
#include "model/undo_history.h"
#include "model/undo_snapshot.h"
#include "model_fixture.h"

#include <random>

namespace velbrant::test {
namespace {

class UndoTest : public ModelTest {
protected:
    Document document{canvas};
    UndoHistory history;

    LayoutContext documentContext() { return document.layoutContext(canvas, DefaultLabels{}); }
    Bytes fileBytes() {
        document.layout(canvas, PaperSize{});
        return encodeDocument(document);
    }
    // One edit as the editor makes it: snapshot first.
    void editWith(ElementKind kind, int y) {
        history.record(takeSnapshot(document));
        document.topSequence().insertElement(createElement(kind, documentContext()), {300, y},
                                             InsertMode::After, documentContext());
    }
    void undo() {
        restoreSnapshot(document, history.undo(takeSnapshot(document)), documentContext());
    }
    void redo() {
        restoreSnapshot(document, history.redo(takeSnapshot(document)), documentContext());
    }
};

// One random edit of every kind the editor makes, each recorded as the
// editor records it.
class RandomEdits {
public:
    RandomEdits(Document& document, UndoHistory& history, const LayoutContext& context)
        : m_document(document), m_history(history), m_context(context) {}

    void apply(std::mt19937& random) {
        Sequence& top = m_document.topSequence();
        auto order = top.readingOrder();
        const auto pick = [&]() -> std::pair<Element*, Sequence*> {
            if (order.empty())
                return {nullptr, nullptr};
            return order[random() % order.size()];
        };
        const auto [element, owner] = pick();
        const Point at =
            element != nullptr ? Point{element->left() + 3, element->top() + 3} : Point{0, 0};
        const InsertMode mode = random() % 2 == 0 ? InsertMode::After : InsertMode::Before;
        m_history.record(takeSnapshot(m_document));
        top.deselectAll();
        switch (random() % 6) {
        case 0:
            top.insertElement(createElement(AllKinds[random() % std::size(AllKinds)], m_context),
                              at, mode, m_context);
            break;
        case 1:
            if (element != nullptr) {
                element->setSelected(true);
                top.deleteSelected(m_context);
            }
            break;
        case 2:
            if (element != nullptr) {
                element->setSelected(true);
                const Bytes run = copyToStream(*owner, true);
                top.deselectAll();
                pasteFromStream(top, run, at, mode, m_context);
            }
            break;
        case 3:
            if (element != nullptr) {
                element->setSelected(true);
                owner->moveSelectedRun(random() % 2 == 0 ? -1 : 1);
            }
            break;
        case 4:
            if (element != nullptr)
                element->setLines({"x := " + std::to_string(random() % 100), "\tTab"});
            break;
        default:
            if (element != nullptr) {
                element->setSelected(true);
                ElementFormat format;
                format.borderWidth = static_cast<std::uint16_t>(2 + random() % 20);
                top.applyFormat(format, m_context);
            }
            break;
        }
        top.deselectAll();
        top.relayout(m_context);
    }

private:
    Document& m_document;
    UndoHistory& m_history;
    const LayoutContext& m_context;
};

// 1,000 random edits of every kind: after each, undo gives back exactly the
// file bytes from before it and redo exactly those after it.
TEST_F(UndoTest, UndoAndRedoGiveBackTheExactFileBytesAfterEveryKindOfEdit) {
    document.setFormat({.title = "Titel", .comment = {"a", "b\tc"}});
    buildMixedTree(document.topSequence(), documentContext(), 60, 4);
    const LayoutContext context = documentContext();
    RandomEdits edits(document, history, context);
    std::mt19937 random(28);
    for (int i = 0; i < 1'000; ++i) {
        const Bytes before = fileBytes();
        edits.apply(random);
        const Bytes after = fileBytes();
        undo();
        ASSERT_EQ(fileBytes(), before) << "edit " << i;
        redo();
        ASSERT_EQ(fileBytes(), after) << "edit " << i;
    }
}

TEST_F(UndoTest, UndoKeepsFramePositionCentringAndScale) {
    editWith(ElementKind::Block, 0);
    document.setFormat({.title = "neu", .frameLeft = 400, .centerVert = true, .scale = 1.5});
    undo();
    EXPECT_EQ(document.format().title, "");
    EXPECT_EQ(document.format().frameLeft, 400);
    EXPECT_TRUE(document.format().centerVert);
    EXPECT_EQ(document.format().scale, 1.5);
    EXPECT_TRUE(document.topSequence().empty());
}

TEST_F(UndoTest, TheOldestStepsGoBeyondTheLevelAndByteLimits) {
    // Noise does not deflate, so every step keeps about its own size.
    const auto noise = [](std::uint8_t seed, std::size_t size) {
        Bytes bytes(size);
        std::uint32_t state = seed + 1u;
        for (std::uint8_t& byte : bytes) {
            state = state * 1664525u + 1013904223u;
            byte = static_cast<std::uint8_t>(state >> 24);
        }
        return bytes;
    };
    UndoHistory levels(3, 1 << 20);
    for (std::uint8_t i = 0; i < 5; ++i)
        levels.record(noise(i, 100));
    EXPECT_EQ(levels.levels(), 3u);
    EXPECT_EQ(levels.undo({}), noise(4, 100));

    UndoHistory probe;
    probe.record(noise(0, 1000));
    UndoHistory bytes(100, probe.bytes() * 5 / 2);
    for (std::uint8_t i = 0; i < 5; ++i)
        bytes.record(noise(i, 1000));
    EXPECT_EQ(bytes.levels(), 2u);
    bytes.record(noise(9, 10'000)); // the newest stays, however large
    EXPECT_EQ(bytes.levels(), 1u);
    EXPECT_EQ(bytes.undo({}), noise(9, 10'000));
}

TEST_F(UndoTest, TheSavedStateStaysFoundWhileOldStepsGoAndIsLostWithThem) {
    UndoHistory history(3);
    history.record({1});
    history.markClean(); // saved after one change
    for (std::uint8_t i = 2; i < 4; ++i)
        history.record({i});
    EXPECT_FALSE(history.isClean());
    history.record({4}); // the oldest step goes; the saved state is still kept
    EXPECT_EQ(history.levels(), 3u);
    history.undo({5});
    history.undo({4});
    EXPECT_FALSE(history.isClean());
    history.undo({3});
    EXPECT_TRUE(history.isClean());
    history.redo({2});
    EXPECT_FALSE(history.isClean());

    history.redo({3});
    history.redo({4});
    history.record({5}); // now the saved state itself is dropped
    for (int i = 0; i < 3; ++i) {
        history.undo({});
        EXPECT_FALSE(history.isClean()) << i;
    }
}

} // namespace
} // namespace velbrant::test
