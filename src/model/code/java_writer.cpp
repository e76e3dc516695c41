#include "model/code/c_family_writer.h"
#include "model/code/identifiers.h"
#include "model/code/language_writers.h"
#include "model/code/text_helpers.h"

#include <algorithm>

namespace velbrant::code {

namespace {

// Java refuses code it can prove unreachable and a function that may end
// without a result. A jump followed by more statements is written as
// "if (true) break;", which Java counts as able to go on; the walk below
// follows Java's own rules to know where that is needed.
class JavaWriter final : public CFamilyWriter {
public:
    JavaWriter(const TypedProgram& program, const RoutineIds* ids, std::string_view fileStem)
        : CFamilyWriter(program, JavaLanguage, ids),
          m_className(fileStem.empty() ? programName() : Identifiers().unique(fileStem)) {}

private:
    void writeProgram() override {
        headerComment();
        blank();
        line("class " + m_className + " {");
        indent();
        stopHelper();
        inputHelpers();
        realHelper();
        lines(javaTextHelpers(usedBuiltins()));
        recordTypes();
        stubs();
        linkedRoutines();
        functionAndMain("public static void main(String[] args)", "");
        dedent();
        line("}");
    }

    void inputHelpers() {
        const bool integers = readsInput(Scalar::Int);
        const bool reals = readsInput(Scalar::Real);
        if (!readsAnyInput())
            return;
        blank();
        line("static final java.util.Scanner EINGABE_ = new java.util.Scanner(System.in);");
        blank();
        line("static String liesText_() {");
        line("    if (!EINGABE_.hasNext())");
        line("        " + stopCall(noMoreInput()) + ";");
        line("    return EINGABE_.next();");
        line("}");
        if (integers)
            converter("int liesGanzzahl_", "Integer.parseInt(wort)", notAnInteger(), "0");
        if (reals)
            converter("double liesZahl_", "Double.parseDouble(wort.replace(',', '.'))",
                      notANumber(), "0.0");
    }

    // A decimal comma reads like a point.
    void converter(const std::string& head, const std::string& value, const std::string& failure,
                   const std::string& zero) {
        blank();
        line("static " + head + "() {");
        line("    String wort = liesText_();");
        line("    try {");
        line("        return " + value + ";");
        line("    } catch (NumberFormatException e) {");
        line("        " + std::string(StopHelper) + "(" + messageLiteral(failure) + " + wort);");
        line("        return " + zero + ";");
        line("    }");
        line("}");
    }

    void stopHelper() {
        if (!stops())
            return;
        blank();
        line("static boolean " + std::string(StopHelper) + "(String meldung) {");
        line("    System.err.println(meldung);");
        line("    System.exit(3);");
        line("    return false;");
        line("}");
        divisionHelpers();
        if (!indexes())
            return;
        blank();
        line("static int " + std::string(IndexHelper) +
             "(int laenge, int index, String name, int lowest) {");
        line("    if (index < lowest || index >= lowest + laenge)");
        const std::string bounded = "(laenge == 0 ? " + joinedMessage(emptyBounds(), {}) + " : " +
                                    joinedMessage(bounds(), {"lowest", "(lowest + laenge - 1)"}) +
                                    ")";
        line("        " + std::string(StopHelper) + "(" +
             joinedMessage(indexOutside(), {"index", "name", bounded}) + ");");
        line("    return index - lowest;");
        line("}");
        // A generic setter serves the arrays of values; each new record is
        // its own, not one shared by all.
        if (setsValueElements())
            setter("<T> void " + std::string(SetHelper) +
                       "(java.util.ArrayList<T> feld, int index, T wert, String name, int lowest, "
                       "T leer)",
                   "leer");
        for (const ValueType& type : setRecordElements())
            setter("void " + std::string(SetHelper) + arrayTypeWord(type) + "_(" + arrayType(type) +
                       " feld, int index, " + typeOf(type) + " wert, String name, int lowest)",
                   zeroOf(type));
    }

    void setter(const std::string& head, const std::string& fill) {
        blank();
        line("static " + head + " {");
        line("    int stelle = " + std::string(IndexHelper) + "(" +
             std::to_string(MaxArrayElements) + ", index, name, lowest);");
        line("    while (feld.size() <= stelle)");
        line("        feld.add(" + fill + ");");
        line("    feld.set(stelle, wert);");
        line("}");
    }

    static std::string boxed(Scalar type) {
        switch (type) {
        case Scalar::Real:
            return "Double";
        case Scalar::Bool:
            return "Boolean";
        case Scalar::Text:
            return "String";
        default:
            return "Integer";
        }
    }

    std::string arrayType(const ValueType& type) const {
        return "java.util.ArrayList<" +
               (type.scalar == Scalar::Record ? recordId(type.record) : boxed(type.scalar)) + ">";
    }

    // A class per record type, made with every field's value.
    void recordTypes() {
        for (std::size_t r = 0; r < records().size(); ++r) {
            const auto record = static_cast<std::int32_t>(r);
            const std::string& name = recordId(record);
            const std::vector<std::string>& fields = fieldIds(record);
            std::string parameters;
            for (std::size_t i = 0; i < fields.size(); ++i) {
                parameters +=
                    (i == 0 ? "" : ", ") + typeName(records()[r].fields[i].type) + " " + fields[i];
            }
            blank();
            line("static class " + name + " {");
            indent();
            for (std::size_t i = 0; i < fields.size(); ++i)
                line(typeName(records()[r].fields[i].type) + " " + fields[i] + ";");
            blank();
            line(name + "(" + parameters + ") {");
            for (const std::string& field : fields)
                line("    this." + field + " = " + field + ";");
            line("}");
            blank();
            line(name + " kopie_() {");
            line("    return " + recordLiteral(record, fields) + ";");
            line("}");
            dedent();
            line("}");
        }
    }

    std::string recordLiteral(std::int32_t record,
                              const std::vector<std::string>& values) const override {
        std::string text;
        for (const std::string& value : values)
            text += (text.empty() ? "" : ", ") + value;
        return "new " + recordId(record) + "(" + text + ")";
    }

    std::string copied(const std::string& record) const override { return record + ".kopie_()"; }

    std::string arrayLength(const std::string& array) const override { return array + ".size()"; }

    // Unboxed, so that "==" compares values.
    std::string element(const std::string& array, const std::string& position,
                        Scalar type) const override {
        const std::string value = array + ".get(" + position + ")";
        return type == Scalar::Text || type == Scalar::Record ? value
                                                              : "(" + typeName(type) + ") " + value;
    }

    // An integer set into an array of reals is made a real first: Java
    // does not box it as one.
    std::string elementSetting(const Expr& array, const std::string& index,
                               const std::string& value) const override {
        const ValueType type = elementOf(array);
        if (type.scalar == Scalar::Record)
            return std::string(SetHelper) + arrayTypeWord(type) + "_(" +
                   settingArguments(array, index, value) + ")";
        return std::string(SetHelper) + "(" +
               settingArguments(array, index,
                                type.scalar == Scalar::Real ? "(double) (" + value + ")" : value) +
               ", " + zero(type.scalar) + ")";
    }

    std::string clearing(const std::string& array) const override { return array + ".clear()"; }

    void declarations() override {
        for (const Symbol* variable : variables()) {
            const std::string name = id(variable->spelling);
            const std::string note = typeNote(*variable);
            if (variable->type.array)
                line(arrayType(variable->type) + " " + name + " = new java.util.ArrayList<>();" +
                     note);
            else
                line(typeOf(variable->type) + " " + name + " = " + zeroOf(variable->type) + ";" +
                     note);
        }
    }

    bool reachesEnd() const override { return completes(m_program.body); }

    void callFunction() override {
        const std::string arguments = readDeclaredParameters();
        const std::string callText = programName() + "(" + arguments + ")";
        line(m_typed.result == Scalar::Unknown
                 ? callText + ";"
                 : "System.out.println(" + shown(callText, m_typed.result) + ");");
    }

    static std::string shown(const std::string& text, Scalar type) {
        return type == Scalar::Real ? std::string(RealText) + "(" + text + ")" : text;
    }

    std::string asText(const std::string& value, Scalar type) const override {
        return type == Scalar::Real ? shown(value, type) : "String.valueOf(" + value + ")";
    }

    std::string forEachHead(const Stmt& s, const std::string& counter) override {
        if (overArray(s))
            return "for (int " + counter + " = 0; " + counter + " < " + arrayLength(expr(s.value)) +
                   "; " + counter + "++) {";
        const std::string type = typeName(s.target.type);
        return "for (" + type + " " + counter + " : new " + type + "[] {" + argumentList(s.items) +
               "}) {";
    }

    std::string forEachValue(const Stmt& s, const std::string& counter) override {
        if (!overArray(s))
            return counter;
        const std::string value = element(expr(s.value), counter, s.value.type);
        return s.value.type == Scalar::Record ? copied(value) : value;
    }

    void realHelper() {
        if (!showsReal())
            return;
        for (const std::string& text :
             {std::string(), "static String " + std::string(RealText) + "(double x) {",
              std::string("    for (int stellen = 0; stellen <= 30; stellen++) {"),
              std::string("        String text = String.format(java.util.Locale.ROOT, \"%.\" + "
                          "stellen + \"f\", x);"),
              std::string("        if (Double.parseDouble(text) == x)"),
              std::string("            return text;"), std::string("    }"),
              std::string("    return Double.toString(x);"), std::string("}")})
            line(text);
    }

    void input(const Stmt& s) override { readItems(s, true); }

    void output(const Stmt& s) override {
        std::string text;
        for (std::size_t i = 0; i < s.items.size(); ++i) {
            if (i > 0)
                text += spacedBefore(s.items, i) ? " + \" \" + " : " + ";
            const Expr& item = s.items[i];
            const bool atomic = item.kind != Expr::Kind::Binary && item.kind != Expr::Kind::Unary;
            text += item.type == Scalar::Real ? shown(expr(item), item.type)
                    : atomic                  ? expr(item)
                                              : "(" + expr(item) + ")";
        }
        const bool startsWithText = !s.items.empty() && s.items[0].kind == Expr::Kind::Text;
        if (s.items.size() > 1 && !startsWithText)
            text = "\"\" + " + text;
        line("System.out.println(" + text + ");");
    }

    void switchStatement(const Stmt& s) override {
        line("switch (" + expr(s.value) + ") {");
        indent();
        for (const CaseBranch& branch : s.branches) {
            braced("case " + argumentList(branch.labels) + " ->", branch.body);
        }
        if (s.hasElse)
            braced("default ->", s.bodies[0]);
        dedent();
        line("}");
    }

    bool switchesOnText() const override { return true; }

    // Each statement but the last of a block is written so that it can
    // complete; inside such a statement every jump is guarded.
    void block(const Block& statements) override {
        for (std::size_t i = 0; i < statements.size(); ++i) {
            const bool guard = i + 1 < statements.size() && !completes(statements[i]);
            m_guards += guard ? 1 : 0;
            statement(statements[i]);
            m_guards -= guard ? 1 : 0;
        }
    }

    std::string jumpPrefix() const override { return m_guards > 0 ? "if (true) " : ""; }

    bool completes(const Block& statements) const {
        return statements.empty() || completes(statements.back());
    }

    bool completes(const Stmt& s) const {
        if (m_guards > 0)
            return true;
        switch (s.kind) {
        case Stmt::Kind::Break:
        case Stmt::Kind::Return:
            return false;
        case Stmt::Kind::If:
            return s.bodies[1].empty() || completes(s.bodies[0]) || completes(s.bodies[1]);
        case Stmt::Kind::While:
            return !isTrue(s.value) || breaksLoop(s.bodies[0]);
        case Stmt::Kind::Repeat:
            return (completes(s.bodies[0]) && !isTrue(negated(s.value))) || breaksLoop(s.bodies[0]);
        case Stmt::Kind::Case:
            return !s.hasElse || completes(s.bodies[0]) ||
                   std::any_of(s.branches.begin(), s.branches.end(),
                               [this](const CaseBranch& b) { return completes(b.body); });
        default:
            return true;
        }
    }

    static bool isTrue(const Expr& e) { return e.kind == Expr::Kind::Bool && e.text == "true"; }

    // A constant condition other than "true" would make Java judge the loop
    // by its value; it is wrapped so that it is not constant.
    std::string loopCondition(const Expr& condition) override {
        const std::string text = expr(condition);
        if (isConstant(condition) && (!isTrue(condition) || m_guards > 0))
            return "Boolean.valueOf(" + text + ")";
        return text;
    }

    std::string textEquality(const Expr& e) override {
        return std::string(e.op == Op::Ne ? "!" : "") + expr(e.args[0]) + ".equals(" +
               expr(e.args[1]) + ")";
    }

    std::string parameter(ValueType type, const std::string& name) const override {
        return (type.array ? arrayType(type) : typeOf(type)) + " " + name;
    }

    std::string commentText(std::string text) const override {
        for (std::size_t at = text.find('\\'); at != std::string::npos;
             at = text.find('\\', at + 2))
            text.insert(at, 1, '\\');
        return text;
    }

    std::string utf8Literal(std::string_view text) const override {
        return "\"" + backslashed(text, "\"\\") + "\"";
    }

    const std::string m_className;
    int m_guards = 0;
};

} // namespace

std::string writeJava(const ProgramSet& set, std::string_view fileStem) {
    return writeLinked<JavaWriter>(set, fileStem);
}

} // namespace velbrant::code
