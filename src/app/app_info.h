#pragma once

#include <QString>

namespace velbrant {

// The caption of the frame and of the program's message boxes.
inline const QString ProgramCaption = QStringLiteral("Velbrant32");
// The project's version, from CMake: the About box and --version show it.
inline const QString ProgramVersion = QStringLiteral(VELBRANT_VERSION);

} // namespace velbrant
