#pragma once

#include <QList>
#include <QObject>
#include <QPointer>
#include <QString>
#include <functional>
#include <map>
#include <memory>
#include <set>
#include <utility>
#include <vector>

class QAction;
class QMainWindow;
class QMenuBar;

namespace velbrant {

class Document;
class DocumentWindow;
class Element;
class IoDock;
class QtTextMeasurer;
class RoutineFolder;
class RunController;
class TraceDock;
class VariablesDock;

// The menu "&Ausführen" and what it drives: a run of the active diagram,
// the element it is at framed in the diagram, and the docks of its input
// and output, its variables and its trace table. An edit of the diagram
// ends a run; the last run's output, variables and trace stay until the
// next one starts.
class RunCommands : public QObject {
    Q_OBJECT
public:
    explicit RunCommands(QMainWindow* frame);
    ~RunCommands() override;

    void addMenu(QMenuBar& bar);
    // The diagram the commands run: the active window's, or none.
    void follow(DocumentWindow* window);
    // The diagrams open in the frame, asked for routines before the folder;
    // their windows; and what opens a diagram's file in a window.
    std::function<std::vector<const Document*>()> openDocuments;
    std::function<QList<DocumentWindow*>()> openWindows;
    std::function<DocumentWindow*(const QString& path)> openFile;

    RunController& controller() { return *m_controller; }
    IoDock& io() { return *m_io; }
    VariablesDock& variables() { return *m_variables; }
    TraceDock& trace() { return *m_trace; }

signals:
    // A note for the status line.
    void note(const QString& text);

private:
    QAction* addAction(const char* name, const QString& caption, const QKeySequence& key,
                       void (RunCommands::*command)());
    void startOrResume();
    void stepOver();
    void stepInto();
    void step(bool into);
    void pause();
    void stop();
    bool start(bool stepping);
    void pausedAt();
    void ended(const QString& message);
    void edited();
    void toggleBreakpoint();
    // The run stops at the breakpoints of every open diagram.
    void passBreakpoints();
    std::set<const Element*> breakpointsOfOpenDiagrams() const;
    void mark(bool on);
    // The window showing the element's diagram, and the element there.
    std::pair<DocumentWindow*, const Element*> shownIn(const Element* element);
    void updateActions();

    QMainWindow* m_frame;
    RunController* m_controller;
    IoDock* m_io;
    VariablesDock* m_variables;
    TraceDock* m_trace;
    QPointer<DocumentWindow> m_active;
    QPointer<DocumentWindow> m_running;
    QPointer<DocumentWindow> m_marked;
    // Why the run that is ending ends, when the frame knows better.
    QString m_endNote;
    std::unique_ptr<QtTextMeasurer> m_measurer;
    std::unique_ptr<RoutineFolder> m_routines;
    std::vector<QAction*> m_actions;
    // A breakpoint set while the run waits is no edit that ends it.
    bool m_settingBreakpoint = false;
};

} // namespace velbrant
