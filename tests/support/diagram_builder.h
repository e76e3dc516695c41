#pragma once

#include "model/diagram/element.h"
#include "model/diagram/sequence.h"
#include "model/files/binary_io.h"

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace velbrant::test {

// Creates an element of the kind, sets it up (a case with three branches,
// the last an else branch), gives it the lines and appends it to the
// sequence. The caller lays the tree out when it is built.
Element& appendNew(Sequence& sequence, ElementKind kind, const LayoutContext& context,
                   std::vector<std::string> lines = {});

inline constexpr ElementKind AllKinds[] = {
    ElementKind::Block,   ElementKind::Conditional, ElementKind::WhileLoop, ElementKind::RepeatLoop,
    ElementKind::ForLoop, ElementKind::Case,        ElementKind::Call,      ElementKind::Exit};

// Each builder appends to the sequence and lays it out.

// Every compound kind, each holding one element of every kind in its first
// sequence.
void buildEveryKindNested(Sequence& top, const LayoutContext& context);

// About `count` elements of all kinds, nested down to `depth` levels.
void buildMixedTree(Sequence& top, const LayoutContext& context, int count, int depth);

// A chain of compound elements, each nested in the first sequence of the
// one before, cycling through the compound kinds.
void buildDeepChain(Sequence& top, const LayoutContext& context, int depth);

// A new sequence at (100, 100) built by one of the builders.
template <typename Builder, typename... Args>
std::unique_ptr<Sequence> build(Builder builder, const LayoutContext& context, Args... args) {
    auto top = std::make_unique<Sequence>(100, 100, 0, 0);
    builder(*top, context, args...);
    return top;
}

// What a builder appends to an empty sequence, as a transfer stream: a run
// that an editor pastes as one change.
Bytes runOf(const std::function<void(Sequence&, const LayoutContext&)>& builder,
            const LayoutContext& context);

} // namespace velbrant::test
