#include "app/dialogs/new_case_dialog.h"

#include "app/dialogs/dialog_parts.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace velbrant {

NewCaseDialog::NewCaseDialog(QWidget* parent)
    : QDialog(parent), m_count(new QLineEdit(QStringLiteral("3"), this)),
      m_hasElse(new QCheckBox(tr("mit Else-Zweig"), this)) {
    setObjectName(QStringLiteral("CaseDlg"));
    // Modal to the frame only: the help stays usable beside it.
    setWindowModality(Qt::WindowModal);
    setWindowTitle(tr("Case-Block erzeugen"));
    m_count->setObjectName(QStringLiteral("NumBlocksEdit"));
    m_count->setFixedWidth(m_count->fontMetrics().horizontalAdvance(u'0') * 5);
    m_hasElse->setObjectName(QStringLiteral("HasElseBlockCheckBox"));
    m_hasElse->setChecked(true);

    auto* frame = new QGroupBox(this);
    auto* fields = new QGridLayout(frame);
    auto* label = new QLabel(tr("Anzahl der Verzweigungen\n(einschließlich Else-Zweig)"), frame);
    label->setBuddy(m_count);
    fields->addWidget(label, 0, 0);
    fields->addWidget(m_count, 0, 1);
    fields->addWidget(m_hasElse, 1, 0, 1, 2);

    auto* buttons = new QDialogButtonBox(this);
    QPushButton* ok = buttons->addButton(tr("&OK"), QDialogButtonBox::AcceptRole);
    QPushButton* cancel = buttons->addButton(tr("&Abbruch"), QDialogButtonBox::RejectRole);
    QPushButton* help = buttons->addButton(tr("&Help"), QDialogButtonBox::HelpRole);
    ok->setObjectName(QStringLiteral("OKBtn"));
    ok->setDefault(true);
    cancel->setObjectName(QStringLiteral("CancelBtn"));
    help->setObjectName(QStringLiteral("HelpBtn"));
    connect(buttons, &QDialogButtonBox::accepted, this, &NewCaseDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(help, &QPushButton::clicked, this,
            [this] { emit helpRequested(QStringLiteral("case_block")); });

    m_numbers.add(m_count, {tr("Die Anzahl der Verzweigungen"), MinBranches, MaxBranches, QString(),
                            0, false,
                            tr("Eine Case-Anweisung muß mindestens\n2 Fälle "
                               "behandeln !")});
    m_numbers.guardLeaving(cancel);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(frame);
    layout->addWidget(buttons);
}

int NewCaseDialog::branchCount() const {
    return static_cast<int>(m_numbers.value(m_count).value_or(MinBranches));
}

bool NewCaseDialog::hasElse() const {
    return m_hasElse->isChecked();
}

void NewCaseDialog::accept() {
    if (m_numbers.check())
        QDialog::accept();
}

} // namespace velbrant
