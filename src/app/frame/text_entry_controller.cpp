#include "app/frame/text_entry_controller.h"

#include "app/dialogs/case_labels_dialog.h"
#include "app/dialogs/element_text_dialog.h"
#include "app/document/document_editor.h"
#include "app/document/document_view.h"
#include "app/document/document_window.h"
#include "app/widgets/storable_text.h"
#include "model/elements/case.h"
#include "render/text_codec.h"

namespace velbrant {

TextEntryController::TextEntryController(QWidget* frame)
    : QObject(frame), m_textDialog(new ElementTextDialog(frame)),
      m_labelsDialog(new CaseLabelsDialog(frame)) {
    connectTextDialog();
    connect(m_textDialog, &ElementTextDialog::helpRequested, this,
            &TextEntryController::helpRequested);
    connect(m_labelsDialog, &CaseLabelsDialog::helpRequested, this,
            &TextEntryController::helpRequested);
}

void TextEntryController::follow(DocumentWindow& window) {
    DocumentEditor& editor = window.editor();
    connect(&editor, &DocumentEditor::textEntryChanged, this,
            [this, &editor] { entryChanged(editor); });
    const auto commitTyped = [this, &editor] { commitFor(&editor); };
    connect(&window.view(), &DocumentView::textEntryCommitRequested, this, commitTyped);
    connect(&window, &DocumentWindow::closing, this, commitTyped);
}

bool TextEntryController::isOpenFor(const DocumentEditor* editor) const {
    return editor != nullptr && m_editor == editor;
}

void TextEntryController::commitFor(const DocumentEditor* editor) {
    if (isOpenFor(editor))
        m_textDialog->commit();
}

void TextEntryController::commitUnlessFor(const DocumentEditor* editor) {
    if (m_editor && m_editor != editor)
        m_textDialog->commit();
}

StorableTextEdit& TextEntryController::memo() const {
    return m_textDialog->memo();
}

bool TextEntryController::editsSymbolFont() const {
    const Element* element = m_editor->editElement();
    return element != nullptr && velbrant::isSymbolFont(element->font());
}

void TextEntryController::connectTextDialog() {
    connect(m_textDialog, &ElementTextDialog::liveTextChanged, this,
            [this](const QStringList& lines) {
                if (m_editor)
                    m_editor->setEditText(linesAsTyped(lines, editsSymbolFont()));
            });
    connect(m_textDialog, &ElementTextDialog::fontChosen, this, [this](const ElementFont& font) {
        if (m_editor)
            m_editor->setEditFont(font);
    });
    connect(m_textDialog, &ElementTextDialog::committed, this,
            [this](const QStringList& lines, const QStringList& comment) {
                if (!m_editor)
                    return;
                m_editor->setEditComment(toUtf8Lines(comment));
                m_editor->commitTextEntry(linesAsTyped(lines, editsSymbolFont()));
            });
    connect(m_textDialog, &ElementTextDialog::reverted, this, [this] {
        if (m_editor)
            m_editor->revertTextEntry();
    });
    connect(m_textDialog, &ElementTextDialog::labelsRequested, this,
            &TextEntryController::editCaseLabels);
    connect(&m_textDialog->memo(), &QPlainTextEdit::selectionChanged, this,
            &TextEntryController::stateChanged);
}

void TextEntryController::entryChanged(DocumentEditor& editor) {
    const Element* element = editor.editElement();
    if (element != nullptr) {
        m_editor = &editor;
        m_textDialog->open(
            linesAsShown(*element), element->font(), element->kind() == ElementKind::Case,
            element->nsd() != nullptr ? fromUtf8Lines(element->nsd()->comment) : QStringList());
    } else if (m_editor == &editor) {
        m_editor = nullptr;
        m_textDialog->dismiss();
    }
    emit stateChanged();
}

void TextEntryController::editCaseLabels() {
    if (!m_editor)
        return;
    const auto* switchCase = dynamic_cast<const Case*>(m_editor->editElement());
    if (switchCase == nullptr)
        return;
    m_labelsDialog->setLabels(decodeLines(switchCase->branchLabels(), false),
                              switchCase->hasElse());
    if (m_labelsDialog->exec() == QDialog::Accepted && m_editor)
        m_editor->setCaseLabels(encodeLines(m_labelsDialog->labels(), false));
}

} // namespace velbrant
