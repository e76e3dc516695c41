#pragma once

#include "model/code/language_table.h"
#include "model/program/program_meaning.h"
#include "model/program/program_set.h"
#include "model/program/type_check.h"

#include <functional>
#include <set>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace velbrant::code {

// What every back end shares: lines at an indentation, identifiers for the
// program's names, the walk over the statements, and expressions written
// by the target's table of operators. A back end states its syntax.
// Every routine's identifier in a program of several diagrams, by its
// lower-case name: the same in each diagram's part of the program.
using RoutineIds = std::unordered_map<std::string, std::string>;
RoutineIds routineIds(const ProgramSet& set);

class CodeWriter {
public:
    CodeWriter(const TypedProgram& program, const LanguageTable& language,
               const RoutineIds* routineIds = nullptr);
    virtual ~CodeWriter() = default;
    CodeWriter(const CodeWriter&) = delete;
    CodeWriter& operator=(const CodeWriter&) = delete;

    std::string write();
    // A program of several diagrams: the routine's writer gives its text and
    // what the program around it needs (helpers, stubs, imports) to the
    // main diagram's writer.
    void addRoutine(CodeWriter& routineWriter);

protected:
    virtual void writeProgram() = 0;
    // The diagram as a routine of the program, and what declares it ahead
    // of its definition where the language wants that (C, Pascal).
    virtual void routine() = 0;
    virtual std::string forwardDeclaration() { return {}; }
    // The routines of the other diagrams: declarations first (this
    // diagram's own too, when it is a function), then definitions.
    void linkedRoutines();

    // Statements.
    virtual void assign(const Stmt& s) = 0;
    virtual void input(const Stmt& s) = 0;
    virtual void output(const Stmt& s) = 0;
    virtual void call(const Stmt& s) = 0;
    // Where the language's words suffice (its table's `ifWords`).
    virtual void ifStatement(const Stmt& s);
    virtual void whileLoop(const Stmt& s) = 0;
    virtual void repeatLoop(const Stmt& s) = 0;
    virtual void forLoop(const Stmt& s) = 0;
    // Each value of a list in turn; kN_ counts where the language needs it,
    // N the depth of such loops.
    virtual void forEachLoop(const Stmt& s) = 0;
    std::string forEachCounter() const { return "k" + std::to_string(m_forEachDepth) + "_"; }
    int m_forEachDepth = 0;
    // A case is the language's own selection by labels where it can be,
    // else a chain of conditions.
    void caseStatement(const Stmt& s);
    virtual bool switchable(const Stmt&) const { return false; }
    virtual void switchStatement(const Stmt& s) { caseChain(s); }
    virtual void caseChain(const Stmt& s) = 0;
    void jump(const Stmt& s);
    // A return without a value from the diagram's function.
    virtual std::string functionReturn() const;
    // What goes before a jump that leaves a loop or returns.
    virtual std::string jumpPrefix() const { return {}; }

    // Comments.
    // What a comment's text must become to stay one comment line.
    virtual std::string commentText(std::string utf8) const { return utf8; }
    void comment(std::string_view windows1252);
    // A comment of the program's own (UTF-8) before a text of the diagram.
    void noteComment(std::string_view note, std::string_view windows1252);
    // The diagram's title and comment lines.
    void headerComment();
    void unreadComment(const std::vector<std::string_view>& source);

    // Stopping: what no rule could read, routines no diagram defines, an
    // index outside its array and input that is not there or is no number
    // stop the program with a message on stderr and status 3 when reached.
    static constexpr std::string_view StopHelper = "abbruch_";
    // Every index goes through this check, which stops the program at an
    // index outside the array and gives the element's position from 0:
    // "a[feld_(len(a), i, "a", 0)]". Setting an element below the array's
    // lowest index or beyond its largest size stops it too.
    static constexpr std::string_view IndexHelper = "feld_";
    static constexpr std::string_view SetHelper = "setze_";
    // "div" and "mod": towards zero, and a zero divisor stops the program.
    static constexpr std::string_view WholeDivision = "ganz_div_";
    static constexpr std::string_view Remainder = "rest_";
    // Which of the two the program uses.
    bool uses(Op wholeOp) const {
        return wholeOp == Op::IntDiv ? m_dividesWhole : m_takesRemainder;
    }
    bool stops() const { return m_stops; }
    // Real numbers are shown alike in every language: with the fewest
    // decimals that read back as the same number ("60", "3.75", "0.1").
    static constexpr std::string_view RealText = "zahl_text_";
    bool showsReal() const { return m_showsReal; }
    // Whether texts are joined with "+", and integers joined to them.
    bool joinsTexts() const { return m_joinsTexts; }
    bool joinsIntegers() const { return m_joinsIntegers; }
    bool indexes() const { return m_indexes; }
    // The element types of the program's arrays, and of those it sets
    // elements of.
    std::vector<ValueType> arrayTypes() const { return elementTypes(m_arrayTypes); }
    std::vector<ValueType> setArrayTypes() const { return elementTypes(m_setArrayTypes); }
    // Whether elements of arrays of values (not records) are set, and the
    // element types of the arrays of records whose elements are.
    bool setsValueElements() const;
    std::vector<ValueType> setRecordElements() const;
    // What an element type's array and its setter are named after: "ganz",
    // "text", a record type's name.
    std::string arrayTypeWord(const ValueType& element) const;
    // The type of the array's elements.
    ValueType elementOf(const Expr& array) const;
    // A message the program says, as the target's text literal.
    std::string messageLiteral(const std::string& utf8Message) const;
    // The message as a text expression of the target that joins its
    // pieces with "+", the places filled by the given text expressions.
    std::string joinedMessage(const messages::Said& message,
                              const std::vector<std::string>& places) const;
    // "abbruch_("Zeile nicht übersetzt: ...")" in the target.
    std::string stopCall(const std::string& utf8Message) const;
    std::string untranslatedCall(std::string_view line) const;
    void stopStatement(const std::string& utf8Message);
    // The stop of a routine's stub.
    void missingRoutine(const Symbol& routine);
    // A standard routine by the table's form of it.
    std::string builtinCall(const Expr& e);
    bool usesBuiltin(Builtin builtin) const;
    const std::set<Builtin>& usedBuiltins() const { return m_builtins; }
    void lines(const std::vector<std::string>& texts) {
        for (const std::string& text : texts)
            line(text);
    }
    bool usesMathematics() const;
    // A case branch whose label (or the case's selector) was not read.
    std::string unreadLabelCall(const Stmt& s, const CaseBranch& branch) const;
    // A compound statement's head that could not be read, as a comment.
    void head(const Stmt& s);

    // Expressions.
    int order(Op op) const { return m_language.form(op).order; }
    std::string spelling(Op op) const { return std::string(m_language.form(op).spelling); }
    std::string boolLiteral(bool value) const {
        return std::string(value ? m_language.truth.trueLiteral : m_language.truth.falseLiteral);
    }
    std::string textLiteral(std::string_view windows1252) const;
    // What a text literal holds (UTF-8), its exact characters where kept.
    static std::string charactersOf(const Expr& text);
    // A text literal of the target holding these characters.
    virtual std::string utf8Literal(std::string_view utf8) const = 0;
    // The target's form of what is not an operator between operands.
    virtual std::string special(const Expr& e);
    // A value of the type as a text, to be joined to another: "str(x)".
    virtual std::string asText(const std::string& value, Scalar type) const = 0;
    virtual std::string joinTexts(const std::string& left, const std::string& right) const {
        return left + " + " + right;
    }
    virtual std::string indexed(const Expr& e);
    std::string expr(const Expr& e);
    // The one place that puts an operand in parentheses.
    std::string operand(const Expr& child, const Expr& parent, bool right);
    std::string numberLiteral(const Expr& e) const;
    // UTF-8 text with a backslash before each of `escaped` and tabs as \t.
    static std::string backslashed(std::string_view utf8Text, std::string_view escaped);

    // Records: their types, fields, values and copies.
    const std::vector<RecordType>& records() const { return m_program.records; }
    const std::string& recordId(std::int32_t record) const {
        return m_recordIds.at(static_cast<std::size_t>(record));
    }
    const std::vector<std::string>& fieldIds(std::int32_t record) const {
        return m_fieldIds.at(static_cast<std::size_t>(record));
    }
    // A value of the type written in the target: "Punkt(3, 4)".
    virtual std::string recordLiteral(std::int32_t record,
                                      const std::vector<std::string>& values) const = 0;
    std::string recordZero(std::int32_t record) const;
    // Where a field stands among its record's fields.
    std::size_t fieldIndex(const Expr& field) const;
    virtual std::string fieldOf(const Expr& owner, const std::string& field) {
        return expr(owner) + "." + field;
    }
    // A record stored or given on is a copy where the language would share
    // it: a record is one value, as a number is.
    virtual std::string copied(const std::string& record) const { return record; }
    std::string valueOf(const Expr& e);
    // A variable's or parameter's type and zero, records included.
    std::string typeOf(const ValueType& type) const {
        return type.scalar == Scalar::Record ? recordId(type.record) : typeName(type.scalar);
    }
    std::string zeroOf(const ValueType& type) const {
        return type.scalar == Scalar::Record ? recordZero(type.record) : zero(type.scalar);
    }

    // Names.
    std::string id(std::string_view name) const;
    // A name of the program's text, by the symbol the check found for it.
    const std::string& id(const Expr& e) const;
    const std::string& calleeId(const Stmt& s) const;
    const Symbol& symbol(std::string_view name) const;
    const std::string& programName() const { return m_programName; }
    // Variables to declare, in order of first use (parameters left out).
    std::vector<const Symbol*> variables() const;
    std::vector<const Symbol*> subroutines() const;
    // A stub's parameters: p1, p2, ...
    static std::vector<std::string> stubParameters(const Symbol& routine);
    // The diagram's own parameters, when it is a function.
    std::vector<ValueType> parameterTypes() const;
    std::vector<std::string> parameterIds() const;
    // Writes, by `reads`, a line per parameter that reads it from the input
    // and gives back the arguments of the call: "a, b".
    std::string
    readParameters(const std::function<std::string(Scalar type, const std::string& name)>& reads);
    std::string argumentList(const std::vector<Expr>& args) { return joined(args, ", "); }
    std::string joined(const std::vector<Expr>& items, std::string_view separator);
    // The lowest index of an array whose lowest use is below zero, else 0.
    long long indexOffset(const Expr& array) const;
    // The array at an index written in the target, through the check.
    std::string indexedWith(const Expr& array, const std::string& index) const;
    virtual std::string arrayLength(const std::string& array) const = 0;
    // The element at a position (from 0) of the array.
    virtual std::string element(const std::string& array, const std::string& position,
                                Scalar type) const = 0;
    // The call that sets the element of the array at an index.
    virtual std::string elementSetting(const Expr& array, const std::string& index,
                                       const std::string& value) const = 0;
    // What every setter takes: "a, i, v, "a", 0".
    std::string settingArguments(const Expr& array, const std::string& index,
                                 const std::string& value) const;
    virtual std::string clearing(const std::string& array) const = 0;
    // The target, a variable or an element, set to the value.
    void assignment(const Expr& target, const std::string& value);
    virtual std::string assignmentSign() const { return " = "; }

    // Lines.
    void line(std::string text);
    void blank();
    void indent() { ++m_depth; }
    void dedent() { --m_depth; }
    virtual void block(const Block& statements);
    // The block one level deeper.
    virtual void nested(const Block& statements);
    void statement(const Stmt& s);

    // Words of the target.
    std::string typeName(Scalar type) const { return std::string(m_language.typeName(type)); }
    std::string zero(Scalar type) const { return std::string(m_language.zero(type)); }
    std::string reading(Scalar type) const { return std::string(m_language.reader(type)); }
    std::string emptyStatement() const { return std::string(m_language.emptyStatement); }
    std::string commentPrefix() const { return std::string(m_language.comments.prefix); }
    // What follows the declaration of a variable whose type was guessed.
    std::string typeNote(const Symbol& variable) const;

    // Questions about the program.
    bool readsInput(Scalar type) const;
    bool readsAnyInput() const;
    bool endsProgram() const { return m_endsProgram; }
    static bool hasCode(const Block& statements);
    // How deep loops over lists stand inside each other in the block.
    static int forEachDepth(const Block& statements);
    // A break in the block that leaves a loop around it.
    static bool breaksLoop(const Block& statements);
    // Labels that are distinct literals of the selector's type, none unread.
    bool plainLabels(const Stmt& s, bool textAllowed) const;
    static bool isConstant(const Expr& e);
    // "length(a)" of an array a.
    bool isArrayLength(const Expr& e) const;
    // A loop over each element of an array, not over a list of values.
    static bool overArray(const Stmt& s) { return s.items.empty(); }
    // "+" between texts, or a text and another value.
    static bool isTextJoin(const Expr& e);
    static bool assignsName(const Block& statements, std::string_view name);
    // Whether the block, or any block inside it, holds a statement that is one.
    static bool anyStatement(const Block& statements, const std::function<bool(const Stmt&)>& is);
    static Expr negated(const Expr& condition);
    // "nicht (x > 5)" as "x <= 5".
    static Expr plain(const Expr& condition);
    static Expr equality(const Expr& selector, const Expr& label);

    const TypedProgram& m_typed;
    const Program& m_program;

private:
    bool needsParentheses(const Expr& child, const Expr& parent, bool right) const;
    void assignIdentifiers();
    void surveyProgram();

    const LanguageTable& m_language;
    std::vector<std::string> m_lines;
    int m_depth = 0;
    std::string m_programName;
    std::unordered_map<std::string, std::string> m_ids;
    std::vector<std::string> m_idsBySymbol;
    std::vector<std::string> m_recordIds;
    std::vector<std::vector<std::string>> m_fieldIds;
    std::set<Scalar> m_inputTypes;
    bool m_endsProgram = false;
    bool m_stops = false;
    bool m_indexes = false;
    bool m_dividesWhole = false;
    bool m_takesRemainder = false;
    // Element types: a scalar, and the record type of records.
    using ElementKey = std::pair<Scalar, std::int32_t>;
    static std::vector<ValueType> elementTypes(const std::set<ElementKey>& keys);
    void noteArray(std::set<ElementKey>& types, const ValueType& type);
    std::set<ElementKey> m_arrayTypes;
    std::set<ElementKey> m_setArrayTypes;
    bool m_showsReal = false;
    bool m_joinsTexts = false;
    bool m_joinsIntegers = false;
    std::set<Builtin> m_builtins;
    const RoutineIds* m_routineIds;
    std::vector<std::string> m_forwards;
    std::vector<std::string> m_routineLines;
    std::vector<const Symbol*> m_routineStubs;
};

std::string utf8(std::string_view windows1252);

} // namespace velbrant::code
