#include "model/diagram/compound_element.h"
#include "model/elements/case.h"
#include "model/elements/conditional.h"
#include "model/elements/loop.h"
#include "model/notation/keywords.h"
#include "model/notation/text_notation.h"

namespace velbrant {

namespace {

using namespace notation;

constexpr int IndentWidth = 4;

// A statement's line that would read as a keyword, a continuation, an
// indentation or nothing goes behind a backslash.
std::string statementLine(std::string_view line) {
    const bool escaped = line.empty() || line.front() == '\\' || line.front() == ' ' ||
                         line.front() == '\t' || line.substr(0, 3) == Continuation ||
                         keywordOf(line) != Keyword::None;
    return escaped ? "\\" + std::string(line) : std::string(line);
}

bool isHiddenEmpty(const Sequence& sequence) {
    return sequence.size() == 1 && sequence.at(0).isEmptyStatement();
}

class Writer {
public:
    WrittenNotation result;

    void header(const DiagramFormat& format) {
        if (!format.title.empty())
            line(0, "titel " + encodeRest(format.title));
        for (const std::string& comment : format.comment)
            line(0, "kommentar" + (comment.empty() ? std::string() : " " + encodeRest(comment)));
    }

    void blank() {
        result.text += '\n';
        ++m_line;
    }
    bool empty() const { return m_line == 0; }

    // The elements of a sequence; a nested one holding only the empty
    // statement is written as no lines at all.
    void sequence(const Sequence& sequence, int depth, int ownerLine, bool selectedOnly = false) {
        if (depth > 0 && isHiddenEmpty(sequence)) {
            result.elementLines.push_back(ownerLine);
            return;
        }
        bool afterStatement = false;
        bool inRun = false;
        for (std::size_t i = 0; i < sequence.size(); ++i) {
            const Element& e = sequence.at(i);
            if (selectedOnly && !e.isSelected()) {
                if (inRun)
                    break;
                continue;
            }
            inRun = true;
            const bool statement = e.kind() == ElementKind::Block && !e.lines().empty();
            if (statement && afterStatement)
                blank();
            element(e, depth);
            afterStatement = statement;
        }
    }

private:
    void line(int depth, std::string_view text) {
        result.text.append(static_cast<std::size_t>(depth * IndentWidth), ' ');
        result.text.append(text);
        result.text += '\n';
        ++m_line;
    }

    void continuation(int depth, const std::vector<std::string>& lines) {
        for (std::size_t i = 1; i < lines.size(); ++i)
            line(depth, std::string(Continuation) + (lines[i].empty() ? "" : " " + lines[i]));
    }

    // "aufruf Text" and the head's further lines.
    void head(int depth, std::string_view word, const std::vector<std::string>& lines) {
        line(depth, std::string(word) + (lines.empty() ? "" : " " + encodeRest(lines[0])));
        continuation(depth, lines);
    }

    // "solange i < n" as it stands when the text begins with the word,
    // else "kopfschleife Text".
    void keptHead(int depth, Keyword keyword, std::string_view plainWord,
                  const std::vector<std::string>& lines) {
        if (lines.empty() || keywordOf(lines[0]) != keyword)
            return head(depth, plainWord, lines);
        line(depth, lines[0]);
        continuation(depth, lines);
    }

    void body(const Sequence& sequence, int depth, int ownerLine) {
        this->sequence(sequence, depth, ownerLine);
    }

    void element(const Element& e, int depth) {
        const int own = m_line + 1;
        result.elementLines.push_back(own);
        const std::vector<std::string>& lines = e.lines();
        switch (e.kind()) {
        case ElementKind::Block:
            if (lines.empty())
                line(depth, "leer");
            for (const std::string& text : lines)
                line(depth, statementLine(text));
            return;
        case ElementKind::Call:
            return head(depth, "aufruf", lines);
        case ElementKind::Exit:
            return keptHead(depth, Keyword::Exit, "aussprung", lines);
        case ElementKind::Conditional: {
            const auto& conditional = static_cast<const Conditional&>(e);
            head(depth, "wenn", lines);
            body(conditional.thenSequence(), depth + 1, own);
            if (isHiddenEmpty(conditional.elseSequence())) {
                result.elementLines.push_back(own);
                return;
            }
            line(depth, "sonst");
            body(conditional.elseSequence(), depth + 1, m_line);
            return;
        }
        case ElementKind::WhileLoop:
            keptHead(depth, Keyword::While, "kopfschleife", lines);
            return body(static_cast<const Loop&>(e).body(), depth + 1, own);
        case ElementKind::ForLoop:
            keptHead(depth, Keyword::For, "z\xE4hlschleife", lines);
            return body(static_cast<const Loop&>(e).body(), depth + 1, own);
        case ElementKind::RepeatLoop:
            line(depth, "wiederhole");
            body(static_cast<const Loop&>(e).body(), depth + 1, own);
            if (!lines.empty() && isFootWord(lines[0])) {
                line(depth, lines[0]);
                continuation(depth, lines);
            } else {
                head(depth, "fu\xDF", lines);
            }
            return;
        case ElementKind::Case:
            return caseElement(static_cast<const Case&>(e), depth);
        }
    }

    void caseElement(const Case& e, int depth) {
        head(depth, "fallunterscheidung", e.lines());
        const std::size_t count = e.sequenceCount();
        for (std::size_t i = 0; i < count; ++i) {
            const std::string label = i < e.branchLabels().size() ? e.branchLabels()[i] : "";
            if (e.hasElse() && i + 1 == count)
                line(depth + 1,
                     label == "sonst" ? std::string("sonst") : "sonst " + encodeRest(label));
            else
                line(depth + 1, "fall" + (label.empty() ? std::string() : " " + encodeRest(label)));
            body(e.branch(i), depth + 2, m_line);
        }
    }

    int m_line = 0;
};

} // namespace

WrittenNotation writeNotation(const Document& document) {
    Writer writer;
    writer.header(document.format());
    if (!writer.empty() && !document.topSequence().empty())
        writer.blank();
    writer.sequence(document.topSequence(), 0, 1);
    return std::move(writer.result);
}

WrittenNotation writeNotationRun(const Sequence& sequence, bool selectedOnly) {
    Writer writer;
    writer.sequence(sequence, 0, 1, selectedOnly);
    return std::move(writer.result);
}

} // namespace velbrant
