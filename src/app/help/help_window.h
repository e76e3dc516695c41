#pragma once

#include <QMap>
#include <QWidget>

class QLineEdit;
class QListWidget;
class QTextBrowser;

namespace velbrant {

// The program's manual: German HTML pages compiled into the program, with
// back and forward, the contents page, a search over the pages' text, and
// the dialogs' keywords as jumps to anchors; Esc closes it.
class HelpWindow : public QWidget {
    Q_OBJECT

public:
    HelpWindow();

    void showContents();
    void showSearch();
    void showHelpOnHelp();
    // "text_eingeben", "case_block", "format_block", "format_strukt".
    void showKeyword(const QString& keyword);

    // Every page of the help, and where each keyword leads.
    static QStringList pages();
    // Where the pages of the language the program speaks lie: ":/help/",
    // or ":/help/en/" for English (same names, same anchors).
    static QString folder();
    static const QMap<QString, QString>& keywordTargets();

private:
    void open(const QString& target);
    void search(const QString& text);
    void markFound();

    QTextBrowser* m_browser;
    QLineEdit* m_search;
    QListWidget* m_results;
};

} // namespace velbrant
