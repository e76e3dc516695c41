#pragma once

// Header only, for the Qt test programs: the support library itself has no
// Qt.
#include <QString>
#include <ostream>

// Failed comparisons of QStrings show the text, not its bytes.
inline void PrintTo(const QString& text, std::ostream* out) {
    *out << '"' << text.toStdString() << '"';
}
