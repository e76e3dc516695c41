#include "model/files/profile_file.h"

#include <algorithm>
#include <cctype>

namespace velbrant {

namespace {

std::string_view trimmed(std::string_view text) {
    const auto blank = [](char c) { return c == ' ' || c == '\t'; };
    while (!text.empty() && blank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && blank(text.back()))
        text.remove_suffix(1);
    return text;
}

bool sameName(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::tolower(static_cast<unsigned char>(x)) ==
                      std::tolower(static_cast<unsigned char>(y));
           });
}

// "[name]" gives "name".
std::optional<std::string_view> sectionName(std::string_view line) {
    line = trimmed(line);
    if (line.size() < 2 || line.front() != '[')
        return std::nullopt;
    const std::size_t close = line.find(']');
    if (close == std::string_view::npos)
        return std::nullopt;
    return trimmed(line.substr(1, close - 1));
}

bool isKeyLine(std::string_view line, std::string_view key) {
    const std::size_t equals = line.find('=');
    return equals != std::string_view::npos && sameName(trimmed(line.substr(0, equals)), key);
}

} // namespace

ProfileFile::ProfileFile(const std::string& text) {
    if (text.empty())
        return;
    const std::size_t firstBreak = text.find('\n');
    if (firstBreak != std::string::npos && firstBreak > 0 && text[firstBreak - 1] == '\r')
        m_newline = "\r\n";
    m_endsWithNewline = text.back() == '\n';
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find('\n', start);
        if (end == std::string::npos)
            end = text.size();
        std::string line = text.substr(start, end - start);
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        m_lines.push_back(std::move(line));
        start = end + 1;
    }
}

std::optional<std::size_t> ProfileFile::sectionLine(std::string_view section) const {
    for (std::size_t i = 0; i < m_lines.size(); ++i) {
        const auto name = sectionName(m_lines[i]);
        if (name && sameName(*name, section))
            return i;
    }
    return std::nullopt;
}

std::size_t ProfileFile::sectionEnd(std::size_t header) const {
    std::size_t end = header + 1;
    while (end < m_lines.size() && !sectionName(m_lines[end]))
        ++end;
    return end;
}

// The section's end is found once: asked on every line, it made reading a
// long section take the square of its length.
std::optional<std::size_t> ProfileFile::keyLine(std::size_t header, std::string_view key) const {
    const std::size_t end = sectionEnd(header);
    for (std::size_t i = header + 1; i < end; ++i) {
        if (isKeyLine(m_lines[i], key))
            return i;
    }
    return std::nullopt;
}

std::optional<std::string> ProfileFile::value(std::string_view section,
                                              std::string_view key) const {
    const auto header = sectionLine(section);
    if (!header)
        return std::nullopt;
    const auto line = keyLine(*header, key);
    if (!line)
        return std::nullopt;
    const std::string& text = m_lines[*line];
    std::string_view value = trimmed(std::string_view(text).substr(text.find('=') + 1));
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
        value.back() == value.front())
        value = value.substr(1, value.size() - 2);
    return std::string(value);
}

std::optional<long> ProfileFile::integer(std::string_view section, std::string_view key) const {
    const auto text = value(section, key);
    if (!text)
        return std::nullopt;
    std::string_view digits = *text;
    int base = 10;
    if (digits.size() > 2 && digits[0] == '0' && (digits[1] == 'x' || digits[1] == 'X')) {
        base = 16;
        digits.remove_prefix(2);
    }
    long number = 0;
    std::size_t used = 0;
    for (const char c : digits) {
        const int digit = std::isdigit(static_cast<unsigned char>(c)) ? c - '0'
                          : base == 16 && std::isxdigit(static_cast<unsigned char>(c))
                              ? std::tolower(static_cast<unsigned char>(c)) - 'a' + 10
                              : -1;
        if (digit < 0)
            break;
        number = number * base + digit;
        if (number > 0x7FFFFFFF)
            number = 0x7FFFFFFF;
        ++used;
    }
    if (used == 0)
        return std::nullopt;
    return number;
}

void ProfileFile::setValue(std::string_view section, std::string_view key,
                           const std::string& value) {
    const std::string line = std::string(key) + "=" + value;
    auto header = sectionLine(section);
    if (!header) {
        if (!m_lines.empty() && !trimmed(m_lines.back()).empty())
            m_lines.emplace_back();
        m_lines.push_back("[" + std::string(section) + "]");
        m_lines.push_back(line);
        return;
    }
    if (const auto existing = keyLine(*header, key)) {
        m_lines[*existing] = line;
        return;
    }
    // After the section's last non-blank line.
    std::size_t at = sectionEnd(*header);
    while (at > *header + 1 && trimmed(m_lines[at - 1]).empty())
        --at;
    m_lines.insert(m_lines.begin() + static_cast<std::ptrdiff_t>(at), line);
}

std::string ProfileFile::text() const {
    std::string text;
    for (std::size_t i = 0; i < m_lines.size(); ++i) {
        text += m_lines[i];
        if (i + 1 < m_lines.size() || m_endsWithNewline)
            text += m_newline;
    }
    return text;
}

} // namespace velbrant
