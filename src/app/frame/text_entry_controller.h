#pragma once

#include <QObject>
#include <QPointer>

class QWidget;

namespace velbrant {

class CaseLabelsDialog;
class DocumentEditor;
class DocumentWindow;
class ElementTextDialog;
class StorableTextEdit;

// Text entry in the frame: owns the one text dialog and the case-labels
// dialog, fills them when an editor opens an entry, and routes what they
// hand out to the editor they were opened for.
class TextEntryController : public QObject {
    Q_OBJECT

public:
    // The dialogs are tool windows of `frame`.
    explicit TextEntryController(QWidget* frame);

    // Follows the window's text entry; whatever ends the entry in the
    // window (a click elsewhere, closing it) takes the typed text along.
    void follow(DocumentWindow& window);
    bool isOpenFor(const DocumentEditor* editor) const;
    // Puts the typed text into the editor and ends its entry, if it has
    // one open.
    void commitFor(const DocumentEditor* editor);
    // Another window became current: an entry elsewhere is committed.
    void commitUnlessFor(const DocumentEditor* editor);
    // The dialog's text field, which the edit commands act on during entry.
    StorableTextEdit& memo() const;

signals:
    // An entry opened or ended, or the memo's selection changed.
    void stateChanged();
    void helpRequested(const QString& keyword);

private:
    void connectTextDialog();
    void entryChanged(DocumentEditor& editor);
    void editCaseLabels();
    bool editsSymbolFont() const;

    ElementTextDialog* m_textDialog;
    CaseLabelsDialog* m_labelsDialog;
    // The editor whose element the text dialog shows.
    QPointer<DocumentEditor> m_editor;
};

} // namespace velbrant
