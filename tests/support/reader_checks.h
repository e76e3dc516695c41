#pragma once

#include <cstdint>
#include <span>

namespace velbrant::test {

// What the fuzzers check for any input, also run over their kept corpus:
// a file either loads into a document that lays out, saves and loads again,
// or fails with a FormatError; a transfer stream either pastes into a
// sequence that lays out, selects and copies, or fails and pastes nothing.
// A violation aborts.
void checkFileReader(std::span<const std::uint8_t> input);
void checkStreamReader(std::span<const std::uint8_t> input);
// A Structorizer file either loads, writes and loads again to the same
// texts, or fails with a FormatError.
void checkNsdReader(std::span<const std::uint8_t> input);
// Texts as element lines (an element per 0x01-separated part, its kind from
// the part's first byte, every fourth part nested in the one before) give a
// program in every language, counting no more untranslated lines than the
// diagram has.
void checkCodeGenerator(std::span<const std::uint8_t> input);
// A text either reads, and then writes a text that reads back to the same
// diagram, or fails with a NotationError.
void checkNotationReader(std::span<const std::uint8_t> input);

} // namespace velbrant::test
