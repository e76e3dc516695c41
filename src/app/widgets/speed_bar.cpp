#include "app/widgets/speed_bar.h"

#include <QAction>
#include <QEvent>

namespace velbrant {

SpeedBar::SpeedBar(QWidget* parent) : QToolBar(tr("Symbolleiste"), parent) {
    setObjectName(QStringLiteral("SpeedBar"));
    setMovable(false);
    setIconSize(QSize(20, 20));
}

QWidget* SpeedBar::addButton(QAction* command, const char* name, const char* icon,
                             const QString& tip) {
    command->setIcon(QIcon(QStringLiteral(":/icons/%1.svg").arg(icon)));
    command->setToolTip(tip);
    addAction(command);
    QWidget* button = widgetForAction(command);
    button->setObjectName(QString::fromLatin1(name));
    return button;
}

bool SpeedBar::event(QEvent* event) {
    if (event->type() == QEvent::StatusTip)
        return true;
    return QToolBar::event(event);
}

} // namespace velbrant
