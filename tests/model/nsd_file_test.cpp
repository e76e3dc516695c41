#include "model/case.h"
#include "model/compound_element.h"
#include "model/element_io.h"
#include "model/nsd_file.h"
#include "model/structogram_file.h"
#include "model_fixture.h"

#include <filesystem>
#include <fstream>
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
    std::string told;
    for (const std::string& line : read.conversions)
        told += line + "\n";
    for (const char* expected :
         {"Endlosschleifen", "Parallelabschnitte", "Ausnahmebehandlungen", "Kommentare", "Farben",
          "Deaktivierte", "\xE2\x89\xA4", "\xE2\x86\x90"})
        EXPECT_NE(told.find(expected), std::string::npos) << expected << "\n" << told;
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
    std::string deep = "<root><children>";
    for (int i = 0; i <= MaxNestingDepth; ++i)
        deep += "<while text=\"x\"><qWhile>";
    for (int i = 0; i <= MaxNestingDepth; ++i)
        deep += "</qWhile></while>";
    refused(deep + "</children></root>", "Verschachtelung tiefer als 1000 Ebenen");
}

} // namespace
} // namespace velbrant::test
