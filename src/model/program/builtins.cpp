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
    {"uppercase", 1, Builtin::Uppercase},
    {"lowercase", 1, Builtin::Lowercase},
    {"trim", 1, Builtin::Trim},
    {"ord", 1, Builtin::Ord},
    {"chr", 1, Builtin::Chr},
    {"pos", 2, Builtin::Pos},
    {"copy", 3, Builtin::Copy},
}};

constexpr std::array<LetterCase, CaseLetterCount> makeCaseLetters() {
    std::array<LetterCase, CaseLetterCount> letters{};
    std::size_t n = 0;
    for (char32_t c = 'a'; c <= 'z'; ++c)
        letters[n++] = {c, c - 32};
    for (char32_t c = 0xE0; c <= 0xFE; ++c) {
        if (c != 0xF7)
            letters[n++] = {c, c - 32};
    }
    letters[n++] = {0x161, 0x160}; // š
    letters[n++] = {0x153, 0x152}; // œ
    letters[n++] = {0x17E, 0x17D}; // ž
    letters[n++] = {0xFF, 0x178};  // ÿ
    return letters;
}

constexpr std::array<LetterCase, CaseLetterCount> CaseLetters = makeCaseLetters();

} // namespace

std::optional<Builtin> builtinNamed(std::string_view name, std::size_t arguments) {
    const std::string lower = lowered(name);
    for (const BuiltinName& entry : Names) {
        if (entry.name == lower && entry.arguments == arguments)
            return entry.builtin;
    }
    return std::nullopt;
}

std::optional<Scalar> builtinResult(Builtin builtin, std::span<const Scalar> arguments) {
    const auto is = [&](std::size_t i, Scalar type) {
        return i < arguments.size() && arguments[i] == type;
    };
    const auto numeric = [&](std::size_t i) {
        return i < arguments.size() && isNumeric(arguments[i]);
    };
    switch (builtin) {
    case Builtin::Abs:
    case Builtin::Sqr:
        return numeric(0) ? std::optional(arguments[0]) : std::nullopt;
    case Builtin::Min:
    case Builtin::Max:
        // Mixed types would pick different overloads in different languages.
        return numeric(0) && is(1, arguments[0]) ? std::optional(arguments[0]) : std::nullopt;
    case Builtin::Round:
    case Builtin::Floor:
    case Builtin::Ceil:
        return numeric(0) ? std::optional(Scalar::Int) : std::nullopt;
    case Builtin::Pow:
        return numeric(0) && numeric(1) ? std::optional(Scalar::Real) : std::nullopt;
    case Builtin::Random:
        return is(0, Scalar::Int) ? std::optional(Scalar::Int) : std::nullopt;
    case Builtin::Length:
    case Builtin::Ord:
        return is(0, Scalar::Text) ? std::optional(Scalar::Int) : std::nullopt;
    case Builtin::Uppercase:
    case Builtin::Lowercase:
    case Builtin::Trim:
        return is(0, Scalar::Text) ? std::optional(Scalar::Text) : std::nullopt;
    case Builtin::Chr:
        return is(0, Scalar::Int) ? std::optional(Scalar::Text) : std::nullopt;
    case Builtin::Pos:
        return is(0, Scalar::Text) && is(1, Scalar::Text) ? std::optional(Scalar::Int)
                                                          : std::nullopt;
    case Builtin::Copy:
        return is(0, Scalar::Text) && is(1, Scalar::Int) && is(2, Scalar::Int)
                   ? std::optional(Scalar::Text)
                   : std::nullopt;
    default:
        return numeric(0) ? std::optional(Scalar::Real) : std::nullopt;
    }
}

Scalar builtinArgumentHint(Builtin builtin, std::size_t argument) {
    switch (builtin) {
    case Builtin::Random:
    case Builtin::Abs:
    case Builtin::Min:
    case Builtin::Max:
    case Builtin::Sqr:
    case Builtin::Chr:
        return Scalar::Int;
    case Builtin::Length:
    case Builtin::Uppercase:
    case Builtin::Lowercase:
    case Builtin::Trim:
    case Builtin::Ord:
    case Builtin::Pos:
        return Scalar::Text;
    case Builtin::Copy:
        return argument == 0 ? Scalar::Text : Scalar::Int;
    default:
        return Scalar::Real;
    }
}

const std::array<LetterCase, CaseLetterCount>& caseLetters() {
    return CaseLetters;
}

bool isMathematical(Builtin builtin) {
    switch (builtin) {
    case Builtin::Round:
    case Builtin::Floor:
    case Builtin::Ceil:
    case Builtin::Sqrt:
    case Builtin::Exp:
    case Builtin::Log:
    case Builtin::Pow:
    case Builtin::Sin:
    case Builtin::Cos:
    case Builtin::Tan:
        return true;
    default:
        return false;
    }
}

} // namespace velbrant::code
