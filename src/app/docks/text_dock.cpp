#include "app/docks/text_dock.h"

#include "app/document/document_editor.h"
#include "app/widgets/theme.h"
#include "model/notation/exact_characters.h"

#include <QBoxLayout>
#include <QFontDatabase>
#include <QLabel>
#include <QPlainTextEdit>
#include <QScopedValueRollback>
#include <QScrollBar>
#include <QTextBlock>
#include <algorithm>
#include <optional>

namespace velbrant {

TextDock::TextDock(QWidget* parent)
    : QDockWidget(tr("Text"), parent), m_text(new QPlainTextEdit), m_note(new QLabel) {
    setObjectName(QStringLiteral("TextDock"));
    m_text->setObjectName(QStringLiteral("NotationText"));
    m_text->setLineWrapMode(QPlainTextEdit::NoWrap);
    m_text->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    m_text->setTabChangesFocus(false);
    m_text->setMinimumWidth(QFontMetrics(m_text->font()).horizontalAdvance(u'x') * 48);
    m_note->setObjectName(QStringLiteral("NotationNote"));
    m_note->setWordWrap(true);
    m_note->setStyleSheet(warningStyle());
    auto* content = new QWidget;
    auto* layout = new QVBoxLayout(content);
    layout->addWidget(m_text, 1);
    layout->addWidget(m_note);
    setWidget(content);

    m_pause.setSingleShot(true);
    m_pause.setInterval(RebuildDelay);
    connect(&m_pause, &QTimer::timeout, this, &TextDock::rebuild);
    connect(m_text, &QPlainTextEdit::textChanged, this, &TextDock::textEdited);
    connect(m_text, &QPlainTextEdit::cursorPositionChanged, this, &TextDock::caretMoved);
    connect(this, &QDockWidget::visibilityChanged, this, [this](bool visible) {
        if (visible)
            rewriteText();
    });
}

void TextDock::follow(DocumentEditor* editor) {
    if (editor == m_editor)
        return;
    rebuildNow();
    for (const QMetaObject::Connection& connection : m_connections)
        disconnect(connection);
    m_connections.clear();
    m_editor = editor;
    if (editor != nullptr) {
        m_connections.push_back(connect(editor, &DocumentEditor::changed, this, [this] {
            if (!m_busy)
                rewriteText();
        }));
        m_connections.push_back(
            connect(editor, &DocumentEditor::selectionChanged, this, &TextDock::selectionMoved));
    }
    rewriteText();
}

// A hidden dock costs nothing; it catches up when shown.
void TextDock::rewriteText() {
    m_pause.stop();
    m_edited = false;
    if (!isVisible())
        return;
    const QScopedValueRollback busy(m_busy, true);
    if (!m_editor.isNull())
        m_editor->setUnreadText({});
    m_text->setExtraSelections({});
    m_note->clear();
    if (m_editor.isNull()) {
        m_text->clear();
        m_elementLines.clear();
        return;
    }
    const WrittenNotation written = writeNotation(m_editor->document());
    const int caretLine = m_text->textCursor().blockNumber();
    const int scroll = m_text->verticalScrollBar()->value();
    m_text->setPlainText(QString::fromStdString(exactUtf8(written, m_editor->document())));
    m_elementLines = written.elementLines;
    QTextCursor caret(m_text->document()->findBlockByNumber(caretLine));
    m_text->setTextCursor(caret);
    m_text->verticalScrollBar()->setValue(scroll);
}

void TextDock::textEdited() {
    if (m_busy || m_editor.isNull())
        return;
    m_edited = true;
    m_pause.start();
}

void TextDock::rebuildNow() {
    if (m_edited)
        rebuild();
}

void TextDock::rebuild() {
    m_pause.stop();
    if (m_editor.isNull() || !m_edited)
        return;
    const QScopedValueRollback busy(m_busy, true);
    try {
        m_elementLines = m_editor->replaceFromText(m_text->toPlainText().toStdString());
    } catch (const NotationError& error) {
        showError(error.line(), QString::fromUtf8(error.what()));
        return;
    }
    m_edited = false;
    m_text->setExtraSelections({});
    m_note->clear();
    m_editor->setUnreadText({});
}

// The line that does not read gets a red background; the text stays, and
// the document counts as modified until it reads or is given up.
void TextDock::showError(int line, const QString& message) {
    m_note->setText(message);
    m_editor->setUnreadText(message);
    QTextEdit::ExtraSelection mark;
    mark.format.setBackground(QColor(255, 210, 210));
    mark.format.setForeground(Qt::black);
    mark.format.setProperty(QTextFormat::FullWidthSelection, true);
    mark.cursor = QTextCursor(m_text->document()->findBlockByNumber(std::max(line - 1, 0)));
    m_text->setExtraSelections({mark});
}

// The element the caret stands in: the one beginning nearest at or above
// its line, the first of those on one line (a compound before the empty
// statements of its bodies).
void TextDock::caretMoved() {
    if (m_busy || m_edited || m_editor.isNull())
        return;
    const int line = m_text->textCursor().blockNumber() + 1;
    std::optional<std::size_t> found;
    for (std::size_t i = 0; i < m_elementLines.size(); ++i) {
        if (m_elementLines[i] <= line && (!found || m_elementLines[i] > m_elementLines[*found]))
            found = i;
    }
    if (!found)
        return;
    const QScopedValueRollback busy(m_busy, true);
    m_editor->selectIndex(*found);
}

void TextDock::selectionMoved() {
    if (m_busy || m_edited || m_editor.isNull() || !isVisible())
        return;
    const auto index = m_editor->selectedIndex();
    if (!index || *index >= m_elementLines.size())
        return;
    const QScopedValueRollback busy(m_busy, true);
    const QTextBlock block = m_text->document()->findBlockByNumber(m_elementLines[*index] - 1);
    m_text->setTextCursor(QTextCursor(block));
    m_text->ensureCursorVisible();
}

} // namespace velbrant
