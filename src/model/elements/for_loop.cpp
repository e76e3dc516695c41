#include "model/elements/for_loop.h"

namespace velbrant {

// Anything inside the box but outside the body: head, foot and left bar.
bool ForLoop::selectsWhole(Point point) const {
    const Sequence& seq = body();
    const bool inBody = point.x >= seq.left() && point.x < seq.left() + seq.width() &&
                        point.y >= seq.top() && point.y < seq.top() + seq.height();
    return contains(point) && !inBody;
}

} // namespace velbrant
