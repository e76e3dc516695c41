#pragma once

#include "model/program/type_check.h"

#include <string>

// One back end per language; each writes a whole program.
namespace velbrant::code {

std::string writePython(const TypedProgram& program);
std::string writeJava(const TypedProgram& program);
std::string writeC(const TypedProgram& program);
std::string writePascal(const TypedProgram& program);

} // namespace velbrant::code
