#pragma once

#include "model/program/code_tree.h"

namespace velbrant {
class Document;
}

namespace velbrant::code {

// The program of a diagram: one walk over the element tree, each text read
// as pseudocode. What cannot be read is kept as `Unread` statements or
// unread heads, never dropped.
Program readProgram(const Document& document);

} // namespace velbrant::code
