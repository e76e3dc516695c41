#include "app/length_fields.h"

#include "model/units.h"

namespace velbrant {

QString lineWidthText(int width) {
    if (width == 0)
        return QString();
    return QStringLiteral("%1,%2 mm").arg(width / 10).arg(width % 10);
}

int lineWidthValue(const QString& text) {
    QString digits;
    for (const QChar c : text)
        if (c.isDigit())
            digits += c;
    if (digits.isEmpty())
        return 0;
    return digits.size() == 1 ? digits.toInt() * 10 : digits.left(2).toInt();
}

QString lengthText(int length, int unitsPerShown, const QString& unit) {
    return QStringLiteral("%1 %2").arg(
        QString::number(length / static_cast<double>(unitsPerShown), 'f', 2).replace(u'.', u','),
        unit);
}

int lengthValue(const QString& text, int unitsPerShown) {
    QString number = QStringLiteral("0");
    for (const QChar c : text.left(text.size() - 2)) {
        if (c.isDigit())
            number += c;
        else if (c == u',')
            number += u'.';
    }
    return rnd(number.toDouble() * unitsPerShown);
}

} // namespace velbrant
