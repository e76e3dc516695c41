#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

// The values a running program holds: numbers, truth values, texts
// (UTF-8), arrays (shared by the routines they are given to) and records
// (copied, as a number is).
namespace velbrant::run {

struct ValueBody;

// Numbers and truth values are held in the value; a text, an array's
// elements and a record's fields in a body that copies share: an array is
// the same array wherever it is given, and a record is copied where it is
// stored (`stored`), so that it stays a value of its own.
struct Value {
    enum class Kind : std::uint8_t { Unset, Int, Real, Bool, Text, Array, Record };
    Kind kind = Kind::Unset;
    bool truth = false;
    long long integer = 0;
    double real = 0.0;
    std::shared_ptr<ValueBody> body;

    static Value ofInt(long long v) {
        Value value;
        value.kind = Kind::Int;
        value.integer = v;
        return value;
    }
    static Value ofReal(double v) {
        Value value;
        value.kind = Kind::Real;
        value.real = v;
        return value;
    }
    static Value ofBool(bool v) {
        Value value;
        value.kind = Kind::Bool;
        value.truth = v;
        return value;
    }
    static Value ofText(std::string text);
    static Value emptyArray();
    static Value record(std::vector<Value> fields);

    double number() const { return kind == Kind::Real ? real : static_cast<double>(integer); }
    const std::string& text() const;
    // An array's elements or a record's fields.
    std::vector<Value>& items() const;
    // The value as a variable holds it: a record with fields of its own.
    Value stored() const;
};

struct ValueBody {
    std::string text;
    std::vector<Value> items;
};

// A real number with the fewest decimals that read back as the same
// number ("60", "3.75", "0.1"), as every generated program shows it.
std::string realText(double x);
// A value as the program shows it: "true", "2.5", "Ida"; an array or a
// record in braces.
std::string shownValue(const Value& value);

} // namespace velbrant::run
