#pragma once

#include <QObject>

class QWidget;

namespace velbrant {

class DocumentWindow;
class ElementClipboard;
class TextEntryController;

// The frame's edit commands on one document window: while its text entry
// is open they act on the text dialog's memo, otherwise on the diagram
// and the element clipboard.
class EditCommands : public QObject {
    Q_OBJECT

public:
    // Failures are told in message boxes over `frame`.
    EditCommands(QWidget* frame, ElementClipboard& clipboard, TextEntryController& textEntry);

    void undo(DocumentWindow& window);
    void cut(DocumentWindow& window);
    void copy(DocumentWindow& window);
    // The first Paste turns paste mode on in every window, the second off;
    // the next release in a window pastes there.
    void paste(DocumentWindow& window);
    // Text from the system clipboard in the notation, read into elements
    // that paste mode then places like any paste.
    void pasteAsElements(DocumentWindow& window);
    void deleteSelection(DocumentWindow& window);
    // The diagram as a picture on the system clipboard, for other programs.
    void copyPicture(DocumentWindow& window);

private:
    bool isTextEntryOpen(DocumentWindow& window) const;

    QWidget* m_frame;
    ElementClipboard& m_clipboard;
    TextEntryController& m_textEntry;
};

} // namespace velbrant
