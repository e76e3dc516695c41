#pragma once

#include "app/about_dialog.h"
#include "app/file_dialogs.h"
#include "app/recent_files.h"
#include "app/tool.h"
#include "model/binary_io.h"
#include "model/default_labels.h"
#include "model/document.h"
#include "render/page_printer.h"

#include <QMainWindow>
#include <QPointer>
#include <QPrinter>
#include <QTimer>
#include <array>
#include <functional>
#include <memory>
#include <vector>

class QAction;
class QActionGroup;
class QComboBox;
class QLabel;
class QMdiArea;
class QToolBar;
class QToolButton;

namespace velbrant {

class CaseLabelsDialog;
class DefaultLabelsDialog;
class DiagramFormatDialog;
class ElementFormatDialog;
class SettingsFile;
class DocumentEditor;
class DocumentWindow;
class ElementTextDialog;
class HelpWindow;
class NewCaseDialog;
class PrintProgressDialog;

// The frame: menus, speed bar with the zoom box, tool palette, status line
// with the clock, and the document windows inside one MDI area. Owns the
// current tool, paste mode, the default labels and the element clipboard,
// and pushes them down to the document windows.
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

    Tool currentTool() const { return m_tool; }
    void setTool(Tool tool);
    // Ends paste mode in every document window; harmless when it is off.
    void leavePasteMode();
    const DefaultLabels& labels() const { return m_labels; }
    // Saves to the document's file, or asks for one; false when the user
    // cancelled or the save failed (then the user was told why).
    bool saveDocument(DocumentWindow& window);
    bool saveDocumentAs(DocumentWindow& window);
    const RecentFiles& recentFiles() const { return m_recentFiles; }
    // Takes the labels and recent files from the settings file, and writes
    // them back to it when the frame closes.
    void useSettings(std::unique_ptr<SettingsFile> settings);
    // The printer every print and page setup uses.
    QPrinter& printer() { return m_printer; }
    // Prints the active document on the printer as it is set up, with the
    // progress dialog; failures are told.
    void printActiveDocument();
    // Every document's sheet takes the page's size and orientation.
    void usePageLayout(const QPageLayout& layout);
    void setPageMode(PageMode mode) { m_pageMode = mode; }
    // Where file names come from; tests answer without a modal dialog.
    void setFileDialogs(FileDialogs dialogs) { m_fileDialogs = std::move(dialogs); }
    // Enables and disables every command by the rule it was added with.
    void updateCommands();

protected:
    void closeEvent(QCloseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

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
        QAction* editDelete;
        QAction* graphCopy;
        QAction* formatStrukt;
        QAction* formatBlock;
        QAction* defaultLabels;
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
    void addSpeedButton(QAction* command, const char* name, const char* icon, const QString& tip);
    bool isEnabled(Needs needs) const;
    void createCommands();
    void createMenus();
    void createSpeedBar();
    void createPalette();
    void createStatusBar();
    void addDocumentWindow(DocumentWindow* window);
    void documentActivated(DocumentWindow* window);
    void openFromDialog();
    bool writeDocument(DocumentWindow& window, const QString& path);
    void exportActiveDocument();
    void fillRecentMenu();
    void openRecent(const QString& path);
    void closeActiveDocument();
    void undo();
    void redo();
    void cut();
    void copy();
    void paste();
    void deleteSelection();
    void copyGraphic();
    // Keeps a copied or cut run in the element clipboard and on the system
    // clipboard, for other Velbrant windows.
    void keepElements(Bytes run);
    // The run to paste: another Velbrant's from the system clipboard, or
    // this frame's own.
    Bytes elementsToPaste() const;
    bool canPasteElements() const;
    void enterPasteMode();
    void pasteInto(DocumentEditor& editor, Point at, InsertMode mode);
    // Text entry in the active document: the edit commands act on the memo.
    bool isTextEntryOpen() const;
    void textEntryChanged(DocumentEditor& editor);
    void connectTextDialog();
    void editCaseLabels();
    void insertCase(DocumentEditor& editor, Point at, InsertMode mode);
    void editDefaultLabels();
    void formatElements();
    void formatDiagram(DocumentEditor& editor);
    void saveSettings();
    void filePrint();
    void filePrintSetup();
    void filePreview();
    // The job's error in the user's words, empty when it printed.
    QString printDocument(DocumentWindow& window, const PrintProgressDialog& progress);
    QWidget* pageModeChoice(QWidget* parent);
    void zoomChosen();
    void stepZoom(int step);
    void placeOnScreen();
    void arrangeIcons();
    void showZoom(double zoom);
    void updateClock();

    QMdiArea* m_mdiArea;
    QToolBar* m_speedBar = nullptr;
    QComboBox* m_zoomBox = nullptr;
    QLabel* m_timePanel = nullptr;
    QTimer m_clock;
    QActionGroup* m_toolGroup = nullptr;
    std::array<QAction*, ToolCount> m_toolActions{};
    Commands m_cmd{};
    std::vector<std::pair<QAction*, Needs>> m_enableRules;
    QToolButton* m_pasteButton = nullptr;
    Tool m_tool = Tool::Select;
    bool m_pasteMode = false;
    int m_newCount = 0;
    DefaultLabels m_labels;
    PaperSize m_paper;
    // The element clipboard: one transfer stream for every document.
    Bytes m_elementClipboard;
    ElementTextDialog* m_textDialog;
    NewCaseDialog* m_caseDialog;
    CaseLabelsDialog* m_labelsDialog;
    DefaultLabelsDialog* m_defaultLabelsDialog;
    ElementFormatDialog* m_elementFormatDialog;
    DiagramFormatDialog* m_diagramFormatDialog;
    HelpWindow* m_help;
    std::unique_ptr<SettingsFile> m_settings;
    DogAnimation m_dog;
    QPrinter m_printer;
    PageMode m_pageMode = PageMode::AsShown;
    // The document whose element the text dialog shows.
    QPointer<DocumentEditor> m_textEntryEditor;
    FileDialogs m_fileDialogs = systemFileDialogs();
    RecentFiles m_recentFiles;
    QMenu* m_recentMenu = nullptr;
};

} // namespace velbrant
