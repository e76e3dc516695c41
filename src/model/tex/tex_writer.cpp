#include "model/tex/tex_writer.h"

#include "model/tex/tex_text.h"
#include "model/tex/tikz_canvas.h"

namespace velbrant::tex {

namespace {

constexpr const char* Packages = "\\usepackage[T1]{fontenc}\n"
                                 "\\usepackage[utf8]{inputenc}\n"
                                 "\\usepackage{helvet}\n"
                                 "\\usepackage{tikz}\n";

} // namespace

std::string writeTikz(const Document& document, TextMeasurer& measurer, const DrawStyle& style,
                      bool standalone) {
    TikzCanvas canvas(measurer);
    DrawContext context;
    context.style = style;
    document.draw(canvas, context);
    std::string picture =
        "% " + escaped(document.format().title) + " (Struktogramm aus Velbrant)\n";
    if (!standalone)
        picture += "% Braucht in der Präambel: \\usepackage[T1]{fontenc} "
                   "\\usepackage[utf8]{inputenc} \\usepackage{helvet} \\usepackage{tikz}\n";
    picture += "\\begin{tikzpicture}[x=0.1mm,y=-0.1mm,line cap=round,line join=round]\n" +
               canvas.commands() + "\\end{tikzpicture}\n";
    if (!standalone)
        return picture;
    return std::string("\\documentclass[border=0pt]{standalone}\n") + Packages +
           "\\begin{document}\n" + picture + "\\end{document}\n";
}

} // namespace velbrant::tex
