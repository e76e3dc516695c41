#include "app/frame/translations.h"

#include "model/messages/said.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace velbrant {

Language chosenLanguage(const QString& setting, const QString& languageVariable,
                        const QString& langVariable) {
    if (setting == QStringLiteral("en"))
        return Language::English;
    if (setting == QStringLiteral("de"))
        return Language::German;
    // LANGUAGE lists languages by preference ("en_GB:en"), LANG names one.
    const QString first = languageVariable.section(u':', 0, 0);
    const QString asked = first.isEmpty() ? langVariable : first;
    return asked.startsWith(QStringLiteral("en")) ? Language::English : Language::German;
}

Language chosenLanguage(const QString& setting) {
    return chosenLanguage(setting, qEnvironmentVariable("LANGUAGE"), qEnvironmentVariable("LANG"));
}

QString languageCode(Language language) {
    return language == Language::English ? QStringLiteral("en") : QStringLiteral("de");
}

void installTranslations(QCoreApplication& application, Language language) {
    messages::installTranslation([](const char* context, const char* german) {
        return QCoreApplication::translate(context, german).toStdString();
    });
    auto* translator = new QTranslator(&application);
    if (language == Language::English) {
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedKingdom));
        if (translator->load(QStringLiteral(":/i18n/velbrant_en.qm")))
            QCoreApplication::installTranslator(translator);
        return;
    }
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    if (translator->load(QStringLiteral("qtbase_de"),
                         QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(translator);
}

} // namespace velbrant
