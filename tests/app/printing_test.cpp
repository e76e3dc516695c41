#include "app_fixture.h"

#include <QFile>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>

namespace velbrant::test {
namespace {

class PrintingTest : public AppTest {
protected:
    QTemporaryDir dir;
    void printTo(const QString& path) {
        frame.printing().printer().setOutputFormat(QPrinter::PdfFormat);
        frame.printing().printer().setOutputFileName(path);
        frame.printing().printDocument(*frame.activeDocument());
    }
};

TEST_F(PrintingTest, ADocumentPrintsToOnePdfPageWithItsJobNameAndNoSelection) {
    DocumentWindow* window = frame.files().openDocument(VELBRANT_SOURCE_DIR "/examples/menue.STR");
    DocumentView& view = window->view();
    const Element& first = topOf(view).at(0);
    click(view, {first.left() + 5, first.top() + 5});
    ASSERT_NE(view.editor().selectedSequence(), nullptr);
    const QString pdf = dir.filePath("menue.pdf");
    printTo(pdf);
    QFile file(pdf);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    EXPECT_TRUE(bytes.startsWith("%PDF"));
    EXPECT_EQ(bytes.count("/Type /Page\n") + bytes.count("/Type /Page\r"), 1);
    EXPECT_EQ(frame.printing().printer().docName(), "Velbrant : menue.STR");
    EXPECT_EQ(view.editor().selectedSequence(), nullptr);
}

// Measured in the printed page, not in the code: pdftoppm draws it at 254
// dots an inch, a pixel a tenth of a millimetre.
TEST_F(PrintingTest, TheFrameIsPrintedWhereTheSheetShowsIt) {
    DocumentWindow* window = frame.files().newDocument();
    DiagramFormat format = window->editor().document().format();
    format.frameLeft = 200;
    format.frameTop = 400;
    window->editor().setFormat(format);
    const QString pdf = dir.filePath("blatt.pdf");
    printTo(pdf);
    QProcess render;
    render.start("pdftoppm",
                 {"-r", "254", "-gray", "-png", "-singlefile", pdf, dir.filePath("blatt")});
    ASSERT_TRUE(render.waitForFinished(30'000)) << "pdftoppm is part of the test tools";
    const QImage page(dir.filePath("blatt.png"));
    ASSERT_FALSE(page.isNull());
    EXPECT_NEAR(page.width(), 2100, 2);
    const auto firstDark = [&page](QPoint from, QPoint step) {
        for (QPoint at = from; page.rect().contains(at); at += step)
            if (qGray(page.pixel(at)) < 128)
                return at;
        return QPoint(-1, -1);
    };
    const Document& document = window->editor().document();
    const int middleY = 400 + document.frameLayout().frameHeight / 2;
    const int middleX = 200 + document.frameLayout().frameWidth / 2;
    EXPECT_NEAR(firstDark({0, middleY}, {1, 0}).x(), 200, 5);
    EXPECT_NEAR(firstDark({middleX, 0}, {0, 1}).y(), 400, 5);
}

// Larger than the page, "as the sheet shows it" asks first.
TEST_F(PrintingTest, ADiagramLargerThanThePageIsAskedAboutAndSpreadOverPages) {
    DocumentWindow* window = frame.files().newDocument();
    appendBuilt(window->editor(), [](Sequence& run, const LayoutContext& context) {
        buildMixedTree(run, context, 600, 3);
    });
    QString question;
    onNextMessageBox([&question](QMessageBox& box) {
        question = box.text();
        for (QAbstractButton* button : box.buttons())
            if (button->text().contains("mehrere Seiten"))
                button->click();
    });
    const QString pdf = dir.filePath("gross.pdf");
    printTo(pdf);
    EXPECT_TRUE(question.contains("größer als die Seite")) << question.toStdString();
    QFile file(pdf);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    EXPECT_GT(bytes.count("/Type /Page\n") + bytes.count("/Type /Page\r"), 2);
}

TEST_F(PrintingTest, AFailedPrintIsToldAndLandscapeWidensEverySheet) {
    DocumentWindow* first = frame.files().newDocument();
    DocumentWindow* second = frame.files().newDocument();
    QString message;
    onNextMessageBox([&message](QMessageBox& box) {
        message = box.text();
        box.accept();
    });
    QFile blocker(dir.filePath("datei"));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    printTo(dir.filePath("datei/druck.pdf")); // its parent is a file
    EXPECT_TRUE(message.contains("fehlgeschlagen")) << message.toStdString();

    frame.printing().usePageLayout(
        QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Landscape, QMarginsF()));
    for (DocumentWindow* window : {first, second}) {
        EXPECT_EQ(window->editor().paper().widthMm, 297);
        EXPECT_EQ(window->editor().paper().heightMm, 210);
    }
}

} // namespace
} // namespace velbrant::test
