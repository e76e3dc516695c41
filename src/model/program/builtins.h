#pragma once

#include "model/program/code_tree.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
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
    // Texts, by characters: the letters of `caseLetters` change case;
    // trim takes blanks and tabs off both ends; ord of "" is 0 and chr of
    // what is no character ""; pos counts from 1 (0: not found, 1 for "");
    // copy(s, i, n) takes n characters from the i-th, as far as there are.
    Uppercase,
    Lowercase,
    Trim,
    Ord,
    Chr,
    Pos,
    Copy,
};

inline constexpr std::size_t BuiltinCount = static_cast<std::size_t>(Builtin::Copy) + 1;
inline constexpr std::size_t FirstTextRoutine = static_cast<std::size_t>(Builtin::Uppercase);

// The letters a text routine changes the case of: Windows-1252's, as
// (small, capital) code points, the same in every language.
struct LetterCase {
    char32_t small;
    char32_t capital;
};
inline constexpr std::size_t CaseLetterCount = 60;
const std::array<LetterCase, CaseLetterCount>& caseLetters();

// The routine a call names with that many arguments, if it is one.
std::optional<Builtin> builtinNamed(std::string_view name, std::size_t arguments);

// The result of a call with arguments of these types; nothing where they
// do not fit.
std::optional<Scalar> builtinResult(Builtin builtin, std::span<const Scalar> arguments);

// What an argument whose type is not known yet is taken to be.
Scalar builtinArgumentHint(Builtin builtin, std::size_t argument);

// Whether it needs the language's mathematics library.
bool isMathematical(Builtin builtin);

} // namespace velbrant::code
