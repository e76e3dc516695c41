#pragma once

#include "app/document/document_editor.h"
#include "app/widgets/tool.h"
#include "model/layout/units.h"

#include <QAbstractScrollArea>
#include <QPoint>
#include <QTransform>
#include <optional>
#include <set>

class QMimeData;

namespace velbrant {

// The sheet of paper with the framed structogram on it, at the window's
// zoom. Turns mouse and keyboard events into calls of the editor; the tool
// and paste mode are pushed down by the frame.
class DocumentView : public QAbstractScrollArea {
    Q_OBJECT

public:
    // The 10 mm border around the sheet and the frame.
    static constexpr int SheetBorder = 100;
    static constexpr int LineStep = 8;
    static constexpr int AutoScrollMargin = 20;
    static constexpr int PreviewPen = 3;
    static constexpr double MinZoom = 0.1;
    static constexpr double MaxZoom = 4.0;

    explicit DocumentView(DocumentEditor& editor, QWidget* parent = nullptr);

    DocumentEditor& editor() const { return m_editor; }
    double zoom() const { return m_zoom; }
    // Zooms keeping the middle of the diagram's visible part where it is on
    // the screen; the diagram's middle comes to the view's when none of it
    // is in view.
    void setZoom(double zoom);
    // Zooms keeping the point under the pixel where it is (Ctrl+wheel).
    void zoomAbout(double zoom, QPoint pixel);
    // The whole frame in the window's middle, as large as fits (10 to
    // 400 %).
    void showWholeDiagram();
    // Screen pixels as tenths of a millimetre.
    double pixelSizeX() const { return m_pixelSizeX; }
    double pixelSizeY() const { return m_pixelSizeY; }

    void setTool(Tool tool);
    void setPasteMode(bool on);
    // The element a run is at, framed in its own colour (not the
    // selection's); nothing to take the frame away.
    void setRunMark(const Element* element);
    const Element* runMark() const { return m_runMark; }
    // Elements a run stops at, marked with a red dot.
    const std::vector<const Element*>& breakpoints() const { return m_breakpoints; }
    // Ends a drag of the selection without moving anything (Esc, or when
    // another window took it).
    void cancelDrag();
    // Elements dropped at the pixel: from this view the selection moves
    // (Ctrl: is copied); from elsewhere the run is copied in, and moved
    // when Shift says so. Answers what the source is to do.
    Qt::DropAction dropElements(const QMimeData& data, QPoint pixel,
                                Qt::KeyboardModifiers modifiers, bool fromHere);
    bool isInPasteMode() const { return m_pasteMode; }
    // Scrolls so that the selected run is in view.
    void scrollToSelection();
    // Places a search found, framed until the next search.
    void setSearchHits(std::vector<const Element*> elements);
    const std::vector<const Element*>& searchHits() const { return m_searchHits; }
    // The elements' comments as notes beside the frame (the screen only).
    void setShowComments(bool on);
    bool showsComments() const { return m_showComments; }

    // A client pixel at the given scroll position as an unscaled model point.
    Point toModel(QPoint pixel, QPoint scroll) const;
    // A client pixel at the current scroll position on the sheet, before the
    // document's scale is undone.
    QPointF toModelF(QPoint pixel) const;
    // Where a model point is drawn, in client pixels.
    QPointF toPixel(Point point) const;

signals:
    // A text-tool click on the title or comment.
    void diagramFormatRequested();
    // Escape ended paste mode here; the frame ends it everywhere.
    void pasteModeLeft();
    // A release in paste mode: paste the element clipboard at the point.
    void pasteRequested(Point at, InsertMode mode);
    // Ctrl+wheel: one zoom step up (1) or down (-1) about the pixel.
    void zoomStepRequested(int step, QPoint pixel);
    // A click with the case tool: ask for the branches, then insert.
    void caseInsertRequested(Point at, InsertMode mode);
    // A text-tool click while text entry is open: the dialog's text goes
    // into the element first.
    void textEntryCommitRequested();
    // Elements from another window were dropped here: this window is the
    // one the user works in now (its undo takes the drop back).
    void runDropped();

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    // With the arrow tool: text entry on the element, as a text-tool click.
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    bool focusNextPrevChild(bool next) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dragLeaveEvent(QDragLeaveEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    // Ctrl and the wheel zoom through the zoom box's steps.
    void wheelEvent(QWheelEvent* event) override;
    void scrollContentsBy(int dx, int dy) override;
    // Tooltips: a Structorizer element's comment.
    bool viewportEvent(QEvent* event) override;

private:
    QPoint scrollPosition() const;
    // Sets the zoom, then scrolls so that the sheet point lands on the pixel.
    void zoomTo(double zoom, QPointF sheetPoint, QPointF pixel);
    QTransform sheetTransform() const;
    QSize paperSizeMm() const;
    void updateScrollRanges();
    void updateCursor();
    void paintSheet(QPainter& painter, const QRect& exposed);
    void paintRubberBand(QPainter& painter);
    void paintRunMark(QPainter& painter);
    void paintNotes(QPainter& painter);
    void paintSearchHits(QPainter& painter);
    void actOnRelease(Qt::MouseButton button, Point start, Point end);
    void insertNewElement(Qt::MouseButton button, Point at);
    void textToolClick(Point at);
    bool isOnHeader(Point at) const;
    bool scrollByKey(int key, bool withCtrl);
    bool navigateByKey(const QKeyEvent& event);
    bool isOnSelection(Point at) const;
    void showInsertionPreview(QPoint pixel, InsertMode mode);
    void dragTo(QPoint pixel, Qt::KeyboardModifiers modifiers);
    void setPreview(std::optional<DocumentEditor::InsertionPreview> preview);
    void paintPreview(QPainter& painter);
    void dragOutOfView();

    DocumentEditor& m_editor;
    const Element* m_runMark = nullptr;
    std::vector<const Element*> m_breakpoints;
    bool m_showComments = false;
    std::vector<const Element*> m_searchHits;
    Tool m_tool = Tool::Select;
    bool m_pasteMode = false;
    double m_zoom = 1.0;
    // What the scroll bars cover, in model units: sheet and frame with a
    // border; scroll position 0 is its top-left corner.
    QRect m_scene{-SheetBorder, -SheetBorder, 2300, 3170};
    double m_pixelSizeX;
    double m_pixelSizeY;
    QPoint m_dragStart;
    QPoint m_dragEnd;
    QPoint m_dragScroll;
    bool m_mouseIsDown = false;
    bool m_rubberBand = false;
    bool m_pressedOnSelection = false;
    bool m_dragging = false;
    std::optional<DocumentEditor::InsertionPreview> m_preview;
};

} // namespace velbrant
