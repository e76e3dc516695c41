#include "model/files/structogram_file.h"

#include "model/files/element_io.h"
#include "model/files/extended_float.h"
#include "model/messages/said.h"

#include <cmath>

namespace velbrant {

using messages::said;
using messages::saidLater;

namespace {

void writeFont(BinaryWriter& out, const ElementFont& font) {
    out.bytes(encodeFontRecord(font));
}

ElementFont readFont(BinaryReader& in) {
    return decodeFontRecord(in.bytes(FontRecordSize).first<FontRecordSize>());
}

void writeSequence(BinaryWriter& out, const Sequence& sequence);

void writeElement(BinaryWriter& out, const Element& element) {
    checkCount(element.lines().size(), saidLater("files", "Textzeilen"));
    out.u8(static_cast<std::uint8_t>(element.kind()));
    out.i32(element.left());
    out.i32(element.top());
    out.i32(element.width());
    out.i32(element.height());
    out.u8(element.isSelected() ? 1 : 0);
    writeFont(out, element.font());
    out.u16(element.kindTag());
    out.u16(element.innerLineWidth());
    out.u16(element.borderWidth());
    out.u8(static_cast<std::uint8_t>(element.hAlign()));
    out.u8(static_cast<std::uint8_t>(element.vAlign()));
    out.i16(static_cast<std::int16_t>(element.lines().size()));
    for (const std::string& line : element.lines())
        out.text32(line);
    writeCompoundTail(out, element, [&out](const Sequence& nested) { writeSequence(out, nested); });
}

void writeSequence(BinaryWriter& out, const Sequence& sequence) {
    checkCount(sequence.size(), saidLater("files", "Elemente in einer Sequenz"));
    out.i16(static_cast<std::int16_t>(sequence.size()));
    out.i32(sequence.left());
    out.i32(sequence.top());
    out.i32(sequence.width());
    out.i32(sequence.height());
    for (std::size_t i = 0; i < sequence.size(); ++i)
        writeElement(out, sequence.at(i));
}

// Within 10 km of the paper's corner: centring a frame wider than the page
// puts it left of the corner, never further than that. A tree laid out
// further away would reach where positions saturate, and lose its sizes.
int checkedPosition(BinaryReader& in, const char* what, int limit = MaxExtent) {
    const std::size_t at = in.offset();
    const int position = in.i32();
    if (position < -limit || position > limit)
        in.fail(said("files", "Ungültige %1 %2").arg(said("files", what)).arg(position), at);
    return position;
}

class FileReader {
public:
    FileReader(std::span<const std::uint8_t> file, const LayoutContext& context)
        : m_in(file), m_context(context) {}

    BinaryReader& in() { return m_in; }

    // The record's box matters only until the tree is laid out; the top
    // sequence keeps its corner for that.
    void readSequence(Sequence& sequence) {
        const int count = m_in.i16();
        const int left = checkedPosition(m_in, saidLater("files", "Position einer Sequenz"));
        const int top = checkedPosition(m_in, saidLater("files", "Position einer Sequenz"));
        m_in.i32();
        m_in.i32();
        sequence.moveTo(left, top);
        for (int i = 0; i < count; ++i)
            sequence.append(readElement());
    }

private:
    std::unique_ptr<Element> readElement() {
        const std::size_t at = m_in.offset();
        auto element =
            createStoredElement(m_in, m_in.u8(), at, saidLater("files", "Elementtyp"), m_context);
        m_in.bytes(16); // box: recomputed by layout
        element->setSelected(m_in.u8() != 0);
        element->setFont(readFont(m_in), m_context.measurer);
        element->setKindTag(m_in.u16());
        element->setInnerLineWidth(m_in.u16());
        element->setBorderWidth(m_in.u16());
        element->setHAlign(readAlignment(m_in));
        element->setVAlign(readAlignment(m_in));
        std::vector<std::string> lines;
        for (int count = m_in.i16(); count > 0; --count)
            lines.push_back(m_in.text32(saidLater("files", "Textzeile")));
        element->setLines(std::move(lines));
        readCompoundTail(m_in, *element, m_context, [this](Sequence& nested) {
            const NestingGuard guard(m_depth, m_in);
            readSequence(nested);
        });
        return element;
    }

    BinaryReader m_in;
    const LayoutContext& m_context;
    int m_depth = 0;
};

// The editor sets 5 to 400 %; anything else is damage.
Extended checkedScale(BinaryReader& in) {
    const std::size_t at = in.offset();
    Extended bytes;
    const auto stored = in.bytes(bytes.size());
    std::copy(stored.begin(), stored.end(), bytes.begin());
    const double scale = fromExtended(bytes);
    constexpr double Tolerance = 1e-9;
    if (!std::isfinite(scale) || scale < Document::MinScale - Tolerance ||
        scale > Document::MaxScale + Tolerance)
        in.fail(said("files", "Ungültiger Maßstab"), at);
    return bytes;
}

} // namespace

Bytes encodeDocument(const Document& document) {
    const DiagramFormat& format = document.format();
    const FrameLayout& layout = document.frameLayout();
    BinaryWriter out;
    out.i32(format.frameLeft);
    out.i32(format.frameTop);
    out.i32(layout.frameWidth);
    out.i32(layout.frameHeight);
    out.i32(layout.contentLeft);
    out.i32(layout.headerTop);
    out.u8(format.centerHorz ? 1 : 0);
    out.u8(format.centerVert ? 1 : 0);
    out.bytes(document.scaleBytes());
    out.text32(format.title);
    writeFont(out, format.titleFont);
    out.i32(static_cast<std::int32_t>(format.comment.size()));
    for (const std::string& line : format.comment)
        out.text32(line);
    writeFont(out, format.commentFont);
    writeSequence(out, document.topSequence());
    return out.take();
}

std::unique_ptr<Document> loadDocument(std::span<const std::uint8_t> file, TextMeasurer& measurer,
                                       const DefaultLabels& labels) {
    auto document = std::make_unique<Document>(measurer);
    const LayoutContext context = document->layoutContext(measurer, labels);
    FileReader reader(file, context);
    BinaryReader& in = reader.in();
    DiagramFormat format;
    FrameLayout layout;
    format.frameLeft = checkedPosition(in, saidLater("files", "Rahmenposition"), MaxFramePosition);
    format.frameTop = checkedPosition(in, saidLater("files", "Rahmenposition"), MaxFramePosition);
    layout.frameWidth = in.i32();
    layout.frameHeight = in.i32();
    layout.contentLeft = in.i32();
    layout.headerTop = in.i32();
    format.centerHorz = in.u8() != 0;
    format.centerVert = in.u8() != 0;
    const Extended scale = checkedScale(in);
    format.scale = fromExtended(scale);
    format.title = in.text32(saidLater("files", "Titel"));
    format.titleFont = readFont(in);
    for (int count = in.i32(); count > 0; --count)
        format.comment.push_back(in.text32(saidLater("files", "Kommentarzeile")));
    format.commentFont = readFont(in);
    Sequence& top = document->topSequence();
    reader.readSequence(top);
    top.relayout(context);
    top.setModified(false);
    document->setFormat(std::move(format));
    document->restoreFrameLayout(layout);
    document->restoreStoredScale(scale);
    return document;
}

} // namespace velbrant
