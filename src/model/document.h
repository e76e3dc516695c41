#pragma once

#include "model/canvas.h"
#include "model/default_labels.h"
#include "model/draw_context.h"
#include "model/element_font.h"
#include "model/layout_context.h"
#include "model/sequence.h"

#include <string>
#include <vector>

namespace velbrant {

// One structogram with what surrounds it on the page: title, comment lines,
// their fonts, the outer frame, centring and scale, and the default font of
// new elements. Lengths are in model units measured from the paper's corner.
class Document {
public:
    // Space between the frame and the title, and below the diagram.
    static constexpr int HeaderMargin = 50;
    static constexpr double MinScale = 0.05;
    static constexpr double MaxScale = 4.0;

    int frameLeft = 150;
    int frameTop = 150;
    int frameWidth = 0;
    int frameHeight = 0;
    int contentLeft = 0;
    int headerTop = 0;
    bool centerHorz = false;
    bool centerVert = false;
    double scale = 1.0;
    std::string title;
    ElementFont titleFont{"Arial", 14, Bold};
    std::vector<std::string> comment;
    ElementFont commentFont{"Arial", 10, 0};
    int frameThickness = 4;
    ElementFont defaultFont{"Arial", 10, 0};
    int defaultLineHeight = 0;
    int titleHeight = 0;
    int commentLineHeight = 0;
    Sequence topSequence{150, 150, 0, 0};

    // Measures the default line height on the surface the document is laid
    // out with; a document is ready to take elements after this.
    explicit Document(TextMeasurer& measurer);

    LayoutContext layoutContext(TextMeasurer& measurer, const DefaultLabels& labels) const;

    // Measures title and comment, widens the top sequence to the widest
    // header line, places it below the header and sizes the frame.
    void layoutFrame(TextMeasurer& measurer);
    // Centres the frame on a page of the size (in mm) where asked to, and
    // lays it out again; twice first, as the header measures settle.
    void layoutOnPage(TextMeasurer& measurer, int paperWidthMm, int paperHeightMm);

    void drawHeader(Canvas& canvas, const DrawContext& context) const;
    // Frame, header and diagram; the context brings labels and clip area,
    // the document its scale.
    void draw(Canvas& canvas, DrawContext context) const;
};

} // namespace velbrant
