#include "app/dialogs/length_fields.h"

#include <QCoreApplication>
#include <QRegularExpression>

namespace velbrant {

namespace {

QString decimalText(double value, int decimals) {
    return QString::number(value, 'f', decimals).replace(u'.', u',');
}

} // namespace

QString lineWidthText(int width) {
    if (width == 0)
        return QString();
    return QCoreApplication::translate("velbrant", "%1,%2 mm").arg(width / 10).arg(width % 10);
}

QString lengthText(int length, int unitsPerShown, const QString& unit) {
    return QStringLiteral("%1 %2").arg(decimalText(length / static_cast<double>(unitsPerShown), 2),
                                       unit);
}

std::optional<double> typedNumber(const QString& text, const QString& unit, int decimals) {
    const QRegularExpression number(QStringLiteral("^\\s*(\\d*)(?:[,.](\\d*))?\\s*(?:%1)?\\s*$")
                                        .arg(QRegularExpression::escape(unit)),
                                    QRegularExpression::CaseInsensitiveOption);
    const QRegularExpressionMatch match = number.match(text);
    if (!match.hasMatch())
        return std::nullopt;
    const QString whole = match.captured(1);
    const QString fraction = match.captured(2);
    if ((whole.isEmpty() && fraction.isEmpty()) || fraction.size() > decimals)
        return std::nullopt;
    return QStringLiteral("%1.%2")
        .arg(whole.isEmpty() ? QStringLiteral("0") : whole,
             fraction.isEmpty() ? QStringLiteral("0") : fraction)
        .toDouble();
}

std::optional<double> numberValue(const QString& text, const NumberRule& rule) {
    if (rule.mayBeEmpty && text.trimmed().isEmpty())
        return std::nullopt;
    return typedNumber(text, rule.unit, rule.decimals);
}

QString refusal(const QString& text, const NumberRule& rule) {
    const QString typed = text.trimmed();
    if (rule.mayBeEmpty && typed.isEmpty())
        return QString();
    const std::optional<double> value = typedNumber(text, rule.unit, rule.decimals);
    if (value && *value >= rule.min && *value <= rule.max)
        return QString();
    if (value && *value < rule.min && !rule.belowMin.isEmpty())
        return rule.belowMin;
    const bool wholeMax = rule.max == static_cast<int>(rule.max);
    const QString range = QCoreApplication::translate("velbrant", "%1 bis %2 %3")
                              .arg(decimalText(rule.min, 0),
                                   decimalText(rule.max, wholeMax ? 0 : rule.decimals), rule.unit)
                              .trimmed();
    const QString kind =
        rule.decimals == 0
            ? QCoreApplication::translate("velbrant", "eine ganze Zahl von %1").arg(range)
            : QCoreApplication::translate("velbrant", "eine Zahl von %1 mit höchstens %2")
                  .arg(range, rule.decimals == 1
                                  ? QCoreApplication::translate("velbrant", "einer Nachkommastelle")
                                  : QCoreApplication::translate("velbrant", "%1 Nachkommastellen")
                                        .arg(rule.decimals));
    const QString expected =
        QCoreApplication::translate("velbrant", "%1 muß %2 sein.").arg(rule.subject, kind);
    if (typed.isEmpty())
        return expected;
    return QCoreApplication::translate("velbrant", "„%1“ ist nicht möglich. %2")
        .arg(typed, expected);
}

} // namespace velbrant
