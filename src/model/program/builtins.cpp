#include "model/program/builtins.h"

#include "model/files/windows1252.h"
#include "model/program/type_rules.h"

#include <array>

namespace velbrant::code {

namespace {

struct BuiltinName {
    std::string_view name;
    std::size_t arguments;
    Builtin builtin;
};

constexpr std::array<BuiltinName, BuiltinCount> Names{{
    {"abs", 1, Builtin::Abs},
    {"min", 2, Builtin::Min},
    {"max", 2, Builtin::Max},
    {"round", 1, Builtin::Round},
    {"floor", 1, Builtin::Floor},
    {"ceil", 1, Builtin::Ceil},
    {"sqr", 1, Builtin::Sqr},
    {"sqrt", 1, Builtin::Sqrt},
    {"exp", 1, Builtin::Exp},
    {"log", 1, Builtin::Log},
    {"pow", 2, Builtin::Pow},
    {"sin", 1, Builtin::Sin},
    {"cos", 1, Builtin::Cos},
    {"tan", 1, Builtin::Tan},
    {"random", 1, Builtin::Random},
    {"length", 1, Builtin::Length},
}};

} // namespace

std::optional<Builtin> builtinNamed(std::string_view name, std::size_t arguments) {
    const std::string lower = lowered(name);
    for (const BuiltinName& entry : Names) {
        if (entry.name == lower && entry.arguments == arguments)
            return entry.builtin;
    }
    return std::nullopt;
}

std::optional<Scalar> builtinResult(Builtin builtin, Scalar first, Scalar second) {
    switch (builtin) {
    case Builtin::Abs:
    case Builtin::Sqr:
        return isNumeric(first) ? std::optional(first) : std::nullopt;
    case Builtin::Min:
    case Builtin::Max:
        // Mixed types would pick different overloads in different languages.
        return isNumeric(first) && first == second ? std::optional(first) : std::nullopt;
    case Builtin::Round:
    case Builtin::Floor:
    case Builtin::Ceil:
        return isNumeric(first) ? std::optional(Scalar::Int) : std::nullopt;
    case Builtin::Pow:
        return isNumeric(first) && isNumeric(second) ? std::optional(Scalar::Real) : std::nullopt;
    case Builtin::Random:
        return first == Scalar::Int ? std::optional(Scalar::Int) : std::nullopt;
    case Builtin::Length:
        return first == Scalar::Text ? std::optional(Scalar::Int) : std::nullopt;
    default:
        return isNumeric(first) ? std::optional(Scalar::Real) : std::nullopt;
    }
}

Scalar builtinArgumentHint(Builtin builtin) {
    switch (builtin) {
    case Builtin::Random:
    case Builtin::Abs:
    case Builtin::Min:
    case Builtin::Max:
    case Builtin::Sqr:
        return Scalar::Int;
    case Builtin::Length:
        return Scalar::Text;
    default:
        return Scalar::Real;
    }
}

bool isMathematical(Builtin builtin) {
    return builtin != Builtin::Random && builtin != Builtin::Length && builtin != Builtin::Abs &&
           builtin != Builtin::Min && builtin != Builtin::Max && builtin != Builtin::Sqr;
}

} // namespace velbrant::code
