#pragma once

#include <QString>

namespace velbrant {

// How the format dialogs show lengths (model units of 0.1 mm) with a
// decimal comma and a unit, and read them back.

// A line width in a "9,9 mm" field: 4 -> "0,4 mm", 15 -> "1,5 mm", 0 -> "".
QString lineWidthText(int width);
// The digits typed: none -> 0, one digit d -> d x 10, two -> their number.
int lineWidthValue(const QString& text);

// A length as `units` per shown unit with two decimals: 150 units at 100 a
// centimetre -> "1,50 cm".
QString lengthText(int length, int unitsPerShown, const QString& unit);
// Every character but the unit's last two: digits and the comma build the
// number, the rest is skipped; times `unitsPerShown`, rounded half to even.
int lengthValue(const QString& text, int unitsPerShown);

} // namespace velbrant
