#include "model/files/binary_io.h"

#include "model/messages/said.h"

#include <algorithm>

namespace velbrant {

FormatError::FormatError(const std::string& what, std::size_t offset)
    : std::runtime_error(messages::said("files", "%1 (Byte %2)").arg(what).arg(offset)),
      m_offset(offset) {}

void BinaryReader::fail(const std::string& what, std::size_t offset) const {
    throw FormatError(what, offset);
}

std::span<const std::uint8_t> BinaryReader::bytes(std::size_t count) {
    if (count > m_data.size() - m_offset)
        fail(messages::said("files", "Unerwartetes Dateiende"), m_data.size());
    const auto piece = m_data.subspan(m_offset, count);
    m_offset += count;
    return piece;
}

std::uint8_t BinaryReader::u8() {
    return bytes(1)[0];
}

std::uint16_t BinaryReader::u16() {
    const auto b = bytes(2);
    return static_cast<std::uint16_t>(b[0] | (b[1] << 8));
}

std::int16_t BinaryReader::i16() {
    return static_cast<std::int16_t>(u16());
}

std::int32_t BinaryReader::i32() {
    const auto b = bytes(4);
    const std::uint32_t value = static_cast<std::uint32_t>(b[0]) | (std::uint32_t{b[1]} << 8) |
                                (std::uint32_t{b[2]} << 16) | (std::uint32_t{b[3]} << 24);
    return static_cast<std::int32_t>(value);
}

std::string BinaryReader::text16(const char* what) {
    const std::size_t at = m_offset;
    return text(u16(), at, what);
}

std::string BinaryReader::text32(const char* what) {
    const std::size_t at = m_offset;
    return text(i32(), at, what);
}

std::string BinaryReader::text(std::int64_t length, std::size_t at, const char* what) {
    if (length < 0 || length > static_cast<std::int64_t>(MaxTextLength))
        fail(messages::said("files", "Länge %1 von %2 liegt nicht in 0..255")
                 .arg(length)
                 .arg(messages::said("files", what)),
             at);
    const auto chars = bytes(static_cast<std::size_t>(length));
    return std::string(chars.begin(), chars.end());
}

bool BinaryReader::takeEndMarker() {
    if (m_data.size() - m_offset >= 2 && m_data[m_offset] == 0 && m_data[m_offset + 1] == 0) {
        m_offset += 2;
        return true;
    }
    return false;
}

void BinaryWriter::u16(std::uint16_t value) {
    m_bytes.push_back(static_cast<std::uint8_t>(value & 0xFF));
    m_bytes.push_back(static_cast<std::uint8_t>(value >> 8));
}

void BinaryWriter::i32(std::int32_t value) {
    const auto bits = static_cast<std::uint32_t>(value);
    for (int shift = 0; shift < 32; shift += 8)
        m_bytes.push_back(static_cast<std::uint8_t>((bits >> shift) & 0xFF));
}

void BinaryWriter::bytes(std::span<const std::uint8_t> data) {
    m_bytes.insert(m_bytes.end(), data.begin(), data.end());
}

void BinaryWriter::text16(const std::string& text) {
    const std::size_t length = std::min(text.size(), MaxTextLength);
    u16(static_cast<std::uint16_t>(length));
    rawText(text, length);
}

void BinaryWriter::text32(const std::string& text) {
    const std::size_t length = std::min(text.size(), MaxTextLength);
    i32(static_cast<std::int32_t>(length));
    rawText(text, length);
}

void BinaryWriter::rawText(const std::string& text, std::size_t length) {
    m_bytes.insert(m_bytes.end(), text.begin(), text.begin() + static_cast<std::ptrdiff_t>(length));
}

} // namespace velbrant
