#include "model/nsd_file.h"

#include "model/case.h"
#include "model/compound_element.h"
#include "model/element_factory.h"
#include "model/element_io.h"
#include "model/windows1252.h"

#include <algorithm>
#include <map>
#include <pugixml.hpp>
#include <sstream>

namespace velbrant {

namespace {

// Structorizer keeps lines as comma text: items quoted with '"' (a quote
// inside doubled) or bare, separated by commas.
std::vector<std::string> commaTextLines(std::string_view text) {
    std::vector<std::string> lines;
    std::size_t i = 0;
    while (i < text.size()) {
        std::string line;
        if (text[i] == '"') {
            for (++i; i < text.size(); ++i) {
                if (text[i] == '"' && i + 1 < text.size() && text[i + 1] == '"')
                    line += text[++i];
                else if (text[i] == '"')
                    break;
                else
                    line += text[i];
            }
            i = text.find(',', i);
        } else {
            const std::size_t comma = text.find(',', i);
            line = text.substr(i, comma == std::string_view::npos ? comma : comma - i);
            i = comma;
        }
        lines.push_back(std::move(line));
        if (i == std::string_view::npos)
            break;
        ++i;
    }
    return lines;
}

std::string commaText(const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& line : lines) {
        if (!text.empty())
            text += ',';
        text += '"';
        for (const char c : line) {
            text += c;
            if (c == '"')
                text += '"';
        }
        text += '"';
    }
    return text;
}

// A case's text in the file: one selector line (several lines joined), the
// labels, and "%" without an else branch.
std::vector<std::string> caseText(const Case& switchCase) {
    std::string selector;
    for (const std::string& line : switchCase.lines())
        selector += (selector.empty() ? "" : " ") + line;
    std::vector<std::string> text{selector};
    const auto& labels = switchCase.branchLabels();
    text.insert(text.end(), labels.begin(), labels.end());
    if (!switchCase.hasElse())
        text.push_back("%");
    return text;
}

// pugixml's reasons in the user's words.
std::string xmlReason(pugi::xml_parse_status status) {
    switch (status) {
    case pugi::status_out_of_memory:
        return "Nicht genug Arbeitsspeicher";
    case pugi::status_unrecognized_tag:
    case pugi::status_bad_start_element:
        return "Ein Element beginnt fehlerhaft";
    case pugi::status_bad_pi:
        return "Eine Verarbeitungsanweisung ist fehlerhaft";
    case pugi::status_bad_comment:
        return "Ein Kommentar ist fehlerhaft";
    case pugi::status_bad_cdata:
        return "Ein CDATA-Abschnitt ist fehlerhaft";
    case pugi::status_bad_doctype:
        return "Die Dokumenttyp-Deklaration ist fehlerhaft";
    case pugi::status_bad_pcdata:
        return "Ein Text ist fehlerhaft";
    case pugi::status_bad_attribute:
        return "Ein Attribut ist fehlerhaft";
    case pugi::status_bad_end_element:
        return "Ein Element endet fehlerhaft";
    case pugi::status_end_element_mismatch:
        return "Ein Element endet mit dem falschen Namen oder gar nicht";
    case pugi::status_no_document_element:
        return "Die Datei enthält kein Element";
    default:
        return "Die Datei ist kein lesbares XML";
    }
}

class NsdReader {
public:
    NsdReader(std::string_view file, const LayoutContext& context)
        : m_file(file), m_context(context) {}

    void fail(const std::string& what, std::ptrdiff_t offset) const {
        const auto end = std::min<std::size_t>(
            static_cast<std::size_t>(std::max<std::ptrdiff_t>(offset, 0)), m_file.size());
        const auto line =
            1 + std::count(m_file.begin(), m_file.begin() + static_cast<std::ptrdiff_t>(end), '\n');
        throw FormatError(what + " (Zeile " + std::to_string(line) + ")", end);
    }

    std::vector<std::string> lines(const pugi::xml_node& node, const char* attribute) {
        std::vector<std::string> result;
        for (const std::string& line : commaTextLines(node.attribute(attribute).value())) {
            std::string bytes = windows1252FromUtf8(line, m_replaced);
            if (bytes.size() > MaxTextLength) {
                bytes.resize(MaxTextLength);
                ++m_cut;
            }
            result.push_back(std::move(bytes));
        }
        return result;
    }

    void readChildren(const pugi::xml_node& parent, Sequence& sequence, int depth) {
        for (const pugi::xml_node& node : parent.children()) {
            if (node.type() != pugi::node_element)
                continue;
            if (auto element = readElement(node, depth))
                sequence.append(std::move(element));
        }
    }

    std::vector<std::string> conversions() const {
        std::vector<std::string> said;
        for (const auto& [what, count] : m_counts)
            said.push_back(what + ": " + std::to_string(count));
        if (!m_replaced.empty())
            said.push_back("Zeichen, die Windows-1252 nicht kennt, ersetzt: " +
                           m_replaced.summary());
        if (m_cut > 0)
            said.push_back("Zeilen auf 255 Zeichen gekürzt: " + std::to_string(m_cut));
        return said;
    }

private:
    std::unique_ptr<Element> readElement(const pugi::xml_node& node, int depth) {
        if (depth >= MaxNestingDepth)
            fail("Verschachtelung tiefer als " + std::to_string(MaxNestingDepth) + " Ebenen",
                 node.offset_debug());
        auto element = readKind(node, depth);
        if (element != nullptr)
            keepAttributes(node, *element);
        return element;
    }

    std::unique_ptr<Element> readKind(const pugi::xml_node& node, int depth) {
        const std::string name = node.name();
        if (name == "instruction")
            return simple(ElementKind::Block, node);
        if (name == "call")
            return simple(ElementKind::Call, node);
        if (name == "jump")
            return simple(ElementKind::Exit, node);
        if (name == "alternative") {
            auto element = simple(ElementKind::Conditional, node);
            readNested(node.child("qTrue"), *element, 0, depth);
            readNested(node.child("qFalse"), *element, 1, depth);
            return element;
        }
        if (name == "while" || name == "repeat" || name == "for")
            return loop(node,
                        name == "while"    ? ElementKind::WhileLoop
                        : name == "repeat" ? ElementKind::RepeatLoop
                                           : ElementKind::ForLoop,
                        depth);
        if (name == "forever") {
            auto element = loop(node, ElementKind::WhileLoop, depth);
            std::vector<std::string> text{"solange wahr (Endlosschleife)"};
            for (const std::string& line : element->lines())
                if (!line.empty())
                    text.push_back(line);
            element->setLines(std::move(text));
            return element;
        }
        if (name == "case")
            return switchCase(node, depth);
        if (name == "parallel")
            return columns(node, {"parallel"}, "qPara", "Strang ", depth);
        if (name == "try")
            return tryBlock(node, depth);
        count("Unbekannte Elemente „" + name + "“ weggelassen");
        return nullptr;
    }

    // Colour, comment, disabled flag, the other attributes and, for the
    // kinds Velbrant shows as others, the file's own kind and text.
    void keepAttributes(const pugi::xml_node& node, Element& element) {
        auto nsd = std::make_shared<NsdAttributes>();
        for (const pugi::xml_attribute& attribute : node.attributes()) {
            const std::string name = attribute.name();
            if (name == "color")
                nsd->color = attribute.value();
            else if (name == "comment")
                nsd->comment = commaTextLines(attribute.value());
            else if (name == "disabled")
                nsd->disabled = std::string(attribute.value()) == "1";
            else if (name != "text")
                nsd->others.emplace_back(name, attribute.value());
        }
        const std::string kind = node.name();
        if (kind == "forever" || kind == "try" || kind == "parallel")
            nsd->kind = kind;
        // The file's text goes back as it was while Velbrant's stays as read:
        // characters Windows-1252 lacks ("≤", "←") survive.
        nsd->fileLines = commaTextLines(node.attribute("text").value());
        nsd->shownLines =
            kind == "case" ? caseText(static_cast<const Case&>(element)) : element.lines();
        element.setNsd(std::move(nsd));
    }

    std::unique_ptr<Element> simple(ElementKind kind, const pugi::xml_node& node) {
        auto element = createElement(kind, m_context);
        element->setLines(lines(node, "text"));
        return element;
    }

    std::unique_ptr<Element> loop(const pugi::xml_node& node, ElementKind kind, int depth) {
        auto element = simple(kind, node);
        for (const pugi::xml_node& body : node.children())
            if (body.type() == pugi::node_element && body.name()[0] == 'q')
                readNested(body, *element, 0, depth);
        return element;
    }

    void readNested(const pugi::xml_node& node, Element& element, std::size_t index, int depth) {
        auto& compound = dynamic_cast<CompoundElement&>(element);
        readChildren(node, compound.sequenceAt(index), depth + 1);
    }

    std::unique_ptr<Element> columns(const pugi::xml_node& node, std::vector<std::string> text,
                                     const char* branchName, const std::string& labelPrefix,
                                     int depth) {
        auto element = createElement(ElementKind::Case, m_context);
        auto& result = dynamic_cast<Case&>(*element);
        result.setHasElse(false);
        result.setLines(std::move(text));
        int number = 0;
        for (const pugi::xml_node& branch : node.children(branchName))
            readChildren(branch, result.addBranch(labelPrefix + std::to_string(++number)),
                         depth + 1);
        // A case has at least two columns.
        while (number < 2)
            result.addBranch(labelPrefix + std::to_string(++number));
        result.setBranchCount(number);
        return element;
    }

    std::unique_ptr<Element> tryBlock(const pugi::xml_node& node, int depth) {
        auto element = createElement(ElementKind::Case, m_context);
        auto& result = dynamic_cast<Case&>(*element);
        result.setHasElse(false);
        std::vector<std::string> text = lines(node, "text");
        result.setLines(text.empty() ? std::vector<std::string>{"try"} : text);
        int branches = 0;
        for (const char* part : {"qTry", "qCatch", "qFinally"}) {
            readChildren(node.child(part), result.addBranch(part + 1), depth + 1);
            ++branches;
        }
        result.setBranchCount(branches);
        return element;
    }

    // The selector is the first line, the branch labels the others; a last
    // label "%" means there is no default branch.
    std::unique_ptr<Element> switchCase(const pugi::xml_node& node, int depth) {
        auto element = createElement(ElementKind::Case, m_context);
        auto& result = dynamic_cast<Case&>(*element);
        std::vector<std::string> text = lines(node, "text");
        std::vector<std::string> labels;
        if (text.size() > 1)
            labels.assign(text.begin() + 1, text.end());
        result.setLines(text.empty() ? std::vector<std::string>{} : std::vector{text.front()});
        const bool noDefault = !labels.empty() && labels.back() == "%";
        std::vector<pugi::xml_node> branches;
        for (const pugi::xml_node& branch : node.children("qCase"))
            branches.push_back(branch);
        if (noDefault)
            labels.pop_back();
        if (noDefault && branches.size() > labels.size() &&
            !branches.back().first_child()) // the hidden default, empty
            branches.pop_back();
        labels.resize(std::max(branches.size(), std::size_t{2}));
        while (branches.size() < labels.size())
            branches.emplace_back();
        result.setHasElse(!noDefault);
        for (std::size_t i = 0; i < branches.size(); ++i)
            readChildren(branches[i], result.addBranch(labels[i]), depth + 1);
        result.setBranchCount(static_cast<int>(branches.size()));
        return element;
    }

    void count(const std::string& what) { ++m_counts[what]; }

    std::string_view m_file;
    const LayoutContext& m_context;
    std::map<std::string, int> m_counts;
    ReplacedCharacters m_replaced;
    int m_cut = 0;
};

void fillEmpty(Sequence& sequence, const LayoutContext& context) {
    for (std::size_t i = 0; i < sequence.size(); ++i) {
        auto* compound = dynamic_cast<CompoundElement*>(&sequence.at(i));
        if (compound == nullptr)
            continue;
        for (std::size_t s = 0; s < compound->sequenceCount(); ++s)
            fillEmpty(compound->sequenceAt(s), context);
        compound->fillEmptySequences(context);
    }
}

// Writing: XML escaping is pugixml's; texts go out as UTF-8.
class NsdWriter {
public:
    void writeSequence(pugi::xml_node parent, const Sequence& sequence) {
        for (std::size_t i = 0; i < sequence.size(); ++i)
            writeElement(parent, sequence.at(i));
    }

private:
    static std::vector<std::string> utf8(const std::vector<std::string>& lines) {
        std::vector<std::string> converted;
        for (const std::string& line : lines)
            converted.push_back(utf8FromWindows1252(line));
        return converted;
    }

    // The element's node with its text and, as the file had them, its
    // colour, comment, disabled flag and other attributes.
    static pugi::xml_node node(pugi::xml_node parent, const char* name, const Element& element,
                               const std::vector<std::string>& lines, bool fileTextFits = true) {
        const NsdAttributes* nsd = element.nsd();
        pugi::xml_node added = parent.append_child(name);
        const bool fileText = fileTextFits && nsd != nullptr && lines == nsd->shownLines;
        added.append_attribute("text") = commaText(fileText ? nsd->fileLines : utf8(lines)).c_str();
        added.append_attribute("comment") = nsd != nullptr ? commaText(nsd->comment).c_str() : "";
        added.append_attribute("color") =
            nsd != nullptr && !nsd->color.empty() ? nsd->color.c_str() : "ffffff";
        if (nsd != nullptr) {
            for (const auto& [attribute, value] : nsd->others)
                added.append_attribute(attribute.c_str()) = value.c_str();
        } else if (std::string_view(name) == "instruction") {
            added.append_attribute("rotated") = "0";
        }
        added.append_attribute("disabled") = nsd != nullptr && nsd->disabled ? "1" : "0";
        return added;
    }

    // A branch holding only the empty statement is an empty branch.
    void nested(pugi::xml_node node, const char* name, const Element& owner, std::size_t index) {
        const Sequence& sequence = dynamic_cast<const CompoundElement&>(owner).sequenceAt(index);
        pugi::xml_node added = node.append_child(name);
        if (!(sequence.size() == 1 && sequence.at(0).isEmptyStatement()))
            writeSequence(added, sequence);
    }

    static std::string_view kindOf(const Element& element) {
        return element.nsd() != nullptr ? std::string_view(element.nsd()->kind) : "";
    }

    void writeElement(pugi::xml_node parent, const Element& element) {
        const std::vector<std::string>& lines = element.lines();
        switch (element.kind()) {
        case ElementKind::Block:
            node(parent, "instruction", element, lines);
            return;
        case ElementKind::Call:
            node(parent, "call", element, lines);
            return;
        case ElementKind::Exit:
            node(parent, "jump", element, lines);
            return;
        case ElementKind::Conditional: {
            pugi::xml_node alternative = node(parent, "alternative", element, lines);
            nested(alternative, "qTrue", element, 0);
            nested(alternative, "qFalse", element, 1);
            return;
        }
        case ElementKind::WhileLoop:
            if (kindOf(element) == "forever")
                nested(node(parent, "forever", element, lines), "qForever", element, 0);
            else
                nested(node(parent, "while", element, lines), "qWhile", element, 0);
            return;
        case ElementKind::RepeatLoop:
            nested(node(parent, "repeat", element, lines), "qRepeat", element, 0);
            return;
        case ElementKind::ForLoop:
            nested(node(parent, "for", element, lines), "qFor", element, 0);
            return;
        case ElementKind::Case:
            writeCase(parent, dynamic_cast<const Case&>(element));
            return;
        }
    }

    // How many branches a case goes back with when its text goes back as
    // the file had it: the file's labels. A case read with fewer labels than
    // Velbrant's two columns got empty ones, which stay out; none when the
    // file's text does not fit the branches (then Velbrant's own is written).
    static std::optional<std::size_t> fileBranches(const Case& switchCase,
                                                   const std::vector<std::string>& text) {
        const NsdAttributes* nsd = switchCase.nsd();
        if (nsd == nullptr || text != nsd->shownLines || nsd->fileLines.empty())
            return std::nullopt;
        const bool noDefault = nsd->fileLines.back() == "%";
        const std::size_t labels = nsd->fileLines.size() - 1 - (noDefault ? 1 : 0);
        if (labels > switchCase.sequenceCount())
            return std::nullopt;
        for (std::size_t i = labels; i < switchCase.sequenceCount(); ++i) {
            const Sequence& padded = switchCase.branch(i);
            if (!(padded.size() == 1 && padded.at(0).isEmptyStatement()))
                return std::nullopt;
        }
        return labels;
    }

    // A try block and a parallel section go back as what they were.
    void writeCase(pugi::xml_node parent, const Case& switchCase) {
        if (kindOf(switchCase) == "try") {
            pugi::xml_node added = node(parent, "try", switchCase, switchCase.lines());
            const char* parts[] = {"qTry", "qCatch", "qFinally"};
            for (std::size_t i = 0; i < std::min<std::size_t>(3, switchCase.sequenceCount()); ++i)
                nested(added, parts[i], switchCase, i);
            return;
        }
        if (kindOf(switchCase) == "parallel") {
            pugi::xml_node added = node(parent, "parallel", switchCase, switchCase.lines());
            for (std::size_t i = 0; i < switchCase.sequenceCount(); ++i)
                nested(added, "qPara", switchCase, i);
            return;
        }
        writeChoice(parent, switchCase);
    }

    void writeChoice(pugi::xml_node parent, const Case& switchCase) {
        const std::vector<std::string> text = caseText(switchCase);
        const std::optional<std::size_t> fromFile = fileBranches(switchCase, text);
        pugi::xml_node added = node(parent, "case", switchCase, text, fromFile.has_value());
        for (std::size_t i = 0; i < fromFile.value_or(switchCase.sequenceCount()); ++i)
            nested(added, "qCase", switchCase, i);
        if (!switchCase.hasElse())
            added.append_child("qCase");
    }
};

bool declaresWindows1252(std::string_view file) {
    std::string head(file.substr(0, std::min<std::size_t>(file.size(), 200)));
    const std::size_t end = head.find("?>");
    if (head.rfind("<?xml", 0) != 0 || end == std::string::npos)
        return false;
    head.resize(end);
    for (char& c : head)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return head.find("windows-1252") != std::string::npos ||
           head.find("cp1252") != std::string::npos;
}

// Everything of the root but title and comment: its attributes, the
// header's further lines (a subroutine's parameters) and other children.
std::shared_ptr<const NsdRoot> keptRoot(const pugi::xml_node& root, const DiagramFormat& format) {
    auto kept = std::make_shared<NsdRoot>();
    for (const pugi::xml_attribute& attribute : root.attributes()) {
        const std::string name = attribute.name();
        if (name != "text" && name != "comment")
            kept->attributes.emplace_back(name, attribute.value());
    }
    const std::vector<std::string> header = commaTextLines(root.attribute("text").value());
    if (!header.empty())
        kept->fileTitle = header.front();
    if (header.size() > 1)
        kept->headerLines.assign(header.begin() + 1, header.end());
    kept->fileComment = commaTextLines(root.attribute("comment").value());
    kept->shownTitle = format.title;
    kept->shownComment = format.comment;
    bool before = true;
    for (const pugi::xml_node& child : root.children()) {
        if (child.type() != pugi::node_element)
            continue;
        if (std::string(child.name()) == "children") {
            before = false;
            continue;
        }
        std::ostringstream xml;
        child.print(xml, "", pugi::format_raw);
        (before ? kept->childrenBefore : kept->childrenAfter).push_back(xml.str());
    }
    return kept;
}

} // namespace

NsdImport loadNsd(std::string_view file, TextMeasurer& measurer, const DefaultLabels& labels) {
    auto document = std::make_unique<Document>(measurer);
    const LayoutContext context = document->layoutContext(measurer, labels);
    NsdReader reader(file, context);
    if (file.size() > MaxNsdSize)
        reader.fail("Die Datei ist größer als 64 MB", 0);
    pugi::xml_document xml;
    // The encoding by the byte order mark or the declaration: Structorizer
    // may write UTF-16, older files ISO-8859-1. pugixml does not know
    // Windows-1252; such a file is made UTF-8 first.
    const std::string converted =
        declaresWindows1252(file) ? utf8FromWindows1252(file) : std::string();
    const std::string_view text = converted.empty() ? file : std::string_view(converted);
    const pugi::xml_parse_result parsed =
        xml.load_buffer(text.data(), text.size(), pugi::parse_default,
                        converted.empty() ? pugi::encoding_auto : pugi::encoding_utf8);
    if (!parsed)
        reader.fail("Kein gültiges XML: " + xmlReason(parsed.status), parsed.offset);
    const pugi::xml_node root = xml.child("root");
    if (!root)
        reader.fail("Kein Structorizer-Diagramm: das Element „root“ fehlt", 0);
    DiagramFormat format;
    const std::vector<std::string> title = reader.lines(root, "text");
    if (!title.empty())
        format.title = title.front();
    format.comment = reader.lines(root, "comment");
    document->setNsdRoot(keptRoot(root, format));
    reader.readChildren(root.child("children"), document->topSequence(), 0);
    fillEmpty(document->topSequence(), context);
    document->setFormat(std::move(format));
    document->topSequence().relayout(context);
    document->topSequence().setModified(false);
    document->layout(measurer, PaperSize{});
    return {std::move(document), reader.conversions()};
}

namespace {

template <typename Visit> void forEachElement(const Sequence& sequence, const Visit& visit) {
    for (std::size_t i = 0; i < sequence.size(); ++i) {
        visit(sequence.at(i));
        if (const auto* compound = dynamic_cast<const CompoundElement*>(&sequence.at(i))) {
            for (std::size_t s = 0; s < compound->sequenceCount(); ++s)
                forEachElement(compound->sequenceAt(s), visit);
        }
    }
}

std::string counted(int count, const char* one, const char* many) {
    return std::to_string(count) + " " + (count == 1 ? one : many);
}

void addRootContent(const NsdRoot& root, std::vector<std::string>& content) {
    for (const auto& [name, value] : root.attributes) {
        if (name == "type" && value != "program")
            content.push_back("der Diagrammtyp „" + value + "“");
        if (name == "includeList" && !value.empty())
            content.push_back("die Include-Liste");
    }
    if (!root.headerLines.empty())
        content.push_back(counted(static_cast<int>(root.headerLines.size()), "weitere Kopfzeile",
                                  "weitere Kopfzeilen"));
    const bool metadata =
        std::any_of(root.attributes.begin(), root.attributes.end(), [](const auto& attribute) {
            return attribute.first == "author" || attribute.first == "created" ||
                   attribute.first == "changed" || attribute.first == "licenseName" ||
                   attribute.first == "changedby";
        });
    if (metadata || !root.childrenBefore.empty() || !root.childrenAfter.empty())
        content.push_back("Autor, Daten und Lizenz des Diagramms");
}

} // namespace

void appendChildren(pugi::xml_node root, const std::vector<std::string>& children) {
    for (const std::string& child : children) {
        pugi::xml_document fragment;
        if (fragment.load_string(child.c_str()))
            root.append_copy(fragment.first_child());
    }
}

std::vector<std::string> nsdOnlyContent(const Document& document) {
    int colors = 0;
    int comments = 0;
    int disabled = 0;
    int kinds = 0;
    forEachElement(document.topSequence(), [&](const Element& element) {
        const NsdAttributes* nsd = element.nsd();
        if (nsd == nullptr)
            return;
        colors += nsd->fill() ? 1 : 0;
        comments += std::any_of(nsd->comment.begin(), nsd->comment.end(),
                                [](const std::string& line) { return !line.empty(); })
                        ? 1
                        : 0;
        disabled += nsd->disabled ? 1 : 0;
        kinds += nsd->kind.empty() ? 0 : 1;
    });
    std::vector<std::string> content;
    if (colors > 0)
        content.push_back(counted(colors, "Farbe", "Farben"));
    if (comments > 0)
        content.push_back(
            counted(comments, "Kommentar an einem Element", "Kommentare an Elementen"));
    if (disabled > 0)
        content.push_back(counted(disabled, "deaktiviertes Element", "deaktivierte Elemente"));
    if (kinds > 0)
        content.push_back(counted(kinds,
                                  "Endlosschleife, Ausnahmebehandlung oder Parallelabschnitt",
                                  "Endlosschleifen, Ausnahmebehandlungen und Parallelabschnitte"));
    if (const NsdRoot* root = document.nsdRoot())
        addRootContent(*root, content);
    return content;
}

std::string encodeNsd(const Document& document) {
    pugi::xml_document xml;
    auto declaration = xml.append_child(pugi::node_declaration);
    declaration.append_attribute("version") = "1.0";
    declaration.append_attribute("encoding") = "UTF-8";
    pugi::xml_node root = xml.append_child("root");
    const NsdRoot* kept = document.nsdRoot();
    // The namespace first, as Structorizer writes it; the rest in the file's
    // order, so that a file written and read again is written the same.
    std::string space = "https://structorizer.fisch.lu";
    if (kept != nullptr) {
        for (const auto& [name, value] : kept->attributes)
            space = name == "xmlns:nsd" ? value : space;
    }
    root.append_attribute("xmlns:nsd") = space.c_str();
    const DiagramFormat& format = document.format();
    std::vector<std::string> header{kept != nullptr && format.title == kept->shownTitle
                                        ? kept->fileTitle
                                        : utf8FromWindows1252(format.title)};
    if (kept != nullptr)
        header.insert(header.end(), kept->headerLines.begin(), kept->headerLines.end());
    root.append_attribute("text") = commaText(header).c_str();
    std::vector<std::string> comment;
    for (const std::string& line : format.comment)
        comment.push_back(utf8FromWindows1252(line));
    if (kept != nullptr && format.comment == kept->shownComment)
        comment = kept->fileComment;
    root.append_attribute("comment") = commaText(comment).c_str();
    if (kept != nullptr) {
        for (const auto& [name, value] : kept->attributes) {
            if (name != "xmlns:nsd")
                root.append_attribute(name.c_str()) = value.c_str();
        }
    } else {
        root.append_attribute("color") = "ffffff";
        root.append_attribute("type") = "program";
        root.append_attribute("style") = "nice";
    }
    if (kept != nullptr)
        appendChildren(root, kept->childrenBefore);
    NsdWriter().writeSequence(root.append_child("children"), document.topSequence());
    if (kept != nullptr)
        appendChildren(root, kept->childrenAfter);
    std::ostringstream out;
    xml.save(out, "    ", pugi::format_default, pugi::encoding_utf8);
    return out.str();
}

} // namespace velbrant
