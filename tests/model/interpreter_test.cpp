// Running diagrams: where a run stops and why, and what a step is.

#include "model/diagram/default_labels.h"
#include "model/diagram/document.h"
#include "model/notation/text_notation.h"
#include "model/run/interpreter.h"
#include "recording_canvas.h"

#include <gtest/gtest.h>
#include <sstream>

namespace velbrant {
namespace {

struct Ran {
    run::RunResult result;
    std::string output;
};

Ran runText(std::string_view text, const std::string& input = {}, run::RunLimits limits = {},
            const run::StepHook& hook = {}, run::Trace* trace = nullptr) {
    FixedWidthMeasurer measurer;
    const auto document = loadNotation(text, measurer, DefaultLabels{});
    Ran ran;
    std::istringstream words(input);
    run::RunIo io;
    io.readWord = [&words](const std::string&) -> std::optional<std::string> {
        std::string word;
        return words >> word ? std::optional(word) : std::nullopt;
    };
    io.writeLine = [&ran](const std::string& line) { ran.output += line + "\n"; };
    io.trace = trace;
    ran.result = runDiagram(*document, io, limits, {}, hook);
    return ran;
}

// What the generated programs would go on with (a zero, a guess) stops a
// run, with the statement it stopped at.
TEST(Interpreter, AFailureStopsTheRunAtItsStatementWithAGermanMessage) {
    const struct {
        const char* text;
        const char* message;
        const char* where;
    } cases[] = {
        {"Eingabe: x\ny := 5 / x", "Division durch null", "y := 5 / x"},
        {"Eingabe: x\ny := 5 mod x", "Division durch null", "y := 5 mod x"},
        {"Ausgabe: \"vorher\"\nAusgabe: z + 1", "Variable z wird gelesen, bevor sie einen Wert hat",
         "Ausgabe: z + 1"},
        {"a[2] := 1\nAusgabe: a[3]",
         "Index 3 au\xC3\x9F"
         "erhalb von a (0 bis 2)",
         "Ausgabe: a[3]"},
        {"wenn x gerade ist\n    Ausgabe: 1",
         "Zeile nicht \xC3\xBC"
         "bersetzt: x gerade ist",
         "x gerade ist"},
        {"Gruss(3)", "Unterprogramm nicht gefunden: Gruss", "Gruss(3)"},
        {"titel f(n)\nzur\xFC"
         "ck f(n + 1)",
         "Rekursion tiefer als 10000 Aufrufe",
         "zur\xC3\xBC"
         "ck f(n + 1)"},
    };
    for (const auto& c : cases) {
        const Ran ran = runText(c.text, "0");
        EXPECT_EQ(ran.result.status, run::RunResult::Status::Failed) << c.text;
        EXPECT_EQ(ran.result.message, c.message) << c.text;
        EXPECT_EQ(ran.result.where, c.where) << c.text;
    }
    EXPECT_EQ(runText("Ausgabe: \"vorher\"\nAusgabe: z + 1").output, "vorher\n");
    // Whole division cuts towards zero, as every generated program does.
    EXPECT_EQ(runText("Ausgabe: -7 div 2, -7 mod 2, 7 div -2, 7 mod -2").output, "-3 -1 -3 1\n");
}

// A step is an element or a loop's test, the test that ends it too; the
// hook sees each and may stop the run, as may the step limit.
TEST(Interpreter, EveryElementAndEveryLoopTestIsAStep) {
    std::vector<std::string> seen;
    std::vector<run::ShownVariable> last;
    const Ran ran = runText("titel Summe\ns := 0\nf\xFCr i := 1 bis 2\n    s := s + i\nAusgabe: s",
                            {}, {}, [&](const code::Stmt& s, int, const run::RunState& state) {
                                seen.push_back(code::sourceText(s));
                                last = state.variables();
                                EXPECT_EQ(state.callStack(), std::vector<std::string>{"Summe"});
                                return true;
                            });
    ASSERT_EQ(last.size(), 2u);
    // Records and arrays open up into their fields and elements.
    std::vector<run::ShownVariable> parts;
    runText("type P = record{x: int; n: string}\np <- P{x: 3, n: \"a\"}\nq[1] <- p\nAusgabe: 1", {},
            {}, [&](const code::Stmt&, int, const run::RunState& state) {
                parts = state.variables();
                return true;
            });
    ASSERT_EQ(parts.size(), 2u);
    ASSERT_EQ(parts[0].parts.size(), 2u);
    EXPECT_EQ(parts[0].parts[1].name + "=" + parts[0].parts[1].value + " " + parts[0].parts[1].type,
              "n=a Text");
    EXPECT_EQ(parts[1].type, "Feld von P");
    ASSERT_EQ(parts[1].parts.size(), 2u);
    EXPECT_EQ(parts[1].parts[1].parts[0].value, "3");
    EXPECT_EQ(last[0].name + "=" + last[0].value + " " + last[0].type, "s=3 ganze Zahl");
    EXPECT_EQ(last[1].name + "=" + last[1].value, "i=2");
    EXPECT_EQ(ran.output, "3\n");
    const std::vector<std::string> expected = {
        "s := 0",     "f\xFCr i := 1 bis 2", "s := s + i", "f\xFCr i := 1 bis 2",
        "s := s + i", "f\xFCr i := 1 bis 2", "Ausgabe: s"};
    EXPECT_EQ(seen, expected);
    EXPECT_EQ(ran.result.steps, 7);

    int allowed = 3;
    const Ran stopped =
        runText("solange wahr\n    x := 1", {}, {},
                [&allowed](const code::Stmt&, int, const run::RunState&) { return allowed-- > 0; });
    EXPECT_EQ(stopped.result.status, run::RunResult::Status::Stopped);
    EXPECT_EQ(stopped.result.steps, 4);

    run::RunLimits limits;
    limits.maxSteps = 1000;
    const Ran endless = runText("solange wahr\n    x := 1", {}, limits);
    EXPECT_EQ(endless.result.message, "Schrittgrenze erreicht: 1000 Schritte");
}

// The trace table of Euclid's algorithm, as a pupil writes it: a row per
// step, a cell where a value changed, the output where it was written.
TEST(Interpreter, TheTraceTableHasARowPerStepAndACellPerChange) {
    run::Trace trace;
    runText("a := 12\nb := 8\nsolange b <> 0\n    r := a mod b\n    a := b\n    b := r\n"
            "Ausgabe: \"ggT; \", a",
            {}, {}, {}, &trace);
    EXPECT_EQ(trace.csv(), "\xEF\xBB\xBF"
                           "Schritt;Element;a;b;r;Ausgabe\r\n"
                           "1;a := 12;12;;;\r\n"
                           "2;b := 8;;8;;\r\n"
                           "3;solange b <> 0;;;;\r\n"
                           "4;r := a mod b;;;4;\r\n"
                           "5;a := b;8;;;\r\n"
                           "6;b := r;;4;;\r\n"
                           "7;solange b <> 0;;;;\r\n"
                           "8;r := a mod b;;;0;\r\n"
                           "9;a := b;4;;;\r\n"
                           "10;b := r;;0;;\r\n"
                           "11;solange b <> 0;;;;\r\n"
                           "12;\"Ausgabe: \"\"ggT; \"\", a\";;;;\"ggT; 4\"\r\n");
    // The worksheet keeps the steps and elements, the cells empty.
    const std::string sheet = trace.tabSeparated(true);
    EXPECT_EQ(sheet.substr(0, sheet.find('\n', sheet.find('\n') + 1)),
              "Schritt\tElement\ta\tb\tr\tAusgabe\n1\ta := 12\t\t\t\t");
    EXPECT_NE(trace.html().find("<td>solange b &lt;&gt; 0</td>"), std::string::npos);
    // For LaTeX: a longtable whose head repeats on each page, texts escaped.
    const std::string latex = trace.latex();
    EXPECT_EQ(latex.substr(0, latex.find("\\endhead")),
              "% Schreibtischtest aus Velbrant; braucht \\usepackage{longtable}\n"
              "\\begin{longtable}{|llllll|}\n\\hline\n"
              "\\textbf{Schritt} & \\textbf{Element} & \\textbf{a} & \\textbf{b} & "
              "\\textbf{r} & \\textbf{Ausgabe} \\\\ \\hline\n");
    EXPECT_NE(latex.find("12 & Ausgabe: \"ggT; \", a &  &  &  & ggT; 4 \\\\\n"), std::string::npos);

    run::Trace limited(5);
    runText(
        "solange wahr\n    x := 1", {},
        [] {
            run::RunLimits limits;
            limits.maxSteps = 100;
            return limits;
        }(),
        {}, &limited);
    EXPECT_EQ(limited.rowCount(), 5u);
    EXPECT_TRUE(limited.cut());
    EXPECT_EQ(limited.cells().back()[1], "Nur die ersten 5 Schritte sind aufgezeichnet.");
}

// A trace names a routine's variables with the routine, and an element or
// a field by its place in its variable's column.
TEST(Interpreter, TheTraceKeepsARoutinesVariablesAndElementsApart) {
    FixedWidthMeasurer measurer;
    const auto routine = loadNotation("titel doppelt(n)\nzur\xFC"
                                      "ck n * 2\n",
                                      measurer, {});
    run::Trace trace;
    std::string output;
    run::RunIo io;
    io.writeLine = [&output](const std::string& line) { output += line + "\n"; };
    io.trace = &trace;
    const auto main = loadNotation("type P = record{x: int}\na[2] <- doppelt(3)\n"
                                   "p <- P{x: 1}\nliste[0] <- p\nliste[0].x <- 5\nAusgabe: a[2]\n",
                                   measurer, {});
    runDiagram(*main, io, {}, [&routine](std::string_view name) -> const Document* {
        return name == "doppelt" ? routine.get() : nullptr;
    });
    EXPECT_EQ(output, "6\n");
    const std::vector<std::vector<std::string>> cells = trace.cells();
    EXPECT_EQ(cells[0], (std::vector<std::string>{"Schritt", "Element", "n (doppelt)", "a", "p",
                                                  "liste", "Ausgabe"}));
    EXPECT_EQ(cells[1][2], "3");
    EXPECT_EQ(cells[2][1], "zur\xC3\xBC"
                           "ck n * 2");
    EXPECT_EQ(cells[3][3], "[2] 6");
    EXPECT_EQ(cells[4][4], "{1}");
    EXPECT_EQ(cells[5][5], "[0] {1}");
    EXPECT_EQ(cells[6][5], "[0].x: 5");
    EXPECT_EQ(cells[7][6], "6");
}

} // namespace
} // namespace velbrant
