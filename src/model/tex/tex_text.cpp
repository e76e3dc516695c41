#include "model/tex/tex_text.h"

#include "model/files/windows1252.h"

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

std::string escapedUtf8(std::string_view text) {
    return escapedWith(text, [](char c) { return std::string(1, c); });
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
