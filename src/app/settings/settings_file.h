#pragma once

#include "model/diagram/default_labels.h"
#include "model/files/profile_file.h"

#include <QString>
#include <QStringList>

namespace velbrant {

// The program's settings file "velbrant.def": read beside the program when
// one is there (a portable setup), else from the user's configuration
// directory; written back where it was read, or into the configuration
// directory when that fails. Other content of the file is kept.
class SettingsFile {
public:
    // The usual places: beside the executable, and Qt's AppConfigLocation.
    static SettingsFile standard();
    SettingsFile(QString besideProgram, QString inConfigDirectory);

    DefaultLabels labels() const;
    void setLabels(const DefaultLabels& labels);
    QStringList recentFiles() const;
    void setRecentFiles(const QStringList& paths);
    // The frame's saved geometry, empty when none was kept.
    QByteArray frameGeometry() const;
    void setFrameGeometry(const QByteArray& geometry);

    // The language chosen in "Ansicht / Sprache" ("de", "en"), empty when
    // none was.
    QString language() const;
    void setLanguage(const QString& language);

    // False when no place took the file; `failedPath` names the last one
    // tried.
    bool save(QString* failedPath);

private:
    QString m_readFrom;
    QString m_inConfigDirectory;
    ProfileFile m_file;
};

} // namespace velbrant
