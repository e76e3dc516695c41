#include "app/widgets/tool_palette.h"

#include <QActionGroup>

namespace velbrant {

namespace {

struct ToolButton {
    const char* name;
    const char* icon;
    const char* hint;
};

const std::array<ToolButton, ToolCount> ToolButtons{{
    {"SelectButton", "select", QT_TRANSLATE_NOOP("velbrant::ToolPalette", "Auswählen")},
    {"TextButton", "text", QT_TRANSLATE_NOOP("velbrant::ToolPalette", "Text eingeben")},
    {"BlockButton", "block", QT_TRANSLATE_NOOP("velbrant::ToolPalette", "Anweisung")},
    {"IfButton", "if", QT_TRANSLATE_NOOP("velbrant::ToolPalette", "Bedingte Anweisung")},
    {"WhileButton", "while", QT_TRANSLATE_NOOP("velbrant::ToolPalette", "Kopfgesteuerte Schleife")},
    {"RepeatButton", "repeat",
     QT_TRANSLATE_NOOP("velbrant::ToolPalette", "Fußgesteuerte Schleife")},
    {"EndlosButton", "for", QT_TRANSLATE_NOOP("velbrant::ToolPalette", "Zählschleife")},
    {"CaseButton", "case", QT_TRANSLATE_NOOP("velbrant::ToolPalette", "Fallunterscheidung")},
    {"CallButton", "call", QT_TRANSLATE_NOOP("velbrant::ToolPalette", "Aufruf")},
    {"ExitButton", "exit", QT_TRANSLATE_NOOP("velbrant::ToolPalette", "Aussprung")},
}};

} // namespace

ToolPalette::ToolPalette(QWidget* parent) : QToolBar(tr("Werkzeuge"), parent) {
    setObjectName(QStringLiteral("Panel1"));
    setMovable(false);
    setIconSize(QSize(22, 22));
    auto* group = new QActionGroup(this);
    group->setExclusive(true);
    for (int index = 0; index < ToolCount; ++index) {
        const ToolButton& button = ToolButtons[static_cast<std::size_t>(index)];
        QAction* action =
            addAction(QIcon(QStringLiteral(":/icons/%1.svg").arg(button.icon)), tr(button.hint));
        action->setObjectName(QString::fromLatin1(button.name));
        action->setStatusTip(tr(button.hint));
        action->setCheckable(true);
        // Alt and the digits in palette order: Ctrl+0 is the zoom's.
        action->setShortcut(
            QKeySequence(Qt::ALT | static_cast<Qt::Key>(Qt::Key_0 + (index + 1) % 10)));
        group->addAction(action);
        const auto tool = static_cast<Tool>(index);
        connect(action, &QAction::triggered, this, [this, tool] { emit toolChosen(tool); });
        m_actions[static_cast<std::size_t>(index)] = action;
    }
}

void ToolPalette::showTool(Tool tool) {
    m_actions[static_cast<std::size_t>(tool)]->setChecked(true);
}

} // namespace velbrant
