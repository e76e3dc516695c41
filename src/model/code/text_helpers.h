#pragma once

#include "model/program/builtins.h"

#include <array>
#include <cstddef>
#include <set>
#include <string>
#include <string_view>
#include <vector>

// The helpers behind the text routines (uppercase, lowercase, trim, ord,
// chr, pos, copy), one set per language, so that each means the same in
// all four: characters, not the bytes of UTF-8, and the letters of
// `caseLetters`. Only those the program uses are written; the lines have
// the writer's indentation added.
namespace velbrant::code {

inline constexpr std::size_t TextRoutineCount = BuiltinCount - FirstTextRoutine;

// A call of each text routine's helper, the same in every language, in the
// order of `Builtin` from `FirstTextRoutine` on.
inline constexpr std::array<std::string_view, TextRoutineCount> TextRoutineCalls = {
    "gross_({0})",   "klein_({0})",         "trimmen_({0})",       "ordnung_({0})",
    "zeichen_({0})", "position_({0}, {1})", "teil_({0}, {1}, {2})"};

std::vector<std::string> pythonTextHelpers(const std::set<Builtin>& used);
std::vector<std::string> javaTextHelpers(const std::set<Builtin>& used);
std::vector<std::string> cTextHelpers(const std::set<Builtin>& used);
std::vector<std::string> pascalTextHelpers(const std::set<Builtin>& used);

} // namespace velbrant::code
