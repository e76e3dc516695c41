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
            const run::StepHook& hook = {}) {
    FixedWidthMeasurer measurer;
    const auto document = loadNotation(text, measurer, DefaultLabels{});
    Ran ran;
    std::istringstream words(input);
    run::RunIo io;
    io.readWord = [&words]() -> std::optional<std::string> {
        std::string word;
        return words >> word ? std::optional(word) : std::nullopt;
    };
    io.writeLine = [&ran](const std::string& line) { ran.output += line + "\n"; };
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
}

// A step is an element or a loop's test, the test that ends it too; the
// hook sees each and may stop the run, as may the step limit.
TEST(Interpreter, EveryElementAndEveryLoopTestIsAStep) {
    std::vector<std::string> seen;
    const Ran ran = runText("s := 0\nf\xFCr i := 1 bis 2\n    s := s + i\nAusgabe: s", {}, {},
                            [&seen](const code::Stmt& s, int) {
                                seen.push_back(code::sourceText(s));
                                return true;
                            });
    EXPECT_EQ(ran.output, "3\n");
    const std::vector<std::string> expected = {
        "s := 0",     "f\xFCr i := 1 bis 2", "s := s + i", "f\xFCr i := 1 bis 2",
        "s := s + i", "f\xFCr i := 1 bis 2", "Ausgabe: s"};
    EXPECT_EQ(seen, expected);
    EXPECT_EQ(ran.result.steps, 7);

    int allowed = 3;
    const Ran stopped = runText("solange wahr\n    x := 1", {}, {},
                                [&allowed](const code::Stmt&, int) { return allowed-- > 0; });
    EXPECT_EQ(stopped.result.status, run::RunResult::Status::Stopped);
    EXPECT_EQ(stopped.result.steps, 4);

    run::RunLimits limits;
    limits.maxSteps = 1000;
    const Ran endless = runText("solange wahr\n    x := 1", {}, limits);
    EXPECT_EQ(endless.result.message, "Schrittgrenze erreicht: 1000 Schritte");
}

} // namespace
} // namespace velbrant
