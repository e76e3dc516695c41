#pragma once

#include <string>

namespace velbrant {

// The texts new elements start with, the conditional's branch labels and
// the arrow option, Windows-1252, at most 255 bytes each. Element texts and
// case labels are copied into an element when it is set up; the branch
// labels and the arrow option are read at every repaint.
struct DefaultLabels {
    std::string structName = "STRUKT";
    std::string yes = "Wahr";
    std::string no = "Falsch";
    std::string ifText;
    std::string whileText;
    std::string repeatText;
    std::string forText;
    std::string caseText;
    std::string casePrefix = "Fall ";
    std::string caseElse = "sonst";
    bool replaceArrow = false;
    friend bool operator==(const DefaultLabels&, const DefaultLabels&) = default;
};

} // namespace velbrant
