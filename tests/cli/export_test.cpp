#include "model/files/structogram_file.h"
#include "qstring_printer.h"
#include "render/document_renderer.h"
#include "render/qt_text_measurer.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QSvgRenderer>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace velbrant {
namespace {

const QString Sample = QStringLiteral(VELBRANT_SOURCE_DIR "/examples/lineare-suche.STR");

struct ProcessResult {
    int exitCode;
    QString errors;
    QString output;
};

// Runs the real binary with no display at all.
// Runs the program without a display, or with `display` as one.
ProcessResult velbrant(const QStringList& arguments, const QString& display = {},
                       const QByteArray& input = {},
                       const QProcessEnvironment& more = QProcessEnvironment()) {
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(more);
    environment.remove(QStringLiteral("DISPLAY"));
    environment.remove(QStringLiteral("WAYLAND_DISPLAY"));
    environment.remove(QStringLiteral("QT_QPA_PLATFORM"));
    if (!display.isEmpty())
        environment.insert(QStringLiteral("DISPLAY"), display);
    process.setProcessEnvironment(environment);
    process.start(QStringLiteral(VELBRANT_BINARY), arguments);
    process.write(input);
    process.closeWriteChannel();
    EXPECT_TRUE(process.waitForFinished(60000));
    return {process.exitCode(), QString::fromUtf8(process.readAllStandardError()),
            QString::fromUtf8(process.readAllStandardOutput())};
}

QByteArray readAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

class ExportTest : public ::testing::Test {
protected:
    QTemporaryDir dir;
    QString out(const char* name) const { return dir.filePath(QString::fromUtf8(name)); }

    QRect sampleArea() const {
        QtTextMeasurer measurer;
        const QByteArray bytes = readAll(Sample);
        auto document = loadDocument(Bytes(bytes.begin(), bytes.end()), measurer, DefaultLabels{});
        document->layout(measurer, PaperSize{});
        return pictureArea(*document);
    }
};

TEST_F(ExportTest, WritesEveryFormatWithoutADisplay) {
    for (const char* name : {"a.png", "a.svg", "a.pdf", "a.STR"}) {
        const ProcessResult run = velbrant({QStringLiteral("--export"), out(name), Sample});
        EXPECT_EQ(run.exitCode, 0) << name << ": " << run.errors.toStdString();
        EXPECT_TRUE(run.errors.isEmpty()) << run.errors.toStdString();
    }
    const QRect area = sampleArea();
    const QImage png(out("a.png"));
    ASSERT_FALSE(png.isNull());
    EXPECT_EQ(png.width(), qCeil(area.width() * 300 / 254.0));
    EXPECT_EQ(png.height(), qCeil(area.height() * 300 / 254.0));
    EXPECT_EQ(png.pixel(15, 15), qRgb(255, 255, 255));    // inside the frame, before the title
    EXPECT_LT(qGray(png.pixel(2, png.height() / 2)), 64); // the frame's left edge

    QSvgRenderer svg(out("a.svg"));
    EXPECT_TRUE(svg.isValid());
    EXPECT_EQ(svg.viewBox(), area);
    EXPECT_TRUE(readAll(out("a.pdf")).startsWith("%PDF"));
    EXPECT_EQ(readAll(out("a.STR")), readAll(Sample));
}

TEST_F(ExportTest, ScaleAndResolutionChangeThePicture) {
    EXPECT_EQ(
        velbrant({"--export", out("half.png"), "--scale", "50", "--dpi", "100", Sample}).exitCode,
        0);
    const QImage half(out("half.png"));
    EXPECT_NEAR(half.width(), sampleArea().width() * 100 / 254.0 / 2, 3);
}

TEST_F(ExportTest, HelpAndVersionNeedNoDisplayAndTheEditorSaysItNeedsOne) {
    const ProcessResult help = velbrant({"--help"});
    EXPECT_EQ(help.exitCode, 0);
    EXPECT_TRUE(help.output.contains("--export")) << help.output.toStdString();
    // German throughout, and every export format named.
    EXPECT_TRUE(help.output.contains("Aufruf:")) << help.output.toStdString();
    EXPECT_FALSE(help.output.contains("Usage")) << help.output.toStdString();
    EXPECT_FALSE(help.output.contains("Displays")) << help.output.toStdString();
    EXPECT_TRUE(help.output.contains(".nsd")) << help.output.toStdString();
    EXPECT_EQ(velbrant({"--version"}).exitCode, 0);
    const ProcessResult editor = velbrant({Sample});
    EXPECT_EQ(editor.exitCode, 1);
    EXPECT_TRUE(editor.errors.contains("grafische Anzeige")) << editor.errors.toStdString();
    EXPECT_EQ(editor.errors.count(u'\n'), 1);
    // A display that is set but not there: the same, not Qt's abort.
    const ProcessResult unreachable = velbrant({Sample}, QStringLiteral(":987"));
    EXPECT_EQ(unreachable.exitCode, 1);
    EXPECT_EQ(unreachable.errors.count(u'\n'), 1) << unreachable.errors.toStdString();
    EXPECT_TRUE(unreachable.errors.contains("grafische Anzeige „:987“"))
        << unreachable.errors.toStdString();
}

// LANGUAGE=en without a setting of its own: the command line, a run's
// messages and the programs it writes speak English.
TEST_F(ExportTest, TheCommandLineSpeaksEnglishWhenTheEnvironmentAsks) {
    QProcessEnvironment english;
    english.insert(QStringLiteral("LANGUAGE"), QStringLiteral("en"));
    english.insert(QStringLiteral("XDG_CONFIG_HOME"), dir.path());
    const ProcessResult help = velbrant({"--help"}, {}, {}, english);
    EXPECT_TRUE(help.output.contains("Usage:")) << help.output.toStdString();
    EXPECT_TRUE(help.output.contains("Exports the structogram")) << help.output.toStdString();
    EXPECT_FALSE(help.output.contains("Struktogramm")) << help.output.toStdString();
    const ProcessResult editor = velbrant({Sample}, {}, {}, english);
    EXPECT_EQ(editor.exitCode, 1);
    EXPECT_TRUE(editor.errors.contains("graphical display")) << editor.errors.toStdString();
    const QString strukturen =
        QStringLiteral(VELBRANT_SOURCE_DIR "/tests/data/pseudocode/strukturen.nsd");
    const ProcessResult ran = velbrant({QStringLiteral("--run"), strukturen}, {}, "x\n", english);
    EXPECT_EQ(ran.exitCode, 3);
    EXPECT_EQ(ran.errors,
              "Input is not a whole number: x\nvelbrant: at “EINGABE \"Wie viele?\", n”\n");
    ASSERT_EQ(
        velbrant({QStringLiteral("--export"), out("strukturen.py"), strukturen}, {}, {}, english)
            .exitCode,
        0);
    const QByteArray program = readAll(out("strukturen.py"));
    EXPECT_TRUE(program.contains("\"No more input\"")) << program.toStdString();
    EXPECT_FALSE(program.contains("Eingabe ist")) << program.toStdString();
}

TEST_F(ExportTest, FailuresSayWhyInOneLineAndWriteNothing) {
    QFile damaged(out("damaged.STR"));
    ASSERT_TRUE(damaged.open(QIODevice::WriteOnly));
    damaged.write(readAll(Sample).left(700));
    damaged.close();
    // 999 loops inside each other: 59,413 x 93,519 pixels at 300 dpi.
    QString deep;
    for (int level = 0; level < 999; ++level)
        deep += QString(level, u'\t') + QStringLiteral("solange i < n\n");
    // 4,000 branches side by side, one of them 6,000 lines tall.
    QString wide = QStringLiteral("fallunterscheidung x\n");
    for (int branch = 0; branch < 4000; ++branch)
        wide += QStringLiteral("    fall %1\n        y := 1\n").arg(branch);
    wide += QStringLiteral("        z := 1\n").repeated(6000);
    for (const auto& [name, text] : {std::pair{"deep.txt", deep}, std::pair{"wide.txt", wide}}) {
        QFile file(out(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(text.toUtf8());
    }
    const struct {
        QStringList arguments;
        const char* message;
    } cases[] = {
        {{"--export", out("x.png"), out("missing.STR")}, "missing.STR"},
        {{"--export", out("x.png"), out("damaged.STR")}, "Unerwartetes Dateiende"},
        {{"--export", out("x.doc"), Sample}, "Unbekanntes Ausgabeformat"},
        {{"--export", out("x.png"), "--scale", "401", Sample}, "--scale"},
        {{"--export", out("x.png")}, "genau eine Eingabedatei"},
        {{"--export", out("x.png"), out("deep.txt")},
         "(5.556 Megapixel), ein PNG höchstens 500 Megapixel und 1.000.000 Pixel breit oder "
         "hoch; mit höchstens 89 dpi"},
        {{"--export", out("x.pdf"), "--scale", "400", out("wide.txt")},
         "Das PDF hätte 1.416 Seiten"},
    };
    for (const auto& c : cases) {
        const ProcessResult run = velbrant(c.arguments);
        EXPECT_EQ(run.exitCode, 1) << c.message;
        EXPECT_TRUE(run.errors.contains(QString::fromUtf8(c.message))) << run.errors.toStdString();
        EXPECT_EQ(run.errors.count(u'\n'), 1) << run.errors.toStdString();
        EXPECT_FALSE(QFile::exists(out("x.png")));
        EXPECT_FALSE(QFile::exists(out("x.pdf")));
    }
}

TEST_F(ExportTest, StructorizerFilesAreWrittenAndReadWhereverAStructogramIs) {
    const ProcessResult written = velbrant({QStringLiteral("--export"), out("suche.nsd"), Sample});
    EXPECT_EQ(written.exitCode, 0) << written.errors.toStdString();
    EXPECT_TRUE(readAll(out("suche.nsd")).contains("<alternative text="));
    const ProcessResult read =
        velbrant({QStringLiteral("--export"), out("suche.STR"), out("suche.nsd")});
    EXPECT_EQ(read.exitCode, 0) << read.errors.toStdString();
    EXPECT_EQ(velbrant({QStringLiteral("--export"), out("suche2.nsd"), out("suche.STR")}).exitCode,
              0);
    EXPECT_EQ(readAll(out("suche2.nsd")), readAll(out("suche.nsd")));
    // A file of Structorizer's own: what a .STR cannot hold is told, not
    // silently dropped, and the export still succeeds.
    const ProcessResult converted =
        velbrant({QStringLiteral("--export"), out("alle.STR"),
                  QStringLiteral(VELBRANT_SOURCE_DIR "/tests/data/nsd/alle-arten.nsd")});
    EXPECT_EQ(converted.exitCode, 0);
    EXPECT_TRUE(converted.errors.contains("Nicht in „.STR“ enthalten: 1 Farbe, 1 Kommentar"))
        << converted.errors.toStdString();
    EXPECT_TRUE(converted.errors.contains("„≤“ als „<=“")) << converted.errors.toStdString();
    // Written back as .nsd, the file's texts stay as they were: nothing to tell.
    const ProcessResult back =
        velbrant({QStringLiteral("--export"), out("alle.nsd"),
                  QStringLiteral(VELBRANT_SOURCE_DIR "/tests/data/nsd/alle-arten.nsd")});
    EXPECT_EQ(back.exitCode, 0);
    EXPECT_TRUE(back.errors.isEmpty()) << back.errors.toStdString();
}

// Diagrams kept as text are written and read wherever a diagram is; a
// text that does not read writes nothing and names the line.
TEST_F(ExportTest, TextIsWrittenAndReadWhereverADiagramIs) {
    const ProcessResult written = velbrant({QStringLiteral("--export"), out("suche.txt"), Sample});
    EXPECT_EQ(written.exitCode, 0) << written.errors.toStdString();
    EXPECT_EQ(written.errors, "");
    // Formats a text cannot hold are named, not dropped in silence.
    const ProcessResult fonts =
        velbrant({QStringLiteral("--export"), out("schriften.txt"),
                  QStringLiteral(VELBRANT_SOURCE_DIR "/tests/data/fonts-tabs-arrows.STR")});
    EXPECT_EQ(fonts.exitCode, 0);
    EXPECT_TRUE(fonts.errors.contains("Nicht in „.txt“ enthalten: 2 Elemente mit eigener Schrift"))
        << fonts.errors.toStdString();
    EXPECT_TRUE(readAll(out("suche.txt")).startsWith("titel Lineare Suche\nkommentar "));
    EXPECT_EQ(velbrant({QStringLiteral("--export"), out("suche.STR"), out("suche.txt")}).exitCode,
              0);
    EXPECT_EQ(velbrant({QStringLiteral("--export"), out("wieder.txt"), out("suche.STR")}).exitCode,
              0);
    EXPECT_EQ(readAll(out("wieder.txt")), readAll(out("suche.txt")));

    QFile bad(out("kaputt.txt"));
    ASSERT_TRUE(bad.open(QIODevice::WriteOnly));
    bad.write("wenn x\n    y := 1\nfall 2\n");
    bad.close();
    const ProcessResult failed =
        velbrant({QStringLiteral("--export"), out("kaputt.png"), out("kaputt.txt")});
    EXPECT_EQ(failed.exitCode, 1);
    EXPECT_TRUE(failed.errors.contains("Zeile 3: „fall“ außerhalb einer Fallunterscheidung"))
        << failed.errors.toStdString();
    EXPECT_FALSE(QFile::exists(out("kaputt.png")));

    // Written on Windows: Windows-1252 umlauts read as they are meant, and
    // the text is written back as UTF-8; a NUL becomes a blank, named.
    QFile windows(out("windows.txt"));
    ASSERT_TRUE(windows.open(QIODevice::WriteOnly));
    const char bytes[] = "titel Gr\xF6\xDF"
                         "e\nx := a\x00"
                         "b\n";
    windows.write(bytes, sizeof bytes - 1);
    windows.close();
    const ProcessResult umlauts =
        velbrant({QStringLiteral("--export"), out("utf8.txt"), out("windows.txt")});
    EXPECT_EQ(umlauts.exitCode, 0) << umlauts.errors.toStdString();
    EXPECT_EQ(readAll(out("utf8.txt")), "titel Gr\xC3\xB6\xC3\x9F"
                                        "e\n\nx := a b\n");
    EXPECT_TRUE(umlauts.errors.contains("Steuerzeichen durch Leerzeichen ersetzt: 1"))
        << umlauts.errors.toStdString();
    EXPECT_FALSE(umlauts.errors.contains("\xEF\xBF\xBD")) << umlauts.errors.toStdString();
}

// The extension picks the language; untranslated lines are told on stderr
// and still exit 0.
TEST_F(ExportTest, ProgramsAreWrittenByTheirExtensionAndTellWhatWasNotTranslated) {
    const ProcessResult search = velbrant({QStringLiteral("--export"), out("suche.PY"), Sample});
    EXPECT_EQ(search.exitCode, 0) << search.errors.toStdString();
    EXPECT_EQ(search.errors, "");
    EXPECT_TRUE(readAll(out("suche.PY")).contains("while i <= n and not gefunden:"));
    const ProcessResult every = velbrant({QStringLiteral("--export"), out("alle.pas"),
                                          VELBRANT_SOURCE_DIR "/tests/data/every-kind.STR"});
    EXPECT_EQ(every.exitCode, 0);
    EXPECT_TRUE(every.errors.contains("Zeilen nicht übersetzt (als Kommentar übernommen)"))
        << every.errors.toStdString();
    EXPECT_TRUE(readAll(out("alle.pas")).startsWith("{$mode objfpc}{$H+}"));
}

// A diagram calling routines that diagrams beside it define exports as one
// program holding them all, which runs.
TEST_F(ExportTest, AProgramTakesTheRoutinesItCallsFromTheDiagramsBesideIt) {
    const QDir source(QStringLiteral(VELBRANT_SOURCE_DIR "/tests/data/pseudocode"));
    for (const QString& name : source.entryList({QStringLiteral("*.nsd")}, QDir::Files))
        ASSERT_TRUE(QFile::copy(source.filePath(name), out(name.toUtf8().constData())));
    const ProcessResult run =
        velbrant({QStringLiteral("--export"), out("back.py"), out("rechner.nsd")});
    EXPECT_EQ(run.exitCode, 0) << run.errors.toStdString();
    EXPECT_FALSE(run.errors.contains("nicht gefunden")) << run.errors.toStdString();
    QProcess python;
    python.start(QStringLiteral("python3"), {out("back.py")});
    python.write("84 36\n");
    python.closeWriteChannel();
    ASSERT_TRUE(python.waitForFinished(30000));
    EXPECT_EQ(python.readAllStandardOutput(), "12\n----\n120 60\nWert: 6\n");
    // Run without a program, the diagrams print the same.
    const ProcessResult ran = velbrant(
        {QStringLiteral("--run"), out("rechner.nsd"), QStringLiteral("--trace"), out("spur.csv")},
        {}, "84 36\n");
    EXPECT_EQ(ran.exitCode, 0) << ran.errors.toStdString();
    EXPECT_EQ(ran.output, "12\n----\n120 60\nWert: 6\n");
    const QByteArray trace = readAll(out("spur.csv"));
    EXPECT_TRUE(trace.startsWith("\xEF\xBB\xBFSchritt;Element;")) << trace.left(100).toStdString();
    EXPECT_TRUE(trace.contains(";Wert: 6\r\n")) << trace.toStdString();
    // Alone, the routines are missing, and the program says so when it
    // calls the first.
    QFile::remove(out("fak.nsd"));
    const ProcessResult alone =
        velbrant({QStringLiteral("--export"), out("alone.py"), out("rechner.nsd")});
    EXPECT_TRUE(alone.errors.contains("1 Unterprogramm nicht gefunden"))
        << alone.errors.toStdString();
}

// A run that fails says why and where, with status 3; a file that does
// not read is status 1, as for an export.
TEST_F(ExportTest, ARunThatFailsNamesTheReasonAndTheElement) {
    const QString ggt = QStringLiteral(VELBRANT_SOURCE_DIR "/examples/ggt.STR");
    ProcessResult ran =
        velbrant({QStringLiteral("--run"),
                  QStringLiteral(VELBRANT_SOURCE_DIR "/tests/data/pseudocode/strukturen.nsd")},
                 {}, "x\n");
    EXPECT_EQ(ran.exitCode, 3);
    EXPECT_EQ(ran.output, "Wie viele?\n");
    EXPECT_EQ(ran.errors,
              "Eingabe ist keine ganze Zahl: x\nvelbrant: bei „EINGABE \"Wie viele?\", n“\n");
    ran =
        velbrant({QStringLiteral("--run"), QStringLiteral("--max-steps"), QStringLiteral("5"), ggt},
                 {}, "84 36\n");
    EXPECT_EQ(ran.exitCode, 3);
    EXPECT_TRUE(ran.errors.startsWith("Schrittgrenze erreicht: 5 Schritte"))
        << ran.errors.toStdString();
    ran = velbrant({QStringLiteral("--run"), out("fehlt.nsd")});
    EXPECT_EQ(ran.exitCode, 1);
    EXPECT_TRUE(ran.output.isEmpty());
}

// A worksheet with its solution: two PDF pages, the blanked texts only on
// the second; as PNG a second file; an unknown kind of blank is refused.
TEST_F(ExportTest, AWorksheetLeavesItsBlanksToTheSolutionPage) {
    ProcessResult run =
        velbrant({QStringLiteral("--export"), out("blatt.pdf"), QStringLiteral("--worksheet"),
                  QStringLiteral("anweisungen"), QStringLiteral("--solution"), Sample});
    ASSERT_EQ(run.exitCode, 0) << run.errors.toStdString();
    const auto page = [this](int number) {
        QProcess text;
        text.start(QStringLiteral("pdftotext"),
                   {QStringLiteral("-f"), QString::number(number), QStringLiteral("-l"),
                    QString::number(number), out("blatt.pdf"), QStringLiteral("-")});
        EXPECT_TRUE(text.waitForFinished(30000));
        return QString::fromUtf8(text.readAllStandardOutput());
    };
    EXPECT_TRUE(page(1).contains("solange i <= n"));
    EXPECT_FALSE(page(1).contains("gefunden := wahr"));
    EXPECT_FALSE(page(1).contains("L\u00f6sung"));
    EXPECT_TRUE(page(2).contains("L\u00f6sung: Lineare Suche"));
    EXPECT_TRUE(page(2).contains("gefunden := wahr"));
    EXPECT_TRUE(page(3).isEmpty());

    run = velbrant({QStringLiteral("--export"), out("blatt.png"), QStringLiteral("--worksheet"),
                    QStringLiteral("alles"), QStringLiteral("--solution"), QStringLiteral("--bw"),
                    Sample});
    EXPECT_EQ(run.exitCode, 0) << run.errors.toStdString();
    EXPECT_TRUE(QFile::exists(out("blatt.png")));
    EXPECT_TRUE(QFile::exists(out("blatt-loesung.png")));
    // To standard output only as one PDF; nothing is left behind as a file.
    run = velbrant({QStringLiteral("--export"), QStringLiteral("-.pdf"),
                    QStringLiteral("--worksheet"), QStringLiteral("alles"),
                    QStringLiteral("--solution"), Sample});
    EXPECT_EQ(run.exitCode, 0) << run.errors.toStdString();
    EXPECT_TRUE(run.output.startsWith("%PDF"));
    run = velbrant({QStringLiteral("--export"), QStringLiteral("-.png"),
                    QStringLiteral("--worksheet"), QStringLiteral("alles"),
                    QStringLiteral("--solution"), Sample});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(run.output.isEmpty());
    run = velbrant({QStringLiteral("--export"), out("x.pdf"), QStringLiteral("--worksheet"),
                    QStringLiteral("texte"), Sample});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(run.errors.contains("anweisungen, bedingungen oder alles"));
}

// Every example and sample as a standalone LaTeX document: pdflatex
// compiles it as it is, and its page has the proportions of the PDF
// export within 5 %.
TEST_F(ExportTest, LatexOfEverySampleCompilesInTheDiagramsProportions) {
    const auto pageSize = [this](const QString& pdf) {
        QProcess info;
        info.start(QStringLiteral("pdfinfo"), {pdf});
        EXPECT_TRUE(info.waitForFinished(30000));
        const QString text = QString::fromUtf8(info.readAllStandardOutput());
        const QRegularExpression size(QStringLiteral("Page size:\\s+([\\d.]+) x ([\\d.]+)"));
        const QRegularExpressionMatch match = size.match(text);
        return match.hasMatch() ? QSizeF(match.captured(1).toDouble(), match.captured(2).toDouble())
                                : QSizeF();
    };
    int count = 0;
    for (const char* folder : {"/examples", "/tests/data", "/tests/data/nsd"}) {
        const QDir samples(QStringLiteral(VELBRANT_SOURCE_DIR) + QString::fromLatin1(folder));
        for (const QFileInfo& sample :
             samples.entryInfoList({QStringLiteral("*.STR"), QStringLiteral("*.nsd")})) {
            SCOPED_TRACE(sample.fileName().toStdString());
            const QString stem = QStringLiteral("bild%1").arg(++count);
            ProcessResult run =
                velbrant({QStringLiteral("--export"), out(qPrintable(stem + ".tex")),
                          QStringLiteral("--standalone"), sample.filePath()});
            ASSERT_EQ(run.exitCode, 0) << run.errors.toStdString();
            run = velbrant({QStringLiteral("--export"), out(qPrintable(stem + "-ref.pdf")),
                            sample.filePath()});
            ASSERT_EQ(run.exitCode, 0) << run.errors.toStdString();
            QProcess latex;
            latex.setWorkingDirectory(dir.path());
            latex.start(QStringLiteral("pdflatex"),
                        {QStringLiteral("-halt-on-error"),
                         QStringLiteral("-interaction=nonstopmode"), stem + ".tex"});
            ASSERT_TRUE(latex.waitForFinished(120000));
            ASSERT_EQ(latex.exitCode(), 0)
                << latex.readAllStandardOutput().right(2000).toStdString();
            const QSizeF tex = pageSize(out(qPrintable(stem + ".pdf")));
            const QSizeF pdf = pageSize(out(qPrintable(stem + "-ref.pdf")));
            ASSERT_FALSE(tex.isEmpty());
            EXPECT_NEAR(tex.width() / tex.height(), pdf.width() / pdf.height(),
                        0.05 * pdf.width() / pdf.height());
        }
    }
    EXPECT_GE(count, 10);
}

// The notation from standard input, the picture to standard output, as a
// documentation tool calls it; a text that does not read says its line on
// stderr and writes nothing to stdout. The pandoc filter in examples/
// turns a Markdown block into the picture.
TEST_F(ExportTest, StandardInputAndOutputServeDocumentationTools) {
    const QByteArray notation = "titel X\nx := 1\n";
    ProcessResult piped = velbrant(
        {QStringLiteral("--export"), QStringLiteral("-.svg"), QStringLiteral("-")}, {}, notation);
    EXPECT_EQ(piped.exitCode, 0) << piped.errors.toStdString();
    EXPECT_TRUE(piped.output.startsWith("<?xml")) << piped.output.left(100).toStdString();
    EXPECT_TRUE(piped.output.contains(">x := 1<"));
    EXPECT_FALSE(QFile::exists(QStringLiteral("-.svg")));
    piped = velbrant({QStringLiteral("--export"), QStringLiteral("-.svg"), QStringLiteral("-")}, {},
                     "titel X\nsonst\n");
    EXPECT_EQ(piped.exitCode, 1);
    EXPECT_TRUE(piped.output.isEmpty());
    EXPECT_TRUE(piped.errors.contains("Zeile 2")) << piped.errors.toStdString();

    if (QStandardPaths::findExecutable(QStringLiteral("pandoc")).isEmpty())
        GTEST_SKIP() << "pandoc is not installed";
    QFile markdown(out("text.md"));
    ASSERT_TRUE(markdown.open(QIODevice::WriteOnly));
    markdown.write("# Suche\n\n```struktogramm\ntitel Suche\nsolange i < n\n    i := i + 1\n```\n");
    markdown.close();
    QProcess pandoc;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("VELBRANT"), QStringLiteral(VELBRANT_BINARY));
    environment.remove(QStringLiteral("DISPLAY"));
    pandoc.setProcessEnvironment(environment);
    pandoc.start(QStringLiteral("pandoc"),
                 {QStringLiteral("--lua-filter"),
                  QStringLiteral(VELBRANT_SOURCE_DIR "/examples/struktogramm.lua"), out("text.md"),
                  QStringLiteral("-t"), QStringLiteral("html")});
    ASSERT_TRUE(pandoc.waitForFinished(60000));
    const QString html = QString::fromUtf8(pandoc.readAllStandardOutput());
    EXPECT_EQ(pandoc.exitCode(), 0) << pandoc.readAllStandardError().toStdString();
    EXPECT_TRUE(html.contains("<figure class=\"struktogramm\"><svg")) << html.toStdString();
    EXPECT_TRUE(html.contains("i := i + 1"));
    EXPECT_FALSE(html.contains("```"));
}

TEST_F(ExportTest, AStructogramCopyIsCentredOnThePageAsTheEditorWouldDoIt) {
    const QByteArray centred =
        readAll(QStringLiteral(VELBRANT_SOURCE_DIR "/tests/data/fonts-tabs-arrows.STR"));
    QByteArray moved = centred;
    moved[0] = 0x10; // frame left 150 + 16 * 256, not where centring puts it
    QFile input(out("moved.STR"));
    ASSERT_TRUE(input.open(QIODevice::WriteOnly));
    input.write(moved);
    input.close();
    const ProcessResult run =
        velbrant({QStringLiteral("--export"), out("copy.STR"), out("moved.STR")});
    EXPECT_EQ(run.exitCode, 0) << run.errors.toStdString();
    EXPECT_EQ(readAll(out("copy.STR")), centred);
}

} // namespace
} // namespace velbrant
