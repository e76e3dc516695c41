#pragma once

#include <QDockWidget>
#include <QPointer>
#include <QTimer>
#include <vector>

class QLabel;
class QPlainTextEdit;

namespace velbrant {

class DocumentEditor;

// The active diagram as text beside it, both ways: a change of the diagram
// rewrites the text at once; the text, after a pause in typing, rebuilds
// the diagram as one undo step, or, while it does not read, marks the
// line and says why and leaves the diagram alone. The caret selects the
// element it stands in, and a selected element puts the caret on its line.
class TextDock : public QDockWidget {
    Q_OBJECT

public:
    // The pause after the last key before the diagram is rebuilt.
    static constexpr int RebuildDelay = 700;

    explicit TextDock(QWidget* parent);

    // Shows the editor's diagram from now on; none: empty.
    void follow(DocumentEditor* editor);
    // Rebuilds the diagram now if the text was changed (tests, focus out).
    void rebuildNow();

private:
    void rewriteText();
    void textEdited();
    void rebuild();
    void showError(int line, const QString& message);
    void caretMoved();
    void selectionMoved();

    QPlainTextEdit* m_text;
    QLabel* m_note;
    QTimer m_pause;
    QPointer<DocumentEditor> m_editor;
    std::vector<QMetaObject::Connection> m_connections;
    // The line each element begins on, for the text as last read or written.
    std::vector<int> m_elementLines;
    // Set while the dock itself changes the text or the diagram, so that it
    // does not answer its own change.
    bool m_busy = false;
    bool m_edited = false;
};

} // namespace velbrant
