#include "reader_checks.h"

#include "model/binary_io.h"
#include "model/nsd_file.h"
#include "model/structogram_file.h"
#include "model/transfer_stream.h"
#include "recording_canvas.h"

#include <cstdlib>

namespace velbrant::test {

namespace {

// As the editor and the export do: load, lay the page out, save.
Bytes loadAndSave(std::span<const std::uint8_t> input, TextMeasurer& measurer) {
    auto document = loadDocument(input, measurer, DefaultLabels{});
    document->layout(measurer, PaperSize{});
    return encodeDocument(*document);
}

} // namespace

void checkFileReader(std::span<const std::uint8_t> input) {
    FixedWidthMeasurer measurer;
    Bytes saved;
    try {
        saved = loadAndSave(input, measurer);
    } catch (const FormatError&) {
        return;
    }
    if (loadAndSave(saved, measurer) != saved)
        std::abort();
}

void checkNsdReader(std::span<const std::uint8_t> input) {
    FixedWidthMeasurer measurer;
    const std::string_view text(reinterpret_cast<const char*>(input.data()), input.size());
    std::string written;
    try {
        written = encodeNsd(*loadNsd(text, measurer, DefaultLabels{}).document);
    } catch (const FormatError&) {
        return;
    }
    if (encodeNsd(*loadNsd(written, measurer, DefaultLabels{}).document) != written)
        std::abort();
}

void checkStreamReader(std::span<const std::uint8_t> input) {
    FixedWidthMeasurer measurer;
    const LayoutContext context{measurer, {"Arial", 10, 0}, 39};
    Sequence sequence(100, 100, 0, 0);
    try {
        pasteFromStream(sequence, input, {0, 0}, InsertMode::After, context);
    } catch (const FormatError&) {
        if (!sequence.empty())
            std::abort();
        return;
    }
    sequence.relayout(context);
    SelectionState state;
    sequence.selectInRect({0, 0}, {1 << 30, 1 << 30}, state);
    copyToStream(sequence, true);
}

} // namespace velbrant::test
