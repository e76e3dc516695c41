#include "app/document/document_editor.h"

#include "model/diagram/element_factory.h"
#include "model/diagram/sequence.h"
#include "model/elements/case.h"
#include "model/files/transfer_stream.h"
#include "model/history/edits.h"
#include "model/notation/exact_characters.h"
#include "model/notation/text_notation.h"

#include <QCoreApplication>
#include <algorithm>
#include <cstdlib>
#include <utility>

namespace velbrant {

namespace {

// Less than 1 mm between press and release is a click, not a band.
constexpr int ClickTolerance = 10;

// The names undo and redo give their steps.
constexpr const char* InsertStep = QT_TRANSLATE_NOOP("velbrant::DocumentEditor", "Einfügen");
constexpr const char* DeleteStep = QT_TRANSLATE_NOOP("velbrant::DocumentEditor", "Löschen");
constexpr const char* CutStep = QT_TRANSLATE_NOOP("velbrant::DocumentEditor", "Ausschneiden");
constexpr const char* TextStep = QT_TRANSLATE_NOOP("velbrant::DocumentEditor", "Text");
constexpr const char* FormatStep = QT_TRANSLATE_NOOP("velbrant::DocumentEditor", "Format");
constexpr const char* BreakpointStep = QT_TRANSLATE_NOOP("velbrant::DocumentEditor", "Haltepunkt");
constexpr const char* ColorStep = QT_TRANSLATE_NOOP("velbrant::DocumentEditor", "Farbe");
constexpr const char* ReplaceStep = QT_TRANSLATE_NOOP("velbrant::DocumentEditor", "Ersetzen");
constexpr const char* TextEditStep =
    QT_TRANSLATE_NOOP("velbrant::DocumentEditor", "Text bearbeitet");

} // namespace

DocumentEditor::DocumentEditor(DefaultLabels labels, QObject* parent)
    : QObject(parent), m_labels(std::move(labels)),
      m_document(std::make_unique<Document>(m_measurer)) {
    m_document->layout(m_measurer, m_paper);
}

LayoutContext DocumentEditor::layoutContext() {
    return m_document->layoutContext(m_measurer, m_labels);
}

// A conditional's branches make room for its labels: new labels lay the
// conditionals out again.
void DocumentEditor::setLabels(const DefaultLabels& labels) {
    const bool branchLabelsChanged = labels.yes != m_labels.yes || labels.no != m_labels.no;
    m_labels = labels;
    if (branchLabelsChanged) {
        m_document->topSequence().walkReadingOrder([](Element& element, Sequence&) {
            if (element.kind() == ElementKind::Conditional)
                element.invalidateLayout();
            return true;
        });
        relayout();
    }
    emit appearanceChanged();
}

void DocumentEditor::markUnsaved() {
    m_history.markUnclean();
    emit changed();
}

void DocumentEditor::setUnreadText(const QString& reason) {
    if (reason == m_unreadText)
        return;
    m_unreadText = reason;
    emit changed();
}

void DocumentEditor::setPaper(PaperSize paper) {
    m_paper = paper;
    m_document->layout(m_measurer, m_paper);
    emit appearanceChanged();
}

void DocumentEditor::relayout() {
    m_document->relayout(layoutContext(), m_paper);
}

void DocumentEditor::change(const char* name, const Operation& operation) {
    Changes before = operation(*m_document, layoutContext());
    if (before.empty())
        return;
    m_history.record(std::move(before), name);
    relayout();
    emit changed();
}

ElementFormat DocumentEditor::selectionFormat() const {
    ElementFormat format;
    m_document->topSequence().getFormat(format);
    return format;
}

void DocumentEditor::applyFormat(const ElementFormat& format,
                                 std::optional<std::optional<Color>> fill) {
    if (m_selected == nullptr)
        return;
    change(FormatStep, [this, &format, fill](Document&, const LayoutContext& context) {
        Changes changes = formatSelectedRun(*m_selected, format, context);
        if (fill)
            std::ranges::move(colorSelectedRun(*m_selected, *fill), std::back_inserter(changes));
        return changes;
    });
}

void DocumentEditor::toggleBreakpoints() {
    if (m_selected == nullptr)
        return;
    change(BreakpointStep, [this](Document&, const LayoutContext&) {
        return velbrant::toggleBreakpoints(*m_selected);
    });
}

void DocumentEditor::colorSelection(std::optional<Color> color) {
    if (m_selected == nullptr)
        return;
    change(ColorStep, [this, color](Document&, const LayoutContext&) {
        return colorSelectedRun(*m_selected, color);
    });
}

void DocumentEditor::replaceTexts(const std::vector<UndoChange>& texts) {
    change(ReplaceStep, [&texts](Document& document, const LayoutContext& context) {
        return applyChanges(texts, document, context);
    });
}

void DocumentEditor::setFormat(DiagramFormat format, const std::string& title,
                               const std::vector<std::string>& comment) {
    change(FormatStep, [&](Document& document, const LayoutContext&) {
        return setTypedDiagramFormat(document, std::move(format), title, comment);
    });
}

void DocumentEditor::setFormat(DiagramFormat format) {
    change(FormatStep, [&format](Document& document, const LayoutContext&) {
        return setDiagramFormat(document, std::move(format));
    });
}

// The new element is selected, so that Enter or F2 opens its text at once.
void DocumentEditor::insertElement(std::unique_ptr<Element> element, Point at, InsertMode mode) {
    Element* inserted = element.get();
    bool placed = false;
    change(InsertStep, [&](Document& document, const LayoutContext& context) {
        Changes changes = velbrant::insertElement(document, std::move(element), at, mode, context);
        placed = !changes.empty();
        return changes;
    });
    if (placed)
        selectAlone(*inserted);
}

void DocumentEditor::selectAlone(Element& element) {
    deselect();
    element.setSelected(true);
    m_selected = element.parent();
    emit selectionChanged();
}

void DocumentEditor::insertNewElement(ElementKind kind, Point at, InsertMode mode) {
    insertElement(createElement(kind, layoutContext()), at, mode);
}

void DocumentEditor::insertCase(int branchCount, bool hasElse, Point at, InsertMode mode) {
    auto element = createElement(ElementKind::Case, layoutContext());
    auto& switchCase = static_cast<Case&>(*element);
    switchCase.setBranchCount(branchCount);
    switchCase.setHasElse(hasElse);
    insertElement(std::move(element), at, mode);
}

void DocumentEditor::deleteSelection() {
    deleteSelectionAs(DeleteStep);
}

void DocumentEditor::deleteSelectionAs(const char* name) {
    if (m_selected == nullptr)
        return;
    Sequence& owner = *std::exchange(m_selected, nullptr);
    change(name, [&owner](Document&, const LayoutContext& context) {
        return deleteSelectedRun(owner, context);
    });
    emit selectionChanged();
}

void DocumentEditor::select(Point first, Point second) {
    SelectionState state;
    Sequence& top = m_document->topSequence();
    if (std::abs(first.x - second.x) < ClickTolerance &&
        std::abs(first.y - second.y) < ClickTolerance) {
        deselect();
        state.clean = true;
        top.selectAt(first, state);
    } else {
        top.selectInRect({std::min(first.x, second.x), std::min(first.y, second.y)},
                         {std::max(first.x, second.x), std::max(first.y, second.y)}, state);
    }
    m_selected = state.owner;
    emit selectionChanged();
}

void DocumentEditor::clearSelection() {
    deselect();
    m_selected = nullptr;
    emit selectionChanged();
}

// Whatever is selected lies in the selected sequence's run and beneath it.
void DocumentEditor::deselect() {
    if (m_selected == nullptr)
        return;
    for (std::size_t i = 0; i < m_selected->size(); ++i)
        if (m_selected->at(i).isSelected())
            m_selected->at(i).setSelected(false);
}

void DocumentEditor::beginTextEntry(Point at) {
    if (Element* element = m_document->topSequence().elementAt(at))
        beginTextEntryOn(*element);
}

void DocumentEditor::beginTextEntryOnSelection() {
    if (m_selected == nullptr)
        return;
    for (std::size_t i = 0; i < m_selected->size(); ++i)
        if (m_selected->at(i).isSelected())
            return beginTextEntryOn(m_selected->at(i));
}

void DocumentEditor::beginTextEntryOn(Element& element) {
    clearSelection();
    m_entry = OpenEntry{&element, element.lines(), element.font(), recordText(element)};
    emit textEntryChanged();
    emit changed();
}

// Until the first real change the redo steps stay: an entry that is left
// as it was must not cost them.
void DocumentEditor::changeEditElement(const std::function<void(Element&)>& change) {
    if (!m_entry)
        return;
    change(*m_entry->element);
    relayout();
    if (!m_entry->recorded && recordText(*m_entry->element) != m_entry->before) {
        m_history.record({m_entry->before}, TextStep);
        m_entry->recorded = true;
    }
    emit changed();
}

void DocumentEditor::setEditText(const std::vector<std::string>& typed) {
    changeEditElement([&typed](Element& element) { element.setTypedLines(typed); });
}

void DocumentEditor::setEditComment(std::vector<std::string> comment) {
    changeEditElement([&comment](Element& element) {
        element.setNsd(withComment(element.nsd(), std::move(comment)));
    });
}

void DocumentEditor::setEditFont(const ElementFont& font) {
    changeEditElement([this, &font](Element& element) { element.setFont(font, m_measurer); });
}

void DocumentEditor::setCaseLabels(std::vector<std::string> labels) {
    changeEditElement([&labels](Element& element) {
        if (auto* switchCase = dynamic_cast<Case*>(&element))
            switchCase->setBranchLabels(std::move(labels));
    });
}

void DocumentEditor::commitTextEntry(const std::vector<std::string>& typed) {
    setEditText(typed);
    endTextEntry();
}

void DocumentEditor::revertTextEntry() {
    if (!m_entry)
        return;
    changeEditElement([this](Element& element) {
        element.setFont(m_entry->savedFont, m_measurer);
        element.setLines(m_entry->savedLines);
        element.setNsd(m_entry->before.nsd);
    });
    endTextEntry();
}

// An entry that ends as it began leaves no undo step behind.
void DocumentEditor::endTextEntry() {
    if (!m_entry)
        return;
    const OpenEntry entry = std::move(*m_entry);
    m_entry.reset();
    if (entry.recorded && recordText(*entry.element) == entry.before)
        m_history.dropNewest();
    emit textEntryChanged();
    emit changed();
}

void DocumentEditor::undo() {
    if (canUndo())
        restore(&UndoHistory::undo);
}

void DocumentEditor::redo() {
    if (canRedo())
        restore(&UndoHistory::redo);
}

// The changes replace elements: what pointed into them goes first.
void DocumentEditor::restore(void (UndoHistory::*turn)(const UndoHistory::Apply&)) {
    deselect();
    dropTreeReferences();
    const LayoutContext context = layoutContext();
    (m_history.*turn)([this, &context](const Changes& changes) {
        return applyChanges(changes, *m_document, context);
    });
    relayout();
    emit treeReplaced();
    emit changed();
}

Bytes DocumentEditor::copySelection() const {
    return m_selected != nullptr ? copyToStream(*m_selected, true) : Bytes();
}

std::string DocumentEditor::selectionNotation() const {
    if (m_selected == nullptr)
        return {};
    return exactUtf8(writeNotationRun(*m_selected, true), *m_selected, true);
}

Bytes DocumentEditor::runFromNotation(std::string_view utf8) {
    ReplacedCharacters replaced;
    const ExactNotation exact = readExactNotation(utf8, layoutContext(), replaced);
    return copyToStream(*exact.read.top, false);
}

std::vector<int> DocumentEditor::replaceFromText(std::string_view utf8) {
    ReplacedCharacters replaced;
    ExactNotation exact = readExactNotation(utf8, layoutContext(), replaced);
    dropTreeReferences();
    change(TextEditStep, [&exact](Document& document, const LayoutContext& context) {
        Changes before;
        before.emplace_back(recordDocument(document));
        carryFormats(document.topSequence(), *exact.read.top, context);
        document.replaceTopSequence(std::move(exact.read.top));
        document.setTypedHeader(exact.typedTitle, exact.typedComment);
        return before;
    });
    emit treeReplaced();
    return std::move(exact.read.elementLines);
}

Bytes DocumentEditor::cutSelection() {
    Bytes run = copySelection();
    deleteSelectionAs(CutStep);
    return run;
}

void DocumentEditor::paste(std::span<const std::uint8_t> stream, Point at, InsertMode mode) {
    BinaryReader in(stream);
    auto run = readPastedRun(in, layoutContext());
    change(InsertStep, [&](Document& document, const LayoutContext&) {
        return pasteRun(document, std::move(run), at, mode);
    });
}

void DocumentEditor::nameNewDocument(std::string title) {
    DiagramFormat format = m_document->format();
    format.title = std::move(title);
    m_document->setFormat(std::move(format));
    m_document->layout(m_measurer, m_paper);
}

void DocumentEditor::replaceDocument(std::unique_ptr<Document> document) {
    dropTreeReferences();
    m_document = std::move(document);
    // A .STR file stores selection flags; the editor's selection starts empty.
    m_document->topSequence().deselectAll();
    m_history = UndoHistory();
    m_document->layout(m_measurer, m_paper);
    emit treeReplaced();
    emit changed();
}

void DocumentEditor::dropTreeReferences() {
    m_selected = nullptr;
    const bool wasEditing = m_entry.has_value();
    m_entry.reset();
    emit selectionChanged();
    if (wasEditing)
        emit textEntryChanged();
}

} // namespace velbrant
