#include "model/messages/said.h"

#include <utility>

namespace velbrant::messages {

namespace {

Translation& installed() {
    static Translation translation;
    return translation;
}

} // namespace

void installTranslation(Translation translation) {
    installed() = std::move(translation);
}

Said::Said(const char* context, const char* german) {
    if (installed())
        m_pattern = installed()(context, german);
    if (m_pattern.empty())
        m_pattern = german;
}

Said& Said::arg(std::string_view value) {
    m_values.emplace_back(value);
    return *this;
}

std::vector<Said::Piece> Said::pieces() const {
    std::vector<Piece> pieces(1);
    for (std::size_t i = 0; i < m_pattern.size(); ++i) {
        const bool place = m_pattern[i] == '%' && i + 1 < m_pattern.size() &&
                           m_pattern[i + 1] >= '1' && m_pattern[i + 1] <= '9';
        if (!place) {
            pieces.back().text += m_pattern[i];
            continue;
        }
        if (pieces.back().text.empty())
            pieces.pop_back();
        pieces.push_back({{}, m_pattern[++i] - '1'});
        pieces.emplace_back();
    }
    if (pieces.back().text.empty())
        pieces.pop_back();
    return pieces;
}

// One pass over the pattern, so a value that holds "%2" stays as it is.
std::string Said::str() const {
    std::string text;
    for (const Piece& piece : pieces()) {
        const auto place = static_cast<std::size_t>(piece.place);
        if (piece.place < 0)
            text += piece.text;
        else if (place < m_values.size())
            text += m_values[place];
        else
            text += "%" + std::to_string(piece.place + 1);
    }
    return text;
}

} // namespace velbrant::messages
