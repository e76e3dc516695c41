#pragma once

#include "model/program/code_tree.h"

#include <cstddef>
#include <deque>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

// The names of a program and their types: the symbols a type check finds,
// and the check that settles what inference left open and keeps each
// statement whose types do not fit as a comment.
namespace velbrant::code {

// A builtin is one of the standard routines every language has (builtins.h).
enum class SymbolKind : std::uint8_t { Unset, Variable, Function, Procedure, Builtin };

// A name of the program: a variable (scalar or array), or a subroutine the
// program calls and does not define, declared as a stub.
struct Symbol {
    std::string spelling;
    SymbolKind kind = SymbolKind::Unset;
    // A variable's type or a function's result.
    ValueType type;
    std::vector<ValueType> parameters;
    bool signatureSet = false;
    // Lowest index an array is used with, at most 0.
    long long lowestIndex = 0;
    bool isParameter = false;
    // No use told the type, or uses contradict: an integer is declared.
    bool guessed = false;
    bool conflicting = false;
    bool read = false;
    // A routine another diagram of the program defines (no stub).
    bool linked = false;
};

class Symbols {
public:
    // Names are case-insensitive; the first spelling met is kept.
    Symbol& get(std::string_view name);
    const Symbol* find(std::string_view name) const;
    // The symbol of a name in the program, looked up once and then kept in
    // the expression or call.
    Symbol& of(Expr& e) { return cached(e.symbol, e.text); }
    Symbol& ofCall(Stmt& s) { return cached(s.symbol, s.name); }
    const Symbol& of(const Expr& e) const { return m_all.at(static_cast<std::size_t>(e.symbol)); }
    const Symbol& ofCall(const Stmt& s) const {
        return m_all.at(static_cast<std::size_t>(s.symbol));
    }
    const std::deque<Symbol>& all() const { return m_all; }
    std::deque<Symbol>& all() { return m_all; }

private:
    Symbol& cached(std::int32_t& index, std::string_view name);

    // A deque: symbols met while one is in use must not move it.
    std::deque<Symbol> m_all;
    std::unordered_map<std::string, std::size_t> m_byKey;
};

// What a routine of another diagram takes and gives, by its name.
struct Signature {
    std::string spelling;
    std::vector<ValueType> parameters;
    // Unknown for a routine that gives no value.
    Scalar result = Scalar::Unknown;
    bool operator==(const Signature&) const = default;
};
// By the lower-case name.
using Signatures = std::unordered_map<std::string, Signature>;

struct TypedProgram {
    Program program;
    Symbols symbols;
    // A function's result; Unknown for a program.
    Scalar result = Scalar::Unknown;
    // Text lines kept as comments because no rule read them or their
    // statement does not fit the types.
    int unreadLines = 0;
    // Subroutines called and not defined: written as stubs that stop.
    int missingRoutines = 0;
};

// Infers every name's type from its uses, then checks each statement with
// those types; what does not fit becomes unread, so that every back end
// can write a program that compiles.
// Calls to the routines `routines` names fit their signatures.
TypedProgram typeProgram(Program program, const Signatures& routines = {});
// The record types the statements define, each name once (the first).
std::vector<RecordType> recordsIn(const Block& statements);

// The names a program calls (lower case).
std::vector<std::string> calledNames(const Block& statements);

} // namespace velbrant::code
