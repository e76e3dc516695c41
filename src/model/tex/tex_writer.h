#pragma once

#include "model/diagram/document.h"
#include "model/layout/draw_context.h"

#include <string>

namespace velbrant::tex {

// The laid-out document as a TikZ picture in its own proportions and
// texts. A fragment begins with a comment naming the packages to load;
// standalone, it is a whole document that pdflatex compiles as it is.
std::string writeTikz(const Document& document, TextMeasurer& measurer, const DrawStyle& style,
                      bool standalone);

} // namespace velbrant::tex
