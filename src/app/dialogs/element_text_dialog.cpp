#include "app/dialogs/element_text_dialog.h"

#include "app/dialogs/dialog_parts.h"
#include "app/widgets/storable_text.h"
#include "render/font_cache.h"

#include <QFontDialog>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextCursor>

namespace velbrant {

ElementTextDialog::ElementTextDialog(QWidget* parent)
    : QDialog(parent, Qt::Tool), m_memo(new StorableTextEdit(this)), m_hint(makeRefusalNote(this)),
      m_labelsButton(makeButton(this, "AbfragenBtn", tr("Ab&fragen"))),
      m_comment(new QPlainTextEdit(this)), m_timer(new QTimer(this)) {
    setObjectName(QStringLiteral("EditDlg"));
    setWindowTitle(tr("Block beschriften"));
    QPushButton* close = makeButton(this, "OKBtn", tr("&Schließen"));
    QPushButton* cancel = makeButton(this, "CancelBtn", tr("&Abbruch"));
    QPushButton* help = makeButton(this, "HelpBtn", tr("&Help"));
    QPushButton* font = makeButton(this, "FontBtn", tr("Sch&rift"));
    m_memo->setObjectName(QStringLiteral("Memo"));
    m_memo->setAnyCharacter(true);
    m_memo->setLineWrapMode(QPlainTextEdit::NoWrap);
    m_memo->setTabChangesFocus(false);
    m_memo->setMinimumSize(281, 161);
    m_memo->installEventFilter(this);
    // A comment is any text: it goes to Structorizer files as UTF-8.
    m_comment->setObjectName(QStringLiteral("CommentMemo"));
    m_comment->setTabChangesFocus(true);
    m_comment->setFixedHeight(m_comment->fontMetrics().lineSpacing() * 3 + 12);
    auto* commentLabel = new QLabel(tr("&Kommentar:"), this);
    commentLabel->setBuddy(m_comment);

    auto* layout = new QGridLayout(this);
    layout->addWidget(m_memo, 0, 0, 5, 1);
    layout->addWidget(close, 0, 1);
    layout->addWidget(cancel, 1, 1);
    layout->addWidget(help, 2, 1);
    layout->addWidget(m_labelsButton, 3, 1, Qt::AlignBottom);
    layout->addWidget(font, 4, 1, Qt::AlignBottom);
    layout->addWidget(m_hint, 5, 0, 1, 2);
    layout->addWidget(commentLabel, 6, 0, 1, 2);
    layout->addWidget(m_comment, 7, 0, 1, 2);
    setTabOrder(close, cancel);
    setTabOrder(cancel, help);
    setTabOrder(help, m_memo);
    setTabOrder(m_memo, font);
    setTabOrder(font, m_labelsButton);
    setTabOrder(m_labelsButton, m_comment);
    for (QPushButton* button : findChildren<QPushButton*>())
        button->installEventFilter(this);

    m_timer->setObjectName(QStringLiteral("Timer"));
    m_timer->setSingleShot(true);
    m_timer->setInterval(LiveUpdateDelay);
    connect(m_timer, &QTimer::timeout, this, [this] { emit liveTextChanged(lines()); });
    connect(close, &QPushButton::clicked, this, &ElementTextDialog::commit);
    connect(cancel, &QPushButton::clicked, this, &ElementTextDialog::reject);
    connect(help, &QPushButton::clicked, this,
            [this] { emit helpRequested(QStringLiteral("text_eingeben")); });
    connect(font, &QPushButton::clicked, this, &ElementTextDialog::chooseFont);
    connect(m_labelsButton, &QPushButton::clicked, this, &ElementTextDialog::labelsRequested);
    connect(m_memo, &StorableTextEdit::refused, m_hint,
            [this](const QString& reason) { showRefusal(*m_hint, reason); });
}

void ElementTextDialog::open(const QStringList& lines, const ElementFont& font, bool isCase,
                             const QStringList& comment) {
    m_timer->stop();
    m_comment->setPlainText(comment.join(QChar(u'\n')));
    m_labelsButton->setVisible(isCase);
    m_hint->hide();
    showFont(font);
    m_memo->setPlainText(lines.join(QChar(u'\n')));
    // The caret at the end of the last line.
    m_memo->moveCursor(QTextCursor::End);
    m_memo->ensureCursorVisible();
    showBesideTheDiagram(*this, m_placed);
    m_memo->setFocus();
}

QStringList ElementTextDialog::lines() const {
    const QString text = m_memo->toPlainText();
    return text.isEmpty() ? QStringList() : text.split(QChar(u'\n'));
}

QStringList ElementTextDialog::comment() const {
    const QString text = m_comment->toPlainText();
    return text.isEmpty() ? QStringList() : text.split(QChar(u'\n'));
}

void ElementTextDialog::showFont(const ElementFont& font) {
    m_font = font;
    m_memo->setFont(makeDisplayFont(font));
    m_memo->setSymbolFont(isSymbolFont(font));
}

bool ElementTextDialog::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_memo && event->type() == QEvent::KeyRelease)
        m_timer->start();
    if (event->type() == QEvent::ShortcutOverride || event->type() == QEvent::KeyPress) {
        if (QPushButton* button = buttonFor(*static_cast<QKeyEvent*>(event))) {
            // A tool window shares its frame's shortcuts: taken here, the
            // dialog's mnemonics never reach the frame's menus.
            event->accept();
            if (event->type() == QEvent::KeyPress)
                button->click();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

QPushButton* ElementTextDialog::buttonFor(const QKeyEvent& key) const {
    if (key.modifiers() != Qt::AltModifier)
        return nullptr;
    const QKeySequence pressed(key.keyCombination());
    for (QPushButton* button : findChildren<QPushButton*>())
        if (button->isVisible() && QKeySequence::mnemonic(button->text()) == pressed)
            return button;
    return nullptr;
}

void ElementTextDialog::commit() {
    m_timer->stop();
    hide();
    emit committed(lines(), comment());
}

void ElementTextDialog::dismiss() {
    m_timer->stop();
    hide();
}

// "&Abbruch" and Esc.
void ElementTextDialog::reject() {
    m_timer->stop();
    hide();
    emit reverted();
}

void ElementTextDialog::chooseFont() {
    bool chosen = false;
    const QFont font = QFontDialog::getFont(&chosen, m_memo->font(), this, tr("Schrift"));
    if (!chosen)
        return;
    showFont(elementFontFrom(font, m_font));
    emit fontChosen(m_font);
}

} // namespace velbrant
