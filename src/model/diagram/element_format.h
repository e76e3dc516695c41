#pragma once

#include "model/layout/element_font.h"
#include "model/layout/units.h"

#include <cstdint>

namespace velbrant {

// The format of a selection, to and from the element format dialog. A zero
// field or an empty font name leaves the element's value unchanged, so one
// record can stand for elements that differ.
struct ElementFormat {
    Alignment hAlign = Alignment::Unchanged;
    Alignment vAlign = Alignment::Unchanged;
    std::uint16_t borderWidth = 0;
    std::uint16_t innerLineWidth = 0;
    ElementFont font;
    friend bool operator==(const ElementFormat&, const ElementFormat&) = default;
};

} // namespace velbrant
