#include "app/frame/file_dialogs.h"
#include "app_fixture.h"
#include "model/structorizer/nsd_file.h"

#include <QClipboard>
#include <QFile>
#include <QImage>
#include <QMimeData>
#include <QProcess>
#include <QTemporaryDir>
#include <functional>

namespace velbrant::test {
namespace {

const char* const Coloured = R"(<?xml version="1.0" encoding="UTF-8"?>
<root xmlns:nsd="https://structorizer.fisch.lu" text="&#34;Farben&#34;" comment="" color="ffffff" type="sub" author="ida">
    <children>
        <instruction text="&#34;rot&#34;" comment="&#34;ein Kommentar&#34;" color="ff8080" rotated="0" disabled="0"></instruction>
        <instruction text="&#34;weiß&#34;" comment="" color="ffffff" rotated="0" disabled="0"></instruction>
        <instruction text="&#34;aus&#34;" comment="" color="ffffff" rotated="0" disabled="1"></instruction>
    </children>
</root>
)";

class StructorizerTest : public AppTest {
protected:
    QTemporaryDir dir;
    DocumentWindow* openColoured() {
        QFile file(dir.filePath("farben.nsd"));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(Coloured);
        file.close();
        return frame.files().openDocument(dir.filePath("farben.nsd"));
    }
    static int countPixels(const QImage& image, const std::function<bool(QColor)>& is) {
        int count = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                count += is(image.pixelColor(x, y)) ? 1 : 0;
        return count;
    }
    // The file's red ff8080, and the grey of a disabled element.
    static int redPixels(const QImage& image) {
        return countPixels(image, [](QColor pixel) {
            return pixel.red() > 240 && pixel.green() > 110 && pixel.green() < 150;
        });
    }
    static int greyPixels(const QImage& image) {
        return countPixels(image, [](QColor pixel) {
            return qAbs(pixel.red() - 210) < 4 && qAbs(pixel.blue() - 210) < 4;
        });
    }
    static std::string colorAt(const DocumentEditor& editor, std::size_t index) {
        const Element& element = editor.document().topSequence().at(index);
        return element.nsd() != nullptr ? element.nsd()->color : "-";
    }
};

TEST_F(StructorizerTest, AMovedCutPastedAndUndoneElementKeepsItsColourAndComment) {
    DocumentEditor& editor = openColoured()->editor();
    const Element& red = editor.document().topSequence().at(0);
    EXPECT_EQ(editor.commentAt({red.left() + 5, red.top() + 5}), "ein Kommentar");
    editor.selectIndex(0);
    editor.moveSelectionStep(1);
    EXPECT_EQ(colorAt(editor, 1), "ff8080");
    editor.undo();
    EXPECT_EQ(colorAt(editor, 0), "ff8080");
    editor.redo();
    EXPECT_EQ(colorAt(editor, 1), "ff8080");
    editor.selectIndex(1);
    action("EditCutItem")->trigger();
    EXPECT_EQ(editor.document().topSequence().size(), 2u);
    action("EditPasteItem")->trigger();
    const Element& last = editor.document().topSequence().at(1);
    click(frame.activeDocument()->view(), {last.left() + 5, last.top() + 5});
    EXPECT_EQ(colorAt(editor, 2), "ff8080");
    EXPECT_EQ(editor.document().topSequence().at(2).nsd()->comment,
              (std::vector<std::string>{"ein Kommentar"}));
}

// Measured in the printed page: the red of the first element is there.
// Colours and the disabled grey reach paper and both pictures on the
// clipboard (Ctrl+G, and the one Copy puts beside the elements).
TEST_F(StructorizerTest, ColoursArePrintedAndCopiedAsPictures) {
    DocumentWindow* window = openColoured();
    const QString pdf = dir.filePath("farben.pdf");
    frame.printing().printer().setOutputFormat(QPrinter::PdfFormat);
    frame.printing().printer().setOutputFileName(pdf);
    frame.printing().printDocument(*window);
    QProcess render;
    render.start("pdftoppm", {"-r", "50", "-png", "-singlefile", pdf, dir.filePath("farben")});
    ASSERT_TRUE(render.waitForFinished(30'000));
    const QImage page(dir.filePath("farben.png"));
    ASSERT_FALSE(page.isNull());
    EXPECT_GT(redPixels(page), 50);
    EXPECT_GT(greyPixels(page), 50) << "the disabled element";

    action("GraphCopyItem")->trigger();
    const QImage graphic = QImage::fromData(
        QGuiApplication::clipboard()->mimeData()->data(QStringLiteral("image/png")));
    EXPECT_GT(redPixels(graphic), 50);
    EXPECT_GT(greyPixels(graphic), 50);

    DocumentView& view = window->view();
    const Element& red = topOf(view).at(0);
    click(view, {red.left() + 5, red.top() + 5});
    action("EditCopyItem")->trigger();
    const QImage copied = QImage::fromData(
        QGuiApplication::clipboard()->mimeData()->data(QStringLiteral("image/png")));
    EXPECT_GT(redPixels(copied), 50);
}

// Saving as .STR names what that format cannot hold and asks first.
TEST_F(StructorizerTest, SavingAsStructogramAsksBeforeDroppingWhatOnlyStructorizerHolds) {
    DocumentWindow* window = openColoured();
    FileDialogs dialogs;
    dialogs.open = [](QWidget*) { return QString(); };
    dialogs.save = [this](QWidget*, const QString&) { return dir.filePath("farben.STR"); };
    frame.files().setFileDialogs(dialogs);
    QString asked;
    onNextMessageBox([&asked](QMessageBox& box) {
        asked = box.text();
        box.button(QMessageBox::No)->click();
    });
    EXPECT_FALSE(frame.files().saveAs(*window));
    EXPECT_FALSE(QFile::exists(dir.filePath("farben.STR")));
    for (const char* named : {"1 Farbe", "1 Kommentar an einem Element", "1 deaktiviertes Element",
                              "der Diagrammtyp „sub“", "Autor, Daten und Lizenz"})
        EXPECT_TRUE(asked.contains(QString::fromUtf8(named))) << named << "\n"
                                                              << asked.toStdString();
    answerNextMessageBox(QMessageBox::Yes);
    EXPECT_TRUE(frame.files().saveAs(*window));
    EXPECT_TRUE(QFile::exists(dir.filePath("farben.STR")));
}

} // namespace
} // namespace velbrant::test
