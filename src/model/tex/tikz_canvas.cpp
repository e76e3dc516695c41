#include "model/tex/tikz_canvas.h"

#include "model/files/windows1252.h"
#include "model/layout/element_font.h"
#include "model/tex/tex_text.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>

namespace velbrant::tex {

namespace {

// The Symbol font's bytes, which the drawn text names by the Windows-1252
// characters at their places.
std::string symbolBytes(std::string_view utf8) {
    ReplacedCharacters replaced;
    return windows1252FromUtf8(utf8, replaced);
}

std::string number(double value) {
    char text[32];
    std::snprintf(text, sizeof text, "%.2f", value);
    std::string written(text);
    while (written.ends_with('0'))
        written.pop_back();
    if (written.ends_with('.'))
        written.pop_back();
    return written;
}

} // namespace

void TikzCanvas::setFont(const ElementFont& font, double heightFactor) {
    m_measurer.setFont(font, heightFactor);
    m_symbols = isSymbolFont(font);
    const double points = std::max(1, std::abs(static_cast<int>(font.size))) * heightFactor;
    m_font = "\\fontfamily{phv}\\fontsize{" + number(points) + "}{" + number(points * 1.2) +
             "}\\selectfont";
    if (font.isBold())
        m_font += "\\bfseries";
    if (font.isItalic())
        m_font += "\\itshape";
}

void TikzCanvas::setBrush(Color c) {
    m_fill = color(c);
}

std::string TikzCanvas::color(Color c) {
    return "{rgb,255:red," + std::to_string(c.red) + ";green," + std::to_string(c.green) +
           ";blue," + std::to_string(c.blue) + "}";
}

std::string TikzCanvas::point(Point p) {
    return "(" + std::to_string(p.x) + "," + std::to_string(p.y) + ")";
}

// A pen of width 0 is the thinnest line: a tenth of a millimetre.
std::string TikzCanvas::drawOptions(bool filled) const {
    std::string options = "[line width=" + number(std::max(m_penWidth, 1) * 0.1) + "mm";
    if (filled && !m_fill.empty())
        options += ",fill=" + m_fill;
    return options + "]";
}

void TikzCanvas::rectangle(Point topLeft, Point bottomRight) {
    m_commands += "\\draw" + drawOptions(true) + " " + point(topLeft) + " rectangle " +
                  point(bottomRight) + ";\n";
}

void TikzCanvas::ellipse(Point topLeft, Point bottomRight) {
    const Point centre{(topLeft.x + bottomRight.x) / 2, (topLeft.y + bottomRight.y) / 2};
    m_commands += "\\draw" + drawOptions(true) + " " + point(centre) + " ellipse (" +
                  number((bottomRight.x - topLeft.x) / 2.0) + " and " +
                  number((bottomRight.y - topLeft.y) / 2.0) + ");\n";
}

void TikzCanvas::polygon(std::span<const Point> points) {
    if (points.empty())
        return;
    std::string path;
    for (const Point& p : points)
        path += point(p) + " -- ";
    m_commands += "\\draw" + drawOptions(true) + " " + path + "cycle;\n";
}

void TikzCanvas::polyline(std::span<const Point> points) {
    if (points.size() < 2)
        return;
    std::string path;
    for (const Point& p : points)
        path += (path.empty() ? "" : " -- ") + point(p);
    m_commands += "\\draw" + drawOptions(false) + " " + path + ";\n";
}

void TikzCanvas::line(Point from, Point to) {
    m_commands += "\\draw" + drawOptions(false) + " " + point(from) + " -- " + point(to) + ";\n";
}

void TikzCanvas::text(Point topLeft, std::string_view text) {
    if (text.empty())
        return;
    std::string options = "[anchor=north west,inner sep=0pt,font=" + m_font;
    if (!(m_textColor == Black))
        options += ",text=" + color(m_textColor);
    m_commands += "\\node" + options + "] at " + point(topLeft) + " {" +
                  (m_symbols ? escapedSymbols(symbolBytes(text)) : escapedUtf8(text)) + "};\n";
}

} // namespace velbrant::tex
