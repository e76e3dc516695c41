#pragma once

#include <QDialog>
#include <QStringList>

class QLabel;
class QTableWidget;

namespace velbrant {

// Edits the branch labels of a case element in a two-column grid: the
// branch names (fixed) and the labels.
class CaseLabelsDialog : public QDialog {
    Q_OBJECT

public:
    explicit CaseLabelsDialog(QWidget* parent = nullptr);

    // Fills the grid; the last row is the else branch when there is one.
    void setLabels(const QStringList& labels, bool hasElse);
    QStringList labels() const;

signals:
    void helpRequested(const QString& keyword);

private:
    QTableWidget* m_grid;
    QLabel* m_hint;
};

} // namespace velbrant
