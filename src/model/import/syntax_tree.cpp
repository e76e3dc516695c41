#include "model/import/syntax_tree.h"

#include "model/messages/said.h"

#include <cstring>
#include <stdexcept>

extern "C" {
const TSLanguage* tree_sitter_python();
const TSLanguage* tree_sitter_java();
const TSLanguage* tree_sitter_c();
}

namespace velbrant::import {

std::string_view SyntaxNode::text() const {
    if (isNull())
        return {};
    const std::uint32_t begin = ts_node_start_byte(m_node);
    const std::uint32_t end = ts_node_end_byte(m_node);
    if (begin > end || end > m_source.size())
        return {};
    return m_source.substr(begin, end - begin);
}

SyntaxNode SyntaxNode::field(const char* name) const {
    if (isNull())
        return {};
    return {
        ts_node_child_by_field_name(m_node, name, static_cast<std::uint32_t>(std::strlen(name))),
        m_source};
}

SyntaxNode SyntaxNode::child(std::uint32_t index) const {
    if (isNull() || index >= ts_node_child_count(m_node))
        return {};
    return {ts_node_child(m_node, index), m_source};
}

SyntaxNode SyntaxNode::namedChild(std::uint32_t index) const {
    if (isNull() || index >= ts_node_named_child_count(m_node))
        return {};
    return {ts_node_named_child(m_node, index), m_source};
}

std::vector<SyntaxNode> SyntaxNode::children() const {
    std::vector<SyntaxNode> all;
    if (isNull())
        return all;
    const std::uint32_t count = ts_node_child_count(m_node);
    all.reserve(count);
    for (std::uint32_t i = 0; i < count; ++i)
        all.emplace_back(ts_node_child(m_node, i), m_source);
    return all;
}

std::vector<SyntaxNode> SyntaxNode::namedChildren() const {
    std::vector<SyntaxNode> named;
    if (isNull())
        return named;
    const std::uint32_t count = ts_node_named_child_count(m_node);
    named.reserve(count);
    for (std::uint32_t i = 0; i < count; ++i)
        named.emplace_back(ts_node_named_child(m_node, i), m_source);
    return named;
}

std::string SyntaxNode::firstLine() const {
    const std::string_view all = text();
    return std::string(all.substr(0, all.find('\n')));
}

SyntaxTree::SyntaxTree(std::string_view source, Grammar grammar)
    : m_source(source), m_parser(ts_parser_new()), m_tree(nullptr) {
    const TSLanguage* language = grammar == Grammar::Python ? tree_sitter_python()
                                 : grammar == Grammar::Java ? tree_sitter_java()
                                                            : tree_sitter_c();
    if (!ts_parser_set_language(m_parser, language)) {
        ts_parser_delete(m_parser);
        throw std::runtime_error(
            messages::said("import", "Grammatik passt nicht zur tree-sitter-Bibliothek"));
    }
    m_tree = ts_parser_parse_string(m_parser, nullptr, source.data(),
                                    static_cast<std::uint32_t>(source.size()));
}

SyntaxTree::~SyntaxTree() {
    ts_tree_delete(m_tree);
    ts_parser_delete(m_parser);
}

SyntaxNode SyntaxTree::root() const {
    return {ts_tree_root_node(m_tree), m_source};
}

} // namespace velbrant::import
