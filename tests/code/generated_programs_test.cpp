// Programs generated from diagrams, given to the real compilers and run.

#include "diagram_builder.h"
#include "model/code/code_generator.h"
#include "model/diagram/compound_element.h"
#include "model/diagram/document.h"
#include "model/files/structogram_file.h"
#include "model/files/windows1252.h"
#include "model/messages/said.h"
#include "model/program/pseudocode.h"
#include "model/run/interpreter.h"
#include "model/structorizer/nsd_file.h"
#include "pseudocode_builder.h"
#include "recording_canvas.h"

#include <array>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <map>
#include <sstream>
#include <sys/wait.h>
#include <unistd.h>

namespace velbrant {
namespace {

namespace fs = std::filesystem;

constexpr std::array<CodeLanguage, 4> Languages = {CodeLanguage::Python, CodeLanguage::Java,
                                                   CodeLanguage::C, CodeLanguage::Pascal};

std::string slurp(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

void spit(const fs::path& path, const std::string& text) {
    std::ofstream(path, std::ios::binary) << text;
}

struct CommandResult {
    int status = 0;
    std::string output;
    std::string errors;
};

// Runs a shell command; its stdout and stderr come back, together or apart.
CommandResult run(const std::string& command, const fs::path& work, bool apart = false) {
    const fs::path log = work / "command.log";
    const fs::path errors = work / "errors.log";
    const std::string errorsTo = apart ? "'" + errors.string() + "'" : "&1";
    const int status =
        std::system(("(" + command + ") >'" + log.string() + "' 2>" + errorsTo).c_str());
    return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, slurp(log),
            apart ? slurp(errors) : std::string()};
}

class GeneratedPrograms : public ::testing::Test {
protected:
    void SetUp() override {
        m_dir = fs::temp_directory_path() / ("velbrant-code-" + std::to_string(::getpid()));
        fs::remove_all(m_dir);
        for (const CodeLanguage language : Languages)
            fs::create_directories(m_dir / codeExtension(language));
    }
    void TearDown() override { fs::remove_all(m_dir); }

    std::unique_ptr<Document> load(const fs::path& path) {
        const std::string bytes = slurp(path);
        if (path.extension() == ".nsd")
            return loadNsd(bytes, m_measurer, {}).document;
        return loadDocument({reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size()},
                            m_measurer, {});
    }

    // Each program goes into its language's folder under the stem's name.
    void generate(const Document& document, const std::string& stem,
                  const RoutineLookup& routines = {}) {
        for (const CodeLanguage language : Languages) {
            const std::string extension(codeExtension(language));
            spit(m_dir / extension / (stem + "." + extension),
                 generateCode(document, language, stem, routines).text);
        }
    }

    // Every generated program compiled by its compiler; the failures' messages.
    void expectAllCompile() {
        const std::string d = m_dir.string();
        const std::map<std::string, std::string> commands = {
            {"py", "python3 -m compileall -q '" + d + "/py'"},
            {"java", "mkdir -p '" + d + "/classes' && javac -encoding UTF-8 -nowarn -d '" + d +
                         "/classes' '" + d + "'/java/*.java"},
            {"c", "cd '" + d + "/c' && ls *.c | xargs -P 4 -I{} " +
                      "gcc -std=c11 -Wall -Werror -c {} -o {}.o"},
            {"pas", "cd '" + d + "/pas' && mkdir -p out && ls *.pas | xargs -P 4 -I{} " +
                        "sh -c 'fpc -v0e -FEout {} || echo FAILED {}'"},
        };
        for (const auto& [language, command] : commands) {
            const CommandResult result = run(command, m_dir);
            EXPECT_EQ(result.status, 0) << language << ":\n" << result.output.substr(0, 4000);
            EXPECT_EQ(result.output.find("FAILED"), std::string::npos)
                << language << ":\n"
                << result.output.substr(0, 4000);
        }
    }

    // The program of `stem` in the language, run with the input: its exit
    // status, its output and what it wrote on stderr.
    CommandResult runProgram(CodeLanguage language, const std::string& stem,
                             const std::string& input) {
        const std::string d = m_dir.string();
        const std::string feed = "printf '%b' '" + input + "' | ";
        std::string command;
        switch (language) {
        case CodeLanguage::Python:
            command = feed + "python3 '" + d + "/py/" + stem + ".py'";
            break;
        case CodeLanguage::Java:
            command = "rm -rf '" + d + "/run' && javac -encoding UTF-8 -d '" + d + "/run' '" + d +
                      "/java/" + stem + ".java' && " + feed + "java -cp '" + d + "/run' " +
                      "$(basename \"$(ls '" + d + "'/run/*.class | grep -v '\\$')\" .class)";
            break;
        case CodeLanguage::C:
            command = "gcc -std=c11 -Wall -Werror -o '" + d + "/prog' '" + d + "/c/" + stem +
                      ".c' -lm && " + feed + "'" + d + "/prog'";
            break;
        case CodeLanguage::Pascal:
            command = "cd '" + d + "/pas' && mkdir -p out && fpc -v0e -FEout -oprog '" + stem +
                      ".pas' >/dev/null && " + feed + "out/prog";
            break;
        }
        return run(command, m_dir, true);
    }

    // The diagrams of a folder as the routines a program may call.
    RoutineLookup routinesIn(const fs::path& folder) {
        for (const auto& entry : fs::directory_iterator(folder)) {
            const std::string extension = entry.path().extension().string();
            if (extension == ".nsd" || extension == ".STR")
                m_routines.push_back(load(entry.path()));
        }
        return [this](std::string_view name) -> const Document* {
            for (const auto& document : m_routines) {
                if (lowered(code::readTitle(document->format().title).name) == lowered(name))
                    return document.get();
            }
            return nullptr;
        };
    }

    FixedWidthMeasurer m_measurer;
    fs::path m_dir;
    std::vector<std::unique_ptr<Document>> m_routines;
};

TEST_F(GeneratedPrograms, EveryExampleAndSampleCompilesInEveryLanguage) {
    int count = 0;
    for (const char* folder : {"examples", "tests/data", "tests/data/nsd"}) {
        for (const auto& entry : fs::directory_iterator(fs::path(VELBRANT_SOURCE_DIR) / folder)) {
            const std::string extension = entry.path().extension().string();
            if (extension != ".STR" && extension != ".nsd")
                continue;
            generate(*load(entry.path()), "sample" + std::to_string(++count));
        }
    }
    EXPECT_GE(count, 10);
    expectAllCompile();
}

// 300 random diagrams in three parts, so that each test stays well inside
// its time limit on a loaded machine.
class RandomPrograms : public GeneratedPrograms, public ::testing::WithParamInterface<int> {};

TEST_P(RandomPrograms, DiagramsWithEveryFormCompileInEveryLanguage) {
    std::mt19937 random(2026 + static_cast<unsigned>(GetParam()));
    for (int i = GetParam() * 100; i < (GetParam() + 1) * 100; ++i) {
        Document document(m_measurer);
        DiagramFormat format;
        // Some diagrams are functions of their title's parameters.
        format.title = "Zufall " + std::to_string(i) + (i % 5 == 0 ? "(n, zahl)" : "");
        format.comment = {"Kommentar\tmit Tab", "*/ und \\"};
        document.setFormat(format);
        test::buildPseudocodeTree(document.topSequence(), document.layoutContext(m_measurer, {}),
                                  random, 25, 5);
        generate(document, "zufall" + std::to_string(i));
    }
    expectAllCompile();
}

INSTANTIATE_TEST_SUITE_P(Parts, RandomPrograms, ::testing::Values(0, 1, 2));

TEST_F(GeneratedPrograms, OwnDiagramsGiveTheSameRightAnswersInEveryLanguage) {
    struct Case {
        const char* stem;
        const char* input;
        const char* expected;
        int status = 0;
        const char* errors = "";
    };
    const Case cases[] = {
        {"lineare-suche", "5 4 8 15 16 23 15\\n", "3\n"},
        {"lineare-suche", "3\\n1 2 3\\n9\\n", "0\n"},
        {"bubblesort", "6 5 3 9 1 7 2\\n", "1\n2\n3\n5\n7\n9\n"},
        {"menue", "1 2 7 1 0\\n",
         "1 = Neu, 2 = Laden, 0 = Ende\nNeu Nr. 1\n1 = Neu, 2 = Laden, 0 = Ende\nLaden\n"
         "1 = Neu, 2 = Laden, 0 = Ende\nUng\xC3\xBCltige Wahl\n1 = Neu, 2 = Laden, 0 = Ende\n"
         "Neu Nr. 2\n1 = Neu, 2 = Laden, 0 = Ende\nEnde\n"},
        {"ggt", "84 36\\n", "12\n"},
        {"ratespiel", "50 25 37\\n", "zu gro\xC3\x9F\nzu klein\nRichtig nach 3 Versuchen\n"},
    };
    const fs::path examples = fs::path(VELBRANT_SOURCE_DIR) / "examples";
    const RoutineLookup routines = routinesIn(examples);
    for (const Case& c : cases) {
        generate(*load(examples / (std::string(c.stem) + ".STR")), c.stem, routines);
        for (const CodeLanguage language : Languages) {
            const CommandResult result = runProgram(language, c.stem, c.input);
            EXPECT_EQ(result.status, c.status) << c.stem << " in " << codeExtension(language);
            EXPECT_EQ(result.output, c.expected) << c.stem << " in " << codeExtension(language);
            EXPECT_EQ(result.errors, c.errors) << c.stem << " in " << codeExtension(language);
        }
    }
}

// What no rule read, an index outside an array and input that is no number
// never change silently what a program does: it stops there with status 3
// and says why, after doing all before it.
TEST_F(GeneratedPrograms, AProgramStopsWithTheSameMessageInEveryLanguageRatherThanGuess) {
    Document document(m_measurer);
    const LayoutContext context = document.layoutContext(m_measurer, {});
    Sequence& top = document.topSequence();
    test::appendNew(top, ElementKind::Block, context, {"Eingabe: n", "Ausgabe: \"vorher\""});
    Element& choice = test::appendNew(top, ElementKind::Conditional, context, {"n ist gerade"});
    test::appendNew(dynamic_cast<CompoundElement&>(choice).sequenceAt(0), ElementKind::Block,
                    context, {"Ausgabe: \"gerade\""});
    test::appendNew(top, ElementKind::Block, context, {"Ausgabe: \"nachher\""});
    generate(document, "stopp");
    // An array grows as it is set; an index outside it stops the program
    // instead of reading outside it (C) or counting from the end (Python).
    Document array(m_measurer);
    test::appendNew(array.topSequence(), ElementKind::Block, array.layoutContext(m_measurer, {}),
                    {"Eingabe: n", "a[1] := 7", "Ausgabe: a[0], a[1], length(a)", "a[n] := 1",
                     "Ausgabe: a[n], length(a)", "Ausgabe: a[n + 1]"});
    generate(array, "feld");
    // Whole division cuts towards zero everywhere; a zero divisor stops.
    Document division(m_measurer);
    test::appendNew(
        division.topSequence(), ElementKind::Block, division.layoutContext(m_measurer, {}),
        {"Eingabe: n", "x := 7 div n", "y := 7 mod n", "Ausgabe: -7 div 2, -7 mod 2, x, y"});
    generate(division, "teilen");
    Document empty(m_measurer);
    test::appendNew(empty.topSequence(), ElementKind::Block, empty.layoutContext(m_measurer, {}),
                    {"a <- {1, 2}", "a <- {}", "Ausgabe: length(a)", "Ausgabe: a[0]"});
    generate(empty, "leer");
    // A routine no diagram defines stops the program when it is called.
    Document missing(m_measurer);
    const LayoutContext missingContext = missing.layoutContext(m_measurer, {});
    test::appendNew(missing.topSequence(), ElementKind::Block, missingContext, {"Ausgabe: 1"});
    test::appendNew(missing.topSequence(), ElementKind::Call, missingContext, {"Gruss"});
    generate(missing, "fehlt");
    // throw stops the program with its message.
    Document thrown(m_measurer);
    const LayoutContext thrownContext = thrown.layoutContext(m_measurer, {});
    test::appendNew(thrown.topSequence(), ElementKind::Block, thrownContext, {"Ausgabe: 1"});
    test::appendNew(thrown.topSequence(), ElementKind::Exit, thrownContext,
                    {"throw \"Fehler: negativ\""});
    test::appendNew(thrown.topSequence(), ElementKind::Block, thrownContext, {"Ausgabe: 2"});
    generate(thrown, "wirf");
    // Input reads the same in every language: a decimal comma like a point;
    // what is not a number, or not there, stops the program.
    Document reading(m_measurer);
    const LayoutContext readingContext = reading.layoutContext(m_measurer, {});
    test::appendNew(reading.topSequence(), ElementKind::Block, readingContext,
                    {"Eingabe: n, x", "Ausgabe: n + 1"});
    Element& exact = test::appendNew(reading.topSequence(), ElementKind::Conditional,
                                     readingContext, {"x = 2.5"});
    test::appendNew(dynamic_cast<CompoundElement&>(exact).sequenceAt(0), ElementKind::Block,
                    readingContext, {"Ausgabe: \"genau\""});
    generate(reading, "eingabe");
    const struct {
        const char* input;
        int status;
        const char* output;
        const char* errors;
    } readings[] = {
        {"3 2,5", 0, "4\ngenau\n", ""},
        {"3\\n2.5", 0, "4\ngenau\n", ""},
        {"drei 2", 3, "", "Eingabe ist keine ganze Zahl: drei\n"},
        {"3 2.5.1", 3, "", "Eingabe ist keine Zahl: 2.5.1\n"},
        {"3", 3, "", "Keine Eingabe mehr\n"},
    };
    for (const CodeLanguage language : Languages) {
        for (const auto& r : readings) {
            const CommandResult result = runProgram(language, "eingabe", r.input);
            EXPECT_EQ(result.status, r.status) << codeExtension(language) << " " << r.input;
            EXPECT_EQ(result.output, r.output) << codeExtension(language) << " " << r.input;
            EXPECT_EQ(result.errors, r.errors) << codeExtension(language) << " " << r.input;
        }
        CommandResult result = runProgram(language, "stopp", "4\\n");
        EXPECT_EQ(result.status, 3) << codeExtension(language);
        EXPECT_EQ(result.output, "vorher\n") << codeExtension(language);
        EXPECT_EQ(result.errors, "Zeile nicht \xC3\xBC"
                                 "bersetzt: n ist gerade\n")
            << codeExtension(language);
        const struct {
            const char* input;
            const char* output;
            const char* bounds;
        } indexes[] = {
            {"5", "0 7 2\n1 6\n",
             "Index 6 au\xC3\x9F"
             "erhalb von a (0 bis 5)\n"},
            {"-1", "0 7 2\n",
             "Index -1 au\xC3\x9F"
             "erhalb von a (0 bis 9999999)\n"},
            {"10000000", "0 7 2\n",
             "Index 10000000 au\xC3\x9F"
             "erhalb von a (0 bis 9999999)\n"},
        };
        for (const auto& index : indexes) {
            result = runProgram(language, "feld", std::string(index.input) + "\\n");
            EXPECT_EQ(result.status, 3) << codeExtension(language);
            EXPECT_EQ(result.output, index.output) << codeExtension(language);
            EXPECT_EQ(result.errors, index.bounds) << codeExtension(language);
        }
        result = runProgram(language, "teilen", "-2\\n");
        EXPECT_EQ(result.output, "-3 -1 -3 1\n") << codeExtension(language);
        result = runProgram(language, "teilen", "0\\n");
        EXPECT_EQ(result.status, 3) << codeExtension(language);
        EXPECT_EQ(result.output, "") << codeExtension(language);
        EXPECT_EQ(result.errors, "Division durch null\n") << codeExtension(language);
        result = runProgram(language, "leer", "");
        EXPECT_EQ(result.output, "0\n") << codeExtension(language);
        EXPECT_EQ(result.errors, "Index 0 au\xC3\x9F"
                                 "erhalb von a (leer)\n")
            << codeExtension(language);
        result = runProgram(language, "fehlt", "");
        EXPECT_EQ(result.status, 3) << codeExtension(language);
        EXPECT_EQ(result.output, "1\n") << codeExtension(language);
        EXPECT_EQ(result.errors, "Unterprogramm nicht gefunden: Gruss\n")
            << codeExtension(language);
        result = runProgram(language, "wirf", "");
        EXPECT_EQ(result.status, 3) << codeExtension(language);
        EXPECT_EQ(result.output, "1\n") << codeExtension(language);
        EXPECT_EQ(result.errors, "Fehler: negativ\n") << codeExtension(language);
    }
}

// Diagrams written in Structorizer's pseudocode, with a file's own
// keywords (EINGABE, ZEIGE), and routine headers in the forms Structorizer
// users write, are translated whole and give the same answers everywhere.
TEST_F(GeneratedPrograms, StructorizerPseudocodeIsTranslatedWholeAndRunsTheSameEverywhere) {
    const struct {
        const char* stem;
        const char* input;
        const char* expected;
    } cases[] = {
        {"strukturen", "5",
         "Wie viele?\nSumme: 9\nZeile fortgesetzt\n12 5 7 2 16 2 3 5\n3\nungerade\n0!\n"},
        {"ggt-pascal", "84 36", "12\n"},
        {"ggt-c", "84 36", "12\n"},
        {"mittelwert", "3 4,5", "3.75\n"},
        {"texte", "", "Hallo Welt!\nSumme: 3, Mittel 2.5 true\n4x\n5\n"},
        // Characters, not bytes; the same letters change case everywhere.
        {"zeichen", "",
         "[Gr\xC3\xB6\xC3\x9F"
         "e Stra\xC3\x9F"
         "e \xC3\xBC"
         "ber]\n"
         "  GR\xC3\x96\xC3\x9F"
         "E STRA\xC3\x9F"
         "E \xC3\x9C"
         "BER   \xC3\xA4\xC3\xB6\xC3\xBC abc \xC5\x93 228 0 \xC3\xA4 A\n"
         "6 0 1 Gr\xC3\xB6\xC3\x9F"
         "e       \n"},
        // A line longer than a diagram's line holds is read from the file.
        {"lang", "", "Eintrag 39\n"},
        {"listen", "", "3 10\n1 10\n4 10\n160\na\nb\n19\n0.5\n"},
        // Routines from other diagrams of the folder, a procedure without
        // parameters and a recursive function among them.
        {"rechner", "84 36", "12\n----\n120 60\nWert: 6\n"},
        // An array given to routines that sort and add it.
        {"sortierprogramm", "", "1\n3\n5\n7\n9\n25\n"},
        // Arrays that grow, given to routines that make them grow and go
        // through them; each element type.
        {"wachsen", "", "5\n1\n4\n9\n16\n25\n6 36 91\n3[]Ida\n1\n6\n"},
        // Records are values: copied when stored or given to a routine.
        {"punkte", "", "3 10 A\n0 25 0\n3\n(3|5)\n"},
        {"klasse", "", "36.5 1.5 Ben/2\nAda\n"},
        // delete and insert by characters, as copy counts them.
        {"bearbeiten", "",
         "Strae\nHallo sch\xC3\xB6ne! Stra\xC3\x9F"
         "e\n"},
    };
    const RoutineLookup routines =
        routinesIn(fs::path(VELBRANT_SOURCE_DIR) / "tests/data/pseudocode");
    for (const auto& c : cases) {
        const auto document = load(fs::path(VELBRANT_SOURCE_DIR) / "tests/data/pseudocode" /
                                   (std::string(c.stem) + ".nsd"));
        const GeneratedCode python = generateCode(*document, CodeLanguage::Python, {}, routines);
        EXPECT_EQ(python.untranslatedLines, 0) << c.stem << "\n" << python.text;
        EXPECT_EQ(python.missingRoutines, 0) << c.stem;
        generate(*document, c.stem, routines);
        for (const CodeLanguage language : Languages) {
            const CommandResult result = runProgram(language, c.stem, c.input);
            EXPECT_EQ(result.output, c.expected) << c.stem << " in " << codeExtension(language);
            EXPECT_EQ(result.status, 0) << c.stem << " in " << codeExtension(language) << "\n"
                                        << result.errors;
        }
    }
}

// The words of a test's input ("84 36\\n" as printf reads it) one by one.
run::RunIo wordsAndLines(const std::string& input, std::string& output) {
    std::string words = input;
    for (std::size_t at = words.find("\\n"); at != std::string::npos; at = words.find("\\n"))
        words.replace(at, 2, " ");
    auto stream = std::make_shared<std::istringstream>(words);
    run::RunIo io;
    io.readWord = [stream](const std::string&) -> std::optional<std::string> {
        std::string word;
        if (*stream >> word)
            return word;
        return std::nullopt;
    };
    io.writeLine = [&output](const std::string& line) { output += line + "\n"; };
    return io;
}

// The interpreter runs every example and every diagram of ours as its
// Python program runs: the same output for the same input, and where the
// program stops, the same message.
TEST_F(GeneratedPrograms, RunningADiagramPrintsWhatItsPythonProgramPrints) {
    const fs::path examples = fs::path(VELBRANT_SOURCE_DIR) / "examples";
    const fs::path own = fs::path(VELBRANT_SOURCE_DIR) / "tests/data/pseudocode";
    const std::multimap<std::string, std::string> inputs = {
        {"lineare-suche", "5 4 8 15 16 23 15"},
        {"lineare-suche", "3 1 2 3 9"},
        {"bubblesort", "6 5 3 9 1 7 2"},
        {"menue", "1 2 7 1 0"},
        {"ggt", "84 36"},
        {"ratespiel", "50 25 37"},
        {"strukturen", "5"},
        {"mittelwert", "3 4,5"},
        {"rechner", "84 36"},
        // Stops: input that is no number, and input that has run out.
        {"mittelwert", "drei"},
        {"mittelwert", "2 1 zwei"},
        {"ggt", "84"}};
    routinesIn(examples);
    const RoutineLookup routines = routinesIn(own);
    int count = 0;
    for (const fs::path& folder : {examples, own}) {
        for (const auto& entry : fs::directory_iterator(folder)) {
            const std::string extension = entry.path().extension().string();
            if (extension != ".nsd" && extension != ".STR")
                continue;
            const std::string stem = entry.path().stem().string();
            // Routines of arrays, run by themselves, get no array: the
            // Python program goes on with zeros, the interpreter says that
            // "anzahl" was never set.
            if (stem == "anhaengen" || stem == "sortiere" || stem == "summe")
                continue;
            const auto document = load(entry.path());
            spit(m_dir / "py" / (stem + ".py"),
                 generateCode(*document, CodeLanguage::Python, stem, routines).text);
            std::vector<std::string> given;
            for (auto [at, end] = inputs.equal_range(stem); at != end; ++at)
                given.push_back(at->second);
            for (const std::string& input : given.empty() ? std::vector<std::string>{""} : given) {
                const CommandResult python = runProgram(CodeLanguage::Python, stem, input);
                std::string output;
                const run::RunResult result =
                    runDiagram(*document, wordsAndLines(input, output), {}, routines);
                EXPECT_EQ(output, python.output) << stem << " " << input;
                const bool failed = result.status == run::RunResult::Status::Failed;
                EXPECT_EQ(failed ? 3 : 0, python.status) << stem << ": " << result.message;
                if (failed) {
                    EXPECT_EQ(result.message + "\n", python.errors) << stem << " " << input;
                }
                ++count;
            }
        }
    }
    EXPECT_GE(count, 30);
}

// A text typed with characters Windows-1252 lacks prints them as typed,
// in every language and in a run: joined, compared and counted as well.
TEST_F(GeneratedPrograms, TypedTextsPrintEveryCharacterTheSameEverywhere) {
    Document document(m_measurer);
    test::appendNew(document.topSequence(), ElementKind::Block,
                    document.layoutContext(m_measurer, {}), {})
        .setTypedLines({"s \u2190 \"\u2192 \u2205\"", "Ausgabe: \"Pfeil \u2264 \", s, length(s)",
                        "Ausgabe: s = \"\u2192 \u2205\", s = \"-> ?\""});
    Element& choice = test::appendNew(document.topSequence(), ElementKind::Conditional,
                                      document.layoutContext(m_measurer, {}), {});
    choice.setTypedLines({"s = \"\u2192 \u2205\""});
    test::appendNew(dynamic_cast<CompoundElement&>(choice).sequenceAt(0), ElementKind::Block,
                    document.layoutContext(m_measurer, {}), {"Ausgabe: \"gleich\""});
    generate(document, "zeichen");
    const std::string expected = "Pfeil \u2264 \u2192 \u2205 3\ntrue false\ngleich\n";
    for (const CodeLanguage language : Languages) {
        const CommandResult result = runProgram(language, "zeichen", "");
        EXPECT_EQ(result.status, 0) << codeExtension(language) << result.errors;
        std::string output = result.output;
        // Each language spells truth its own way.
        for (const auto& [spelling, plain] :
             {std::pair{"True", "true"}, std::pair{"False", "false"}, std::pair{"TRUE", "true"},
              std::pair{"FALSE", "false"}})
            for (std::size_t at = output.find(spelling); at != std::string::npos;
                 at = output.find(spelling))
                output.replace(at, std::string(spelling).size(), plain);
        EXPECT_EQ(output, expected) << codeExtension(language);
    }
    std::string output;
    const run::RunResult ran = runDiagram(document, wordsAndLines("", output));
    EXPECT_EQ(ran.status, run::RunResult::Status::Finished) << ran.message;
    EXPECT_EQ(output, expected);
}

// A program made while another language is spoken says its messages in
// that language, as a run does: places in another order, and quotes,
// apostrophes, percent signs and backslashes that each language's literal
// and C's format must keep.
TEST_F(GeneratedPrograms, ProgramsAndRunsSayTheirMessagesInTheLanguageTheyWereMadeIn) {
    const std::map<std::string, std::string> english = {
        {"Index %1 au\xC3\x9F"
         "erhalb von %2 (%3)",
         "%2[%1] is outside \"%3\""},
        {"%1 bis %2", "%1..%2"},
        {"leer", "it's empty"},
        {"Division durch null", "100% \\ zero"},
        {"Eingabe ist keine ganze Zahl: ", "not whole: "}};
    messages::installTranslation([&english](const char*, const char* german) {
        const auto found = english.find(german);
        return found == english.end() ? std::string() : found->second;
    });
    const auto build = [this](std::vector<std::string> lines) {
        auto document = std::make_unique<Document>(m_measurer);
        test::appendNew(document->topSequence(), ElementKind::Block,
                        document->layoutContext(m_measurer, {}), std::move(lines));
        return document;
    };
    const auto array = build({"Eingabe: n", "a[1] := 7", "Ausgabe: a[n]"});
    const auto empty = build({"a <- {1}", "a <- {}", "Ausgabe: a[0]"});
    const auto division = build({"Eingabe: n", "Ausgabe: 7 div n"});
    generate(*array, "feld");
    generate(*empty, "leer");
    generate(*division, "teilen");
    messages::installTranslation({});
    const struct {
        const char* stem;
        const Document& document;
        const char* input;
        const char* message;
    } stops[] = {
        {"feld", *array, "5", "a[5] is outside \"0..1\""},
        {"leer", *empty, "", "a[0] is outside \"it's empty\""},
        {"teilen", *division, "0", "100% \\ zero"},
        {"teilen", *division, "x", "not whole: x"},
    };
    for (const auto& stop : stops) {
        for (const CodeLanguage language : Languages) {
            const CommandResult result = runProgram(language, stop.stem, stop.input);
            EXPECT_EQ(result.status, 3) << codeExtension(language) << " " << stop.stem;
            EXPECT_EQ(result.errors, std::string(stop.message) + "\n")
                << codeExtension(language) << " " << stop.stem;
        }
    }
    messages::installTranslation([&english](const char*, const char* german) {
        const auto found = english.find(german);
        return found == english.end() ? std::string() : found->second;
    });
    for (const auto& stop : stops) {
        std::string output;
        const run::RunResult result = runDiagram(stop.document, wordsAndLines(stop.input, output));
        EXPECT_EQ(result.message, stop.message) << stop.stem;
    }
    messages::installTranslation({});
}

// Exported as BinSuche.java, the class is BinSuche whatever the title says,
// so that the file compiles and runs by its name.
TEST_F(GeneratedPrograms, AJavaFileRunsByItsOwnName) {
    Document document(m_measurer);
    DiagramFormat format;
    format.title = "Bin\xE4re Suche";
    document.setFormat(format);
    test::appendNew(document.topSequence(), ElementKind::Block,
                    document.layoutContext(m_measurer, {}), {"Ausgabe: 42"});
    spit(m_dir / "java" / "BinSuche.java",
         generateCode(document, CodeLanguage::Java, "BinSuche").text);
    const std::string d = m_dir.string();
    const CommandResult result = run(
        "cd '" + d + "/java' && javac -encoding UTF-8 BinSuche.java && " + "java -cp . BinSuche",
        m_dir);
    EXPECT_EQ(result.status, 0) << result.output;
    EXPECT_EQ(result.output, "42\n");
    EXPECT_NE(generateCode(document, CodeLanguage::Java).text.find("class BinaereSuche {"),
              std::string::npos)
        << generateCode(document, CodeLanguage::Java).text;
}

} // namespace
} // namespace velbrant
