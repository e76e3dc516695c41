#include "app/settings/settings_file.h"

#include "model/files/default_labels_file.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>
#include <QUrl>

namespace velbrant {

namespace {

const QString FileName = QStringLiteral("velbrant.def");
constexpr const char* RecentSection = "recent";
constexpr int RecentKeys = 8;

std::string recentKey(int index) {
    return "file" + std::to_string(index + 1);
}

bool writeText(const QString& path, const std::string& text) {
    QDir().mkpath(QFileInfo(path).absolutePath());
    QSaveFile file(path);
    const auto size = static_cast<qint64>(text.size());
    return file.open(QIODevice::WriteOnly) && file.write(text.data(), size) == size &&
           file.commit();
}

} // namespace

SettingsFile SettingsFile::standard() {
    const QString configDirectory =
        QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation);
    return SettingsFile(QDir(QCoreApplication::applicationDirPath()).filePath(FileName),
                        QDir(configDirectory).filePath(FileName));
}

SettingsFile::SettingsFile(QString besideProgram, QString inConfigDirectory)
    : m_readFrom(QFileInfo::exists(besideProgram) ? std::move(besideProgram) : inConfigDirectory),
      m_inConfigDirectory(std::move(inConfigDirectory)) {
    QFile file(m_readFrom);
    if (file.open(QIODevice::ReadOnly))
        m_file = ProfileFile(file.readAll().toStdString());
}

QString SettingsFile::language() const {
    return QString::fromStdString(m_file.value("view", "Language").value_or(std::string()));
}

void SettingsFile::setLanguage(const QString& language) {
    m_file.setValue("view", "Language", language.toStdString());
}

DefaultLabels SettingsFile::labels() const {
    return readDefaultLabels(m_file, DefaultLabels{});
}

void SettingsFile::setLabels(const DefaultLabels& labels) {
    writeDefaultLabels(m_file, labels);
}

// Paths are kept percent-encoded: the file is Windows-1252, paths are not.
QStringList SettingsFile::recentFiles() const {
    QStringList paths;
    for (int i = 0; i < RecentKeys; ++i) {
        const auto value = m_file.value(RecentSection, recentKey(i));
        if (value && !value->empty())
            paths << QUrl::fromPercentEncoding(QByteArray::fromStdString(*value));
    }
    return paths;
}

void SettingsFile::setRecentFiles(const QStringList& paths) {
    for (int i = 0; i < RecentKeys; ++i) {
        const QString path = paths.value(i);
        m_file.setValue(RecentSection, recentKey(i), QUrl::toPercentEncoding(path).toStdString());
    }
}

QByteArray SettingsFile::frameGeometry() const {
    return QByteArray::fromBase64(
        QByteArray::fromStdString(m_file.value("window", "geometry").value_or(std::string())));
}

void SettingsFile::setFrameGeometry(const QByteArray& geometry) {
    m_file.setValue("window", "geometry", geometry.toBase64().toStdString());
}

bool SettingsFile::save(QString* failedPath) {
    const std::string text = m_file.text();
    if (writeText(m_readFrom, text))
        return true;
    if (m_readFrom != m_inConfigDirectory && writeText(m_inConfigDirectory, text)) {
        m_readFrom = m_inConfigDirectory;
        return true;
    }
    *failedPath = QDir::toNativeSeparators(m_inConfigDirectory);
    return false;
}

} // namespace velbrant
