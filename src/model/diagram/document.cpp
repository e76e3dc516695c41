#include "model/diagram/document.h"

#include "model/diagram/compound_element.h"
#include "model/files/windows1252.h"
#include "model/layout/layout_pass.h"
#include "model/layout/text_line.h"

#include <algorithm>
#include <cstdint>

namespace velbrant {

Document::Document(TextMeasurer& measurer)
    : m_defaultLineHeight(lineHeightOf(measurer, m_defaultFont)),
      m_top(std::make_unique<Sequence>(m_format.frameLeft, m_format.frameTop, 0, 0)) {}

void Document::replaceTopSequence(std::unique_ptr<Sequence> top) {
    m_top = std::move(top);
}

Extended Document::scaleBytes() const {
    if (m_storedScale && fromExtended(*m_storedScale) == m_format.scale)
        return *m_storedScale;
    return toExtended(m_format.scale);
}

LayoutContext Document::layoutContext(TextMeasurer& measurer, const DefaultLabels& labels) const {
    return LayoutContext{measurer, m_defaultFont, m_defaultLineHeight, labels};
}

void Document::layoutFrame(TextMeasurer& measurer) {
    const double scale = m_format.scale;
    m_layout.contentLeft =
        clampCoordinate(std::int64_t{m_format.frameLeft} + rnd(HeaderMargin * scale));
    m_layout.headerTop =
        clampCoordinate(std::int64_t{m_format.frameTop} + rnd(HeaderMargin * scale));

    measurer.setFont(m_format.titleFont, 1.0);
    const std::string title = shownTitle();
    m_layout.titleHeight = measurer.textHeight(title);
    int widest = measurer.textWidth(title);
    measurer.setFont(m_format.commentFont, 1.0);
    m_layout.commentLineHeight = measurer.textHeight("\xC3\x84g"); // "Äg"
    for (const std::string& line : shownComment())
        widest = std::max(widest, tabbedTextWidth(measurer, line, TabWidth));

    Sequence& top = *m_top;
    if (top.width() < widest)
        top.setCoord(Coord::Width, widest);
    top.setCoord(Coord::Left, m_layout.contentLeft);
    const auto lines = static_cast<std::int64_t>(m_format.comment.size());
    const double headerHeight = static_cast<double>(lines * (LineGap + m_layout.commentLineHeight) +
                                                    2 * LineGap + m_layout.titleHeight);
    top.setCoord(Coord::Top,
                 clampCoordinate(std::int64_t{m_layout.headerTop} + rnd(headerHeight * scale)));
    m_layout.frameWidth = clampExtent(rnd((top.width() + 2 * HeaderMargin) * scale));
    m_layout.frameHeight = clampExtent(
        std::int64_t{top.top()} + rnd((top.height() + HeaderMargin) * scale) - m_format.frameTop);
}

std::string Document::shownTitle() const {
    if (m_nsdRoot != nullptr &&
        isExactText({m_nsdRoot->fileTitle}, {m_nsdRoot->shownTitle}, {m_format.title}))
        return m_nsdRoot->fileTitle;
    return utf8FromWindows1252(m_format.title);
}

std::vector<std::string> Document::shownComment() const {
    if (m_nsdRoot != nullptr &&
        isExactText(m_nsdRoot->fileComment, m_nsdRoot->shownComment, m_format.comment))
        return m_nsdRoot->fileComment;
    std::vector<std::string> shown;
    for (const std::string& line : m_format.comment)
        shown.push_back(utf8FromWindows1252(line));
    return shown;
}

void Document::setTypedHeader(const std::string& title, const std::vector<std::string>& comment) {
    TypedHeader typed = typedHeader(m_nsdRoot, title, comment);
    m_format.title = std::move(typed.title);
    m_format.comment = std::move(typed.comment);
    m_nsdRoot = std::move(typed.root);
}

// Twice first: the second pass sees the width and position the first set.
void Document::layout(TextMeasurer& measurer, PaperSize paper) {
    layoutFrame(measurer);
    layoutFrame(measurer);
    if (m_format.centerHorz)
        m_format.frameLeft = (paper.widthMm * 10 - m_layout.frameWidth) / 2;
    if (m_format.centerVert)
        m_format.frameTop = (paper.heightMm * 10 - m_layout.frameHeight) / 2;
    if (m_format.centerHorz || m_format.centerVert)
        layoutFrame(measurer);
}

void Document::relayout(const LayoutContext& context, PaperSize paper) {
    LayoutPass pass;
    LayoutContext inPass = context;
    inPass.pass = &pass;
    m_top->relayout(inPass);
    layout(context.measurer, paper);
    pass.finish(context);
}

// Header positions are already scaled, so only fonts and tab steps scale.
void Document::drawHeader(Canvas& canvas, const DrawContext& context) const {
    const double scale = m_format.scale;
    const DrawContext header{scale, {}, context.labels};
    const int tabStep = rnd(TabWidth * scale);
    canvas.setFont(m_format.titleFont, scale);
    drawTextLine(canvas, header, {m_layout.contentLeft, m_layout.headerTop}, m_format.titleFont,
                 Alignment::Start, tabStep, shownTitle());
    int y = clampCoordinate(std::int64_t{m_layout.headerTop} +
                            rnd((2 * LineGap + m_layout.titleHeight) * scale));
    canvas.setFont(m_format.commentFont, scale);
    for (const std::string& line : shownComment()) {
        drawTextLine(canvas, header, {m_layout.contentLeft, y}, m_format.commentFont,
                     Alignment::Start, tabStep, line);
        y = clampCoordinate(std::int64_t{y} + rnd((LineGap + m_layout.commentLineHeight) * scale));
    }
}

void Document::draw(Canvas& canvas, DrawContext context) const {
    canvas.setPen(rnd(m_format.frameThickness * m_format.scale));
    canvas.setHollowBrush();
    canvas.rectangle(
        {m_format.frameLeft, m_format.frameTop},
        {m_format.frameLeft + m_layout.frameWidth, m_format.frameTop + m_layout.frameHeight});
    drawHeader(canvas, context);
    const DrawContext transform = diagramTransform();
    context.scale = transform.scale;
    context.origin = transform.origin;
    m_top->draw(canvas, context);
}

DrawContext Document::diagramTransform() const {
    DrawContext transform;
    transform.scale = m_format.scale;
    transform.origin = {m_top->left(), m_top->top()};
    return transform;
}

namespace {

void collectBoxes(const Sequence& sequence, const DrawContext& transform,
                  std::vector<Document::DrawnBox>& boxes) {
    for (std::size_t i = 0; i < sequence.size(); ++i) {
        const Element& element = sequence.at(i);
        boxes.push_back({transform.map(element.left(), element.top()),
                         transform.map(element.left() + element.width(), element.bottom()),
                         element.kind()});
        if (const auto* compound = dynamic_cast<const CompoundElement*>(&element))
            for (std::size_t s = 0; s < compound->sequenceCount(); ++s)
                collectBoxes(compound->sequenceAt(s), transform, boxes);
    }
}

} // namespace

std::vector<Document::DrawnBox> Document::drawnElementBoxes() const {
    std::vector<DrawnBox> boxes;
    collectBoxes(*m_top, diagramTransform(), boxes);
    return boxes;
}

std::vector<const Element*> Document::elementsInReadingOrder() const {
    std::vector<const Element*> elements;
    m_top->walkReadingOrder([&elements](Element& element, Sequence&) {
        elements.push_back(&element);
        return true;
    });
    return elements;
}

std::vector<const Element*> Document::breakpoints() const {
    std::vector<const Element*> elements;
    m_top->walkReadingOrder([&elements](Element& element, Sequence&) {
        if (element.nsd() != nullptr && element.nsd()->breakpoint())
            elements.push_back(&element);
        return true;
    });
    return elements;
}

} // namespace velbrant
