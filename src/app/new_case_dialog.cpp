#include "app/new_case_dialog.h"

#include "app/app_info.h"
#include "app/dialog_parts.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFocusEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRegularExpressionValidator>

namespace velbrant {

NewCaseDialog::NewCaseDialog(QWidget* parent)
    : QDialog(parent), m_count(new QLineEdit(QStringLiteral("3"), this)),
      m_hasElse(new QCheckBox(QStringLiteral("mit Else-Zweig"), this)) {
    setObjectName(QStringLiteral("CaseDlg"));
    setWindowTitle(QStringLiteral("Case-Block erzeugen"));
    m_count->setObjectName(QStringLiteral("NumBlocksEdit"));
    m_count->setMaxLength(1);
    m_count->setValidator(
        new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]?")), m_count));
    m_count->setFixedWidth(m_count->fontMetrics().horizontalAdvance(u'0') * 3);
    m_hasElse->setObjectName(QStringLiteral("HasElseBlockCheckBox"));
    m_hasElse->setChecked(true);

    auto* frame = new QGroupBox(this);
    auto* fields = new QGridLayout(frame);
    auto* label = new QLabel(QStringLiteral("Anzahl der Verzweigungen"), frame);
    label->setBuddy(m_count);
    fields->addWidget(label, 0, 0);
    fields->addWidget(m_count, 0, 1);
    fields->addWidget(m_hasElse, 1, 0, 1, 2);

    auto* buttons = new QDialogButtonBox(this);
    QPushButton* ok = buttons->addButton(QStringLiteral("&OK"), QDialogButtonBox::AcceptRole);
    m_cancel = buttons->addButton(QStringLiteral("&Abbruch"), QDialogButtonBox::RejectRole);
    QPushButton* help = buttons->addButton(QStringLiteral("&Help"), QDialogButtonBox::HelpRole);
    ok->setObjectName(QStringLiteral("OKBtn"));
    ok->setDefault(true);
    m_cancel->setObjectName(QStringLiteral("CancelBtn"));
    help->setObjectName(QStringLiteral("HelpBtn"));
    connect(buttons, &QDialogButtonBox::accepted, this, &NewCaseDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(help, &QPushButton::clicked, this,
            [this] { emit helpRequested(QStringLiteral("case_block")); });

    refuseLeavingInvalid(
        m_count, m_cancel, [this] { return isCountValid(); }, [this] { refuseCount(); });
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(frame);
    layout->addWidget(buttons);
}

int NewCaseDialog::branchCount() const {
    return m_count->text().toInt();
}

bool NewCaseDialog::hasElse() const {
    return m_hasElse->isChecked();
}

bool NewCaseDialog::isCountValid() const {
    return branchCount() >= MinBranches;
}

void NewCaseDialog::refuseCount() {
    QMessageBox::critical(
        this, ProgramCaption,
        QStringLiteral("Eine Case-Anweisung muß mindestens\n2 Fälle behandeln !"));
    m_count->setFocus();
    m_count->selectAll();
}

void NewCaseDialog::accept() {
    if (!isCountValid())
        return refuseCount();
    QDialog::accept();
}

} // namespace velbrant
