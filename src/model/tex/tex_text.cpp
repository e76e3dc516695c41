#include "model/tex/tex_text.h"

#include "model/files/windows1252.h"

#include <array>
#include <utility>

namespace velbrant::tex {

namespace {

// `convert` gives a byte that is no command its characters.
template <typename Convert> std::string escapedWith(std::string_view text, Convert convert) {
    std::string out;
    char previous = '\0';
    for (const char c : text) {
        switch (c) {
        case '\\':
            out += "\\textbackslash{}";
            break;
        case '{':
        case '}':
        case '_':
        case '%':
        case '&':
        case '#':
        case '$':
            out += '\\';
            out += c;
            break;
        case '~':
            out += "\\textasciitilde{}";
            break;
        case '^':
            out += "\\textasciicircum{}";
            break;
        case ' ':
            // TeX joins blanks: the second of a run is written as one.
            out += previous == ' ' ? "\\ " : " ";
            break;
        default:
            out += convert(c);
        }
        previous = c;
    }
    return out;
}

} // namespace

std::string escaped(std::string_view text) {
    return escapedWith(text, [](char c) { return utf8FromWindows1252(std::string_view(&c, 1)); });
}

namespace {

// Signs pdflatex's UTF-8 input does not know, set as math.
constexpr std::array<std::pair<std::string_view, std::string_view>, 8> MathSigns = {{
    {"\u2264", "$\\leq$"},
    {"\u2265", "$\\geq$"},
    {"\u2260", "$\\neq$"},
    {"\u2190", "$\\leftarrow$"},
    {"\u2192", "$\\rightarrow$"},
    {"\u00D7", "$\\times$"},
    {"\u00F7", "$\\div$"},
    {"\u2205", "$\\emptyset$"},
}};

} // namespace

std::string escapedUtf8(std::string_view text) {
    std::string out;
    std::size_t plain = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if ((text[i] & 0x80) == 0)
            continue;
        for (const auto& [sign, math] : MathSigns) {
            if (text.substr(i, sign.size()) != sign)
                continue;
            out += escapedWith(text.substr(plain, i - plain),
                               [](char c) { return std::string(1, c); });
            out += math;
            i += sign.size() - 1;
            plain = i + 1;
            break;
        }
    }
    return out + escapedWith(text.substr(plain), [](char c) { return std::string(1, c); });
}

std::string escapedSymbols(std::string_view text) {
    std::string out;
    for (const char c : text) {
        switch (static_cast<unsigned char>(c)) {
        case 0xAC:
            out += "$\\leftarrow$";
            break;
        case 0xAE:
            out += "$\\rightarrow$";
            break;
        case 0xA3:
            out += "$\\leq$";
            break;
        case 0xB3:
            out += "$\\geq$";
            break;
        case 0xB9:
            out += "$\\neq$";
            break;
        default:
            out += escaped(std::string_view(&c, 1));
        }
    }
    return out;
}

} // namespace velbrant::tex
