#include "model/notation/exact_characters.h"

#include "model/diagram/compound_element.h"

#include <algorithm>
#include <optional>
#include <type_traits>

namespace velbrant {

namespace {

// A line of the text in both forms; whether an element, the title or the
// comment keeps its exact characters.
struct TextLine {
    std::string utf8;
    std::string windows1252;
    ReplacedCharacters replaced;
    bool kept = false;
};

std::vector<std::string> splitLines(std::string_view text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t end = text.find('\n'); end != std::string_view::npos;
         start = end + 1, end = text.find('\n', start))
        lines.emplace_back(text.substr(start, end - start));
    if (start < text.size())
        lines.emplace_back(text.substr(start));
    return lines;
}

std::string_view withoutTrailingBlanks(std::string_view text) {
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t' || text.back() == '\r'))
        text.remove_suffix(1);
    return text;
}

// The UTF-8 end of the line whose Windows-1252 form is `tail`, when the
// line (trailing blanks aside) ends in it at a character's start.
std::optional<std::string> utf8Tail(const TextLine& line, std::string_view tail) {
    const std::string_view utf8 = withoutTrailingBlanks(line.utf8);
    const std::string_view converted = withoutTrailingBlanks(line.windows1252);
    if (converted.size() < tail.size() || converted.substr(converted.size() - tail.size()) != tail)
        return std::nullopt;
    const std::optional<std::vector<std::size_t>> starts = characterStarts(converted, utf8);
    const std::size_t start = starts ? (*starts)[converted.size() - tail.size()] : utf8.npos;
    if (start == utf8.npos)
        return std::nullopt;
    return std::string(utf8.substr(start));
}

// The exact lines of a text kept as `lines`, found line by line from
// `from` on: each in the first line that ends in it. The lines found are
// marked kept.
std::optional<std::vector<std::string>> exactLines(std::vector<TextLine>& text, std::size_t from,
                                                   const std::vector<std::string>& lines) {
    std::vector<std::string> exact;
    std::vector<std::size_t> found;
    for (const std::string& line : lines) {
        if (line.empty()) {
            exact.emplace_back();
            continue;
        }
        std::optional<std::string> tail;
        for (; from < text.size() && !tail; ++from)
            tail = utf8Tail(text[from], line);
        if (!tail)
            return std::nullopt;
        exact.push_back(std::move(*tail));
        found.push_back(from - 1);
    }
    for (const std::size_t line : found)
        text[line].kept = true;
    return exact;
}

// The elements in the order their first lines are counted: each before
// the elements of its sequences.
template <typename SequenceType, typename Visit>
void forEachInReadingOrder(SequenceType& sequence, bool selectedOnly, const Visit& visit) {
    using Compound =
        std::conditional_t<std::is_const_v<SequenceType>, const CompoundElement, CompoundElement>;
    bool inRun = false;
    for (std::size_t i = 0; i < sequence.size(); ++i) {
        auto& element = sequence.at(i);
        if (selectedOnly && !element.isSelected()) {
            if (inRun)
                break;
            continue;
        }
        inRun = true;
        visit(element);
        if (auto* compound = dynamic_cast<Compound*>(&element))
            for (std::size_t s = 0; s < compound->sequenceCount(); ++s)
                forEachInReadingOrder(compound->sequenceAt(s), false, visit);
    }
}

// A case keeps its labels apart from its lines: its text stays in the
// file's form.
bool keepsExactText(const Element& element) {
    return element.kind() != ElementKind::Case;
}

// The written text in UTF-8, the exact lines of the header and of the
// elements of `sequence` put in.
std::string exactText(const WrittenNotation& written, const Sequence& sequence, bool selectedOnly,
                      const Document* header) {
    bool anyExact = header != nullptr && header->nsdRoot() != nullptr;
    forEachInReadingOrder(sequence, selectedOnly, [&anyExact](const Element& element) {
        anyExact = anyExact || element.nsd() != nullptr;
    });
    if (!anyExact)
        return utf8FromWindows1252(written.text);
    std::vector<TextLine> text;
    for (std::string& line : splitLines(written.text))
        text.push_back({utf8FromWindows1252(line), std::move(line), {}, false});
    // The exact text of kept lines replaces the end that is their form.
    const auto put = [&text](std::size_t from, const std::vector<std::string>& lines,
                             const std::vector<std::string>& exact) {
        for (std::size_t i = 0; i < lines.size(); ++i) {
            if (lines[i].empty())
                continue;
            for (; from < text.size(); ++from) {
                if (!utf8Tail(text[from], lines[i]))
                    continue;
                std::string& line = text[from].utf8;
                const std::string form = utf8FromWindows1252(lines[i]);
                line.replace(withoutTrailingBlanks(line).size() - form.size(), form.size(),
                             exact[i]);
                ++from;
                break;
            }
        }
    };
    if (header != nullptr) {
        const DiagramFormat& format = header->format();
        put(0, {format.title}, {header->shownTitle()});
        put(format.title.empty() ? 0 : 1, format.comment, header->shownComment());
    }
    std::size_t index = 0;
    forEachInReadingOrder(sequence, selectedOnly, [&](const Element& element) {
        const auto line = static_cast<std::size_t>(written.elementLines.at(index++)) - 1;
        if (element.nsd() != nullptr && keepsExactText(element) &&
            hasExactText(*element.nsd(), element.lines()))
            put(line, element.lines(), element.shownLines());
    });
    std::string utf8;
    for (const TextLine& line : text)
        utf8 += line.utf8 + '\n';
    return utf8;
}

} // namespace

std::string exactUtf8(const WrittenNotation& written, const Document& document) {
    return exactText(written, document.topSequence(), false, &document);
}

std::string exactUtf8(const WrittenNotation& written, const Sequence& sequence, bool selectedOnly) {
    return exactText(written, sequence, selectedOnly, nullptr);
}

ExactNotation readExactNotation(std::string_view utf8, const LayoutContext& context,
                                ReplacedCharacters& replaced) {
    ReplacedCharacters lackingAnywhere;
    const std::string whole = windows1252FromUtf8(utf8, lackingAnywhere);
    if (lackingAnywhere.empty()) {
        ExactNotation plain{readNotation(whole, context), {}, {}};
        plain.typedTitle = utf8FromWindows1252(plain.read.title);
        for (const std::string& line : plain.read.comment)
            plain.typedComment.push_back(utf8FromWindows1252(line));
        return plain;
    }
    std::vector<TextLine> text;
    std::string windows1252;
    for (std::string& line : splitLines(utf8)) {
        ReplacedCharacters lacking;
        std::string converted = windows1252FromUtf8(line, lacking);
        windows1252 += converted + '\n';
        text.push_back({std::move(line), std::move(converted), std::move(lacking), false});
    }
    ExactNotation exact{readNotation(windows1252, context), {}, {}};
    ReadNotation& read = exact.read;
    const auto shown = [&text](std::size_t from, const std::vector<std::string>& lines) {
        std::optional<std::vector<std::string>> found = exactLines(text, from, lines);
        if (found)
            return std::move(*found);
        std::vector<std::string> asFile;
        for (const std::string& line : lines)
            asFile.push_back(utf8FromWindows1252(line));
        return asFile;
    };
    exact.typedTitle = read.title.empty() ? std::string() : shown(0, {read.title}).front();
    exact.typedComment = shown(read.title.empty() ? 0 : 1, read.comment);
    std::size_t index = 0;
    forEachInReadingOrder(*read.top, false, [&](Element& element) {
        const auto line = static_cast<std::size_t>(read.elementLines.at(index++)) - 1;
        if (!keepsExactText(element) || element.lines().empty())
            return;
        if (std::optional<std::vector<std::string>> lines = exactLines(text, line, element.lines()))
            element.setTypedLines(*lines);
    });
    // Told are the characters no element, title or comment keeps.
    for (const TextLine& line : text)
        if (!line.kept)
            for (const char32_t character : line.replaced.characters())
                replaced.add(character);
    return exact;
}

} // namespace velbrant
