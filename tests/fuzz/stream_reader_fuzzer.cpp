#include "model/binary_io.h"
#include "model/recording_canvas.h"
#include "model/transfer_stream.h"

#include <cstddef>
#include <cstdint>

// Any input either pastes into a sequence, which must then lay out, select
// and copy, or fails with a FormatError and leaves the sequence untouched.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace velbrant;
    FixedWidthMeasurer measurer;
    const LayoutContext context{measurer, {"Arial", 10, 0}, 39};
    Sequence sequence(100, 100, 0, 0);
    try {
        pasteFromStream(sequence, {data, size}, {0, 0}, InsertMode::After, context);
    } catch (const FormatError&) {
        if (!sequence.empty())
            __builtin_trap();
        return 0;
    }
    sequence.relayout(context);
    SelectionState state;
    sequence.selectInRect({0, 0}, {1 << 30, 1 << 30}, state);
    copyToStream(sequence, true);
    return 0;
}
