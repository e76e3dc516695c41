#pragma once

#include <QDialog>

class QCheckBox;
class QLineEdit;
class QPushButton;

namespace velbrant {

// Asks how many branches a new case element gets (one digit, 2 to 9) and
// whether the last one is an else branch; keeps the answers for the next.
class NewCaseDialog : public QDialog {
    Q_OBJECT

public:
    static constexpr int MinBranches = 2;

    explicit NewCaseDialog(QWidget* parent = nullptr);
    int branchCount() const;
    bool hasElse() const;

    // Confirms only a valid count.
    void accept() override;

signals:
    void helpRequested(const QString& keyword);

private:
    bool isCountValid() const;
    // The message, and the focus back into the field.
    void refuseCount();

    QLineEdit* m_count;
    QCheckBox* m_hasElse;
    QPushButton* m_cancel = nullptr;
};

} // namespace velbrant
