// Writes the sample files of tests/data and the example diagrams of
// examples/ with the project's own writer, laid out with real fonts.
// Usage: velbrant_make_samples DATA_DIR EXAMPLES_DIR
//        velbrant_make_samples --large COUNT DEPTH FILE   (a generated benchmark file)
//        velbrant_make_samples --help-pictures DIR        (the help's element pictures)

#include "diagram_builder.h"
#include "model/diagram/compound_element.h"
#include "model/diagram/element_factory.h"
#include "model/elements/case.h"
#include "model/files/structogram_file.h"
#include "render/document_export.h"
#include "render/qt_text_measurer.h"
#include "render/text_codec.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <cstdio>
#include <functional>

namespace velbrant::test {
namespace {

// Texts are written here in UTF-8 and stored in Windows-1252.
std::string cp1252(const std::string& utf8) {
    return encodeText(QString::fromStdString(utf8));
}

std::vector<std::string> cp1252(std::vector<std::string> lines) {
    for (std::string& line : lines)
        line = cp1252(line);
    return lines;
}

class SampleWriter {
public:
    QtTextMeasurer measurer;
    DefaultLabels labels;

    std::unique_ptr<Document> newDocument(std::string title, std::vector<std::string> comment) {
        auto document = std::make_unique<Document>(measurer);
        DiagramFormat format;
        format.title = cp1252(title);
        format.comment = cp1252(std::move(comment));
        document->setFormat(std::move(format));
        return document;
    }
    LayoutContext context(const Document& document) {
        return document.layoutContext(measurer, labels);
    }

    Element& add(const Document& document, Sequence& sequence, ElementKind kind,
                 std::vector<std::string> lines) {
        auto element = createElement(kind, context(document));
        element->setLines(cp1252(std::move(lines)));
        Element& added = *element;
        sequence.append(std::move(element));
        return added;
    }
    Case& addCase(const Document& document, Sequence& sequence, std::vector<std::string> lines,
                  const std::vector<std::string>& labels, bool hasElse) {
        auto& switchCase = dynamic_cast<Case&>(add(document, sequence, ElementKind::Case, lines));
        switchCase.setHasElse(hasElse);
        switchCase.setBranchCount(static_cast<int>(labels.size()));
        for (const std::string& label : labels)
            switchCase.addBranch(cp1252(label));
        return switchCase;
    }
    static Sequence& inside(Element& element, std::size_t index = 0) {
        return dynamic_cast<CompoundElement&>(element).sequenceAt(index);
    }

    // Empty branches get their statement; laid out on the page.
    void prepare(Document& document) {
        fillEmpty(document.topSequence(), context(document));
        document.topSequence().relayout(context(document));
        document.layout(measurer, PaperSize{});
    }

    void write(Document& document, const QString& path) {
        prepare(document);
        const Bytes bytes = encodeDocument(document);
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly) ||
            file.write(reinterpret_cast<const char*>(bytes.data()),
                       static_cast<qint64>(bytes.size())) != static_cast<qint64>(bytes.size()))
            throw std::runtime_error("cannot write " + path.toStdString());
    }

private:
    static void fillEmpty(Sequence& sequence, const LayoutContext& context) {
        for (std::size_t i = 0; i < sequence.size(); ++i) {
            auto* compound = dynamic_cast<CompoundElement*>(&sequence.at(i));
            if (compound == nullptr)
                continue;
            compound->fillEmptySequences(context);
            for (std::size_t s = 0; s < compound->sequenceCount(); ++s)
                fillEmpty(compound->sequenceAt(s), context);
        }
    }
};

void writeSamples(SampleWriter& w, const QDir& dir) {
    auto every = w.newDocument("Alle Elementarten",
                               {"Jede Art in jeder zusammengesetzten Art", "Zweite\tZeile"});
    buildEveryKindNested(every->topSequence(), w.context(*every));
    every->topSequence().at(2).setSelected(true);
    w.write(*every, dir.filePath("every-kind.STR"));

    auto fonts =
        w.newDocument("Schriften, Tabulatoren «Pfeile»", {"Maßstab 150 %, waagrecht zentriert"});
    DiagramFormat format = fonts->format();
    format.scale = 1.5;
    format.centerHorz = true;
    format.titleFont = {"Times New Roman", 16, Bold | Italic};
    format.commentFont = {"Courier New", 9, 0};
    fonts->setFormat(std::move(format));
    Sequence& top = fonts->topSequence();
    w.add(*fonts, top, ElementKind::Block, {"i\t:= 0", "summe\t:= 0", "max <- a[0]"});
    Element& serif = w.add(*fonts, top, ElementKind::Call, {"Ausgabe(summe)"});
    serif.setFont({"Times New Roman", 12, Italic | Underline}, w.measurer);
    Element& symbol = w.add(*fonts, top, ElementKind::Block, {});
    symbol.setLines({encodeText(QString::fromUtf8("α ← β ≥ π"), true)});
    symbol.setFont({"Symbol", 12, 0}, w.measurer);
    Element& exit = w.add(*fonts, top, ElementKind::Exit, {"Abbruch"});
    exit.setHAlign(Alignment::End);
    exit.setBorderWidth(10);
    w.write(*fonts, dir.filePath("fonts-tabs-arrows.STR"));

    auto empty = w.newDocument("Leer", {});
    w.write(*empty, dir.filePath("empty.STR"));

    auto deep = w.newDocument("Tief verschachtelt", {});
    buildDeepChain(deep->topSequence(), w.context(*deep), 60);
    w.write(*deep, dir.filePath("deep.STR"));
}

void writeSearch(SampleWriter& w, const QDir& dir) {
    auto doc =
        w.newDocument("Lineare Suche", {"Sucht x im Feld a[1..n]", "Ergebnis: Position oder 0"});
    Sequence& top = doc->topSequence();
    w.add(*doc, top, ElementKind::Block, {"Eingabe: n, a[1..n], x"});
    w.add(*doc, top, ElementKind::Block, {"i := 1", "gefunden := falsch"});
    Element& loop = w.add(*doc, top, ElementKind::WhileLoop, {"solange i <= n und nicht gefunden"});
    Element& test = w.add(*doc, SampleWriter::inside(loop), ElementKind::Conditional, {"a[i] = x"});
    w.add(*doc, SampleWriter::inside(test, 0), ElementKind::Block, {"gefunden := wahr"});
    w.add(*doc, SampleWriter::inside(test, 1), ElementKind::Block, {"i := i + 1"});
    Element& result = w.add(*doc, top, ElementKind::Conditional, {"gefunden"});
    w.add(*doc, SampleWriter::inside(result, 0), ElementKind::Block, {"Ausgabe: i"});
    w.add(*doc, SampleWriter::inside(result, 1), ElementKind::Block, {"Ausgabe: 0"});
    w.write(*doc, dir.filePath("lineare-suche.STR"));
}

void writeMenu(SampleWriter& w, const QDir& dir) {
    auto doc = w.newDocument("Menü", {"Wiederholt die Auswahl bis zum Ende"});
    Sequence& top = doc->topSequence();
    w.add(*doc, top, ElementKind::Block, {"anzahl := 0"});
    Element& loop = w.add(*doc, top, ElementKind::RepeatLoop, {"bis wahl = 0"});
    Sequence& body = SampleWriter::inside(loop);
    w.add(*doc, body, ElementKind::Call, {"ZeigeMenue"});
    w.add(*doc, body, ElementKind::Block, {"Eingabe: wahl"});
    Case& choice = w.addCase(*doc, body, {"wahl"}, {"1", "2", "0", "sonst"}, true);
    w.add(*doc, choice.branch(0), ElementKind::Block,
          {"anzahl := anzahl + 1", "Ausgabe: \"Neu Nr. \", anzahl"});
    w.add(*doc, choice.branch(1), ElementKind::Block, {"Ausgabe: \"Laden\""});
    w.add(*doc, choice.branch(2), ElementKind::Block, {"Ausgabe: \"Ende\""});
    w.add(*doc, choice.branch(3), ElementKind::Block, {"Ausgabe:", "\"Ungültige Wahl\""});
    w.write(*doc, dir.filePath("menue.STR"));
}

void writeSort(SampleWriter& w, const QDir& dir) {
    auto doc = w.newDocument("Bubblesort", {"Sortiert a[1..n] aufsteigend"});
    Sequence& top = doc->topSequence();
    w.add(*doc, top, ElementKind::Block, {"Eingabe: n, a[1..n]"});
    Element& outer = w.add(*doc, top, ElementKind::ForLoop, {"für i := n - 1 bis 1 abwärts"});
    Element& inner =
        w.add(*doc, SampleWriter::inside(outer), ElementKind::ForLoop, {"für j := 1 bis i"});
    Element& swap =
        w.add(*doc, SampleWriter::inside(inner), ElementKind::Conditional, {"a[j] > a[j + 1]"});
    w.add(*doc, SampleWriter::inside(swap, 0), ElementKind::Block,
          {"h := a[j]", "a[j] := a[j + 1]", "a[j + 1] := h"});
    Element& show = w.add(*doc, top, ElementKind::ForLoop, {"für i := 1 bis n"});
    w.add(*doc, SampleWriter::inside(show), ElementKind::Block, {"Ausgabe: a[i]"});
    w.write(*doc, dir.filePath("bubblesort.STR"));
}

void writeGcd(SampleWriter& w, const QDir& dir) {
    auto doc = w.newDocument("ggT(a, b)", {"Größter gemeinsamer Teiler nach Euklid"});
    Sequence& top = doc->topSequence();
    Element& loop = w.add(*doc, top, ElementKind::WhileLoop, {"solange b <> 0"});
    w.add(*doc, SampleWriter::inside(loop), ElementKind::Block,
          {"r := a mod b", "a := b", "b := r"});
    w.add(*doc, top, ElementKind::Exit, {"zurück a"});
    w.write(*doc, dir.filePath("ggt.STR"));
}

void writeGuess(SampleWriter& w, const QDir& dir) {
    auto doc = w.newDocument("Ratespiel", {"Rät eine Zahl von 1 bis 100"});
    Sequence& top = doc->topSequence();
    w.add(*doc, top, ElementKind::Block, {"geheim := 37", "versuche := 0"});
    Element& loop = w.add(*doc, top, ElementKind::RepeatLoop, {"bis tipp = geheim"});
    Sequence& body = SampleWriter::inside(loop);
    w.add(*doc, body, ElementKind::Block, {"Eingabe: tipp", "versuche := versuche + 1"});
    Element& low = w.add(*doc, body, ElementKind::Conditional, {"tipp < geheim"});
    w.add(*doc, SampleWriter::inside(low, 0), ElementKind::Block, {"Ausgabe: \"zu klein\""});
    Element& high =
        w.add(*doc, SampleWriter::inside(low, 1), ElementKind::Conditional, {"tipp > geheim"});
    w.add(*doc, SampleWriter::inside(high, 0), ElementKind::Block, {"Ausgabe: \"zu groß\""});
    w.add(*doc, top, ElementKind::Block, {"Ausgabe: \"Richtig nach \", versuche, \" Versuchen\""});
    w.write(*doc, dir.filePath("ratespiel.STR"));
}

// One small picture of each element kind for the help pages, exported as
// the program exports.
void writeHelpPictures(SampleWriter& w, const QDir& dir) {
    struct Picture {
        const char* file;
        ElementKind kind;
        std::vector<std::string> lines;
    };
    const Picture pictures[] = {
        {"anweisung.png", ElementKind::Block, {"summe := summe + x"}},
        {"bedingung.png", ElementKind::Conditional, {"x > 0"}},
        {"kopfschleife.png", ElementKind::WhileLoop, {"solange i <= n"}},
        {"fussschleife.png", ElementKind::RepeatLoop, {"bis gefunden"}},
        {"zaehlschleife.png", ElementKind::ForLoop, {"für i := 1 bis n"}},
        {"fallunterscheidung.png", ElementKind::Case, {"wahl"}},
        {"aufruf.png", ElementKind::Call, {"Sortiere(a)"}},
        {"aussprung.png", ElementKind::Exit, {"Abbruch"}},
    };
    for (const Picture& picture : pictures) {
        auto doc = w.newDocument("", {});
        Element& element = w.add(*doc, doc->topSequence(), picture.kind, picture.lines);
        if (auto* switchCase = dynamic_cast<Case*>(&element)) {
            switchCase->setBranchCount(3);
            for (const char* label : {"1", "2", "sonst"})
                switchCase->addBranch(label);
        }
        w.prepare(*doc);
        ExportOptions options;
        options.dotsPerInch = 120;
        exportDocument(*doc, w.measurer, dir.filePath(QString::fromLatin1(picture.file)), options);
    }
}

void writeLarge(SampleWriter& w, int count, int depth, const QString& path) {
    auto doc = w.newDocument("Großes Struktogramm", {std::to_string(count) + " Elemente"});
    buildMixedTree(doc->topSequence(), w.context(*doc), count, depth);
    w.write(*doc, path);
}

} // namespace
} // namespace velbrant::test

int main(int argc, char* argv[]) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    using namespace velbrant::test;
    SampleWriter writer;
    try {
        if (argc == 3 && QString(argv[1]) == u"--help-pictures") {
            writeHelpPictures(writer, QDir(argv[2]));
            return 0;
        }
        if (argc == 5 && QString(argv[1]) == u"--large") {
            writeLarge(writer, QString(argv[2]).toInt(), QString(argv[3]).toInt(), argv[4]);
            return 0;
        }
        if (argc != 3) {
            std::fprintf(stderr, "usage: %s DATA_DIR EXAMPLES_DIR | --large COUNT DEPTH FILE\n",
                         argv[0]);
            return 2;
        }
        writeSamples(writer, QDir(argv[1]));
        const QDir examples(argv[2]);
        writeSearch(writer, examples);
        writeMenu(writer, examples);
        writeSort(writer, examples);
        writeGcd(writer, examples);
        writeGuess(writer, examples);
    } catch (const std::exception& error) {
        std::fprintf(stderr, "%s\n", error.what());
        return 1;
    }
}
