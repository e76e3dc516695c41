#pragma once

#include "model/selection_state.h"
#include "model/units.h"

#include <QAbstractScrollArea>
#include <QPoint>
#include <QTransform>

namespace velbrant {

class DocumentWindow;
class Element;
class Sequence;

// The sheet of paper with the framed structogram on it, at the window's
// zoom, and the mouse and keyboard editing on it.
class DocumentView : public QAbstractScrollArea {
    Q_OBJECT

public:
    // The 10 mm border left of and above the sheet at scroll position 0.
    static constexpr int SheetBorder = 100;
    static constexpr int LineStep = 8;
    // Less than 1 mm between press and release is a click, not a band.
    static constexpr int ClickTolerance = 10;

    explicit DocumentView(DocumentWindow& window);

    DocumentWindow& documentWindow() const { return m_window; }
    double zoom() const { return m_zoom; }
    void setZoom(double zoom);
    // Screen pixels as tenths of a millimetre.
    double pixelSizeX() const { return m_pixelSizeX; }
    double pixelSizeY() const { return m_pixelSizeY; }
    QSize paperSizeMm() const { return m_paperSizeMm; }

    // A client pixel at the given scroll position as an unscaled model point.
    Point toModel(QPoint pixel, QPoint scroll) const;
    // Where a model point is drawn, in client pixels.
    QPointF toPixel(Point point) const;

    Sequence* selectedSequence() const { return m_selectedSequence; }
    Element* editElement() const { return m_editElement; }
    bool isTextEditing() const { return m_textEditing; }

    void selectByDrag(Point first, Point second);
    void deleteSelection();
    void setTextEditing(bool on);
    void updateCursor();

signals:
    // A text-tool click on the title or comment.
    void diagramFormatRequested();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void scrollContentsBy(int dx, int dy) override;

private:
    QPoint scrollPosition() const;
    QTransform sheetTransform() const;
    void updateScrollRanges();
    void paintSheet(QPainter& painter, const QRect& exposed);
    void paintRubberBand(QPainter& painter);
    void actOnRelease(Qt::MouseButton button, Point start, Point end);
    void insertNewElement(Qt::MouseButton button, Point at);
    void startTextEntry(Point at);
    bool scrollByKey(int key, bool withCtrl);
    void edited();

    DocumentWindow& m_window;
    double m_zoom = 1.0;
    double m_pixelSizeX;
    double m_pixelSizeY;
    QSize m_paperSizeMm;
    QPoint m_dragStart;
    QPoint m_dragEnd;
    QPoint m_dragScroll;
    bool m_mouseIsDown = false;
    bool m_rubberBand = false;
    bool m_painting = false;
    bool m_textEditing = false;
    Sequence* m_selectedSequence = nullptr;
    Element* m_editElement = nullptr;
};

} // namespace velbrant
