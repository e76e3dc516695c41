#include "model/history/undo_snapshot.h"

#include "model/files/element_io.h"
#include "model/files/transfer_stream.h"
#include "model/messages/said.h"

#include <algorithm>

namespace velbrant {

namespace {

// The title is stored as in memory: a length byte and room for 255 bytes.
constexpr std::size_t TitleRecordSize = 256;

ElementFont readFont(BinaryReader& in) {
    return decodeFontRecord(in.bytes(FontRecordSize).first<FontRecordSize>());
}

} // namespace

Bytes takeSnapshot(const Document& document) {
    const DiagramFormat& format = document.format();
    BinaryWriter out;
    out.i32(document.frameLayout().contentLeft);
    out.i32(document.frameLayout().headerTop);
    out.bytes(encodeFontRecord(format.commentFont));
    out.bytes(encodeFontRecord(format.titleFont));
    Bytes title(TitleRecordSize, 0);
    const std::size_t length = std::min(format.title.size(), MaxTextLength);
    title[0] = static_cast<std::uint8_t>(length);
    std::copy_n(format.title.begin(), length, title.begin() + 1);
    out.bytes(title);
    checkCount(format.comment.size(), messages::saidLater("files", "Kommentarzeilen"));
    out.i32(static_cast<std::int32_t>(format.comment.size()));
    for (const std::string& line : format.comment)
        out.text32(line);
    writeRun(out, document.topSequence(), false);
    return out.take();
}

void restoreSnapshot(Document& document, std::span<const std::uint8_t> snapshot,
                     const LayoutContext& context) {
    BinaryReader in(snapshot);
    const int contentLeft = in.i32();
    const int headerTop = in.i32();
    DiagramFormat format = document.format();
    format.commentFont = readFont(in);
    format.titleFont = readFont(in);
    const auto title = in.bytes(TitleRecordSize);
    format.title.assign(title.begin() + 1, title.begin() + 1 + title[0]);
    format.comment.clear();
    for (int count = in.i32(); count > 0; --count)
        format.comment.push_back(in.text32(messages::saidLater("files", "Kommentarzeile")));
    auto top = std::make_unique<Sequence>(contentLeft, headerTop, 0, 0);
    top->paste(readRun(in, context), {contentLeft, headerTop}, InsertMode::After);
    top->relayout(context);
    document.setFormat(std::move(format));
    document.replaceTopSequence(std::move(top));
}

} // namespace velbrant
