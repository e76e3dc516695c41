#include "model/tex/tex_writer.h"

#include "model/messages/said.h"
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
    std::string picture = "% " +
                          messages::said("tex", "%1 (Struktogramm aus Velbrant)")
                              .arg(escaped(document.format().title))
                              .str() +
                          "\n";
    if (!standalone)
        picture += "% " +
                   messages::said("tex", "Braucht in der Präambel: %1")
                       .arg("\\usepackage[T1]{fontenc} \\usepackage[utf8]{inputenc} "
                            "\\usepackage{helvet} \\usepackage{tikz}")
                       .str() +
                   "\n";
    picture += "\\begin{tikzpicture}[x=0.1mm,y=-0.1mm,line cap=round,line join=round]\n" +
               canvas.commands() + "\\end{tikzpicture}\n";
    if (!standalone)
        return picture;
    return std::string("\\documentclass[border=0pt]{standalone}\n") + Packages +
           "\\begin{document}\n" + picture + "\\end{document}\n";
}

} // namespace velbrant::tex
