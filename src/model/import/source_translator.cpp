#include "model/import/source_translator.h"

namespace velbrant::import {

std::string joined(const std::vector<std::string>& items, const char* between) {
    std::string all;
    for (const std::string& item : items)
        all += (all.empty() ? "" : between) + item;
    return all;
}

std::vector<std::string> sourceLines(const SyntaxNode& node) {
    const std::string_view text = node.text();
    std::vector<std::string> lines;
    std::size_t begin = 0;
    std::size_t indent = std::string::npos;
    while (begin <= text.size()) {
        const std::size_t end = std::min(text.find('\n', begin), text.size());
        std::string_view line = text.substr(begin, end - begin);
        if (line.ends_with('\r'))
            line.remove_suffix(1);
        if (!lines.empty()) {
            const std::size_t blanks = std::min(line.find_first_not_of(" \t"), line.size());
            indent = std::min(indent, blanks == line.size() ? indent : blanks);
        }
        lines.emplace_back(line);
        begin = end + 1;
    }
    if (indent != std::string::npos) {
        for (std::size_t i = 1; i < lines.size(); ++i)
            lines[i].erase(0, std::min(indent, lines[i].size()));
    }
    std::erase_if(lines, [](const std::string& line) {
        return line.find_first_not_of(" \t") == std::string::npos;
    });
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
