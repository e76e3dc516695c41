#pragma once

#include "app/widgets/tool.h"

#include <QToolBar>
#include <array>

class QAction;

namespace velbrant {

// The tool palette at the frame's left: one exclusive button a tool.
class ToolPalette : public QToolBar {
    Q_OBJECT

public:
    explicit ToolPalette(QWidget* parent);

    // Shows the tool's button down.
    void showTool(Tool tool);

signals:
    void toolChosen(Tool tool);

private:
    std::array<QAction*, ToolCount> m_actions{};
};

} // namespace velbrant
