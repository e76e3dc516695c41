#include "model/code/c_family_writer.h"
#include "model/code/language_writers.h"
#include "model/code/text_helpers.h"

namespace velbrant::code {

namespace {

class CWriter final : public CFamilyWriter {
public:
    CWriter(const TypedProgram& program, const RoutineIds* ids)
        : CFamilyWriter(program, CLanguage, ids) {}

private:
    void writeProgram() override {
        headerComment();
        blank();
        if (usesMathematics())
            noteComment(messages::said("code", "Übersetzen mit: gcc PROGRAMM.c -lm").str(), {});
        line("#include <errno.h>");
        line("#include <limits.h>");
        line("#include <math.h>");
        line("#include <stdbool.h>");
        line("#include <stdio.h>");
        line("#include <stdlib.h>");
        line("#include <string.h>");
        line("#include <time.h>");
        recordTypes();
        arrayTypes();
        stopHelper();
        inputHelpers();
        realHelper();
        randomHelper();
        lengthHelper();
        joinHelpers();
        lines(cTextHelpers(usedBuiltins()));
        stubs();
        linkedRoutines();
        functionAndMain("int main(void)", "return 0;");
    }

    // snprintf into the buffer of the message, its places filled by the
    // given conversions and values in the order the message names them.
    std::string formatted(const std::string& buffer, const messages::Said& message,
                          const std::vector<std::pair<std::string, std::string>>& places) const {
        std::string format;
        std::string values;
        for (const messages::Said::Piece& piece : message.pieces()) {
            if (piece.place < 0) {
                for (const char c : piece.text)
                    format += c == '%' ? std::string("%%") : std::string(1, c);
                continue;
            }
            const auto& [conversion, value] = places.at(static_cast<std::size_t>(piece.place));
            format += conversion;
            values += ", " + value;
        }
        return "snprintf(" + buffer + ", sizeof " + buffer + ", " + messageLiteral(format) +
               values + ")";
    }

    void inputHelpers() {
        if (!readsAnyInput())
            return;
        const std::string stop(StopHelper);
        for (const std::string& text :
             {std::string(), std::string("static void lies_wort_(char wort[256]) {"),
              std::string("    if (scanf(\"%255s\", wort) != 1)"),
              "        " + stopCall(noMoreInput()) + ";", std::string("}")})
            line(text);
        if (readsInput(Scalar::Int) || readsInput(Scalar::Real)) {
            for (const std::string& text :
                 {std::string(),
                  std::string("static void keine_zahl_(const char* meldung, const char* wort) {"),
                  std::string("    char text[600];"),
                  std::string("    snprintf(text, sizeof text, \"%s%s\", meldung, wort);"),
                  "    " + stop + "(text);", std::string("}")})
                line(text);
        }
        if (readsInput(Scalar::Int))
            integerReader();
        if (readsInput(Scalar::Real))
            numberReader();
        if (readsInput(Scalar::Text))
            textReader();
    }

    void integerReader() {
        for (const std::string& text :
             {std::string(), std::string("static int lies_ganzzahl_(void) {"),
              std::string("    char wort[256];"), std::string("    lies_wort_(wort);"),
              std::string("    char* ende;"), std::string("    errno = 0;"),
              std::string("    long wert = strtol(wort, &ende, 10);"),
              std::string(
                  "    if (*ende != '\\0' || errno != 0 || wert < INT_MIN || wert > INT_MAX)"),
              "        keine_zahl_(" + messageLiteral(notAnInteger()) + ", wort);",
              std::string("    return (int) wert;"), std::string("}")})
            line(text);
    }

    // A decimal comma reads like a point.
    void numberReader() {
        for (const std::string& text :
             {std::string(), std::string("static double lies_zahl_(void) {"),
              std::string("    char wort[256];"), std::string("    lies_wort_(wort);"),
              std::string("    char gelesen[256];"), std::string("    strcpy(gelesen, wort);"),
              std::string("    for (char* zeichen = wort; *zeichen != '\\0'; ++zeichen) {"),
              std::string("        if (*zeichen == ',')"),
              std::string("            *zeichen = '.';"), std::string("    }"),
              std::string("    char* ende;"), std::string("    errno = 0;"),
              std::string("    double wert = strtod(wort, &ende);"),
              std::string("    if (*ende != '\\0' || errno != 0)"),
              "        keine_zahl_(" + messageLiteral(notANumber()) + ", gelesen);",
              std::string("    return wert;"), std::string("}")})
            line(text);
    }

    void textReader() {
        for (const char* text :
             {"", "static const char* lies_text_(void) {", "    char wort[256];",
              "    lies_wort_(wort);", "    size_t laenge = strlen(wort) + 1;",
              "    char* kopie = malloc(laenge);", "    if (kopie == NULL)", "        return \"\";",
              "    memcpy(kopie, wort, laenge);", "    return kopie;", "}"})
            line(text);
    }

    std::string forwardDeclaration() override {
        return signature(programName(), m_typed.result, parameterTypes(), parameterIds()) + ";";
    }

    // Characters, not the bytes of UTF-8, as in the other languages.
    void lengthHelper() {
        if (!usesBuiltin(Builtin::Length))
            return;
        for (const char* text :
             {"", "static int laenge_(const char* text) {", "    int zeichen = 0;",
              "    for (; *text != '\\0'; ++text) {", "        if ((*text & 0xC0) != 0x80)",
              "            ++zeichen;", "    }", "    return zeichen;", "}"})
            line(text);
    }

    // rand() % 0 would divide by zero.
    void randomHelper() {
        if (!usesBuiltin(Builtin::Random))
            return;
        blank();
        line("static int zufall_(int n) {");
        line("    return n > 0 ? rand() % n : 0;");
        line("}");
    }

    std::string forEachHead(const Stmt& s, const std::string& counter) override {
        const std::string count =
            overArray(s) ? arrayLength(expr(s.value)) : std::to_string(s.items.size());
        return "for (int " + counter + " = 0; " + counter + " < " + count + "; ++" + counter +
               ") {";
    }

    std::string forEachValue(const Stmt& s, const std::string& counter) override {
        if (overArray(s))
            return element(expr(s.value), counter, s.value.type);
        return "((" + typeName(s.target.type) + "[]) {" + argumentList(s.items) + "})[" + counter +
               "]";
    }

    void mainStart() override {
        if (usesBuiltin(Builtin::Random))
            line("srand((unsigned) time(NULL));");
    }

    void stopHelper() {
        if (!stops())
            return;
        blank();
        line("static bool " + std::string(StopHelper) + "(const char* meldung) {");
        line("    fprintf(stderr, \"%s\\n\", meldung);");
        line("    exit(3);");
        line("}");
        divisionHelpers();
        if (!indexes())
            return;
        blank();
        line("static int " + std::string(IndexHelper) +
             "(int laenge, int index, const char* name, int lowest) {");
        line("    if (index < lowest || index >= lowest + laenge) {");
        line("        char meldung[300];");
        line("        char grenzen[100];");
        line("        if (laenge == 0)");
        line("            " + formatted("grenzen", emptyBounds(), {}) + ";");
        line("        else");
        line("            " +
             formatted("grenzen", bounds(), {{"%d", "lowest"}, {"%d", "lowest + laenge - 1"}}) +
             ";");
        line("        " +
             formatted("meldung", indexOutside(),
                       {{"%d", "index"}, {"%s", "name"}, {"%s", "grenzen"}}) +
             ";");
        line("        " + std::string(StopHelper) + "(meldung);");
        line("    }");
        line("    return index - lowest;");
        line("}");
        for (const ValueType& type : setArrayTypes())
            setter(type);
    }

    std::string arrayType(const ValueType& type) const {
        return "feld_" + arrayTypeWord(type) + "_";
    }

    void recordTypes() {
        for (std::size_t r = 0; r < records().size(); ++r) {
            const auto record = static_cast<std::int32_t>(r);
            blank();
            line("typedef struct {");
            for (std::size_t i = 0; i < records()[r].fields.size(); ++i)
                line("    " + typeName(records()[r].fields[i].type) + " " + fieldIds(record)[i] +
                     ";");
            line("} " + recordId(record) + ";");
        }
    }

    std::string recordLiteral(std::int32_t record,
                              const std::vector<std::string>& values) const override {
        std::string text;
        for (const std::string& value : values)
            text += (text.empty() ? "" : ", ") + value;
        return "(" + recordId(record) + ") {" + text + "}";
    }

    // An array grows by doubling the room it has.
    void arrayTypes() {
        for (const ValueType& type : CodeWriter::arrayTypes()) {
            blank();
            line("typedef struct {");
            line("    " + typeOf(type) + "* werte;");
            line("    int laenge;");
            line("    int platz;");
            line("} " + arrayType(type) + ";");
        }
    }

    void setter(const ValueType& type) {
        const std::string element = typeOf(type);
        blank();
        line("static void " + std::string(SetHelper) + arrayTypeWord(type) + "_(" +
             arrayType(type) + "* feld, int index, " + element +
             " wert, const char* name, int lowest) {");
        for (const std::string& text :
             {"    int stelle = " + std::string(IndexHelper) + "(" +
                  std::to_string(MaxArrayElements) + ", index, name, lowest);",
              std::string("    if (stelle >= feld->platz) {"),
              std::string("        int platz = feld->platz > 0 ? feld->platz : 8;"),
              std::string("        while (platz <= stelle)"),
              std::string("            platz *= 2;"),
              "        " + element +
                  "* werte = realloc(feld->werte, sizeof *werte * (size_t) platz);",
              std::string("        if (werte == NULL)"),
              "            " + stopCall(messages::said("run", "Kein Speicher mehr")) + ";",
              std::string("        feld->werte = werte;"),
              std::string("        feld->platz = platz;"), std::string("    }"),
              std::string("    while (feld->laenge <= stelle)"),
              "        feld->werte[feld->laenge++] = " + zeroOf(type) + ";",
              std::string("    feld->werte[stelle] = wert;"), std::string("}")})
            line(text);
    }

    std::string arrayLength(const std::string& array) const override { return array + "->laenge"; }

    std::string element(const std::string& array, const std::string& position,
                        Scalar) const override {
        return array + "->werte[" + position + "]";
    }

    std::string elementSetting(const Expr& array, const std::string& index,
                               const std::string& value) const override {
        return std::string(SetHelper) + arrayTypeWord(elementOf(array)) + "_(" +
               settingArguments(array, index, value) + ")";
    }

    std::string clearing(const std::string& array) const override { return array + "->laenge = 0"; }

    // An array is one of its kind, so that its name is a pointer to it,
    // passed to routines that may make it grow.
    void declarations() override {
        std::vector<std::string> unused;
        for (const Symbol* variable : variables()) {
            const std::string name = id(variable->spelling);
            const std::string note = typeNote(*variable);
            if (!variable->read)
                unused.push_back(name);
            if (variable->type.array)
                line(arrayType(variable->type) + " " + name + "[1] = {{NULL, 0, 0}};" + note);
            else
                line(typeOf(variable->type) + " " + name + " = " + zeroOf(variable->type) + ";" +
                     note);
        }
        for (const std::string& name : unused)
            line("(void) " + name + ";");
    }

    void callFunction() override {
        const std::string arguments = readDeclaredParameters();
        const std::string callText = programName() + "(" + arguments + ")";
        if (m_typed.result == Scalar::Unknown) {
            line(callText + ";");
            return;
        }
        Expr result = makeExpr(Expr::Kind::Name);
        result.type = m_typed.result;
        line("printf(\"" + format(result) + "\\n\", " + shown(callText, m_typed.result) + ");");
    }

    static std::string format(const Expr& item) {
        switch (item.type) {
        case Scalar::Real:
        case Scalar::Text:
        case Scalar::Bool:
            return "%s";
        default:
            return "%d";
        }
    }

    static std::string shown(const std::string& text, Scalar type) {
        if (type == Scalar::Real)
            return std::string(RealText) + "(" + text + ")";
        return type == Scalar::Bool ? "(" + text + ") ? \"true\" : \"false\"" : text;
    }

    std::string asText(const std::string& value, Scalar type) const override {
        if (type == Scalar::Int)
            return "ganz_als_text_(" + value + ")";
        return type == Scalar::Real ? shown(value, type)
                                    : "((" + value + ") ? \"true\" : \"false\")";
    }

    std::string joinTexts(const std::string& left, const std::string& right) const override {
        return "verbinde_(" + left + ", " + right + ")";
    }

    // Joined texts are new ones; a program's few texts are never freed.
    void joinHelpers() {
        if (joinsIntegers()) {
            for (const char* text :
                 {"", "static const char* ganz_als_text_(int zahl) {",
                  "    char* text = malloc(16);", "    if (text == NULL)", "        return \"\";",
                  "    snprintf(text, 16, \"%d\", zahl);", "    return text;", "}"})
                line(text);
        }
        if (!joinsTexts())
            return;
        for (const char* text :
             {"", "static const char* verbinde_(const char* links, const char* rechts) {",
              "    size_t laenge = strlen(links);",
              "    char* text = malloc(laenge + strlen(rechts) + 1);", "    if (text == NULL)",
              "        return \"\";", "    memcpy(text, links, laenge);",
              "    strcpy(text + laenge, rechts);", "    return text;", "}"})
            line(text);
    }

    // Eight texts in turn, so that one printf can show several numbers.
    void realHelper() {
        if (!showsReal())
            return;
        for (const std::string& text :
             {std::string(), "static const char* " + std::string(RealText) + "(double x) {",
              std::string("    static char texte[8][512];"),
              std::string("    static int naechster = 0;"),
              std::string("    char* text = texte[naechster++ % 8];"),
              std::string("    for (int stellen = 0; stellen <= 30; ++stellen) {"),
              std::string("        snprintf(text, 512, \"%.*f\", stellen, x);"),
              std::string("        if (strtod(text, NULL) == x)"),
              std::string("            return text;"), std::string("    }"),
              std::string("    snprintf(text, 512, \"%.17g\", x);"),
              std::string("    return text;"), std::string("}")})
            line(text);
    }

    void input(const Stmt& s) override { readItems(s, false); }

    void output(const Stmt& s) override {
        std::string formatText;
        std::string arguments;
        for (std::size_t i = 0; i < s.items.size(); ++i) {
            const Expr& item = s.items[i];
            if (spacedBefore(s.items, i))
                formatText += " ";
            if (item.kind == Expr::Kind::Text) {
                formatText += escaped(charactersOf(item), true);
                continue;
            }
            formatText += format(item);
            arguments += ", " + shown(expr(item), item.type);
        }
        line("printf(\"" + formatText + "\\n\"" + arguments + ");");
    }

    void switchStatement(const Stmt& s) override {
        line("switch (" + expr(s.value) + ") {");
        for (const CaseBranch& branch : s.branches) {
            for (std::size_t i = 0; i + 1 < branch.labels.size(); ++i)
                line("case " + expr(branch.labels[i]) + ":");
            line("case " + expr(branch.labels.back()) + ": {");
            nested(branch.body);
            line("    break;");
            line("}");
        }
        if (s.hasElse) {
            line("default: {");
            nested(s.bodies[0]);
            line("    break;");
            line("}");
        }
        line("}");
    }

    bool switchesOnText() const override { return false; }

    // gcc refuses "x < x" and "n == n" under -Werror; their value is
    // known, and the operand stays named so that it still counts as used.
    std::string special(const Expr& e) override {
        const bool comparison = e.kind == Expr::Kind::Binary && e.op >= Op::Eq && e.op <= Op::Ge;
        if (comparison && e.args[0].type != Scalar::Text) {
            const std::string left = expr(e.args[0]);
            if (left == expr(e.args[1]))
                return "((void) (" + left + "), " +
                       boolLiteral(e.op == Op::Eq || e.op == Op::Le || e.op == Op::Ge) + ")";
        }
        return CFamilyWriter::special(e);
    }

    std::string textEquality(const Expr& e) override {
        return "strcmp(" + expr(e.args[0]) + ", " + expr(e.args[1]) +
               (e.op == Op::Eq ? ") == 0" : ") != 0");
    }

    std::string parameter(ValueType type, const std::string& name) const override {
        return type.array ? arrayType(type) + "* " + name : typeOf(type) + " " + name;
    }

    std::string unusedParameter(const std::string& name) const override {
        return "(void) " + name + ";";
    }

    // Trigraphs ("??/") and a line-ending backslash would change the line.
    std::string commentText(std::string text) const override {
        std::string result;
        for (const char c : text) {
            if (c == '?' && !result.empty() && result.back() == '?')
                result += ' ';
            result += c;
        }
        if (!result.empty() && result.back() == '\\')
            result += " //";
        return result;
    }

    // Question marks too, so that no "??" starts a trigraph.
    static std::string escaped(const std::string& utf8Text, bool inFormat) {
        std::string result = backslashed(utf8Text, "\"\\?");
        if (!inFormat)
            return result;
        std::string format;
        for (const char c : result)
            format += c == '%' ? std::string("%%") : std::string(1, c);
        return format;
    }

    std::string utf8Literal(std::string_view text) const override {
        return "\"" + escaped(std::string(text), false) + "\"";
    }
};

} // namespace

std::string writeC(const ProgramSet& set) {
    return writeLinked<CWriter>(set);
}

} // namespace velbrant::code
