#pragma once

#include "model/diagram/document.h"
#include "model/history/undo_change.h"

#include <memory>
#include <optional>
#include <vector>

namespace velbrant {

// The edits the editor makes, each done on the model and giving back the
// changes that take it back: the runs it replaced, not the whole document,
// so that an edit costs what it touches. The caller lays the document out
// afterwards; deleting and formatting already lay out the sequence they
// changed, which keeps the rest valid. An edit that changes nothing gives
// no changes.
using Changes = std::vector<UndoChange>;

// A new element where an insertion at the point goes: before or after the
// element there, in place of an empty statement, or into a nested sequence.
Changes insertElement(Document& document, std::unique_ptr<Element> element, Point at,
                      InsertMode mode, const LayoutContext& context);
// A run where a paste at the point goes (an empty statement stays).
Changes pasteRun(Document& document, std::vector<std::unique_ptr<Element>> run, Point at,
                 InsertMode mode);
// A run where the target says.
Changes insertRun(const Sequence::InsertionTarget& target,
                  std::vector<std::unique_ptr<Element>> run);
// Removes the selected elements of the sequence; a nested sequence left
// empty gets an empty statement.
Changes deleteSelectedRun(Sequence& sequence, const LayoutContext& context);
// The selected run one place up (-1) or down (1) past its neighbour.
Changes stepSelectedRun(Sequence& sequence, int direction);
// The selected run copied where the target says, and unless copying
// removed from where it was.
Changes moveSelectedRun(Sequence& sequence, const Sequence::InsertionTarget& target, bool copy,
                        const LayoutContext& context);
// The format's non-zero fields on the selected elements and all they hold.
Changes formatSelectedRun(Sequence& sequence, const ElementFormat& format,
                          const LayoutContext& context);
// F9: every selected element of the run gets a breakpoint, or, when all
// have one, all lose it.
Changes toggleBreakpoints(Sequence& sequence);
// The selected elements of the run filled with the colour, or with none.
Changes colorSelectedRun(Sequence& sequence, std::optional<Color> color);
// Title, comment, fonts, position, thickness and scale; undo takes back
// title, comment and fonts.
Changes setDiagramFormat(Document& document, DiagramFormat format);
// The same with title and comment as typed (UTF-8, any character).
Changes setTypedDiagramFormat(Document& document, DiagramFormat format, const std::string& title,
                              const std::vector<std::string>& comment);

} // namespace velbrant
