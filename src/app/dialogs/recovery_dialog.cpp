#include "app/dialogs/recovery_dialog.h"

#include "app/dialogs/dialog_parts.h"

#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>

namespace velbrant {

RecoveryDialog::RecoveryDialog(const QStringList& documents, QWidget* parent)
    : QDialog(parent), m_list(new QListWidget(this)) {
    setObjectName(QStringLiteral("RecoveryDlg"));
    setWindowTitle(tr("Dokumente wiederherstellen"));
    auto* text = new QLabel(tr("Velbrant wurde beendet, ohne diese Dokumente zu "
                               "speichern. Angekreuzte werden wiederhergestellt, "
                               "die anderen verworfen."),
                            this);
    text->setWordWrap(true);
    m_list->setObjectName(QStringLiteral("DocumentList"));
    for (const QString& document : documents) {
        auto* item = new QListWidgetItem(document, m_list);
        item->setCheckState(Qt::Checked);
    }
    QPushButton* restore = makeButton(this, "OKBtn", tr("&Wiederherstellen"));
    restore->setDefault(true);
    QPushButton* later = makeButton(this, "CancelBtn", tr("&Später"));
    connect(restore, &QPushButton::clicked, this, &QDialog::accept);
    connect(later, &QPushButton::clicked, this, &QDialog::reject);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(restore);
    buttons->addWidget(later);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(text);
    layout->addWidget(m_list);
    layout->addLayout(buttons);
    // Wide enough for the names, dates and folders, within reason.
    const int listWidth = m_list->sizeHintForColumn(0) + 2 * m_list->frameWidth() + 24;
    resize(std::clamp(listWidth + 2 * layout->contentsMargins().left(), 420, 900),
           sizeHint().height());
}

std::vector<bool> RecoveryDialog::chosen() const {
    std::vector<bool> result;
    for (int i = 0; i < m_list->count(); ++i)
        result.push_back(m_list->item(i)->checkState() == Qt::Checked);
    return result;
}

} // namespace velbrant
