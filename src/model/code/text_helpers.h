#pragma once

#include "model/program/builtins.h"

#include <set>
#include <string>
#include <vector>

// The helpers behind the text routines (uppercase, lowercase, trim, ord,
// chr, pos, copy), one set per language, so that each means the same in
// all four: characters, not the bytes of UTF-8, and the letters of
// `caseLetters`. Only those the program uses are written; the lines have
// the writer's indentation added.
namespace velbrant::code {

std::vector<std::string> pythonTextHelpers(const std::set<Builtin>& used);
std::vector<std::string> javaTextHelpers(const std::set<Builtin>& used);
std::vector<std::string> cTextHelpers(const std::set<Builtin>& used);
std::vector<std::string> pascalTextHelpers(const std::set<Builtin>& used);

} // namespace velbrant::code
