#pragma once

#include "model/import/notation_builder.h"
#include "model/import/source_import.h"
#include "model/import/syntax_tree.h"

#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

namespace velbrant::import {

// An expression or statement without a form in the pseudocode: the
// statement that holds it is kept as source text.
struct NoForm : std::runtime_error {
    NoForm() : std::runtime_error("keine Struktogrammform") {}
};

// "a, b, c".
std::string joined(const std::vector<std::string>& items, const char* between = ", ");

// A whole number written as digits (an optional minus first); nothing for
// any other text.
std::optional<long long> integerValue(std::string_view text);

// Each node written by `write`.
template <typename Write>
std::vector<std::string> eachWritten(const std::vector<SyntaxNode>& nodes, Write write) {
    std::vector<std::string> written;
    written.reserve(nodes.size());
    for (const SyntaxNode& node : nodes)
        written.push_back(write(node));
    return written;
}

// Source lines of a node, the first one's indentation taken off the rest.
std::vector<std::string> sourceLines(const SyntaxNode& node);

// What every language's translator shares: the diagrams made so far, the
// lines kept, and the way a statement is kept as text.
class SourceTranslator {
public:
    explicit SourceTranslator(SourceImport& result) : m_result(result) {}

protected:
    // The node's source lines, as one statement; listed as kept (or as
    // broken when it holds a syntax error).
    void keep(const SyntaxNode& node, NotationBuilder& out);
    // As a comment statement: no behaviour is lost (an import, an include).
    void keepAsComment(const SyntaxNode& node, const std::string& marker, NotationBuilder& out);
    void addDiagram(std::string name, const NotationBuilder& built);
    // `continue` is an exit whose text the pseudocode does not read: the
    // element shows where the loop goes on, and a program stops there.
    void continueExit(const SyntaxNode& node, NotationBuilder& out);
    // A text literal of the pseudocode: "…", or '…' when it holds a '"'.
    static std::string textLiteral(const std::string& content);
    // A head's expression translated, or, without a form, its source text
    // (on one line), listed as kept: the element keeps its structure.
    template <typename Translate>
    std::string orSource(const SyntaxNode& node, Translate translate) {
        try {
            return translate(node);
        } catch (const NoForm&) {
            std::string text;
            for (const std::string& line : sourceLines(node))
                text += (text.empty() ? "" : " ") + line;
            m_result.kept.push_back({node.line(), text});
            return text;
        }
    }
    // Runs the translation of one statement; one without a form is kept.
    template <typename Translate>
    void orKeep(const SyntaxNode& node, NotationBuilder& out, Translate translate) {
        if (node.hasError()) {
            keep(node, out);
            return;
        }
        const NotationBuilder::Mark before = out.mark();
        try {
            translate(out);
        } catch (const NoForm&) {
            out.rollback(before);
            keep(node, out);
        }
    }

    SourceImport& m_result;
};

} // namespace velbrant::import
