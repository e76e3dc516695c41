#include "model/diagram/element.h"

#include "model/diagram/sequence.h"
#include "model/files/windows1252.h"
#include "model/layout/text_line.h"

#include <algorithm>

namespace velbrant {

Element::Element(const LayoutContext& context)
    : m_font(context.defaultFont), m_lineHeight(context.defaultLineHeight) {}

void Element::setCoord(Coord index, int value) {
    switch (index) {
    case Coord::Left:
        m_left = clampCoordinate(value);
        break;
    case Coord::Top:
        m_top = clampCoordinate(value);
        break;
    case Coord::Width:
        m_width = clampExtent(value);
        break;
    case Coord::Height:
        m_height = clampExtent(value);
        break;
    }
}

void Element::setSelected(bool selected) {
    m_selected = selected;
}

void Element::setFont(const ElementFont& font, TextMeasurer& measurer) {
    m_font = font;
    m_lineHeight = lineHeightOf(measurer, font);
    contentChanged();
}

void Element::setHAlign(Alignment align) {
    if (m_hAlign != align)
        contentChanged();
    m_hAlign = align;
}

void Element::setVAlign(Alignment align) {
    if (m_vAlign != align)
        contentChanged();
    m_vAlign = align;
}

void Element::setBorderWidth(std::uint16_t width) {
    m_borderWidth = width;
    contentChanged();
}

void Element::setInnerLineWidth(std::uint16_t width) {
    m_innerLineWidth = width;
    contentChanged();
}

void Element::setKindTag(std::uint16_t tag) {
    m_kindTag = tag;
    contentChanged();
}

void Element::contentChanged() {
    m_textMeasured = false;
    invalidateLayout();
}

// Walks to the top every time: an ancestor may have been laid out again
// on its own since this element was last cleared.
void Element::invalidateLayout() {
    for (Element* element = this; element != nullptr;) {
        element->m_layoutValid = false;
        element = element->m_parent != nullptr ? element->m_parent->owner() : nullptr;
    }
}

void Element::setup(const LayoutContext& context) {
    measure(context);
}

void Element::measure(const LayoutContext& context) {
    if (!m_textMeasured)
        measureText(context);
    setMinSize(m_textWidth, m_textHeight);
}

std::vector<std::string> Element::shownLines() const {
    if (m_nsd != nullptr && hasExactText(*m_nsd, m_lines))
        return m_nsd->fileLines;
    std::vector<std::string> shown;
    shown.reserve(m_lines.size());
    for (const std::string& line : m_lines)
        shown.push_back(utf8FromWindows1252(line));
    return shown;
}

void Element::setTypedLines(const std::vector<std::string>& utf8) {
    TypedText typed = typedText(m_nsd, utf8);
    m_nsd = std::move(typed.attributes);
    setLines(std::move(typed.lines));
}

void Element::measureText(const LayoutContext& context) {
    m_textMeasured = true;
    const int lineCount = static_cast<int>(m_lines.size());
    if (lineCount == 0) {
        m_textWidth = 2 * TextMarginX;
        m_textHeight = 2 * TextMarginY + m_lineHeight;
        return;
    }
    context.measurer.setFont(m_font, 1.0);
    int widest = 0;
    for (const std::string& line : shownLines())
        widest = std::max(widest, tabbedTextWidth(context.measurer, line, TabWidth));
    m_textWidth = std::int64_t{widest} + 2 * TextMarginX;
    m_textHeight = std::int64_t{lineCount} * (m_lineHeight + LineGap) + 2 * TextMarginY - LineGap;
}

void Element::setMinSize(std::int64_t width, std::int64_t height) {
    m_minWidth = clampExtent(std::max<std::int64_t>(width, 2 * TextMarginX));
    m_minHeight = clampExtent(height);
}

bool Element::keepLayout(LayoutPass&) {
    return false;
}

bool Element::insertInto(std::unique_ptr<Element>&, Point, InsertMode, const LayoutContext&) {
    return false;
}

bool Element::deleteSelectedInside(const LayoutContext&) {
    return false;
}

Element::NestedTarget Element::nestedTargetAt(Point) {
    return {};
}

bool Element::contains(Point point) const {
    return point.x >= m_left && point.x < m_left + m_width && point.y >= m_top &&
           point.y < m_top + m_height;
}

bool Element::liesWithin(Point topLeft, Point bottomRight) const {
    return m_left >= topLeft.x && m_top >= topLeft.y && m_left + m_width <= bottomRight.x &&
           m_top + m_height <= bottomRight.y;
}

bool Element::selectAt(Point point, SelectionState&) {
    if (!contains(point))
        return false;
    setSelected(true);
    return true;
}

bool Element::selectInRect(Point topLeft, Point bottomRight, SelectionState&) {
    if (!liesWithin(topLeft, bottomRight))
        return false;
    setSelected(true);
    return true;
}

Element* Element::elementAt(Point point) {
    const bool inside = point.x >= m_left && point.x <= m_left + m_width && point.y >= m_top &&
                        point.y <= m_top + m_height;
    return inside ? this : nullptr;
}

bool Element::getFormat(ElementFormat& format) const {
    if (!m_selected)
        return false;
    format.hAlign = m_hAlign;
    format.vAlign = m_vAlign;
    format.borderWidth = m_borderWidth;
    format.innerLineWidth = m_innerLineWidth;
    format.font = m_font;
    return true;
}

void Element::applyFormat(const ElementFormat& format, const LayoutContext& context) {
    if (!m_selected)
        return;
    // A font without a size keeps each element's own size.
    if (!format.font.name.empty()) {
        ElementFont font = format.font;
        if (font.size == 0)
            font.size = m_font.size;
        setFont(font, context.measurer);
    }
    if (format.borderWidth != 0)
        setBorderWidth(format.borderWidth);
    if (format.innerLineWidth != 0)
        setInnerLineWidth(format.innerLineWidth);
    if (format.hAlign != Alignment::Unchanged)
        setHAlign(format.hAlign);
    if (format.vAlign != Alignment::Unchanged)
        setVAlign(format.vAlign);
}

// Structorizer's colour, or its grey for a disabled element.
Color Element::boxFill(const DrawStyle& style) const {
    if (m_nsd == nullptr)
        return White;
    if (m_nsd->disabled)
        return DisabledGrey;
    return style.blackAndWhite ? White : m_nsd->fill().value_or(White);
}

void Element::drawBox(Canvas& canvas, const DrawContext& context) const {
    canvas.setFont(m_font, context.scale);
    canvas.setPen(context.scaled(drawnLineWidth(m_borderWidth)));
    canvas.setBrush(m_selected && context.showsSelection ? Yellow : boxFill(context.style));
    canvas.rectangle(context.map(m_left, m_top), context.map(m_left + m_width, bottom()));
    canvas.setPen(context.scaled(drawnLineWidth(m_innerLineWidth)));
}

void Element::drawLines(Canvas& canvas, const DrawContext& context, int anchorX, int top,
                        Alignment align) const {
    const bool blank = context.style.isBlank(this);
    if (blank && !context.style.solution)
        return;
    // The solution marks what the worksheet left blank: in colour, or bold
    // for the copier.
    ElementFont font = m_font;
    if (blank && context.style.blackAndWhite) {
        font.style |= Bold;
        canvas.setFont(font, context.scale);
    } else if (blank) {
        canvas.setTextColor(SolutionBlue);
    }
    const int tabStep = context.scaled(TabWidth);
    const int step = m_lineHeight + LineGap;
    int y = top;
    for (const std::string& line : shownLines()) {
        // An element may hold thousands of lines and a page or a strip of the
        // screen shows a few of them; a line's glyphs may reach a line beyond it.
        if (context.isVisible(m_left, y - step, m_left + m_width, y + 2 * step, 0))
            drawTextLine(canvas, context, context.map(anchorX, y), font, align, tabStep, line);
        y += step;
    }
    if (blank) {
        canvas.setTextColor(Black);
        canvas.setFont(m_font, context.scale);
    }
}

void Element::drawStatementText(Canvas& canvas, const DrawContext& context) const {
    drawLines(canvas, context, textAnchorX(), m_top + textOffsetY(), m_hAlign);
}

int Element::textAnchorX() const {
    switch (m_hAlign) {
    case Alignment::Center:
        return m_left + m_width / 2;
    case Alignment::End:
        return m_left + m_width - TextMarginX;
    default:
        return m_left + TextMarginX;
    }
}

int Element::textOffsetY() const {
    switch (vAlign()) {
    case Alignment::Center:
        return (height() - minHeight()) / 2 + TextMarginY;
    case Alignment::End:
        return height() - minHeight() + TextMarginY;
    default:
        return TextMarginY;
    }
}

} // namespace velbrant
