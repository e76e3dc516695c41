#include "model/program/program_reader.h"

#include "model/diagram/document.h"
#include "model/elements/case.h"
#include "model/elements/conditional.h"
#include "model/elements/loop.h"
#include "model/program/pseudocode.h"

namespace velbrant::code {

namespace {

Block readSequence(const Sequence& sequence);

bool usesSymbolFont(const Element& element) {
    return element.font().name == "Symbol";
}

std::string joined(const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& line : lines)
        text += (text.empty() ? "" : " ") + line;
    return text;
}

std::vector<std::string_view> viewsOf(const std::vector<std::string>& lines) {
    return {lines.begin(), lines.end()};
}

Stmt unread(std::vector<std::string_view> source) {
    Stmt s;
    s.kind = Stmt::Kind::Unread;
    s.source = std::move(source);
    return s;
}

// A compound statement with a head read by `read`; an unread head stops
// the program when it is reached.
template <typename Reader> Stmt headed(Stmt::Kind kind, const Element& element, Reader read) {
    Stmt s;
    s.kind = kind;
    s.source = viewsOf(element.lines());
    const std::string head = joined(element.lines());
    if (auto condition = read(TextLine{head, usesSymbolFont(element)})) {
        s.value = std::move(*condition);
    } else {
        s.value = untranslated(head);
        s.unreadHead = true;
    }
    return s;
}

void appendLines(Block& block, const Element& element) {
    const bool symbol = usesSymbolFont(element);
    const auto& lines = element.lines();
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (lines[i].find_first_not_of(" \t") == std::string::npos)
            continue;
        std::optional<Stmt> s =
            readStatement(TextLine{lines[i], symbol}, element.kind() == ElementKind::Call);
        if (!s) {
            block.push_back(unread({lines[i]}));
            block.back().stops = looksLikeStatement(TextLine{lines[i], symbol});
            continue;
        }
        s->source = {lines[i]};
        // "Ausgabe:" alone takes its items from the next line.
        if (s->kind == Stmt::Kind::Output && s->items.empty() && i + 1 < lines.size()) {
            if (auto items = readOutputItems(TextLine{lines[i + 1], symbol})) {
                s->items = std::move(*items);
                s->source.push_back(lines[++i]);
            }
        }
        if (s->kind == Stmt::Kind::Input && s->items.empty()) {
            s->kind = Stmt::Kind::Unread;
            s->stops = true;
        }
        block.push_back(std::move(*s));
    }
}

void appendExit(Block& block, const Element& element) {
    const std::string text = joined(element.lines());
    std::optional<Stmt> s = readStatement(TextLine{text, usesSymbolFont(element)}, false);
    if (!s) {
        block.push_back(unread(viewsOf(element.lines())));
        block.back().stops = true;
        return;
    }
    s->source = viewsOf(element.lines());
    block.push_back(std::move(*s));
}

Stmt readFor(const Loop& loop) {
    const std::string head = joined(loop.lines());
    std::optional<Stmt> s = readForHead(TextLine{head, usesSymbolFont(loop)});
    if (!s)
        return headed(Stmt::Kind::While, loop, [](TextLine) { return std::optional<Expr>(); });
    s->source = viewsOf(loop.lines());
    return std::move(*s);
}

Stmt readCase(const Case& element) {
    Stmt s = headed(Stmt::Kind::Case, element, readCaseSelector);
    const std::size_t count = element.sequenceCount();
    s.hasElse = element.hasElse() && count > 0;
    const std::size_t plain = s.hasElse ? count - 1 : count;
    for (std::size_t i = 0; i < plain; ++i) {
        CaseBranch branch;
        const std::string_view label = i < element.branchLabels().size()
                                           ? std::string_view(element.branchLabels()[i])
                                           : std::string_view();
        branch.labelText = label;
        auto labels = readCaseLabel(TextLine{label, usesSymbolFont(element)});
        if (labels && !s.unreadHead)
            branch.labels = std::move(*labels);
        else
            branch.unreadLabel = true;
        branch.body = readSequence(element.branch(i));
        s.branches.push_back(std::move(branch));
    }
    if (s.hasElse)
        s.bodies.push_back(readSequence(element.branch(count - 1)));
    return s;
}

void appendElement(Block& block, const Element& element) {
    switch (element.kind()) {
    case ElementKind::Block:
    case ElementKind::Call:
        appendLines(block, element);
        return;
    case ElementKind::Exit:
        appendExit(block, element);
        return;
    case ElementKind::Conditional: {
        const auto& conditional = static_cast<const Conditional&>(element);
        Stmt s = headed(Stmt::Kind::If, element, readIfHead);
        s.bodies.push_back(readSequence(conditional.thenSequence()));
        s.bodies.push_back(readSequence(conditional.elseSequence()));
        block.push_back(std::move(s));
        return;
    }
    case ElementKind::WhileLoop:
    case ElementKind::RepeatLoop:
    case ElementKind::ForLoop: {
        const auto& loop = static_cast<const Loop&>(element);
        Stmt s = element.kind() == ElementKind::WhileLoop
                     ? headed(Stmt::Kind::While, element, readWhileHead)
                 : element.kind() == ElementKind::RepeatLoop
                     ? headed(Stmt::Kind::Repeat, element, readRepeatFoot)
                     : readFor(loop);
        s.bodies.push_back(readSequence(loop.body()));
        block.push_back(std::move(s));
        return;
    }
    case ElementKind::Case:
        block.push_back(readCase(static_cast<const Case&>(element)));
        return;
    }
}

Block readSequence(const Sequence& sequence) {
    Block block;
    block.reserve(sequence.size());
    for (std::size_t i = 0; i < sequence.size(); ++i)
        appendElement(block, sequence.at(i));
    return block;
}

} // namespace

Program readProgram(const Document& document) {
    Program program;
    program.title = document.format().title;
    program.comment = document.format().comment;
    const Title title = readTitle(program.title);
    program.name = title.name;
    program.parameters = title.parameters;
    program.isFunction = title.hasParameters;
    program.body = readSequence(document.topSequence());
    return program;
}

} // namespace velbrant::code
