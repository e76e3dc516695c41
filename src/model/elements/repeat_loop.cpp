#include "model/elements/repeat_loop.h"

namespace velbrant {

bool RepeatLoop::selectsWhole(Point point) const {
    if (point.x < left() || point.y >= bottom())
        return false;
    const bool inFoot = point.x < left() + width() && point.y >= footTop();
    const bool onLeftBar = point.x < left() + BarWidth && point.y >= top();
    return inFoot || onLeftBar;
}

} // namespace velbrant
