#pragma once

#include "model/import/source_translator.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace velbrant::import {

// A Python module as diagrams: the top-level code (and the body of an
// `if __name__ == "__main__":`) is the main diagram, each top-level
// function one more.
class PythonTranslator : public SourceTranslator {
public:
    using SourceTranslator::SourceTranslator;
    void translate(const SyntaxNode& module, std::string_view mainTitle);

private:
    static bool isMainGuard(const SyntaxNode& node);
    static std::string stripQuotes(std::string line);
    void function(const SyntaxNode& node);
    void block(const SyntaxNode& node, NotationBuilder& out);
    void statement(const SyntaxNode& node, NotationBuilder& out);
    void expressionStatement(const SyntaxNode& node, NotationBuilder& out);
    void assignment(const SyntaxNode& node, NotationBuilder& out);
    void filledList(const std::string& name, const SyntaxNode& product, NotationBuilder& out);
    std::vector<std::string> tupleAssignment(const SyntaxNode& left, const SyntaxNode& right);
    std::string splitInput(const SyntaxNode& left, const SyntaxNode& call);
    std::optional<std::string> inputOf(const SyntaxNode& value);
    std::string target(const SyntaxNode& node);
    std::string augmented(const SyntaxNode& node);
    void callStatement(const SyntaxNode& call, NotationBuilder& out);
    std::string fString(const SyntaxNode& node);
    static std::string literalContent(const SyntaxNode& part);
    void ifStatement(const SyntaxNode& node, NotationBuilder& out);
    void elseChain(const std::vector<SyntaxNode>& alternatives, std::size_t at,
                   NotationBuilder& out);
    void whileStatement(const SyntaxNode& node, NotationBuilder& out);
    void forStatement(const SyntaxNode& node, NotationBuilder& out);
    std::string countingHead(const std::string& name, const std::vector<SyntaxNode>& arguments);
    std::string shifted(const SyntaxNode& bound, int by);
    void matchStatement(const SyntaxNode& node, NotationBuilder& out);
    void caseLabels(const SyntaxNode& pattern, std::vector<std::string>& labels, bool& otherwise);
    std::string head(const SyntaxNode& node);
    std::vector<std::string> expressions(const std::vector<SyntaxNode>& nodes);
    std::string grouped(const SyntaxNode& node);
    std::string expression(const SyntaxNode& node);
    std::string stringLiteral(const SyntaxNode& node);
    std::string binary(const SyntaxNode& node);
    static int level(std::string_view op);
    std::string comparison(const SyntaxNode& node);
    std::string call(const SyntaxNode& node);
};

} // namespace velbrant::import
