#pragma once

#include "model/diagram/default_labels.h"
#include "model/layout/units.h"

#include <QObject>

class QWidget;

namespace velbrant {

class DefaultLabelsDialog;
class DiagramFormatDialog;
class DocumentEditor;
class ElementFormatDialog;
class NewCaseDialog;

// The frame's format commands and the default labels: owns the dialogs
// that ask for formats, labels and a new case's branches, and applies what
// they hand back through the editor.
class FormatCommands : public QObject {
    Q_OBJECT

public:
    // The dialogs are modal over `frame`.
    explicit FormatCommands(QWidget* frame);

    const DefaultLabels& labels() const { return m_labels; }
    void setLabels(const DefaultLabels& labels);
    // "Standardbeschriftung": new labels go to every window at once.
    void editDefaultLabels();
    // The format of the selected elements, when there is a selection.
    void formatElements(DocumentEditor& editor);
    void formatDiagram(DocumentEditor& editor);
    // The same from a click on the diagram's title: its page first.
    void formatDiagramTitle(DocumentEditor& editor);
    // Asks for the branches, then inserts the case.
    void insertCase(DocumentEditor& editor, Point at, InsertMode mode);

signals:
    void labelsChanged(const DefaultLabels& labels);
    void helpRequested(const QString& keyword);

private:
    DefaultLabels m_labels;
    DefaultLabelsDialog* m_defaultLabelsDialog;
    ElementFormatDialog* m_elementFormatDialog;
    DiagramFormatDialog* m_diagramFormatDialog;
    NewCaseDialog* m_caseDialog;
};

} // namespace velbrant
