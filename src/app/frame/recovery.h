#pragma once

#include <QDateTime>
#include <QHash>
#include <QList>
#include <QObject>
#include <QSet>
#include <QString>
#include <QTimer>

namespace velbrant {

class DocumentWindow;

// What a crash, a kill or a power loss would take: every modified
// document is written to a recovery file (atomically, at most
// `WriteDelay` after a change) and the file removed once the document is
// saved or closed. The next start finds what a Velbrant that is no longer
// running left behind.
class Recovery : public QObject {
    Q_OBJECT

public:
    static constexpr int WriteDelay = 10'000;

    // One document left behind: where its recovery file is, the file it
    // was kept in (empty for a new document), its name and when written.
    struct Entry {
        QString recoveryFile;
        QString filePath;
        QString name;
        QDateTime written;
    };

    // Recovery files go into `folder` (made when needed).
    Recovery(QObject* parent, QString folder);
    // The folder in the user's data folder.
    static QString standardFolder();

    void follow(DocumentWindow& window);
    // Writes what has changed now, without waiting.
    void writeNow();
    // What a Velbrant no longer running left behind, newest first.
    QList<Entry> leftBehind() const;
    // Removes an entry's files (brought back or given up).
    static void discard(const Entry& entry);

private:
    void write(DocumentWindow& window);
    void forget(DocumentWindow* window);

    QString m_folder;
    QTimer m_timer;
    QSet<DocumentWindow*> m_changed;
    int m_next = 0;
    QHash<DocumentWindow*, QString> m_files;
};

} // namespace velbrant
