#include "diagram_builder.h"
#include "model/structogram_file.h"
#include "model/undo_history.h"
#include "model/undo_snapshot.h"
#include "model_fixture.h"

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

TEST_F(UndoTest, UndoAndRedoGiveBackTheExactFileBytesAtEveryStep) {
    document.setFormat({.title = "Titel", .comment = {"a", "b\tc"}});
    std::vector<Bytes> states{fileBytes()};
    int y = 0;
    for (int i = 0; i < 50; ++i) {
        editWith(AllKinds[static_cast<std::size_t>(i) % std::size(AllKinds)], y);
        y = (y + 373) % 2000;
        states.push_back(fileBytes());
    }
    for (std::size_t step = states.size() - 1; step > 0; --step) {
        undo();
        EXPECT_EQ(fileBytes(), states[step - 1]) << step;
    }
    EXPECT_FALSE(history.canUndo());
    for (std::size_t step = 1; step < states.size(); ++step) {
        redo();
        EXPECT_EQ(fileBytes(), states[step]) << step;
    }
    EXPECT_FALSE(history.canRedo());
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
