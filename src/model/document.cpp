#include "model/document.h"

#include "model/text_line.h"

#include <algorithm>
#include <cstdint>

namespace velbrant {

Document::Document(TextMeasurer& measurer)
    : defaultLineHeight(lineHeightOf(measurer, defaultFont)) {
    topSequence.setModified(false);
}

LayoutContext Document::layoutContext(TextMeasurer& measurer, const DefaultLabels& labels) const {
    return LayoutContext{measurer, defaultFont, defaultLineHeight, labels};
}

void Document::layoutFrame(TextMeasurer& measurer) {
    contentLeft = frameLeft + rnd(HeaderMargin * scale);
    headerTop = frameTop + rnd(HeaderMargin * scale);

    measurer.setFont(titleFont, 1.0);
    titleHeight = measurer.textHeight(title);
    int widest = measurer.textWidth(title);
    measurer.setFont(commentFont, 1.0);
    commentLineHeight = measurer.textHeight("\xC4g"); // "Äg"
    for (const std::string& line : comment)
        widest = std::max(widest, tabbedTextWidth(measurer, line, TabWidth));

    if (topSequence.width() < widest)
        topSequence.setCoord(Coord::Width, widest);
    topSequence.setCoord(Coord::Left, contentLeft);
    const auto lines = static_cast<std::int64_t>(comment.size());
    const double headerHeight =
        static_cast<double>(lines * (LineGap + commentLineHeight) + 2 * LineGap + titleHeight);
    topSequence.setCoord(Coord::Top, headerTop + rnd(headerHeight * scale));
    frameWidth = rnd((topSequence.width() + 2 * HeaderMargin) * scale);
    frameHeight = topSequence.top() + rnd((topSequence.height() + HeaderMargin) * scale) - frameTop;
}

void Document::layoutOnPage(TextMeasurer& measurer, int paperWidthMm, int paperHeightMm) {
    layoutFrame(measurer);
    layoutFrame(measurer);
    if (centerHorz)
        frameLeft = (paperWidthMm * 10 - frameWidth) / 2;
    if (centerVert)
        frameTop = (paperHeightMm * 10 - frameHeight) / 2;
    if (centerHorz || centerVert)
        layoutFrame(measurer);
}

// Header positions are already scaled, so only fonts and tab steps scale.
void Document::drawHeader(Canvas& canvas, const DrawContext& context) const {
    const DrawContext header{scale, {}, context.labels};
    const int tabStep = rnd(TabWidth * scale);
    canvas.setFont(titleFont, scale);
    drawTextLine(canvas, header, {contentLeft, headerTop}, titleFont, Alignment::Start, tabStep,
                 title);
    int y = headerTop + rnd((2 * LineGap + titleHeight) * scale);
    canvas.setFont(commentFont, scale);
    for (const std::string& line : comment) {
        drawTextLine(canvas, header, {contentLeft, y}, commentFont, Alignment::Start, tabStep,
                     line);
        y += rnd((LineGap + commentLineHeight) * scale);
    }
}

void Document::draw(Canvas& canvas, DrawContext context) const {
    canvas.setPen(rnd(frameThickness * scale));
    canvas.setHollowBrush();
    canvas.rectangle({frameLeft, frameTop}, {frameLeft + frameWidth, frameTop + frameHeight});
    drawHeader(canvas, context);
    context.scale = scale;
    context.origin = {topSequence.left(), topSequence.top()};
    topSequence.draw(canvas, context);
}

} // namespace velbrant
