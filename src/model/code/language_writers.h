#pragma once

#include "model/program/type_check.h"

#include <string>

// One back end per language; each writes a whole program.
namespace velbrant::code {

std::string writePython(const TypedProgram& program);
// The class takes the name of the file (Windows-1252) when there is one.
std::string writeJava(const TypedProgram& program, std::string_view fileStem);
std::string writeC(const TypedProgram& program);
std::string writePascal(const TypedProgram& program);

} // namespace velbrant::code
