#include "model/diagram/compound_element.h"
#include "model/elements/case.h"
#include "model/files/windows1252.h"
#include "model/structorizer/nsd_file.h"
#include "model/structorizer/nsd_text.h"

#include <algorithm>
#include <optional>
#include <pugixml.hpp>
#include <sstream>

namespace velbrant {

namespace {

using nsd::caseText;
using nsd::commaText;

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
        }
        // An instruction made here, even one given a colour or comment
        // since, has Structorizer's default orientation.
        if (std::string_view(name) == "instruction" && !added.attribute("rotated"))
            added.append_attribute("rotated") = "0";
        added.append_attribute("disabled") = nsd != nullptr && nsd->disabled ? "1" : "0";
        return added;
    }

    // A branch holding only the empty statement Velbrant fills an empty
    // branch with is an empty branch; an empty instruction the file had
    // stays (Structorizer shows an else branch by it).
    void nested(pugi::xml_node node, const char* name, const Element& owner, std::size_t index) {
        const Sequence& sequence = dynamic_cast<const CompoundElement&>(owner).sequenceAt(index);
        pugi::xml_node added = node.append_child(name);
        const NsdAttributes* nsd = owner.nsd();
        if (nsd != nullptr && index < nsd->branchAttributes.size()) {
            for (const auto& [attribute, value] : nsd->branchAttributes[index])
                added.append_attribute(attribute.c_str()) = value.c_str();
        }
        if (!(sequence.size() == 1 && isFilledEmpty(sequence.at(0))))
            writeSequence(added, sequence);
    }

    static bool isFilledEmpty(const Element& element) {
        return element.isEmptyStatement() && element.nsd() == nullptr;
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

void appendChildren(pugi::xml_node root, const std::vector<std::string>& children) {
    for (const std::string& child : children) {
        pugi::xml_document fragment;
        if (fragment.load_string(child.c_str()))
            root.append_copy(fragment.first_child());
    }
}

} // namespace

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
