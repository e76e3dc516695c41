#include "app/widgets/theme.h"

#include <QGuiApplication>
#include <QPalette>
#include <algorithm>

namespace velbrant {

bool isDarkTheme() {
    return QGuiApplication::palette().color(QPalette::Base).lightness() < 128;
}

// The same hue, light: dark blue becomes light blue, grey light grey.
QColor readableOnBase(QColor onLight) {
    if (!isDarkTheme())
        return onLight;
    return QColor::fromHsl(onLight.hslHue(), onLight.hslSaturation(),
                           std::max(200, 255 - onLight.lightness()));
}

QString warningStyle() {
    const bool dark = QGuiApplication::palette().color(QPalette::Window).lightness() < 128;
    return dark ? QStringLiteral("color: #ff8080") : QStringLiteral("color: #a00000");
}

} // namespace velbrant
