#include "model/diagram/compound_element.h"
#include "model/diagram/element_factory.h"
#include "model/diagram/limits.h"
#include "model/elements/case.h"
#include "model/files/element_io.h"
#include "model/files/windows1252.h"
#include "model/messages/said.h"
#include "model/structorizer/nsd_file.h"
#include "model/structorizer/nsd_text.h"

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <map>
#include <pugixml.hpp>
#include <sstream>

namespace velbrant {

namespace {

using messages::said;
using nsd::caseText;
using nsd::commaTextLines;

// pugixml's reasons in the user's words.
std::string xmlReason(pugi::xml_parse_status status) {
    switch (status) {
    case pugi::status_out_of_memory:
        return said("structorizer", "Nicht genug Arbeitsspeicher");
    case pugi::status_unrecognized_tag:
    case pugi::status_bad_start_element:
        return said("structorizer", "Ein Element beginnt fehlerhaft");
    case pugi::status_bad_pi:
        return said("structorizer", "Eine Verarbeitungsanweisung ist fehlerhaft");
    case pugi::status_bad_comment:
        return said("structorizer", "Ein Kommentar ist fehlerhaft");
    case pugi::status_bad_cdata:
        return said("structorizer", "Ein CDATA-Abschnitt ist fehlerhaft");
    case pugi::status_bad_doctype:
        return said("structorizer", "Die Dokumenttyp-Deklaration ist fehlerhaft");
    case pugi::status_bad_pcdata:
        return said("structorizer", "Ein Text ist fehlerhaft");
    case pugi::status_bad_attribute:
        return said("structorizer", "Ein Attribut ist fehlerhaft");
    case pugi::status_bad_end_element:
        return said("structorizer", "Ein Element endet fehlerhaft");
    case pugi::status_end_element_mismatch:
        return said("structorizer", "Ein Element endet mit dem falschen Namen oder gar nicht");
    case pugi::status_no_document_element:
        return said("structorizer", "Die Datei enthält kein Element");
    default:
        return said("structorizer", "Die Datei ist kein lesbares XML");
    }
}

bool isControl(long code) {
    return code >= 0 && code < 0x20 && code != '\t' && code != '\n' && code != '\r';
}

// A control character (NUL, ...), written as itself or as a character
// reference, would cut the text it stands in or read back otherwise: it
// becomes a blank. Tabs and line ends stay.
std::string blankedControlReferences(std::string_view text, int& blanked) {
    std::string result;
    result.reserve(text.size());
    for (std::size_t i = 0; i < text.size();) {
        if (isControl(static_cast<unsigned char>(text[i]))) {
            result += ' ';
            ++blanked;
            ++i;
            continue;
        }
        const std::size_t end = text.substr(i, 12).find(';');
        if (text.substr(i, 2) != "&#" || end == std::string_view::npos) {
            result += text[i++];
            continue;
        }
        const bool hex = i + 2 < text.size() && (text[i + 2] == 'x' || text[i + 2] == 'X');
        const std::string digits(text.substr(i + (hex ? 3 : 2), end - (hex ? 3 : 2)));
        char* stop = nullptr;
        const long code = std::strtol(digits.c_str(), &stop, hex ? 16 : 10);
        const bool control = !digits.empty() && *stop == '\0' && isControl(code);
        if (!control) {
            result += text[i++];
            continue;
        }
        result += "&#32;";
        ++blanked;
        i += end + 1;
    }
    return result;
}

bool isUtf16(std::string_view file) {
    return file.substr(0, 2) == "\xFF\xFE" || file.substr(0, 2) == "\xFE\xFF";
}

class NsdReader {
public:
    NsdReader(std::string_view file, const LayoutContext& context)
        : m_file(file), m_context(context) {}

    void noteBlankedControls(int count) {
        if (count > 0)
            m_counts[said("structorizer", "Steuerzeichen durch Leerzeichen ersetzt")] += count;
    }

    void fail(const std::string& what, std::ptrdiff_t offset) const {
        const auto end = std::min<std::size_t>(
            static_cast<std::size_t>(std::max<std::ptrdiff_t>(offset, 0)), m_file.size());
        const auto line =
            1 + std::count(m_file.begin(), m_file.begin() + static_cast<std::ptrdiff_t>(end), '\n');
        throw FormatError(said("structorizer", "%1 (Zeile %2)").arg(what).arg(line), end);
    }

    // A text the element keeps exactly beside its Windows-1252 form loses
    // no character, unless a line is cut.
    std::vector<std::string> lines(const pugi::xml_node& node, const char* attribute,
                                   bool keptExactly = false) {
        std::vector<std::string> result;
        for (const std::string& line : commaTextLines(node.attribute(attribute).value())) {
            if (result.size() == MaxElementLines)
                fail(said("structorizer", "Mehr als %1 Zeilen in einem Text").arg(MaxElementLines),
                     node.offset_debug());
            ReplacedCharacters kept;
            std::string bytes = windows1252FromUtf8(line, keptExactly ? kept : m_replaced);
            if (bytes.size() > MaxTextLength) {
                bytes.resize(MaxTextLength);
                ++m_cut;
                for (const char32_t character : kept.characters())
                    m_replaced.add(character);
            }
            result.push_back(std::move(bytes));
        }
        return result;
    }

    void readChildren(const pugi::xml_node& parent, Sequence& sequence, int depth) {
        for (const pugi::xml_node& node : parent.children()) {
            if (node.type() != pugi::node_element)
                continue;
            if (sequence.size() == MaxSequenceLength)
                fail(said("structorizer", "Mehr als %1 Elemente untereinander")
                         .arg(MaxSequenceLength),
                     node.offset_debug());
            if (auto element = readElement(node, depth))
                sequence.append(std::move(element));
        }
    }

    std::vector<std::string> conversions() const {
        std::vector<std::string> notes;
        for (const auto& [what, count] : m_counts)
            notes.push_back(what + ": " + std::to_string(count));
        return notes;
    }

    std::vector<std::string> textChanges() const {
        std::vector<std::string> notes;
        if (!m_replaced.empty())
            notes.push_back(
                said("structorizer", "Zeichen, die Windows-1252 nicht kennt, ersetzt: %1")
                    .arg(m_replaced.summary()));
        if (m_cut > 0)
            notes.push_back(said("structorizer", "Zeilen auf 255 Zeichen gekürzt: %1").arg(m_cut));
        return notes;
    }

private:
    std::unique_ptr<Element> readElement(const pugi::xml_node& node, int depth) {
        if (depth >= MaxNestingDepth)
            fail(said("structorizer", "Verschachtelung tiefer als %1 Ebenen").arg(MaxNestingDepth),
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
        count(said("structorizer", "Unbekannte Elemente „%1“ weggelassen").arg(name));
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
        keepBranchAttributes(node, *nsd);
        // The file's text goes back as it was while Velbrant's stays as read:
        // characters Windows-1252 lacks ("≤", "←") survive.
        nsd->fileLines = commaTextLines(node.attribute("text").value());
        nsd->shownLines =
            kind == "case" ? caseText(static_cast<const Case&>(element)) : element.lines();
        element.setNsd(std::move(nsd));
    }

    // The branch nodes in the order of the element's sequences.
    static std::vector<pugi::xml_node> branchNodes(const pugi::xml_node& node) {
        const std::string kind = node.name();
        if (kind == "alternative")
            return {node.child("qTrue"), node.child("qFalse")};
        if (kind == "try")
            return {node.child("qTry"), node.child("qCatch"), node.child("qFinally")};
        std::vector<pugi::xml_node> branches;
        for (const pugi::xml_node& child : node.children()) {
            if (child.type() == pugi::node_element && child.name()[0] == 'q')
                branches.push_back(child);
        }
        return branches;
    }

    static void keepBranchAttributes(const pugi::xml_node& node, NsdAttributes& nsd) {
        const std::vector<pugi::xml_node> branches = branchNodes(node);
        for (std::size_t i = 0; i < branches.size(); ++i) {
            for (const pugi::xml_attribute& attribute : branches[i].attributes()) {
                nsd.branchAttributes.resize(std::max(nsd.branchAttributes.size(), i + 1));
                nsd.branchAttributes[i].emplace_back(attribute.name(), attribute.value());
            }
        }
    }

    std::unique_ptr<Element> simple(ElementKind kind, const pugi::xml_node& node) {
        auto element = createElement(kind, m_context);
        element->setLines(lines(node, "text", true));
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
        reader.fail(said("structorizer", "Die Datei ist größer als 64 MB"), 0);
    pugi::xml_document xml;
    // The encoding by the byte order mark or the declaration: Structorizer
    // may write UTF-16, older files ISO-8859-1. pugixml does not know
    // Windows-1252; such a file is made UTF-8 first.
    const bool windows1252 = declaresWindows1252(file);
    std::string converted = windows1252 ? utf8FromWindows1252(file) : std::string();
    if (!isUtf16(file)) {
        int blanked = 0;
        converted = blankedControlReferences(converted.empty() ? file : converted, blanked);
        reader.noteBlankedControls(blanked);
    }
    const std::string_view text = converted.empty() ? file : std::string_view(converted);
    const pugi::xml_parse_result parsed =
        xml.load_buffer(text.data(), text.size(), pugi::parse_default,
                        windows1252 ? pugi::encoding_utf8 : pugi::encoding_auto);
    if (!parsed)
        reader.fail(said("structorizer", "Kein gültiges XML: %1").arg(xmlReason(parsed.status)),
                    parsed.offset);
    const pugi::xml_node root = xml.child("root");
    if (!root)
        reader.fail(said("structorizer", "Kein Structorizer-Diagramm: das Element „root“ fehlt"),
                    0);
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
    return {std::move(document), reader.conversions(), reader.textChanges()};
}

} // namespace velbrant
