#include "model/diagram/element_factory.h"

#include "model/elements/block.h"
#include "model/elements/call.h"
#include "model/elements/case.h"
#include "model/elements/conditional.h"
#include "model/elements/exit.h"
#include "model/elements/for_loop.h"
#include "model/elements/repeat_loop.h"
#include "model/elements/while_loop.h"

#include <stdexcept>

namespace velbrant {

std::unique_ptr<Element> createElement(ElementKind kind, const LayoutContext& context) {
    switch (kind) {
    case ElementKind::Block:
        return std::make_unique<Block>(context);
    case ElementKind::Conditional:
        return std::make_unique<Conditional>(context);
    case ElementKind::WhileLoop:
        return std::make_unique<WhileLoop>(context);
    case ElementKind::RepeatLoop:
        return std::make_unique<RepeatLoop>(context);
    case ElementKind::ForLoop:
        return std::make_unique<ForLoop>(context);
    case ElementKind::Case:
        return std::make_unique<Case>(context);
    case ElementKind::Call:
        return std::make_unique<Call>(context);
    case ElementKind::Exit:
        return std::make_unique<Exit>(context);
    }
    throw std::invalid_argument("unknown element kind " + std::to_string(static_cast<int>(kind)));
}

} // namespace velbrant
