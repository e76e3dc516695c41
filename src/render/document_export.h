#pragma once

#include "model/code/code_generator.h"
#include "model/diagram/default_labels.h"
#include "model/diagram/worksheet.h"
#include "model/layout/draw_context.h"

#include <QIODevice>
#include <QString>
#include <QThread>
#include <functional>
#include <memory>
#include <optional>
#include <stdexcept>
#include <unordered_set>

namespace velbrant {

class Document;
class QtTextMeasurer;

// What an export accepts for its resolution and its scale in percent.
inline constexpr int MinDotsPerInch = 10;
inline constexpr int MaxDotsPerInch = 2400;
inline constexpr int MinScalePercent = 5;
inline constexpr int MaxScalePercent = 400;

// A worksheet: which texts are blank, whether the solution follows
// (titled "Lösung"), black and white for the copier. Without blanks, only
// the black and white counts.
struct Sheet {
    std::optional<Blanks> blanks;
    bool solution = false;
    bool blackAndWhite = false;
    // The elements' comments as notes beside the frame (print only).
    bool commentNotes = false;
};

struct ExportOptions {
    // Overrides the document's scale, in percent; the document itself is
    // not touched (a copy is drawn).
    std::optional<int> scalePercent;
    // What a PDF names as its title when the diagram has no title of its
    // own: the file's name.
    QString fallbackTitle;
    int dotsPerInch = 300;
    // Threads that paint and compress a PNG; every core by default.
    int threads = QThread::idealThreadCount();
    // The branch labels and arrow option to draw with.
    DefaultLabels labels;
    // Told the rows done of all while a picture is painted; answers false
    // to cancel the export.
    std::function<bool(qint64 done, qint64 total)> progress;
    // Finds the diagrams a program calls as routines.
    RoutineLookup routines;
    // Told what the user should know of a finished export: the lines a
    // program keeps as comments because no rule translated them.
    std::function<void(const QString&)> notice;
    // A PDF gets a worksheet's solution as its second page, a PNG, SVG or
    // LaTeX picture as a second file "-loesung".
    Sheet sheet;
    // LaTeX: a whole document that pdflatex compiles, not a fragment.
    bool standalone = false;
    // How the pictures draw; set by the export from the sheet.
    DrawStyle style;
};

// "3 Zeilen nicht übersetzt (als Kommentar übernommen)".
// ", 2 Unterprogramme nicht gefunden" follows when routines are missing;
// empty when the whole diagram was translated.
QString untranslatedNotice(const GeneratedCode& code);

// A failed export; the message is for the user, in one line.
class ExportError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The user cancelled the export; nothing was written.
class ExportCancelled : public ExportError {
public:
    ExportCancelled() : ExportError("Der Export wurde abgebrochen.") {}
};

// Reads a ".STR" file and writes it, laid out, as the picture the
// extension of `output` names: .png, .svg, .pdf, .STR or .nsd for a
// laid-out copy, .py, .java, .c or .pas for the program it stands for. Needs a QGuiApplication (any
// platform, offscreen serves). Nothing is written unless the whole export succeeds.
void exportStructogram(const QString& input, const QString& output, const ExportOptions& options);

// Writes the picture of a laid-out document in the format the suffix names
// ("png", "svg", "pdf") into a device.
void writePicture(QIODevice& out, const Document& document, QtTextMeasurer& measurer,
                  const QString& suffix, const ExportOptions& options);

// What a sheet draws: the document with its blanks left out and, with the
// solution, a copy titled "Lösung" (laid out on the page a file export
// uses) whose blanks are drawn marked.
class WorksheetDrawings {
public:
    WorksheetDrawings(const Document& document, QtTextMeasurer& measurer, const Sheet& sheet);
    DrawStyle exercise() const { return {&m_blanks, false, m_blackAndWhite, m_commentNotes}; }
    // None without the solution.
    const Document* solution() const { return m_solution.get(); }
    DrawStyle solved() const { return {&m_solutionBlanks, true, m_blackAndWhite, m_commentNotes}; }

private:
    std::unordered_set<const Element*> m_blanks;
    std::unique_ptr<Document> m_solution;
    std::unordered_set<const Element*> m_solutionBlanks;
    bool m_blackAndWhite;
    bool m_commentNotes;
};

// Writes a document laid out on its page as the picture the extension of
// `output` names; nothing is written unless the whole export succeeds.
void exportDocument(const Document& document, QtTextMeasurer& measurer, const QString& output,
                    const ExportOptions& options);

} // namespace velbrant
