#include "app/help/help_window.h"
#include "app_fixture.h"

#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRegularExpression>
#include <QTextBrowser>
#include <QTimer>

namespace velbrant::test {
namespace {

QString pageSource(const QString& page) {
    QFile file(HelpWindow::folder() + page);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << page.toStdString();
    return QString::fromUtf8(file.readAll());
}

bool hasAnchor(const QString& page, const QString& anchor) {
    return anchor.isEmpty() || pageSource(page).contains(QStringLiteral("name=\"%1\"").arg(anchor));
}

// Every link of every page and every keyword lead somewhere that exists,
// in German and in English, which has the same pages.
TEST(Help, EveryLinkAndKeywordResolvesInEachLanguage) {
    const QStringList german = HelpWindow::pages();
    ASSERT_GE(german.size(), 8);
    const QLocale previous;
    for (const QLocale::Language language : {QLocale::German, QLocale::English}) {
        QLocale::setDefault(QLocale(language));
        const QStringList pages = HelpWindow::pages();
        EXPECT_EQ(pages, german) << "the same pages in the same order";
        const QRegularExpression reference(QStringLiteral("(?:href|src)=\"([^\"#]*)#?([^\"]*)\""));
        for (const QString& page : pages) {
            auto match = reference.globalMatch(pageSource(page));
            while (match.hasNext()) {
                const auto found = match.next();
                const QString target = found.captured(1).isEmpty() ? page : found.captured(1);
                EXPECT_TRUE(QFile::exists(HelpWindow::folder() + target))
                    << page.toStdString() << " -> " << target.toStdString();
                if (target.endsWith(u".html")) {
                    EXPECT_TRUE(hasAnchor(target, found.captured(2)))
                        << page.toStdString() << " -> " << found.captured(0).toStdString();
                }
            }
        }
        for (auto keyword = HelpWindow::keywordTargets().begin();
             keyword != HelpWindow::keywordTargets().end(); ++keyword) {
            const QStringList target = keyword.value().split(u'#');
            ASSERT_EQ(target.size(), 2) << keyword.key().toStdString();
            EXPECT_TRUE(hasAnchor(target[0], target[1])) << keyword.key().toStdString();
        }
    }
    QLocale::setDefault(previous);
}

TEST_F(AppTest, TheHelpCommandsAndADialogsHelpButtonOpenTheirPages) {
    HelpWindow* help = &frame.help();
    auto* browser = help->findChild<QTextBrowser*>("HelpBrowser");
    action("HelpContentsItem")->trigger();
    EXPECT_TRUE(help->isVisible());
    EXPECT_TRUE(browser->source().toString().endsWith("index.html"));
    action("HelpHowToUseItem")->trigger();
    EXPECT_TRUE(browser->source().toString().endsWith("hilfe.html"));

    auto* search = help->findChild<QLineEdit*>("HelpSearchEdit");
    auto* results = help->findChild<QListWidget*>("HelpResults");
    ASSERT_GT(results->count(), 2); // the contents, in the manual's order
    EXPECT_EQ(results->item(0)->text(), "Erste Schritte");
    search->setText(QStringLiteral("Tabulator"));
    ASSERT_GT(results->count(), 0);
    QTest::keyClick(search, Qt::Key_Return);
    EXPECT_EQ(browser->source().fileName(), results->item(0)->data(Qt::UserRole).toString());
    ASSERT_FALSE(browser->extraSelections().isEmpty());
    EXPECT_EQ(browser->extraSelections().first().cursor.selectedText(), "Tabulator");
    search->setText(QStringLiteral("format_block"));
    ASSERT_EQ(results->count(), 1);
    EXPECT_EQ(results->item(0)->data(Qt::UserRole).toString(), "dialoge.html");

    frame.setTool(Tool::Text);
    DocumentView& view = newView();
    frame.setTool(elementTool(ElementKind::Block));
    click(view, {300, 400});
    frame.setTool(Tool::Text);
    const Element& block = topOf(view).at(0);
    click(view, {block.left() + 20, block.top() + 20});
    QTest::mouseClick(frame.findChild<QWidget*>("EditDlg")->findChild<QPushButton*>("HelpBtn"),
                      Qt::LeftButton);
    EXPECT_EQ(browser->source().fragment(), "text_eingeben");
}

// A dialog is modal to the frame only: its help can be read and used beside
// it, and Esc closes the help.
TEST_F(AppTest, TheHelpStaysUsableBesideTheDialogThatOpenedIt) {
    newView();
    HelpWindow& help = frame.help();
    auto* search = help.findChild<QLineEdit*>("HelpSearchEdit");
    bool typed = false;
    QTimer::singleShot(0, [&] {
        QWidget* dialog = QApplication::activeModalWidget();
        ASSERT_NE(dialog, nullptr);
        dialog->findChild<QPushButton*>("HelpBtn")->click();
        ASSERT_TRUE(help.isVisible());
        help.showSearch();
        QTest::keyClick(help.windowHandle(), 'x');
        typed = search->text() == "x";
        QTest::keyClick(help.windowHandle(), Qt::Key_Escape);
        dialog->findChild<QPushButton*>("CancelBtn")->click();
    });
    action("FormatStruktItem")->trigger();
    EXPECT_TRUE(typed);
    EXPECT_FALSE(help.isVisible());
}

// Quitting with the help open quits: the help closes with the frame.
TEST_F(AppTest, TheHelpClosesWithTheFrame) {
    action("HelpContentsItem")->trigger();
    QWidget* help = nullptr;
    for (QWidget* window : QApplication::topLevelWidgets())
        help = window->objectName() == "HelpWindow" ? window : help;
    ASSERT_NE(help, nullptr);
    ASSERT_TRUE(help->isVisible());
    EXPECT_TRUE(frame.close());
    EXPECT_FALSE(help->isVisible());
    EXPECT_FALSE(help->testAttribute(Qt::WA_QuitOnClose));
}

} // namespace
} // namespace velbrant::test
