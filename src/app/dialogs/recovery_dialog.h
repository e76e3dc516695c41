#pragma once

#include <QDialog>
#include <QStringList>
#include <vector>

class QListWidget;

namespace velbrant {

// "Dokumente wiederherstellen": the documents a crash left behind, each
// to bring back (checked) or give up; Return brings back all that are
// checked, Esc decides nothing (they are offered again next time).
class RecoveryDialog : public QDialog {
    Q_OBJECT

public:
    // One line per document: its name and when it was last written.
    RecoveryDialog(const QStringList& documents, QWidget* parent = nullptr);
    // Per document, in the given order: bring it back.
    std::vector<bool> chosen() const;

private:
    QListWidget* m_list;
};

} // namespace velbrant
