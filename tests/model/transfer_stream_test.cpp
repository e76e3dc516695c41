#include "diagram_builder.h"
#include "layout_check.h"
#include "model/elements/conditional.h"
#include "model/files/transfer_stream.h"
#include "model/layout/element_font.h"
#include "model_fixture.h"

namespace velbrant::test {
namespace {

class TransferStreamTest : public ModelTest {
protected:
    void fill(std::initializer_list<const char*> texts) {
        for (const char* line : texts)
            top.append(makeBlock({line}));
        top.relayout(context);
    }
    std::vector<std::string> texts(const Sequence& sequence) const {
        std::vector<std::string> result;
        for (std::size_t i = 0; i < sequence.size(); ++i)
            result.push_back(text(sequence.at(i)));
        return result;
    }
    void paste(Sequence& into, const Bytes& stream, Point point, InsertMode mode) {
        pasteFromStream(into, stream, point, mode, context);
        into.relayout(context);
    }
};

TEST_F(TransferStreamTest, OneStatementIsItsKindItsBodyAndTheEndMarker) {
    fill({"ABC"});
    top.at(0).setSelected(true);
    const Bytes stream = copyToStream(top, true);
    // Kind, line count, the line, font, widths and alignments, no
    // Structorizer attributes, the end marker.
    ASSERT_EQ(stream.size(), 4 + 2 + 2 + 3 + 260 + 6 + 1 + 2);
    EXPECT_EQ(Bytes(stream.begin(), stream.begin() + 9), (Bytes{2, 0, 0, 0, 1, 0, 3, 0, 'A'}));
    EXPECT_EQ(Bytes(stream.end() - 2, stream.end()), (Bytes{0, 0}));
}

TEST_F(TransferStreamTest, TheSelectedRunPastesBeforeAfterOrInFront) {
    fill({"a", "b", "c", "d"});
    top.at(1).setSelected(true);
    top.at(2).setSelected(true);
    const Bytes run = copyToStream(top, true);

    Sequence other{0, 0, 0, 0};
    paste(other, run, {0, 0}, InsertMode::After);
    EXPECT_EQ(texts(other), (std::vector<std::string>{"b", "c"}));
    EXPECT_FALSE(other.at(0).isSelected());
    paste(other, run, {0, other.at(1).top() + 1}, InsertMode::Before);
    EXPECT_EQ(texts(other), (std::vector<std::string>{"b", "b", "c", "c"}));
    paste(other, run, {0, other.top()}, InsertMode::After);
    EXPECT_EQ(texts(other).front(), "b");
    EXPECT_EQ(other.size(), 6u);

    const Bytes cut = cutToStream(top, context);
    EXPECT_EQ(cut, run);
    EXPECT_EQ(texts(top), (std::vector<std::string>{"a", "d"}));
}

TEST_F(TransferStreamTest, PastingOntoACompoundGoesIntoTheBranchUnderThePoint) {
    fill({"x"});
    top.at(0).setSelected(true);
    const Bytes run = copyToStream(top, true);
    auto& cond = insert<Conditional>(ElementKind::Conditional, {0, 0});
    const int branchY = cond.top() + cond.headHeight() + 5;
    paste(top, run, {cond.left() + cond.width() - 5, branchY}, InsertMode::Before);
    EXPECT_EQ(texts(cond.elseSequence()), (std::vector<std::string>{"x", "<empty>"}));
    paste(top, run, {cond.left() + 5, cond.top() + 5}, InsertMode::After);
    EXPECT_EQ(texts(top), (std::vector<std::string>{"<empty>", "x", "x"}));
}

TEST_F(TransferStreamTest, AWholeTreeTravelsAndComesBackTheSame) {
    buildEveryKindNested(top, context);
    const Bytes all = copyToStream(top, false);
    Sequence copy{0, 0, 0, 0};
    paste(copy, all, {0, 0}, InsertMode::After);
    EXPECT_EQ(checkLayout(copy), "");
    EXPECT_EQ(copyToStream(copy, false), all);
}

TEST_F(TransferStreamTest, ADamagedStreamPastesNothing) {
    fill({"a"});
    Bytes stream = copyToStream(top, false);
    Sequence target{0, 0, 0, 0};
    Bytes unknown = stream;
    unknown[0] = 12;
    EXPECT_THROW(pasteFromStream(target, unknown, {0, 0}, InsertMode::After, context), FormatError);
    stream.pop_back();
    try {
        pasteFromStream(target, stream, {0, 0}, InsertMode::After, context);
        ADD_FAILURE() << "a short stream was accepted";
    } catch (const FormatError& error) {
        EXPECT_STREQ(error.what(), "Unerwartetes Dateiende (Byte 277)");
    }
    EXPECT_TRUE(target.empty());
}

// A run from another program's clipboard holds only what the editor can
// make and a file can store.
TEST_F(TransferStreamTest, APastedRunWithValuesBeyondTheEditorsPastesNothing) {
    fill({"a"});
    const Bytes good = copyToStream(top, false);
    // After the kind (4), the line count (2), the line (2 + 1) and the font.
    const std::size_t widths = 4 + 2 + 3 + FontRecordSize;
    Bytes wide = good;
    wide[widths] = 0xFF;
    wide[widths + 1] = 0xFF;
    Bytes aligned = good;
    aligned[widths + 4] = 200;
    Bytes many;
    for (int i = 0; i < 40'000; ++i)
        many.insert(many.end(), good.begin(), good.end() - 2);
    many.insert(many.end(), {0, 0});
    Sequence target{0, 0, 0, 0};
    for (const auto& [refused, reason] :
         {std::pair{&wide, "Linienstärke 65535"}, std::pair{&aligned, "Ausrichtung 200"},
          std::pair{&many, "Mehr als 32767 Elemente"}}) {
        try {
            pasteFromStream(target, *refused, {0, 0}, InsertMode::After, context);
            ADD_FAILURE() << "pasted: " << reason;
        } catch (const FormatError& error) {
            EXPECT_NE(std::string(error.what()).find(reason), std::string::npos) << error.what();
        }
    }
    EXPECT_TRUE(target.empty());
    pasteFromStream(target, good, {0, 0}, InsertMode::After, context);
    EXPECT_EQ(target.size(), 1u);
}

} // namespace
} // namespace velbrant::test
