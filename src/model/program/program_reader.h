#pragma once

#include "model/program/program_set.h"

#include <functional>
#include <string_view>

namespace velbrant {
class Document;
}

namespace velbrant::code {

// The program of a diagram: one walk over the element tree, each text read
// as pseudocode. What cannot be read is kept as `Unread` statements or
// unread heads, never dropped.
Program readProgram(const Document& document);

// The diagram whose title names a routine, if one is at hand.
using DiagramLookup = std::function<const Document*(std::string_view name)>;

// The diagram's program with the routines of the diagrams `routines` finds,
// linked and typed together.
ProgramSet readLinkedProgram(const Document& document, const DiagramLookup& routines);

} // namespace velbrant::code
