#include "app/frame/disk_changes.h"

#include "app/app_info.h"
#include "app/dialogs/dialog_parts.h"
#include "app/document/document_window.h"

#include <QDir>
#include <QFileInfo>
#include <QMessageBox>

namespace velbrant {

namespace {

QString shown(const DocumentWindow& window) {
    return QDir::toNativeSeparators(window.filePath());
}

} // namespace

DiskChanges::DiskChanges(QWidget* frame) : QObject(frame), m_frame(frame) {
    connect(&m_watcher, &QFileSystemWatcher::fileChanged, this, &DiskChanges::fileChanged);
}

void DiskChanges::watch(DocumentWindow& window) {
    if (!m_windows.contains(&window)) {
        m_windows << &window;
        connect(&window, &QObject::destroyed, this,
                [this, target = &window] { m_windows.removeAll(target); });
    }
    const QString path = QFileInfo(window.filePath()).absoluteFilePath();
    if (window.hasFileName() && !m_watcher.files().contains(path))
        m_watcher.addPath(path);
}

QList<DocumentWindow*> DiskChanges::windowsOf(const QString& path) const {
    QList<DocumentWindow*> found;
    for (DocumentWindow* window : m_windows) {
        if (window->hasFileName() && QFileInfo(window->filePath()).absoluteFilePath() == path)
            found << window;
    }
    return found;
}

// A file replaced by a rename (as every save does) leaves the watch: it is
// watched again under its name.
void DiskChanges::fileChanged(const QString& path) {
    if (QFileInfo::exists(path) && !m_watcher.files().contains(path))
        m_watcher.addPath(path);
    for (DocumentWindow* window : windowsOf(path)) {
        if (!window->fileChangedOnDisk())
            continue;
        if (window->isModified()) {
            QMessageBox::information(
                m_frame, ProgramCaption,
                tr("„%1“ wurde von einem anderen Programm geändert. Ihre Änderungen "
                   "sind noch nicht gespeichert; vor dem Speichern fragt Velbrant, ob "
                   "die Datei überschrieben werden soll.")
                    .arg(shown(*window)));
            continue;
        }
        const auto answer = QMessageBox::question(
            m_frame, ProgramCaption,
            tr("„%1“ wurde von einem anderen Programm geändert. Neu laden?").arg(shown(*window)),
            QMessageBox::Yes | QMessageBox::No, QMessageBox::Yes);
        if (answer == QMessageBox::Yes)
            reload(*window);
    }
}

bool DiskChanges::maySaveOver(DocumentWindow& window) {
    if (!window.fileChangedOnDisk())
        return true;
    const int answer = askChoice(
        m_frame,
        tr("„%1“ wurde seit dem Öffnen von einem anderen Programm geändert.").arg(shown(window)),
        {tr("&Überschreiben"), tr("&Neu laden")});
    if (answer == 1)
        reload(window);
    return answer == 0;
}

void DiskChanges::reload(DocumentWindow& window) {
    QString error;
    QStringList conversions;
    if (!window.load(window.filePath(), &error, &conversions))
        QMessageBox::critical(m_frame, ProgramCaption, error);
}

} // namespace velbrant
