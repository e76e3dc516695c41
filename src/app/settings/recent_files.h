#pragma once

#include <QStringList>

namespace velbrant {

// The files opened or saved last, newest first, each once.
class RecentFiles {
public:
    static constexpr int MaxCount = 8;

    RecentFiles() = default;
    explicit RecentFiles(const QStringList& paths);

    const QStringList& paths() const { return m_paths; }
    void add(const QString& path);
    void remove(const QString& path);

private:
    QStringList m_paths;
};

} // namespace velbrant
