#include "model/code/language_table.h"
#include "model/code/text_helpers.h"

namespace velbrant::code {

namespace {

// How tightly C and Java bind their operators, loosest first; they spell
// them alike too.
enum class CFamilyOrder { Or = 1, And, Comparison, Sum, Product, Unary };

constexpr OperatorTable CFamilyOperators = operatorTable<OpCount>({{
    {Op::Add, {"+", CFamilyOrder::Sum}},
    {Op::Sub, {"-", CFamilyOrder::Sum}},
    {Op::Mul, {"*", CFamilyOrder::Product}},
    {Op::Div, {"/", CFamilyOrder::Product}},
    {Op::IntDiv, {"/", CFamilyOrder::Product}},
    {Op::Mod, {"%", CFamilyOrder::Product}},
    {Op::Eq, {"==", CFamilyOrder::Comparison}},
    {Op::Ne, {"!=", CFamilyOrder::Comparison}},
    {Op::Lt, {"<", CFamilyOrder::Comparison}},
    {Op::Le, {"<=", CFamilyOrder::Comparison}},
    {Op::Gt, {">", CFamilyOrder::Comparison}},
    {Op::Ge, {">=", CFamilyOrder::Comparison}},
    {Op::And, {"&&", CFamilyOrder::And}},
    {Op::Or, {"||", CFamilyOrder::Or}},
    {Op::Not, {"!", CFamilyOrder::Unary}},
    {Op::Neg, {"-", CFamilyOrder::Unary}},
}});

// C warns about "a && b || c" and "!a == b"; both get parentheses.
constexpr std::array<ParenthesizedPair, 7> CParenthesized = {{
    {Op::Or, Op::And},
    {Op::Eq, Op::Not},
    {Op::Ne, Op::Not},
    {Op::Lt, Op::Not},
    {Op::Le, Op::Not},
    {Op::Gt, Op::Not},
    {Op::Ge, Op::Not},
}};

using BuiltinTable = std::array<std::string_view, BuiltinCount>;

// A language's own spellings of the routines before the text routines, whose
// helpers are called alike everywhere (text_helpers): every routine spelt,
// or the table does not compile.
consteval BuiltinTable complete(std::array<std::string_view, FirstTextRoutine> own) {
    BuiltinTable table{};
    for (std::size_t i = 0; i < FirstTextRoutine; ++i) {
        if (own[i].empty())
            throw "a standard routine without its spelling";
        table[i] = own[i];
    }
    for (std::size_t i = 0; i < TextRoutineCount; ++i)
        table[FirstTextRoutine + i] = TextRoutineCalls[i];
    return table;
}

// Abs, Min, Max, Round, Floor, Ceil, Sqr, Sqrt, Exp, Log, Pow, Sin, Cos, Tan,
// Random, Length.
constexpr BuiltinTable CBuiltins =
    complete({"(({0}) < 0 ? -({0}) : ({0}))", "(({0}) < ({1}) ? ({0}) : ({1}))",
              "(({0}) > ({1}) ? ({0}) : ({1}))", "((int) floor(({0}) + 0.5))", "((int) floor({0}))",
              "((int) ceil({0}))", "(({0}) * ({0}))", "sqrt({0})", "exp({0})", "log({0})",
              "pow({0}, {1})", "sin({0})", "cos({0})", "tan({0})", "zufall_({0})", "laenge_({0})"});

constexpr BuiltinTable JavaBuiltins = complete(
    {"Math.abs({0})", "Math.min({0}, {1})", "Math.max({0}, {1})", "((int) Math.floor(({0}) + 0.5))",
     "((int) Math.floor({0}))", "((int) Math.ceil({0}))", "(({0}) * ({0}))", "Math.sqrt({0})",
     "Math.exp({0})", "Math.log({0})", "Math.pow({0}, {1})", "Math.sin({0})", "Math.cos({0})",
     "Math.tan({0})", "((int) (Math.random() * Math.max(0, {0})))",
     "({0}).codePointCount(0, ({0}).length())"});

consteval LanguageTable cFamily(ScalarTable typeNames, ScalarTable readers, JumpWords jumps,
                                std::span<const ParenthesizedPair> parenthesized,
                                BuiltinTable builtins) {
    return {
        .operators = CFamilyOperators,
        .typeNames = typeNames,
        .zeros = scalarTable("0", "0.0", "false", "\"\""),
        .readers = readers,
        .truth = {"true", "false"},
        .comments = {"// ", " // "},
        .emptyStatement = ";",
        .ifWords = {"if (", ") {", "} else {", "}"},
        .jumps = jumps,
        .parenthesized = parenthesized,
        .builtins = builtins,
    };
}

// Python's "not" binds looser than a comparison, its sign tighter than "*".
enum class PythonOrder { Or = 1, And, Not, Comparison, Sum, Product, Sign };

// Pascal binds "and" like "*" and "or" like "+", both tighter than a
// comparison.
enum class PascalOrder { Comparison = 1, Sum, Product, Not };

} // namespace

constinit const LanguageTable CLanguage =
    cFamily(scalarTable("int", "double", "bool", "const char*"),
            scalarTable("lies_ganzzahl_()", "lies_zahl_()", "false", "lies_text_()"),
            {"break;", "exit(0);", "return ", ";", "return 0;"}, CParenthesized, CBuiltins);

constinit const LanguageTable JavaLanguage =
    cFamily(scalarTable("int", "double", "boolean", "String"),
            scalarTable("liesGanzzahl_()", "liesZahl_()", "false", "liesText_()"),
            {"break;", "System.exit(0);", "return ", ";", "return;"}, {}, JavaBuiltins);

constinit const LanguageTable PythonLanguage = {
    .operators = operatorTable<OpCount>({{
        {Op::Add, {"+", PythonOrder::Sum}},
        {Op::Sub, {"-", PythonOrder::Sum}},
        {Op::Mul, {"*", PythonOrder::Product}},
        {Op::Div, {"/", PythonOrder::Product}},
        {Op::IntDiv, {"//", PythonOrder::Product}},
        {Op::Mod, {"%", PythonOrder::Product}},
        {Op::Eq, {"==", PythonOrder::Comparison}},
        {Op::Ne, {"!=", PythonOrder::Comparison}},
        {Op::Lt, {"<", PythonOrder::Comparison}},
        {Op::Le, {"<=", PythonOrder::Comparison}},
        {Op::Gt, {">", PythonOrder::Comparison}},
        {Op::Ge, {">=", PythonOrder::Comparison}},
        {Op::And, {"and", PythonOrder::And}},
        {Op::Or, {"or", PythonOrder::Or}},
        {Op::Not, {"not", PythonOrder::Not}},
        {Op::Neg, {"-", PythonOrder::Sign}},
    }}),
    .typeNames = {},
    .zeros = scalarTable("0", "0.0", "False", "\"\""),
    .readers = scalarTable("lies_ganzzahl_()", "lies_zahl_()", "False", "lies_text_()"),
    .truth = {"True", "False"},
    .comments = {"# ", "  # "},
    .emptyStatement = "pass",
    .statementEnd = "",
    .ifWords = {"if ", ":", "else:", ""},
    .jumps = {"break", "sys.exit(0)", "return ", "", "return"},
    .builtins =
        complete({"abs({0})", "min({0}, {1})", "max({0}, {1})", "math.floor(({0}) + 0.5)",
                  "math.floor({0})", "math.ceil({0})", "(({0}) * ({0}))", "math.sqrt({0})",
                  "math.exp({0})", "math.log({0})", "math.pow({0}, {1})", "math.sin({0})",
                  "math.cos({0})", "math.tan({0})", "random.randrange(max(1, {0}))", "len({0})"}),
};

// Pascal's conditional needs begin and end around its branches: its back
// end writes it.
constinit const LanguageTable PascalLanguage = {
    .operators = operatorTable<OpCount>({{
        {Op::Add, {"+", PascalOrder::Sum}},
        {Op::Sub, {"-", PascalOrder::Sum}},
        {Op::Mul, {"*", PascalOrder::Product}},
        {Op::Div, {"/", PascalOrder::Product}},
        {Op::IntDiv, {"div", PascalOrder::Product}},
        {Op::Mod, {"mod", PascalOrder::Product}},
        {Op::Eq, {"=", PascalOrder::Comparison}},
        {Op::Ne, {"<>", PascalOrder::Comparison}},
        {Op::Lt, {"<", PascalOrder::Comparison}},
        {Op::Le, {"<=", PascalOrder::Comparison}},
        {Op::Gt, {">", PascalOrder::Comparison}},
        {Op::Ge, {">=", PascalOrder::Comparison}},
        {Op::And, {"and", PascalOrder::Product}},
        {Op::Or, {"or", PascalOrder::Sum}},
        {Op::Not, {"not", PascalOrder::Not}},
        {Op::Neg, {"-", PascalOrder::Sum}},
    }}),
    .typeNames = scalarTable("integer", "double", "boolean", "string"),
    .zeros = scalarTable("0", "0.0", "False", "''"),
    .readers = scalarTable("LiesGanzzahl_()", "LiesZahl_()", "False", "LiesText_()"),
    .truth = {"True", "False"},
    .comments = {"// ", " // "},
    .emptyStatement = "",
    .indentUnit = "  ",
    .jumps = {"break;", "halt;", "exit(", ");", "exit;"},
    .builtins =
        complete({"Abs({0})", "Min({0}, {1})", "Max({0}, {1})", "Floor(({0}) + 0.5)", "Floor({0})",
                  "Ceil({0})", "Sqr({0})", "Sqrt({0})", "Exp({0})", "Ln({0})", "Power({0}, {1})",
                  "Sin({0})", "Cos({0})", "Tan({0})", "Random(Max(1, {0}))", "laenge_({0})"}),
};

} // namespace velbrant::code
