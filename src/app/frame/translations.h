#pragma once

#include <QString>

class QCoreApplication;

namespace velbrant {

// The languages the interface speaks; German is the one its texts are
// written in.
enum class Language { German, English };

// The language chosen in "Ansicht / Sprache" ("de", "en"), else English
// when the environment's LANGUAGE or LANG asks for it, else German.
Language chosenLanguage(const QString& setting, const QString& languageVariable,
                        const QString& langVariable);
// The same from the process environment.
Language chosenLanguage(const QString& setting);
QString languageCode(Language language);

// Velbrant's texts and Qt's own dialogs and buttons in the language: the
// English translation built in, Qt's German one from Debian's
// qt6-translations-l10n.
void installTranslations(QCoreApplication& application, Language language);

} // namespace velbrant
