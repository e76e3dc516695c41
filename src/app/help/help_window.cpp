#include "app/help/help_window.h"

#include <QBoxLayout>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QLocale>
#include <QPushButton>
#include <QRegularExpression>
#include <QShortcut>
#include <QSplitter>
#include <QTextBrowser>
#include <QTextCursor>
#include <QTextDocument>

// The pages live in this static library.
static void initHelpResources() {
    Q_INIT_RESOURCE(help);
}

namespace velbrant {

namespace {

QString pageText(const QString& page) {
    QFile file(HelpWindow::folder() + page);
    file.open(QIODevice::ReadOnly);
    QTextDocument document;
    document.setHtml(QString::fromUtf8(file.readAll()));
    return document.toPlainText();
}

QString pageTitle(const QString& page) {
    QFile file(HelpWindow::folder() + page);
    file.open(QIODevice::ReadOnly);
    QTextDocument document;
    document.setHtml(QString::fromUtf8(file.readAll()));
    return document.metaInformation(QTextDocument::DocumentTitle);
}

} // namespace

// A window of its own, not the frame's: the dialogs are modal to the frame
// only, so the help stays usable beside them.
HelpWindow::HelpWindow()
    : QWidget(nullptr, Qt::Window), m_browser(new QTextBrowser), m_search(new QLineEdit),
      m_results(new QListWidget) {
    initHelpResources();
    setObjectName(QStringLiteral("HelpWindow"));
    // The help belongs to the frame: it never keeps the program running.
    setAttribute(Qt::WA_QuitOnClose, false);
    setWindowTitle(tr("Velbrant – Hilfe"));
    m_browser->setObjectName(QStringLiteral("HelpBrowser"));
    m_browser->setOpenLinks(true);
    m_search->setObjectName(QStringLiteral("HelpSearchEdit"));
    m_search->setPlaceholderText(tr("Suchen"));
    m_search->setClearButtonEnabled(true);
    m_results->setObjectName(QStringLiteral("HelpResults"));
    m_results->setWordWrap(true);
    new QShortcut(QKeySequence(Qt::Key_Escape), this, this, &QWidget::close);

    auto* back = new QPushButton(tr("&Zurück"));
    auto* forward = new QPushButton(tr("&Vor"));
    auto* contents = new QPushButton(tr("&Inhalt"));
    connect(back, &QPushButton::clicked, m_browser, &QTextBrowser::backward);
    connect(forward, &QPushButton::clicked, m_browser, &QTextBrowser::forward);
    connect(contents, &QPushButton::clicked, this, &HelpWindow::showContents);
    connect(m_browser, &QTextBrowser::backwardAvailable, back, &QWidget::setEnabled);
    connect(m_browser, &QTextBrowser::forwardAvailable, forward, &QWidget::setEnabled);
    connect(m_search, &QLineEdit::textChanged, this, &HelpWindow::search);
    connect(m_search, &QLineEdit::returnPressed, this, [this] {
        if (m_results->count() > 0)
            open(m_results->item(0)->data(Qt::UserRole).toString());
    });
    connect(m_browser, &QTextBrowser::sourceChanged, this, &HelpWindow::markFound);
    connect(m_results, &QListWidget::itemActivated, this,
            [this](QListWidgetItem* item) { open(item->data(Qt::UserRole).toString()); });
    connect(m_results, &QListWidget::itemClicked, this,
            [this](QListWidgetItem* item) { open(item->data(Qt::UserRole).toString()); });

    auto* side = new QWidget;
    auto* sideLayout = new QVBoxLayout(side);
    sideLayout->setContentsMargins(0, 0, 0, 0);
    sideLayout->addWidget(new QLabel(tr("&Suchen:")));
    qobject_cast<QLabel*>(sideLayout->itemAt(0)->widget())->setBuddy(m_search);
    sideLayout->addWidget(m_search);
    sideLayout->addWidget(m_results);
    auto* splitter = new QSplitter;
    splitter->addWidget(side);
    splitter->addWidget(m_browser);
    splitter->setStretchFactor(1, 3);
    splitter->setSizes({260, 640});
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(back);
    buttons->addWidget(forward);
    buttons->addWidget(contents);
    buttons->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(buttons);
    layout->addWidget(splitter);
    resize(900, 650);
    search(QString());
}

// In the manual's order: the contents page, then the pages as it lists
// them, then any it does not list.
QString HelpWindow::folder() {
    return QLocale().language() == QLocale::English ? QStringLiteral(":/help/en/")
                                                    : QStringLiteral(":/help/");
}

QStringList HelpWindow::pages() {
    initHelpResources();
    QStringList ordered{QStringLiteral("index.html")};
    QFile index(folder() + QStringLiteral("index.html"));
    index.open(QIODevice::ReadOnly);
    const QRegularExpression link(QStringLiteral("href=\"([^\"#]+\\.html)"));
    for (auto match = link.globalMatch(QString::fromUtf8(index.readAll())); match.hasNext();) {
        const QString page = match.next().captured(1);
        if (!ordered.contains(page))
            ordered << page;
    }
    for (const QString& page :
         QDir(folder()).entryList({QStringLiteral("*.html")}, QDir::Files, QDir::Name))
        if (!ordered.contains(page))
            ordered << page;
    return ordered;
}

const QMap<QString, QString>& HelpWindow::keywordTargets() {
    static const QMap<QString, QString> targets{
        {QStringLiteral("text_eingeben"), QStringLiteral("dialoge.html#text_eingeben")},
        {QStringLiteral("case_block"), QStringLiteral("dialoge.html#case_block")},
        {QStringLiteral("format_block"), QStringLiteral("dialoge.html#format_block")},
        {QStringLiteral("format_strukt"), QStringLiteral("dialoge.html#format_strukt")},
        {QStringLiteral("exportieren"), QStringLiteral("dateien.html#export")},
        {QStringLiteral("suchen"), QStringLiteral("farben-suchen.html#suchen")},
    };
    return targets;
}

void HelpWindow::open(const QString& target) {
    m_browser->setSource(QUrl(QStringLiteral("qrc") + folder() + target));
    show();
    raise();
    activateWindow();
}

void HelpWindow::showContents() {
    open(QStringLiteral("index.html"));
}

void HelpWindow::showSearch() {
    if (m_browser->source().isEmpty())
        showContents();
    show();
    raise();
    activateWindow();
    m_search->setFocus();
    m_search->selectAll();
}

void HelpWindow::showHelpOnHelp() {
    open(QStringLiteral("hilfe.html"));
}

void HelpWindow::showKeyword(const QString& keyword) {
    open(keywordTargets().value(keyword, QStringLiteral("index.html")));
}

// The searched words, marked wherever they stand in the page shown.
void HelpWindow::markFound() {
    QList<QTextEdit::ExtraSelection> marks;
    QTextDocument* page = m_browser->document();
    for (const QString& word : m_search->text().split(u' ', Qt::SkipEmptyParts)) {
        for (QTextCursor found = page->find(word); !found.isNull();
             found = page->find(word, found)) {
            QTextEdit::ExtraSelection mark;
            mark.cursor = found;
            mark.format.setBackground(QColor(255, 230, 80));
            mark.format.setForeground(Qt::black);
            marks << mark;
        }
    }
    m_browser->setExtraSelections(marks);
    if (!marks.isEmpty() && m_browser->source().fragment().isEmpty())
        m_browser->setTextCursor(marks.first().cursor);
}

// The pages whose text or keywords hold the searched words; all pages,
// in the manual's order, while the field is empty.
void HelpWindow::search(const QString& text) {
    m_results->clear();
    markFound();
    const QStringList words = text.split(u' ', Qt::SkipEmptyParts);
    for (const QString& page : pages()) {
        if (page == QStringLiteral("index.html"))
            continue; // the contents themselves, behind "Inhalt"
        QString haystack = pageText(page);
        for (auto target = keywordTargets().begin(); target != keywordTargets().end(); ++target)
            if (target.value().startsWith(page))
                haystack += u' ' + target.key();
        const bool found =
            std::all_of(words.begin(), words.end(), [&haystack](const QString& word) {
                return haystack.contains(word, Qt::CaseInsensitive);
            });
        if (!found)
            continue;
        auto* item = new QListWidgetItem(pageTitle(page), m_results);
        item->setData(Qt::UserRole, page);
    }
}

} // namespace velbrant
