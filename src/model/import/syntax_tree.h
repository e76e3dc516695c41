#pragma once

#include <string>
#include <string_view>
#include <tree_sitter/api.h>
#include <vector>

namespace velbrant::import {

// A node of a parsed source: its kind, its text and its children, named
// or all. Valid while the tree it came from lives.
class SyntaxNode {
public:
    SyntaxNode() = default;
    SyntaxNode(TSNode node, std::string_view source) : m_node(node), m_source(source) {}

    bool isNull() const { return ts_node_is_null(m_node); }
    // A null node (a field or child that is not there) answers as empty.
    std::string_view type() const { return isNull() ? "" : ts_node_type(m_node); }
    bool is(std::string_view type) const { return !isNull() && this->type() == type; }
    // The node or one below holds a syntax error or a missing token.
    bool hasError() const { return !isNull() && ts_node_has_error(m_node); }
    std::string_view text() const;
    // From 1.
    int line() const {
        return isNull() ? 0 : static_cast<int>(ts_node_start_point(m_node).row) + 1;
    }
    // From 0, in bytes.
    int column() const {
        return isNull() ? 0 : static_cast<int>(ts_node_start_point(m_node).column);
    }
    SyntaxNode field(const char* name) const;
    std::vector<SyntaxNode> children() const;
    std::vector<SyntaxNode> namedChildren() const;
    // Null past the last.
    SyntaxNode child(std::uint32_t index) const;
    SyntaxNode namedChild(std::uint32_t index) const;
    bool operator==(const SyntaxNode& other) const { return ts_node_eq(m_node, other.m_node); }
    // The node's first line of text, for notes.
    std::string firstLine() const;

private:
    TSNode m_node{};
    std::string_view m_source;
};

enum class Grammar { Python, Java, C };

// A source parsed by the grammar of its language.
class SyntaxTree {
public:
    SyntaxTree(std::string_view source, Grammar grammar);
    ~SyntaxTree();
    SyntaxTree(const SyntaxTree&) = delete;
    SyntaxTree& operator=(const SyntaxTree&) = delete;
    SyntaxNode root() const;

private:
    std::string_view m_source;
    TSParser* m_parser;
    TSTree* m_tree;
};

} // namespace velbrant::import
