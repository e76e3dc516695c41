// Worksheets: the same boxes with blanks, then the solution with every
// text, the blanks marked; in black and white for the copier.

#include "model/diagram/worksheet.h"
#include "model/notation/text_notation.h"
#include "model_fixture.h"

namespace velbrant::test {
namespace {

using Op = RecordingCanvas::Op;
using OpType = RecordingCanvas::OpType;

class WorksheetTest : public ModelTest {
protected:
    std::unique_ptr<Document> document = loadNotation("titel Suche\n"
                                                      "i := 0\n"
                                                      "\n"
                                                      "solange i < n\n"
                                                      "    wenn a[i] = x\n"
                                                      "        Ausgabe: i\n"
                                                      "    sonst\n"
                                                      "        i := i + 1\n"
                                                      "fallunterscheidung x\n"
                                                      "    fall 1\n"
                                                      "        verlasse\n",
                                                      canvas, DefaultLabels{});

    std::vector<Op> drawn(const DrawStyle& style) {
        canvas.clear();
        DrawContext context;
        context.style = style;
        document->draw(canvas, context);
        return canvas.ops();
    }
    static std::vector<Op> ofType(const std::vector<Op>& ops, OpType type) {
        std::vector<Op> found;
        std::copy_if(ops.begin(), ops.end(), std::back_inserter(found),
                     [type](const Op& op) { return op.type == type; });
        return found;
    }
    static std::vector<std::string> texts(const std::vector<Op>& ops) {
        std::vector<std::string> all;
        for (const Op& op : ofType(ops, OpType::Text))
            all.push_back(op.text);
        return all;
    }
};

TEST_F(WorksheetTest, BlanksKeepTheirBoxesAndTheSolutionMarksTheirTexts) {
    const std::vector<Op> full = drawn({});
    for (const auto& [blanks, left, gone] :
         {std::tuple{Blanks::Conditions, "i := 0", "solange i < n"},
          std::tuple{Blanks::Statements, "solange i < n", "i := i + 1"},
          std::tuple{Blanks::Everything, "Suche", "verlasse"}}) {
        const auto blanked = worksheetBlanks(*document, blanks);
        const std::vector<Op> sheet = drawn({&blanked, false, false});
        // The same boxes and lines: a student has the room the text needs.
        EXPECT_EQ(ofType(sheet, OpType::Rectangle).size(), ofType(full, OpType::Rectangle).size());
        for (const OpType shape : {OpType::Rectangle, OpType::Line, OpType::Polyline}) {
            const auto a = ofType(sheet, shape);
            const auto b = ofType(full, shape);
            ASSERT_EQ(a.size(), b.size());
            for (std::size_t i = 0; i < a.size(); ++i)
                EXPECT_EQ(a[i].points, b[i].points);
        }
        const std::vector<std::string> shown = texts(sheet);
        EXPECT_NE(std::find(shown.begin(), shown.end(), left), shown.end()) << left;
        EXPECT_EQ(std::find(shown.begin(), shown.end(), gone), shown.end()) << gone;
        // The branch labels stay.
        EXPECT_NE(std::find(shown.begin(), shown.end(), "Wahr"), shown.end());
        EXPECT_NE(std::find(shown.begin(), shown.end(), "1"), shown.end());

        const std::vector<Op> solution = drawn({&blanked, true, false});
        EXPECT_EQ(texts(solution), texts(full));
        for (const Op& text : ofType(solution, OpType::Text)) {
            const bool wasBlank = std::find(shown.begin(), shown.end(), text.text) == shown.end();
            EXPECT_EQ(text.color == SolutionBlue, wasBlank) << text.text;
        }
        const std::vector<Op> copier = drawn({&blanked, true, true});
        for (const Op& text : ofType(copier, OpType::Text)) {
            const bool wasBlank = std::find(shown.begin(), shown.end(), text.text) == shown.end();
            EXPECT_TRUE(text.value == 1 || !wasBlank) << text.text;
            EXPECT_EQ(text.color, Black);
        }
    }
}

} // namespace
} // namespace velbrant::test
