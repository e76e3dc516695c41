// Diagrams for LaTeX: texts escaped so that LaTeX sets them as they are,
// and the picture drawn in TikZ in the diagram's own units.

#include "model/notation/text_notation.h"
#include "model/tex/tex_text.h"
#include "model/tex/tex_writer.h"
#include "model_fixture.h"

namespace velbrant::test {
namespace {

TEST(TexText, EveryCharacterLatexReadsAsACommandIsEscaped) {
    EXPECT_EQ(tex::escaped("a_b 50% & #1 {x} ~y^2 \\ $5"),
              "a\\_b 50\\% \\& \\#1 \\{x\\} \\textasciitilde{}y\\textasciicircum{}2 "
              "\\textbackslash{} \\$5");
    // Umlauts go out as UTF-8; a run of blanks stays a run.
    EXPECT_EQ(tex::escaped("gr\xF6\xDF"
                           "er  als"),
              "gr\xC3\xB6\xC3\x9F"
              "er \\ als");
    // The symbol font's arrow and relations are math.
    EXPECT_EQ(tex::escapedSymbols("x \xAC 1 \xA3 2"), "x $\\leftarrow$ 1 $\\leq$ 2");
}

class TexPicture : public ModelTest {};

TEST_F(TexPicture, ADiagramBecomesATikzPictureInItsOwnUnits) {
    auto document = loadNotation("titel Test_1\nx := 1\n", canvas, DefaultLabels{});
    const std::string fragment = tex::writeTikz(*document, canvas, {}, false);
    EXPECT_EQ(fragment.find("% Test\\_1"), 0u) << fragment;
    EXPECT_NE(fragment.find("\\usepackage{tikz}"), std::string::npos);
    EXPECT_NE(fragment.find("\\begin{tikzpicture}[x=0.1mm,y=-0.1mm"), std::string::npos);
    const Element& statement = document->topSequence().at(0);
    const std::string box = "(" + std::to_string(statement.left()) + "," +
                            std::to_string(statement.top()) + ") rectangle (" +
                            std::to_string(statement.left() + statement.width()) + "," +
                            std::to_string(statement.bottom()) + ")";
    EXPECT_NE(fragment.find(box), std::string::npos) << fragment;
    EXPECT_NE(fragment.find("{x := 1};"), std::string::npos);
    EXPECT_EQ(fragment.find("\\documentclass"), std::string::npos);
    const std::string whole = tex::writeTikz(*document, canvas, {}, true);
    EXPECT_EQ(whole.find("\\documentclass[border=0pt]{standalone}"), 0u);
    EXPECT_NE(whole.find("\\end{document}"), std::string::npos);
}

} // namespace
} // namespace velbrant::test
