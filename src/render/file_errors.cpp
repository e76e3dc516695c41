#include "render/file_errors.h"

#include <QLocale>
#include <array>
#include <utility>

namespace velbrant {

QString germanReason(const QString& systemReason) {
    // The system words its reasons in English already.
    if (QLocale().language() == QLocale::English)
        return systemReason;
    static const auto reasons = std::to_array<std::pair<const char*, const char*>>({
        {"No such file or directory", "Datei oder Verzeichnis nicht gefunden"},
        {"Permission denied", "Keine Berechtigung"},
        {"Is a directory", "Das ist ein Verzeichnis"},
        {"file to open is a directory", "Das ist ein Verzeichnis"},
        {"Not a directory", "Ein Teil des Pfades ist kein Verzeichnis"},
        {"No space left on device", "Auf dem Datenträger ist kein Platz mehr"},
        {"Unknown error", "Unbekannter Fehler"},
        {"bad_alloc", "Nicht genug Arbeitsspeicher"},
        {"Read-only file system", "Das Dateisystem ist schreibgeschützt"},
        {"File name too long", "Der Dateiname ist zu lang"},
        {"Disk quota exceeded", "Das Speicherkontingent ist erschöpft"},
    });
    for (const auto& [english, german] : reasons) {
        if (systemReason.contains(QLatin1String(english), Qt::CaseInsensitive))
            return QString::fromUtf8(german);
    }
    return systemReason;
}

} // namespace velbrant
