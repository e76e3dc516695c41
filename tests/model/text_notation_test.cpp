#include "diagram_builder.h"
#include "model/diagram/compound_element.h"
#include "model/diagram/document.h"
#include "model/diagram/element_factory.h"
#include "model/elements/case.h"
#include "model/files/structogram_file.h"
#include "model/notation/exact_characters.h"
#include "model/notation/text_notation.h"
#include "model/structorizer/nsd_attributes.h"
#include "model/structorizer/nsd_file.h"
#include "pseudocode_builder.h"
#include "recording_canvas.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <iterator>
#include <random>

namespace velbrant {
namespace {

class TextNotation : public ::testing::Test {
protected:
    FixedWidthMeasurer measurer;

    Bytes laidOutBytes(Document& document) {
        document.topSequence().relayout(document.layoutContext(measurer, {}));
        document.layout(measurer, PaperSize{});
        return encodeDocument(document);
    }

    // Diagram -> text -> diagram; the formats, which the text does not
    // hold, are carried over, so the file bytes must come out the same.
    void expectRoundTrip(Document& original, const std::string& name) {
        // The selection is the editor's state, not the diagram's.
        for (auto& [element, sequence] : original.topSequence().readingOrder())
            element->setSelected(false);
        const WrittenNotation written = writeNotation(original);
        // As the editor's text view writes and reads it: UTF-8 with the
        // exact characters.
        const std::string utf8 = exactUtf8(written, original);
        std::unique_ptr<Document> read;
        try {
            ReplacedCharacters replaced;
            read = loadExactNotation(utf8, measurer, {}, replaced);
            EXPECT_EQ(replaced.summary(), "") << name;
        } catch (const NotationError& error) {
            FAIL() << name << ": " << error.what() << "\n" << utf8;
        }
        EXPECT_EQ(read->format().title, original.format().title) << name;
        EXPECT_EQ(read->format().comment, original.format().comment) << name;
        carryFormats(original.topSequence(), read->topSequence(),
                     read->layoutContext(measurer, {}));
        read->setFormat(original.format());
        ASSERT_EQ(laidOutBytes(*read), laidOutBytes(original)) << name << "\n" << written.text;
        EXPECT_EQ(writeNotation(*read).text, written.text) << name;
        EXPECT_EQ(exactUtf8(writeNotation(*read), *read), utf8) << name;
        EXPECT_EQ(written.elementLines.size(), original.topSequence().readingOrder().size());
        EXPECT_EQ(readNotation(written.text, read->layoutContext(measurer, {})).elementLines,
                  written.elementLines)
            << name;
    }
};

// Texts the notation must be able to hold besides the pseudocode: empty
// lines, leading blanks and tabs, backslashes, dots, keywords, heads of
// several lines, heads without text.
void roughen(Sequence& top, std::mt19937& random) {
    const std::vector<std::string> awkward = {"",          " eingerückt", "\tTab", "\\Schrägstrich",
                                              "...Punkte", "wenn nicht",  "SONST", "titel x",
                                              "fall 3",    "leer",        "bis",   "aufruf"};
    for (auto& [element, sequence] : top.readingOrder()) {
        std::uniform_int_distribution<std::size_t> pick(0, awkward.size() - 1);
        if (random() % 5 != 0)
            continue;
        std::vector<std::string> lines = element->lines();
        if (random() % 3 == 0)
            lines.clear();
        else
            lines.insert(lines.begin() + static_cast<long>(random() % (lines.size() + 1)),
                         awkward[pick(random)]);
        element->setLines(std::move(lines));
    }
}

TEST_F(TextNotation, RandomDiagramsSurviveTextAndBack) {
    std::mt19937 random(26);
    for (int i = 0; i < 300; ++i) {
        Document document(measurer);
        DiagramFormat format;
        format.title = i % 7 == 0 ? std::string() : "Zufall " + std::to_string(i);
        format.comment = {"eine\tZeile", "", "\\zweite"};
        document.setFormat(format);
        test::buildPseudocodeTree(document.topSequence(), document.layoutContext(measurer, {}),
                                  random, 30, 5);
        roughen(document.topSequence(), random);
        expectRoundTrip(document, "Zufall " + std::to_string(i));
        if (HasFatalFailure())
            return;
    }
}

TEST_F(TextNotation, EverySampleSurvivesTextAndBack) {
    for (const char* folder : {"examples", "tests/data", "tests/data/nsd"}) {
        for (const auto& entry : std::filesystem::directory_iterator(
                 std::filesystem::path(VELBRANT_SOURCE_DIR) / folder)) {
            const auto extension = entry.path().extension();
            if (extension != ".STR" && extension != ".nsd")
                continue;
            std::ifstream file(entry.path(), std::ios::binary);
            const std::string bytes{std::istreambuf_iterator<char>(file), {}};
            std::unique_ptr<Document> document;
            if (extension == ".STR")
                document = loadDocument(
                    {reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size()}, measurer,
                    {});
            else
                document = loadNsd(bytes, measurer, {}).document;
            expectRoundTrip(*document, entry.path().filename().string());
        }
    }
}

TEST_F(TextNotation, ReadsAsATeacherTypes) {
    const std::string text = "titel Suche\n"
                             "kommentar findet x\n"
                             "\n"
                             "i := 1\n"
                             "gefunden := falsch\n"
                             "\n"
                             "Eingabe: x\n"
                             "solange i <= n\n"
                             // A tab advances to the next multiple of four,
                             // whatever spaces stand before it.
                             " \twenn a[i] = x\n"
                             "  \t    gefunden := wahr\n"
                             "\tsonst\n"
                             "        i := i + 1\n"
                             "wiederhole\n"
                             "    Eingabe: wahl\n"
                             "bis wahl = 0\n"
                             "fallunterscheidung wahl\n"
                             "    fall 1\n"
                             "        aufruf Neu\n"
                             "    fall 2, 3\n"
                             "    sonst\n"
                             "        verlasse Schleife\n"
                             "f\xFCr i := 1 bis n\n"
                             "\\wenn das so ist\n";
    const auto document = loadNotation(text, measurer, {});
    EXPECT_EQ(document->format().title, "Suche");
    const Sequence& top = document->topSequence();
    ASSERT_EQ(top.size(), 7u);
    EXPECT_EQ(top.at(0).lines(), (std::vector<std::string>{"i := 1", "gefunden := falsch"}));
    EXPECT_EQ(top.at(1).lines(), (std::vector<std::string>{"Eingabe: x"}));
    EXPECT_EQ(top.at(2).kind(), ElementKind::WhileLoop);
    EXPECT_EQ(top.at(2).lines(), (std::vector<std::string>{"solange i <= n"}));
    const auto& loop = static_cast<const CompoundElement&>(top.at(2));
    EXPECT_EQ(loop.sequenceAt(0).at(0).kind(), ElementKind::Conditional);
    EXPECT_EQ(loop.sequenceAt(0).at(0).lines(), (std::vector<std::string>{"a[i] = x"}));
    EXPECT_EQ(top.at(3).lines(), (std::vector<std::string>{"bis wahl = 0"}));
    const auto& choice = static_cast<const Case&>(top.at(4));
    EXPECT_TRUE(choice.hasElse());
    EXPECT_EQ(choice.branchLabels(), (std::vector<std::string>{"1", "2, 3", "sonst"}));
    EXPECT_TRUE(choice.branch(1).at(0).isEmptyStatement());
    EXPECT_EQ(choice.branch(2).at(0).kind(), ElementKind::Exit);
    EXPECT_EQ(top.at(5).kind(), ElementKind::ForLoop);
    EXPECT_EQ(top.at(6).lines(), (std::vector<std::string>{"wenn das so ist"}));
}

// Characters Windows-1252 lacks travel through the text both ways: typed
// into a diagram they come out in its UTF-8 text, and read from one they
// stay in the element, the title and the comment, in heads, feet, escaped
// and continued lines alike. Only what a case keeps in its file's form is
// told as replaced.
TEST_F(TextNotation, ExactCharactersTravelThroughTheUtf8TextBothWays) {
    const std::string text = "titel Summe ≤ 10\n"
                             "kommentar α und ω\n"
                             "\n"
                             "Ausgabe: \"→ ∅\"\n"
                             "x ← 1\n"
                             "\n"
                             "\\wenn a ≠ b\n"
                             "solange i ≤ n\n"
                             "... und j ≥ 0\n"
                             "    i ← i + 1\n"
                             "wiederhole\n"
                             "    x ← x × 2\n"
                             "bis x ≥ 100\n"
                             "fallunterscheidung k ≤ 2\n"
                             "    fall 1\n"
                             "        leer\n";
    ReplacedCharacters replaced;
    const auto document = loadExactNotation(text, measurer, {}, replaced);
    EXPECT_EQ(document->shownTitle(), "Summe ≤ 10");
    EXPECT_EQ(document->format().title, "Summe <= 10");
    EXPECT_EQ(document->shownComment(), std::vector<std::string>{"α und ω"});
    const Sequence& top = document->topSequence();
    ASSERT_EQ(top.size(), 5u);
    EXPECT_EQ(top.at(0).shownLines(), (std::vector<std::string>{"Ausgabe: \"→ ∅\"", "x ← 1"}));
    EXPECT_EQ(top.at(0).lines(), (std::vector<std::string>{"Ausgabe: \"-> ?\"", "x <- 1"}));
    EXPECT_EQ(top.at(1).shownLines(), std::vector<std::string>{"wenn a ≠ b"});
    EXPECT_EQ(top.at(2).shownLines(), (std::vector<std::string>{"solange i ≤ n", "und j ≥ 0"}));
    const auto& loop = static_cast<const CompoundElement&>(top.at(3));
    EXPECT_EQ(loop.sequenceAt(0).at(0).shownLines(), std::vector<std::string>{"x ← x × 2"});
    EXPECT_EQ(top.at(3).shownLines(), std::vector<std::string>{"bis x ≥ 100"});
    EXPECT_EQ(top.at(4).lines(), std::vector<std::string>{"k <= 2"});
    EXPECT_EQ(replaced.summary(), "≤");

    // And out again as it came in, the case in its file's form.
    std::string expected = text;
    expected.replace(expected.find("k ≤ 2"), std::string("k ≤ 2").size(), "k <= 2");
    expected.erase(expected.find("        leer\n")); // an empty branch is written as none
    EXPECT_EQ(exactUtf8(writeNotation(*document), *document), expected);
    // A run written alone, as copied or dragged as text, has them too.
    Sequence& run = document->topSequence();
    run.at(2).setSelected(true);
    EXPECT_EQ(exactUtf8(writeNotationRun(run, true), run, true),
              "solange i ≤ n\n... und j ≥ 0\n    i ← i + 1\n");
}

TEST_F(TextNotation, ErrorsNameTheLineAndTheReason) {
    const std::pair<const char*, const char*> cases[] = {
        {"x := 1\nsonst\n", "Zeile 2: „sonst“ ohne „wenn“"},
        {"wenn a\n    x\n  y\n", "Zeile 3: Einrückung passt zu keinem Kopf darüber"},
        {"wiederhole\n    x\ny := 1\n", "Zeile 3: erwartet: „bis …“ zu „wiederhole“ in Zeile 1"},
        {"wiederhole\n    x\n", "Zeile 1: „wiederhole“ ohne „bis“"},
        {"fallunterscheidung w\n    x\n", "Zeile 2: erwartet: „fall …“ oder „sonst“"},
        {"fallunterscheidung w\nx\n", "Zeile 1: „fallunterscheidung“ ohne „fall“"},
        {"fall 1\n", "Zeile 1: „fall“ außerhalb einer Fallunterscheidung"},
        {"x\ntitel T\n", "Zeile 2: „titel“ gehört an den Anfang"},
        {"... weiter\n", "Zeile 1: „...“ ohne Kopf darüber"},
        {"wenn a\n    x\nsonst b\n", "Zeile 3: „sonst“ einer Bedingung hat keinen Text"},
    };
    const LayoutContext context{measurer, {"Arial", 10, 0}, 39};
    for (const auto& [text, message] : cases) {
        try {
            readNotation(text, context);
            ADD_FAILURE() << "read: " << text;
        } catch (const NotationError& error) {
            EXPECT_EQ(std::string(error.what()), message) << text;
        }
    }
}

// An element edited in the text keeps its colour and comment, and shows
// the text as it was typed now: a new character, or the plain spelling
// typed over an old one.
TEST_F(TextNotation, AnEditedTextKeepsAttributesAndTakesTheTypedCharacters) {
    ReplacedCharacters replaced;
    const auto original = loadExactNotation("a ≤ b\n", measurer, {}, replaced);
    Element& element = original->topSequence().at(0);
    element.setNsd(withColor(element.nsd(), Color{255, 128, 128}));
    const LayoutContext context = original->layoutContext(measurer, {});
    for (const auto& [typed, shown] :
         {std::pair{"a ≥ b\n", "a ≥ b"}, std::pair{"a <= b\n", "a <= b"},
          std::pair{"a ≤ b\n", "a ≤ b"}}) {
        ExactNotation fresh = readExactNotation(typed, context, replaced);
        carryFormats(original->topSequence(), *fresh.read.top, context);
        const Element& edited = fresh.read.top->at(0);
        EXPECT_EQ(edited.shownLines(), std::vector<std::string>{shown}) << typed;
        ASSERT_NE(edited.nsd(), nullptr);
        EXPECT_EQ(edited.nsd()->color, "ff8080") << typed;
    }
}

// Deep nesting and huge lines are refused quickly, without a crash.
TEST_F(TextNotation, RefusesWhatNoDiagramHolds) {
    const LayoutContext context{measurer, {"Arial", 10, 0}, 39};
    // 10,000 levels indented by tabs: 50 MB.
    std::string deep;
    for (int level = 0; level < 10'000; ++level)
        deep += std::string(static_cast<std::size_t>(level), '\t') + "solange x\n";
    try {
        readNotation(deep, context);
        ADD_FAILURE() << "read";
    } catch (const NotationError& error) {
        EXPECT_EQ(error.reason(), "Verschachtelung tiefer als 1000 Ebenen");
    }
    EXPECT_THROW(readNotation(std::string(10 << 20, 'x'), context), NotationError);
    // A sequence holds what a file can count; more is refused at once.
    std::string many;
    for (int i = 0; i < 32'767; ++i)
        many += "x := " + std::to_string(i) + "\n\n";
    EXPECT_EQ(readNotation(many, context).top->size(), 32'767u);
    try {
        readNotation(many + "y := 1\n", context);
        ADD_FAILURE() << "read";
    } catch (const NotationError& error) {
        EXPECT_EQ(error.line(), 2 * 32'767 + 1);
        EXPECT_EQ(error.reason(), "Mehr als 32767 Elemente untereinander");
    }
    // So is a statement of more lines than a file can count.
    std::string longStatement;
    for (int i = 0; i < 32'768; ++i)
        longStatement += "x\n";
    try {
        readNotation(longStatement, context);
        ADD_FAILURE() << "read";
    } catch (const NotationError& error) {
        EXPECT_EQ(error.line(), 32'768);
        EXPECT_EQ(error.reason(), "Mehr als 32767 Zeilen in einer Anweisung");
    }
    // Twenty million statements are refused before anything is built.
    try {
        readNotation(std::string(20'000'000, '\n'), context);
        ADD_FAILURE() << "read";
    } catch (const NotationError& error) {
        EXPECT_EQ(error.reason(), "Der Text hat 20000000 Zeilen, höchstens 1000000 werden gelesen");
    }
}

TEST_F(TextNotation, AnEditedTextKeepsTheFormatsOfEveryOtherElement) {
    const auto original = loadNotation("a\n\nb\nwenn c\n    d\nsonst\n    e\n", measurer, {});
    const LayoutContext context = original->layoutContext(measurer, {});
    for (auto& [element, sequence] : original->topSequence().readingOrder()) {
        element->setFont({"Times New Roman", 12, Italic}, measurer);
        element->setBorderWidth(9);
    }
    ReadNotation edited =
        readNotation("neu\n\na\n\nb geändert\nwenn c\n    d\nsonst\n    e\n", context);
    carryFormats(original->topSequence(), *edited.top, context);
    const auto order = edited.top->readingOrder();
    ASSERT_EQ(order.size(), 6u);
    EXPECT_EQ(order[0].first->borderWidth(), 4) << "a new element has the defaults";
    for (std::size_t i = 1; i < order.size(); ++i) {
        EXPECT_EQ(order[i].first->font().name, "Times New Roman") << i;
        EXPECT_EQ(order[i].first->borderWidth(), 9) << i;
    }
}

} // namespace
} // namespace velbrant
