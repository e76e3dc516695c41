#pragma once

#include "app/tool.h"
#include "model/default_labels.h"

#include <QMainWindow>
#include <QTimer>
#include <array>
#include <functional>

class QAction;
class QActionGroup;
class QComboBox;
class QLabel;
class QMdiArea;
class QMdiSubWindow;

namespace velbrant {

class DocumentWindow;

// The frame: menus, speed bar with the zoom box, tool palette, status line
// with the clock, and the document windows inside one MDI area.
class MainWindow : public QMainWindow {
    Q_OBJECT

public:
    explicit MainWindow(QWidget* parent = nullptr);
    ~MainWindow() override;

    // A new, empty document named from the default prefix and a number.
    DocumentWindow* newDocument();
    // Opens a ".STR" file in a new document window; on failure says why
    // and returns nullptr.
    DocumentWindow* openDocument(const QString& path);
    DocumentWindow* activeDocument() const;
    QList<DocumentWindow*> documents() const;

    int currentTool() const { return m_tool; }
    void setTool(int tool);
    // Ends paste mode in every document window; harmless when it is off.
    void leavePasteMode();
    const DefaultLabels& labels() const { return m_labels; }
    // Enables and disables the commands for the active window, its
    // selection, the clipboards and the undo state.
    void updateCommands();
    // Shows the active document's zoom in the zoom box.
    void showZoom(double zoom);

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    QAction* addMenuItem(QMenu* menu, const char* name, const QString& caption, const QString& hint,
                         const std::function<void()>& command = {});
    QAction* addSpeedButton(const char* name, const char* icon, const QString& tip,
                            const std::function<void()>& command = {});
    void createMenus();
    void createSpeedBar();
    void createPalette();
    void createStatusBar();
    void openFromDialog();
    void closeActiveDocument();
    void zoomChosen();
    void updateClock();
    void setEnabled(const QList<QAction*>& actions, bool enabled);

    QMdiArea* m_mdiArea;
    QComboBox* m_zoomBox = nullptr;
    QLabel* m_timePanel = nullptr;
    QTimer m_clock;
    QActionGroup* m_toolGroup = nullptr;
    std::array<QAction*, ToolCount> m_toolActions{};
    // Commands that need an open document, and those that also need a
    // selection, undo data or clipboard data.
    QList<QAction*> m_documentCommands;
    QList<QAction*> m_selectionCommands;
    QList<QAction*> m_undoCommands;
    QList<QAction*> m_pasteCommands;
    QAction* m_formatBlockItem = nullptr;
    int m_tool = SelectTool;
    int m_newCount = 0;
    DefaultLabels m_labels;
};

} // namespace velbrant
