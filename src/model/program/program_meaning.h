#pragma once

#include "model/program/code_tree.h"

#include <cstddef>
#include <string_view>
#include <vector>

// What every program of a diagram means alike, whether a generated program
// or a run does it: how output items are spaced, how large arrays grow,
// and the messages a program stops with (UTF-8).
namespace velbrant::code {

// Output items are separated by a space, except next to a text literal.
inline bool spacedBefore(const std::vector<Expr>& items, std::size_t i) {
    return i > 0 && items[i].kind != Expr::Kind::Text && items[i - 1].kind != Expr::Kind::Text;
}

// Arrays grow as their elements are set, up to this many elements.
inline constexpr int MaxArrayElements = 10'000'000;

inline constexpr std::string_view ByZero = "Division durch null";
inline constexpr std::string_view NoMoreInput = "Keine Eingabe mehr";
inline constexpr std::string_view NotAnInteger = "Eingabe ist keine ganze Zahl: ";
inline constexpr std::string_view NotANumber = "Eingabe ist keine Zahl: ";

} // namespace velbrant::code
