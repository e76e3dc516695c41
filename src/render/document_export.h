#pragma once

#include <QString>
#include <optional>
#include <stdexcept>

namespace velbrant {

struct ExportOptions {
    // Overrides the document's scale, in percent.
    std::optional<int> scalePercent;
    int dotsPerInch = 300;
};

// A failed export; the message is for the user, in one line.
class ExportError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Reads a ".STR" file and writes it, laid out, as the picture the
// extension of `output` names: .png, .svg, .pdf, or .STR for a laid-out
// copy. Needs a QGuiApplication (any platform, offscreen serves). Nothing
// is written unless the whole export succeeds.
void exportStructogram(const QString& input, const QString& output, const ExportOptions& options);

} // namespace velbrant
