#pragma once

#include "model/diagram/compound_element.h"
#include "model/diagram/element_factory.h"
#include "model/elements/case.h"
#include "model/files/binary_io.h"
#include "model/layout/layout_context.h"
#include "model/messages/said.h"

#include <cstdint>
#include <memory>
#include <string>

namespace velbrant {

// What file and transfer stream share: the kinds' codes, the count limit,
// and what a compound kind appends after its element body.

inline constexpr std::int64_t MaxCount = 32767;

// The element of the kind code, or a FormatError naming what was found.
std::unique_ptr<Element> createStoredElement(BinaryReader& in, std::int64_t code,
                                             std::size_t offset, const char* what,
                                             const LayoutContext& context);

// Throws when the model holds more than a 16-bit count can store.
void checkCount(std::size_t count, const char* what);

// An alignment code the editor knows (0 to 3), or a FormatError: a file or
// stream with another is damaged.
Alignment readAlignment(BinaryReader& in);

// Counts the levels of nesting while a reader descends.
class NestingGuard {
public:
    NestingGuard(int& depth, const BinaryReader& in);
    ~NestingGuard() { --m_depth; }
    NestingGuard(const NestingGuard&) = delete;
    NestingGuard& operator=(const NestingGuard&) = delete;

private:
    int& m_depth;
};

// The case's else flag, branch count and labels, each with its sequence
// written by `writeSequence`; the other compound kinds only their sequences.
template <typename WriteSequence>
void writeCompoundTail(BinaryWriter& out, const Element& element, WriteSequence writeSequence) {
    const auto* compound = dynamic_cast<const CompoundElement*>(&element);
    if (compound == nullptr)
        return;
    const auto* switchCase = dynamic_cast<const Case*>(compound);
    if (switchCase != nullptr) {
        checkCount(compound->sequenceCount(), messages::saidLater("files", "Zweige"));
        out.u8(switchCase->hasElse() ? 1 : 0);
        out.i16(static_cast<std::int16_t>(compound->sequenceCount()));
    }
    for (std::size_t i = 0; i < compound->sequenceCount(); ++i) {
        if (switchCase != nullptr)
            out.text32(switchCase->branchLabels().at(i));
        writeSequence(compound->sequenceAt(i));
    }
}

// Reads what writeCompoundTail wrote into a new element; a sequence read
// with no elements gets an empty statement.
template <typename ReadSequence>
void readCompoundTail(BinaryReader& in, Element& element, const LayoutContext& context,
                      ReadSequence readSequence) {
    auto* compound = dynamic_cast<CompoundElement*>(&element);
    if (compound == nullptr)
        return;
    if (auto* switchCase = dynamic_cast<Case*>(compound)) {
        switchCase->setHasElse(in.u8() != 0);
        const int count = std::max<int>(in.i16(), 0);
        switchCase->setBranchCount(count);
        for (int i = 0; i < count; ++i) {
            std::string label = in.text32(messages::saidLater("files", "Zweigbeschriftung"));
            readSequence(switchCase->addBranch(std::move(label)));
        }
    } else {
        for (std::size_t i = 0; i < compound->sequenceCount(); ++i)
            readSequence(compound->sequenceAt(i));
    }
    compound->fillEmptySequences(context);
}

} // namespace velbrant
