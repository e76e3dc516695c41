#include "diagram_builder.h"

#include "model/diagram/compound_element.h"
#include "model/diagram/element_factory.h"
#include "model/files/transfer_stream.h"

namespace velbrant::test {

namespace {

CompoundElement* asCompound(Element& element) {
    return dynamic_cast<CompoundElement*>(&element);
}

void fillMixed(Sequence& sequence, int depth, int maxDepth, int& budget, int& counter,
               const LayoutContext& context) {
    for (int i = 0; i < 3 && budget > 0; ++i, --budget, ++counter) {
        const ElementKind kind = AllKinds[counter % std::size(AllKinds)];
        std::vector<std::string> lines{"summe := summe + " + std::to_string(counter)};
        if (counter % 4 == 0)
            lines.push_back("i\t:= i + 1");
        Element& element = appendNew(sequence, kind, context, std::move(lines));
        CompoundElement* compound = asCompound(element);
        for (std::size_t s = 0; compound && depth < maxDepth && s < compound->sequenceCount(); ++s)
            fillMixed(compound->sequenceAt(s), depth + 1, maxDepth, budget, counter, context);
    }
}

} // namespace

Element& appendNew(Sequence& sequence, ElementKind kind, const LayoutContext& context,
                   std::vector<std::string> lines) {
    std::unique_ptr<Element> element = createElement(kind, context);
    element->setup(context);
    element->setLines(std::move(lines));
    Element& added = *element;
    sequence.append(std::move(element));
    return added;
}

void buildEveryKindNested(Sequence& top, const LayoutContext& context) {
    for (const ElementKind outer : AllKinds) {
        CompoundElement* compound = asCompound(appendNew(top, outer, context, {"aussen"}));
        if (compound == nullptr)
            continue;
        for (const ElementKind inner : AllKinds)
            appendNew(compound->sequenceAt(0), inner, context, {"innen"});
    }
    top.relayout(context);
}

void buildMixedTree(Sequence& top, const LayoutContext& context, int count, int depth) {
    int counter = 0;
    while (count > 0)
        fillMixed(top, 1, depth, count, counter, context);
    top.relayout(context);
}

void buildDeepChain(Sequence& top, const LayoutContext& context, int depth) {
    constexpr ElementKind compounds[] = {ElementKind::Conditional, ElementKind::WhileLoop,
                                         ElementKind::RepeatLoop, ElementKind::ForLoop,
                                         ElementKind::Case};
    Sequence* current = &top;
    for (int level = 0; level < depth; ++level) {
        Element& element =
            appendNew(*current, compounds[level % std::size(compounds)], context, {"x"});
        current = &asCompound(element)->sequenceAt(0);
    }
    top.relayout(context);
}

Bytes runOf(const std::function<void(Sequence&, const LayoutContext&)>& builder,
            const LayoutContext& context) {
    Sequence run(100, 100, 0, 0);
    builder(run, context);
    return copyToStream(run, false);
}

} // namespace velbrant::test
