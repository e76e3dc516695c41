#pragma once

#include "model/files/binary_io.h"
#include "model/layout/units.h"

#include <QMimeData>
#include <QObject>
#include <memory>

class QWidget;

namespace velbrant {

class DocumentEditor;

// The element clipboard every document window of the frame shares, and
// paste mode: while it is on, the next release in a window pastes there.
class ElementClipboard : public QObject {
    Q_OBJECT

public:
    // Failures are told in message boxes over `frame`.
    explicit ElementClipboard(QWidget* frame);

    // Keeps a copied or cut run here and on the system clipboard, for
    // other Velbrant windows; an empty run is ignored.
    void keep(Bytes run);
    // The same with the mime data (picture, text) that goes with it.
    void keep(Bytes run, std::unique_ptr<QMimeData> data);
    // A run to paste next, from elsewhere than a copy: the system clipboard
    // is left alone. Paste mode goes on.
    void pasteNext(Bytes run);
    // The run to paste: another Velbrant's from the system clipboard, or
    // the one kept here.
    Bytes toPaste() const;
    bool canPaste() const;
    // Reads the whole run before anything is inserted: damaged data is told
    // and pastes nothing.
    void pasteInto(DocumentEditor& editor, Point at, InsertMode mode);

    bool isPasteMode() const { return m_pasteMode; }
    void setPasteMode(bool on);

signals:
    // The kept run or paste mode changed.
    void changed();

private:
    QWidget* m_frame;
    Bytes m_kept;
    bool m_pasteMode = false;
};

} // namespace velbrant
