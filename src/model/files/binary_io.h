#pragma once

#include "model/diagram/limits.h"

#include <cstddef>
#include <cstdint>
#include <span>
#include <stdexcept>
#include <string>
#include <vector>

namespace velbrant {

using Bytes = std::vector<std::uint8_t>;

// A damaged or short file or stream. The message is the user's: German,
// naming what is wrong and the byte offset where it was found.
class FormatError : public std::runtime_error {
public:
    FormatError(const std::string& what, std::size_t offset);
    std::size_t offset() const { return m_offset; }

private:
    std::size_t m_offset;
};

// Reads packed little-endian values; every read is checked against the end.
class BinaryReader {
public:
    explicit BinaryReader(std::span<const std::uint8_t> data) : m_data(data) {}

    std::uint8_t u8();
    std::int16_t i16();
    std::uint16_t u16();
    std::int32_t i32();
    std::span<const std::uint8_t> bytes(std::size_t count);
    // Text behind a length prefix of 16 or 32 bits, at most 255 bytes;
    // `what` names it in the error message.
    std::string text16(const char* what);
    std::string text32(const char* what);
    // True, and the marker consumed, when two zero bytes come next.
    bool takeEndMarker();

    std::size_t offset() const { return m_offset; }
    [[noreturn]] void fail(const std::string& what, std::size_t offset) const;

private:
    std::string text(std::int64_t length, std::size_t at, const char* what);

    std::span<const std::uint8_t> m_data;
    std::size_t m_offset = 0;
};

// Appends packed little-endian values.
class BinaryWriter {
public:
    void u8(std::uint8_t value) { m_bytes.push_back(value); }
    void i16(std::int16_t value) { u16(static_cast<std::uint16_t>(value)); }
    void u16(std::uint16_t value);
    void i32(std::int32_t value);
    void bytes(std::span<const std::uint8_t> data);
    // Texts longer than 255 bytes never reach the model; a longer one is cut
    // so that no file is ever written that cannot be read.
    void text16(const std::string& text);
    void text32(const std::string& text);

    const Bytes& data() const { return m_bytes; }
    Bytes take() { return std::move(m_bytes); }

private:
    void rawText(const std::string& text, std::size_t length);

    Bytes m_bytes;
};

} // namespace velbrant
