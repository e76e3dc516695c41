#include "app/frame/edit_commands.h"

#include "app/app_info.h"
#include "app/document/document_editor.h"
#include "app/document/document_window.h"
#include "app/document/element_drag.h"
#include "app/frame/element_clipboard.h"
#include "app/frame/text_entry_controller.h"
#include "app/widgets/storable_text.h"
#include "model/notation/text_notation.h"
#include "render/diagram_picture.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMessageBox>

namespace velbrant {

EditCommands::EditCommands(QWidget* frame, ElementClipboard& clipboard,
                           TextEntryController& textEntry)
    : QObject(frame), m_frame(frame), m_clipboard(clipboard), m_textEntry(textEntry) {}

bool EditCommands::isTextEntryOpen(DocumentWindow& window) const {
    return m_textEntry.isOpenFor(&window.editor());
}

void EditCommands::undo(DocumentWindow& window) {
    if (isTextEntryOpen(window))
        m_textEntry.memo().undo();
    else
        window.editor().undo();
}

void EditCommands::cut(DocumentWindow& window) {
    if (isTextEntryOpen(window)) {
        m_textEntry.memo().cut();
        return;
    }
    // The picture and the text are made before the run goes.
    auto data = selectionMimeData(window.editor());
    m_clipboard.keep(window.editor().cutSelection(), std::move(data));
}

void EditCommands::copy(DocumentWindow& window) {
    if (isTextEntryOpen(window))
        m_textEntry.memo().copy();
    else
        m_clipboard.keep(window.editor().copySelection(), selectionMimeData(window.editor()));
}

void EditCommands::paste(DocumentWindow& window) {
    if (isTextEntryOpen(window)) {
        m_textEntry.memo().paste();
        m_clipboard.setPasteMode(false);
    } else {
        m_clipboard.setPasteMode(!m_clipboard.isPasteMode() && m_clipboard.canPaste());
    }
}

void EditCommands::pasteAsElements(DocumentWindow& window) {
    Bytes run;
    try {
        run = window.editor().runFromNotation(QGuiApplication::clipboard()->text().toStdString());
    } catch (const NotationError& error) {
        QMessageBox::critical(m_frame, ProgramCaption,
                              tr("Der Text der Zwischenablage ist kein Struktogramm: %1")
                                  .arg(QString::fromUtf8(error.what())));
        return;
    }
    if (run.size() <= 2)
        QMessageBox::information(m_frame, ProgramCaption,
                                 tr("Die Zwischenablage enthält keinen Text mit "
                                    "Elementen."));
    else
        m_clipboard.pasteNext(std::move(run));
}

void EditCommands::deleteSelection(DocumentWindow& window) {
    if (isTextEntryOpen(window))
        m_textEntry.memo().textCursor().removeSelectedText();
    else
        window.editor().deleteSelection();
}

void EditCommands::copyPicture(DocumentWindow& window) {
    DocumentEditor& editor = window.editor();
    try {
        QGuiApplication::clipboard()->setMimeData(
            diagramPicture(editor.document(), editor.measurer(), editor.labels()).release());
    } catch (const std::exception& failure) {
        QMessageBox::critical(
            m_frame, ProgramCaption,
            tr("Die Graphik ließ sich nicht kopieren: %1").arg(QString::fromUtf8(failure.what())));
        return;
    }
    const QMimeData* placed = QGuiApplication::clipboard()->mimeData();
    if (placed == nullptr || !placed->hasFormat(QStringLiteral("image/png")))
        QMessageBox::critical(m_frame, ProgramCaption,
                              tr("Die Zwischenablage hat die Graphik nicht "
                                 "angenommen."));
}

} // namespace velbrant
