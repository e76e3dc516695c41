#pragma once

#include "model/layout/canvas.h"

#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace velbrant {

// What an element read from a Structorizer file carries besides what
// Velbrant edits: kept from reading to writing, through moves, copies and
// undo, so that Structorizer gets back what it wrote. A new element has
// none.
struct NsdAttributes {
    // "rrggbb" as the file wrote it.
    std::string color;
    // UTF-8 lines, as the file had them.
    std::vector<std::string> comment;
    bool disabled = false;
    // The Structorizer kind the element stands in for when Velbrant has no
    // such kind ("forever", "try", "parallel"); empty otherwise.
    std::string kind;
    // The text the file had (UTF-8) and the text Velbrant made of it
    // (Windows-1252; for a case its file text); an element whose text is
    // still the one made writes back the file's.
    std::vector<std::string> fileLines;
    std::vector<std::string> shownLines;
    // Other attributes in the file's order, as (name, UTF-8 value).
    std::vector<std::pair<std::string, std::string>> others;
    // The attributes of the branch nodes ("qFalse" with a colour), by the
    // index of the branch; none for a branch without any.
    std::vector<std::vector<std::pair<std::string, std::string>>> branchAttributes;

    // The fill a colour other than white gives the element's box.
    std::optional<Color> fill() const;
    // A run stops at the element: kept as the attribute breakpoint="1",
    // which Structorizer passes over.
    bool breakpoint() const;
    bool operator==(const NsdAttributes&) const = default;
};

// The attributes with the breakpoint set or taken away; an element without
// attributes gets ones that hold only the breakpoint, and loses them again
// with it.
std::shared_ptr<const NsdAttributes> withBreakpoint(const NsdAttributes* attributes, bool on);
// The same for the fill colour (none: the file's white) and the comment
// (UTF-8 lines).
std::shared_ptr<const NsdAttributes> withColor(const NsdAttributes* attributes,
                                               std::optional<Color> color);
std::shared_ptr<const NsdAttributes> withComment(const NsdAttributes* attributes,
                                                 std::vector<std::string> comment);
// Whether the file's (or the typed) UTF-8 text is still what the element
// shows: the lines are the Windows-1252 form made of it.
bool hasExactText(const NsdAttributes& attributes, const std::vector<std::string>& lines);
// The same for any UTF-8 text and the lines once made of it.
bool isExactText(const std::vector<std::string>& utf8, const std::vector<std::string>& made,
                 const std::vector<std::string>& lines);
// The attributes holding the typed UTF-8 text beside the lines made of it.
std::shared_ptr<const NsdAttributes> withExactText(const NsdAttributes* attributes,
                                                   std::vector<std::string> utf8,
                                                   std::vector<std::string> lines);
// Lines typed in UTF-8 as an element keeps them: their Windows-1252 form,
// and the attributes with the exact text beside it when that form lost a
// character. A typed text that no longer is the exact text held ("<="
// typed where "≤" was) drops it, lest the old one be drawn.
struct TypedText {
    std::vector<std::string> lines;
    std::shared_ptr<const NsdAttributes> attributes;
};
TypedText typedText(const std::shared_ptr<const NsdAttributes>& attributes,
                    const std::vector<std::string>& utf8);
// "rrggbb" in lower case, as Structorizer writes colours.
std::string hexColor(Color color);

// What a Structorizer diagram's root carries besides title and comment:
// every other attribute (the diagram type, include list, author, dates,
// licence, ...), the header's lines after the first, and child elements
// other than the diagram (kept as XML).
struct NsdRoot {
    std::vector<std::pair<std::string, std::string>> attributes;
    std::vector<std::string> headerLines;
    // Other children (XML) before and after the diagram's.
    std::vector<std::string> childrenBefore;
    std::vector<std::string> childrenAfter;
    // Title and comment as the file had them (UTF-8) and as read (Windows-
    // 1252): unchanged, they go back as the file had them.
    std::string fileTitle;
    std::string shownTitle;
    std::vector<std::string> fileComment;
    std::vector<std::string> shownComment;
    bool operator==(const NsdRoot&) const = default;
};

// Title and comment typed in UTF-8 as a diagram keeps them: their
// Windows-1252 form, and the root with the exact text beside it. A diagram
// without a root gets the one a Structorizer file of it would have, when
// the form lost a character.
struct TypedHeader {
    std::string title;
    std::vector<std::string> comment;
    std::shared_ptr<const NsdRoot> root;
};
TypedHeader typedHeader(const std::shared_ptr<const NsdRoot>& root, const std::string& title,
                        const std::vector<std::string>& comment);

} // namespace velbrant
