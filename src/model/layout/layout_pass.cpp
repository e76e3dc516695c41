#include "model/layout/layout_pass.h"

#include "model/diagram/compound_element.h"

namespace velbrant {

void LayoutPass::finish(const LayoutContext& context) {
    for (CompoundElement* element : m_kept)
        element->finishKeeping(context);
    m_kept.clear();
}

} // namespace velbrant
