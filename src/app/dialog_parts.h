#pragma once

#include <QString>

class QBoxLayout;
class QLabel;
class QPushButton;
class QWidget;

namespace velbrant {

// Pieces the dialogs share.

// A push button with its objectName, added to the layout when one is given.
QPushButton* makeButton(QWidget* parent, const char* name, const QString& caption,
                        QBoxLayout* layout = nullptr);
// The explaining text at the bottom of a dialog page.
QLabel* makeHint(QWidget* parent, const QString& text);
// A red line that says why input was refused; hidden while empty.
QLabel* makeRefusalNote(QWidget* parent);

} // namespace velbrant
