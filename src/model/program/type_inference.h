#pragma once

#include "model/program/code_tree.h"
#include "model/program/type_check.h"

// Types from use: what a program's statements tell about its names and
// about the result of the function a diagram may be.
namespace velbrant::code {

struct Inferred {
    // The function's result as the returns tell it.
    Scalar result = Scalar::Unknown;
    bool hasResult = false;
};

// Lets every use tell what it can about the names in it (an assignment,
// a comparison, an index, a call's arguments), pass after pass until no
// type changes; the symbols get their kinds and types.
Inferred inferTypes(Block& body, Symbols& symbols, const std::vector<RecordType>& records);

} // namespace velbrant::code
