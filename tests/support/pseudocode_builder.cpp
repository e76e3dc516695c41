#include "pseudocode_builder.h"

#include "model/diagram/compound_element.h"
#include "model/diagram/element_factory.h"
#include "model/elements/case.h"

#include <array>
#include <string>
#include <vector>

namespace velbrant::test {

namespace {

class Texts {
public:
    explicit Texts(std::mt19937& random) : m_random(random) {}

    int number(int low, int high) { return std::uniform_int_distribution(low, high)(m_random); }
    bool chance(int percent) { return number(1, 100) <= percent; }
    template <typename T, std::size_t N> const T& pick(const std::array<T, N>& items) {
        return items[static_cast<std::size_t>(number(0, N - 1))];
    }

    std::string intVariable() {
        return pick(std::array<std::string, 6>{"i", "j", "n", "summe", "zahl", "Anzahl"});
    }
    std::string intExpr(int depth = 0) {
        if (depth > 2)
            return chance(50) ? std::to_string(number(0, 99)) : intVariable();
        switch (number(0, 8)) {
        case 0:
            return std::to_string(number(0, 99));
        case 1:
            return intVariable();
        case 2:
            return "a[" + intExpr(depth + 1) + "]";
        case 8:
            if (chance(20))
                return pick(std::array<std::string, 3>{"ord(wort)", "pos(\"a\", name)",
                                                       "length(copy(name, 2, 3))"});
            return pick(std::array<std::string, 5>{"abs(", "random(", "sqr(", "round(", "floor("}) +
                   intExpr(depth + 1) + ")";
        case 3:
            return intExpr(depth + 1) + " " +
                   pick(std::array<std::string, 5>{"+", "-", "*", "div", "mod"}) + " " +
                   intExpr(depth + 1);
        case 4:
            return "(" + intExpr(depth + 1) + ")";
        case 5:
            return "-" + intExpr(depth + 1);
        case 6:
            return "quadrat(" + intExpr(depth + 1) + ")";
        default:
            return intVariable() + " + 1";
        }
    }
    std::string realExpr() {
        switch (number(0, 4)) {
        case 0:
            return std::to_string(number(0, 9)) + "." + std::to_string(number(0, 99));
        case 1:
            return pick(std::array<std::string, 2>{"mittel", "preis"});
        case 4:
            return pick(std::array<std::string, 3>{"sqrt(", "exp(", "cos("}) + intExpr(2) + ")";
        case 2:
            return intExpr(1) + " / " + intExpr(1);
        default:
            return "werte[" + intExpr(2) + "] * 2";
        }
    }
    std::string textExpr() {
        switch (number(0, 4)) {
        case 4:
            return pick(std::array<std::string, 4>{"uppercase(", "lowercase(", "trim(", "chr("}) +
                   pick(std::array<std::string, 2>{"name", "wort"}) + ")";
        case 0:
            return "\"Hallo\tWelt\"";
        case 1:
            return "'x'";
        case 2:
            return "\x84Gr\xFC\xDF"
                   "e\x93";
        default:
            return pick(std::array<std::string, 2>{"name", "wort"});
        }
    }
    std::string boolExpr(int depth = 0) {
        if (depth > 2)
            return pick(std::array<std::string, 4>{"gefunden", "fertig", "wahr", "false"});
        switch (number(0, 7)) {
        case 0:
            return intExpr(1) + " " +
                   pick(std::array<std::string, 8>{"=", "<>", "<", "<=", ">", ">=", "!=", "=="}) +
                   " " + intExpr(1);
        case 1:
            return realExpr() + " < " + realExpr();
        case 2:
            return textExpr() + pick(std::array<std::string, 2>{" = ", " <> "}) + textExpr();
        case 3:
            return boolExpr(depth + 1) + " " +
                   pick(std::array<std::string, 6>{"und", "and", "oder", "or", "&&", "||"}) + " " +
                   boolExpr(depth + 1);
        case 4:
            return pick(std::array<std::string, 3>{"nicht ", "not ", "!"}) + boolExpr(depth + 1);
        case 5:
            return "(" + boolExpr(depth + 1) + ")";
        default:
            return pick(std::array<std::string, 6>{"gefunden", "fertig", "wahr", "falsch", "true",
                                                   "false"});
        }
    }

    std::string assignment() {
        const std::string arrow = pick(std::array<std::string, 4>{" := ", " <- ", " = ", "\t:= "});
        switch (number(0, 8)) {
        case 7:
            return pick(std::array<std::string, 3>{"var preis: double", "int zahl <- 7",
                                                   "const GRENZE = 10"});
        case 8:
            return pick(std::array<std::string, 2>{"inc(", "dec("}) + intVariable() + ")";
        case 0:
            return intVariable() + arrow + intExpr();
        case 1:
            return "a[" + intExpr(1) + "]" + arrow + intExpr();
        case 2:
            return pick(std::array<std::string, 2>{"mittel", "preis"}) + arrow + realExpr();
        case 3:
            return pick(std::array<std::string, 2>{"gefunden", "fertig"}) + arrow + boolExpr();
        case 4:
            return pick(std::array<std::string, 2>{"name", "wort"}) + arrow + textExpr();
        case 5:
            return "werte[" + intExpr(2) + "]" + arrow + realExpr();
        default:
            // Types that contradict: kept as a comment.
            return intVariable() + arrow + textExpr();
        }
    }
    std::string io() {
        switch (number(0, 11)) {
        case 10:
            return "INPUT \"Wie viele?\", " + intVariable();
        case 11:
            return "OUTPUT \"Summe: \" + " + intExpr() + ", " + realExpr();
        case 0:
            return "Eingabe: " + intVariable() + ", name";
        case 1:
            return pick(std::array<std::string, 4>{"lies ", "read ", "input ", "Eingabe "}) +
                   pick(std::array<std::string, 3>{"preis", "zahl", "wort"});
        case 2:
            return "Eingabe: n, a[1..n]";
        case 3:
            return "Ausgabe: " + intExpr() + ", " + textExpr();
        case 4:
            return pick(std::array<std::string, 4>{"schreibe ", "print ", "write ", "Ausgabe "}) +
                   boolExpr();
        case 5:
            return "Ausgabe(" + realExpr() + ")";
        case 6:
            return "gib " + textExpr() + ", " + intVariable() + " aus";
        case 7:
            return "Zeige(" + intExpr() + ", " + textExpr() + ")";
        case 8:
            return "Sortiere(a)";
        default:
            return "Ausgabe:";
        }
    }
    std::string statement() {
        switch (number(0, 9)) {
        case 0:
        case 1:
        case 2:
        case 3:
            return assignment();
        case 4:
        case 5:
        case 6:
            return io();
        case 7:
            return pick(std::array<std::string, 4>{"Tausche a und b", "x\xB2 berechnen",
                                                   "solange ist kein Befehl", "wenn"});
        case 8:
            return "// Kommentar mit \\ und ?"
                   "?/";
        default:
            return "";
        }
    }
    std::string exit() {
        return pick(std::array<std::string, 12>{"verlasse Schleife", "break", "leave", "exit 0",
                                                "zur\xFC"
                                                "ck summe",
                                                "return 0",
                                                "R\xFC"
                                                "ckgabe n + 1",
                                                "Ende", "exit", "Abbruch",
                                                "zur\xFC"
                                                "ck",
                                                "Schluss"});
    }
    std::string ifHead() {
        const std::string c = boolExpr();
        switch (number(0, 5)) {
        case 0:
            return "wenn " + c;
        case 1:
            return "falls " + c;
        case 2:
            return "if " + c + " then";
        case 3:
            return c + " ?";
        case 4:
            return "Ist die Liste leer";
        default:
            return c;
        }
    }
    std::string whileHead() {
        return pick(std::array<std::string, 3>{"solange ", "while ", ""}) + boolExpr();
    }
    std::string repeatFoot() {
        return pick(std::array<std::string, 4>{"bis ", "until ", "solange ", ""}) + boolExpr();
    }
    std::string forHead() {
        const std::string v = intVariable();
        switch (number(0, 6)) {
        case 6:
            return "for " + v + " <- 1 to " + intExpr(1) + " by 2";
        case 0:
            return "f\xFCr " + v + " := 1 bis " + intExpr(1);
        case 1:
            return "for " + v + " := 0 to 9 step 2";
        case 2:
            return "f\xFCr " + v + " := n bis 1 abw\xE4rts";
        case 3:
            return "f\xFCr " + v + " von 0 bis 9 Schrittweite 3";
        case 4:
            return "for " + v + " = 10 downto 1";
        default:
            return "f\xFCr alle Elemente";
        }
    }

private:
    std::mt19937& m_random;
};

class Builder {
public:
    Builder(const LayoutContext& context, std::mt19937& random, int count, int depth)
        : m_context(context), m_texts(random), m_budget(count), m_depth(depth) {}

    bool done() const { return m_budget <= 0; }

    void fill(Sequence& sequence, int level) {
        const int length = m_texts.number(1, 4);
        for (int i = 0; i < length && m_budget > 0; ++i) {
            --m_budget;
            Element& element = add(sequence, level);
            auto* compound = dynamic_cast<CompoundElement*>(&element);
            for (std::size_t s = 0;
                 compound != nullptr && level < m_depth && s < compound->sequenceCount(); ++s) {
                if (m_texts.chance(80))
                    fill(compound->sequenceAt(s), level + 1);
            }
        }
    }

private:
    Element& add(Sequence& sequence, int level) {
        const int roll = m_texts.number(0, 99);
        if (roll < 40 || level >= m_depth)
            return statement(sequence);
        if (roll < 48)
            return appendOf(sequence, ElementKind::Call, {m_texts.io()});
        if (roll < 55)
            return appendOf(sequence, ElementKind::Exit, {m_texts.exit()});
        if (roll < 68)
            return appendOf(sequence, ElementKind::Conditional, {m_texts.ifHead()});
        if (roll < 76)
            return appendOf(sequence, ElementKind::WhileLoop, {m_texts.whileHead()});
        if (roll < 83)
            return appendOf(sequence, ElementKind::RepeatLoop, {m_texts.repeatFoot()});
        if (roll < 91)
            return appendOf(sequence, ElementKind::ForLoop, {m_texts.forHead()});
        return caseElement(sequence);
    }

    Element& statement(Sequence& sequence) {
        std::vector<std::string> lines;
        const int count = m_texts.number(0, 3);
        for (int i = 0; i < count; ++i)
            lines.push_back(m_texts.statement());
        if (!lines.empty() && lines.back() == "Ausgabe:")
            lines.push_back(m_texts.textExpr());
        Element& element = appendOf(sequence, ElementKind::Block, std::move(lines));
        if (m_texts.chance(5)) {
            element.setLines({"pfeil \xAC 1"});
            ElementFont symbol = element.font();
            symbol.name = "Symbol";
            element.setFont(symbol, m_context.measurer);
        }
        return element;
    }

    Element& caseElement(Sequence& sequence) {
        auto element = createElement(ElementKind::Case, m_context);
        auto& choice = static_cast<Case&>(*element);
        const bool text = m_texts.chance(30);
        choice.setHasElse(m_texts.chance(60));
        choice.setBranchCount(m_texts.number(2, 4));
        choice.setup(m_context);
        choice.setLines({text ? "fall wort"
                              : m_texts.pick(std::array<std::string, 3>{"zahl", "wahl",
                                                                        "Fallunterscheidung n"})});
        std::vector<std::string> labels;
        for (int i = 0; i < choice.branchCount(); ++i) {
            if (text)
                labels.push_back("'" + std::string(1, static_cast<char>('a' + i)) + "'");
            else if (m_texts.chance(15))
                labels.push_back("x > 3");
            else
                labels.push_back(std::to_string(i) +
                                 (m_texts.chance(30) ? ", -" + std::to_string(i + 10) : ""));
        }
        if (choice.hasElse())
            labels.back() = "sonst";
        choice.setBranchLabels(std::move(labels));
        Element& added = *element;
        sequence.append(std::move(element));
        return added;
    }

    Element& appendOf(Sequence& sequence, ElementKind kind, std::vector<std::string> lines) {
        auto element = createElement(kind, m_context);
        element->setup(m_context);
        element->setLines(std::move(lines));
        Element& added = *element;
        sequence.append(std::move(element));
        return added;
    }

    const LayoutContext& m_context;
    Texts m_texts;
    int m_budget;
    int m_depth;
};

} // namespace

void buildPseudocodeTree(Sequence& top, const LayoutContext& context, std::mt19937& random,
                         int count, int depth) {
    Builder builder(context, random, count, depth);
    while (!builder.done())
        builder.fill(top, 1);
}

} // namespace velbrant::test
