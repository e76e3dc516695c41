#include "render/diagram_run.h"

#include "model/diagram/default_labels.h"
#include "render/document_files.h"
#include "render/qt_text_measurer.h"
#include "render/routine_folder.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QSaveFile>
#include <cctype>
#include <optional>
#include <stdexcept>

namespace velbrant {

namespace {

std::optional<std::string> nextWord(std::FILE* input) {
    int c = std::fgetc(input);
    while (c != EOF && std::isspace(c))
        c = std::fgetc(input);
    if (c == EOF)
        return std::nullopt;
    std::string word;
    while (c != EOF && !std::isspace(c)) {
        word += static_cast<char>(c);
        c = std::fgetc(input);
    }
    return word;
}

void writeTrace(const run::Trace& trace, const FileRunOptions& options) {
    QSaveFile file(options.tracePath);
    bool written = file.open(QIODevice::WriteOnly);
    const auto write = [&](std::string_view piece) {
        const auto size = static_cast<qint64>(piece.size());
        written = written && file.write(piece.data(), size) == size;
    };
    // SPUR.tex: the table for LaTeX; any other name: CSV.
    if (options.tracePath.endsWith(QStringLiteral(".tex"), Qt::CaseInsensitive))
        write(trace.latex());
    else
        trace.writeCsv(write);
    if (!written || !file.commit())
        throw std::runtime_error(
            QStringLiteral(
                "Der Schreibtischtest l\u00e4sst sich nicht nach \u201e%1\u201c schreiben: %2")
                .arg(options.tracePath, file.errorString())
                .toStdString());
    if (trace.cut() && options.notice)
        options.notice(QCoreApplication::translate(
                           "velbrant", "Schreibtischtest: nur die ersten %1 Schritte aufgezeichnet")
                           .arg(trace.maxRows()));
}

} // namespace

run::RunResult runDiagramFile(const QString& path, std::FILE* input, std::FILE* output,
                              const FileRunOptions& options) {
    QtTextMeasurer measurer;
    LoadedDocument loaded = readDocumentFile(path, measurer, DefaultLabels{});
    RoutineFolder folder(QFileInfo(path).absolutePath(), measurer, path);
    folder.setOpen(routineDocuments(loaded));
    run::RunIo io;
    io.readWord = [input](const std::string&) { return nextWord(input); };
    io.writeLine = [output](const std::string& line) {
        std::fwrite(line.data(), 1, line.size(), output);
        std::fputc('\n', output);
    };
    run::RunLimits limits;
    limits.maxSteps = options.maxSteps;
    std::optional<run::Trace> trace;
    if (!options.tracePath.isEmpty())
        io.trace = &trace.emplace();
    const run::RunResult result = runDiagram(*loaded.document, io, limits, folder.lookup());
    if (trace)
        writeTrace(*trace, options);
    return result;
}

} // namespace velbrant
