#include "model/import/notation_builder.h"

#include "model/notation/keywords.h"

namespace velbrant::import {

namespace {

bool readsAsSomethingElse(std::string_view line) {
    return notation::keywordOf(line) != notation::Keyword::None || notation::isFootWord(line) ||
           line.starts_with('\\') || line.starts_with(notation::Continuation) ||
           line.starts_with(' ') || line.starts_with('\t') ||
           line.find_first_not_of(" \t") == std::string_view::npos;
}

// An element's line holds 255 characters: a longer one goes on in the
// next, after a "\" that the pseudocode reads as going on. Pieces end on
// whole UTF-8 characters.
constexpr std::size_t LongestPiece = 250;

std::vector<std::string> pieces(std::string_view line) {
    std::vector<std::string> cut;
    while (line.size() > LongestPiece) {
        std::size_t end = LongestPiece;
        while (end > 0 && (static_cast<unsigned char>(line[end]) & 0xC0) == 0x80)
            --end;
        cut.push_back(std::string(line.substr(0, end)) + "\\");
        line.remove_prefix(end);
    }
    cut.emplace_back(line);
    return cut;
}

// A title or comment stays on its line.
std::string oneLine(std::string_view text) {
    std::string line(text);
    for (char& c : line) {
        if (c == '\n' || c == '\r')
            c = ' ';
    }
    return line;
}

} // namespace

void NotationBuilder::rollback(const Mark& mark) {
    m_text.resize(mark.size);
    m_heads = mark.heads;
    m_level = mark.level;
    m_elements = mark.elements;
    m_sibling = mark.sibling;
}

void NotationBuilder::title(std::string_view text) {
    m_text += "titel " + notation::encodeRest(oneLine(text)) + "\n";
}

void NotationBuilder::comment(std::string_view line) {
    m_text += "kommentar " + notation::encodeRest(oneLine(line)) + "\n";
}

void NotationBuilder::startElement() {
    if (m_sibling || (m_elements == 0 && !m_text.empty()))
        m_text += '\n';
    ++m_elements;
}

void NotationBuilder::line(std::string_view text) {
    m_text.append(static_cast<std::size_t>(m_level) * 4, ' ');
    m_text += text;
    m_text += '\n';
}

void NotationBuilder::statement(const std::vector<std::string>& lines) {
    startElement();
    for (const std::string& text : lines) {
        for (const std::string& piece : pieces(text))
            line(readsAsSomethingElse(piece) ? "\\" + piece : piece);
    }
    m_sibling = true;
}

// A long head goes on in lines beginning "...".
void NotationBuilder::head(std::string_view text) {
    bool first = true;
    for (const std::string& piece : pieces(text)) {
        line(first ? piece : std::string(notation::Continuation) + piece);
        first = false;
    }
}

void NotationBuilder::keywordElement(std::string_view text) {
    startElement();
    head(text);
    m_sibling = true;
}

void NotationBuilder::open(std::string_view text) {
    startElement();
    head(text);
    m_heads.push_back(m_level);
    ++m_level;
    m_sibling = false;
}

void NotationBuilder::otherwise() {
    m_level = m_heads.back();
    line("sonst");
    ++m_level;
    m_sibling = false;
}

void NotationBuilder::branch(std::string_view label) {
    m_level = m_heads.back() + 1;
    head(label);
    ++m_level;
    m_sibling = false;
}

void NotationBuilder::close() {
    m_level = m_heads.back();
    m_heads.pop_back();
    m_sibling = true;
}

void NotationBuilder::closeWith(std::string_view foot) {
    m_level = m_heads.back();
    head(foot);
    m_heads.pop_back();
    m_sibling = true;
}

} // namespace velbrant::import
