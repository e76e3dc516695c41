#pragma once

#include "model/layout/canvas.h"

#include <QIcon>
#include <QString>
#include <array>
#include <functional>
#include <optional>

class QComboBox;
class QMenu;
class QWidget;

namespace velbrant {

// The ten colours Structorizer offers for its boxes, in its order.
struct NamedColor {
    const char* name;
    Color color;
};
extern const std::array<NamedColor, 10> StandardColors;

// A square of the colour for menus and lists; "keine" shows the paper.
QIcon colorSwatch(std::optional<Color> color);

// A fill chosen by the user: a colour, or none.
using Fill = std::optional<Color>;
using FillChosen = std::function<void(Fill)>;

// "&Farbe": the ten colours, "keine" and "Weitere..." (the colour dialog,
// over `parent`); a choice is handed to `chosen`.
QMenu* makeColorMenu(QWidget* parent, const FillChosen& chosen);

// The same as a list for a dialog, first "unverändert", under which
// chosenFill hands out no fill.
QComboBox* makeColorBox(QWidget* parent);
std::optional<Fill> chosenFill(const QComboBox& box);

} // namespace velbrant
