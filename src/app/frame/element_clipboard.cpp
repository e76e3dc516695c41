#include "app/frame/element_clipboard.h"

#include "app/app_info.h"
#include "app/document/document_editor.h"
#include "app/document/element_drag.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMessageBox>
#include <QMimeData>

namespace velbrant {

ElementClipboard::ElementClipboard(QWidget* frame) : QObject(frame), m_frame(frame) {}

void ElementClipboard::keep(Bytes run) {
    keep(std::move(run), std::make_unique<QMimeData>());
}

void ElementClipboard::keep(Bytes run, std::unique_ptr<QMimeData> data) {
    if (run.empty())
        return;
    m_kept = std::move(run);
    data->setData(elementsMimeType(), QByteArray(reinterpret_cast<const char*>(m_kept.data()),
                                                 static_cast<qsizetype>(m_kept.size())));
    QGuiApplication::clipboard()->setMimeData(data.release());
    emit changed();
}

void ElementClipboard::pasteNext(Bytes run) {
    if (run.empty())
        return;
    m_kept = std::move(run);
    emit changed();
    setPasteMode(true);
}

Bytes ElementClipboard::toPaste() const {
    const QMimeData* data = QGuiApplication::clipboard()->mimeData();
    if (data != nullptr && data->hasFormat(elementsMimeType())) {
        const QByteArray stream = data->data(elementsMimeType());
        return Bytes(stream.begin(), stream.end());
    }
    return m_kept;
}

bool ElementClipboard::canPaste() const {
    const QMimeData* data = QGuiApplication::clipboard()->mimeData();
    return !m_kept.empty() || (data != nullptr && data->hasFormat(elementsMimeType()));
}

void ElementClipboard::pasteInto(DocumentEditor& editor, Point at, InsertMode mode) {
    const Bytes run = toPaste();
    if (run.empty())
        return;
    try {
        editor.paste(run, at, mode);
    } catch (const FormatError& failure) {
        QMessageBox::critical(m_frame, ProgramCaption,
                              tr("Die Zwischenablage enthält keine lesbaren "
                                 "Elemente; es wurde nichts eingefügt.\n%1")
                                  .arg(QString::fromUtf8(failure.what())));
    }
}

void ElementClipboard::setPasteMode(bool on) {
    m_pasteMode = on;
    emit changed();
}

} // namespace velbrant
