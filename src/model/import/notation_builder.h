#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace velbrant::import {

// Writes a diagram in the text notation element by element: a statement's
// lines, compound elements opened and closed around their bodies. Lines
// that the notation would read as a keyword are written behind a
// backslash, so a statement stays a statement.
class NotationBuilder {
public:
    void title(std::string_view text);
    void comment(std::string_view line);
    void statement(const std::vector<std::string>& lines);
    // An element whose keyword is part of its text ("zurück x",
    // "aufruf f(a)", "verlasse").
    void keywordElement(std::string_view line);
    // A compound element's head ("wenn c", "solange c", "für …",
    // "zählschleife …", "wiederhole"); its body follows.
    void open(std::string_view head);
    // "sonst" of a conditional: the next body at the head's level.
    void otherwise();
    // A branch of a case ("fall 1", "sonst") below its head.
    void branch(std::string_view label);
    void close();
    // A repeat loop's foot ("solange c", "bis c") after its body.
    void closeWith(std::string_view foot);
    bool isEmpty() const { return m_elements == 0; }
    // What has been written so far, to go back to when a statement turns
    // out to have no form after all.
    struct Mark {
        std::size_t size;
        std::vector<int> heads;
        int level;
        int elements;
        bool sibling;
    };
    Mark mark() const { return {m_text.size(), m_heads, m_level, m_elements, m_sibling}; }
    void rollback(const Mark& mark);
    const std::string& text() const { return m_text; }

private:
    void startElement();
    void line(std::string_view text);
    void head(std::string_view text);

    std::string m_text;
    std::vector<int> m_heads;
    int m_level = 0;
    int m_elements = 0;
    bool m_sibling = false;
};

} // namespace velbrant::import
