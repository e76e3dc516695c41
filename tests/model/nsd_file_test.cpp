#include "model/diagram/compound_element.h"
#include "model/elements/case.h"
#include "model/files/element_io.h"
#include "model/files/structogram_file.h"
#include "model/files/transfer_stream.h"
#include "model/files/windows1252.h"
#include "model/structorizer/nsd_file.h"
#include "model_fixture.h"

#include <filesystem>
#include <fstream>
#include <map>
#include <pugixml.hpp>
#include <sstream>

namespace velbrant::test {
namespace {

std::string readText(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

// Kinds, texts, labels and nesting, as a line per element.
void dump(const Sequence& sequence, std::ostringstream& out, int depth = 0) {
    for (std::size_t i = 0; i < sequence.size(); ++i) {
        const Element& element = sequence.at(i);
        out << std::string(static_cast<std::size_t>(depth) * 2, ' ')
            << static_cast<int>(element.kind());
        for (const std::string& line : element.lines())
            out << " [" << line << "]";
        if (const auto* switchCase = dynamic_cast<const Case*>(&element)) {
            out << (switchCase->hasElse() ? " else" : " no-else");
            for (const std::string& label : switchCase->branchLabels())
                out << " <" << label << ">";
        }
        out << '\n';
        if (const auto* compound = dynamic_cast<const CompoundElement*>(&element))
            for (std::size_t s = 0; s < compound->sequenceCount(); ++s) {
                out << std::string(static_cast<std::size_t>(depth) * 2 + 1, ' ') << "|\n";
                dump(compound->sequenceAt(s), out, depth + 1);
            }
    }
}

std::string dump(const Document& document) {
    std::ostringstream out;
    out << document.format().title << '\n';
    for (const std::string& line : document.format().comment)
        out << "# " << line << '\n';
    dump(document.topSequence(), out);
    return out.str();
}

using NsdFile = ModelTest;

TEST_F(NsdFile, EverySampleGoesThroughStructorizerAndComesBackTheSame) {
    int samples = 0;
    for (const char* folder : {"/tests/data", "/examples"}) {
        for (const auto& entry :
             std::filesystem::directory_iterator(std::string(VELBRANT_SOURCE_DIR) + folder)) {
            if (entry.path().extension() != ".STR")
                continue;
            const std::string bytes = readText(entry.path());
            const auto original = loadDocument(
                std::span(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size()),
                canvas, DefaultLabels{});
            const NsdImport back = loadNsd(encodeNsd(*original), canvas, DefaultLabels{});
            EXPECT_EQ(dump(*back.document), dump(*original)) << entry.path();
            EXPECT_TRUE(back.conversions.empty()) << entry.path();
            ++samples;
        }
    }
    EXPECT_GE(samples, 7);
}

TEST_F(NsdFile, EveryStructorizerKindEscapeAndConversionIsReadAndTold) {
    const NsdImport read =
        loadNsd(readText(std::string(VELBRANT_SOURCE_DIR) + "/tests/data/nsd/alle-arten.nsd"),
                canvas, DefaultLabels{});
    EXPECT_EQ(dump(*read.document), "Suche\n"
                                    "# Findet x\n"
                                    "# in a[1..n]\n"
                                    "2 [Eingabe: n] [i <- 1]\n"
                                    "3 [a[i] = \"x\" & i <= n]\n"
                                    " |\n"
                                    "  9 [leave]\n"
                                    " |\n"
                                    "  2\n"
                                    "4 [i < n]\n"
                                    " |\n"
                                    "  8 [Zeige(i)]\n"
                                    "5 [bis fertig]\n"
                                    " |\n"
                                    "  6 [f\xFCr k <- 1 bis 3]\n"
                                    "   |\n"
                                    "    2 [k]\n"
                                    "7 [wahl] else <1> <2> <sonst>\n"
                                    " |\n"
                                    "  2 [eins]\n"
                                    " |\n"
                                    "  2\n"
                                    " |\n"
                                    "  2 [anderes]\n"
                                    "7 [farbe] no-else <rot> <gr\xFCn>\n"
                                    " |\n"
                                    "  2\n"
                                    " |\n"
                                    "  2\n"
                                    "4 [solange wahr (Endlosschleife)]\n"
                                    " |\n"
                                    "  2 [warte]\n"
                                    "7 [parallel] no-else <Strang 1> <Strang 2>\n"
                                    " |\n"
                                    "  2 [A]\n"
                                    " |\n"
                                    "  2 [B]\n"
                                    "7 [ex] no-else <Try> <Catch> <Finally>\n"
                                    " |\n"
                                    "  2 [lies]\n"
                                    " |\n"
                                    "  2 [melde ex]\n"
                                    " |\n"
                                    "  2\n");
    // What is kept is not told: characters Windows-1252 lacks stay in the
    // exact text beside its form, drawn as they are, and go back to a .nsd
    // as the file had them.
    EXPECT_TRUE(read.conversions.empty());
    EXPECT_TRUE(read.textChanges.empty());
}

// Element names, attributes (any order) and children, as Structorizer
// compares what it reads; blank text between elements does not count.
std::string tree(const pugi::xml_node& node, int depth = 0) {
    std::map<std::string, std::string> attributes;
    for (const pugi::xml_attribute& attribute : node.attributes())
        attributes[attribute.name()] = attribute.value();
    std::string out = std::string(static_cast<std::size_t>(depth) * 2, ' ') + node.name();
    for (const auto& [name, value] : attributes)
        out += " " + name + "=[" + value + "]";
    out += "\n";
    for (const pugi::xml_node& child : node.children()) {
        if (child.type() == pugi::node_element)
            out += tree(child, depth + 1);
        else if (child.type() == pugi::node_pcdata)
            out += std::string(static_cast<std::size_t>(depth + 1) * 2, ' ') + child.value() + "\n";
    }
    return out;
}

std::string tree(const std::string& xml) {
    pugi::xml_document document;
    EXPECT_TRUE(document.load_buffer(xml.data(), xml.size()));
    return tree(document.document_element());
}

const char* const Subroutine = R"(<?xml version="1.0" encoding="UTF-8"?>
<root xmlns:nsd="https://structorizer.fisch.lu" version="3.30-02" preRepeat="until " text="&#34;summe(feld: array of integer,&#34;,&#34;       n: integer): integer&#34;" comment="&#34;Summiert ≤ n Werte&#34;" author="ida" created="2020-03-01" changedby="ida" changed="2021-04-02" origin="Structorizer 3.30" licenseName="GPLv3" color="ffffff" type="sub" style="nice" includeList="&#34;Konstanten&#34;">
    <licenseText>Darf frei verwendet werden.</licenseText>
    <children>
        <instruction text="&#34;s ← 0&#34;" comment="&#34;Anfang&#34;,&#34;zweite Zeile&#34;" color="ffff80" rotated="0" disabled="0"></instruction>
        <for text="&#34;für i ← 1 bis n&#34;" comment="" counterVar="i" startValue="1" endValue="n" stepConst="1" style="COUNTER" color="80ff80" disabled="0">
            <qFor>
                <instruction text="&#34;s ← s + feld[i]&#34;" comment="" color="ffffff" rotated="0" disabled="1"></instruction>
            </qFor>
        </for>
        <alternative text="&#34;s &lt; 0&#34;" comment="" color="ffffff" disabled="0">
            <qTrue>
                <jump text="&#34;return 0&#34;" comment="" color="ff8080" disabled="0"></jump>
            </qTrue>
            <qFalse></qFalse>
        </alternative>
        <forever text="" comment="&#34;ewig&#34;" color="ffffff" disabled="0">
            <qForever></qForever>
        </forever>
        <try text="&#34;ex&#34;" comment="" color="c0c0ff" disabled="0">
            <qTry><call text="&#34;lies()&#34;" comment="" color="ffffff" disabled="0"></call></qTry>
            <qCatch></qCatch>
            <qFinally></qFinally>
        </try>
        <parallel text="&#34;2&#34;" comment="" color="ffffff" disabled="0">
            <qPara></qPara>
            <qPara><instruction text="&#34;b&#34;" comment="" color="ffffff" rotated="0" disabled="0"></instruction></qPara>
        </parallel>
        <case text="&#34;w&#34;,&#34;1&#34;,&#34;%&#34;" comment="" color="ffffff" disabled="0">
            <qCase></qCase>
            <qCase></qCase>
        </case>
        <jump text="&#34;return s&#34;" comment="" color="ffffff" breakpoint="1" disabled="0"></jump>
    </children>
</root>
)";

TEST_F(NsdFile, OpenAndSaveGivesStructorizerBackWhatItWrote) {
    const NsdImport read = loadNsd(Subroutine, canvas, DefaultLabels{});
    EXPECT_TRUE(read.conversions.empty());
    EXPECT_TRUE(read.textChanges.size() == 1) << "only the arrows and \"≤\" are told";
    EXPECT_EQ(tree(encodeNsd(*read.document)), tree(Subroutine));
    // An edited text goes out as edited; the element keeps the rest.
    Element& first = read.document->topSequence().at(0);
    first.setLines({"s := 1"});
    const std::string edited = encodeNsd(*read.document);
    EXPECT_NE(edited.find("text=\"&quot;s := 1&quot;\" comment=\"&quot;Anfang&quot;,&quot;zweite "
                          "Zeile&quot;\" color=\"ffff80\""),
              std::string::npos)
        << edited;
    EXPECT_EQ(nsdOnlyContent(*read.document),
              (std::vector<std::string>{
                  "4 Farben", "2 Kommentare an Elementen", "1 deaktiviertes Element",
                  "3 Endlosschleifen, Ausnahmebehandlungen und Parallelabschnitte", "1 Haltepunkt",
                  "der Diagrammtyp „sub“", "die Include-Liste", "1 weitere Kopfzeile",
                  "Autor, Daten und Lizenz des Diagramms",
                  "Zeichen, die Windows-1252 nicht hat: „←“ als „<-“, „≤“ als „<=“"}));
    // The sample kept in the repository, too.
    const std::string sample =
        readText(std::string(VELBRANT_SOURCE_DIR) + "/tests/data/nsd/alle-arten.nsd");
    EXPECT_EQ(tree(encodeNsd(*loadNsd(sample, canvas, DefaultLabels{}).document)), tree(sample));
}

// What goes into a copy, a paste, a move and an undo snapshot.
TEST_F(NsdFile, StructorizerAttributesTravelWithTheElement) {
    const NsdImport read = loadNsd(Subroutine, canvas, DefaultLabels{});
    const Sequence& top = read.document->topSequence();
    const Bytes stream = copyToStream(top, false);
    BinaryReader in(stream);
    const auto run = readRun(in, context);
    ASSERT_EQ(run.size(), top.size());
    for (std::size_t i = 0; i < run.size(); ++i) {
        ASSERT_NE(run[i]->nsd(), nullptr) << i;
        EXPECT_EQ(*run[i]->nsd(), *top.at(i).nsd()) << i;
    }
    auto fresh = std::make_unique<Block>(context);
    EXPECT_EQ(fresh->nsd(), nullptr);
}

// The last three things a Structorizer file lost on its way through: a
// branch's own colour, an empty instruction that is all of an else branch
// (Structorizer's else), and the rest of a line whose inner quotes were not
// doubled. All three come back, through copy and paste too.
TEST_F(NsdFile, BranchColoursEmptyElseInstructionsAndUndoubledQuotesComeBack) {
    const std::string file =
        R"(<root text="&#34;Steuer&#34;" comment=""><children>)"
        R"(<alternative text="&#34;x &gt; 0&#34;" comment="" color="ffffff" disabled="0">)"
        R"(<qTrue><instruction text="&#34;OUTPUT &#34;Gesamtsteuer: &#34; + gesamtsteuer&#34;")"
        R"( comment="" color="ffffff" disabled="0"></instruction></qTrue>)"
        R"(<qFalse color="ff8080"><instruction text="" comment="" color="ffffff" disabled="0">)"
        R"(</instruction></qFalse></alternative></children></root>)";
    const NsdImport read = loadNsd(file, canvas, DefaultLabels{});
    const auto& branch = static_cast<const CompoundElement&>(read.document->topSequence().at(0));
    EXPECT_EQ(branch.sequenceAt(0).at(0).lines(),
              std::vector<std::string>{"OUTPUT \"Gesamtsteuer: \" + gesamtsteuer"});

    const Bytes stream = copyToStream(read.document->topSequence(), false);
    BinaryReader in(stream);
    auto copy = std::make_unique<Sequence>(0, 0, 0, 0);
    for (auto& element : readRun(in, context))
        copy->append(std::move(element));
    read.document->replaceTopSequence(std::move(copy));
    pugi::xml_document written;
    ASSERT_TRUE(written.load_string(encodeNsd(*read.document).c_str()));
    const pugi::xml_node alternative = written.child("root").child("children").child("alternative");
    const pugi::xml_node otherwise = alternative.child("qFalse");
    EXPECT_STREQ(otherwise.attribute("color").value(), "ff8080");
    EXPECT_TRUE(otherwise.child("instruction")) << "the else branch's empty instruction";
    EXPECT_FALSE(alternative.child("qTrue").attribute("color"));
    EXPECT_STREQ(alternative.child("qTrue").child("instruction").attribute("text").value(),
                 "\"OUTPUT \"\"Gesamtsteuer: \"\" + gesamtsteuer\"");
}

// A NUL (or other control character) in a text would cut it short: it is
// read as a blank, and told.
TEST_F(NsdFile, ControlCharactersBecomeBlanksAndAreToldNeverCutATextShort) {
    const NsdImport read =
        loadNsd(R"(<root text="" comment=""><children><instruction text="&#34;x&#0;y&#x1F;z&#34;")"
                R"( comment="" color="ffffff" disabled="0"></instruction></children></root>)",
                canvas, DefaultLabels{});
    EXPECT_EQ(read.document->topSequence().at(0).lines(), std::vector<std::string>{"x y z"});
    ASSERT_EQ(read.conversions.size(), 1u);
    EXPECT_EQ(read.conversions[0], "Steuerzeichen durch Leerzeichen ersetzt: 2");
}

// What no .STR file could count is refused while reading: more elements
// in one sequence, or more lines in one text, than 32,767.
TEST_F(NsdFile, SequencesAndTextsBeyondWhatAFileCountsAreRefused) {
    std::string many = "<root><children>";
    for (int i = 0; i < 32'768; ++i)
        many += "<instruction text=\"x\"/>";
    many += "</children></root>";
    EXPECT_THROW(loadNsd(many, canvas, DefaultLabels{}), FormatError);
    std::string lines;
    for (int i = 0; i < 32'768; ++i)
        lines += (i == 0 ? "" : ",") + std::string("&#34;x&#34;");
    EXPECT_THROW(loadNsd("<root><children><instruction text=\"" + lines + "\"/></children></root>",
                         canvas, DefaultLabels{}),
                 FormatError);
    try {
        loadNsd(many, canvas, DefaultLabels{});
    } catch (const FormatError& error) {
        EXPECT_NE(std::string(error.what()).find("Mehr als 32767 Elemente untereinander"),
                  std::string::npos)
            << error.what();
    }
}

TEST_F(NsdFile, LatinOneAndWindows1252DeclarationsAndEmptyCommentsAreNoNews) {
    for (const char* encoding : {"ISO-8859-1", "windows-1252"}) {
        const std::string file = std::string("<?xml version=\"1.0\" encoding=\"") + encoding +
                                 "\"?><root text=\"&#34;Caf\xE9&#34;\" comment=\"\"><children>"
                                 "<instruction text=\"&#34;\xBFQu\xE9?&#34;\" comment=\"\" "
                                 "color=\"ffffff\" disabled=\"0\"></instruction>"
                                 "<call text=\"&#34;f&#34;\" comment=\"\" color=\"ffffff\" "
                                 "disabled=\"0\"></call></children></root>";
        const NsdImport read = loadNsd(file, canvas, DefaultLabels{});
        EXPECT_TRUE(read.conversions.empty()) << encoding;
        EXPECT_EQ(read.document->format().title, "Caf\xE9");
        EXPECT_EQ(read.document->topSequence().at(0).lines()[0], "\xBFQu\xE9?");
        EXPECT_NE(encodeNsd(*read.document).find("¿Qué?"), std::string::npos);
        EXPECT_TRUE(nsdOnlyContent(*read.document).empty()) << encoding;
    }
}

TEST_F(NsdFile, UtfSixteenFilesReadAndForeignCharactersAreToldInBrief) {
    const std::string utf8 =
        "<?xml version=\"1.0\" encoding=\"UTF-16\"?><root text=\"Gr\xC3\xB6\xC3\x9F"
        "e\"><children><instruction text=\"x \xE2\x86\x90 1\">"
        "</instruction></children></root>";
    std::string utf16{'\xFF', '\xFE'}; // little endian, ASCII and BMP only here
    for (std::size_t i = 0; i < utf8.size();) {
        char32_t c = static_cast<unsigned char>(utf8[i]);
        const int more = c < 0x80 ? 0 : c < 0xE0 ? 1 : 2;
        c &= more == 0 ? 0x7F : more == 1 ? 0x1F : 0x0F;
        for (int k = 1; k <= more; ++k)
            c = (c << 6) |
                (static_cast<unsigned char>(utf8[i + static_cast<std::size_t>(k)]) & 0x3F);
        i += static_cast<std::size_t>(more) + 1;
        utf16 += static_cast<char>(c & 0xFF);
        utf16 += static_cast<char>(c >> 8);
    }
    const NsdImport read = loadNsd(utf16, canvas, DefaultLabels{});
    EXPECT_EQ(read.document->format().title, "Gr\xF6\xDF"
                                             "e");
    EXPECT_EQ(read.document->topSequence().at(0).lines(), std::vector<std::string>{"x <- 1"});

    // Thousands of characters Windows-1252 lacks: each read once, told in brief.
    std::string text;
    for (char32_t c = 0x4E00; c < 0x4E00 + 5000; ++c) {
        text += static_cast<char>(0xE0 | (c >> 12));
        text += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        text += static_cast<char>(0x80 | (c & 0x3F));
    }
    const NsdImport foreign =
        loadNsd("<root><children><instruction text=\"" + text + "\"/></children></root>", canvas,
                DefaultLabels{});
    std::string told;
    for (const std::string& line : foreign.textChanges)
        told += line;
    EXPECT_NE(told.find(" … und 4960 weitere"), std::string::npos) << told;
    EXPECT_LT(told.size(), 400u);
}

// Overlong forms and surrogates are malformed like any broken sequence.
TEST(Windows1252, MalformedUtf8IsNeverReadAsAnotherCharacter) {
    for (const char* malformed :
         {"\xC0\xAF", "\xE0\x80\xAF", "\xED\xA0\x80", "\xF4\x90\x80\x80", "\xF8\x88\x80\x80\x80"}) {
        ReplacedCharacters replaced;
        const std::string read = windows1252FromUtf8(malformed, replaced);
        EXPECT_EQ(read.find('/'), std::string::npos) << read;
        EXPECT_FALSE(replaced.empty());
    }
    ReplacedCharacters none;
    EXPECT_EQ(windows1252FromUtf8("/\xC3\xA4\xE2\x82\xAC", none), "/\xE4\x80");
    EXPECT_TRUE(none.empty());
}

TEST_F(NsdFile, DamagedOrForeignXmlIsRefusedWithTheLine) {
    const auto refused = [this](const std::string& text, const std::string& message) {
        try {
            loadNsd(text, canvas, DefaultLabels{});
            ADD_FAILURE() << "accepted: " << text;
        } catch (const FormatError& error) {
            EXPECT_NE(std::string(error.what()).find(message), std::string::npos) << error.what();
        }
    };
    refused("<?xml version=\"1.0\"?>\n<root>\n<children>\n<instruction text=\"a\">\n</root>",
            "(Zeile 5)");
    refused("<diagram/>", "das Element „root“ fehlt");
    refused("", "Die Datei enthält kein Element");
    refused("<root><chi ldren></root>", "Kein gültiges XML: ");
    std::string deep = "<root><children>";
    for (int i = 0; i <= MaxNestingDepth; ++i)
        deep += "<while text=\"x\"><qWhile>";
    for (int i = 0; i <= MaxNestingDepth; ++i)
        deep += "</qWhile></while>";
    refused(deep + "</children></root>", "Verschachtelung tiefer als 1000 Ebenen");
}

} // namespace
} // namespace velbrant::test
