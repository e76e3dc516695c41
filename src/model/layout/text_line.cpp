#include "model/layout/text_line.h"

#include "model/files/windows1252.h"

#include <algorithm>

namespace velbrant {

namespace {

// Walks a line piece by piece, keeping the pen position the way tab stops
// and arrow signs move it.
class TextLineWriter {
public:
    TextLineWriter(Canvas& canvas, const DrawContext& context, const ElementFont& font, Point start,
                   int tabStep)
        : m_canvas(canvas), m_context(context), m_font(font), m_x(start.x), m_y(start.y),
          m_tabStep(tabStep) {}

    void write(std::string_view text) {
        std::size_t pieceStart = 0;
        for (std::size_t i = 0; i < text.size(); ++i) {
            if (text[i] == '\t') {
                flushPiece(text.substr(pieceStart, i - pieceStart));
                advanceToNextTabStop();
                pieceStart = i + 1;
            } else if (isArrow(text, i)) {
                flushPiece(text.substr(pieceStart, i - pieceStart));
                drawArrow();
                ++i;
                pieceStart = i + 1;
            }
        }
        flushPiece(text.substr(pieceStart));
    }

private:
    bool isArrow(std::string_view text, std::size_t i) const {
        return m_context.labels.replaceArrow && text[i] == '<' && i + 1 < text.size() &&
               text[i + 1] == '-';
    }

    void flushPiece(std::string_view piece) {
        if (piece.empty())
            return;
        m_canvas.text({m_x + m_offset, m_y}, piece);
        m_offset += m_canvas.textWidth(piece);
    }

    void advanceToNextTabStop() {
        m_x += (m_offset / m_tabStep + 1) * m_tabStep;
        m_offset = 0;
    }

    void drawArrow() {
        const ElementFont symbol{"Symbol", m_font.size, m_font.style};
        // The Symbol font's arrow byte, as the character Windows-1252 has there.
        const std::string arrow = utf8FromWindows1252(std::string_view(&SymbolLeftArrow, 1));
        m_canvas.setFont(symbol, m_context.scale);
        m_canvas.text({m_x + m_offset, m_y}, arrow);
        m_offset += m_canvas.textWidth(arrow);
        m_canvas.setFont(m_font, m_context.scale);
    }

    Canvas& m_canvas;
    const DrawContext& m_context;
    const ElementFont& m_font;
    int m_x;
    int m_y;
    int m_tabStep;
    int m_offset = 0;
};

} // namespace

void drawTextLine(Canvas& canvas, const DrawContext& context, Point anchor, const ElementFont& font,
                  Alignment align, int tabStep, std::string_view text) {
    tabStep = std::max(tabStep, 1);
    const int width = tabbedTextWidth(canvas, text, tabStep);
    if (align == Alignment::End)
        anchor.x -= width;
    else if (align == Alignment::Center)
        anchor.x -= width / 2;
    TextLineWriter(canvas, context, font, anchor, tabStep).write(text);
}

} // namespace velbrant
