#pragma once

#include "model/diagram/element_factory.h"
#include "model/diagram/sequence.h"
#include "model/elements/block.h"
#include "model/layout/layout_context.h"
#include "recording_canvas.h"

#include <gtest/gtest.h>
#include <memory>
#include <string>
#include <vector>

namespace velbrant::test {

// Fake metrics: every byte 10 units wide; Arial 10 is 35 units high, so a
// line is 39 units.
class ModelTest : public ::testing::Test {
protected:
    static constexpr int CharWidth = 10;
    static constexpr int LineHeight = 35 + RecordingCanvas::CellExtra;

    RecordingCanvas canvas{CharWidth};
    LayoutContext context{canvas, ElementFont{"Arial", 10, 0}, LineHeight};
    Sequence top{100, 200, 0, 0};

    std::unique_ptr<Block> makeBlock(std::vector<std::string> lines = {}) {
        auto block = std::make_unique<Block>(context);
        block->setLines(std::move(lines));
        return block;
    }

    // A block with its box set by hand, measured.
    std::unique_ptr<Block> placedBlock(int left, int top, int width, int height,
                                       std::vector<std::string> lines = {}) {
        auto block = makeBlock(std::move(lines));
        block->measure(context);
        block->setCoord(Coord::Left, left);
        block->setCoord(Coord::Top, top);
        block->setCoord(Coord::Width, width);
        block->setCoord(Coord::Height, height);
        return block;
    }

    // Inserts a new element of the kind into the top sequence as the editor
    // does, and returns it.
    template <typename Kind = Element>
    Kind& insert(ElementKind kind, Point point, InsertMode mode = InsertMode::After,
                 std::vector<std::string> lines = {}) {
        auto element = createElement(kind, context);
        element->setLines(std::move(lines));
        Kind& inserted = dynamic_cast<Kind&>(*element);
        top.insertElement(std::move(element), point, mode, context);
        return inserted;
    }

    // Selects by a click as the editor does: a fresh gesture state.
    SelectionState click(Point point) {
        SelectionState state;
        top.selectAt(point, state);
        return state;
    }
    SelectionState band(Point topLeft, Point bottomRight) {
        SelectionState state;
        top.selectInRect(topLeft, bottomRight, state);
        return state;
    }

    static std::string text(const Element& element) {
        return element.lines().empty() ? std::string("<empty>") : element.lines().front();
    }
};

} // namespace velbrant::test
