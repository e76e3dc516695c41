#include "model/code/code_writer.h"
#include "model/code/language_writers.h"
#include "model/code/text_helpers.h"

#include <algorithm>
#include <tuple>

namespace velbrant::code {

namespace {

class PascalWriter final : public CodeWriter {
public:
    PascalWriter(const TypedProgram& program, const RoutineIds* ids)
        : CodeWriter(program, PascalLanguage, ids) {}

private:
    void writeProgram() override {
        line("{$mode objfpc}{$H+}");
        headerComment();
        if (!m_program.isFunction)
            line("program " + programName() + ";");
        blank();
        line("uses");
        line("  SysUtils, Math;");
        arrayTypes();
        stopHelper();
        inputHelpers();
        realHelper();
        lengthHelper();
        lines(pascalTextHelpers(usedBuiltins()));
        stubs();
        linkedRoutines();
        if (m_program.isFunction)
            function();
        blank();
        if (m_program.isFunction) {
            mainCallingFunction();
        } else {
            declarations(variables(), usesIndexLoop(), forEachDepth(m_program.body));
            blank();
            line("begin");
            randomize();
            nested(m_program.body);
        }
        line("end.");
    }

    bool usesIndexLoop() const { return readsRange(m_program.body); }

    void randomize() {
        if (usesBuiltin(Builtin::Random))
            line("  Randomize;");
    }

    static bool readsRange(const Block& statements) {
        return anyStatement(statements, [](const Stmt& s) {
            return s.kind == Stmt::Kind::Input &&
                   std::any_of(s.items.begin(), s.items.end(),
                               [](const Expr& e) { return e.kind == Expr::Kind::Range; });
        });
    }

    void inputHelpers() {
        if (!readsAnyInput())
            return;
        for (const char* text :
             {"", "function LiesText_: string;", "var", "  c: char;", "begin", "  Result := '';",
              "  while not eof do", "  begin", "    read(c);",
              "    if c in [' ', #9, #10, #13] then", "    begin", "      if Result <> '' then",
              "        exit;", "    end", "    else", "      Result := Result + c;", "  end;",
              "  if Result = '' then"})
            line(text);
        line("    " + stopCall(noMoreInput()) + ";");
        line("end;");
        if (readsInput(Scalar::Int))
            converter("LiesGanzzahl_: integer", false, "TryStrToInt(wort, Result)", notAnInteger());
        // A decimal comma reads like a point.
        if (readsInput(Scalar::Real))
            converter("LiesZahl_: double", true,
                      "TryStrToFloat(StringReplace(wort, ',', '.', []), Result, zahlen)",
                      notANumber());
    }

    std::string asText(const std::string& value, Scalar type) const override {
        return type == Scalar::Int ? "IntToStr(" + value + ")" : shown(value, type);
    }

    // Characters, not the bytes of UTF-8, as in the other languages.
    void lengthHelper() {
        if (!usesBuiltin(Builtin::Length))
            return;
        for (const char* text :
             {"", "function laenge_(const text: string): integer;", "var", "  i: integer;", "begin",
              "  Result := 0;", "  for i := 1 to Length(text) do",
              "    if (Ord(text[i]) and $C0) <> $80 then", "      Result := Result + 1;", "end;"})
            line(text);
    }

    void realHelper() {
        if (!showsReal())
            return;
        for (const char* text :
             {"", "function zahl_text_(x: double): string;", "var", "  stellen: integer;",
              "  wert: double;", "  zahlen: TFormatSettings;", "begin",
              "  zahlen := DefaultFormatSettings;", "  zahlen.DecimalSeparator := '.';",
              "  for stellen := 0 to 18 do", "  begin",
              "    Result := FloatToStrF(x, ffFixed, 18, stellen, zahlen);",
              "    wert := StrToFloat(Result, zahlen);", "    if wert = x then", "      exit;",
              "  end;", "end;"})
            line(text);
    }

    void converter(const std::string& head, bool decimal, const std::string& reads,
                   const std::string& failure) {
        blank();
        line("function " + head + ";");
        line("var");
        line("  wort: string;");
        if (decimal)
            line("  zahlen: TFormatSettings;");
        line("begin");
        line("  wort := LiesText_();");
        if (decimal) {
            line("  zahlen := DefaultFormatSettings;");
            line("  zahlen.DecimalSeparator := '.';");
        }
        line("  if not " + reads + " then");
        line("    " + std::string(StopHelper) + "(" + messageLiteral(failure) + " + wort);");
        line("end;");
    }

    void stopHelper() {
        if (!stops())
            return;
        blank();
        line("function " + std::string(StopHelper) + "(const meldung: string): boolean;");
        line("begin");
        line("  WriteLn(ErrOutput, meldung);");
        line("  Halt(3);");
        line("  Result := False;");
        line("end;");
        divisionHelpers();
        if (!indexes())
            return;
        for (const std::string& text :
             {std::string(),
              std::string("function feld_(laenge, index: integer; const name: string; lowest: "
                          "integer): integer;"),
              std::string("var"), std::string("  grenzen: string;"), std::string("begin"),
              std::string("  if (index < lowest) or (index >= lowest + laenge) then"),
              std::string("  begin"), std::string("    if laenge = 0 then"),
              "      grenzen := " + joinedMessage(emptyBounds(), {}), std::string("    else"),
              "      grenzen := " +
                  joinedMessage(bounds(), {"IntToStr(lowest)", "IntToStr(lowest + laenge - 1)"}) +
                  ";",
              "    " + std::string(StopHelper) + "(" +
                  joinedMessage(indexOutside(), {"IntToStr(index)", "name", "grenzen"}) + ");",
              std::string("  end;"), std::string("  Result := index - lowest;"),
              std::string("end;")})
            line(text);
        for (const ValueType& type : setArrayTypes())
            setter(type);
    }

    // Pascal cuts towards zero already; the helpers stop on a zero divisor.
    void divisionHelpers() {
        for (const auto& [op, name, word] : {std::tuple{Op::IntDiv, WholeDivision, "div"},
                                             std::tuple{Op::Mod, Remainder, "mod"}}) {
            if (!uses(op))
                continue;
            blank();
            line("function " + std::string(name) + "(a, b: integer): integer;");
            line("begin");
            line("  if b = 0 then");
            line("    " + stopCall(byZero()) + ";");
            line("  Result := a " + std::string(word) + " b;");
            line("end;");
        }
    }

    std::string arrayType(const ValueType& type) const {
        return "feld_" + arrayTypeWord(type) + "_";
    }

    // Records, then arrays, then what makes a record of its fields' values.
    void arrayTypes() {
        if (CodeWriter::arrayTypes().empty() && records().empty())
            return;
        blank();
        line("type");
        for (std::size_t r = 0; r < records().size(); ++r) {
            const auto record = static_cast<std::int32_t>(r);
            line("  " + recordId(record) + " = record");
            for (std::size_t i = 0; i < records()[r].fields.size(); ++i)
                line("    " + fieldIds(record)[i] + ": " + typeName(records()[r].fields[i].type) +
                     ";");
            line("  end;");
        }
        for (const ValueType& type : CodeWriter::arrayTypes())
            line("  " + arrayType(type) + " = array of " + typeOf(type) + ";");
        for (std::size_t r = 0; r < records().size(); ++r)
            recordMaker(static_cast<std::int32_t>(r));
    }

    static std::string makerOf(const std::string& record) { return "neu_" + record + "_"; }

    void recordMaker(std::int32_t record) {
        const std::vector<std::string>& fields = fieldIds(record);
        std::string parameters;
        for (std::size_t i = 0; i < fields.size(); ++i) {
            parameters += (i == 0 ? "" : "; ") + fields[i] + ": " +
                          typeName(records()[static_cast<std::size_t>(record)].fields[i].type);
        }
        blank();
        line("function " + makerOf(recordId(record)) + "(" + parameters + "): " + recordId(record) +
             ";");
        line("begin");
        for (const std::string& field : fields)
            line("  Result." + field + " := " + field + ";");
        line("end;");
    }

    std::string recordLiteral(std::int32_t record,
                              const std::vector<std::string>& values) const override {
        std::string text;
        for (const std::string& value : values)
            text += (text.empty() ? "" : ", ") + value;
        return makerOf(recordId(record)) + "(" + text + ")";
    }

    void setter(const ValueType& type) {
        blank();
        line("procedure " + std::string(SetHelper) + arrayTypeWord(type) +
             "_(var feld: " + arrayType(type) + "; index: integer; wert: " + typeOf(type) +
             "; const name: string; lowest: integer);");
        for (const std::string& text :
             {std::string("var"), std::string("  stelle, k: integer;"), std::string("begin"),
              "  stelle := " + std::string(IndexHelper) + "(" + std::to_string(MaxArrayElements) +
                  ", index, name, lowest);",
              std::string("  if stelle >= Length(feld) then"), std::string("  begin"),
              std::string("    k := Length(feld);"),
              std::string("    SetLength(feld, stelle + 1);"),
              std::string("    while k < stelle do"), std::string("    begin"),
              "      feld[k] := " + zeroOf(type) + ";", std::string("      k := k + 1;"),
              std::string("    end;"), std::string("  end;"),
              std::string("  feld[stelle] := wert;"), std::string("end;")})
            line(text);
    }

    std::string arrayLength(const std::string& array) const override {
        return "Length(" + array + ")";
    }

    std::string element(const std::string& array, const std::string& position,
                        Scalar) const override {
        return array + "[" + position + "]";
    }

    std::string elementSetting(const Expr& array, const std::string& index,
                               const std::string& value) const override {
        return std::string(SetHelper) + arrayTypeWord(elementOf(array)) + "_(" +
               settingArguments(array, index, value) + ")";
    }

    std::string clearing(const std::string& array) const override {
        return "SetLength(" + array + ", 0)";
    }

    std::string assignmentSign() const override { return " := "; }

    void helper(const std::string& head, const std::string& value) {
        blank();
        line("function " + head + ";");
        line("begin");
        line("  Result := " + value + ";");
        line("end;");
    }

    void declarations(const std::vector<const Symbol*>& symbols, bool indexLoop,
                      int forEachCounters = 0) {
        if (symbols.empty() && !indexLoop && forEachCounters == 0)
            return;
        line("var");
        indent();
        for (const Symbol* variable : symbols) {
            const std::string type =
                variable->type.array ? arrayType(variable->type) : typeOf(variable->type);
            line(id(variable->spelling) + ": " + type + ";" + typeNote(*variable));
        }
        if (indexLoop)
            line("k_: integer;");
        for (m_forEachDepth = 1; m_forEachDepth <= forEachCounters; ++m_forEachDepth)
            line(forEachCounter() + ": integer;");
        m_forEachDepth = 0;
        dedent();
    }

    // Locals of a function start undefined; strings and arrays start empty.
    void initialisations(const std::vector<const Symbol*>& symbols) {
        for (const Symbol* variable : symbols) {
            if (!variable->type.array)
                line(id(variable->spelling) + " := " + zeroOf(variable->type) + ";");
        }
    }

    std::string parameters(const std::vector<ValueType>& types,
                           const std::vector<std::string>& names) const {
        if (types.empty())
            return {};
        std::string text;
        for (std::size_t i = 0; i < types.size(); ++i) {
            text += (i == 0 ? "" : "; ") + std::string(types[i].array ? "var " : "") + names[i] +
                    ": " + (types[i].array ? arrayType(types[i]) : typeOf(types[i]));
        }
        return "(" + text + ")";
    }

    void stubs() {
        for (const Symbol* routine : subroutines()) {
            const std::vector<std::string> names = stubParameters(*routine);
            const bool function = routine->kind == SymbolKind::Function;
            blank();
            line((function ? "function " : "procedure ") + id(routine->spelling) +
                 parameters(routine->parameters, names) +
                 (function ? ": " + typeName(routine->type.scalar) : "") + ";");
            line("begin");
            indent();
            missingRoutine(*routine);
            if (function)
                line("Result := " + zero(routine->type.scalar) + ";");
            dedent();
            line("end;");
        }
    }

    std::string routineHead() const {
        const bool result = m_typed.result != Scalar::Unknown;
        return (result ? "function " : "procedure ") + programName() +
               parameters(parameterTypes(), parameterIds()) +
               (result ? ": " + typeName(m_typed.result) : "") + ";";
    }

    std::string forwardDeclaration() override { return routineHead() + " forward;"; }
    void routine() override { function(); }

    void function() {
        const bool result = m_typed.result != Scalar::Unknown;
        blank();
        line(routineHead());
        declarations(variables(), usesIndexLoop(), forEachDepth(m_program.body));
        line("begin");
        indent();
        if (result)
            line("Result := " + zero(m_typed.result) + ";");
        initialisations(variables());
        block(m_program.body);
        dedent();
        line("end;");
    }

    void mainCallingFunction() {
        std::vector<const Symbol*> parameterSymbols;
        for (const std::string& name : m_program.parameters)
            parameterSymbols.push_back(&symbol(name));
        declarations(parameterSymbols, false);
        blank();
        line("begin");
        randomize();
        indent();
        const std::string arguments = readParameters([this](Scalar type, const std::string& name) {
            return name + " := " + reading(type) + ";";
        });
        const std::string callText =
            programName() + (arguments.empty() ? std::string() : "(" + arguments + ")");
        line(m_typed.result == Scalar::Unknown
                 ? callText + ";"
                 : "writeln(" + shown(callText, m_typed.result) + ");");
        dedent();
    }

    static std::string shown(const std::string& text, Scalar type) {
        if (type == Scalar::Real)
            return std::string(RealText) + "(" + text + ")";
        if (type == Scalar::Bool)
            return "BoolToStr(" + text + ", 'true', 'false')";
        return text;
    }

    void assign(const Stmt& s) override { assignment(s.target, valueOf(s.value)); }

    void input(const Stmt& s) override {
        for (const Expr& item : s.items) {
            if (item.kind != Expr::Kind::Range) {
                assignment(item, reading(item.type));
                continue;
            }
            line("for k_ := " + expr(item.args[0]) + " to " + expr(item.args[1]) + " do");
            line("  " + elementSetting(item, "k_", reading(item.type)) + ";");
        }
    }

    void output(const Stmt& s) override {
        std::string items;
        for (std::size_t i = 0; i < s.items.size(); ++i) {
            if (i > 0)
                items += spacedBefore(s.items, i) ? ", ' ', " : ", ";
            items += shown(expr(s.items[i]), s.items[i].type);
        }
        line(items.empty() ? "writeln;" : "writeln(" + items + ");");
    }

    void call(const Stmt& s) override {
        line(calleeId(s) + (s.items.empty() ? "" : "(" + argumentList(s.items) + ")") + ";");
    }

    void compound(const Block& body, const std::string& after) {
        line("begin");
        nested(body);
        line("end" + after);
    }

    void ifStatement(const Stmt& s) override {
        head(s);
        line("if " + expr(s.value) + " then");
        if (s.bodies[1].empty()) {
            compound(s.bodies[0], ";");
            return;
        }
        compound(s.bodies[0], "");
        line("else");
        compound(s.bodies[1], ";");
    }

    void whileLoop(const Stmt& s) override {
        head(s);
        line("while " + expr(s.value) + " do");
        compound(s.bodies[0], ";");
    }

    void repeatLoop(const Stmt& s) override {
        head(s);
        line("repeat");
        nested(s.bodies[0]);
        line("until " + expr(plain(s.value)) + ";");
    }

    // Pascal counts only by one and forbids changing the counter in the
    // body; other loops are written as while loops.
    void forLoop(const Stmt& s) override {
        const bool unit = s.step.kind == Expr::Kind::Int && std::stoll(s.step.text) == 1;
        const std::string variable = expr(s.target);
        if (unit && !assignsName(s.bodies[0], s.target.text) &&
            !m_typed.symbols.of(s.target).isParameter) {
            line("for " + variable + " := " + expr(s.value) + (s.downward ? " downto " : " to ") +
                 expr(s.limit) + " do");
            compound(s.bodies[0], ";");
            return;
        }
        line(variable + " := " + expr(s.value) + ";");
        line("while " + variable + (s.downward ? " >= " : " <= ") + expr(s.limit) + " do");
        line("begin");
        nested(s.bodies[0]);
        line("  " + variable + " := " + variable + (s.downward ? " - " : " + ") +
             operand(s.step, makeExpr(Expr::Kind::Binary), true) + ";");
        line("end;");
    }

    // The counter picks the value: Pascal has no list to go through. An
    // array is counted through while it lasts.
    void forEachLoop(const Stmt& s) override {
        ++m_forEachDepth;
        const std::string counter = forEachCounter();
        if (overArray(s)) {
            const std::string array = expr(s.value);
            line(counter + " := 0;");
            line("while " + counter + " < " + arrayLength(array) + " do");
            line("begin");
            indent();
            line(expr(s.target) + " := " + element(array, counter, s.value.type) + ";");
            line(counter + " := " + counter + " + 1;");
            block(s.bodies[0]);
            dedent();
            line("end;");
            --m_forEachDepth;
            return;
        }
        line("for " + counter + " := 0 to " + std::to_string(s.items.size() - 1) + " do");
        line("begin");
        indent();
        line("case " + counter + " of");
        for (std::size_t i = 0; i < s.items.size(); ++i)
            line("  " + std::to_string(i) + ": " + expr(s.target) + " := " + expr(s.items[i]) +
                 ";");
        line("end;");
        block(s.bodies[0]);
        dedent();
        line("end;");
        --m_forEachDepth;
    }

    bool switchable(const Stmt& s) const override { return plainLabels(s, false); }

    void switchStatement(const Stmt& s) override {
        line("case " + expr(s.value) + " of");
        indent();
        for (const CaseBranch& branch : s.branches) {
            line(argumentList(branch.labels) + ":");
            compound(branch.body, ";");
        }
        dedent();
        if (s.hasElse) {
            line("else");
            compound(s.bodies[0], ";");
        }
        line("end;");
    }

    void caseChain(const Stmt& s) override {
        for (std::size_t i = 0; i < s.branches.size(); ++i) {
            const CaseBranch& branch = s.branches[i];
            if (branch.unreadLabel)
                unreadComment({branch.labelText});
            line((i == 0 ? "if " : "else if ") + caseCondition(s, branch) + " then");
            const bool last = i + 1 == s.branches.size() && !s.hasElse;
            compound(branch.body, last ? ";" : "");
        }
        if (s.hasElse) {
            if (!s.branches.empty())
                line("else");
            compound(s.bodies[0], ";");
        }
    }

    std::string caseCondition(const Stmt& s, const CaseBranch& branch) {
        if (branch.unreadLabel)
            return unreadLabelCall(s, branch);
        std::string condition;
        for (const Expr& label : branch.labels)
            condition += (condition.empty() ? "(" : " or (") + expr(equality(s.value, label)) + ")";
        return condition.empty() ? "False" : condition;
    }

    // Quotes doubled, tabs as #9 between quoted parts.
    std::string utf8Literal(std::string_view text) const override {
        std::string result = "'";
        bool open = true;
        for (const char c : text) {
            if (c == '\t') {
                result += open ? "'#9" : "#9";
                open = false;
                continue;
            }
            if (!open)
                result += "'";
            open = true;
            result += c == '\'' ? std::string("''") : std::string(1, c);
        }
        return open ? result + "'" : result;
    }
};

} // namespace

std::string writePascal(const ProgramSet& set) {
    return writeLinked<PascalWriter>(set);
}

} // namespace velbrant::code
