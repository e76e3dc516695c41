#include "model/run/value.h"

#include <cstdio>
#include <cstdlib>

namespace velbrant::run {

Value Value::ofText(std::string text) {
    Value value;
    value.kind = Kind::Text;
    value.body = std::make_shared<ValueBody>(ValueBody{std::move(text), {}});
    return value;
}

Value Value::emptyArray() {
    Value value;
    value.kind = Kind::Array;
    value.body = std::make_shared<ValueBody>();
    return value;
}

Value Value::record(std::vector<Value> fields) {
    Value value;
    value.kind = Kind::Record;
    value.body = std::make_shared<ValueBody>(ValueBody{{}, std::move(fields)});
    return value;
}

const std::string& Value::text() const {
    static const std::string none;
    return body ? body->text : none;
}

std::vector<Value>& Value::items() const {
    return body->items;
}

Value Value::stored() const {
    if (kind != Kind::Record)
        return *this;
    std::vector<Value> fields;
    for (const Value& field : body->items)
        fields.push_back(field.stored());
    return record(std::move(fields));
}

std::string realText(double x) {
    char text[512];
    for (int decimals = 0; decimals <= 30; ++decimals) {
        std::snprintf(text, sizeof text, "%.*f", decimals, x);
        if (std::strtod(text, nullptr) == x)
            return text;
    }
    std::snprintf(text, sizeof text, "%.17g", x);
    return text;
}

std::string shownValue(const Value& value) {
    switch (value.kind) {
    case Value::Kind::Int:
        return std::to_string(value.integer);
    case Value::Kind::Real:
        return realText(value.real);
    case Value::Kind::Bool:
        return value.truth ? "true" : "false";
    case Value::Kind::Text:
        return value.text();
    case Value::Kind::Array:
    case Value::Kind::Record: {
        const std::vector<Value>& parts = value.items();
        std::string text = "{";
        for (std::size_t i = 0; i < parts.size(); ++i)
            text += (i == 0 ? "" : ", ") + shownValue(parts[i]);
        return text + "}";
    }
    default:
        return "?";
    }
}

} // namespace velbrant::run
