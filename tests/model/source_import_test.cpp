// Programs read as diagrams: what each form of Python, Java and C becomes,
// what is kept as text, and sources that a reader must survive.

#include "model/files/windows1252.h"
#include "model/import/source_import.h"
#include "model/notation/text_notation.h"
#include "model_fixture.h"

#include <filesystem>
#include <fstream>
#include <sstream>

namespace velbrant::test {
namespace {

std::string diagram(const SourceImport& imported, std::string_view name) {
    for (const ImportedDiagram& diagram : imported.diagrams) {
        if (diagram.name == name)
            return diagram.notation;
    }
    ADD_FAILURE() << "no diagram " << name;
    return {};
}

TEST(SourceImport, PythonBecomesTheSchoolPseudocode) {
    const SourceImport imported = importSource(R"~(import math

def teiler(n, bis=10):
    """Zählt die Teiler"""
    anzahl = 0
    for t in range(1, n + 1):
        if n % t == 0 and not t > bis:
            anzahl += 1
        elif t // 2 == 3:
            continue
    return anzahl

n = int(input("Zahl? "))
a, b = map(int, input().split())
werte = []
while n > 0:
    werte.append(teiler(n))
    n -= 1
for w in werte:
    print("Teiler:", w, f"({w * 2})")
for i in range(10, 0, -2):
    pass
match n:
    case 1 | 2:
        print()
    case _:
        print([x for x in werte])
)~",
                                               SourceLanguage::Python, "Teiler");
    ASSERT_EQ(imported.diagrams.size(), 2u);
    EXPECT_EQ(imported.diagrams[0].notation, R"~(titel Hauptprogramm Teiler

# import math

Eingabe: "Zahl? ", n

Eingabe: a, b

werte <- {}

solange n > 0
    werte[length(werte)] := teiler(n)

    n := n - 1

zählschleife foreach w in werte
    Ausgabe: "Teiler: ", w, " (" + (w * 2) + ")"

für i := 10 bis 1 Schrittweite -2
    leer

fallunterscheidung n
    fall 1, 2
        Ausgabe: ""
    sonst
        print([x for x in werte])
)~");
    EXPECT_EQ(imported.diagrams[1].name, "teiler");
    EXPECT_EQ(imported.diagrams[1].notation, R"~(titel teiler(n, bis)
kommentar Parameter in Python: bis=10
kommentar Zählt die Teiler

anzahl := 0

für t := 1 bis n
    wenn (n mod t) = 0 und nicht (t > bis)
        anzahl := anzahl + 1
    sonst
        wenn (t div 2) = 3
            aussprung continue

zurück anzahl
)~");
    EXPECT_EQ(importNotes(imported),
              std::vector<std::string>{"3 Zeilen ohne Struktogrammform übernommen: Zeile 1 "
                                       "„import math“, Zeile 10 „continue“, Zeile 27 "
                                       "„print([x for x in werte])“"});
}

TEST(SourceImport, CAndJavaShareTheirStatementsAndKeepTheirOwnInputAndOutput) {
    const SourceImport c = importSource(R"~(#include <stdio.h>
#define N 3
int halb(int x) { return x / 2; }
int main(void) {
    int a[N] = {1};
    double d = 7;
    scanf("%d", &a[0]);
    for (int i = N - 1; i >= 0; i--) {
        if (a[i]) printf("%d: %d\n", i, halb(a[i]));
        else printf("%.2f\n", d / 2);
    }
    switch (a[0]) { case 1: case 2: puts("klein"); break; default: goto ende; }
ende:
    return 0;
}
)~",
                                        SourceLanguage::C, "rechnen");
    EXPECT_EQ(c.diagrams[0].notation, R"~(titel rechnen

// #include <stdio.h>

const N = 3

a <- {1}

für fuellindex := 1 bis N - 1
    a[fuellindex] := 0

double d <- 7

Eingabe: a[0]

für i := N - 1 bis 0 abwärts
    wenn a[i] <> 0
        Ausgabe: i, ": ", halb(a[i])
    sonst
        printf("%.2f\n", d / 2);

fallunterscheidung a[0]
    fall 1, 2
        Ausgabe: "klein"
    sonst
        goto ende;

ende:
\    return 0;
)~");
    EXPECT_EQ(diagram(c, "halb"), "titel halb(x)\n\nzurück x div 2\n");

    const SourceImport java = importSource(R"~(import java.util.Scanner;
public class Mittel {
    static double mittel(int[] a, int n) {
        double s = 0;
        for (int x : a) s += x;
        return s / n;
    }
    public static void main(String[] args) {
        Scanner in = new Scanner(System.in);
        String name = in.next();
        int k = 7 / 2;
        System.out.println(name + ": " + k);
        System.out.println(mittel(new int[] {1, 2}, 2));
    }
}
)~",
                                           SourceLanguage::Java, "Datei");
    // The class and its method differ only in case: the main diagram
    // says what it is, so that a call finds the method.
    EXPECT_EQ(java.diagrams[0].notation, R"~(titel Hauptprogramm Mittel

// import java.util.Scanner;

// Scanner in = new Scanner(System.in);

var name: string
Eingabe: name

k := 7 div 2

Ausgabe: name + ": " + k

System.out.println(mittel(new int[] {1, 2}, 2));
)~");
    EXPECT_EQ(diagram(java, "mittel"), R"~(titel mittel(a: int; n: int): double

double s <- 0

zählschleife foreach x in a
    s := s + x

zurück s / n
)~");
}

// The main diagram's elements after the line "START" (a comment in the
// source), as the notation writes them.
std::string after(std::string_view source, SourceLanguage language) {
    const std::string main = importSource(source, language, "x").diagrams.front().notation;
    std::size_t start = main.find("START\n");
    if (start == std::string::npos)
        return main;
    start += 6;
    return main.substr(main.compare(start, 1, "\n") == 0 ? start + 1 : start);
}

TEST(SourceImport, EachPythonFormHasItsOwnTranslationOrIsKept) {
    const std::pair<const char*, const char*> cases[] = {
        {"a, b = b, a % b", "neu_a := b\nneu_b := a mod b\na := neu_a\nb := neu_b\n"},
        {"z = [7] * (n + 1)", "z <- {}\n\nfür fuellindex := 0 bis n\n    z[fuellindex] := 7\n"},
        {"x = 2 ** k - a - (b - c)", "x := pow(2, k) - a - (b - c)\n"},
        {"ok = 0 < x <= 9 != y", "ok := 0 < x und x <= 9 und 9 <> y\n"},
        {"print('Wert: ' + str(w), x)", "Ausgabe: \"Wert: \" + w, x\n"},
        {"print('a\\'b')", "Ausgabe: \"a'b\"\n"},
        {"print('a\\tb')", "print('a\\tb')\n"},
        {"for i in range(n, 0, -1):\n    pass", "für i := n bis 1 abwärts\n    leer\n"},
        {"for i in range(0, n, s):\n    pass", "\\for i in range(0, n, s):\n\\    pass\n"},
        {"while x:\n    pass\nelse:\n    x = 1", "\\while x:\n\\    pass\nelse:\n\\    x = 1\n"},
        {"print(f'{x:.2f}')", "print(f'{x:.2f}')\n"},
        {"print(x, sep='')", "print(x, sep='')\n"},
        {"global g", "# global g\n"},
        {"x = y = 0", "x = y = 0\n"},
        {"if x:\n    def innen():\n        pass", "wenn x\n    def innen():\n    \\    pass\n"},
        {"if x in liste:\n    x = 1", "wenn x in liste\n    x := 1\n"},
    };
    for (const auto& [python, expected] : cases)
        EXPECT_EQ(after(std::string("# START\n") + python + "\n", SourceLanguage::Python), expected)
            << python;
}

TEST(SourceImport, EachCAndJavaFormHasItsOwnTranslationOrIsKept) {
    const std::pair<const char*, const char*> cases[] = {
        {"for (i = 0; i < n; i += 2) a[i] = i;",
         "für i := 0 bis n - 1 Schrittweite 2\n    a[i] := i\n"},
        {"for (i = 0; i < n; i++) i = i * 2;",
         "i := 0\n\nsolange i < n\n    i := i * 2\n\n    i := i + 1\n"},
        {"for (i = 0; i < n; i++) { if (i) continue; }",
         "für i := 0 bis n - 1\n    wenn i <> 0\n        aussprung continue;\n"},
        {"for (i = 0; i < n; i = i * 2) { if (i) continue; }",
         "\\for (i = 0; i < n; i = i * 2) { if (i) continue; }\n"},
        {"for (;;) break;", "solange wahr\n    verlasse\n"},
        {"while (n) n /= 2;", "solange n <> 0\n    n := n div 2\n"},
        {"d /= 2;", "d := d / 2\n"},
        {"printf(\"%d%%\\n\", n);", "Ausgabe: n, \"%\"\n"},
        {"printf(\"%d%d\\n\", n, i);", "printf(\"%d%d\\n\", n, i);\n"},
        {"printf(\"%f\\n\", d);", "printf(\"%f\\n\", d);\n"},
        {"printf(\"ohne Ende\");", "printf(\"ohne Ende\");\n"},
        {"printf(\"a\\nb %d\\n\", n);", "Ausgabe: \"a\"\nAusgabe: \"b \", n\n"},
        {"switch (n) { case 1: i = 1; case 2: i = 2; break; }",
         "\\switch (n) { case 1: i = 1; case 2: i = 2; break; }\n"},
        {"i = n > 0 ? 1 : 2;", "i = n > 0 ? 1 : 2;\n"},
    };
    for (const auto& [c, expected] : cases)
        EXPECT_EQ(after(std::string("int main(void) {\n    int i, n, a[3];\n    double d;\n"
                                    "    // START\n    ") +
                            c + "\n}\n",
                        SourceLanguage::C),
                  expected)
            << c;
    const std::pair<const char*, const char*> java[] = {
        {"System.out.println(d);", "System.out.println(d);\n"},
        {"System.out.print(n);", "System.out.print(n);\n"},
        {"d = sc.nextDouble();", "Eingabe: d\n"},
        {"n = s.length() + a.length;", "n := length(s) + length(a)\n"},
        {"d = Math.sqrt(n) / 2;", "d := sqrt(n) / 2\n"},
    };
    for (const auto& [statement, expected] : java)
        EXPECT_EQ(after(std::string("class K { public static void main(String[] x) {\n"
                                    "    int n; double d; String s; int[] a;\n    // START\n"
                                    "    ") +
                            statement + "\n}}\n",
                        SourceLanguage::Java),
                  expected)
            << statement;
}

// What does not parse is kept with its line, the rest is read; nothing
// that a reader could be given brings it down.
TEST(SourceImport, BrokenAndHostileSourcesAreKeptAsText) {
    const SourceImport broken =
        importSource("x = 1\nif x >:\n    y = (\nprint(x)\n", SourceLanguage::Python, "kaputt");
    ASSERT_FALSE(broken.broken.empty());
    EXPECT_EQ(broken.broken.front().line, 2);
    EXPECT_NE(importNotes(broken).back().find("nicht lesbar"), std::string::npos);

    FixedWidthMeasurer measurer;
    std::string deep = "x = " + std::string(3000, '(') + "1" + std::string(3000, ')') + "\n";
    for (int i = 0; i < 200; ++i)
        deep += std::string(static_cast<std::size_t>(i) * 4, ' ') + "if x:\n";
    deep += std::string(800, ' ') + "x = 2\n";
    for (const auto& [source, language] :
         {std::pair{deep, SourceLanguage::Python},
          std::pair{std::string("int main( { \"\\q\" %% ;;; }}}"), SourceLanguage::C},
          std::pair{std::string("class { void main( }"), SourceLanguage::Java},
          std::pair{std::string("\xff\xfe\x00 def", 7), SourceLanguage::Python},
          std::pair{"s = '" + std::string(2000, 'a') + "'\n", SourceLanguage::Python}}) {
        const SourceImport imported = importSource(source, language, "x");
        for (const ImportedDiagram& diagram : imported.diagrams) {
            ReplacedCharacters replaced;
            EXPECT_NO_THROW(loadNotation(windows1252FromUtf8(diagram.notation, replaced), measurer,
                                         DefaultLabels{}));
        }
    }
}

// Python's own library as Debian ships it: every module reads as diagrams
// that the notation takes, and what has no form is named.
TEST(SourceImport, EveryModuleOfPythonsLibraryOpens) {
    namespace fs = std::filesystem;
    FixedWidthMeasurer measurer;
    int modules = 0;
    for (const fs::path folder : {"/usr/lib/python3.11", "/usr/lib/python3"}) {
        if (!fs::is_directory(folder))
            continue;
        for (const auto& entry : fs::directory_iterator(folder)) {
            if (entry.path().extension() != ".py")
                continue;
            std::ifstream in(entry.path(), std::ios::binary);
            std::stringstream text;
            text << in.rdbuf();
            const SourceImport imported =
                importSource(text.str(), SourceLanguage::Python, entry.path().stem().string());
            for (const ImportedDiagram& diagram : imported.diagrams) {
                ReplacedCharacters replaced;
                const std::string notation = isValidUtf8(diagram.notation)
                                                 ? windows1252FromUtf8(diagram.notation, replaced)
                                                 : diagram.notation;
                EXPECT_NO_THROW(loadNotation(notation, measurer, DefaultLabels{}))
                    << entry.path() << " " << diagram.name;
            }
            ++modules;
        }
    }
    if (modules == 0)
        GTEST_SKIP() << "no Python library here";
    EXPECT_GT(modules, 100);
}

} // namespace
} // namespace velbrant::test
