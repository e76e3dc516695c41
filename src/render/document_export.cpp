#include "render/document_export.h"

#include "model/code/code_generator.h"
#include "model/diagram/compound_element.h"
#include "model/files/structogram_file.h"
#include "model/notation/text_notation.h"
#include "model/structorizer/nsd_file.h"
#include "model/tex/tex_writer.h"
#include "render/document_files.h"
#include "render/document_renderer.h"
#include "render/file_errors.h"
#include "render/png_band_writer.h"
#include "render/routine_folder.h"
#include "render/text_codec.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <QPdfWriter>
#include <QSaveFile>
#include <QSvgGenerator>
#include <cmath>
#include <cstdio>

namespace velbrant {

namespace {

constexpr double UnitsPerInch = 254.0;
constexpr int PdfDotsPerInch = 1200;
constexpr int SvgStripUnits = 20'000;
// PDF 1.7 (Annex C) allows pages of at most 14,400 points, 200 inches.
constexpr int MaxPdfPageUnits = 200 * 254;
// Beyond these an export runs for minutes and gives a file that viewers
// and printers refuse; refused before anything is painted. 500 megapixels
// hold a 2 m by 1 m poster at 300 dpi; libpng reads no longer side than a
// million pixels.
constexpr qint64 MaxPngPixels = 500'000'000;
constexpr int MaxPngSide = 1'000'000;
constexpr qint64 MaxPdfPages = 1'000;

QString number(qint64 value) {
    return QLocale(QLocale::German).toString(value);
}

QSize pngSize(const QRect& area, int dpi) {
    const double pixelsPerUnit = dpi / UnitsPerInch;
    return {qCeil(area.width() * pixelsPerUnit), qCeil(area.height() * pixelsPerUnit)};
}

qint64 pixels(const QSize& size) {
    return qint64{size.width()} * size.height();
}

bool isWritablePng(const QSize& size) {
    return pixels(size) <= MaxPngPixels && size.width() <= MaxPngSide &&
           size.height() <= MaxPngSide;
}

// The largest resolution at which the picture stays within the bounds.
int fittingDpi(const QRect& area, int dpi) {
    const QSize size = pngSize(area, dpi);
    const double byArea = std::sqrt(double(MaxPngPixels) / double(pixels(size)));
    const double bySide = double(MaxPngSide) / std::max(size.width(), size.height());
    int fitting = qFloor(dpi * std::min(byArea, bySide));
    while (fitting >= MinDotsPerInch && !isWritablePng(pngSize(area, fitting)))
        --fitting;
    return fitting;
}

void refuseHugePng(const QRect& area, int dpi) {
    const QSize size = pngSize(area, dpi);
    if (isWritablePng(size))
        return;
    const int fitting = fittingDpi(area, dpi);
    const QString advice =
        fitting >= MinDotsPerInch
            ? QCoreApplication::translate(
                  "velbrant", "mit höchstens %1 dpi oder einem kleineren Maßstab passt es")
                  .arg(fitting)
            : QCoreApplication::translate("velbrant",
                                          "ein kleinerer Maßstab oder SVG macht es möglich");
    throw ExportError(
        QCoreApplication::translate("velbrant",
                                    "Das Bild wäre %1 × %2 Pixel groß (%3 Megapixel), ein PNG "
                                    "höchstens %4 Megapixel und %5 Pixel breit oder hoch; %6")
            .arg(number(size.width()), number(size.height()), number(pixels(size) / 1'000'000),
                 number(MaxPngPixels / 1'000'000), number(MaxPngSide), advice)
            .toStdString());
}

// Paints the picture area of the document into a device whose painter has
// been set to show `area` (model units).
void paintArea(QPainter& painter, const Document& document, QtTextMeasurer& measurer,
               const ExportOptions& options, const QRect& area) {
    painter.setRenderHint(QPainter::Antialiasing);
    renderDocument(painter, document, measurer, options.labels, area, Marks::None, options.style);
}

void writePng(QIODevice& out, const Document& document, const ExportOptions& options) {
    const int dpi = options.dotsPerInch;
    const QRect area = pictureArea(document);
    refuseHugePng(area, dpi);
    const double pixelsPerUnit = dpi / UnitsPerInch;
    const QSize size = pngSize(area, dpi);
    const PngBandWriter writer(size.width(), size.height(), qRound(dpi / 0.0254));
    // Each thread measures with its own fonts; the metrics are the same.
    const auto painters = [&] {
        auto ownMeasurer = std::make_shared<QtTextMeasurer>();
        return PngBandWriter::PaintBand([&, ownMeasurer](QImage& band, int top) {
            band.fill(Qt::white);
            QPainter painter(&band);
            painter.translate(0, -top);
            painter.scale(pixelsPerUnit, pixelsPerUnit);
            painter.translate(-area.left(), -area.top());
            const QRect bandArea(area.left(), area.top() + qFloor(top / pixelsPerUnit),
                                 area.width(), qCeil(band.height() / pixelsPerUnit) + 1);
            paintArea(painter, document, *ownMeasurer, options, bandArea);
        });
    };
    if (!writer.write(out, painters, options.threads, options.progress))
        throw ExportCancelled();
}

void writeSvg(QIODevice& out, const Document& document, QtTextMeasurer& measurer,
              const ExportOptions& options) {
    const QRect area = pictureArea(document);
    // QSvgGenerator keeps everything until it ends; painted strip by strip,
    // each strip's drawing goes out as one more group of the same picture,
    // so memory holds one strip. Each shape goes into the strip where it begins.
    for (int top = area.top(); top < area.bottom(); top += SvgStripUnits) {
        QBuffer strip;
        strip.open(QIODevice::WriteOnly);
        {
            QSvgGenerator svg;
            svg.setOutputDevice(&strip);
            svg.setResolution(qRound(UnitsPerInch)); // one unit, 0.1 mm, a pixel
            svg.setSize(area.size());
            svg.setViewBox(area);
            svg.setTitle(QCoreApplication::translate("velbrant", "Struktogramm"));
            QPainter painter(&svg);
            painter.setRenderHint(QPainter::Antialiasing);
            renderDocumentStrip(painter, document, measurer, options.labels,
                                QRect(area.left(), top, area.width(),
                                      std::min(SvgStripUnits, area.bottom() + 1 - top)),
                                options.style);
        }
        const QByteArray& text = strip.data();
        const qsizetype from =
            top == area.top() ? 0 : text.indexOf("</defs>\n") + qsizetype{sizeof "</defs>\n"} - 1;
        const qsizetype to = text.lastIndexOf("</svg>");
        if (out.write(text.constData() + from, to - from) != to - from)
            throw std::runtime_error(out.errorString().toStdString());
    }
    if (out.write("</svg>\n") < 0)
        throw std::runtime_error(out.errorString().toStdString());
}

// The document on pages the size of its frame, or of the largest size PDF
// allows, row by row, when the frame is larger.
void writePdfPages(QPdfWriter& pdf, QPainter& painter, const Document& document,
                   QtTextMeasurer& measurer, const ExportOptions& options, bool& firstPage) {
    const QRect area = pictureArea(document);
    // One page the size of the frame, or pages of the largest size PDF
    // allows, row by row, when the frame is larger.
    const QSize page(std::min(area.width(), MaxPdfPageUnits),
                     std::min(area.height(), MaxPdfPageUnits));
    const qint64 pages = qint64{(area.width() + page.width() - 1) / page.width()} *
                         ((area.height() + page.height() - 1) / page.height());
    if (pages > MaxPdfPages)
        throw ExportError(
            QCoreApplication::translate("velbrant",
                                        "Das PDF hätte %1 Seiten von bis zu 5 × 5 m, höchstens %2 "
                                        "sind möglich; ein kleinerer Maßstab verringert sie")
                .arg(number(pages), number(MaxPdfPages))
                .toStdString());
    pdf.setPageSize(QPageSize(QSizeF(page.width() / 10.0, page.height() / 10.0),
                              QPageSize::Millimeter, QString(), QPageSize::ExactMatch));
    const QRect viewport(0, 0, qRound(page.width() * PdfDotsPerInch / UnitsPerInch),
                         qRound(page.height() * PdfDotsPerInch / UnitsPerInch));
    for (int top = area.top(); top < area.bottom(); top += page.height()) {
        for (int left = area.left(); left < area.right(); left += page.width()) {
            if (firstPage)
                painter.begin(&pdf);
            else
                pdf.newPage();
            firstPage = false;
            const QRect shown(QPoint(left, top), page);
            painter.setWindow(shown);
            painter.setViewport(viewport);
            paintArea(painter, document, measurer, options, shown);
        }
    }
}

// A picture of one document on PDF pages.
struct PdfPart {
    const Document* document;
    DrawStyle style;
};

void writePdf(QIODevice& out, const std::vector<PdfPart>& parts, QtTextMeasurer& measurer,
              const ExportOptions& options) {
    QPdfWriter pdf(&out);
    pdf.setResolution(PdfDotsPerInch);
    pdf.setPageMargins(QMarginsF(0, 0, 0, 0));
    pdf.setCreator(QStringLiteral("Velbrant"));
    const Document& first = *parts.front().document;
    pdf.setTitle(first.format().title.empty() ? options.fallbackTitle
                                              : decodeText(first.format().title));
    QPainter painter;
    bool firstPage = true;
    for (const PdfPart& part : parts) {
        ExportOptions styled = options;
        styled.style = part.style;
        writePdfPages(pdf, painter, *part.document, measurer, styled, firstPage);
    }
}

// The document at another scale, through the file format, laid out on the
// paper a file export uses.
std::unique_ptr<Document> rescaledCopy(const Document& document, QtTextMeasurer& measurer,
                                       int percent) {
    auto copy = loadDocument(encodeDocument(document), measurer, DefaultLabels{});
    DiagramFormat format = copy->format();
    format.scale = percent / 100.0;
    copy->setFormat(std::move(format));
    copy->layout(measurer, PaperSize{});
    return copy;
}

std::string failure(const QString& output, const QString& reason) {
    return QStringLiteral("%1: %2").arg(output, reason).toStdString();
}

void writeDocumentFile(QIODevice& out, const QString& path, const Document& document) {
    QByteArray bytes;
    try {
        bytes = encodeDocumentFor(path, document);
    } catch (const std::length_error& tooLarge) {
        throw ExportError(failure(path, QString::fromUtf8(tooLarge.what())));
    }
    if (out.write(bytes) != bytes.size())
        throw std::runtime_error(out.errorString().toStdString());
}

QString outputSuffix(const QString& output) {
    const QString suffix = QFileInfo(output).suffix().toLower();
    if (suffix != u"png" && suffix != u"svg" && suffix != u"pdf" && suffix != u"str" &&
        suffix != u"nsd" && suffix != u"txt" && suffix != u"tex" &&
        !codeLanguageForExtension(suffix.toStdString()))
        throw ExportError(
            "Unbekanntes Ausgabeformat \"." + suffix.toStdString() +
            "\" (erlaubt: .png, .svg, .pdf, .tex, .STR, .nsd, .txt, .py, .java, .c, .pas)");
    return suffix;
}

void writeProgram(QIODevice& out, const QString& path, const Document& document,
                  CodeLanguage language, const ExportOptions& options) {
    const GeneratedCode code = generateCode(
        document, language, QFileInfo(path).completeBaseName().toStdString(), options.routines);
    const auto size = static_cast<qint64>(code.text.size());
    if (out.write(code.text.data(), size) != size)
        throw std::runtime_error(out.errorString().toStdString());
    if (const QString notice = untranslatedNotice(code); !notice.isEmpty() && options.notice)
        options.notice(notice);
}

} // namespace

namespace {

void tell(const ExportOptions& options, const QString& text) {
    if (options.notice)
        options.notice(text);
}

} // namespace

QString untranslatedNotice(const GeneratedCode& code) {
    QStringList parts;
    if (code.untranslatedLines == 1)
        parts << QCoreApplication::translate("velbrant",
                                             "1 Zeile nicht übersetzt (als Kommentar übernommen)");
    else if (code.untranslatedLines > 1)
        parts << QCoreApplication::translate("velbrant",
                                             "%1 Zeilen nicht übersetzt (als Kommentar übernommen)")
                     .arg(code.untranslatedLines);
    if (code.missingRoutines == 1)
        parts << QCoreApplication::translate("velbrant", "1 Unterprogramm nicht gefunden");
    else if (code.missingRoutines > 1)
        parts << QCoreApplication::translate("velbrant", "%1 Unterprogramme nicht gefunden")
                     .arg(code.missingRoutines);
    return parts.join(QStringLiteral(", "));
}

void writeAll(QIODevice& out, const std::string& text) {
    if (out.write(text.data(), static_cast<qint64>(text.size())) !=
        static_cast<qint64>(text.size()))
        throw std::runtime_error(out.errorString().toStdString());
}

// The document in the format the output's extension names.
void writeFormat(QIODevice& out, const Document& document, QtTextMeasurer& measurer,
                 const QString& output, const ExportOptions& options) {
    const QString suffix = outputSuffix(output);
    if (suffix == u"str" || suffix == u"nsd" || suffix == u"txt")
        writeDocumentFile(out, output, document);
    else if (const auto language = codeLanguageForExtension(suffix.toStdString()))
        writeProgram(out, output, document, *language, options);
    else if (suffix == u"tex")
        writeAll(out, tex::writeTikz(document, measurer, options.style, options.standalone));
    else
        writePicture(out, document, measurer, suffix, options);
}

// The text notation on standard input, as far as a diagram may be.
QByteArray standardInput() {
    QFile in;
    if (!in.open(stdin, QIODevice::ReadOnly))
        throw ExportError("Die Standardeingabe lässt sich nicht lesen");
    return in.read(static_cast<qint64>(MaxNotationSize) + 1);
}

void putOnStandardOutput(const QByteArray& bytes);

// "-.svg": the picture goes to standard output, and only when it is whole.
bool isStandardOutput(const QString& output) {
    return QFileInfo(output).completeBaseName() == u"-" && !output.contains(u'/');
}

void writeToStandardOutput(const Document& document, QtTextMeasurer& measurer,
                           const QString& output, const ExportOptions& options) {
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    writeFormat(buffer, document, measurer, output, options);
    putOnStandardOutput(buffer.data());
}

void putOnStandardOutput(const QByteArray& bytes) {
    if (std::fwrite(bytes.constData(), 1, static_cast<std::size_t>(bytes.size()), stdout) !=
            static_cast<std::size_t>(bytes.size()) ||
        std::fflush(stdout) != 0)
        throw ExportError("Die Standardausgabe nimmt das Bild nicht an");
}

// What a .STR or .txt file cannot hold of the document.
void tellLosses(const Document& document, QtTextMeasurer& measurer, const QString& output,
                const ExportOptions& options) {
    QStringList dropped;
    for (const std::string& item : nsdOnlyContent(document))
        dropped << QString::fromStdString(item);
    if (outputSuffix(output) == u"txt") {
        for (const std::string& item : notationLosses(document, measurer))
            dropped << QString::fromStdString(item);
    }
    if (!dropped.isEmpty())
        tell(options, QCoreApplication::translate("velbrant", "Nicht in „.%1“ enthalten: %2")
                          .arg(QFileInfo(output).suffix(), dropped.join(QStringLiteral(", "))));
}

// A program source's functions as diagrams beside the main one, each
// named by its routine ("ggT.nsd"), where the routine lookup finds them.
void exportRoutines(const std::vector<LoadedRoutine>& routines, QtTextMeasurer& measurer,
                    const QString& output, const ExportOptions& options) {
    const QFileInfo main(output);
    for (const LoadedRoutine& routine : routines) {
        routine.document->layout(measurer, PaperSize{});
        const QString path = main.dir().filePath(routine.name + "." + main.suffix());
        exportDocument(*routine.document, measurer, path, options);
        tell(options,
             QCoreApplication::translate("velbrant", "Unterprogramm geschrieben: %1").arg(path));
    }
}

void writePicture(QIODevice& out, const Document& document, QtTextMeasurer& measurer,
                  const QString& suffix, const ExportOptions& options) {
    if (suffix == u"png")
        writePng(out, document, options);
    else if (suffix == u"svg")
        writeSvg(out, document, measurer, options);
    else
        writePdf(out, {{&document, options.style}}, measurer, options);
}

void exportStructogram(const QString& input, const QString& output, const ExportOptions& options) {
    QtTextMeasurer measurer;
    LoadedDocument loaded;
    const bool fromInput = input == u"-";
    try {
        loaded = fromInput ? readNotationText(standardInput(), measurer, DefaultLabels{})
                           : readDocumentFile(input, measurer, DefaultLabels{});
        for (const QString& conversion : loaded.conversions)
            tell(options, conversion);
        // A .nsd written back holds the texts as the file had them.
        if (!isNsdPath(output)) {
            for (const QString& change : loaded.textChanges)
                tell(options, change);
        }
    } catch (const DocumentFileError& error) {
        throw ExportError(error.what());
    }
    Document& document = *loaded.document;
    const QString suffix = outputSuffix(output);
    if (suffix == u"str" || suffix == u"txt")
        tellLosses(document, measurer, output, options);
    document.layout(measurer, PaperSize{});
    ExportOptions named = options;
    named.fallbackTitle = QFileInfo(input).fileName();
    // A program takes the routines it calls from the diagrams beside it.
    RoutineFolder folder(fromInput ? QDir::currentPath() : QFileInfo(input).absolutePath(),
                         measurer, input);
    folder.setOpen(routineDocuments(loaded));
    if (!named.routines)
        named.routines = folder.lookup();
    exportDocument(document, measurer, output, named);
    if (!codeLanguageForExtension(suffix.toStdString()) && !isStandardOutput(output))
        exportRoutines(loaded.routines, measurer, output, named);
}

namespace {

// The worksheet, then its solution: a PDF's second page, another picture's
// second file ("blatt-loesung.png"). The solution is titled "Lösung".
void exportWorksheet(const Document& document, QtTextMeasurer& measurer, const QString& output,
                     const ExportOptions& options) {
    const QString suffix = outputSuffix(output);
    if (suffix != u"pdf" && suffix != u"png" && suffix != u"svg" && suffix != u"tex")
        throw ExportError("Ein Arbeitsblatt wird ein PDF, PNG, SVG oder LaTeX, nicht \"." +
                          suffix.toStdString() + "\"");
    const WorksheetDrawings drawings(document, measurer, options.sheet);
    ExportOptions sheet = options;
    sheet.style = drawings.exercise();
    if (drawings.solution() == nullptr)
        return exportDocument(document, measurer, output, sheet);
    const Document& solution = *drawings.solution();
    ExportOptions solved = options;
    solved.style = drawings.solved();
    if (suffix != u"pdf") {
        if (isStandardOutput(output))
            throw ExportError("Ein Arbeitsblatt mit Lösung geht auf die Standardausgabe nur als "
                              "PDF: die Lösung wäre eine zweite Datei");
        exportDocument(document, measurer, output, sheet);
        const QFileInfo named(output);
        exportDocument(
            solution, measurer,
            named.dir().filePath(named.completeBaseName() + "-loesung." + named.suffix()), solved);
        return;
    }
    const std::vector<PdfPart> pages = {{&document, sheet.style}, {&solution, solved.style}};
    if (isStandardOutput(output)) {
        QBuffer buffer;
        buffer.open(QIODevice::WriteOnly);
        writePdf(buffer, pages, measurer, options);
        putOnStandardOutput(buffer.data());
        return;
    }
    QSaveFile file(output);
    if (!file.open(QIODevice::WriteOnly))
        throw ExportError(failure(output, germanReason(file.errorString())));
    writePdf(file, pages, measurer, options);
    QString reason;
    if (!commitWhole(file, &reason))
        throw ExportError(failure(output, reason));
}

// A copy through the .STR format keeps the selection a worksheet's blanks
// may be, but not what only .nsd holds: the colours, comments and exact
// texts are shared from the original, element by element.
void shareStructorizerAttributes(const Sequence& from, Sequence& to) {
    for (std::size_t i = 0; i < from.size(); ++i) {
        to.at(i).setNsd(from.at(i).nsdShare());
        const auto* compound = dynamic_cast<const CompoundElement*>(&from.at(i));
        if (compound == nullptr)
            continue;
        auto& copy = dynamic_cast<CompoundElement&>(to.at(i));
        for (std::size_t s = 0; s < compound->sequenceCount(); ++s)
            shareStructorizerAttributes(compound->sequenceAt(s), copy.sequenceAt(s));
    }
}

} // namespace

WorksheetDrawings::WorksheetDrawings(const Document& document, QtTextMeasurer& measurer,
                                     const Sheet& sheet)
    : m_blackAndWhite(sheet.blackAndWhite), m_commentNotes(sheet.commentNotes) {
    if (!sheet.blanks)
        return;
    m_blanks = worksheetBlanks(document, *sheet.blanks);
    if (!sheet.solution)
        return;
    // Through the file format, which keeps the selection a worksheet's
    // blanks may be.
    m_solution = loadDocument(encodeDocument(document), measurer, DefaultLabels{});
    shareStructorizerAttributes(document.topSequence(), m_solution->topSequence());
    DiagramFormat format = m_solution->format();
    format.title = format.title.empty() ? "L\xF6sung" : "L\xF6sung: " + format.title;
    m_solution->setFormat(std::move(format));
    m_solution->layout(measurer, PaperSize{});
    m_solutionBlanks = worksheetBlanks(*m_solution, *sheet.blanks);
}

void exportDocument(const Document& document, QtTextMeasurer& measurer, const QString& output,
                    const ExportOptions& options) {
    if (options.sheet.blackAndWhite && !options.style.blackAndWhite) {
        ExportOptions styled = options;
        styled.style.blackAndWhite = true;
        return exportDocument(document, measurer, output, styled);
    }
    if (options.scalePercent && *options.scalePercent / 100.0 != document.format().scale) {
        const auto copy = rescaledCopy(document, measurer, *options.scalePercent);
        ExportOptions asIs = options;
        asIs.scalePercent.reset();
        return exportDocument(*copy, measurer, output, asIs);
    }
    const QString suffix = outputSuffix(output);
    if (options.sheet.blanks && options.style.blanks == nullptr)
        return exportWorksheet(document, measurer, output, options);
    if (isStandardOutput(output)) {
        writeToStandardOutput(document, measurer, output, options);
        return;
    }
    QSaveFile file(output);
    if (!file.open(QIODevice::WriteOnly))
        throw ExportError(failure(output, germanReason(file.errorString())));
    try {
        writeFormat(file, document, measurer, output, options);
    } catch (const ExportError&) {
        throw;
    } catch (const std::runtime_error&) {
        // A writer stopped at a failed write: the device tells why.
        throw ExportError(failure(output, writeFailure(file)));
    }
    QString reason;
    if (!commitWhole(file, &reason))
        throw ExportError(failure(output, reason));
}

} // namespace velbrant
