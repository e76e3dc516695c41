#include "app/frame/main_window.h"
#include "app/frame/translations.h"
#include "qstring_printer.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QCoreApplication>
#include <QDialog>
#include <QDockWidget>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QRegularExpression>
#include <QTabWidget>
#include <QTranslator>
#include <gtest/gtest.h>

// Every menu, command and dialog of the frame in one language, with no
// word of the other left.
namespace velbrant::test {
namespace {

// Words only German uses, and only English.
const QRegularExpression GermanWord(
    QStringLiteral("[äöüßÄÖÜ]|\\b(der|die|das|und|oder|nicht|ein|eine|mit|von|auf|für|zu|im|"
                   "alle|Datei|Struktogramm\\w*|Ansicht|Bearbeiten|Fenster|Hilfe|Schrift\\w*|"
                   "Abbruch|Abbrechen|Schließen|Speichern|Drucken|Suchen|Ersetzen|Einfügen|"
                   "Kopieren|Farbe|Kommentar\\w*|Block\\w+|Schleife|Anweisung|Bedingung|"
                   "Zweig|Seite\\w*|Titel|Format\\w+|Ausführen|Eingabe|Ausgabe|Wert|Typ)\\b"));
const QRegularExpression EnglishWord(
    QStringLiteral("\\b(the|and|of|to|with|File|Edit|View|Window|Cancel|Save|Open|Print|"
                   "Find|Replace|Paste|Copy|Colour|Comment|Loop|Statement|Page|Run|Input|"
                   "Output|Value|Type|Close|Font)\\b"));

// What the user reads in the frame: menus with their items and hints, the
// dialogs and docks it owns with their captions, labels and lists.
QStringList shownTexts(MainWindow& frame) {
    QStringList texts;
    const auto addMenu = [&texts](auto& self, QMenu& menu) -> void {
        texts << menu.title();
        for (QAction* item : menu.actions()) {
            texts << item->text() << item->statusTip();
            if (item->menu() != nullptr)
                self(self, *item->menu());
        }
    };
    for (QAction* top : frame.menuBar()->actions())
        if (top->menu() != nullptr)
            addMenu(addMenu, *top->menu());
    for (QWidget* window : frame.findChildren<QWidget*>()) {
        if (qobject_cast<QDialog*>(window) == nullptr &&
            qobject_cast<QDockWidget*>(window) == nullptr)
            continue;
        texts << window->windowTitle();
        for (QLabel* label : window->findChildren<QLabel*>())
            texts << label->text();
        for (QAbstractButton* button : window->findChildren<QAbstractButton*>())
            texts << button->text() << button->toolTip();
        for (QGroupBox* group : window->findChildren<QGroupBox*>())
            texts << group->title();
        for (QTabWidget* tabs : window->findChildren<QTabWidget*>())
            for (int i = 0; i < tabs->count(); ++i)
                texts << tabs->tabText(i);
        for (QComboBox* list : window->findChildren<QComboBox*>())
            for (int i = 0; i < list->count(); ++i)
                texts << list->itemText(i);
    }
    for (QAction* action : frame.findChildren<QAction*>())
        texts << action->text() << action->statusTip();
    texts.removeAll(QString());
    // Each language names itself in the language menu.
    texts.removeAll(QStringLiteral("Deutsch"));
    texts.removeAll(QStringLiteral("English"));
    return texts;
}

QStringList matching(const QStringList& texts, const QRegularExpression& words) {
    QStringList found;
    for (const QString& text : texts)
        if (words.match(QString(text).remove(u'&')).hasMatch())
            found << text;
    found.removeDuplicates();
    return found;
}

TEST(Language, EveryMenuAndDialogSpeaksEnglishWhenAskedAndGermanOtherwise) {
    {
        MainWindow german;
        const QStringList texts = shownTexts(german);
        EXPECT_GT(texts.size(), 300);
        EXPECT_EQ(matching(texts, EnglishWord), QStringList()) << "English left in German";
    }
    QTranslator english;
    ASSERT_TRUE(english.load(QStringLiteral(":/i18n/velbrant_en.qm")));
    QCoreApplication::installTranslator(&english);
    {
        MainWindow frame;
        const QStringList texts = shownTexts(frame);
        EXPECT_GT(texts.size(), 300);
        EXPECT_EQ(matching(texts, GermanWord), QStringList()) << "German left in English";
        EXPECT_TRUE(texts.contains(QStringLiteral("&File")));
    }
    QCoreApplication::removeTranslator(&english);
}

TEST(Language, TheSettingComesFirstThenTheEnvironmentThenGerman) {
    EXPECT_EQ(chosenLanguage("en", "de_DE", "de_DE.UTF-8"), Language::English);
    EXPECT_EQ(chosenLanguage("de", "en_GB:en", "en_GB.UTF-8"), Language::German);
    EXPECT_EQ(chosenLanguage("", "en_GB:en", "de_DE.UTF-8"), Language::English);
    EXPECT_EQ(chosenLanguage("", "de_AT:de", "en_US.UTF-8"), Language::German);
    EXPECT_EQ(chosenLanguage("", "", "en_US.UTF-8"), Language::English);
    EXPECT_EQ(chosenLanguage("", "", "C.UTF-8"), Language::German);
}

} // namespace
} // namespace velbrant::test
