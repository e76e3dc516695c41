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
        const std::string name = node.name();
        noteDropped(node);
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
            count("Endlosschleifen als kopfgesteuerte Schleife „solange wahr“");
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
        if (name == "parallel") {
            count("Parallelabschnitte als Fallunterscheidung mit einem Zweig je Strang");
            return columns(node, {"parallel"}, "qPara", "Strang ", depth);
        }
        if (name == "try") {
            count("Ausnahmebehandlungen (try) als Fallunterscheidung try/catch/finally");
            return tryBlock(node, depth);
        }
        count("Unbekannte Elemente „" + name + "“ weggelassen");
        return nullptr;
    }

    void noteDropped(const pugi::xml_node& node) {
        if (!std::string(node.attribute("comment").value()).empty() &&
            !commaTextLines(node.attribute("comment").value()).empty())
            count("Kommentare an Elementen weggelassen");
        const std::string color = node.attribute("color").value();
        if (!color.empty() && color != "ffffff" && color != "FFFFFF")
            count("Farben weggelassen");
        if (std::string(node.attribute("disabled").value()) == "1")
            count("Deaktivierte Elemente als gewöhnliche Elemente übernommen");
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

    static pugi::xml_node node(pugi::xml_node parent, const char* name,
                               const std::vector<std::string>& lines) {
        pugi::xml_node added = parent.append_child(name);
        added.append_attribute("text") = commaText(utf8(lines)).c_str();
        added.append_attribute("comment") = "";
        added.append_attribute("color") = "ffffff";
        added.append_attribute("disabled") = "0";
        return added;
    }

    void nested(pugi::xml_node node, const char* name, const Element& owner, std::size_t index) {
        writeSequence(node.append_child(name),
                      dynamic_cast<const CompoundElement&>(owner).sequenceAt(index));
    }

    void writeElement(pugi::xml_node parent, const Element& element) {
        switch (element.kind()) {
        case ElementKind::Block:
            node(parent, "instruction", element.lines()).append_attribute("rotated") = "0";
            return;
        case ElementKind::Call:
            node(parent, "call", element.lines());
            return;
        case ElementKind::Exit:
            node(parent, "jump", element.lines());
            return;
        case ElementKind::Conditional: {
            pugi::xml_node alternative = node(parent, "alternative", element.lines());
            nested(alternative, "qTrue", element, 0);
            nested(alternative, "qFalse", element, 1);
            return;
        }
        case ElementKind::WhileLoop:
            nested(node(parent, "while", element.lines()), "qWhile", element, 0);
            return;
        case ElementKind::RepeatLoop:
            nested(node(parent, "repeat", element.lines()), "qRepeat", element, 0);
            return;
        case ElementKind::ForLoop:
            nested(node(parent, "for", element.lines()), "qFor", element, 0);
            return;
        case ElementKind::Case:
            writeCase(parent, dynamic_cast<const Case&>(element));
            return;
        }
    }

    // One selector line (several lines joined), the labels, "%" without else.
    void writeCase(pugi::xml_node parent, const Case& switchCase) {
        std::string selector;
        for (const std::string& line : switchCase.lines())
            selector += (selector.empty() ? "" : " ") + line;
        std::vector<std::string> text{selector};
        const auto& labels = switchCase.branchLabels();
        text.insert(text.end(), labels.begin(), labels.end());
        if (!switchCase.hasElse())
            text.push_back("%");
        pugi::xml_node added = node(parent, "case", text);
        for (std::size_t i = 0; i < switchCase.sequenceCount(); ++i)
            nested(added, "qCase", switchCase, i);
        if (!switchCase.hasElse())
            added.append_child("qCase");
    }
};

} // namespace

NsdImport loadNsd(std::string_view file, TextMeasurer& measurer, const DefaultLabels& labels) {
    auto document = std::make_unique<Document>(measurer);
    const LayoutContext context = document->layoutContext(measurer, labels);
    NsdReader reader(file, context);
    if (file.size() > MaxNsdSize)
        reader.fail("Die Datei ist größer als 64 MB", 0);
    pugi::xml_document xml;
    // The encoding by the byte order mark or the declaration: Structorizer
    // may write UTF-16, older files ISO-8859-1.
    const pugi::xml_parse_result parsed =
        xml.load_buffer(file.data(), file.size(), pugi::parse_default, pugi::encoding_auto);
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
    reader.readChildren(root.child("children"), document->topSequence(), 0);
    fillEmpty(document->topSequence(), context);
    document->setFormat(std::move(format));
    document->topSequence().relayout(context);
    document->topSequence().setModified(false);
    document->layout(measurer, PaperSize{});
    return {std::move(document), reader.conversions()};
}

std::string encodeNsd(const Document& document) {
    pugi::xml_document xml;
    auto declaration = xml.append_child(pugi::node_declaration);
    declaration.append_attribute("version") = "1.0";
    declaration.append_attribute("encoding") = "UTF-8";
    pugi::xml_node root = xml.append_child("root");
    root.append_attribute("xmlns:nsd") = "https://structorizer.fisch.lu";
    root.append_attribute("text") =
        commaText({utf8FromWindows1252(document.format().title)}).c_str();
    std::vector<std::string> comment;
    for (const std::string& line : document.format().comment)
        comment.push_back(utf8FromWindows1252(line));
    root.append_attribute("comment") = commaText(comment).c_str();
    root.append_attribute("color") = "ffffff";
    root.append_attribute("type") = "program";
    root.append_attribute("style") = "nice";
    NsdWriter().writeSequence(root.append_child("children"), document.topSequence());
    std::ostringstream out;
    xml.save(out, "    ", pugi::format_default, pugi::encoding_utf8);
    return out.str();
}

} // namespace velbrant
