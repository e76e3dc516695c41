#include "app_fixture.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QImage>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QProcess>
#include <QTemporaryDir>

namespace velbrant::test {
namespace {

class PrintingTest : public AppTest {
protected:
    QTemporaryDir dir;
    // The first page of a PDF, as pdftoppm draws it at 50 dpi in colour.
    QImage rendered(const QString& pdf) {
        QProcess render;
        render.start("pdftoppm", {"-r", "50", "-png", "-singlefile", pdf, dir.filePath("seite")});
        render.waitForFinished(30'000);
        return QImage(dir.filePath("seite.png")).convertToFormat(QImage::Format_RGB32);
    }
    static QString textOf(const QString& pdf) {
        QProcess text;
        text.start("pdftotext", {pdf, "-"});
        text.waitForFinished(30'000);
        return QString::fromUtf8(text.readAllStandardOutput());
    }
    // A diagram far taller than a page.
    DocumentWindow* largeDocument() {
        DocumentWindow* window = frame.files().newDocument();
        appendBuilt(window->editor(), [](Sequence& run, const LayoutContext& context) {
            buildMixedTree(run, context, 600, 3);
        });
        return window;
    }
    void printTo(const QString& path) {
        frame.printing().printer().setOutputFormat(QPrinter::PdfFormat);
        frame.printing().printer().setOutputFileName(path);
        frame.printing().printDocument(*frame.activeDocument());
    }
};

// The selection is the screen's: the page shows none, and the user's stays.
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
    EXPECT_NE(view.editor().selectedSequence(), nullptr);
    const QImage page = rendered(pdf);
    ASSERT_FALSE(page.isNull());
    int yellow = 0;
    for (int y = 0; y < page.height(); y += 2)
        for (int x = 0; x < page.width(); x += 2)
            yellow += page.pixel(x, y) == qRgb(255, 255, 0) ? 1 : 0;
    EXPECT_EQ(yellow, 0);
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

// Larger than the page, "as the sheet shows it" asks first; tiled pages
// carry their place for assembling them.
TEST_F(PrintingTest, ADiagramLargerThanThePageIsAskedAboutAndSpreadOverPages) {
    largeDocument();
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
    const auto pages = bytes.count("/Type /Page\n") + bytes.count("/Type /Page\r");
    EXPECT_GT(pages, 2);
    const QString text = textOf(pdf);
    EXPECT_TRUE(text.contains(QStringLiteral("Seite 1 von %1 – Zeile 1, Spalte 1").arg(pages)))
        << text.toStdString();
}

// The preview's print button goes the way Ctrl+P goes: the print dialog,
// then the question, rather than printing a clipped page.
TEST_F(PrintingTest, PrintingFromThePreviewOfATooWideDiagramAsks) {
    DocumentWindow* window = largeDocument();
    frame.printing().printer().setOutputFormat(QPrinter::PdfFormat);
    frame.printing().printer().setOutputFileName(dir.filePath("vorschau.pdf"));
    QString question;
    onNextDialog<QPrintPreviewDialog>([this, &question](QPrintPreviewDialog& preview) {
        onNextDialog<QPrintDialog>([this, &question](QPrintDialog& dialog) {
            onNextMessageBox([&question](QMessageBox& box) {
                question = box.text();
                box.reject();
            });
            dialog.accept();
        });
        for (QAction* action : preview.findChildren<QAction*>())
            if (action->text() == QCoreApplication::translate("QPrintPreviewDialog", "Print"))
                action->trigger();
    });
    frame.printing().preview(*window);
    EXPECT_TRUE(question.contains("größer als die Seite")) << question.toStdString();
    EXPECT_FALSE(QFile::exists(dir.filePath("vorschau.pdf")));
}

// The print dialog's Velbrant tab makes a worksheet: the statements
// blank on the first page, the solution after it.
TEST_F(PrintingTest, TheVelbrantTabPrintsAWorksheetWithItsSolution) {
    DocumentWindow* window =
        frame.files().openDocument(VELBRANT_SOURCE_DIR "/examples/lineare-suche.STR");
    frame.printing().printer().setOutputFormat(QPrinter::PdfFormat);
    // The dialog proposes the document's name in the folder of the last PDF.
    frame.printing().printer().setOutputFileName(dir.filePath("vorher.pdf"));
    const QString pdf = dir.filePath("lineare-suche.pdf");
    onNextDialog<QPrintDialog>([](QPrintDialog& dialog) {
        dialog.findChild<QComboBox*>(QStringLiteral("WorksheetBox"))->setCurrentIndex(2);
        dialog.findChild<QCheckBox*>(QStringLiteral("SolutionBox"))->setChecked(true);
        dialog.accept();
    });
    frame.printing().print(*window);
    const QString text = textOf(pdf);
    const qsizetype solution = text.indexOf(QStringLiteral("L\u00f6sung: Lineare Suche"));
    ASSERT_GT(solution, 0) << text.toStdString();
    EXPECT_EQ(text.indexOf("gefunden := wahr"), text.indexOf("gefunden := wahr", solution));
    EXPECT_LT(text.indexOf("solange i <= n"), solution);
}

// The elements' comments are printed only when the Velbrant tab asks.
TEST_F(PrintingTest, CommentsArePrintedAsNotesWhenAsked) {
    DocumentWindow* window =
        frame.files().openDocument(VELBRANT_SOURCE_DIR "/tests/data/nsd/alle-arten.nsd");
    frame.printing().printer().setOutputFormat(QPrinter::PdfFormat);
    frame.printing().printer().setOutputFileName(dir.filePath("vorher.pdf"));
    const QString pdf = dir.filePath("alle-arten.pdf");
    for (const bool notes : {false, true}) {
        onNextDialog<QPrintDialog>([notes](QPrintDialog& dialog) {
            dialog.findChild<QCheckBox*>(QStringLiteral("CommentNotesBox"))->setChecked(notes);
            dialog.accept();
        });
        frame.printing().print(*window);
        EXPECT_EQ(textOf(pdf).contains(QStringLiteral("Vergleich")), notes) << notes;
    }
}

// A second worksheet is proposed a PDF of its own name, beside the first.
TEST_F(PrintingTest, ThePrintDialogProposesAPdfNamedAfterTheDocument) {
    frame.files().openDocument(VELBRANT_SOURCE_DIR "/examples/menue.STR");
    printTo(dir.filePath("erstes.pdf"));
    DocumentWindow* second = frame.files().openDocument(VELBRANT_SOURCE_DIR "/examples/ggt.STR");
    QString proposed;
    onNextDialog<QPrintDialog>([&proposed](QPrintDialog& dialog) {
        proposed = dialog.printer()->outputFileName();
        dialog.reject();
    });
    frame.printing().print(*second);
    EXPECT_EQ(proposed, dir.filePath("ggt.pdf"));
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
