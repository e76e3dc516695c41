#include "app/frame/format_commands.h"

#include "app/dialogs/default_labels_dialog.h"
#include "app/dialogs/diagram_format_dialog.h"
#include "app/dialogs/element_format_dialog.h"
#include "app/dialogs/new_case_dialog.h"
#include "app/document/document_editor.h"

namespace velbrant {

FormatCommands::FormatCommands(QWidget* frame)
    : QObject(frame), m_defaultLabelsDialog(new DefaultLabelsDialog(frame)),
      m_elementFormatDialog(new ElementFormatDialog(frame)),
      m_diagramFormatDialog(new DiagramFormatDialog(frame)),
      m_caseDialog(new NewCaseDialog(frame)) {
    const auto helpFrom = [this](auto* dialog) {
        using Dialog = std::remove_pointer_t<decltype(dialog)>;
        connect(dialog, &Dialog::helpRequested, this, &FormatCommands::helpRequested);
    };
    helpFrom(m_elementFormatDialog);
    helpFrom(m_diagramFormatDialog);
    helpFrom(m_caseDialog);
}

void FormatCommands::setLabels(const DefaultLabels& labels) {
    m_labels = labels;
    emit labelsChanged(m_labels);
}

void FormatCommands::editDefaultLabels() {
    m_defaultLabelsDialog->setLabels(m_labels);
    if (m_defaultLabelsDialog->exec() == QDialog::Accepted)
        setLabels(m_defaultLabelsDialog->labels());
}

void FormatCommands::formatElements(DocumentEditor& editor) {
    if (editor.selectedSequence() == nullptr)
        return;
    m_elementFormatDialog->setFormat(editor.selectionFormat());
    if (m_elementFormatDialog->exec() == QDialog::Accepted)
        editor.applyFormat(m_elementFormatDialog->format(), m_elementFormatDialog->fill());
}

void FormatCommands::formatDiagram(DocumentEditor& editor) {
    const Document& document = editor.document();
    m_diagramFormatDialog->setFormat(document.format(), document.shownTitle(),
                                     document.shownComment());
    if (m_diagramFormatDialog->exec() == QDialog::Accepted)
        editor.setFormat(m_diagramFormatDialog->format(), m_diagramFormatDialog->typedTitle(),
                         m_diagramFormatDialog->typedComment());
}

void FormatCommands::formatDiagramTitle(DocumentEditor& editor) {
    m_diagramFormatDialog->showTitlePage();
    formatDiagram(editor);
}

void FormatCommands::insertCase(DocumentEditor& editor, Point at, InsertMode mode) {
    if (m_caseDialog->exec() == QDialog::Accepted)
        editor.insertCase(m_caseDialog->branchCount(), m_caseDialog->hasElse(), at, mode);
}

} // namespace velbrant
