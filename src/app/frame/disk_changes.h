#pragma once

#include <QFileSystemWatcher>
#include <QObject>

class QWidget;

namespace velbrant {

class DocumentWindow;

// Notices when another program changes an open document's file: an
// unchanged document offers to read it again, a changed one says that
// saving will ask. Saving over such a file asks first (`maySaveOver`).
class DiskChanges : public QObject {
    Q_OBJECT

public:
    explicit DiskChanges(QWidget* frame);

    // The window's file is watched while the window lives.
    void watch(DocumentWindow& window);
    // Whether the window may be written to its own file: asked when the
    // file changed on disk since it was read ("Überschreiben", "Neu laden",
    // "Abbrechen"); reading it again answers false.
    bool maySaveOver(DocumentWindow& window);

private:
    void fileChanged(const QString& path);
    void reload(DocumentWindow& window);
    QList<DocumentWindow*> windowsOf(const QString& path) const;

    QWidget* m_frame;
    QFileSystemWatcher m_watcher;
    QList<DocumentWindow*> m_windows;
};

} // namespace velbrant
