#pragma once

#include <QString>
#include <functional>

class QAbstractButton;
class QBoxLayout;
class QDialog;
class QLineEdit;
class QLabel;
class QPushButton;
class QWidget;

namespace velbrant {

// Pieces the dialogs share.

// A push button with its objectName, added to the layout when one is given.
QPushButton* makeButton(QWidget* parent, const char* name, const QString& caption,
                        QBoxLayout* layout = nullptr);
// "&OK" (default, accepts), "&Abbruch" (rejects) and "&Help" (calls
// `help`) one below the other, as the modal dialogs have them.
QBoxLayout* makeOkCancelHelp(QDialog* dialog, const std::function<void()>& help);
// Refuses to let the focus leave a field while `valid` says no: `refuse`
// then tells the user and puts the focus back. Going to the dialog's
// `cancel` button is not leaving it.
void refuseLeavingInvalid(QLineEdit* field, QAbstractButton* cancel, std::function<bool()> valid,
                          std::function<void()> refuse);
// The explaining text at the bottom of a dialog page.
QLabel* makeHint(QWidget* parent, const QString& text);
// A red line that says why input was refused; hidden while empty.
QLabel* makeRefusalNote(QWidget* parent);

} // namespace velbrant
