#pragma once

#include "model/code/code_writer.h"

namespace velbrant::code {

// What C and Java share: braces, operators, loops and the if chain a case
// becomes when it cannot be a switch.
class CFamilyWriter : public CodeWriter {
public:
    using CodeWriter::CodeWriter;

protected:
    void assign(const Stmt& s) override;
    void call(const Stmt& s) override;
    void ifStatement(const Stmt& s) override;
    void whileLoop(const Stmt& s) override;
    void repeatLoop(const Stmt& s) override;
    void forLoop(const Stmt& s) override;
    void caseStatement(const Stmt& s) override;
    void jump(const Stmt& s) override;
    std::string emptyStatement() const override { return ";"; }
    std::string commentPrefix() const override { return "// "; }

    int precedence(Op op) const override;
    std::string spelling(Op op) const override;
    std::string boolLiteral(bool value) const override { return value ? "true" : "false"; }
    std::string special(const Expr& e) override;

    virtual std::string typeName(Scalar type) const = 0;
    virtual std::string zero(Scalar type) const;
    // A loop condition as the target must see it.
    virtual std::string loopCondition(const Expr& condition) { return expr(condition); }
    virtual std::string textEquality(const Expr& e) = 0;
    virtual std::string endProgram() const = 0;
    virtual std::string returnFromProgram() const { return "return;"; }
    virtual std::string jumpPrefix() const { return {}; }
    virtual void switchStatement(const Stmt& s) = 0;
    virtual bool switchesOnText() const = 0;
    // What keeps the compiler quiet about a stub's parameter, if anything.
    virtual std::string unusedParameter(const std::string&) const { return {}; }
    // Statements in braces after the opening line, which ends with " {".
    void braced(const std::string& opening, const Block& body);
    std::string parameterList(const std::vector<ValueType>& types,
                              const std::vector<std::string>& names);
    virtual std::string parameter(ValueType type, const std::string& name) const = 0;
    // The function's or stub's head: "static int f(int p1)".
    std::string signature(const std::string& name, Scalar result,
                          const std::vector<ValueType>& types,
                          const std::vector<std::string>& names);
    void stubs();
    void head(const Stmt& s);
};

} // namespace velbrant::code
