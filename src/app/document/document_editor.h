#pragma once

#include "model/diagram/default_labels.h"
#include "model/diagram/document.h"
#include "model/diagram/sequence.h"
#include "model/history/undo_history.h"
#include "render/qt_text_measurer.h"

#include <QObject>
#include <QString>
#include <functional>
#include <memory>
#include <optional>
#include <span>

namespace velbrant {

class Element;
class Sequence;

// One open document and every change made to it. Each change of the
// diagram runs through `edit`: a model edit that gives back what takes it
// back (kept as one undo step), relayout, one `changed` signal. The selection and the element under
// text entry point into the tree; whatever replaces the tree drops them first.
class DocumentEditor : public QObject {
    Q_OBJECT

public:
    explicit DocumentEditor(DefaultLabels labels, QObject* parent = nullptr);

    const Document& document() const { return *m_document; }
    // For painting: layout measures and keeps the document's fonts.
    QtTextMeasurer& measurer() { return m_measurer; }
    LayoutContext layoutContext();
    const DefaultLabels& labels() const { return m_labels; }
    void setLabels(const DefaultLabels& labels);
    PaperSize paper() const { return m_paper; }
    // The frame is laid out on the new page (centring follows it).
    void setPaper(PaperSize paper);

    // A new element of the kind, set up with the document's defaults,
    // before or after the element at the point.
    void insertNewElement(ElementKind kind, Point at, InsertMode mode);
    // A new case with that many branches, the else branch counted in.
    void insertCase(int branchCount, bool hasElse, Point at, InsertMode mode);
    // Title, comment, fonts, position, thickness and scale; with title and
    // comment as typed (UTF-8, any character).
    void setFormat(DiagramFormat format);
    void setFormat(DiagramFormat format, const std::string& title,
                   const std::vector<std::string>& comment);
    // Texts, labels, comments and title as a replacement made them (the
    // changes that put them in place): one undo step ("Ersetzen").
    void replaceTexts(const std::vector<UndoChange>& texts);
    // The format of the first selected element in tree order, zeroed
    // without a selection; and the format for every selected element.
    ElementFormat selectionFormat() const;
    // With a fill, the elements take that colour (or none) in the same step.
    void applyFormat(const ElementFormat& format, std::optional<std::optional<Color>> fill = {});
    // Removes the selected elements; nothing happens without a selection.
    void deleteSelection();
    // F9: the selected elements get a breakpoint, or all lose theirs (an
    // undoable change, "Haltepunkt"); kept in the element's attributes.
    void toggleBreakpoints();
    // The selected elements filled with the colour, or with none: one undo
    // step ("Farbe"); kept in the element's attributes.
    void colorSelection(std::optional<Color> color);

    // Where a new element or a paste at the point would go, by the
    // insertion rule, or a drop, by the drop rule (which half of an element
    // or head the point is in): a line before an element, or the empty
    // statement it would replace (model units, unscaled). Nothing where
    // nothing goes, or for a drop of the selection into itself or its own
    // descendants.
    struct InsertionPreview {
        Point topLeft;
        Point bottomRight;
        bool replaces = false;
    };
    enum class Inserting { NewElement, Paste, Selection, Drop };
    std::optional<InsertionPreview> insertionPreview(Point at, InsertMode mode, Inserting what);
    // Moves the selected run where a drop at the point goes, or copies it
    // there; one undo step ("Verschieben", "Kopieren"). The run that
    // arrives is selected. False, and nothing changes, where the run may
    // not go.
    bool moveSelection(Point at, bool copy);
    // A run from another window where a drop at the point goes, then
    // selected; a damaged stream throws a FormatError and changes nothing.
    void dropRun(std::span<const std::uint8_t> stream, Point at);
    // Alt+Up and Alt+Down: the selected run one place up (-1) or down (1).
    void moveSelectionStep(int direction);

    // A click (first == second within the tolerance) or a rubber band.
    void select(Point first, Point second);
    // Ctrl+A: the whole top-level run.
    void selectAll();
    // Tab and Shift+Tab: the next (1) or previous (-1) element in reading
    // order; the first (or last) when nothing is selected.
    void selectNext(int direction);
    // The comment a Structorizer file gave the innermost element at the
    // point; empty when none.
    QString commentAt(Point at);
    // The selected run's box (model units, unscaled), for scrolling to it.
    std::optional<std::pair<Point, Point>> selectionBox() const;
    Sequence* selectedSequence() const { return m_selected; }
    void clearSelection();

    // Text entry for the element at the point, if any: everything is
    // deselected and what the element holds kept for a revert. The undo
    // step is recorded at the first real change.
    void beginTextEntry(Point at);
    // The same on the first selected element (Enter, F2).
    void beginTextEntryOnSelection();
    Element* editElement() const { return m_entry ? m_entry->element : nullptr; }
    // While text entry is open: the typed lines (UTF-8, any character), a
    // font, the case labels.
    void setEditText(const std::vector<std::string>& typed);
    void setEditFont(const ElementFont& font);
    // The element's comment (UTF-8 lines), kept in its attributes.
    void setEditComment(std::vector<std::string> comment);
    void setCaseLabels(std::vector<std::string> labels);
    // Ends text entry with these lines, or with the text and font the
    // element had when it began, or as it is (a click with another tool).
    void commitTextEntry(const std::vector<std::string>& typed);
    void revertTextEntry();
    void endTextEntry();

    bool canUndo() const { return m_history.canUndo(); }
    bool canRedo() const { return m_history.canRedo(); }
    void undo();
    void redo();
    const UndoHistory& history() const { return m_history; }
    // What an undo or a redo would take back or make again ("Einfügen",
    // "Löschen", "Ausschneiden", "Text", "Format"); empty when nothing.
    QString undoName() const { return tr(m_history.undoName().c_str()); }
    QString redoName() const { return tr(m_history.redoName().c_str()); }

    // The selected run as a transfer stream; empty without a selection.
    Bytes copySelection() const;
    // The selected run in the text notation (UTF-8, the exact characters
    // of the texts); empty without.
    std::string selectionNotation() const;
    // Elements read from a UTF-8 text in the notation, as a transfer stream
    // to paste (title and comment lines are left out); their texts keep
    // every character. Throws a NotationError.
    Bytes runFromNotation(std::string_view utf8);
    // The diagram, title and comment rebuilt from a text in the notation:
    // one undo step ("Text bearbeitet"); elements whose place and kind did
    // not change keep their formats. A text that does not read throws a
    // NotationError and changes nothing.
    // Gives the line each element begins on in the text.
    std::vector<int> replaceFromText(std::string_view utf8);
    // The first selected element's place in reading order, and selecting
    // the element at such a place (the text view's caret).
    std::optional<std::size_t> selectedIndex();
    // False, and nothing changes, past the last element.
    bool selectIndex(std::size_t index);
    // The selected run, which is then deleted (an undoable change).
    Bytes cutSelection();
    // Pastes a transfer stream before or after the element at the point.
    // The whole run is read first: a damaged stream throws a FormatError
    // and changes nothing.
    void paste(std::span<const std::uint8_t> stream, Point at, InsertMode mode);

    // The title of a document that has not been changed yet.
    void nameNewDocument(std::string title);
    // A document read from a file takes the place of this one.
    void replaceDocument(std::unique_ptr<Document> document);
    // Unsaved changes: the diagram is not in the state last loaded or
    // saved, or text typed for it in the text view does not read.
    bool isModified() const { return !m_history.isClean() || !m_unreadText.isEmpty(); }
    void markSaved() { m_history.markClean(); }
    // Brought back after a crash: the file does not hold this state.
    void markUnsaved();
    // Why the text typed for the diagram does not read ("Zeile 11: ..."),
    // empty once it reads or was given up.
    const QString& unreadText() const { return m_unreadText; }
    void setUnreadText(const QString& reason);

signals:
    // The diagram changed: repaint, refresh the commands.
    void changed();
    void selectionChanged();
    // The whole tree was replaced; pointers into the old one are gone.
    void treeReplaced();
    // The labels or the page changed: the document looks different.
    void appearanceChanged();
    // Text entry began or ended.
    void textEntryChanged();

private:
    // An element under text entry and what it held when the entry began.
    struct OpenEntry {
        Element* element;
        std::vector<std::string> savedLines;
        ElementFont savedFont;
        TextChange before;
        bool recorded = false;
    };
    // An edit of the model giving what takes it back (model/edits.h).
    using Operation = std::function<std::vector<UndoChange>(Document&, const LayoutContext&)>;

    // The one path of every change: the operation with what takes it back,
    // relayout of what changed, signal. An operation that changed nothing
    // leaves no step and no signal.
    void change(const char* name, const Operation& operation);
    void deleteSelectionAs(const char* name);
    void beginTextEntryOn(Element& element);
    // The drop target of the selection, unless that is inside the run.
    std::optional<Sequence::InsertionTarget> selectionTarget(Point at);
    // Only the element (and what it holds) is selected.
    void selectAlone(Element& element);
    // Only the run of `count` elements from `first` is selected.
    void selectPlaced(Sequence& sequence, std::size_t first, std::size_t count);
    void insertElement(std::unique_ptr<Element> element, Point at, InsertMode mode);
    void relayout();
    void dropTreeReferences();
    void deselect();
    // Undo or redo: the history's changes put back, then layout.
    void restore(void (UndoHistory::*turn)(const UndoHistory::Apply&));
    // Runs on the element under text entry, then relayout and `changed`.
    // The entry's undo step is recorded before the first change that
    // alters the document; later ones add none.
    void changeEditElement(const std::function<void(Element&)>& change);

    QtTextMeasurer m_measurer;
    DefaultLabels m_labels;
    PaperSize m_paper;
    std::unique_ptr<Document> m_document;
    UndoHistory m_history;
    Sequence* m_selected = nullptr;
    std::optional<OpenEntry> m_entry;
    QString m_unreadText;
};

} // namespace velbrant
