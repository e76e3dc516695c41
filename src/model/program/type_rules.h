#pragma once

#include "model/program/code_tree.h"

#include <optional>
#include <string>

// The rules of the program's types that inference and check share.
namespace velbrant::code {

inline bool isNumeric(Scalar s) {
    return s == Scalar::Int || s == Scalar::Real;
}
inline bool isKnown(Scalar s) {
    return s != Scalar::Unknown && s != Scalar::Conflict;
}

inline Scalar joined(Scalar a, Scalar b) {
    if (a == Scalar::Unknown)
        return b;
    if (b == Scalar::Unknown || a == b)
        return a;
    if (isNumeric(a) && isNumeric(b))
        return Scalar::Real;
    return Scalar::Conflict;
}

// A value of type `from` may be stored where `to` is expected.
inline bool assignable(ValueType from, ValueType to) {
    if (from.array != to.array)
        return false;
    return from.scalar == to.scalar || (from.scalar == Scalar::Int && to.scalar == Scalar::Real);
}

inline std::optional<long long> literalIndex(const Expr& e) {
    if (e.kind == Expr::Kind::Int)
        return std::stoll(e.text);
    if (e.kind == Expr::Kind::Unary && e.op == Op::Neg && e.args[0].kind == Expr::Kind::Int)
        return -std::stoll(e.args[0].text);
    return std::nullopt;
}

} // namespace velbrant::code
