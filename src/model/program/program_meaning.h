#pragma once

#include "model/messages/said.h"
#include "model/program/code_tree.h"

#include <cstddef>
#include <string>
#include <vector>

// What every program of a diagram means alike, whether a generated program
// or a run does it: how output items are spaced, how large arrays grow,
// and the messages a program stops with (UTF-8).
namespace velbrant::code {

// Output items are separated by a space, except next to a text literal.
inline bool spacedBefore(const std::vector<Expr>& items, std::size_t i) {
    return i > 0 && items[i].kind != Expr::Kind::Text && items[i - 1].kind != Expr::Kind::Text;
}

// Arrays grow as their elements are set, up to this many elements.
inline constexpr int MaxArrayElements = 10'000'000;

// The messages are said when the program is made or run, so they come in
// the program's language.
inline std::string byZero() {
    return messages::said("run", "Division durch null");
}
inline std::string noMoreInput() {
    return messages::said("run", "Keine Eingabe mehr");
}
inline std::string notAnInteger() {
    return messages::said("run", "Eingabe ist keine ganze Zahl: ");
}
inline std::string notANumber() {
    return messages::said("run", "Eingabe ist keine Zahl: ");
}
inline std::string untranslatedLine(const std::string& utf8Line) {
    return messages::said("run", "Zeile nicht übersetzt: %1").arg(utf8Line);
}
inline std::string routineNotFound(const std::string& utf8Name) {
    return messages::said("run", "Unterprogramm nicht gefunden: %1").arg(utf8Name);
}
// "Index 7 außerhalb von a (1 bis 5)": %1 the index, %2 the array, %3 its
// bounds, which are emptyBounds() or bounds() of the lowest and highest.
inline messages::Said indexOutside() {
    return messages::said("run", "Index %1 außerhalb von %2 (%3)");
}
inline messages::Said emptyBounds() {
    return messages::said("run", "leer");
}
inline messages::Said bounds() {
    return messages::said("run", "%1 bis %2");
}

} // namespace velbrant::code
