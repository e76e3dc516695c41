#pragma once

#include "app/dialogs/dialog_parts.h"

#include <QDialog>

class QCheckBox;
class QLineEdit;

namespace velbrant {

// Asks how many branches a new case element gets (2 to 99, the else branch
// counted in) and whether the last one is an else branch; keeps the
// answers for the next.
class NewCaseDialog : public QDialog {
    Q_OBJECT

public:
    static constexpr int MinBranches = 2;
    static constexpr int MaxBranches = 99;

    explicit NewCaseDialog(QWidget* parent = nullptr);
    int branchCount() const;
    bool hasElse() const;

    // Confirms only a valid count.
    void accept() override;

signals:
    void helpRequested(const QString& keyword);

private:
    QLineEdit* m_count;
    QCheckBox* m_hasElse;
    NumberFields m_numbers{this};
};

} // namespace velbrant
