#pragma once

#include "model/elements/case.h"

#include <string>
#include <string_view>
#include <vector>

// What reading and writing Structorizer files share.
namespace velbrant::nsd {

// Structorizer keeps lines as comma text: items quoted with '"' (a quote
// inside doubled) or bare, separated by commas.
std::vector<std::string> commaTextLines(std::string_view text);
std::string commaText(const std::vector<std::string>& lines);

// A case's text in the file: one selector line (several lines joined), the
// labels, and "%" without an else branch.
std::vector<std::string> caseText(const Case& switchCase);

} // namespace velbrant::nsd
