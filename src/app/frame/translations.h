#pragma once

class QCoreApplication;

namespace velbrant {

// Qt's own dialogs and buttons in German (Debian's qt6-translations-l10n).
void installGermanTranslations(QCoreApplication& application);

} // namespace velbrant
