#include "app/widgets/storable_text.h"

#include "render/text_codec.h"

#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QMimeData>
#include <QTextBlock>
#include <QTextCursor>

namespace velbrant {

QValidator::State StorableTextValidator::validate(QString& input, int&) const {
    const QString reason = m_anyCharacter ? whyTooLong({input}) : whyUnstorable({input}, false);
    if (reason.isEmpty())
        return Acceptable;
    emit refused(reason);
    return Invalid;
}

QString StorableTextEdit::acceptable(const QString& inserted) {
    const QString shown = m_symbolFont ? decodeText(encodeText(inserted, true), true) : inserted;
    QTextCursor cursor = textCursor();
    QString text = toPlainText();
    text.replace(cursor.selectionStart(), cursor.selectionEnd() - cursor.selectionStart(), shown);
    const QStringList lines = text.split(QChar(u'\n'));
    const QString reason =
        m_anyCharacter && !m_symbolFont ? whyTooLong(lines) : whyUnstorable(lines, m_symbolFont);
    if (!reason.isEmpty()) {
        emit refused(reason);
        return QString();
    }
    return shown;
}

void StorableTextEdit::keyPressEvent(QKeyEvent* event) {
    const QString typed = event->text();
    const bool inserts = !typed.isEmpty() && (typed.front().isPrint() || typed == u"\t") &&
                         !(event->modifiers() & (Qt::ControlModifier | Qt::AltModifier));
    if (!inserts)
        return QPlainTextEdit::keyPressEvent(event);
    const QString shown = acceptable(typed);
    if (!shown.isNull())
        insertPlainText(shown);
}

void StorableTextEdit::insertFromMimeData(const QMimeData* source) {
    if (!source->hasText())
        return;
    QString pasted = source->text();
    pasted.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    const QString shown = acceptable(pasted);
    if (!shown.isNull())
        insertPlainText(shown);
}

void StorableTextEdit::inputMethodEvent(QInputMethodEvent* event) {
    if (event->commitString().isEmpty())
        return QPlainTextEdit::inputMethodEvent(event);
    const QString shown = acceptable(event->commitString());
    if (!shown.isNull())
        insertPlainText(shown);
}

} // namespace velbrant
