#include "app/docks/code_dock.h"
#include "app/docks/text_dock.h"
#include "app/document/document_editor.h"
#include "app/document/document_view.h"
#include "app/document/document_window.h"
#include "app/find/find_commands.h"
#include "app/frame/document_area.h"
#include "app/frame/edit_commands.h"
#include "app/frame/element_clipboard.h"
#include "app/frame/file_commands.h"
#include "app/frame/format_commands.h"
#include "app/frame/main_window.h"
#include "app/frame/print_commands.h"
#include "app/frame/text_entry_controller.h"
#include "app/help/help_window.h"
#include "app/run/run_commands.h"
#include "app/widgets/color_palette.h"
#include "app/widgets/speed_bar.h"
#include "app/widgets/storable_text.h"
#include "app/widgets/tool_palette.h"
#include "app/widgets/zoom_box.h"

#include <QActionGroup>
#include <QClipboard>
#include <QGuiApplication>
#include <QLocale>
#include <QMenuBar>

// The frame's command table: each command's action with its enabling rule,
// the menus and the speed bar.
namespace velbrant {

QAction* MainWindow::addCommand(const char* name, const QString& caption, const QString& hint,
                                Needs needs, const std::function<void()>& command) {
    auto* action = new QAction(caption, this);
    action->setObjectName(QString::fromLatin1(name));
    action->setStatusTip(hint);
    if (command)
        connect(action, &QAction::triggered, this, command);
    if (needs != Needs::Nothing)
        m_enableRules.emplace_back(action, needs);
    return action;
}

QAction* MainWindow::addDocumentCommand(const char* name, const QString& caption,
                                        const QString& hint, Needs needs,
                                        const std::function<void(DocumentWindow&)>& command) {
    return addCommand(name, caption, hint, needs, [this, command] {
        if (DocumentWindow* document = activeDocument())
            command(*document);
    });
}

void MainWindow::createCommands() {
    auto& c = m_cmd;
    c.fileNew = addCommand("FileNewItem", tr("&Neu"), tr("Eine neue Datei erzeugen"),
                           Needs::Nothing, [this] { m_files->newDocument(); });
    c.fileNew->setShortcut(QKeySequence::New);
    c.fileOpen = addCommand("FileOpenItem", tr("&Öffnen..."), tr("Eine bestehende Datei öffnen"),
                            Needs::Nothing, [this] { m_files->openFromDialog(); });
    c.fileOpen->setShortcut(QKeySequence::Open);
    c.fileSave = addDocumentCommand("FileSaveItem", tr("&Speichern"),
                                    tr("Aktuelle Datei speichern"), Needs::Document,
                                    [this](DocumentWindow& window) { m_files->save(window); });
    c.fileSave->setShortcut(QKeySequence::Save);
    c.fileSaveAs =
        addDocumentCommand("FileSaveAsItem", tr("Speichern &Unter..."),
                           tr("Aktuelle Datei unter neuem Namen speichern"), Needs::Document,
                           [this](DocumentWindow& window) { m_files->saveAs(window); });
    c.fileSaveAs->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S));
    c.fileClose = addDocumentCommand("FileCloseItem", tr("S&chließen"), QString(), Needs::Document,
                                     [](DocumentWindow& window) { window.close(); });
    c.fileClose->setShortcuts(
        {QKeySequence(Qt::CTRL | Qt::Key_W), QKeySequence(Qt::CTRL | Qt::Key_F4)});
    c.fileExport = addDocumentCommand(
        "FileExportItem", tr("&Exportieren..."),
        tr("Aktuelle Datei als Bild (PNG, SVG, PDF) oder für Structorizer exportieren"),
        Needs::Document, [this](DocumentWindow& window) { m_files->exportDocument(window); });
    c.filePrint = addDocumentCommand("FilePrintItem", tr("&Drucken"), tr("Aktuelle Datei drucken"),
                                     Needs::Document, [this](DocumentWindow& window) {
                                         m_textDock->rebuildNow();
                                         m_printing->print(window);
                                     });
    c.filePrint->setShortcut(QKeySequence::Print);
    c.filePreview = addDocumentCommand("FilePreviewItem", tr("Seitenan&sicht..."),
                                       tr("Die Druckseiten der aktuellen Datei ansehen"),
                                       Needs::Document, [this](DocumentWindow& window) {
                                           m_textDock->rebuildNow();
                                           m_printing->preview(window);
                                       });
    c.filePrintSetup = addCommand("FilePrintSetupItem", tr("Drucker&einrichtung..."),
                                  tr("Druckereinrichtung ändern"), Needs::Document,
                                  [this] { m_printing->pageSetup(); });
    c.fileExit = addCommand("FileExitItem", tr("&Beenden"), tr("Diese Anwendung beenden"),
                            Needs::Nothing, [this] { close(); });
    c.fileExit->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q));
    createEditCommands();
    createViewCommands();

    c.formatStrukt = addDocumentCommand(
        "FormatStruktItem", tr("&Struktogramm..."),
        tr("Format des komplette Struktogramms festlegen"), Needs::Document,
        [this](DocumentWindow& window) { m_formats->formatDiagram(window.editor()); });
    c.formatBlock = addDocumentCommand(
        "FormatBlockItem", tr("&Block..."), tr("Format des ausgewählten Blockes festlegen"),
        Needs::Selection,
        [this](DocumentWindow& window) { m_formats->formatElements(window.editor()); });
    c.defaultLabels = addCommand("Eigenschaften1", tr("&Standardbeschriftung..."), QString(),
                                 Needs::Nothing, [this] { m_formats->editDefaultLabels(); });

    c.windowTile = addCommand("WindowTileItem", tr("&Nebeneinander"),
                              tr("Alle Fenster nebeneinander anordnen"), Needs::Document,
                              [this] { m_mdiArea->tileSubWindows(); });
    c.windowCascade = addCommand("WindowCascadeItem", tr("&Übereinander"),
                                 tr("Alle Fenster übereinander anordnen"), Needs::Document,
                                 [this] { m_mdiArea->cascadeSubWindows(); });
    c.windowArrange =
        addCommand("WindowArrangeItem", tr("&Symbole anordnen"), tr("Alle Symbole anordnen"),
                   Needs::Document, [this] { m_mdiArea->arrangeIcons(); });

    c.helpContents =
        addCommand("HelpContentsItem", tr("&Inhalt"), tr("Inhaltsübersicht der Hilfe anzeigen"),
                   Needs::Nothing, [this] { m_help->showContents(); });
    c.helpContents->setShortcut(QKeySequence::HelpContents);
    c.helpSearch = addCommand("HelpSearchItem", tr("&Suchen..."), tr("Hilfe zu einem Thema suchen"),
                              Needs::Nothing, [this] { m_help->showSearch(); });
    c.helpHowToUse = addCommand("HelpHowToUseItem", tr("&Hilfe benutzen"),
                                tr("Hilfe zur Benutzung des Hilfesystems"), Needs::Nothing,
                                [this] { m_help->showHelpOnHelp(); });
    c.helpAbout = addCommand("HelpAboutItem", tr("Inf&o..."), tr("Programminformationen anzeigen"),
                             Needs::Nothing, [this] {
                                 AboutDialog about(m_dog, this);
                                 about.exec();
                             });
}

void MainWindow::createEditCommands() {
    auto& c = m_cmd;
    c.editUndo = addDocumentCommand("EditUndoItem", tr("&Rückgängig"),
                                    tr("Die letzte Aktion rückgängig machen"), Needs::Undo,
                                    [this](DocumentWindow& window) { m_edit->undo(window); });
    c.editUndo->setShortcut(QKeySequence::Undo);
    c.editRedo =
        addDocumentCommand("EditRedoItem", tr("&Wiederherstellen"),
                           tr("Die rückgängig gemachte Aktion wiederherstellen"), Needs::Redo,
                           [](DocumentWindow& window) { window.editor().redo(); });
    c.editRedo->setShortcuts(
        {QKeySequence(Qt::CTRL | Qt::Key_Y), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)});
    c.editCut = addDocumentCommand("EditCutItem", tr("&Ausschneiden"),
                                   tr("Markiertes Element löschen"), Needs::EditSelection,
                                   [this](DocumentWindow& window) { m_edit->cut(window); });
    c.editCut->setShortcut(QKeySequence::Cut);
    c.editCopy = addDocumentCommand(
        "EditCopyItem", tr("&Kopieren"), tr("Markiertes Element in Zwischenablage kopieren"),
        Needs::EditSelection, [this](DocumentWindow& window) { m_edit->copy(window); });
    c.editCopy->setShortcut(QKeySequence::Copy);
    c.editPaste = addDocumentCommand("EditPasteItem", tr("&Einfügen"),
                                     tr("Inhalt der Zwischenablage einfügen"), Needs::Paste,
                                     [this](DocumentWindow& window) { m_edit->paste(window); });
    c.editPaste->setShortcut(QKeySequence::Paste);
    // Checked, and its button down, exactly while paste mode is on.
    c.editPaste->setCheckable(true);
    c.editPasteText = addDocumentCommand(
        "EditPasteTextItem", tr("Als &Elemente einfügen"),
        tr("Text der Zwischenablage als Struktogramm-Elemente einfügen"), Needs::Document,
        [this](DocumentWindow& window) { m_edit->pasteAsElements(window); });
    c.editPasteText->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_V));
    c.editDelete = addDocumentCommand(
        "EditDeleteItem", tr("&Löschen"), tr("Aktuelle Markierung löschen"), Needs::EditSelection,
        [this](DocumentWindow& window) { m_edit->deleteSelection(window); });
    c.editSelectAll =
        addDocumentCommand("EditSelectAllItem", tr("Alles a&uswählen"),
                           tr("Alle Elemente des Struktogramms markieren"), Needs::Document,
                           [](DocumentWindow& window) { window.editor().selectAll(); });
    c.editSelectAll->setShortcut(QKeySequence::SelectAll);
    c.graphCopy =
        addDocumentCommand("GraphCopyItem", tr("&Graphik kopieren"), QString(), Needs::Document,
                           [this](DocumentWindow& window) { m_edit->copyPicture(window); });
    c.graphCopy->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_G));
}

void MainWindow::createViewCommands() {
    auto& c = m_cmd;
    const auto zoom = [this](const std::function<void(DocumentView&)>& change) {
        return [this, change](DocumentWindow& window) {
            change(window.view());
            m_zoomBox->showZoom(window.view().zoom());
        };
    };
    const auto step = [zoom](int direction) {
        return zoom([direction](DocumentView& view) {
            view.setZoom(ZoomBox::stepped(view.zoom(), direction));
        });
    };
    c.viewZoomIn = addDocumentCommand("ViewZoomInItem", tr("Ver&größern"),
                                      tr("Die Ansicht vergrößern"), Needs::Document, step(1));
    c.viewZoomIn->setShortcuts({QKeySequence::ZoomIn, QKeySequence(Qt::CTRL | Qt::Key_Equal)});
    c.viewZoomOut = addDocumentCommand("ViewZoomOutItem", tr("Ver&kleinern"),
                                       tr("Die Ansicht verkleinern"), Needs::Document, step(-1));
    c.viewZoomOut->setShortcut(QKeySequence::ZoomOut);
    c.viewActualSize =
        addDocumentCommand("ViewActualSizeItem", tr("&100 %"), tr("Die Ansicht in Originalgröße"),
                           Needs::Document, zoom([](DocumentView& view) { view.setZoom(1.0); }));
    c.viewActualSize->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_0));
    c.viewWhole =
        addDocumentCommand("ViewWholeItem", tr("&Ganzes Struktogramm"),
                           tr("Das ganze Struktogramm ins Fenster einpassen"), Needs::Document,
                           zoom([](DocumentView& view) { view.showWholeDiagram(); }));
    c.viewComments = addCommand("ViewCommentsItem", tr("Ko&mmentare zeigen"),
                                tr("Die Kommentare der Blöcke neben dem Struktogramm zeigen"),
                                Needs::Nothing, [this] { showComments(); });
    c.viewComments->setCheckable(true);
    c.viewCode = addCommand("ViewCodeItem", tr("&Code anzeigen..."),
                            tr("Das Programm zum Diagramm zeigen"), Needs::Nothing, [this] {
                                m_codeDock->show();
                                m_codeDock->raise();
                            });
}

void MainWindow::createMenus() {
    const auto& c = m_cmd;
    QMenu* file = menuBar()->addMenu(tr("&Datei"));
    file->addActions({c.fileNew, c.fileOpen, c.fileSave, c.fileSaveAs, c.fileClose});
    file->addSeparator();
    file->addAction(c.fileExport);
    file->addActions({c.filePrint, c.filePreview, c.filePrintSetup});
    file->addSeparator();
    m_recentMenu = file->addMenu(tr("&Zuletzt geöffnete Dateien"));
    m_recentMenu->setObjectName(QStringLiteral("RecentFilesMenu"));
    connect(m_recentMenu, &QMenu::aboutToShow, this,
            [this] { m_files->fillRecentMenu(*m_recentMenu); });
    file->addSeparator();
    file->addAction(c.fileExit);

    QMenu* edit = menuBar()->addMenu(tr("&Bearbeiten"));
    edit->addActions({c.editUndo, c.editRedo});
    edit->addSeparator();
    edit->addActions({c.editCut, c.editCopy, c.editPaste, c.editPasteText, c.editDelete});
    edit->addAction(c.editSelectAll);
    edit->addSeparator();
    edit->addActions(m_find->actions());
    edit->addSeparator();
    edit->addAction(c.graphCopy);
    edit->addSeparator();
    edit->addMenu(tr("&Werkzeug"))->addActions(m_palette->actions());

    QMenu* format = menuBar()->addMenu(tr("Forma&t"));
    format->addActions({c.formatStrukt, c.formatBlock});
    QMenu* colors = makeColorMenu(this, [this](Fill fill) {
        if (DocumentWindow* document = activeDocument())
            document->editor().colorSelection(fill);
    });
    m_enableRules.emplace_back(colors->menuAction(), Needs::Selection);
    format->addMenu(colors);
    format->addSeparator();
    format->addAction(c.defaultLabels);

    QMenu* view = menuBar()->addMenu(tr("&Ansicht"));
    view->addActions({c.viewZoomIn, c.viewZoomOut, c.viewActualSize, c.viewWhole});
    view->addSeparator();
    view->addAction(c.viewComments);
    addLanguageMenu(*view);
    view->addSeparator();
    view->addAction(c.viewCode);
    QAction* viewText = m_textDock->toggleViewAction();
    viewText->setText(tr("&Text-Ansicht"));
    viewText->setObjectName(QStringLiteral("ViewTextItem"));
    viewText->setStatusTip(tr("Das Struktogramm als Text daneben zeigen"));
    connect(viewText, &QAction::triggered, m_textDock, [this](bool shown) {
        if (shown)
            m_textDock->raise();
    });
    view->addAction(viewText);

    m_run->addMenu(*menuBar());

    QMenu* window = menuBar()->addMenu(tr("&Fenster"));
    window->addActions({c.windowTile, c.windowCascade, c.windowArrange});
    connect(window, &QMenu::aboutToShow, this,
            [this, window] { m_mdiArea->fillWindowMenu(*window, 3); });

    QMenu* help = menuBar()->addMenu(tr("&Hilfe"));
    help->addActions({c.helpContents, c.helpSearch, c.helpHowToUse});
    help->addSeparator();
    help->addAction(c.helpAbout);
}

// Each language by its own name, whichever one the interface speaks.
void MainWindow::addLanguageMenu(QMenu& view) {
    QMenu* menu = view.addMenu(tr("&Sprache"));
    menu->setObjectName(QStringLiteral("ViewLanguageMenu"));
    auto* group = new QActionGroup(menu);
    const QString current = QLocale().name().left(2);
    for (const auto& [code, name] : {std::pair{"de", "Deutsch"}, {"en", "English"}}) {
        QAction* language = menu->addAction(QString::fromLatin1(name));
        language->setObjectName(QStringLiteral("ViewLanguage%1Item").arg(QLatin1String(code)));
        language->setCheckable(true);
        language->setChecked(current == QLatin1String(code));
        group->addAction(language);
        connect(language, &QAction::triggered, this,
                [this, code = QString::fromLatin1(code)] { chooseLanguage(code); });
    }
}

void MainWindow::createSpeedBar() {
    const auto& c = m_cmd;
    m_speedBar = new SpeedBar(this);
    addToolBar(m_speedBar);
    m_speedBar->addButton(c.fileNew, "NewButton", "new", tr("Neu"));
    m_speedBar->addButton(c.fileOpen, "OpenButton", "open", tr("Öffnen"));
    m_speedBar->addButton(c.fileSave, "SaveButton", "save", tr("Speichern"));
    m_speedBar->addSeparator();
    m_speedBar->addButton(c.editUndo, "CancelButton", "undo", tr("Rückgängig"));
    m_speedBar->addButton(c.editRedo, "RedoButton", "redo", tr("Wiederherstellen"));
    m_speedBar->addButton(c.editCut, "CutButton", "cut", tr("Ausschneiden"));
    m_speedBar->addButton(c.editCopy, "CopyButton", "copy", tr("Kopieren"));
    m_speedBar->addButton(c.editPaste, "PasteButton", "paste", tr("Einfügen"));
    m_speedBar->addSeparator();
    m_zoomBox = new ZoomBox(m_speedBar);
    connect(m_zoomBox, &ZoomBox::zoomChosen, this, [this](double zoom) {
        if (DocumentWindow* document = activeDocument()) {
            document->view().setZoom(zoom);
            document->view().setFocus();
        }
    });
    m_enableRules.emplace_back(m_speedBar->addWidget(m_zoomBox), Needs::Document);
    m_speedBar->addSeparator();
    // The two window buttons carry each other's names, as the frame always had.
    m_speedBar->addButton(c.windowTile, "CascadeButton", "tile", tr("Nebeneinander"));
    m_speedBar->addButton(c.windowCascade, "TileButton", "cascade", tr("Überlappend"));
    m_speedBar->addButton(c.windowArrange, "ArrangeButton", "arrange", tr("Anordnen"));
    m_speedBar->addSeparator();
    m_speedBar->addButton(c.fileExit, "FileExitButton", "exit-app", tr("Beenden"));
    m_speedBar->addButton(c.helpContents, "HelpContentsButton", "help", tr("Hilfeinhalt"));
}

bool MainWindow::isEnabled(Needs needs) const {
    DocumentWindow* active = activeDocument();
    if (needs == Needs::Nothing)
        return true;
    if (active == nullptr)
        return false;
    const DocumentEditor& editor = active->editor();
    const bool textEntry = m_textEntry->isOpenFor(&editor);
    const bool selection = editor.selectedSequence() != nullptr;
    switch (needs) {
    case Needs::Selection:
        return selection;
    case Needs::EditSelection:
        return textEntry ? m_textEntry->memo().textCursor().hasSelection() : selection;
    case Needs::Undo:
        return editor.canUndo();
    case Needs::Redo:
        return !textEntry && editor.canRedo();
    case Needs::Paste:
        return textEntry ? !QGuiApplication::clipboard()->text().isEmpty()
                         : m_clipboard->canPaste();
    default:
        return true;
    }
}

} // namespace velbrant
