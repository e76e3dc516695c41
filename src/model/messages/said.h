#pragma once

#include <concepts>
#include <functional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

// The model's messages are written in German, the language its texts are
// written in. The model knows no Qt: the program installs a translation
// that says them in its language, and lupdate collects them from every
// said("context", "text") in the sources.
namespace velbrant::messages {

// Gives the text in the program's language, or an empty text when it has
// none for it.
using Translation = std::function<std::string(const char* context, const char* german)>;

// Installed once, before any message is said; none says them in German.
void installTranslation(Translation translation);

// A message with places %1 to %9 that the arguments fill, in the order
// they are given, after the pattern has been translated.
class Said {
public:
    Said(const char* context, const char* german);

    Said& arg(std::string_view value);
    Said& arg(const std::string& value) { return arg(std::string_view(value)); }
    Said& arg(const char* value) { return arg(std::string_view(value)); }
    template <std::integral Number>
    requires(!std::same_as<Number, char> && !std::same_as<Number, bool>) Said& arg(Number value) {
        return arg(std::string_view(std::to_string(value)));
    }

    std::string str() const;
    operator std::string() const { return str(); }

    // The translated pattern as texts and places (counted from 0), for a
    // generated program that fills the places itself.
    struct Piece {
        std::string text;
        int place = -1;
    };
    std::vector<Piece> pieces() const;

private:
    std::string m_pattern;
    std::vector<std::string> m_values;
};

inline Said said(const char* context, const char* german) {
    return Said(context, german);
}

// Marks a text for translation where it is named; said("context", text)
// says it when a message needs it. A reader names what it reads for every
// field and says it only when the field is wrong.
constexpr const char* saidLater(const char* /*context*/, const char* german) {
    return german;
}

// "1 Farbe", "3 Farben": the message for one or for many, %1 the count;
// further places are filled by further args.
inline Said counted(long long count, Said one, Said many) {
    Said message = count == 1 ? std::move(one) : std::move(many);
    message.arg(count);
    return message;
}

} // namespace velbrant::messages
