#pragma once

#include <QMdiArea>

class QMenu;

namespace velbrant {

class DocumentWindow;

// The frame's MDI area with its document windows and their arrangement.
class DocumentArea : public QMdiArea {
    Q_OBJECT

public:
    explicit DocumentArea(QWidget* parent);

    // The current window; it stays current while a dialog of the frame is
    // active.
    DocumentWindow* activeDocument() const;
    QList<DocumentWindow*> documents() const;
    // Shows a new window maximised; restored, it keeps two thirds of the
    // area.
    void addDocument(DocumentWindow* window);
    // Minimized windows side by side along the bottom of the area.
    void arrangeIcons();
    // The window menu: its first `fixedItems` entries, then one entry a
    // window, the current one checked.
    void fillWindowMenu(QMenu& menu, qsizetype fixedItems);
};

} // namespace velbrant
