#pragma once

#include "model/run/interpreter.h"

#include <QString>
#include <cstdint>
#include <cstdio>

// A diagram file run without a window: the routines it calls from the
// diagrams beside it, the input from a stream, the output to another.
namespace velbrant {

struct FileRunOptions {
    std::int64_t maxSteps = 0;
};

// Throws DocumentFileError when the file does not read.
run::RunResult runDiagramFile(const QString& path, std::FILE* input, std::FILE* output,
                              const FileRunOptions& options = {});

} // namespace velbrant
