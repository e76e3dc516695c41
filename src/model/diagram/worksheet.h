#pragma once

#include "model/diagram/document.h"

#include <optional>
#include <string_view>
#include <unordered_set>

namespace velbrant {

// What a worksheet leaves blank for the students to fill in.
enum class Blanks {
    Selection,  // the selected elements
    Statements, // statements and calls
    Conditions, // conditions, loop heads and the values cases test
    Everything,
};

// "anweisungen", "bedingungen", "alles", as the command line names them.
std::optional<Blanks> blanksNamed(std::string_view name);

// The elements whose texts the worksheet leaves out (empty statements
// have none to leave).
std::unordered_set<const Element*> worksheetBlanks(const Document& document, Blanks blanks);

} // namespace velbrant
