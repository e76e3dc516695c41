#pragma once

#include "app/dialogs/length_fields.h"

#include <QString>
#include <functional>
#include <optional>
#include <utility>
#include <vector>

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
// `help`) one below the other, as the modal dialogs have them. The dialog
// becomes modal to its window only, so the help stays usable beside it.
QBoxLayout* makeOkCancelHelp(QDialog* dialog, const std::function<void()>& help);
// Refuses to let the focus leave a field while `valid` says no: `refuse`
// then tells the user and puts the focus back. Going to the dialog's
// `cancel` button is not leaving it.
void refuseLeavingInvalid(QLineEdit* field, QAbstractButton* cancel, std::function<bool()> valid,
                          std::function<void()> refuse);
// The number fields of one dialog. A field takes what its rule takes;
// leaving it with anything else, or confirming the dialog, says why and
// puts the focus back there. Nothing typed is changed or dropped.
class NumberFields {
public:
    explicit NumberFields(QDialog* dialog) : m_dialog(dialog) {}

    void add(QLineEdit* field, NumberRule rule);
    // Call once the dialog's buttons exist: going to `cancel` is not
    // leaving a field.
    void guardLeaving(QAbstractButton* cancel);
    // The first enabled field its rule refuses is told about and gets the
    // focus; true when every field is right.
    bool check() const;
    // The number in a field its rule takes; nothing for an allowed empty
    // field.
    std::optional<double> value(const QLineEdit* field) const;

private:
    const NumberRule& ruleOf(const QLineEdit* field) const;
    bool refuses(QLineEdit* field, const NumberRule& rule) const;

    QDialog* m_dialog;
    std::vector<std::pair<QLineEdit*, NumberRule>> m_fields;
};

// The explaining text at the bottom of a dialog page.
QLabel* makeHint(QWidget* parent, const QString& text);
// A red line that says why input was refused; hidden while empty.
QLabel* makeRefusalNote(QWidget* parent);
// A question with the given answers, the first the default, and a last
// "Abbrechen"; the index of the answer chosen, or -1 for "Abbrechen".
int askChoice(QWidget* parent, const QString& question, const QStringList& answers);
void showRefusal(QLabel& note, const QString& reason);

// Shows a tool window in front, the first time (`placed` false) at its
// frame's right edge: diagrams grow from the top left, where a centred
// window would hide what is worked on.
void showBesideTheDiagram(QWidget& window, bool& placed);

} // namespace velbrant
