#pragma once

#include "app/dialogs/about_dialog.h"
#include "app/frame/document_area.h"
#include "app/widgets/tool.h"

#include <QMainWindow>
#include <functional>
#include <memory>
#include <vector>

class QAction;
class QMenu;

namespace velbrant {

class Recovery;

class CodeDock;
class FindCommands;
class RunCommands;
class TextDock;
class DocumentWindow;
class EditCommands;
class ElementClipboard;
class FileCommands;
class FormatCommands;
class HelpWindow;
class PrintCommands;
class SettingsFile;
class SpeedBar;
class StatusLine;
class TextEntryController;
class ToolPalette;
class ZoomBox;

// The frame: the command table with its menus and speed bar, the zoom box,
// the tool palette, the status line with the clock, and the document
// windows inside one MDI area. The commands' work is done by collaborators
// it owns (files, printing, formats, text entry, the element clipboard);
// the frame wires each new window to them and pushes the tool, paste mode,
// labels and page down.
class MainWindow : public QMainWindow {
    Q_OBJECT

public:
    explicit MainWindow(QWidget* parent = nullptr);
    ~MainWindow() override;

    DocumentWindow* activeDocument() const { return m_mdiArea->activeDocument(); }
    QList<DocumentWindow*> documents() const { return m_mdiArea->documents(); }
    FileCommands& files() const { return *m_files; }
    PrintCommands& printing() const { return *m_printing; }
    FormatCommands& formats() const { return *m_formats; }
    HelpWindow& help() const { return *m_help; }
    Recovery& recovery() const { return *m_recovery; }
    // After a crash: offers the documents left behind, and brings back the
    // ones the user keeps.
    void offerRecovery();

    Tool currentTool() const { return m_tool; }
    // Choosing a tool ends paste mode.
    void setTool(Tool tool);
    // Takes the labels, recent files and geometry from the settings file,
    // and writes them back to it when the frame closes.
    void useSettings(std::unique_ptr<SettingsFile> settings);
    // Enables and disables every command by the rule it was added with.
    void updateCommands();

protected:
    void closeEvent(QCloseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    // What a command needs to be enabled.
    // Selection: the block format follows it even during text entry;
    // EditSelection: cut, copy and delete act on the memo then.
    enum class Needs { Nothing, Document, Selection, EditSelection, Undo, Redo, Paste };
    // Each command is one action, shared by its menu item and its button.
    struct Commands {
        QAction* fileNew;
        QAction* fileOpen;
        QAction* fileSave;
        QAction* fileSaveAs;
        QAction* fileClose;
        QAction* fileExport;
        QAction* filePreview;
        QAction* filePrint;
        QAction* filePrintSetup;
        QAction* fileExit;
        QAction* editUndo;
        QAction* editRedo;
        QAction* editCut;
        QAction* editCopy;
        QAction* editPaste;
        QAction* editPasteText;
        QAction* editDelete;
        QAction* editSelectAll;
        QAction* graphCopy;
        QAction* formatStrukt;
        QAction* formatBlock;
        QAction* defaultLabels;
        QAction* viewZoomIn;
        QAction* viewZoomOut;
        QAction* viewActualSize;
        QAction* viewWhole;
        QAction* viewCode;
        QAction* viewComments;
        QAction* windowTile;
        QAction* windowCascade;
        QAction* windowArrange;
        QAction* helpContents;
        QAction* helpSearch;
        QAction* helpHowToUse;
        QAction* helpAbout;
    };

    QAction* addCommand(const char* name, const QString& caption, const QString& hint, Needs needs,
                        const std::function<void()>& command);
    // A command that acts on the active document, if there is one.
    QAction* addDocumentCommand(const char* name, const QString& caption, const QString& hint,
                                Needs needs, const std::function<void(DocumentWindow&)>& command);
    bool isEnabled(Needs needs) const;
    void createCommands();
    // Undo, redo, the clipboard commands and delete.
    void createEditCommands();
    // The zoom steps, 100 % and the whole diagram.
    void createViewCommands();
    void createMenus();
    void addLanguageMenu(QMenu& view);
    void createSpeedBar();
    void connectCollaborators();
    void addDocumentWindow(DocumentWindow* window);
    void documentActivated(DocumentWindow* window);
    void showPasteMode();
    // "Kommentare zeigen": every window shows its comments beside the diagram.
    void showComments();
    // "Sprache": kept in the settings for the next start ("de", "en").
    void chooseLanguage(const QString& code);
    void showActiveDocument();
    void saveSettings();
    void placeOnScreen();

    DocumentArea* m_mdiArea;
    ElementClipboard* m_clipboard;
    EditCommands* m_edit;
    FileCommands* m_files;
    PrintCommands* m_printing;
    FormatCommands* m_formats;
    TextEntryController* m_textEntry;
    CodeDock* m_codeDock;
    RunCommands* m_run;
    FindCommands* m_find;
    QString m_chosenLanguage;
    TextDock* m_textDock;
    std::unique_ptr<HelpWindow> m_help;
    Recovery* m_recovery;
    SpeedBar* m_speedBar = nullptr;
    StatusLine* m_statusLine = nullptr;
    ZoomBox* m_zoomBox = nullptr;
    ToolPalette* m_palette = nullptr;
    Commands m_cmd{};
    std::vector<std::pair<QAction*, Needs>> m_enableRules;
    QMenu* m_recentMenu = nullptr;
    Tool m_tool = Tool::Select;
    std::unique_ptr<SettingsFile> m_settings;
    DogAnimation m_dog;
};

} // namespace velbrant
