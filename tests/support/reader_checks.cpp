#include "reader_checks.h"

#include "diagram_builder.h"
#include "model/code/code_generator.h"
#include "model/diagram/compound_element.h"
#include "model/diagram/document.h"
#include "model/files/binary_io.h"
#include "model/files/structogram_file.h"
#include "model/files/transfer_stream.h"
#include "model/notation/text_notation.h"
#include "model/structorizer/nsd_file.h"
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

namespace {

// Lines of a part, split at line feeds; the first byte picks the kind.
Element& appendPart(Sequence& sequence, std::string_view part, const LayoutContext& context,
                    int& lineCount) {
    const ElementKind kind =
        AllKinds[static_cast<unsigned char>(part.front()) % std::size(AllKinds)];
    std::vector<std::string> lines;
    std::size_t start = 1;
    while (start <= part.size()) {
        const std::size_t end = std::min(part.find('\n', start), part.size());
        lines.emplace_back(part.substr(start, std::min<std::size_t>(end - start, 255)));
        start = end + 1;
    }
    lineCount += static_cast<int>(lines.size()) + 4;
    return appendNew(sequence, kind, context, std::move(lines));
}

} // namespace

void checkCodeGenerator(std::span<const std::uint8_t> input) {
    FixedWidthMeasurer measurer;
    Document document(measurer);
    const LayoutContext context = document.layoutContext(measurer, DefaultLabels{});
    const std::string_view text(reinterpret_cast<const char*>(input.data()), input.size());
    Sequence* into = &document.topSequence();
    int lineCount = 0;
    int part = 0;
    for (std::size_t start = 0; start < text.size();) {
        const std::size_t end = std::min(text.find('\x01', start), text.size());
        if (end > start) {
            Element& element =
                appendPart(*into, text.substr(start, end - start), context, lineCount);
            auto* compound = dynamic_cast<CompoundElement*>(&element);
            if (compound != nullptr && ++part % 4 == 0)
                into = &compound->sequenceAt(0);
        }
        start = end + 1;
    }
    for (const CodeLanguage language :
         {CodeLanguage::Python, CodeLanguage::Java, CodeLanguage::C, CodeLanguage::Pascal}) {
        const GeneratedCode code = generateCode(document, language);
        if (code.text.empty() || code.untranslatedLines < 0 || code.untranslatedLines > lineCount ||
            code.missingRoutines < 0)
            std::abort();
    }
}

void checkNotationReader(std::span<const std::uint8_t> input) {
    FixedWidthMeasurer measurer;
    const std::string_view text(reinterpret_cast<const char*>(input.data()), input.size());
    std::string written;
    try {
        written = writeNotation(*loadNotation(text, measurer, DefaultLabels{})).text;
    } catch (const NotationError&) {
        return;
    }
    if (writeNotation(*loadNotation(written, measurer, DefaultLabels{})).text != written)
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
