#include "model/diagram/document.h"
#include "model_fixture.h"

namespace velbrant::test {
namespace {

// Fake metrics: the 14-point title is 49 + 4 units high, comment lines 39.
class DocumentTest : public ModelTest {
protected:
    Document document{canvas};

    void addStatement(const std::string& line) {
        document.topSequence().insertElement(makeBlock({line}), {0, 99999}, InsertMode::After,
                                             document.layoutContext(canvas, DefaultLabels{}));
    }
};

TEST_F(DocumentTest, TheHeaderSitsInsideTheFrameAndTheDiagramBelowIt) {
    document.setFormat({.title = "Titel"});
    addStatement("abc");
    document.layout(canvas, PaperSize{});
    const FrameLayout& layout = document.frameLayout();
    EXPECT_EQ(layout.contentLeft, 150 + 50);
    EXPECT_EQ(layout.headerTop, 150 + 50);
    EXPECT_EQ(layout.titleHeight, 53);
    EXPECT_EQ(document.topSequence().left(), 200);
    EXPECT_EQ(document.topSequence().top(), 200 + 20 + 53);
    EXPECT_EQ(layout.frameWidth, document.topSequence().width() + 100);
    EXPECT_EQ(layout.frameHeight,
              document.topSequence().top() + document.topSequence().height() + 50 - 150);
}

TEST_F(DocumentTest, ScaleAndCommentLinesMoveAndWidenTheDiagram) {
    addStatement("abc");
    document.setFormat({.comment = {"x", std::string(50, 'w')}, .scale = 2.0});
    document.layout(canvas, PaperSize{});
    EXPECT_EQ(document.frameLayout().commentLineHeight, LineHeight);
    EXPECT_EQ(document.topSequence().width(), 500); // the wider comment line
    EXPECT_EQ(document.topSequence().top(), 250 + 2 * (2 * (10 + LineHeight) + 20 + 53));
    EXPECT_EQ(document.frameLayout().frameWidth, 2 * (500 + 100));
}

TEST_F(DocumentTest, CentringPlacesTheFrameOnThePage) {
    addStatement(std::string(90, 'x')); // 1000 units wide with margins and frame
    document.setFormat({.centerHorz = true});
    document.layout(canvas, {210, 297});
    EXPECT_EQ(document.frameLayout().frameWidth, 1100);
    EXPECT_EQ(document.format().frameLeft, (2100 - 1100) / 2);
    EXPECT_EQ(document.topSequence().left(), document.format().frameLeft + 50);
    document.setFormat({});
    document.layout(canvas, {100, 100});
    EXPECT_EQ(document.format().frameLeft, 150);
}

// 23 statements of 32,767 empty lines in a 5,000-pt font: each is 10 km
// tall, together more than 32 bits can count.
TEST_F(DocumentTest, SumsOfHugeSizesSaturateInsteadOfWrapping) {
    for (int i = 0; i < 23; ++i) {
        auto block = makeBlock(std::vector<std::string>(32767));
        block->setFont({"Arial", 5000, 0}, canvas);
        document.topSequence().append(std::move(block));
    }
    document.topSequence().relayout(document.layoutContext(canvas, DefaultLabels{}));
    document.layout(canvas, PaperSize{});
    const Sequence& top = document.topSequence();
    int previousTop = top.top();
    for (std::size_t i = 0; i < top.size(); ++i) {
        EXPECT_GE(top.at(i).top(), previousTop) << i;
        EXPECT_GT(top.at(i).height(), 0) << i;
        previousTop = top.at(i).top();
    }
    EXPECT_GT(top.height(), 0);
    EXPECT_GT(document.frameLayout().frameHeight, 0);
}

TEST_F(DocumentTest, FontsAndLinesOnlyADamagedFileHoldsAreDrawnAtTheirLimitsAndKept) {
    document.setFormat({.title = "T", .titleFont = {"Arial", 32767, 0}});
    addStatement("abc");
    document.topSequence().at(0).setBorderWidth(65535);
    document.layout(canvas, PaperSize{});
    canvas.clear();
    document.draw(canvas, DrawContext{});
    const int limitHeight = makeLogFont({"Arial", MaxFontPoints, 0}, 1.0).height;
    EXPECT_EQ(canvas.opsOfType(RecordingCanvas::OpType::Font).front().value, limitHeight);
    EXPECT_EQ(document.frameLayout().titleHeight,
              characterHeight({"Arial", MaxFontPoints, 0}) + RecordingCanvas::CellExtra);
    int widest = 0;
    for (const auto& pen : canvas.opsOfType(RecordingCanvas::OpType::Pen))
        widest = std::max(widest, pen.value);
    EXPECT_EQ(widest, MaxLineWidth);
    EXPECT_EQ(document.topSequence().at(0).borderWidth(), 65535);
    EXPECT_EQ(document.format().titleFont.size, 32767);
}

} // namespace
} // namespace velbrant::test
