#include "model/binary_io.h"
#include "model/recording_canvas.h"
#include "model/structogram_file.h"

#include <cstddef>
#include <cstdint>

// Any input either loads into a document, which must then lay out, save and
// load again, or fails with a FormatError.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace velbrant;
    FixedWidthMeasurer measurer;
    try {
        auto document = loadDocument({data, size}, measurer, DefaultLabels{});
        document->layoutFrame(measurer);
        const Bytes saved = saveDocument(*document);
        loadDocument(saved, measurer, DefaultLabels{});
    } catch (const FormatError&) {
    }
    return 0;
}
