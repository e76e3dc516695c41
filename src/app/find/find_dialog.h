#pragma once

#include "render/text_search.h"

#include <QDialog>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QWidget;

namespace velbrant {

// "Suchen" and "Ersetzen": a modeless window that hands out what to look
// for, where, and the wishes to go on, to replace one or all; it shows
// what it is told (how many places, why nothing) and never touches a
// diagram.
class FindDialog : public QDialog {
    Q_OBJECT

public:
    explicit FindDialog(QWidget* parent);

    // Shows the dialog, with the replace row or without, the pattern
    // selected for typing over.
    void showFor(bool replacing);
    SearchOptions options() const;
    QString replacement() const;
    // Over every open diagram instead of the active one.
    bool searchesAllDiagrams() const;
    void showStatus(const QString& text);

signals:
    // What to look for or where changed: hits found so far are stale.
    void searchChanged();
    void nextRequested();
    void previousRequested();
    void replaceRequested();
    void replaceAllRequested();
    void helpRequested(const QString& keyword);

private:
    QCheckBox* addOption(const char* name, const QString& caption);

    QLineEdit* m_pattern;
    QLineEdit* m_replacement;
    QLabel* m_replacementLabel;
    QCheckBox* m_caseSensitive;
    QCheckBox* m_wholeWord;
    QCheckBox* m_regularExpression;
    QCheckBox* m_comments;
    QCheckBox* m_caseLabels;
    QCheckBox* m_title;
    QRadioButton* m_allDiagrams;
    QPushButton* m_replace;
    QPushButton* m_replaceAll;
    QLabel* m_status;
    QWidget* m_optionBox;
    bool m_placed = false;
};

} // namespace velbrant
