#include "app/frame/recovery.h"

#include "app/document/document_editor.h"
#include "app/document/document_window.h"
#include "render/document_files.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>
#include <algorithm>
#include <csignal>
#include <sys/types.h>

namespace velbrant {

namespace {

// A recovery file's companion: the process that wrote it, the document's
// file and name, one "key=value" line each.
QString infoOf(const QString& recoveryFile) {
    return recoveryFile + QStringLiteral(".info");
}

bool isRunning(qint64 pid) {
    return pid == QCoreApplication::applicationPid() ||
           (pid > 0 && ::kill(static_cast<pid_t>(pid), 0) == 0);
}

bool writeWhole(const QString& path, const QByteArray& bytes) {
    QSaveFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.commit();
}

} // namespace

Recovery::Recovery(QObject* parent, QString folder) : QObject(parent), m_folder(std::move(folder)) {
    m_timer.setSingleShot(true);
    m_timer.setInterval(WriteDelay);
    connect(&m_timer, &QTimer::timeout, this, &Recovery::writeNow);
}

QString Recovery::standardFolder() {
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) +
           QStringLiteral("/wiederherstellung");
}

void Recovery::follow(DocumentWindow& window) {
    connect(&window.editor(), &DocumentEditor::changed, this, [this, target = &window] {
        m_changed.insert(target);
        if (!m_timer.isActive())
            m_timer.start();
    });
    connect(&window, &QObject::destroyed, this, [this, target = &window] {
        m_changed.remove(target);
        forget(target);
    });
}

void Recovery::writeNow() {
    m_timer.stop();
    for (DocumentWindow* window : std::as_const(m_changed)) {
        if (window->editor().isModified())
            write(*window);
        else
            forget(window);
    }
    m_changed.clear();
}

// In the document's own format (its extension), so that it comes back
// with all that format holds.
void Recovery::write(DocumentWindow& window) {
    QString file = m_files.value(&window);
    if (file.isEmpty()) {
        const QString suffix = QFileInfo(window.fileName()).suffix();
        file = QStringLiteral("%1/%2-%3.%4")
                   .arg(m_folder)
                   .arg(QCoreApplication::applicationPid())
                   .arg(++m_next)
                   .arg(suffix.isEmpty() ? QStringLiteral("STR") : suffix);
        m_files.insert(&window, file);
    }
    QDir().mkpath(m_folder);
    QByteArray bytes;
    try {
        bytes = encodeDocumentFor(file, window.editor().document());
    } catch (const std::exception&) {
        return;
    }
    // One pass of arg: a "%" in a path is not taken for a place holder.
    const QString info =
        QStringLiteral("pid=%1\npath=%2\nname=%3\n")
            .arg(QString::number(QCoreApplication::applicationPid()),
                 window.hasFileName() ? window.filePath() : QString(), window.fileName());
    if (writeWhole(file, bytes))
        writeWhole(infoOf(file), info.toUtf8());
}

// Only the pointer is used: the window may be going.
void Recovery::forget(DocumentWindow* window) {
    const QString file = m_files.take(window);
    if (file.isEmpty())
        return;
    QFile::remove(file);
    QFile::remove(infoOf(file));
}

QList<Recovery::Entry> Recovery::leftBehind() const {
    QList<Entry> entries;
    const QDir folder(m_folder);
    for (const QFileInfo& info : folder.entryInfoList({QStringLiteral("*.info")}, QDir::Files)) {
        QFile file(info.filePath());
        if (!file.open(QIODevice::ReadOnly))
            continue;
        QHash<QString, QString> values;
        for (const QByteArray& line : file.readAll().split('\n')) {
            const qsizetype equals = line.indexOf('=');
            if (equals > 0)
                values.insert(QString::fromUtf8(line.left(equals)),
                              QString::fromUtf8(line.mid(equals + 1)));
        }
        const QString recoveryFile = info.filePath().chopped(5);
        if (isRunning(values.value(QStringLiteral("pid")).toLongLong()) ||
            !QFileInfo::exists(recoveryFile))
            continue;
        entries << Entry{recoveryFile, values.value(QStringLiteral("path")),
                         values.value(QStringLiteral("name")),
                         QFileInfo(recoveryFile).lastModified()};
    }
    std::sort(entries.begin(), entries.end(),
              [](const Entry& a, const Entry& b) { return a.written > b.written; });
    return entries;
}

void Recovery::discard(const Entry& entry) {
    QFile::remove(entry.recoveryFile);
    QFile::remove(infoOf(entry.recoveryFile));
}

} // namespace velbrant
