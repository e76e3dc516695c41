#include "model_fixture.h"

#include "model/document.h"

namespace velbrant::test {
namespace {

// Fake metrics: the 14-point title is 49 + 4 units high, comment lines 39.
class DocumentTest : public ModelTest {
protected:
    Document document{canvas};

    void addStatement(const std::string& line) {
        document.topSequence.insertElement(makeBlock({line}), {0, 99999}, InsertMode::After,
                                           document.layoutContext(canvas, DefaultLabels{}));
    }
};

TEST_F(DocumentTest, TheHeaderSitsInsideTheFrameAndTheDiagramBelowIt) {
    document.title = "Titel";
    addStatement("abc");
    document.layoutFrame(canvas);
    EXPECT_EQ(document.contentLeft, 150 + 50);
    EXPECT_EQ(document.headerTop, 150 + 50);
    EXPECT_EQ(document.titleHeight, 53);
    EXPECT_EQ(document.topSequence.left(), 200);
    EXPECT_EQ(document.topSequence.top(), 200 + 20 + 53);
    EXPECT_EQ(document.frameWidth, document.topSequence.width() + 100);
    EXPECT_EQ(document.frameHeight,
              document.topSequence.top() + document.topSequence.height() + 50 - 150);
}

TEST_F(DocumentTest, ScaleAndCommentLinesMoveAndWidenTheDiagram) {
    addStatement("abc");
    document.comment = {"x", std::string(50, 'w')};
    document.scale = 2.0;
    document.layoutFrame(canvas);
    EXPECT_EQ(document.commentLineHeight, LineHeight);
    EXPECT_EQ(document.topSequence.width(), 500); // the wider comment line
    EXPECT_EQ(document.topSequence.top(), 250 + 2 * (2 * (10 + LineHeight) + 20 + 53));
    EXPECT_EQ(document.frameWidth, 2 * (500 + 100));
}

TEST_F(DocumentTest, CentringPlacesTheFrameOnThePage) {
    addStatement(std::string(90, 'x')); // 1000 units wide with margins and frame
    document.centerHorz = true;
    document.layoutOnPage(canvas, 210, 297);
    EXPECT_EQ(document.frameWidth, 1100);
    EXPECT_EQ(document.frameLeft, (2100 - 1100) / 2);
    EXPECT_EQ(document.topSequence.left(), document.frameLeft + 50);
    document.centerHorz = false;
    document.frameLeft = 150;
    document.layoutOnPage(canvas, 100, 100);
    EXPECT_EQ(document.frameLeft, 150);
}

} // namespace
} // namespace velbrant::test
