#include "model/files/transfer_stream.h"

#include "model/files/element_io.h"
#include "model/messages/said.h"

namespace velbrant {

using messages::said;
using messages::saidLater;

namespace {

// Attribute values of any length (a licence text), behind a 32-bit length.
void writeLong(BinaryWriter& out, const std::string& text) {
    out.i32(static_cast<std::int32_t>(text.size()));
    out.bytes({reinterpret_cast<const std::uint8_t*>(text.data()), text.size()});
}

std::string readLong(BinaryReader& in) {
    const std::size_t at = in.offset();
    const std::int32_t length = in.i32();
    if (length < 0)
        in.fail(said("files", "Ungültige Textlänge %1").arg(length), at);
    const auto bytes = in.bytes(static_cast<std::size_t>(length));
    return {reinterpret_cast<const char*>(bytes.data()), bytes.size()};
}

void writeLines(BinaryWriter& out, const std::vector<std::string>& lines) {
    checkCount(lines.size(), saidLater("files", "Textzeilen"));
    out.i16(static_cast<std::int16_t>(lines.size()));
    for (const std::string& line : lines)
        out.text16(line);
}

std::vector<std::string> readLines(BinaryReader& in, const char* what) {
    std::vector<std::string> lines;
    for (int count = in.i16(); count > 0; --count)
        lines.push_back(in.text16(what));
    return lines;
}

void writeAttributes(BinaryWriter& out,
                     const std::vector<std::pair<std::string, std::string>>& attributes) {
    checkCount(attributes.size(), saidLater("files", "Attribute"));
    out.i16(static_cast<std::int16_t>(attributes.size()));
    for (const auto& [name, value] : attributes) {
        writeLong(out, name);
        writeLong(out, value);
    }
}

std::vector<std::pair<std::string, std::string>> readAttributes(BinaryReader& in) {
    std::vector<std::pair<std::string, std::string>> attributes;
    for (int count = in.i16(); count > 0; --count) {
        std::string name = readLong(in);
        attributes.emplace_back(std::move(name), readLong(in));
    }
    return attributes;
}

// A marker byte, then what a Structorizer file gave the element; the
// marker is 2 where branches have attributes of their own, which follow.
void writeNsd(BinaryWriter& out, const NsdAttributes* nsd) {
    out.u8(nsd == nullptr ? 0 : nsd->branchAttributes.empty() ? 1 : 2);
    if (nsd == nullptr)
        return;
    writeLong(out, nsd->color);
    writeLines(out, nsd->comment);
    out.u8(nsd->disabled ? 1 : 0);
    writeLong(out, nsd->kind);
    writeLines(out, nsd->fileLines);
    writeLines(out, nsd->shownLines);
    writeAttributes(out, nsd->others);
    if (nsd->branchAttributes.empty())
        return;
    checkCount(nsd->branchAttributes.size(), saidLater("files", "Zweige"));
    out.i16(static_cast<std::int16_t>(nsd->branchAttributes.size()));
    for (const auto& branch : nsd->branchAttributes)
        writeAttributes(out, branch);
}

std::shared_ptr<const NsdAttributes> readNsd(BinaryReader& in) {
    const std::size_t at = in.offset();
    const std::uint8_t marker = in.u8();
    if (marker == 0)
        return nullptr;
    if (marker != 1 && marker != 2)
        in.fail(said("files", "Ungültige Structorizer-Kennung %1").arg(marker), at);
    auto nsd = std::make_shared<NsdAttributes>();
    nsd->color = readLong(in);
    nsd->comment = readLines(in, saidLater("files", "Kommentarzeile"));
    nsd->disabled = in.u8() != 0;
    nsd->kind = readLong(in);
    nsd->fileLines = readLines(in, saidLater("files", "Textzeile"));
    nsd->shownLines = readLines(in, saidLater("files", "Textzeile"));
    nsd->others = readAttributes(in);
    if (marker == 2) {
        for (int count = in.i16(); count > 0; --count)
            nsd->branchAttributes.push_back(readAttributes(in));
    }
    return nsd;
}

void writeElement(BinaryWriter& out, const Element& element, bool selectedOnly) {
    checkCount(element.lines().size(), saidLater("files", "Textzeilen"));
    out.i32(static_cast<std::int32_t>(element.kind()));
    out.i16(static_cast<std::int16_t>(element.lines().size()));
    for (const std::string& line : element.lines())
        out.text16(line);
    out.bytes(encodeFontRecord(element.font()));
    out.u16(element.innerLineWidth());
    out.u16(element.borderWidth());
    out.u8(static_cast<std::uint8_t>(element.hAlign()));
    out.u8(static_cast<std::uint8_t>(element.vAlign()));
    writeNsd(out, element.nsd());
    writeCompoundTail(out, element, [&out, selectedOnly](const Sequence& nested) {
        writeRun(out, nested, selectedOnly);
    });
}

class RunReader {
public:
    RunReader(BinaryReader& in, const LayoutContext& context, bool pasted)
        : m_in(in), m_context(context), m_pasted(pasted) {}

    // No more elements than a sequence of a file can hold.
    std::vector<std::unique_ptr<Element>> readRun() {
        std::vector<std::unique_ptr<Element>> run;
        while (!m_in.takeEndMarker()) {
            if (static_cast<std::int64_t>(run.size()) == MaxCount)
                m_in.fail(said("files", "Mehr als 32767 Elemente in einer Folge"), m_in.offset());
            run.push_back(readElement());
        }
        return run;
    }

private:
    std::unique_ptr<Element> readElement() {
        const std::size_t at = m_in.offset();
        auto element = createStoredElement(m_in, m_in.i32(), at,
                                           saidLater("files", "Elementklasse"), m_context);
        std::vector<std::string> lines;
        for (int count = m_in.i16(); count > 0; --count)
            lines.push_back(m_in.text16(saidLater("files", "Textzeile")));
        element->setLines(std::move(lines));
        element->setFont(decodeFontRecord(m_in.bytes(FontRecordSize).first<FontRecordSize>()),
                         m_context.measurer);
        element->setInnerLineWidth(lineWidth());
        element->setBorderWidth(lineWidth());
        element->setHAlign(readAlignment(m_in));
        element->setVAlign(readAlignment(m_in));
        element->setNsd(readNsd(m_in));
        readCompoundTail(m_in, *element, m_context, [this](Sequence& nested) {
            const NestingGuard guard(m_depth, m_in);
            for (auto& child : readRun())
                nested.append(std::move(child));
        });
        return element;
    }

    // A pasted run comes from outside: it holds only widths the editor can
    // set. The editor's own snapshots keep what files brought in.
    std::uint16_t lineWidth() {
        const std::size_t at = m_in.offset();
        const std::uint16_t width = m_in.u16();
        if (m_pasted && width > MaxLineWidth)
            m_in.fail(said("files", "Ungültige Linienstärke %1").arg(width), at);
        return width;
    }

    BinaryReader& m_in;
    const LayoutContext& m_context;
    bool m_pasted;
    int m_depth = 0;
};

} // namespace

void writeRun(BinaryWriter& out, const Sequence& sequence, bool selectedOnly) {
    std::size_t first = 0;
    std::size_t end = sequence.size();
    if (selectedOnly) {
        while (first < end && !sequence.at(first).isSelected())
            ++first;
        std::size_t last = first;
        while (last < end && sequence.at(last).isSelected())
            ++last;
        end = last;
    }
    for (std::size_t i = first; i < end; ++i)
        writeElement(out, sequence.at(i), selectedOnly);
    out.u16(0);
}

Bytes copyRangeToStream(const Sequence& sequence, std::size_t first, std::size_t end) {
    BinaryWriter out;
    for (std::size_t i = first; i < end; ++i)
        writeElement(out, sequence.at(i), false);
    out.u16(0);
    return out.take();
}

Bytes copyToStream(const Sequence& sequence, bool selectedOnly) {
    BinaryWriter out;
    writeRun(out, sequence, selectedOnly);
    return out.take();
}

Bytes cutToStream(Sequence& sequence, const LayoutContext& context) {
    Bytes stream = copyToStream(sequence, true);
    sequence.deleteSelected(context);
    return stream;
}

std::vector<std::unique_ptr<Element>> readRun(BinaryReader& in, const LayoutContext& context) {
    return RunReader(in, context, false).readRun();
}

std::vector<std::unique_ptr<Element>> readPastedRun(BinaryReader& in,
                                                    const LayoutContext& context) {
    return RunReader(in, context, true).readRun();
}

void pasteFromStream(Sequence& sequence, std::span<const std::uint8_t> stream, Point point,
                     InsertMode mode, const LayoutContext& context) {
    BinaryReader in(stream);
    sequence.paste(readPastedRun(in, context), point, mode);
}

} // namespace velbrant
