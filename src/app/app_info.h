#pragma once

#include <QString>

namespace velbrant {

// The caption of the frame and of the program's message boxes.
inline const QString ProgramCaption = QStringLiteral("Velbrant32");

} // namespace velbrant
