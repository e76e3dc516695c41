#pragma once

#include "model/files/windows1252.h"
#include "model/program/code_tree.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

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
    if (from.scalar == Scalar::Record || to.scalar == Scalar::Record)
        return from.scalar == to.scalar && from.record == to.record;
    return from.scalar == to.scalar || (from.scalar == Scalar::Int && to.scalar == Scalar::Real);
}

// Record types and fields go by their names, whatever their case.
inline std::int32_t recordNamed(const std::vector<RecordType>& records, std::string_view name) {
    const std::string key = lowered(name);
    for (std::size_t i = 0; i < records.size(); ++i) {
        if (lowered(records[i].name) == key)
            return static_cast<std::int32_t>(i);
    }
    return -1;
}

inline const RecordField* fieldNamed(const RecordType& record, std::string_view name) {
    const std::string key = lowered(name);
    for (const RecordField& field : record.fields) {
        if (lowered(field.name) == key)
            return &field;
    }
    return nullptr;
}

// Where the field of that name (which the record has) stands.
inline std::size_t fieldIndex(const RecordType& record, std::string_view name) {
    return static_cast<std::size_t>(fieldNamed(record, name) - record.fields.data());
}

// The one record type with a field of that name, if only one has it.
inline std::int32_t recordWithField(const std::vector<RecordType>& records,
                                    std::string_view field) {
    std::int32_t found = -1;
    for (std::size_t i = 0; i < records.size(); ++i) {
        if (fieldNamed(records[i], field) != nullptr) {
            if (found >= 0)
                return -1;
            found = static_cast<std::int32_t>(i);
        }
    }
    return found;
}

inline std::optional<long long> literalIndex(const Expr& e) {
    if (e.kind == Expr::Kind::Int)
        return std::stoll(e.text);
    if (e.kind == Expr::Kind::Unary && e.op == Op::Neg && e.args[0].kind == Expr::Kind::Int)
        return -std::stoll(e.args[0].text);
    return std::nullopt;
}

} // namespace velbrant::code
