#include "model/program/exact_literals.h"

#include "model/files/windows1252.h"
#include "model/program/expression_parser.h"

#include <algorithm>
#include <optional>

namespace velbrant::code {

namespace {

template <typename Visit> void visitTexts(Expr& e, const Visit& visit) {
    if (e.kind == Expr::Kind::Text)
        visit(e);
    for (Expr& arg : e.args)
        visitTexts(arg, visit);
}

} // namespace

ExactLiterals exactLiterals(TextLine line, std::string_view exact) {
    const std::optional<std::vector<std::size_t>> starts = characterStarts(line.text, exact);
    if (!starts)
        return {{}, hasCharacterWithoutForm(exact)};
    ExactLiterals found;
    std::string outside(exact);
    for (const Token& token : tokenize(line)) {
        if (token.kind != Token::Kind::Text)
            continue;
        if (token.text.data() < line.text.data() ||
            token.text.data() + token.text.size() > line.text.data() + line.text.size())
            return {{}, hasCharacterWithoutForm(exact)};
        const auto begin = static_cast<std::size_t>(token.text.data() - line.text.data());
        const std::size_t end = begin + token.text.size();
        const std::size_t from = (*starts)[begin];
        const std::size_t to = (*starts)[end];
        if (from == std::string_view::npos || to == std::string_view::npos)
            return {{}, hasCharacterWithoutForm(exact)};
        std::fill(outside.begin() + static_cast<std::ptrdiff_t>(from),
                  outside.begin() + static_cast<std::ptrdiff_t>(to), ' ');
        found.literals.emplace_back(std::string(token.text),
                                    std::string(exact.substr(from, to - from)));
    }
    found.losesCharacters = hasCharacterWithoutForm(outside);
    return found;
}

bool keepExactLiterals(Stmt& s, const ExactLiterals& exact) {
    std::vector<Expr*> texts;
    const auto collect = [&texts](Expr& e) { texts.push_back(&e); };
    for (Expr* e : {&s.target, &s.value, &s.limit, &s.step})
        visitTexts(*e, collect);
    for (Expr& item : s.items)
        visitTexts(item, collect);
    const auto& literals = exact.literals;
    // The literals in the order the line has them, where the statement
    // holds them so; else each by a spelling only one of them has.
    const bool inOrder =
        texts.size() == literals.size() &&
        std::equal(texts.begin(), texts.end(), literals.begin(),
                   [](const Expr* e, const auto& literal) { return e->text == literal.first; });
    bool placed = true;
    for (std::size_t i = 0; i < texts.size(); ++i) {
        Expr& text = *texts[i];
        std::optional<std::string> characters;
        if (inOrder) {
            characters = literals[i].second;
        } else {
            for (const auto& [spelling, exact] : literals) {
                if (spelling != text.text)
                    continue;
                placed = placed && (!characters || *characters == exact);
                characters = exact;
            }
        }
        if (characters && *characters != utf8FromWindows1252(text.text))
            text.exactText = *characters;
    }
    if (placed)
        return true;
    return std::none_of(literals.begin(), literals.end(), [](const auto& literal) {
        return hasCharacterWithoutForm(literal.second);
    });
}

} // namespace velbrant::code
