#pragma once

#include "render/text_search.h"

#include <QList>
#include <QObject>
#include <QPointer>
#include <functional>
#include <vector>

class QAction;
class QWidget;

namespace velbrant {

class DocumentWindow;
class FindDialog;

// "Suchen" (Ctrl+F), "Weitersuchen" (F3), "Rückwärts suchen" (Shift+F3)
// and "Ersetzen" (Ctrl+H) over the active diagram or all open ones. The
// places found are framed in their diagrams and selected one after the
// other; a replacement goes through each diagram's editor, one undo step
// ("Ersetzen") per diagram.
class FindCommands : public QObject {
    Q_OBJECT

public:
    explicit FindCommands(QWidget* frame);

    QList<QAction*> actions() const { return m_actions; }
    FindDialog& dialog() const { return *m_dialog; }
    // The open windows, in the frame's order, and how one becomes active.
    std::function<QList<DocumentWindow*>()> openWindows;
    std::function<void(DocumentWindow*)> activate;
    void follow(DocumentWindow* window);
    // A window's edits make the places found stale.
    void watch(DocumentWindow& window);

signals:
    void helpRequested(const QString& keyword);
    // A note for the status line.
    void note(const QString& text);

private:
    struct Found {
        QPointer<DocumentWindow> window;
        SearchHit hit;
    };
    QAction* addAction(const char* name, const QString& caption, const QKeySequence& key,
                       const std::function<void()>& command);
    // The windows searched: the active one first.
    QList<DocumentWindow*> scope() const;
    // Searches again, keeping the place reached; frames what it finds.
    void refresh();
    void clearMarks();
    void go(int direction);
    void select(const Found& found);
    void replaceCurrent();
    void replaceAll();
    QString hitCount() const;

    QWidget* m_frame;
    FindDialog* m_dialog;
    QList<QAction*> m_actions;
    QPointer<DocumentWindow> m_active;
    std::vector<Found> m_found;
    // The place selected last, or -1 before the first.
    int m_current = -1;
    bool m_stale = true;
};

} // namespace velbrant
