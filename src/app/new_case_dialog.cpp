#include "app/new_case_dialog.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QPushButton>
#include <QSpinBox>

namespace velbrant {

NewCaseDialog::NewCaseDialog(QWidget* parent)
    : QDialog(parent), m_branches(new QSpinBox(this)), m_hasElse(new QCheckBox(this)) {
    setWindowTitle(QStringLiteral("Fallunterscheidung"));
    m_branches->setObjectName(QStringLiteral("NumBlocksEdit"));
    m_branches->setRange(MinBranches, MaxBranches);
    m_branches->setValue(3);
    m_hasElse->setObjectName(QStringLiteral("HasElseBlockCheckBox"));
    m_hasElse->setText(QStringLiteral("&Sonst-Zweig"));
    m_hasElse->setChecked(true);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setObjectName(QStringLiteral("OKBtn"));
    buttons->button(QDialogButtonBox::Cancel)->setObjectName(QStringLiteral("CancelBtn"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QFormLayout(this);
    layout->addRow(QStringLiteral("&Anzahl der Zweige:"), m_branches);
    layout->addRow(m_hasElse);
    layout->addRow(buttons);
}

int NewCaseDialog::branchCount() const {
    return m_branches->value();
}

bool NewCaseDialog::hasElse() const {
    return m_hasElse->isChecked();
}

} // namespace velbrant
