#include "model/diagram/compound_element.h"
#include "model/notation/text_notation.h"

#include <algorithm>
#include <vector>

namespace velbrant {

namespace {

void carry(const Element& from, Element& to, const LayoutContext& context);

bool same(const Element& a, const Element& b) {
    return a.kind() == b.kind() && a.lines() == b.lines();
}

// Elements of a gap between matched ones: where both sides have the same
// number, each takes the format of the one of its kind in its place.
void carryGap(const Sequence& old, std::size_t oldBegin, std::size_t oldEnd, Sequence& fresh,
              std::size_t freshBegin, std::size_t freshEnd, const LayoutContext& context) {
    if (oldEnd - oldBegin != freshEnd - freshBegin)
        return;
    for (std::size_t i = 0; i < oldEnd - oldBegin; ++i) {
        if (old.at(oldBegin + i).kind() == fresh.at(freshBegin + i).kind())
            carry(old.at(oldBegin + i), fresh.at(freshBegin + i), context);
    }
}

// Beyond this many pairs the middle is matched by place only.
constexpr std::size_t MaxMatchedPairs = 250'000;

// Equal elements are matched from both ends, then by their longest common
// run in between; the gaps left are matched by place.
void carrySequence(const Sequence& old, Sequence& fresh, const LayoutContext& context) {
    std::size_t n = old.size();
    std::size_t m = fresh.size();
    std::size_t front = 0;
    while (front < std::min(n, m) && same(old.at(front), fresh.at(front))) {
        carry(old.at(front), fresh.at(front), context);
        ++front;
    }
    while (n > front && m > front && same(old.at(n - 1), fresh.at(m - 1))) {
        carry(old.at(n - 1), fresh.at(m - 1), context);
        --n;
        --m;
    }
    const std::size_t rows = n - front;
    const std::size_t columns = m - front;
    if (rows * columns > MaxMatchedPairs || rows == 0 || columns == 0)
        return carryGap(old, front, n, fresh, front, m, context);
    // common[i][j]: the longest common run of old[i..] and fresh[j..].
    std::vector<std::vector<int>> common(rows + 1, std::vector<int>(columns + 1, 0));
    for (std::size_t i = rows; i-- > 0;) {
        for (std::size_t j = columns; j-- > 0;) {
            common[i][j] = same(old.at(front + i), fresh.at(front + j))
                               ? common[i + 1][j + 1] + 1
                               : std::max(common[i + 1][j], common[i][j + 1]);
        }
    }
    std::size_t i = 0;
    std::size_t j = 0;
    std::size_t gapI = 0;
    std::size_t gapJ = 0;
    while (i < rows && j < columns) {
        if (same(old.at(front + i), fresh.at(front + j))) {
            carryGap(old, front + gapI, front + i, fresh, front + gapJ, front + j, context);
            carry(old.at(front + i), fresh.at(front + j), context);
            gapI = ++i;
            gapJ = ++j;
        } else if (common[i + 1][j] >= common[i][j + 1]) {
            ++i;
        } else {
            ++j;
        }
    }
    carryGap(old, front + gapI, n, fresh, front + gapJ, m, context);
}

void carry(const Element& from, Element& to, const LayoutContext& context) {
    to.setFont(from.font(), context.measurer);
    to.setHAlign(from.hAlign());
    to.setVAlign(from.vAlign());
    to.setBorderWidth(from.borderWidth());
    to.setInnerLineWidth(from.innerLineWidth());
    to.setKindTag(from.kindTag());
    // The old attributes (colour, comment, what a file gave), with the text
    // as the fresh element was read: its exact characters or its plain
    // spelling. A case's labels stay in the file's form.
    const bool plain = from.nsd() == nullptr && to.nsd() == nullptr;
    to.setNsd(plain || to.kind() == ElementKind::Case
                  ? from.nsdShare()
                  : typedText(from.nsdShare(), to.shownLines()).attributes);
    const auto* old = dynamic_cast<const CompoundElement*>(&from);
    auto* fresh = dynamic_cast<CompoundElement*>(&to);
    if (old == nullptr || fresh == nullptr)
        return;
    for (std::size_t i = 0; i < std::min(old->sequenceCount(), fresh->sequenceCount()); ++i)
        carrySequence(old->sequenceAt(i), fresh->sequenceAt(i), context);
}

} // namespace

void carryFormats(const Sequence& old, Sequence& fresh, const LayoutContext& context) {
    carrySequence(old, fresh, context);
}

} // namespace velbrant
