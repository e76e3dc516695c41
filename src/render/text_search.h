#pragma once

#include "model/history/undo_change.h"

#include <QRegularExpression>
#include <QString>
#include <cstddef>
#include <limits>
#include <vector>

namespace velbrant {

class Document;

// What find and replace looks for, and where besides the element texts.
struct SearchOptions {
    QString pattern;
    bool caseSensitive = false;
    bool wholeWord = false;
    bool regularExpression = false;
    bool comments = false;
    bool caseLabels = false;
    bool title = false;
};

// One place a search found: a line of an element's text, label or
// comment (the element by its place in reading order), or of the title.
struct SearchHit {
    static constexpr std::size_t Title = std::numeric_limits<std::size_t>::max();
    enum class Field { Text, Label, Comment, Title };
    std::size_t element = Title;
    Field field = Field::Title;
    int line = 0;
    int start = 0;
    int length = 0;
    friend bool operator==(const SearchHit&, const SearchHit&) = default;
};

// The texts of a document after a replacement, as the changes that put
// them in place (an editor applies them as one step and keeps their
// inverses), with the number of places replaced; or why the replacement
// is refused, naming the element, and no changes.
struct Replacement {
    std::vector<UndoChange> changes;
    int count = 0;
    QString refusal;
};

// Finds and replaces line by line over a document's texts with Qt's
// regular expressions; a plain pattern is matched as written.
class TextSearch {
public:
    explicit TextSearch(const SearchOptions& options);

    // Why the pattern cannot be searched for (empty, or an expression
    // that does not read); empty if it can.
    QString error() const;
    std::vector<SearchHit> hits(const Document& document) const;
    // Every place replaced, or only the one hit (which must still be there).
    Replacement replaceAll(const Document& document, const QString& with) const;
    Replacement replaceHit(const Document& document, const SearchHit& hit,
                           const QString& with) const;

private:
    Replacement replace(const Document& document, const QString& with,
                        const SearchHit* only) const;
    // The line with the matches replaced (only the one at `start` when
    // that is not negative); counts them.
    QString replacedLine(const QString& line, const QString& with, int start, int& count) const;

    SearchOptions m_options;
    QRegularExpression m_expression;
};

} // namespace velbrant
