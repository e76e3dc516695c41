#pragma once

#include <QString>
#include <optional>

namespace velbrant {

// How the format dialogs show numbers and lengths (model units of 0.1 mm)
// with a decimal comma and a unit, and read back what was typed.

// A line width in a "9,9 mm" field: 4 -> "0,4 mm", 15 -> "1,5 mm", 0 -> "".
QString lineWidthText(int width);

// A length as `units` per shown unit with two decimals: 150 units at 100 a
// centimetre -> "1,50 cm".
QString lengthText(int length, int unitsPerShown, const QString& unit);

// A number as typed: digits with at most `decimals` places after a comma
// (or point), then the unit or nothing, blanks around; "12", "4,25 cm",
// "0,8mm". Nothing for anything else, an empty text included.
std::optional<double> typedNumber(const QString& text, const QString& unit, int decimals);

// What a number field takes, and how it says so.
struct NumberRule {
    // The field's subject with its article, as a sentence starts:
    // "Die Schriftgröße".
    QString subject;
    double min = 0;
    double max = 0;
    QString unit;
    int decimals = 0;
    // Empty means "leave as it is" (a selection of mixed formats).
    bool mayBeEmpty = false;
    // Said instead when a number below the minimum was typed, if not empty.
    QString belowMin{};
};

// The value of a text the rule takes; nothing for an empty text the rule
// allows. Throws nothing: call `refusal` first.
std::optional<double> numberValue(const QString& text, const NumberRule& rule);
// Why the rule does not take the text, in German; empty when it does.
QString refusal(const QString& text, const NumberRule& rule);

} // namespace velbrant
