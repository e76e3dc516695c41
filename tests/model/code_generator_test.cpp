// What the generator makes of each pseudocode form; that the programs
// compile and run is checked with the real compilers in tests/code.

#include "diagram_builder.h"
#include "model/code/code_generator.h"
#include "model/diagram/compound_element.h"
#include "model/diagram/document.h"
#include "model/diagram/element_factory.h"
#include "model/elements/case.h"
#include "model/structorizer/nsd_file.h"
#include "recording_canvas.h"

#include <gtest/gtest.h>

namespace velbrant {
namespace {

class CodeGenerator : public ::testing::Test {
protected:
    FixedWidthMeasurer measurer;
    Document document{measurer};
    LayoutContext context = document.layoutContext(measurer, {});

    Element& add(ElementKind kind, std::vector<std::string> lines, Sequence* into = nullptr) {
        return test::appendNew(into ? *into : document.topSequence(), kind, context,
                               std::move(lines));
    }
    static Sequence& inside(Element& element, std::size_t index = 0) {
        return dynamic_cast<CompoundElement&>(element).sequenceAt(index);
    }
    std::string code(CodeLanguage language = CodeLanguage::Python) {
        return generateCode(document, language).text;
    }
    // The generated program contains each of the lines, in order, each at
    // the start of a line after its indentation ("if x == 1:" is not found
    // in "elif x == 1:").
    void expectLines(const std::string& program, const std::vector<std::string>& lines) {
        std::size_t at = 0;
        for (const std::string& line : lines) {
            std::size_t found = program.find(line, at);
            while (found != std::string::npos && !startsLine(program, found))
                found = program.find(line, found + 1);
            ASSERT_NE(found, std::string::npos) << "missing \"" << line << "\" in\n" << program;
            at = found + line.size();
        }
    }
    static bool startsLine(const std::string& program, std::size_t at) {
        const std::size_t lineStart = program.rfind('\n', at == 0 ? 0 : at - 1);
        const std::size_t from = lineStart == std::string::npos ? 0 : lineStart + 1;
        return at == 0 || program.find_first_not_of(' ', from) >= at;
    }
};

TEST_F(CodeGenerator, StatementFormsGermanAndEnglish) {
    const std::pair<const char*, const char*> forms[] = {
        {"x := 3", "x = 3"},
        {"y <- x + 1", "y = x + 1"},
        {"z\t= y * 2", "z = y * 2"},
        {"q := x div 2 + x mod 3", "q = ganz_div_(x, 2) + rest_(x, 3)"},
        {"r := x / 4", "r = x / 4"},
        {"ok := wahr und nicht falsch oder x <> 3", "ok = True and not False or x != 3"},
        {"Eingabe: a, b", "a = lies_ganzzahl_()"},
        {"lies wort", "wort = lies_text_()"},
        {"Ausgabe: \"Summe: \", x, y", "print(\"Summe: \", x, \" \", y, sep=\"\")"},
        {"schreibe x, y", "print(x, y)"},
        {"print ok", "print((\"true\" if ok else \"false\"))"},
        {"gib 'fertig' aus", "print(\"fertig\")"},
        {"Zeige(x, wort)", "Zeige(x, wort)"},
        {"wort := 'a'", "wort = \"a\""},
    };
    for (const auto& [text, python] : forms)
        add(ElementKind::Block, {text});
    const std::string program = code();
    for (const auto& [text, python] : forms)
        EXPECT_NE(program.find(python), std::string::npos) << text << "\n" << program;
    expectLines(program, {"def Zeige(p1, p2):", "    pass"});
}

// Each language binds its operators in its own order (Pascal's "and" like
// "*", Python's "not" below a comparison); the same expressions must keep
// their grouping in all four, with the parentheses C's compiler asks for.
TEST_F(CodeGenerator, ExpressionsKeepTheirGroupingInEachLanguagesOrder) {
    for (const char* text : {"a := 1", "b := 2", "c := 3", "ok := a > b und b < c oder ok",
                             "ok := (nicht ok) = (a > b)", "a := a - (b - c)", "b := -(a + b) * c",
                             "c := (a - b) - c"})
        add(ElementKind::Block, {text});
    expectLines(code(CodeLanguage::Python),
                {"ok = a > b and b < c or ok", "ok = (not ok) == (a > b)", "a = a - (b - c)",
                 "b = -(a + b) * c", "c = a - b - c"});
    expectLines(code(CodeLanguage::C), {"ok = (a > b && b < c) || ok;", "ok = (!ok) == (a > b);",
                                        "a = a - (b - c);", "b = -(a + b) * c;", "c = a - b - c;"});
    expectLines(code(CodeLanguage::Java),
                {"ok = a > b && b < c || ok;", "ok = !ok == (a > b);", "a = a - (b - c);"});
    expectLines(code(CodeLanguage::Pascal),
                {"ok := (a > b) and (b < c) or ok;", "ok := not ok = (a > b);", "a := a - (b - c);",
                 "b := (-(a + b)) * c;", "c := a - b - c;"});
}

TEST_F(CodeGenerator, HeadsOfEveryCompoundKind) {
    Element& ifElse = add(ElementKind::Conditional, {"wenn x > 0 dann"});
    add(ElementKind::Block, {"x := x - 1"}, &inside(ifElse, 0));
    add(ElementKind::Block, {"x := 0"}, &inside(ifElse, 1));
    add(ElementKind::Block, {"x := 1"}, &inside(add(ElementKind::Conditional, {"x = 1 ?"}), 0));
    add(ElementKind::Block, {"x := x + 1"},
        &inside(add(ElementKind::WhileLoop, {"solange x < 10"})));
    add(ElementKind::Block, {"x := x + 2"}, &inside(add(ElementKind::RepeatLoop, {"bis x >= 20"})));
    add(ElementKind::Block, {"x := x - 3"},
        &inside(add(ElementKind::RepeatLoop, {"solange x > 5"})));
    add(ElementKind::Block, {"s := s + i"},
        &inside(add(ElementKind::ForLoop, {"f\xFCr i := 1 bis 10 Schrittweite 2"})));
    add(ElementKind::Block, {"s := s - i"},
        &inside(add(ElementKind::ForLoop, {"for i = 10 downto 1"})));
    expectLines(code(), {"if x > 0:", "    x = x - 1", "else:", "    x = 0",
                         "if x == 1:", "while x < 10:", "while True:", "    x = x + 2",
                         "    if x >= 20:", "        break", "while True:", "    if x <= 5:",
                         "for i in range(1, 10 + 1, 2):", "for i in range(10, 1 - 1, -1):"});
    expectLines(code(CodeLanguage::Pascal),
                {"if x > 0 then", "while x < 10 do", "repeat", "until x >= 20;", "until x <= 5;",
                 "i := 1;", "while i <= 10 do", "i := i + 2;", "for i := 10 downto 1 do"});
    expectLines(code(CodeLanguage::C),
                {"do {", "} while (x < 20);", "} while (x > 5);", "for (i = 1; i <= 10; i += 2)",
                 "for (i = 10; i >= 1; --i)"});
}

TEST_F(CodeGenerator, CaseIsASwitchForDistinctLiteralsAndAChainOtherwise) {
    auto make = [this](std::vector<std::string> labels, bool hasElse) -> Case& {
        auto element = createElement(ElementKind::Case, context);
        auto& choice = static_cast<Case&>(*element);
        choice.setHasElse(hasElse);
        choice.setBranchCount(static_cast<int>(labels.size()));
        choice.setup(context);
        choice.setLines({"wahl"});
        choice.setBranchLabels(std::move(labels));
        document.topSequence().append(std::move(element));
        return choice;
    };
    add(ElementKind::Block, {"wahl := 2"});
    Case& plain = make({"1", "2, 3", "sonst"}, true);
    add(ElementKind::Block, {"Ausgabe: 'eins'"}, &plain.branch(0));
    add(ElementKind::Block, {"Ausgabe: 'sonst'"}, &plain.branch(2));
    make({"1", "1"}, false);
    // Python 3.8 has no "match".
    expectLines(code(), {"if wahl == 1:", "print(\"eins\")", "elif wahl == 2 or wahl == 3:",
                         "else:", "print(\"sonst\")", "if wahl == 1:", "elif wahl == 1:"});
    expectLines(code(CodeLanguage::Java),
                {"switch (wahl) {", "case 1 -> {", "case 2, 3 -> {", "default -> {",
                 "if (wahl == 1) {", "} else if (wahl == 1) {"});
    expectLines(code(CodeLanguage::Pascal), {"case wahl of", "1:", "2, 3:", "else", "end;"});
}

// Prose stays a comment; a head, or a line that would set or show a value,
// stops the program where it is reached; a missing routine stops when called.
TEST_F(CodeGenerator, UnreadProseIsACommentAndWhatTheProgramNeedsStopsIt) {
    add(ElementKind::Block, {"Tausche a und b", "x := 1"});
    add(ElementKind::Block, {}, &inside(add(ElementKind::WhileLoop, {"bis die Liste leer ist"})));
    add(ElementKind::Block, {"Ausgabe: x und wahr", "y := x +* 2", "z := wuerfel(6)"});
    const GeneratedCode python = generateCode(document, CodeLanguage::Python);
    EXPECT_EQ(python.untranslatedLines, 4);
    EXPECT_EQ(python.missingRoutines, 1);
    expectLines(python.text,
                {"def abbruch_(meldung):", "print(meldung, file=sys.stderr)", "sys.exit(3)",
                 "def wuerfel(p1):", "abbruch_(\"Unterprogramm nicht gefunden: wuerfel\")",
                 "# nicht übersetzt: Tausche a und b", "pass", "x = 1",
                 "# nicht übersetzt: bis die Liste leer ist",
                 "while abbruch_(\"Zeile nicht übersetzt: bis die Liste leer ist\"):",
                 "# nicht übersetzt: Ausgabe: x und wahr",
                 "abbruch_(\"Zeile nicht übersetzt: Ausgabe: x und wahr\")",
                 "abbruch_(\"Zeile nicht übersetzt: y := x +* 2\")", "z = wuerfel(6)"});
    expectLines(code(CodeLanguage::C), {"// nicht übersetzt: Tausche a und b", ";",
                                        "abbruch_(\"Zeile nicht übersetzt: y := x +* 2\");"});
    expectLines(code(CodeLanguage::Pascal),
                {"function abbruch_(const meldung: string): boolean;", "Halt(3);",
                 "abbruch_('Unterprogramm nicht gefunden: wuerfel');",
                 "while abbruch_('Zeile nicht übersetzt: bis die Liste leer ist') do"});
}

TEST_F(CodeGenerator, TypesComeFromUsesAndUnknownOnesAreIntegersWithANote) {
    add(ElementKind::Block, {"preis := 2.5", "gefunden := falsch", "name := \"Ida\"",
                             "werte[1] := preis * 2", "Eingabe: raten", "zaehler := zaehler + 1"});
    expectLines(code(CodeLanguage::C),
                {"double preis = 0.0;", "bool gefunden = false;", "const char* name = \"\";",
                 "feld_zahl_ werte[1] = {{NULL, 0, 0}};",
                 "int raten = 0; // Typ nicht erkannt: ganze Zahl angenommen", "int zaehler = 0;",
                 "(void) gefunden;"});
    expectLines(code(CodeLanguage::Pascal),
                {"preis: double;", "gefunden: boolean;", "name: string;", "werte: feld_zahl_;"});
}

TEST_F(CodeGenerator, NamesBecomeIdentifiersValidInEveryLanguage) {
    add(ElementKind::Block, {"Gr\xF6\xDF"
                             "e := 1",
                             "class := 2", "Summe := 3", "summe := summe + 1",
                             "f\xFC"
                             "r := 4",
                             "_x := 5"});
    add(ElementKind::Block, {"wurf := index(6)", "random := abs(wurf)"});
    const std::string program = code(CodeLanguage::Java);
    expectLines(program, {"static int index2(int p1) {", "int Groesse = 0;", "int class2 = 0;",
                          "int Summe = 0;", "int fuer = 0;", "int x = 0;", "int random2 = 0;",
                          "Summe = Summe + 1;", "wurf = index2(6);", "random2 = Math.abs(wurf);"});
    // No routine of a library is shadowed or redeclared.
    expectLines(code(CodeLanguage::C), {"static int index2(int p1) {", "int random2 = 0;"});
}

TEST_F(CodeGenerator, ExitsByTheirText) {
    Element& loop = add(ElementKind::WhileLoop, {"solange wahr"});
    add(ElementKind::Exit, {"verlasse Schleife"}, &inside(loop));
    add(ElementKind::Block, {"x := 1"}, &inside(loop));
    add(ElementKind::Exit, {"Ende"});
    expectLines(code(), {"while True:", "break", "x = 1", "sys.exit(0)"});
    // Java refuses statements it can prove unreachable.
    expectLines(code(CodeLanguage::Java),
                {"while (true) {", "if (true) break;", "x = 1;", "System.exit(0);"});
    expectLines(code(CodeLanguage::Pascal), {"break;", "halt;"});
}

TEST_F(CodeGenerator, AReturnedValueMakesAFunctionOfTheTitlesParameters) {
    DiagramFormat format;
    format.title = "Fakult\xE4t(n)";
    format.comment = {"n! iterativ"};
    document.setFormat(format);
    add(ElementKind::Block, {"f := 1"});
    add(ElementKind::Block, {"f := f * i"},
        &inside(add(ElementKind::ForLoop, {"f\xFCr i := 2 bis n"})));
    add(ElementKind::Exit, {"zur\xFC"
                            "ck f"});
    expectLines(code(), {"# Fakultät(n)", "# n! iterativ", "def Fakultaet(n):", "return f",
                         "def main():", "n = lies_ganzzahl_()", "print(Fakultaet(n))"});
    expectLines(code(CodeLanguage::C),
                {"static int Fakultaet(int n) {", "return f;", "printf(\"%d\\n\", Fakultaet(n));"});
}

// Structorizer neither runs nor writes what it shows disabled.
TEST_F(CodeGenerator, DisabledElementsAreLeftOut) {
    const std::string nsd = "<root text=\"&#34;Teil&#34;\"><children>"
                            "<instruction text=\"&#34;OUTPUT 1&#34;\" disabled=\"0\"></instruction>"
                            "<instruction text=\"&#34;OUTPUT 2&#34;\" disabled=\"1\"></instruction>"
                            "<call text=\"&#34;Zeige(3)&#34;\" disabled=\"1\"></call>"
                            "</children></root>";
    const auto loaded = loadNsd(nsd, measurer, {});
    const GeneratedCode python = generateCode(*loaded.document, CodeLanguage::Python);
    EXPECT_NE(python.text.find("print(1)"), std::string::npos) << python.text;
    EXPECT_EQ(python.text.find("print(2)"), std::string::npos) << python.text;
    EXPECT_EQ(python.missingRoutines, 0);
}

TEST_F(CodeGenerator, SymbolFontArrowsAndRelations) {
    Element& element = add(ElementKind::Block, {"x \xAC 3", "ok \xAC x \xB3 2 und x \xB9 4"});
    element.setFont({"Symbol", 10, 0}, measurer);
    expectLines(code(), {"x = 3", "ok = x >= 2 and x != 4"});
}

// Typed signs are their operators; a text literal prints every character
// typed, also one Windows-1252 has no form for; such a character outside a
// literal ("∅" would read as "?") stops the program instead.
TEST_F(CodeGenerator, TypedSignsReadLiteralsKeepTheirCharactersAndAFormlessOneStops) {
    add(ElementKind::Block, {})
        .setTypedLines({"x \u2190 7 \u00D7 2 \u00F7 4", "ok \u2190 x \u2264 3 und x \u2260 2",
                        "Ausgabe: \"Menge \u2205 \u2192\", \"->\"", "m \u2190 \u2205"});
    const GeneratedCode python = generateCode(document, CodeLanguage::Python);
    EXPECT_EQ(python.untranslatedLines, 1);
    expectLines(python.text, {"x = 7 * 2 / 4", "ok = x <= 3 and x != 2",
                              "print(\"Menge \u2205 \u2192\", \"->\", sep=\"\")",
                              "abbruch_(\"Zeile nicht übersetzt: m <- ?\")"});
}

TEST_F(CodeGenerator, DeeplyNestedTextIsRefusedNotRecursedInto) {
    const std::vector<std::string> deep(400, std::string(250, '('));
    add(ElementKind::Block, {}, &inside(add(ElementKind::WhileLoop, deep)));
    add(ElementKind::Block, {"x := " + std::string(120, '-') + "1", std::string(200, '!') + "x"});
    const GeneratedCode code = generateCode(document, CodeLanguage::C);
    EXPECT_EQ(code.untranslatedLines, 401);
    expectLines(code.text, {"while (abbruch_(\"Zeile nicht übersetzt: ((((", "x = -(-(-(",
                            "// nicht übersetzt: !!!"});
}

} // namespace
} // namespace velbrant
