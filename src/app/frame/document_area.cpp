#include "app/frame/document_area.h"

#include "app/document/document_window.h"

#include <QDir>
#include <QMenu>
#include <memory>

namespace velbrant {

DocumentArea::DocumentArea(QWidget* parent) : QMdiArea(parent) {
    setObjectName(QStringLiteral("MdiArea"));
}

DocumentWindow* DocumentArea::activeDocument() const {
    return qobject_cast<DocumentWindow*>(currentSubWindow());
}

QList<DocumentWindow*> DocumentArea::documents() const {
    QList<DocumentWindow*> result;
    for (QMdiSubWindow* window : subWindowList())
        if (auto* document = qobject_cast<DocumentWindow*>(window))
            result << document;
    return result;
}

void DocumentArea::addDocument(DocumentWindow* window) {
    addSubWindow(window);
    window->setWindowIcon(QIcon(QStringLiteral(":/icons/velbrant.svg")));
    window->resize(viewport()->size() * 2 / 3);
    // Closing a maximised window would restore the next one; it stays
    // maximised instead, as the user had it.
    auto maximized = std::make_shared<bool>(false);
    connect(window, &QMdiSubWindow::windowStateChanged, this,
            [maximized](Qt::WindowStates, Qt::WindowStates now) {
                *maximized = now.testFlag(Qt::WindowMaximized);
            });
    connect(window, &QObject::destroyed, this, [this, maximized] {
        if (*maximized)
            QMetaObject::invokeMethod(
                this,
                [this] {
                    if (QMdiSubWindow* next = currentSubWindow())
                        next->showMaximized();
                },
                Qt::QueuedConnection);
    });
    window->showMaximized();
}

void DocumentArea::arrangeIcons() {
    int x = 0;
    for (QMdiSubWindow* window : subWindowList()) {
        if (!window->isMinimized())
            continue;
        window->move(x, viewport()->height() - window->height());
        x += window->width();
    }
}

void DocumentArea::fillWindowMenu(QMenu& menu, qsizetype fixedItems) {
    const QList<QAction*> items = menu.actions();
    for (qsizetype i = fixedItems; i < items.size(); ++i)
        menu.removeAction(items[i]);
    const QList<DocumentWindow*> open = documents();
    if (!open.isEmpty())
        menu.addSeparator();
    // One form for every window: the file name, its path as the tip.
    menu.setToolTipsVisible(true);
    for (qsizetype i = 0; i < open.size(); ++i) {
        QAction* entry =
            menu.addAction(QStringLiteral("&%1 %2").arg(i + 1).arg(open[i]->fileName()));
        if (open[i]->hasFileName())
            entry->setToolTip(QDir::toNativeSeparators(open[i]->filePath()));
        entry->setCheckable(true);
        entry->setChecked(open[i] == activeDocument());
        DocumentWindow* target = open[i];
        connect(entry, &QAction::triggered, this, [this, target] { setActiveSubWindow(target); });
    }
}

} // namespace velbrant
