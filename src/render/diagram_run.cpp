#include "render/diagram_run.h"

#include "model/diagram/default_labels.h"
#include "render/document_files.h"
#include "render/qt_text_measurer.h"
#include "render/routine_folder.h"

#include <QFileInfo>
#include <cctype>

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

} // namespace

run::RunResult runDiagramFile(const QString& path, std::FILE* input, std::FILE* output,
                              const FileRunOptions& options) {
    QtTextMeasurer measurer;
    LoadedDocument loaded = readDocumentFile(path, measurer, DefaultLabels{});
    RoutineFolder folder(QFileInfo(path).absolutePath(), measurer, path);
    run::RunIo io;
    io.readWord = [input] { return nextWord(input); };
    io.writeLine = [output](const std::string& line) {
        std::fwrite(line.data(), 1, line.size(), output);
        std::fputc('\n', output);
    };
    run::RunLimits limits;
    limits.maxSteps = options.maxSteps;
    return runDiagram(*loaded.document, io, limits, folder.lookup());
}

} // namespace velbrant
