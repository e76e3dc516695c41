#pragma once

#include "model/diagram/element_format.h"
#include "model/diagram/selection_state.h"
#include "model/layout/canvas.h"
#include "model/layout/draw_context.h"
#include "model/layout/element_font.h"
#include "model/layout/layout_context.h"
#include "model/layout/units.h"
#include "model/structorizer/nsd_attributes.h"

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace velbrant {

class Sequence;

// One box of a structogram. The base behaviour of every operation is that of
// a plain box with text; compound kinds override the operations that reach
// into their nested sequences.
class Element {
public:
    explicit Element(const LayoutContext& context);
    virtual ~Element() = default;
    Element(const Element&) = delete;
    Element& operator=(const Element&) = delete;

    virtual ElementKind kind() const = 0;
    virtual void draw(Canvas& canvas, const DrawContext& context) const = 0;

    int left() const { return m_left; }
    int top() const { return m_top; }
    int width() const { return m_width; }
    int height() const { return m_height; }
    int bottom() const { return m_top + m_height; }
    virtual void setCoord(Coord index, int value);

    bool isSelected() const { return m_selected; }
    virtual void setSelected(bool selected);

    const ElementFont& font() const { return m_font; }
    // Takes the font and measures the line height it gives.
    void setFont(const ElementFont& font, TextMeasurer& measurer);
    int lineHeight() const { return m_lineHeight; }

    const std::vector<std::string>& lines() const { return m_lines; }
    // The lines as drawn and measured, in UTF-8: the exact text the user
    // typed or a Structorizer file gave, while the lines are still the
    // ones made of it; else the lines themselves.
    std::vector<std::string> shownLines() const;
    void setLines(std::vector<std::string> lines) {
        m_lines = std::move(lines);
        contentChanged();
    }
    // Text as typed, in UTF-8: the lines take its Windows-1252 form (nearest
    // spellings like "<=" for "≤", at most 255 bytes a line), and the exact
    // text is kept beside them when that form lost a character.
    void setTypedLines(const std::vector<std::string>& utf8);
    bool isEmptyStatement() const { return kind() == ElementKind::Block && m_lines.empty(); }

    Alignment hAlign() const { return m_hAlign; }
    Alignment vAlign() const { return m_vAlign; }
    std::uint16_t borderWidth() const { return m_borderWidth; }
    std::uint16_t innerLineWidth() const { return m_innerLineWidth; }
    std::uint16_t kindTag() const { return m_kindTag; }
    // Raw setters for readers, which take stored values as they are.
    void setHAlign(Alignment align);
    void setVAlign(Alignment align);
    void setBorderWidth(std::uint16_t width);
    void setInnerLineWidth(std::uint16_t width);
    void setKindTag(std::uint16_t tag);

    // What a Structorizer file gave the element; none for a new one.
    const NsdAttributes* nsd() const { return m_nsd.get(); }
    void setNsd(std::shared_ptr<const NsdAttributes> attributes) { m_nsd = std::move(attributes); }
    const std::shared_ptr<const NsdAttributes>& nsdShare() const { return m_nsd; }

    // The sequence that holds the element; none before it is put into one.
    Sequence* parent() const { return m_parent; }
    // Whether the measured sizes still hold: every change of the content,
    // here or nested, clears this up to the top, and layout measures again
    // only what it finds cleared.
    bool isLayoutValid() const { return m_layoutValid; }
    void invalidateLayout();

    int minWidth() const { return m_minWidth; }
    int minHeight() const { return m_minHeight; }

    // Called once after a sequence has given a new element its box.
    virtual void setup(const LayoutContext& context);
    // Sets minWidth and minHeight from the content. The text is measured
    // once after each change of lines or font.
    virtual void measure(const LayoutContext& context);
    // Asked by layout for an element whose layout is valid: whether it
    // stays as it is, only moved, for the pass to check at its end.
    virtual bool keepLayout(LayoutPass& pass);

    // Offers a new element for a nested sequence at the point. Takes
    // ownership and answers true only when the element went in.
    virtual bool insertInto(std::unique_ptr<Element>& element, Point point, InsertMode mode,
                            const LayoutContext& context);
    // Deletes selected elements of nested sequences; true if any went.
    virtual bool deleteSelectedInside(const LayoutContext& context);
    // Whether an insertion at the point goes into the element (`takes`),
    // and into which nested sequence; taken with no sequence, it goes
    // nowhere (a case below its head, outside its columns).
    struct NestedTarget {
        bool takes = false;
        Sequence* sequence = nullptr;
    };
    virtual NestedTarget nestedTargetAt(Point point);

    // Right and bottom edges excluded.
    virtual bool selectAt(Point point, SelectionState& state);
    // Selects when the box lies wholly inside the rectangle, edges included.
    virtual bool selectInRect(Point topLeft, Point bottomRight, SelectionState& state);
    // The innermost element at the point, all edges included.
    virtual Element* elementAt(Point point);

    // Fills the record from a selected element; false leaves it untouched.
    virtual bool getFormat(ElementFormat& format) const;
    // Applies the non-zero fields of the record to a selected element.
    virtual void applyFormat(const ElementFormat& format, const LayoutContext& context);

protected:
    friend class Sequence;
    // Moves the box's corner without its nested sequences: layout does this
    // just before measuring, which places them relative to the new corner.
    void moveTo(int left, int top) {
        m_left = clampCoordinate(left);
        m_top = clampCoordinate(top);
    }

    bool contains(Point point) const;
    bool liesWithin(Point topLeft, Point bottomRight) const;

    Color boxFill(const DrawStyle& style) const;
    // Outline and fill of the box; leaves the element font and the inner pen
    // set for the kind's own drawing.
    void drawBox(Canvas& canvas, const DrawContext& context) const;
    // The text lines from y = top, at the anchor x that hAlign picks.
    void drawLines(Canvas& canvas, const DrawContext& context, int anchorX, int top,
                   Alignment align) const;
    // The text placed as in a statement: by hAlign and vAlign in the box.
    void drawStatementText(Canvas& canvas, const DrawContext& context) const;
    // The x a line of text is aligned to inside the box, by hAlign.
    int textAnchorX() const;
    // Offset of the first text line below the top edge, by vAlign.
    int textOffsetY() const;

    // Stores measured sizes; the width is at least the two text margins.
    void setMinSize(std::int64_t width, std::int64_t height);

private:
    // Lines, font or format changed: the text is measured again.
    void contentChanged();
    void measureText(const LayoutContext& context);

    int m_left = 0;
    int m_top = 0;
    int m_width = 0;
    int m_height = 0;
    bool m_selected = false;
    ElementFont m_font;
    std::uint16_t m_kindTag = 0;
    std::uint16_t m_innerLineWidth = 2;
    std::uint16_t m_borderWidth = 4;
    Alignment m_hAlign = Alignment::Start;
    Alignment m_vAlign = Alignment::Center;
    std::vector<std::string> m_lines;
    std::shared_ptr<const NsdAttributes> m_nsd;
    Sequence* m_parent = nullptr;
    std::int64_t m_textWidth = 0;
    std::int64_t m_textHeight = 0;
    bool m_textMeasured = false;
    bool m_layoutValid = false;
    int m_minHeight = 0;
    int m_minWidth = 0;
    int m_lineHeight = 0;
};

} // namespace velbrant
