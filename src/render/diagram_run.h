#pragma once

#include "model/run/interpreter.h"

#include <QString>
#include <cstdint>
#include <cstdio>
#include <functional>

// A diagram file run without a window: the routines it calls from the
// diagrams beside it, the input from a stream, the output to another.
namespace velbrant {

struct FileRunOptions {
    std::int64_t maxSteps = 0;
    // Where the trace table goes as CSV; empty: none is recorded.
    QString tracePath;
    // Told what the user should know besides the output.
    std::function<void(const QString&)> notice;
};

// Throws DocumentFileError when the file does not read, and an
// std::runtime_error when the trace cannot be written.
run::RunResult runDiagramFile(const QString& path, std::FILE* input, std::FILE* output,
                              const FileRunOptions& options = {});

} // namespace velbrant
