#include "app_fixture.h"

#include <QFile>
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
