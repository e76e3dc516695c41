#pragma once

#include <QDialog>

class QCheckBox;
class QSpinBox;

namespace velbrant {

// Asks how many branches a new case element gets and whether the last one
// is an else branch.
class NewCaseDialog : public QDialog {
    Q_OBJECT

public:
    static constexpr int MinBranches = 2;
    static constexpr int MaxBranches = 9;

    explicit NewCaseDialog(QWidget* parent = nullptr);
    int branchCount() const;
    bool hasElse() const;

private:
    QSpinBox* m_branches;
    QCheckBox* m_hasElse;
};

} // namespace velbrant
