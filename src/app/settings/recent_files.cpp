#include "app/settings/recent_files.h"

#include <QFileInfo>

namespace velbrant {

RecentFiles::RecentFiles(const QStringList& paths) {
    for (auto path = paths.rbegin(); path != paths.rend(); ++path)
        add(*path);
}

void RecentFiles::add(const QString& path) {
    const QString absolute = QFileInfo(path).absoluteFilePath();
    m_paths.removeAll(absolute);
    m_paths.prepend(absolute);
    while (m_paths.size() > MaxCount)
        m_paths.removeLast();
}

void RecentFiles::remove(const QString& path) {
    m_paths.removeAll(QFileInfo(path).absoluteFilePath());
}

} // namespace velbrant
