#include "model/import/source_translator.h"

#include <charconv>

namespace velbrant::import {

std::string joined(const std::vector<std::string>& items, const char* between) {
    std::string all;
    for (const std::string& item : items)
        all += (all.empty() ? "" : between) + item;
    return all;
}

std::optional<long long> integerValue(std::string_view text) {
    long long value = 0;
    const char* end = text.data() + text.size();
    const auto [at, error] = std::from_chars(text.data(), end, value);
    if (text.empty() || error != std::errc() || at != end)
        return std::nullopt;
    return value;
}

std::vector<std::string> sourceLines(const SyntaxNode& node) {
    const std::string_view text = node.text();
    // The lines after the first stand as far in as the node begins.
    const auto column = static_cast<std::size_t>(node.column());
    std::vector<std::string> lines;
    std::size_t begin = 0;
    while (begin <= text.size()) {
        const std::size_t end = std::min(text.find('\n', begin), text.size());
        std::string line(text.substr(begin, end - begin));
        if (line.ends_with('\r'))
            line.pop_back();
        if (begin > 0)
            line.erase(0, std::min(column, line.find_first_not_of(" \t")));
        if (line.find_first_not_of(" \t") != std::string::npos)
            lines.push_back(std::move(line));
        begin = end + 1;
    }
    return lines;
}

void SourceTranslator::keep(const SyntaxNode& node, NotationBuilder& out) {
    std::vector<std::string> lines = sourceLines(node);
    if (lines.empty())
        return;
    (node.hasError() ? m_result.broken : m_result.kept).push_back({node.line(), lines.front()});
    out.statement(lines);
}

void SourceTranslator::keepAsComment(const SyntaxNode& node, const std::string& marker,
                                     NotationBuilder& out) {
    std::vector<std::string> lines = sourceLines(node);
    if (lines.empty())
        return;
    m_result.kept.push_back({node.line(), lines.front()});
    for (std::string& line : lines)
        line = marker + " " + line;
    out.statement(lines);
}

void SourceTranslator::continueExit(const SyntaxNode& node, NotationBuilder& out) {
    m_result.kept.push_back({node.line(), std::string(node.text())});
    out.keywordElement("aussprung " + std::string(node.text()));
}

void SourceTranslator::addDiagram(std::string name, const NotationBuilder& built) {
    m_result.diagrams.push_back({std::move(name), built.text()});
}

std::string SourceTranslator::textLiteral(const std::string& content) {
    if (content.find('"') == std::string::npos)
        return '"' + content + '"';
    if (content.find('\'') == std::string::npos)
        return '\'' + content + '\'';
    throw NoForm();
}

} // namespace velbrant::import
