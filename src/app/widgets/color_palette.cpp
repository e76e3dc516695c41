#include "app/widgets/color_palette.h"

#include "render/qt_canvas.h"

#include <QColorDialog>
#include <QComboBox>
#include <QCoreApplication>
#include <QMenu>
#include <QPainter>
#include <QPixmap>

namespace velbrant {

const std::array<NamedColor, 10> StandardColors = {{
    {QT_TRANSLATE_NOOP("velbrant", "Weiß"), {0xFF, 0xFF, 0xFF}},
    {QT_TRANSLATE_NOOP("velbrant", "Rot"), {0xFF, 0x80, 0x80}},
    {QT_TRANSLATE_NOOP("velbrant", "Gelb"), {0xFF, 0xFF, 0x80}},
    {QT_TRANSLATE_NOOP("velbrant", "Grün"), {0x80, 0xFF, 0x80}},
    {QT_TRANSLATE_NOOP("velbrant", "Türkis"), {0x80, 0xFF, 0xFF}},
    {QT_TRANSLATE_NOOP("velbrant", "Blau"), {0x00, 0x80, 0xFF}},
    {QT_TRANSLATE_NOOP("velbrant", "Rosa"), {0xFF, 0x80, 0xC0}},
    {QT_TRANSLATE_NOOP("velbrant", "Grau"), {0xC0, 0xC0, 0xC0}},
    {QT_TRANSLATE_NOOP("velbrant", "Orange"), {0xFF, 0x80, 0x00}},
    {QT_TRANSLATE_NOOP("velbrant", "Violett"), {0x80, 0x80, 0xFF}},
}};

namespace {

Color modelColor(const QColor& color) {
    return {static_cast<std::uint8_t>(color.red()), static_cast<std::uint8_t>(color.green()),
            static_cast<std::uint8_t>(color.blue())};
}

// A colour the user picks in the colour dialog; none when cancelled.
std::optional<Color> pickedColor(QWidget* parent) {
    const QColor picked = QColorDialog::getColor(
        Qt::white, parent, QCoreApplication::translate("velbrant", "Farbe wählen"));
    if (!picked.isValid())
        return std::nullopt;
    return modelColor(picked);
}

constexpr int NoFillItem = 1;
constexpr int FirstColorItem = 2;

} // namespace

QIcon colorSwatch(std::optional<Color> color) {
    QPixmap square(16, 16);
    square.fill(Qt::transparent);
    QPainter painter(&square);
    painter.setPen(QColor(96, 96, 96));
    painter.setBrush(color ? qtColor(*color) : QColor(Qt::white));
    painter.drawRect(1, 1, 13, 13);
    if (!color)
        painter.drawLine(2, 13, 13, 2);
    return QIcon(square);
}

QMenu* makeColorMenu(QWidget* parent, const FillChosen& chosen) {
    auto* menu = new QMenu(QCoreApplication::translate("velbrant", "&Farbe"), parent);
    menu->setObjectName(QStringLiteral("FormatColorMenu"));
    menu->menuAction()->setObjectName(QStringLiteral("FormatColorItem"));
    menu->menuAction()->setStatusTip(
        QCoreApplication::translate("velbrant", "Die ausgewählten Blöcke einfärben"));
    QObject::connect(menu->addAction(colorSwatch(std::nullopt),
                                     QCoreApplication::translate("velbrant", "&keine")),
                     &QAction::triggered, menu, [chosen] { chosen(std::nullopt); });
    menu->addSeparator();
    for (const NamedColor& named : StandardColors) {
        QAction* item = menu->addAction(colorSwatch(named.color),
                                        QCoreApplication::translate("velbrant", named.name));
        QObject::connect(item, &QAction::triggered, menu,
                         [chosen, color = named.color] { chosen(color); });
    }
    menu->addSeparator();
    QObject::connect(menu->addAction(QCoreApplication::translate("velbrant", "&Weitere...")),
                     &QAction::triggered, menu, [chosen, parent] {
                         if (const auto color = pickedColor(parent))
                             chosen(color);
                     });
    return menu;
}

QComboBox* makeColorBox(QWidget* parent) {
    auto* box = new QComboBox(parent);
    box->setObjectName(QStringLiteral("ColorBox"));
    box->addItem(QCoreApplication::translate("velbrant", "unverändert"));
    box->addItem(colorSwatch(std::nullopt), QStringLiteral("keine"));
    for (const NamedColor& named : StandardColors)
        box->addItem(colorSwatch(named.color), QCoreApplication::translate("velbrant", named.name));
    box->addItem(QCoreApplication::translate("velbrant", "Weitere..."));
    const int more = box->count() - 1;
    // "Weitere..." asks at once and shows what was picked in its place.
    QObject::connect(box, &QComboBox::activated, box, [box, more](int index) {
        if (index != more)
            return;
        const auto color = pickedColor(box);
        if (!color) {
            box->setCurrentIndex(0);
            return;
        }
        box->setItemIcon(more, colorSwatch(color));
        box->setItemData(more, qtColor(*color));
    });
    return box;
}

std::optional<Fill> chosenFill(const QComboBox& box) {
    const int index = box.currentIndex();
    if (index <= 0)
        return std::nullopt;
    if (index == NoFillItem)
        return Fill{};
    const auto colorAt = static_cast<std::size_t>(index - FirstColorItem);
    if (colorAt < StandardColors.size())
        return Fill{StandardColors[colorAt].color};
    const QColor picked = box.itemData(index).value<QColor>();
    if (!picked.isValid())
        return std::nullopt;
    return Fill{modelColor(picked)};
}

} // namespace velbrant
