#pragma once

#include <QToolBar>

namespace velbrant {

// The speed bar under the menus: buttons that share their commands'
// actions. A button shows its tip as tooltip only: the bar swallows the
// status tips of its buttons, so only menu items fill the status line.
class SpeedBar : public QToolBar {
    Q_OBJECT

public:
    explicit SpeedBar(QWidget* parent);

    // The command's button, named `name`, with the icon ":/icons/ICON.svg".
    QWidget* addButton(QAction* command, const char* name, const char* icon, const QString& tip);

protected:
    bool event(QEvent* event) override;
};

} // namespace velbrant
