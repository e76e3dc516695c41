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
    void whileLoop(const Stmt& s) override;
    void repeatLoop(const Stmt& s) override;
    void forLoop(const Stmt& s) override;
    // A counter over an array of the values: "((int[]) {1, 2})[k1_]" in C, a
    // for over "new int[] {1, 2}" in Java; the head opens a brace, then the
    // variable takes the value.
    void forEachLoop(const Stmt& s) override;
    virtual std::string forEachHead(const Stmt& s, const std::string& counter) = 0;
    virtual std::string forEachValue(const Stmt& s, const std::string& counter) = 0;
    // Not where a branch breaks out of a loop: "break" would leave the switch.
    bool switchable(const Stmt& s) const override;
    void caseChain(const Stmt& s) override;
    // A branch's labels compared with the selector; an unread one stops.
    std::string caseCondition(const Stmt& s, const CaseBranch& branch);
    std::string special(const Expr& e) override;

    // A loop condition as the target must see it.
    virtual std::string loopCondition(const Expr& condition) { return expr(condition); }
    virtual std::string textEquality(const Expr& e) = 0;
    std::string functionReturn() const override;
    virtual bool switchesOnText() const = 0;
    // What keeps the compiler quiet about a stub's parameter, if anything.
    virtual std::string unusedParameter(const std::string&) const { return {}; }
    // Reads the input items; `bracedLoop` puts a range's loop body in braces.
    void readItems(const Stmt& s, bool bracedLoop);
    // Declares and reads the diagram's parameters; gives back the arguments.
    std::string readDeclaredParameters();
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
    // C and Java cut towards zero already; the helpers stop on a zero divisor.
    void divisionHelpers();
    // The diagram's function if it is one, then the main function: it calls
    // that function with values read, or is the diagram itself.
    void functionAndMain(const std::string& mainSignature, const std::string& mainEnd);
    // The diagram as a function; a result is returned at its end unless
    // the end cannot be reached.
    void function();
    void routine() override { function(); }
    virtual bool reachesEnd() const { return true; }
    // What the main function does first.
    virtual void mainStart() {}
    virtual void callFunction() = 0;
    virtual void declarations() = 0;
};

} // namespace velbrant::code
