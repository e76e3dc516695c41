#pragma once

#include "model/program/code_tree.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>

// Structorizer's standard routines that every language has: what a call
// to one means, whatever the language.
namespace velbrant::code {

enum class Builtin : std::uint8_t {
    Abs,
    Min,
    Max,
    Round, // half away from zero up: floor(x + 0.5)
    Floor,
    Ceil,
    Sqr,
    Sqrt,
    Exp,
    Log,
    Pow,
    Sin,
    Cos,
    Tan,
    Random, // 0 <= random(n) < n; 0 where n <= 0
    Length, // of a text, in characters (not bytes of UTF-8)
};

inline constexpr std::size_t BuiltinCount = static_cast<std::size_t>(Builtin::Length) + 1;

// The routine a call names with that many arguments, if it is one.
std::optional<Builtin> builtinNamed(std::string_view name, std::size_t arguments);

// The result of a call with arguments of these types; nothing where they
// do not fit.
std::optional<Scalar> builtinResult(Builtin builtin, Scalar first, Scalar second);

// What an argument whose type is not known yet is taken to be.
Scalar builtinArgumentHint(Builtin builtin);

// Whether it needs the language's mathematics library.
bool isMathematical(Builtin builtin);

} // namespace velbrant::code
