#pragma once

#include <set>
#include <string>
#include <string_view>

namespace velbrant::code {

// Identifiers valid in Python, Java, C and Pascal alike: ASCII letters,
// digits and underscores ("Größe" "Groesse"), never a word any of the four
// reserves, never ending in an underscore (the programs' own helpers do),
// and unique without regard to case (Pascal's rule).
class Identifiers {
public:
    // An identifier for the name, numbered on when taken: "x", "x2", "x3".
    std::string unique(std::string_view name);
    // An identifier chosen elsewhere, which no other name may take.
    void take(std::string_view identifier);

private:
    std::set<std::string> m_taken;
};

} // namespace velbrant::code
