#pragma once

#include "model/diagram/default_labels.h"
#include "model/diagram/sequence.h"
#include "model/files/extended_float.h"
#include "model/layout/canvas.h"
#include "model/layout/draw_context.h"
#include "model/layout/element_font.h"
#include "model/layout/layout_context.h"
#include "model/structorizer/nsd_attributes.h"

#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace velbrant {

// What the structogram format dialog edits: title, comment lines, their
// fonts, where the frame stands on the page, its thickness, the scale.
// Lengths are in model units measured from the paper's corner.
struct DiagramFormat {
    std::string title{};
    ElementFont titleFont{"Arial", 14, Bold};
    std::vector<std::string> comment{};
    ElementFont commentFont{"Arial", 10, 0};
    int frameLeft = 150;
    int frameTop = 150;
    int frameThickness = 4;
    bool centerHorz = false;
    bool centerVert = false;
    double scale = 1.0;
    friend bool operator==(const DiagramFormat&, const DiagramFormat&) = default;
};

// Where the frame layout put the frame and header; files store the first
// four fields.
struct FrameLayout {
    int frameWidth = 0;
    int frameHeight = 0;
    int contentLeft = 0;
    int headerTop = 0;
    int titleHeight = 0;
    int commentLineHeight = 0;
};

// The page a document is laid out on, in whole millimetres.
struct PaperSize {
    int widthMm = 210;
    int heightMm = 297;
};

// One structogram with what surrounds it on the page: its format, the
// frame layout computed from it, the default font of new elements, and the
// top sequence.
class Document {
public:
    // Space between the frame and the title, and below the diagram.
    static constexpr int HeaderMargin = 50;
    static constexpr double MinScale = 0.05;
    static constexpr double MaxScale = 4.0;

    // Measures the default line height on the surface the document is laid
    // out with; a document is ready to take elements after this.
    explicit Document(TextMeasurer& measurer);

    const DiagramFormat& format() const { return m_format; }
    void setFormat(DiagramFormat format) { m_format = std::move(format); }
    const FrameLayout& frameLayout() const { return m_layout; }
    // A layout as a file stores it, kept until the next layout.
    void restoreFrameLayout(const FrameLayout& layout) { m_layout = layout; }
    // The scale's bytes as a file stored them: they are written back while
    // the scale is unchanged, so full 80-bit precision survives a save.
    void restoreStoredScale(const Extended& bytes) { m_storedScale = bytes; }
    Extended scaleBytes() const;

    Sequence& topSequence() { return *m_top; }
    const Sequence& topSequence() const { return *m_top; }
    // Puts a new tree in place of the old one, which is destroyed.
    void replaceTopSequence(std::unique_ptr<Sequence> top);

    // What a Structorizer file's root carried; none for other documents.
    const NsdRoot* nsdRoot() const { return m_nsdRoot.get(); }
    const std::shared_ptr<const NsdRoot>& nsdRootShare() const { return m_nsdRoot; }
    void setNsdRoot(std::shared_ptr<const NsdRoot> root) { m_nsdRoot = std::move(root); }

    const ElementFont& defaultFont() const { return m_defaultFont; }
    LayoutContext layoutContext(TextMeasurer& measurer, const DefaultLabels& labels) const;

    // Measures title and comment, widens the top sequence to the widest
    // header line, places it below the header, sizes the frame, and centres
    // the frame on the page where the format asks for it (the centred
    // position is kept in the format, and so in files).
    void layout(TextMeasurer& measurer, PaperSize paper);
    // After an edit: the diagram (what changed in it) and then the frame,
    // in one layout pass, so that what the frame widens is kept too.
    void relayout(const LayoutContext& context, PaperSize paper);

    // How the diagram is drawn: at the format's scale about the top
    // sequence's corner (frame and header are laid out scaled already).
    DrawContext diagramTransform() const;

    // A box as drawn, in model units from the paper's corner.
    struct DrawnBox {
        Point topLeft;
        Point bottomRight;
        ElementKind kind;
    };
    // Every element's box as drawn, at any depth: where pages may be cut
    // between elements.
    std::vector<DrawnBox> drawnElementBoxes() const;
    // Every element, from top to bottom, a block before what it holds.
    std::vector<const Element*> elementsInReadingOrder() const;
    // The elements a run stops at, in reading order.
    std::vector<const Element*> breakpoints() const;

    // Title and comment as drawn (UTF-8): a Structorizer file's or the
    // user's exact text while they are still the ones made of it.
    std::string shownTitle() const;
    std::vector<std::string> shownComment() const;
    // Title and comment as typed (UTF-8): the format takes their Windows-
    // 1252 form, the root the exact text (typedHeader).
    void setTypedHeader(const std::string& title, const std::vector<std::string>& comment);

    // Frame, header and diagram; the context brings labels and clip area,
    // the document its scale.
    void draw(Canvas& canvas, DrawContext context) const;

private:
    void layoutFrame(TextMeasurer& measurer);
    void drawHeader(Canvas& canvas, const DrawContext& context) const;

    DiagramFormat m_format;
    FrameLayout m_layout;
    std::optional<Extended> m_storedScale;
    ElementFont m_defaultFont{"Arial", 10, 0};
    int m_defaultLineHeight = 0;
    std::unique_ptr<Sequence> m_top;
    std::shared_ptr<const NsdRoot> m_nsdRoot;
};

} // namespace velbrant
