#include "model/diagram/compound_element.h"
#include "model/diagram/element_factory.h"
#include "model/diagram/limits.h"
#include "model/elements/case.h"
#include "model/files/windows1252.h"
#include "model/messages/said.h"
#include "model/notation/exact_characters.h"
#include "model/notation/keywords.h"
#include "model/notation/text_notation.h"

#include <algorithm>
#include <functional>

namespace velbrant {

NotationError::NotationError(int line, const std::string& reason)
    : std::runtime_error(
          line > 0 ? messages::said("notation", "Zeile %1: %2").arg(line).arg(reason).str()
                   : reason),
      m_line(line), m_reason(reason) {}

namespace {

using messages::said;
using namespace notation;

struct Line {
    int number = 0;
    int indent = 0;
    std::string_view text;
    bool blank = true;
};

// Spaces count one column, a tab up to the next multiple of four.
std::vector<Line> splitLines(std::string_view text) {
    std::vector<Line> lines;
    std::size_t start = 0;
    int number = 0;
    while (start < text.size()) {
        std::size_t end = text.find('\n', start);
        if (end == std::string_view::npos)
            end = text.size();
        std::string_view raw = text.substr(start, end - start);
        // Line ends of any system; a carriage return cannot end a text.
        while (!raw.empty() && raw.back() == '\r')
            raw.remove_suffix(1);
        Line line;
        line.number = ++number;
        std::size_t i = 0;
        for (; i < raw.size() && (raw[i] == ' ' || raw[i] == '\t'); ++i)
            line.indent = raw[i] == ' ' ? line.indent + 1 : (line.indent / 4 + 1) * 4;
        line.text = raw.substr(i);
        line.blank = line.text.empty();
        lines.push_back(line);
        start = end + 1;
    }
    return lines;
}

bool startsWith(std::string_view text, std::string_view prefix) {
    return text.substr(0, prefix.size()) == prefix;
}

// "„sonst“" with the word as it was typed; messages are UTF-8.
std::string quoted(std::string_view word) {
    return said("notation", "„%1“").arg(utf8FromWindows1252(word));
}

class Reader {
public:
    Reader(std::string_view text, const LayoutContext& context)
        : m_lines(splitLines(text)), m_context(context) {}

    ReadNotation read() {
        ReadNotation result;
        header(result);
        result.top = std::make_unique<Sequence>(0, 0, 0, 0);
        sequence(*result.top, 0, 0);
        result.elementLines = std::move(m_elementLines);
        return result;
    }

private:
    [[noreturn]] void fail(int line, const std::string& reason) const {
        throw NotationError(line, reason);
    }

    // The next line that is not blank; none at the end.
    const Line* peek() {
        while (m_pos < m_lines.size() && m_lines[m_pos].blank)
            ++m_pos;
        return m_pos < m_lines.size() ? &m_lines[m_pos] : nullptr;
    }

    std::string text(const Line& line, std::string value) const {
        if (value.size() > MaxTextLength)
            fail(line.number, said("notation", "Text länger als %1 Zeichen").arg(MaxTextLength));
        return value;
    }

    static Keyword keyword(const Line& line) {
        return line.text.front() == '\\' ? Keyword::None : keywordOf(line.text);
    }

    void header(ReadNotation& result) {
        while (const Line* line = peek()) {
            const Keyword k = keyword(*line);
            if (line->indent != 0 || (k != Keyword::Title && k != Keyword::Comment))
                return;
            const Split split = splitWord(line->text);
            std::string value = split.hasRest ? decodeRest(split.rest) : std::string();
            if (k == Keyword::Title)
                result.title = text(*line, std::move(value));
            else
                result.comment.push_back(text(*line, std::move(value)));
            ++m_pos;
        }
    }

    // The lines at this indentation; a nested sequence without any gets
    // the empty statement.
    void sequence(Sequence& sequence, int indent, int ownerLine) {
        bool any = false;
        while (const Line* line = peek()) {
            if (line->indent < indent)
                break;
            if (line->indent > indent)
                fail(line->number, said("notation", "Einrückung passt zu keinem Kopf darüber"));
            misplaced(*line);
            if (sequence.size() == MaxSequenceLength)
                fail(line->number,
                     said("notation", "Mehr als %1 Elemente untereinander").arg(MaxSequenceLength));
            sequence.append(element(*line));
            any = true;
        }
        if (!any && ownerLine > 0) {
            m_elementLines.push_back(ownerLine);
            sequence.append(createElement(ElementKind::Block, m_context));
        }
    }

    void misplaced(const Line& line) const {
        const std::string word(splitWord(line.text).word);
        switch (keyword(line)) {
        case Keyword::Else:
            fail(line.number, said("notation", "%1 ohne „wenn“").arg(quoted(word)));
        case Keyword::Branch:
            fail(line.number,
                 said("notation", "%1 außerhalb einer Fallunterscheidung").arg(quoted(word)));
        case Keyword::Title:
        case Keyword::Comment:
            fail(line.number, said("notation", "%1 gehört an den Anfang").arg(quoted(word)));
        default:
            if (line.text.front() != '\\' && startsWith(line.text, Continuation))
                fail(line.number,
                     said("notation", "%1 ohne Kopf darüber").arg(quoted(Continuation)));
        }
    }

    std::unique_ptr<Element> element(const Line& line) {
        m_elementLines.push_back(line.number);
        switch (keyword(line)) {
        case Keyword::None:
            return statement(line.indent);
        case Keyword::Empty:
            if (splitWord(line.text).hasRest)
                fail(line.number,
                     said("notation", "%1 steht allein").arg(quoted(splitWord(line.text).word)));
            ++m_pos;
            return createElement(ElementKind::Block, m_context);
        case Keyword::If:
            return conditional(line);
        case Keyword::While:
            return withBody(ElementKind::WhileLoop, line, head(line, false));
        case Keyword::WhilePlain:
            return withBody(ElementKind::WhileLoop, line, head(line, true));
        case Keyword::For:
            return withBody(ElementKind::ForLoop, line, head(line, false));
        case Keyword::ForPlain:
            return withBody(ElementKind::ForLoop, line, head(line, true));
        case Keyword::Repeat:
            return repeat(line);
        case Keyword::Case:
            return caseElement(line);
        case Keyword::Call:
            return simple(ElementKind::Call, head(line, true));
        case Keyword::Exit:
            return simple(ElementKind::Exit, head(line, false));
        case Keyword::ExitPlain:
            return simple(ElementKind::Exit, head(line, true));
        default:
            fail(line.number, said("notation", "unerwartet"));
        }
    }

    // Consecutive lines at the indentation, up to a blank or keyword line.
    std::unique_ptr<Element> statement(int indent) {
        std::vector<std::string> lines;
        while (m_pos < m_lines.size()) {
            const Line& line = m_lines[m_pos];
            if (line.blank || line.indent != indent)
                break;
            const bool escaped = line.text.front() == '\\';
            if (!escaped &&
                (keywordOf(line.text) != Keyword::None || startsWith(line.text, Continuation)))
                break;
            if (lines.size() == MaxElementLines)
                fail(
                    line.number,
                    said("notation", "Mehr als %1 Zeilen in einer Anweisung").arg(MaxElementLines));
            lines.push_back(text(line, std::string(escaped ? line.text.substr(1) : line.text)));
            ++m_pos;
        }
        return simple(ElementKind::Block, std::move(lines));
    }

    std::unique_ptr<Element> simple(ElementKind kind, std::vector<std::string> lines) {
        auto element = createElement(kind, m_context);
        element->setLines(std::move(lines));
        return element;
    }

    // The head's text: behind the word, or the whole line when the word is
    // part of it; then the "..." lines below.
    std::vector<std::string> head(const Line& line, bool behindWord) {
        std::vector<std::string> lines;
        if (!behindWord) {
            lines.push_back(text(line, std::string(line.text)));
        } else if (const Split split = splitWord(line.text); split.hasRest) {
            lines.push_back(text(line, decodeRest(split.rest)));
        }
        ++m_pos;
        while (m_pos < m_lines.size()) {
            const Line& next = m_lines[m_pos];
            if (next.blank || next.indent != line.indent || !startsWith(next.text, Continuation))
                break;
            std::string_view rest = next.text.substr(Continuation.size());
            if (!rest.empty() && rest.front() == ' ')
                rest.remove_prefix(1);
            lines.push_back(text(next, std::string(rest)));
            ++m_pos;
        }
        return lines;
    }

    // The lines indented below the head, if any.
    void body(Sequence& sequence, const Line& head, int ownerLine) {
        if (++m_depth > MaxNestingDepth)
            fail(head.number,
                 said("notation", "Verschachtelung tiefer als %1 Ebenen").arg(MaxNestingDepth));
        const Line* next = peek();
        if (next != nullptr && next->indent > head.indent)
            this->sequence(sequence, next->indent, ownerLine);
        else
            this->sequence(sequence, head.indent + 1, ownerLine);
        --m_depth;
    }

    std::unique_ptr<Element> withBody(ElementKind kind, const Line& line,
                                      std::vector<std::string> lines) {
        auto element = simple(kind, std::move(lines));
        body(static_cast<CompoundElement&>(*element).sequenceAt(0), line, line.number);
        return element;
    }

    std::unique_ptr<Element> conditional(const Line& line) {
        auto element = simple(ElementKind::Conditional, head(line, true));
        auto& compound = static_cast<CompoundElement&>(*element);
        body(compound.sequenceAt(0), line, line.number);
        const Line* next = peek();
        if (next == nullptr || next->indent != line.indent || keyword(*next) != Keyword::Else) {
            m_elementLines.push_back(line.number);
            compound.sequenceAt(1).append(createElement(ElementKind::Block, m_context));
            return element;
        }
        const Line& otherwise = *next;
        if (splitWord(otherwise.text).hasRest)
            fail(otherwise.number, said("notation", "%1 einer Bedingung hat keinen Text")
                                       .arg(quoted(splitWord(otherwise.text).word)));
        ++m_pos;
        body(compound.sequenceAt(1), otherwise, otherwise.number);
        return element;
    }

    std::unique_ptr<Element> repeat(const Line& line) {
        if (splitWord(line.text).hasRest)
            fail(line.number,
                 said("notation", "hinter %1 steht nichts; die Bedingung folgt als „bis …“")
                     .arg(quoted(splitWord(line.text).word)));
        ++m_pos;
        auto element = createElement(ElementKind::RepeatLoop, m_context);
        body(static_cast<CompoundElement&>(*element).sequenceAt(0), line, line.number);
        const Line* foot = peek();
        if (foot == nullptr || foot->indent != line.indent)
            fail(line.number,
                 said("notation", "%1 ohne „bis“").arg(quoted(splitWord(line.text).word)));
        if (isFootWord(foot->text))
            element->setLines(head(*foot, false));
        else if (isPlainFoot(foot->text))
            element->setLines(head(*foot, true));
        else
            fail(foot->number, said("notation", "erwartet: „bis …“ zu %1 in Zeile %2")
                                   .arg(quoted(splitWord(line.text).word))
                                   .arg(line.number));
        return element;
    }

    std::unique_ptr<Element> caseElement(const Line& line) {
        auto element = simple(ElementKind::Case, head(line, true));
        auto& choice = static_cast<Case&>(*element);
        choice.setHasElse(false);
        const Line* branch = peek();
        const int branchIndent = branch != nullptr ? branch->indent : 0;
        int count = 0;
        while (branch != nullptr && branch->indent == branchIndent && branchIndent > line.indent) {
            const Keyword k = keyword(*branch);
            const Split split = splitWord(branch->text);
            if (choice.hasElse())
                fail(branch->number, said("notation", "nach „sonst“ folgt kein Fall mehr"));
            if (k != Keyword::Branch && k != Keyword::Else)
                fail(branch->number, said("notation", "erwartet: „fall …“ oder „sonst“"));
            std::string label = split.hasRest ? decodeRest(split.rest) : std::string();
            if (k == Keyword::Else && !split.hasRest)
                label = std::string(split.word);
            choice.setHasElse(k == Keyword::Else);
            const Line& own = *branch;
            ++m_pos;
            body(choice.addBranch(text(own, std::move(label))), own, own.number);
            ++count;
            branch = peek();
        }
        if (count == 0)
            fail(line.number,
                 said("notation", "%1 ohne „fall“").arg(quoted(splitWord(line.text).word)));
        choice.setBranchCount(count);
        return element;
    }

    std::vector<Line> m_lines;
    std::size_t m_pos = 0;
    const LayoutContext& m_context;
    std::vector<int> m_elementLines;
    int m_depth = 0;
};

} // namespace

ReadNotation readNotation(std::string_view text, const LayoutContext& context) {
    if (text.size() > MaxNotationSize)
        throw NotationError(
            0,
            messages::said("notation", "Der Text ist größer als %1 MB").arg(MaxNotationSize >> 20));
    const auto lines = static_cast<std::size_t>(std::count(text.begin(), text.end(), '\n'));
    if (lines > MaxNotationLines)
        throw NotationError(
            0, messages::said("notation", "Der Text hat %1 Zeilen, höchstens %2 werden gelesen")
                   .arg(lines)
                   .arg(MaxNotationLines));
    return Reader(text, context).read();
}

namespace {

// A new document of what a text gives, the header put by `header`: laid out
// with the defaults, unmodified.
std::unique_ptr<Document> documentOfText(
    TextMeasurer& measurer, const DefaultLabels& labels,
    const std::function<std::unique_ptr<Sequence>(Document&, const LayoutContext&)>& read) {
    auto document = std::make_unique<Document>(measurer);
    const LayoutContext context = document->layoutContext(measurer, labels);
    document->replaceTopSequence(read(*document, context));
    document->topSequence().relayout(context);
    document->topSequence().setModified(false);
    document->layout(measurer, PaperSize{});
    return document;
}

} // namespace

std::unique_ptr<Document> loadNotation(std::string_view text, TextMeasurer& measurer,
                                       const DefaultLabels& labels) {
    return documentOfText(measurer, labels,
                          [text](Document& document, const LayoutContext& context) {
                              ReadNotation read = readNotation(text, context);
                              DiagramFormat format;
                              format.title = std::move(read.title);
                              format.comment = std::move(read.comment);
                              document.setFormat(std::move(format));
                              return std::move(read.top);
                          });
}

std::unique_ptr<Document> loadExactNotation(std::string_view utf8, TextMeasurer& measurer,
                                            const DefaultLabels& labels,
                                            ReplacedCharacters& replaced) {
    return documentOfText(measurer, labels,
                          [utf8, &replaced](Document& document, const LayoutContext& context) {
                              ExactNotation exact = readExactNotation(utf8, context, replaced);
                              document.setTypedHeader(exact.typedTitle, exact.typedComment);
                              return std::move(exact.read.top);
                          });
}

} // namespace velbrant
