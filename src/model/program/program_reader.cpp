#include "model/program/program_reader.h"

#include "model/diagram/document.h"
#include "model/diagram/limits.h"
#include "model/elements/case.h"
#include "model/elements/conditional.h"
#include "model/elements/loop.h"
#include "model/files/windows1252.h"
#include "model/program/exact_literals.h"
#include "model/program/pseudocode.h"
#include "model/structorizer/nsd_attributes.h"

#include <array>

namespace velbrant::code {

namespace {

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

// The keywords a Structorizer file's root names, by the built-in word each
// stands for.
Keywords fileKeywords(const NsdRoot* root) {
    constexpr std::array<std::pair<std::string_view, std::string_view>, 15> Attributes{{
        {"input", "input"},
        {"output", "output"},
        {"preFor", "for"},
        {"postFor", "to"},
        {"stepFor", "by"},
        {"preForIn", "foreach"},
        {"postForIn", "in"},
        {"preReturn", "return"},
        {"preLeave", "leave"},
        {"preExit", "exit"},
        {"preThrow", "throw"},
        {"preAlt", "if"},
        {"preWhile", "while"},
        {"preRepeat", "until"},
        {"preCase", "case"},
    }};
    Keywords keywords;
    if (root == nullptr)
        return keywords;
    for (const auto& attribute : root->attributes) {
        const auto found =
            std::find_if(Attributes.begin(), Attributes.end(),
                         [&](const auto& pair) { return pair.first == attribute.first; });
        ReplacedCharacters replaced;
        const std::string word = lowered(windows1252FromUtf8(attribute.second, replaced));
        const std::size_t start = word.find_first_not_of(' ');
        const std::size_t end = word.find_last_not_of(' ');
        if (found == Attributes.end() || start == std::string::npos)
            continue;
        const std::string trimmed = word.substr(start, end + 1 - start);
        // A keyword of several words does not stand for one word.
        if (trimmed.find(' ') == std::string::npos && trimmed != found->second)
            keywords.emplace_back(trimmed, found->second);
    }
    return keywords;
}

// One walk over the element tree builds the program's statements.
class ProgramReader {
public:
    explicit ProgramReader(Keywords keywords) : m_keywords(std::move(keywords)) {}

    // The file's texts the statements read, which the program keeps.
    std::vector<std::shared_ptr<const std::vector<std::string>>> takeFileLines() {
        return std::move(m_fileLines);
    }

    Block sequence(const Sequence& sequence) {
        Block block;
        block.reserve(sequence.size());
        for (std::size_t i = 0; i < sequence.size(); ++i)
            element(block, sequence.at(i));
        return block;
    }

private:
    TextLine line(const Element& element, std::string_view text) const {
        return TextLine{text, element.font().name == "Symbol", &m_keywords};
    }

    // A compound statement with a head read by `read`; an unread head stops
    // the program when it is reached.
    template <typename Reader> Stmt headed(Stmt::Kind kind, const Element& element, Reader read) {
        Stmt s;
        s.kind = kind;
        s.source = viewsOf(element.lines());
        const std::string head = joined(element.lines());
        const std::vector<std::string>* exact = exactLinesOf(element);
        const ExactLiterals literals =
            exact != nullptr ? exactLiterals(line(element, head), joined(*exact)) : ExactLiterals{};
        std::optional<Expr> condition;
        if (!literals.losesCharacters)
            condition = read(line(element, head));
        if (condition)
            s.value = std::move(*condition);
        s.unreadHead = !condition || !keepExactLiterals(s, literals);
        if (s.unreadHead)
            s.value = untranslated(head);
        return s;
    }

    // A line ending in a backslash goes on in the next one.
    static std::string continued(const std::vector<std::string>& all, std::size_t& i,
                                 std::vector<std::string_view>& source) {
        std::string text = all[i];
        source = {all[i]};
        while (!text.empty() && text.back() == '\\' && i + 1 < all.size()) {
            text.pop_back();
            text += ' ' + all[++i];
            source.emplace_back(all[i]);
        }
        return text;
    }

    // The lines to read: a Structorizer file's own text where the element
    // still shows what was made of it and a line was cut short.
    const std::vector<std::string>& linesOf(const Element& element) {
        const NsdAttributes* nsd = element.nsd();
        if (nsd == nullptr || nsd->shownLines != element.lines() ||
            nsd->fileLines.size() != element.lines().size())
            return element.lines();
        auto file = std::make_shared<std::vector<std::string>>();
        bool longer = false;
        for (const std::string& line : nsd->fileLines) {
            ReplacedCharacters replaced;
            file->push_back(windows1252FromUtf8(line, replaced));
            longer = longer || file->back().size() > MaxTextLength;
        }
        if (!longer)
            return element.lines();
        m_fileLines.push_back(file);
        return *file;
    }

    // The exact text the element keeps beside its lines, if any; a case's
    // stays in its file's form, its labels apart from its lines.
    static const std::vector<std::string>* exactLinesOf(const Element& element) {
        const NsdAttributes* nsd = element.nsd();
        if (nsd == nullptr || element.kind() == ElementKind::Case ||
            !hasExactText(*nsd, element.lines()))
            return nullptr;
        return &nsd->fileLines;
    }

    // The literals of the statement from line `first` to `last` in the
    // element's exact text, where it keeps one. A character with no
    // Windows-1252 form ("∅") outside them reads only as "?": no program
    // may act on that in its place.
    ExactLiterals literalsOf(const Element& element, const std::vector<std::string>& all,
                             std::size_t first, std::size_t last, const std::string& text) const {
        const std::vector<std::string>* lines = exactLinesOf(element);
        if (lines == nullptr || &all != &element.lines())
            return {};
        std::vector<std::string_view> source;
        std::size_t at = first;
        const std::string exact = continued(*lines, at, source);
        if (at != last)
            return {{}, hasCharacterWithoutForm(exact)};
        return exactLiterals(line(element, text), exact);
    }

    void lines(Block& block, const Element& element) {
        const auto& all = linesOf(element);
        for (std::size_t i = 0; i < all.size(); ++i) {
            if (all[i].find_first_not_of(" \t") == std::string::npos)
                continue;
            std::vector<std::string_view> source;
            const std::size_t first = i;
            const std::string text = continued(all, i, source);
            const ExactLiterals literals = literalsOf(element, all, first, i, text);
            if (literals.losesCharacters) {
                block.push_back(unread(source));
                block.back().stops = true;
                continue;
            }
            std::optional<Stmt> s =
                readStatement(line(element, text), element.kind() == ElementKind::Call);
            if (!s || !keepExactLiterals(*s, literals)) {
                block.push_back(unread(source));
                block.back().stops = !s ? looksLikeStatement(line(element, text)) : true;
                continue;
            }
            s->source = source;
            if (s->kind == Stmt::Kind::ArrayAssign) {
                elementsOf(block, std::move(*s));
                continue;
            }
            // "Ausgabe:" alone takes its items from the next line.
            if (s->kind == Stmt::Kind::Output && s->items.empty() && i + 1 < all.size()) {
                if (auto items = readOutputItems(line(element, all[i + 1]))) {
                    s->items = std::move(*items);
                    s->source.push_back(all[++i]);
                }
            }
            if (s->kind == Stmt::Kind::Input && s->items.empty()) {
                s->kind = Stmt::Kind::Unread;
                s->stops = true;
            }
            block.push_back(std::move(*s));
        }
    }

    // "a <- {4, 8, 15}" as: a emptied, a[0] := 4, a[1] := 8, a[2] := 15,
    // each with the line.
    static void elementsOf(Block& block, Stmt literal) {
        Stmt clear;
        clear.kind = Stmt::Kind::ClearArray;
        clear.source = literal.source;
        clear.target = literal.target;
        block.push_back(std::move(clear));
        for (std::size_t i = 0; i < literal.items.size(); ++i) {
            Stmt s;
            s.kind = Stmt::Kind::Assign;
            s.source = literal.source;
            s.target = makeExpr(Expr::Kind::Index, Op::Add, literal.target.text,
                                {makeExpr(Expr::Kind::Int, Op::Add, std::to_string(i))});
            s.value = std::move(literal.items[i]);
            s.declared = literal.declared;
            block.push_back(std::move(s));
        }
    }

    void exit(Block& block, const Element& element) {
        const std::string text = joined(element.lines());
        std::optional<Stmt> s = readStatement(line(element, text), false);
        if (!s) {
            block.push_back(unread(viewsOf(element.lines())));
            block.back().stops = true;
            return;
        }
        s->source = viewsOf(element.lines());
        if (s->kind == Stmt::Kind::ArrayAssign)
            elementsOf(block, std::move(*s));
        else
            block.push_back(std::move(*s));
    }

    Stmt forLoop(const Loop& loop) {
        const std::string head = joined(loop.lines());
        std::optional<Stmt> s = readForHead(line(loop, head));
        if (!s)
            return headed(Stmt::Kind::While, loop, [](TextLine) { return std::optional<Expr>(); });
        s->source = viewsOf(loop.lines());
        return std::move(*s);
    }

    // Structorizer's endless loop, whatever its text says.
    static bool isForever(const Element& element) {
        return element.nsd() != nullptr && element.nsd()->kind == "forever";
    }

    Stmt whileLoop(const Element& element) {
        if (!isForever(element))
            return headed(Stmt::Kind::While, element, readWhileHead);
        Stmt s;
        s.kind = Stmt::Kind::While;
        s.source = viewsOf(element.lines());
        s.value = makeExpr(Expr::Kind::Bool, Op::Add, "true");
        return s;
    }

    Stmt caseStatement(const Case& element) {
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
            auto labels = readCaseLabel(line(element, label));
            if (labels && !s.unreadHead)
                branch.labels = std::move(*labels);
            else
                branch.unreadLabel = true;
            branch.body = sequence(element.branch(i));
            s.branches.push_back(std::move(branch));
        }
        if (s.hasElse)
            s.bodies.push_back(sequence(element.branch(count - 1)));
        return s;
    }

    void element(Block& block, const Element& element) {
        // Structorizer neither runs nor writes a disabled element.
        if (element.nsd() != nullptr && element.nsd()->disabled)
            return;
        switch (element.kind()) {
        case ElementKind::Block:
        case ElementKind::Call:
            lines(block, element);
            return;
        case ElementKind::Exit:
            exit(block, element);
            return;
        case ElementKind::Conditional: {
            const auto& conditional = static_cast<const Conditional&>(element);
            Stmt s = headed(Stmt::Kind::If, element, readIfHead);
            s.bodies.push_back(sequence(conditional.thenSequence()));
            s.bodies.push_back(sequence(conditional.elseSequence()));
            block.push_back(std::move(s));
            return;
        }
        case ElementKind::WhileLoop:
        case ElementKind::RepeatLoop:
        case ElementKind::ForLoop: {
            const auto& loop = static_cast<const Loop&>(element);
            Stmt s = element.kind() == ElementKind::WhileLoop ? whileLoop(element)
                     : element.kind() == ElementKind::RepeatLoop
                         ? headed(Stmt::Kind::Repeat, element, readRepeatFoot)
                         : forLoop(loop);
            s.bodies.push_back(sequence(loop.body()));
            block.push_back(std::move(s));
            return;
        }
        case ElementKind::Case:
            block.push_back(caseStatement(static_cast<const Case&>(element)));
            return;
        }
    }

    Keywords m_keywords;
    std::vector<std::shared_ptr<const std::vector<std::string>>> m_fileLines;
};

} // namespace

Program readProgram(const Document& document) {
    Program program;
    program.title = document.format().title;
    program.comment = document.format().comment;
    const Title title = readTitle(program.title);
    program.name = title.name;
    program.parameters = title.parameters;
    program.parameterTypes = title.parameterTypes;
    program.result = title.result;
    program.isFunction = title.hasParameters || title.result != Scalar::Unknown;
    ProgramReader reader(fileKeywords(document.nsdRoot()));
    program.body = reader.sequence(document.topSequence());
    program.fileLines = reader.takeFileLines();
    return program;
}

ProgramSet readLinkedProgram(const Document& document, const DiagramLookup& routines) {
    ProgramLookup find;
    if (routines) {
        find = [&routines](std::string_view name) -> std::optional<Program> {
            const Document* routine = routines(name);
            if (routine == nullptr)
                return std::nullopt;
            return readProgram(*routine);
        };
    }
    return linkPrograms(readProgram(document), find);
}

} // namespace velbrant::code
