// What the reader makes of Structorizer's pseudocode, and how programs of
// several diagrams are linked and typed together.

#include "model/files/windows1252.h"
#include "model/program/program_set.h"
#include "model/program/pseudocode.h"

#include <gtest/gtest.h>
#include <map>

namespace velbrant::code {
namespace {

Stmt statement(std::string_view text, const Keywords* keywords = nullptr) {
    std::optional<Stmt> s = readStatement(TextLine{text, false, keywords}, false);
    EXPECT_TRUE(s.has_value()) << text;
    return s.value_or(Stmt{});
}

TEST(StructorizerPseudocode, StatementsReadAsTheirMeaning) {
    // The forgotten comma after the prompt and the one too many at the end,
    // as real files have them.
    EXPECT_EQ(statement("INPUT \"Zahl?\" zahl").items.size(), 1u);
    EXPECT_EQ(statement("INPUT \"Kapital (\x80)\", kapital,").items.size(), 1u);
    // Brackets around the first and the last item are not one around all.
    EXPECT_EQ(statement("Ausgabe: (a div 3) + \" \" + (a mod 3)").items.size(), 3u);
    // The school's colon before a prompt.
    EXPECT_TRUE(statement("Eingabe: \"Zahl?\", zahl").hasValue);
    EXPECT_EQ(readExpression(TextLine{"a > 0 & a < 100 | fertig", false})->op, Op::Or);

    const Stmt prompt = statement("INPUT \"Wie viele?\", n, a[2]");
    EXPECT_EQ(prompt.kind, Stmt::Kind::Input);
    EXPECT_TRUE(prompt.hasValue);
    EXPECT_EQ(prompt.value.text, "Wie viele?");
    ASSERT_EQ(prompt.items.size(), 2u);
    EXPECT_EQ(prompt.items[1].kind, Expr::Kind::Index);

    // "+" beside a text joins: the items one after the other; the sum before
    // the first text is a sum.
    const Stmt joined = statement("OUTPUT a + b + \" cm\" + c");
    ASSERT_EQ(joined.items.size(), 3u);
    EXPECT_EQ(joined.items[0].kind, Expr::Kind::Binary);
    EXPECT_EQ(joined.items[1].text, " cm");
    EXPECT_EQ(joined.items[2].text, "c");
    // Two values side by side would print with a blank between them: kept whole.
    EXPECT_EQ(statement("OUTPUT \"x\" + a + b").items.size(), 1u);

    for (const auto& [text, type] :
         std::map<std::string, Scalar>{{"var preis: double", Scalar::Real},
                                       {"dim name as String", Scalar::Text},
                                       {"int k <- 3", Scalar::Int},
                                       {"var ok: boolean := wahr", Scalar::Bool},
                                       {"var f: array of double <- {0.5, 1}", Scalar::Real},
                                       {"const GRENZE = 10", Scalar::Unknown}}) {
        const Stmt declaration = statement(text);
        EXPECT_EQ(declaration.kind, text.find('{') == std::string::npos ? Stmt::Kind::Assign
                                                                        : Stmt::Kind::ArrayAssign)
            << text;
        EXPECT_EQ(declaration.declared, type) << text;
    }
    // A variable may be called like a keyword.
    EXPECT_EQ(statement("var := 3").target.text, "var");
    EXPECT_FALSE(readStatement(TextLine{"const N", false}, false));

    const Stmt up = statement("inc(a[i], 2)");
    EXPECT_EQ(up.kind, Stmt::Kind::Assign);
    EXPECT_EQ(up.value.op, Op::Add);
    EXPECT_EQ(statement("dec(n)").value.op, Op::Sub);
    EXPECT_EQ(statement("randomize()").kind, Stmt::Kind::Comment);

    EXPECT_EQ(statement("leave").kind, Stmt::Kind::Break);
    EXPECT_EQ(statement("leave 1").kind, Stmt::Kind::Break);
    // No language leaves two loops at once: not read, so it cannot mislead.
    EXPECT_FALSE(readStatement(TextLine{"leave 2", false}, false));
    EXPECT_EQ(statement("exit 0").kind, Stmt::Kind::End);
    EXPECT_EQ(statement("throw \"kaputt\"").kind, Stmt::Kind::Throw);

    const Stmt literal = statement("werte <- {4, 8, 15}");
    EXPECT_EQ(literal.kind, Stmt::Kind::ArrayAssign);
    EXPECT_EQ(literal.items.size(), 3u);
    const std::optional<Stmt> each = readForHead(TextLine{"foreach z in {1, x + 1}", false});
    ASSERT_TRUE(each);
    EXPECT_EQ(each->kind, Stmt::Kind::ForEach);
    EXPECT_EQ(each->items.size(), 2u);
    const std::optional<Stmt> overArray = readForHead(TextLine{"foreach z in werte", false});
    ASSERT_TRUE(overArray);
    EXPECT_TRUE(overArray->items.empty());
    EXPECT_EQ(overArray->value.text, "werte");
    EXPECT_FALSE(readForHead(TextLine{"foreach z in {}", false}));
    EXPECT_FALSE(readForHead(TextLine{"foreach z in werte + 1", false}));
}

// Signs typed as Unicode keep a Windows-1252 form the reader knows: "≤"
// becomes "<=", "←" "<-", while × and ÷ are bytes of their own.
TEST(StructorizerPseudocode, TypedSignsReadAsTheirOperators) {
    ReplacedCharacters replaced;
    const std::vector<std::string> lines = windows1252Lines(
        {"x \u2190 a \u00D7 b \u00F7 2", "a \u2264 b", "a \u2265 b", "a \u2260 b"}, replaced);
    const Stmt assignment = statement(lines[0]);
    EXPECT_EQ(assignment.kind, Stmt::Kind::Assign);
    ASSERT_EQ(assignment.value.kind, Expr::Kind::Binary);
    EXPECT_EQ(assignment.value.op, Op::Div);
    EXPECT_EQ(assignment.value.args[0].op, Op::Mul);
    for (const auto& [line, op] : {std::pair{1, Op::Le}, {2, Op::Ge}, {3, Op::Ne}})
        EXPECT_EQ(readExpression(TextLine{lines[line], false})->op, op) << lines[line];
}

TEST(StructorizerPseudocode, AFilesOwnKeywordsReadAsTheBuiltInOnes) {
    const Keywords keywords{{"eingabe", "input"}, {"zeige", "output"}, {"von", "for"},
                            {"nach", "to"},       {"um", "by"},        {"raus", "leave"}};
    EXPECT_EQ(statement("EINGABE x", &keywords).kind, Stmt::Kind::Input);
    EXPECT_EQ(statement("Zeige x, y", &keywords).items.size(), 2u);
    EXPECT_EQ(statement("raus", &keywords).kind, Stmt::Kind::Break);
    const std::optional<Stmt> loop =
        readForHead(TextLine{"von i <- 1 nach 9 um 2", false, &keywords});
    ASSERT_TRUE(loop);
    EXPECT_EQ(loop->step.text, "2");
    // Unread, an output word still marks a line the program cannot skip.
    EXPECT_TRUE(looksLikeStatement(TextLine{"ZEIGE {1, 2}", false, &keywords}));
    EXPECT_TRUE(looksLikeStatement(TextLine{"werte <- {4, 8}", false}));
    EXPECT_FALSE(looksLikeStatement(TextLine{"Tausche a und b", false}));
}

TEST(StructorizerPseudocode, RoutineHeadersInEveryFormGiveNamesAndTypes) {
    const Title pascal = readTitle("ggT(a: int; b: integer): int");
    EXPECT_EQ(pascal.name, "ggT");
    EXPECT_EQ(pascal.parameters, (std::vector<std::string>{"a", "b"}));
    EXPECT_EQ(pascal.parameterTypes, (std::vector<Scalar>{Scalar::Int, Scalar::Int}));
    EXPECT_EQ(pascal.result, Scalar::Int);

    const Title c = readTitle("double Mittel(double a, int n)");
    EXPECT_EQ(c.name, "Mittel");
    EXPECT_EQ(c.parameterTypes, (std::vector<Scalar>{Scalar::Real, Scalar::Int}));
    EXPECT_EQ(c.result, Scalar::Real);

    const Title plain = readTitle("zeige(wert, var liste)");
    EXPECT_TRUE(plain.hasParameters);
    EXPECT_EQ(plain.parameters, (std::vector<std::string>{"wert", "liste"}));
    EXPECT_TRUE(readTitle("start()").hasParameters);

    // Not a header: the title's words name the program.
    for (const char* title : {"Lineare Suche", "f(a +)", "f(a,)", "f(a): Zahl"}) {
        const Title prose = readTitle(title);
        EXPECT_FALSE(prose.hasParameters) << title;
        EXPECT_FALSE(prose.name.empty()) << title;
    }
}

// A set of diagrams by title, read as the program reader would.
class Linking : public ::testing::Test {
protected:
    std::map<std::string, Program> diagrams;
    int lookups = 0;

    void define(const std::string& title, std::vector<std::string> lines) {
        m_lines.push_back(std::move(lines));
        Program program;
        const Title header = readTitle(title);
        program.name = header.name;
        program.parameters = header.parameters;
        program.parameterTypes = header.parameterTypes;
        program.result = header.result;
        program.isFunction = header.hasParameters || header.result != Scalar::Unknown;
        for (const std::string& line : m_lines.back()) {
            std::optional<Stmt> s = readStatement(TextLine{line, false}, true);
            if (!s)
                s = Stmt{};
            s->source = {line};
            program.body.push_back(std::move(*s));
        }
        diagrams[lowered(header.name)] = std::move(program);
    }

    ProgramSet link(const std::string& main) {
        return linkPrograms(diagrams.at(main), [this](std::string_view name) {
            ++lookups;
            const auto found = diagrams.find(std::string(name));
            return found == diagrams.end() ? std::nullopt : std::optional(found->second);
        });
    }

    static const Symbol& symbol(const TypedProgram& program, std::string_view name) {
        return *program.symbols.find(name);
    }

private:
    std::vector<std::vector<std::string>> m_lines;
};

// An integer counter runs to the whole part of a real limit.
TEST(StructorizerPseudocode, ACountingLoopTakesTheWholePartOfARealLimit) {
    Program program;
    std::optional<Stmt> loop = readForHead(TextLine{"for i <- 2 to sqrt(n)", false});
    ASSERT_TRUE(loop);
    loop->source = {"for i <- 2 to sqrt(n)"};
    loop->bodies.emplace_back();
    program.body.push_back(std::move(*loop));
    const TypedProgram typed = typeProgram(program);
    ASSERT_EQ(typed.program.body.front().kind, Stmt::Kind::For);
    EXPECT_EQ(typed.program.body.front().limit.text, "floor");
    EXPECT_EQ(typed.unreadLines, 0);
}

TEST_F(Linking, EveryCallFitsTheRoutineItCallsThroughChainsAndRecursion) {
    define("Haupt", {"x <- halb(7)", "OUTPUT fak(5), x", "Trenner"});
    define("halb(n)", {"return n / 2"});
    define("fak(n: int): int", {"return n * fak(n - 1)"});
    define("Trenner", {"OUTPUT \"--\"", "Linie(3)"});
    define("Linie(n)", {"OUTPUT n"});
    const ProgramSet set = link("haupt");
    ASSERT_EQ(set.routines.size(), 4u);
    EXPECT_EQ(set.main.missingRoutines, 0);
    EXPECT_EQ(set.main.unreadLines, 0);
    // The caller's variable takes the routine's real result.
    EXPECT_EQ(symbol(set.main, "x").type.scalar, Scalar::Real);
    EXPECT_TRUE(symbol(set.main, "halb").linked);
    for (const TypedProgram& routine : set.routines) {
        EXPECT_TRUE(routine.program.isRoutine);
        EXPECT_EQ(routine.unreadLines, 0) << routine.program.name;
        EXPECT_EQ(routine.missingRoutines, 0) << routine.program.name;
    }
    // Each name is looked up once, the program's own too.
    EXPECT_EQ(lookups, 4);
}

TEST_F(Linking, MissingRoutinesAreCountedAndMutualRecursionEnds) {
    define("Haupt", {"OUTPUT gerade(4)", "Gruss"});
    define("gerade(n)", {"return ungerade(n - 1) = false"});
    define("ungerade(n)", {"return gerade(n - 1) = false"});
    const ProgramSet set = link("haupt");
    EXPECT_EQ(set.routines.size(), 2u);
    EXPECT_EQ(set.main.missingRoutines, 1);
    EXPECT_FALSE(symbol(set.main, "gruss").linked);
    EXPECT_EQ(symbol(set.main, "gerade").type.scalar, Scalar::Bool);
}

TEST_F(Linking, ACallThatDoesNotFitItsRoutineIsUnread) {
    define("Haupt", {"OUTPUT ggT(3)", "y <- Trenner(1)"});
    define("ggT(a: int; b: int): int", {"return a"});
    define("Trenner(n)", {"OUTPUT n"});
    const ProgramSet set = link("haupt");
    EXPECT_EQ(set.main.unreadLines, 2);
}

// A record type one diagram defines is known in the routines it calls;
// what a record cannot be (shown whole, compared, a field it lacks) is
// unread, so that no program does something else with it.
TEST_F(Linking, RecordsAreValuesOfTheTypesTheDiagramsDefine) {
    define("Haupt", {"type Punkt = struct{x, y: int; name: string}", "p <- Punkt{y: 2}",
                     "OUTPUT p.x + p.y, summe(p)", "var q: Punkt", "q.name <- \"Q\"", "OUTPUT p",
                     "r <- Punkt{z: 1}", "b <- p = q", "c <- Kreis{}", "p.x <- \"drei\""});
    define("summe(pt)", {"return pt.x + pt.y"});
    const ProgramSet set = link("haupt");
    EXPECT_EQ(set.main.unreadLines, 5);
    const Symbol& p = symbol(set.main, "p");
    EXPECT_EQ(p.type.scalar, Scalar::Record);
    EXPECT_EQ(set.main.program.records.at(static_cast<std::size_t>(p.type.record)).name, "Punkt");
    EXPECT_EQ(symbol(set.main, "q").type, p.type);
    // Every field has its value, in the order of the type's fields.
    const Expr& literal = set.main.program.body[1].value;
    ASSERT_EQ(literal.args.size(), 3u);
    EXPECT_EQ(literal.args[0].text, "0");
    EXPECT_EQ(literal.args[1].text, "2");
    EXPECT_EQ(literal.args[2].kind, Expr::Kind::Text);
    ASSERT_EQ(set.routines.size(), 1u);
    EXPECT_EQ(set.routines[0].unreadLines, 0);
    EXPECT_EQ(symbol(set.routines[0], "pt").type, p.type);
}

TEST(StandardRoutines, TypesFollowTheArgumentsAndMixedOnesDoNotFit) {
    Program program;
    for (const char* line :
         {"a <- abs(-3)", "b <- abs(-2.5)", "c <- round(2.5)", "d <- sqrt(16)",
          "e <- length(\"Hallo\")", "f <- random(6)", "g <- max(1, 2.5)", "h <- min(2, 3)",
          "w <- trim(uppercase(\"x\"))", "i <- pos(\"a\", w)", "j <- copy(w, 1, 2)",
          "k <- ord(w) + length(chr(65))", "l <- copy(w, \"1\", 2)"}) {
        std::optional<Stmt> s = readStatement(TextLine{line, false}, false);
        ASSERT_TRUE(s) << line;
        s->source = {line};
        program.body.push_back(std::move(*s));
    }
    const TypedProgram typed = typeProgram(program);
    const std::map<std::string, Scalar> types{
        {"a", Scalar::Int}, {"b", Scalar::Real}, {"c", Scalar::Int}, {"d", Scalar::Real},
        {"e", Scalar::Int}, {"f", Scalar::Int},  {"h", Scalar::Int}, {"w", Scalar::Text},
        {"i", Scalar::Int}, {"j", Scalar::Text}, {"k", Scalar::Int}};
    for (const auto& [name, type] : types)
        EXPECT_EQ(typed.symbols.find(name)->type.scalar, type) << name;
    // max of an integer and a real picks different overloads by language;
    // copy counts from a number, not a text.
    EXPECT_EQ(typed.unreadLines, 2);
    EXPECT_EQ(typed.missingRoutines, 0);
}

} // namespace
} // namespace velbrant::code
