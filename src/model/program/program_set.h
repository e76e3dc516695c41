#pragma once

#include "model/program/type_check.h"

#include <functional>
#include <optional>
#include <string_view>
#include <vector>

// A program made of several diagrams: the one that runs and the routines
// it calls that other diagrams define, directly or through each other.
namespace velbrant::code {

struct ProgramSet {
    TypedProgram main;
    // In the order they were first called.
    std::vector<TypedProgram> routines;
};

// The program of the diagram whose title names the routine, if there is one.
using ProgramLookup = std::function<std::optional<Program>(std::string_view name)>;

// Finds every routine the program needs and types all of them together, so
// that each call fits the routine it calls, recursion included.
ProgramSet linkPrograms(Program main, const ProgramLookup& find);

} // namespace velbrant::code
