#pragma once

#include <optional>
#include <string>
#include <vector>

namespace velbrant {

// An initialization file ("[section]" lines and "key=value" lines) read and
// written with the semantics of profile strings: section and key names
// match without regard to case; a value read loses the blanks around it
// and one pair of enclosing quotes; a key written is updated in place, or
// added at the end of its section, or with a new section at the end of the
// file; every other line, comment and section stays as it was, in order.
// Text is bytes (Windows-1252), lines end as the file's first line does.
class ProfileFile {
public:
    ProfileFile() = default;
    explicit ProfileFile(const std::string& text);

    std::optional<std::string> value(std::string_view section, std::string_view key) const;
    // The value as an integer: decimal, or hexadecimal after "0x" (only
    // when something follows); none when missing or not a number.
    std::optional<long> integer(std::string_view section, std::string_view key) const;
    void setValue(std::string_view section, std::string_view key, const std::string& value);

    std::string text() const;

private:
    // The index of the section's header line, or of the first line of the
    // file for keys before any section; none if it is missing.
    std::optional<std::size_t> sectionLine(std::string_view section) const;
    // The line of the key within the section starting at `header`.
    std::optional<std::size_t> keyLine(std::size_t header, std::string_view key) const;
    std::size_t sectionEnd(std::size_t header) const;

    std::vector<std::string> m_lines;
    std::string m_newline = "\n";
    bool m_endsWithNewline = true;
};

} // namespace velbrant
