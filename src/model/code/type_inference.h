#pragma once

#include "model/code/code_tree.h"
#include "model/code/type_check.h"

namespace velbrant::code {

struct Inferred {
    // The function's result as the returns tell it.
    Scalar result = Scalar::Unknown;
    bool hasResult = false;
};

// Lets every use tell what it can about the names in it (an assignment,
// a comparison, an index, a call's arguments), pass after pass until no
// type changes; the symbols get their kinds and types.
Inferred inferTypes(Block& body, Symbols& symbols);

} // namespace velbrant::code
