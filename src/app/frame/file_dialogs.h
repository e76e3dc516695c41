#pragma once

#include <QString>
#include <functional>

class QWidget;

namespace velbrant {

// The questions for file names the frame asks; each answers a path, or an
// empty string when the user cancels. Tests put their own answers in place.
struct FileDialogs {
    // An existing structogram file.
    std::function<QString(QWidget* parent)> open;
    // Where to save; `preset` is the document's path or name.
    std::function<QString(QWidget* parent, const QString& preset)> save;
};

// The diagram a name typed without extension means: the ".STR" (in any
// case) or else ".nsd" file of that name beside it; other paths as they are.
QString diagramFileFor(const QString& path);

// Qt's file dialogs, in German, with the structogram filters.
FileDialogs systemFileDialogs();

} // namespace velbrant
