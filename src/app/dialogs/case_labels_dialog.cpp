#include "app/dialogs/case_labels_dialog.h"

#include "app/dialogs/dialog_parts.h"
#include "app/widgets/storable_text.h"

#include <QBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyledItemDelegate>
#include <QTableWidget>

namespace velbrant {

namespace {

constexpr int NameColumnWidth = 100;

// Label cells are edited in fields that refuse what cannot be stored.
class LabelDelegate : public QStyledItemDelegate {
public:
    LabelDelegate(QLabel& hint, QObject* parent) : QStyledItemDelegate(parent), m_hint(hint) {}

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                          const QModelIndex& index) const override {
        auto* editor =
            qobject_cast<QLineEdit*>(QStyledItemDelegate::createEditor(parent, option, index));
        if (editor != nullptr) {
            auto* validator = new StorableTextValidator(editor);
            connect(validator, &StorableTextValidator::refused, &m_hint,
                    [this](const QString& why) {
                        m_hint.setText(why);
                        m_hint.show();
                    });
            editor->setValidator(validator);
        }
        return editor;
    }

private:
    QLabel& m_hint;
};

} // namespace

CaseLabelsDialog::CaseLabelsDialog(QWidget* parent)
    : QDialog(parent), m_grid(new QTableWidget(0, 2, this)), m_hint(makeRefusalNote(this)) {
    setObjectName(QStringLiteral("CaseEditDlg"));
    // Modal to the frame only: the help stays usable beside it.
    setWindowModality(Qt::WindowModal);
    setWindowTitle(tr("Abfrage-Ergebnisse editieren"));
    m_grid->setObjectName(QStringLiteral("CaseGrid"));
    m_grid->horizontalHeader()->hide();
    m_grid->verticalHeader()->hide();
    m_grid->setColumnWidth(0, NameColumnWidth);
    m_grid->horizontalHeader()->setStretchLastSection(true);
    m_grid->setMinimumSize(340, 201);
    m_grid->setItemDelegateForColumn(1, new LabelDelegate(*m_hint, m_grid));

    QBoxLayout* buttons =
        makeOkCancelHelp(this, [this] { emit helpRequested(QStringLiteral("case_block")); });

    auto* grid = new QVBoxLayout;
    grid->addWidget(m_grid);
    grid->addWidget(m_hint);
    auto* layout = new QHBoxLayout(this);
    layout->addLayout(grid);
    layout->addLayout(buttons);
}

void CaseLabelsDialog::setLabels(const QStringList& labels, bool hasElse) {
    m_hint->hide();
    m_grid->setRowCount(static_cast<int>(labels.size()));
    for (int row = 0; row < labels.size(); ++row) {
        const bool isElse = hasElse && row == labels.size() - 1;
        auto* name = new QTableWidgetItem(isElse ? tr("Else-Zweig") : tr("Fall %1").arg(row + 1));
        name->setFlags(Qt::ItemIsEnabled);
        name->setBackground(palette().button());
        m_grid->setItem(row, 0, name);
        m_grid->setItem(row, 1, new QTableWidgetItem(labels[row]));
    }
    m_grid->setCurrentCell(0, 1);
}

QStringList CaseLabelsDialog::labels() const {
    QStringList result;
    for (int row = 0; row < m_grid->rowCount(); ++row)
        result << m_grid->item(row, 1)->text();
    return result;
}

} // namespace velbrant
