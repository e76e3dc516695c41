#include "diagram_builder.h"
#include "layout_check.h"
#include "model/diagram/compound_element.h"
#include "model/files/element_io.h"
#include "model/files/extended_float.h"
#include "model/files/structogram_file.h"
#include "model_fixture.h"

namespace velbrant::test {
namespace {

// A new document's header and empty title, comment and fonts take 582 bytes
// before the top sequence record.
constexpr std::size_t HeaderSize = 36 + 4 + 260 + 4 + 260;
constexpr std::size_t BaseBodySize = 287;

class StructogramFileTest : public ModelTest {
protected:
    Document document{canvas};

    Bytes save() { return encodeDocument(document); }
    std::unique_ptr<Document> load(const Bytes& bytes) {
        return loadDocument(bytes, canvas, DefaultLabels{});
    }
    LayoutContext documentContext() { return document.layoutContext(canvas, DefaultLabels{}); }
    // Offset of the first element's kind code in a document with no title
    // and no comment.
    static constexpr std::size_t FirstElement = HeaderSize + 18;

    void expectRejected(Bytes bytes, const std::string& message) {
        try {
            load(bytes);
            ADD_FAILURE() << "accepted, expected: " << message;
        } catch (const FormatError& error) {
            EXPECT_NE(std::string(error.what()).find(message), std::string::npos) << error.what();
        }
    }
};

TEST_F(StructogramFileTest, AnEmptyStructogramIsTheHeaderAndAn18ByteRecord) {
    const Bytes bytes = save();
    ASSERT_EQ(bytes.size(), HeaderSize + 18);
    EXPECT_EQ(bytes[0], 150); // FrameLeft
    EXPECT_EQ(Bytes(bytes.begin() + 26, bytes.begin() + 36),
              (Bytes{0, 0, 0, 0, 0, 0, 0, 0x80, 0xFF, 0x3F}));
    EXPECT_EQ(bytes[HeaderSize], 0); // element count
    EXPECT_TRUE(load(bytes)->topSequence().empty());
}

TEST_F(StructogramFileTest, ScaleIsAnExactEightyBitExtended) {
    document.setFormat({.scale = 0.5});
    const Bytes bytes = save();
    EXPECT_EQ(Bytes(bytes.begin() + 26, bytes.begin() + 36),
              (Bytes{0, 0, 0, 0, 0, 0, 0, 0x80, 0xFE, 0x3F}));
    for (const double value : {1.0, 1.5, 0.05, 4.0, -2.5, 1e-300, 3.0e300, 0.0})
        EXPECT_EQ(fromExtended(toExtended(value)), value);
}

TEST_F(StructogramFileTest, SaveLoadSaveIsByteIdenticalWithSelectionFontsAndLabels) {
    Sequence& tree = document.topSequence();
    buildEveryKindNested(tree, documentContext());
    tree.at(3).setSelected(true);
    tree.at(6).setFont({"Courier New", 12, Bold | Italic}, canvas);
    tree.at(0).setHAlign(Alignment::End);
    tree.at(0).setBorderWidth(0);
    document.setFormat(
        {.title = "Titel", .comment = {"eins", "", "drei\tvier"}, .centerVert = true});
    tree.relayout(documentContext());
    const Bytes first = save();
    const auto loaded = load(first);
    EXPECT_FALSE(loaded->topSequence().isModified());
    EXPECT_TRUE(loaded->topSequence().at(3).isSelected());
    EXPECT_EQ(loaded->topSequence().at(6).font(), (ElementFont{"Courier New", 12, Bold | Italic}));
    EXPECT_EQ(checkLayout(loaded->topSequence()), "");
    EXPECT_EQ(encodeDocument(*loaded), first);
}

TEST_F(StructogramFileTest, DamagedFilesAreRefusedWithWhatAndWhere) {
    document.setFormat({.title = "T"});
    Sequence& tree = document.topSequence();
    auto switchCase = createElement(ElementKind::Case, documentContext());
    tree.insertElement(std::move(switchCase), {0, 0}, InsertMode::After, documentContext());
    const Bytes good = save();
    const std::size_t first = FirstElement + 1;
    for (std::size_t size = 0; size < good.size(); size += 7)
        expectRejected(Bytes(good.begin(), good.begin() + static_cast<std::ptrdiff_t>(size)),
                       "Unerwartetes Dateiende");

    const auto patched = [&good](std::size_t at, Bytes with) {
        Bytes bytes = good;
        std::copy(with.begin(), with.end(), bytes.begin() + static_cast<std::ptrdiff_t>(at));
        return bytes;
    };
    expectRejected(patched(36, {0x2C, 1, 0, 0}),
                   "Länge 300 von Titel liegt nicht in 0..255 (Byte 36)");
    expectRejected(patched(first, {12}),
                   "Elementtyp 12 ist unbekannt (Byte " + std::to_string(first));
    expectRejected(patched(26, {0, 0, 0, 0, 0, 0, 0, 0xC0, 0xFF, 0x7F}),
                   "Ungültiger Maßstab (Byte 26)");
    const Extended hundred = toExtended(100.0);
    expectRejected(patched(26, Bytes(hundred.begin(), hundred.end())),
                   "Ungültiger Maßstab (Byte 26)");
    expectRejected(patched(4, {0x00, 0x94, 0x35, 0x77}), // 2 * 10^9
                   "Ungültige Rahmenposition 2000000000 (Byte 4)");
    // A frame so far out that the diagram in it would stand beyond what a
    // file may hold is refused, not saved into a file that cannot be read.
    expectRejected(patched(0, {0x00, 0xE1, 0xF5, 0x05}), // 10^8
                   "Ungültige Rahmenposition 100000000 (Byte 0)");
    const auto farOut = load(patched(0, {0x40, 0x78, 0x7D, 0x01})); // 2.5 * 10^7
    farOut->layout(canvas, PaperSize{});
    EXPECT_EQ(load(encodeDocument(*farOut))->format().frameLeft, 25'000'000);
    const Bytes label{6, 0, 0, 0, 'F', 'a', 'l', 'l', ' ', '1'};
    const auto labelAt = std::search(good.begin(), good.end(), label.begin(), label.end());
    ASSERT_NE(labelAt, good.end());
    expectRejected(
        patched(static_cast<std::size_t>(labelAt - good.begin()), {0xFF, 0xFF, 0xFF, 0xFF}),
        "Länge -1 von Zweigbeschriftung");
}

TEST_F(StructogramFileTest, AnUnchangedScaleKeepsAllEightyBitsOfItsBytes) {
    Bytes bytes = save();
    const Bytes precise{0xc3, 0xf5, 0x28, 0x5c, 0x8f, 0xc2, 0xf5, 0xa8, 0xfd, 0x3f}; // 0.33
    std::copy(precise.begin(), precise.end(), bytes.begin() + 26);
    const auto loaded = load(bytes);
    EXPECT_EQ(encodeDocument(*loaded), bytes);
    DiagramFormat format = loaded->format();
    format.scale = 0.5;
    loaded->setFormat(format);
    const Bytes resaved = encodeDocument(*loaded);
    EXPECT_EQ(Bytes(resaved.begin() + 26, resaved.begin() + 36),
              (Bytes{0, 0, 0, 0, 0, 0, 0, 0x80, 0xFE, 0x3F}));
}

TEST_F(StructogramFileTest, NestingBeyondTheLimitIsRefused) {
    buildDeepChain(document.topSequence(), documentContext(), MaxNestingDepth);
    EXPECT_EQ(load(save())->topSequence().size(), 1u);
    Document deeper{canvas};
    buildDeepChain(deeper.topSequence(), documentContext(), MaxNestingDepth + 1);
    expectRejected(encodeDocument(deeper), "Verschachtelung tiefer als 1000 Ebenen");
}

TEST_F(StructogramFileTest, NegativeCountsAreNoEntriesAndEmptyBranchesGetAStatement) {
    document.topSequence().append(createElement(ElementKind::Conditional, documentContext()));
    Bytes bytes = save();
    std::fill_n(bytes.begin() + 300, 4, 0xFF); // comment count -1
    const auto loaded = load(bytes);
    EXPECT_TRUE(loaded->format().comment.empty());
    const auto& cond = dynamic_cast<const CompoundElement&>(loaded->topSequence().at(0));
    for (std::size_t i = 0; i < 2; ++i) {
        ASSERT_EQ(cond.sequenceAt(i).size(), 1u);
        EXPECT_TRUE(cond.sequenceAt(i).at(0).isEmptyStatement());
    }
}

} // namespace
} // namespace velbrant::test
