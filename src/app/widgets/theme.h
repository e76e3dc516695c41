#pragma once

#include <QColor>
#include <QString>

namespace velbrant {

// Colours that stay readable under a desktop's dark theme: the interface
// follows the desktop's palette, the diagram's sheet stays paper-white.

// Whether the palette's text fields are dark.
bool isDarkTheme();
// The colour as given on a light theme, lightened on a dark one so that it
// keeps its contrast with the text fields.
QColor readableOnBase(QColor onLight);
// The style sheet of a warning note: red that reads on the window.
QString warningStyle();

} // namespace velbrant
