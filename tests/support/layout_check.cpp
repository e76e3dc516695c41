#include "layout_check.h"

#include "model/elements/case.h"
#include "model/elements/conditional.h"
#include "model/elements/loop.h"

#include <sstream>

namespace velbrant::test {

namespace {

struct Box {
    int left, top, width, height;
    friend bool operator==(const Box&, const Box&) = default;
};

std::ostream& operator<<(std::ostream& out, const Box& box) {
    return out << '(' << box.left << ", " << box.top << ", " << box.width << ", " << box.height
               << ')';
}

Box boxOf(const Sequence& s) {
    return {s.left(), s.top(), s.width(), s.height()};
}

class Checker {
public:
    std::string firstViolation() const { return m_violation.str(); }

    void sequence(const Sequence& seq, const std::string& path) {
        int y = seq.top();
        for (std::size_t i = 0; i < seq.size() && ok(); ++i) {
            const Element& e = seq.at(i);
            const std::string where = path + "/" + std::to_string(i);
            expect(Box{e.left(), e.top(), e.width(), e.height()},
                   Box{seq.left(), y, seq.width(), e.height()}, where + " stacked");
            y = e.bottom();
            element(e, where);
        }
        if (!seq.empty())
            expect(y, seq.top() + seq.height(), path + " last element reaches the bottom");
    }

private:
    bool ok() const { return m_violation.str().empty(); }

    template <typename T> void expect(const T& actual, const T& expected, const std::string& what) {
        if (ok() && !(actual == expected))
            m_violation << what << ": " << actual << " instead of " << expected;
    }

    void element(const Element& e, const std::string& path) {
        if (const auto* c = dynamic_cast<const Conditional*>(&e))
            conditional(*c, path);
        else if (const auto* l = dynamic_cast<const Loop*>(&e))
            loop(*l, path);
        else if (const auto* k = dynamic_cast<const Case*>(&e))
            caseColumns(*k, path);
    }

    void conditional(const Conditional& c, const std::string& path) {
        const int below = c.height() - c.headHeight();
        const int top = c.top() + c.headHeight();
        const int thenWidth = c.thenSequence().width();
        expect(boxOf(c.thenSequence()), Box{c.left(), top, thenWidth, below}, path + " then");
        expect(boxOf(c.elseSequence()),
               Box{c.left() + thenWidth, top, c.width() - thenWidth, below}, path + " else");
        sequence(c.thenSequence(), path + "/then");
        sequence(c.elseSequence(), path + "/else");
    }

    void loop(const Loop& l, const std::string& path) {
        const int bars = l.kind() == ElementKind::ForLoop ? 2 * l.barHeight() : l.barHeight();
        const int offset = l.kind() == ElementKind::RepeatLoop ? 0 : l.barHeight();
        expect(boxOf(l.body()),
               Box{l.left() + Loop::BarWidth, l.top() + offset, l.width() - Loop::BarWidth,
                   l.height() - bars},
               path + " body");
        sequence(l.body(), path + "/body");
    }

    void caseColumns(const Case& k, const std::string& path) {
        int x = k.left();
        for (std::size_t i = 0; i < k.sequenceCount(); ++i) {
            const Sequence& column = k.branch(i);
            expect(boxOf(column),
                   Box{x, k.top() + k.headHeight(), column.width(), k.height() - k.headHeight()},
                   path + " column " + std::to_string(i));
            x += column.width();
            sequence(column, path + "/" + std::to_string(i));
        }
        expect(x, k.left() + k.width(), path + " columns fill the width");
    }

    std::ostringstream m_violation;
};

} // namespace

std::string checkLayout(const Sequence& sequence) {
    Checker checker;
    checker.sequence(sequence, "");
    return checker.firstViolation();
}

} // namespace velbrant::test
