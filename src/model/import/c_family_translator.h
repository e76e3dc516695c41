#pragma once

#include "model/import/source_translator.h"

#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace velbrant::import {

// C and Java sources as diagrams: `main` is the main diagram, every other
// function (in Java: every static method of the class with `main`) one
// more. The two languages share their statements and most expressions;
// input and output differ (printf and scanf, System.out and Scanner).
class CFamilyTranslator : public SourceTranslator {
public:
    CFamilyTranslator(SourceImport& result, Grammar grammar)
        : SourceTranslator(result), m_java(grammar == Grammar::Java) {}
    void translate(const SyntaxNode& root, std::string_view mainTitle);

private:
    // What a value is, as far as the declarations tell: integer division
    // and a number used as a condition depend on it.
    enum class Kind { Unknown, Int, Real, Bool, Text };
    struct Function {
        SyntaxNode node;
        std::string name;
    };

    void topLevelC(const SyntaxNode& root, NotationBuilder& main, std::vector<Function>& functions);
    // The Java class that holds `main`: its static methods are the diagrams.
    static bool holdsMain(const SyntaxNode& node);
    void topLevelJava(const SyntaxNode& root, NotationBuilder& main,
                      std::vector<Function>& functions);
    void classMembers(const SyntaxNode& body, NotationBuilder& main,
                      std::vector<Function>& functions);
    void noteReturnKind(const SyntaxNode& function, const std::string& name);
    void routine(const Function& function);
    std::string header(const SyntaxNode& function, const std::string& name);
    void parameters(const SyntaxNode& function, std::vector<std::string>& names,
                    std::vector<Kind>& kinds);
    void body(const SyntaxNode& function, NotationBuilder& out, bool isMain);
    void constants(const SyntaxNode& function, NotationBuilder& out);

    void statements(const SyntaxNode& block, NotationBuilder& out);
    void statement(const SyntaxNode& node, NotationBuilder& out);
    void translateStatement(const SyntaxNode& node, NotationBuilder& out);
    void declaration(const SyntaxNode& node, NotationBuilder& out);
    void declarator(Kind kind, std::string_view typeText, const SyntaxNode& node,
                    NotationBuilder& out);
    void arrayOf(const std::string& name, const SyntaxNode& size, const SyntaxNode& values,
                 NotationBuilder& out);
    void expressionStatement(const SyntaxNode& node, NotationBuilder& out);
    void assignment(const SyntaxNode& node, NotationBuilder& out);
    std::string increment(const SyntaxNode& update);
    std::optional<std::vector<std::string>> inputInto(const std::string& target,
                                                      const SyntaxNode& value);
    void callStatement(const SyntaxNode& call, NotationBuilder& out);
    std::vector<std::string> printf(const std::vector<SyntaxNode>& arguments);
    std::string scanf(const std::vector<SyntaxNode>& arguments);
    void ifStatement(const SyntaxNode& node, NotationBuilder& out);
    void forStatement(const SyntaxNode& node, NotationBuilder& out);
    std::optional<std::string> countingHead(const SyntaxNode& node);
    static long long stepOf(const SyntaxNode& step, const std::string& name);
    void switchStatement(const SyntaxNode& node, NotationBuilder& out);
    void returnStatement(const SyntaxNode& node, NotationBuilder& out);
    void body(const SyntaxNode& node, NotationBuilder& out) { statements(node, out); }

    std::string condition(const SyntaxNode& node);
    std::string grouped(const SyntaxNode& node);
    std::string expression(const SyntaxNode& node);
    std::string binary(const SyntaxNode& node);
    static int level(std::string_view op);
    std::string call(const SyntaxNode& node);
    std::string stringLiteral(const SyntaxNode& node);
    std::string target(const SyntaxNode& node);
    std::vector<std::string> expressions(const std::vector<SyntaxNode>& nodes);
    Kind kindOf(const SyntaxNode& node) const;
    static Kind kindOfType(std::string_view type);
    // How a header or a declaration names the kind.
    static const char* typeName(Kind kind);
    static SyntaxNode unwrapped(const SyntaxNode& node);

    bool m_java;
    bool m_inMain = false;
    // Names of the function being read, by what they hold; arrays by
    // their elements.
    std::map<std::string, Kind, std::less<>> m_kinds;
    std::map<std::string, Kind, std::less<>> m_returns;
    // #define N 10: given to every diagram that uses N.
    std::vector<std::pair<std::string, std::string>> m_constants;
};

} // namespace velbrant::import
