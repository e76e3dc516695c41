#include "model/import/python_translator.h"

#include "model/messages/said.h"

namespace velbrant::import {

namespace {

bool isLiteralText(const std::string& item) {
    return item.size() >= 2 && (item.front() == '"' || item.front() == '\'') &&
           item.back() == item.front();
}

// Python's print puts a blank between any two items; the pseudocode puts
// none beside a text, so the blank goes into the text.
void spaceLikePrint(std::vector<std::string>& items) {
    for (std::size_t i = 1; i < items.size(); ++i) {
        if (isLiteralText(items[i - 1]))
            items[i - 1].insert(items[i - 1].size() - 1, " ");
        else if (isLiteralText(items[i]))
            items[i].insert(1, " ");
    }
}

// A whole number, also one negated ("-2", which Python reads as a minus
// before 2).
std::optional<long long> integerOf(const SyntaxNode& node) {
    if (node.is("unary_operator") && node.text().starts_with('-')) {
        const auto value = integerValue(node.namedChild(0).text());
        return value ? std::optional(-*value) : std::nullopt;
    }
    return integerValue(node.text());
}

} // namespace

void PythonTranslator::translate(const SyntaxNode& module, std::string_view mainTitle) {
    NotationBuilder main;
    main.title(mainTitle);
    for (const SyntaxNode& node : module.namedChildren()) {
        if (node.is("function_definition") && !node.hasError())
            function(node);
        else if (node.is("import_statement") || node.is("import_from_statement") ||
                 node.is("future_import_statement"))
            keepAsComment(node, "#", main);
        else if (isMainGuard(node))
            block(node.field("consequence"), main);
        else
            statement(node, main);
    }
    m_result.diagrams.insert(m_result.diagrams.begin(), {std::string(mainTitle), main.text()});
}

bool PythonTranslator::isMainGuard(const SyntaxNode& node) {
    if (!node.is("if_statement") || !node.field("alternative").isNull())
        return false;
    const std::string_view condition = node.field("condition").text();
    return condition.find("__name__") != std::string_view::npos &&
           condition.find("__main__") != std::string_view::npos;
}

// def ggT(a, b): a diagram titled "ggT(a, b)"; a docstring is its comment.
void PythonTranslator::function(const SyntaxNode& node) {
    std::vector<std::string> parameters;
    // Defaults, types and the star forms have no place in the title: the
    // comment keeps them.
    std::vector<std::string> written;
    for (const SyntaxNode& parameter : node.field("parameters").namedChildren()) {
        if (parameter.is("identifier")) {
            parameters.emplace_back(parameter.text());
            continue;
        }
        written.emplace_back(parameter.text());
        const SyntaxNode name =
            parameter.is("default_parameter") ? parameter.field("name") : parameter.namedChild(0);
        if (name.is("identifier") && !parameter.is("list_splat_pattern") &&
            !parameter.is("dictionary_splat_pattern"))
            parameters.emplace_back(name.text());
    }
    const std::string name(node.field("name").text());
    NotationBuilder routine;
    routine.title(name + "(" + joined(parameters) + ")");
    if (!written.empty())
        routine.comment(
            messages::said("import", "Parameter in Python: %1").arg(joined(written)).str());
    std::vector<SyntaxNode> body = node.field("body").namedChildren();
    if (!body.empty() && body.front().is("expression_statement") &&
        body.front().namedChild(0).is("string")) {
        for (const std::string& line : sourceLines(body.front()))
            routine.comment(stripQuotes(line));
        body.erase(body.begin());
    }
    for (const SyntaxNode& statement : body)
        this->statement(statement, routine);
    addDiagram(name, routine);
}

std::string PythonTranslator::stripQuotes(std::string line) {
    for (const char* quotes : {"\"\"\"", "'''"}) {
        std::size_t at = 0;
        while ((at = line.find(quotes, at)) != std::string::npos)
            line.erase(at, 3);
    }
    return line;
}

void PythonTranslator::block(const SyntaxNode& node, NotationBuilder& out) {
    for (const SyntaxNode& statement : node.namedChildren())
        this->statement(statement, out);
}

void PythonTranslator::statement(const SyntaxNode& node, NotationBuilder& out) {
    const std::string_view type = node.type();
    if (type == "comment") {
        out.statement({std::string(node.text())});
        return;
    }
    if (type == "pass_statement") {
        out.keywordElement("leer");
        return;
    }
    if (type == "global_statement" || type == "nonlocal_statement") {
        keepAsComment(node, "#", out);
        return;
    }
    orKeep(node, out, [&](NotationBuilder& into) {
        if (type == "expression_statement")
            expressionStatement(node, into);
        else if (type == "if_statement")
            ifStatement(node, into);
        else if (type == "while_statement")
            whileStatement(node, into);
        else if (type == "for_statement")
            forStatement(node, into);
        else if (type == "match_statement")
            matchStatement(node, into);
        else if (type == "return_statement")
            into.keywordElement(node.namedChildren().empty()
                                    ? std::string("zurück")
                                    : "zurück " + expression(node.namedChild(0)));
        else if (type == "break_statement")
            into.keywordElement("verlasse");
        else if (type == "continue_statement")
            continueExit(node, into);
        else
            throw NoForm();
    });
}

void PythonTranslator::expressionStatement(const SyntaxNode& node, NotationBuilder& out) {
    const std::vector<SyntaxNode> parts = node.namedChildren();
    if (parts.size() != 1)
        throw NoForm();
    const SyntaxNode& part = parts.front();
    if (part.is("assignment"))
        assignment(part, out);
    else if (part.is("augmented_assignment"))
        out.statement({augmented(part)});
    else if (part.is("call"))
        callStatement(part, out);
    else if (part.is("string"))
        for (const std::string& line : sourceLines(part))
            out.statement({"# " + stripQuotes(line)});
    else
        throw NoForm();
}

void PythonTranslator::assignment(const SyntaxNode& node, NotationBuilder& out) {
    const SyntaxNode left = node.field("left");
    const SyntaxNode right = node.field("right");
    if (right.isNull() || !node.field("type").isNull())
        throw NoForm();
    if (left.is("pattern_list") && right.is("call"))
        out.statement({"Eingabe: " + splitInput(left, right)});
    else if (left.is("pattern_list") || left.is("tuple_pattern"))
        out.statement(tupleAssignment(left, right));
    else if (auto input = inputOf(right))
        out.statement({"Eingabe: " + (input->empty() ? "" : *input + ", ") + target(left)});
    else if (right.is("list"))
        out.statement({target(left) + " <- {" + joined(expressions(right.namedChildren())) + "}"});
    else if (right.is("binary_operator") && right.field("left").is("list") &&
             right.field("left").namedChildren().size() == 1 && right.child(1).text() == "*")
        filledList(target(left), right, out);
    else
        out.statement({target(left) + " := " + expression(right)});
}

// [v] * n: the array empty, then n elements set to v.
void PythonTranslator::filledList(const std::string& name, const SyntaxNode& product,
                                  NotationBuilder& out) {
    const std::string value = expression(product.field("left").namedChild(0));
    out.statement({name + " <- {}"});
    out.open("für fuellindex := 0 bis " + shifted(product.field("right"), -1));
    out.statement({name + "[fuellindex] := " + value});
    out.close();
}

// a, b = b, a % b: the new values first, then set, as Python does.
std::vector<std::string> PythonTranslator::tupleAssignment(const SyntaxNode& left,
                                                           const SyntaxNode& right) {
    const std::vector<SyntaxNode> targets = left.namedChildren();
    const std::vector<SyntaxNode> values = right.namedChildren();
    if (!right.is("expression_list") || targets.size() != values.size())
        throw NoForm();
    std::vector<std::string> lines;
    for (std::size_t i = 0; i < targets.size(); ++i)
        lines.push_back("neu_" + target(targets[i]) + " := " + expression(values[i]));
    for (const SyntaxNode& name : targets)
        lines.push_back(target(name) + " := neu_" + target(name));
    return lines;
}

// a, b = map(int, input().split())
std::string PythonTranslator::splitInput(const SyntaxNode& left, const SyntaxNode& call) {
    const std::string_view text = call.text();
    if (!text.starts_with("map(") || text.find("input()") == std::string_view::npos)
        throw NoForm();
    std::vector<std::string> targets;
    for (const SyntaxNode& name : left.namedChildren())
        targets.push_back(target(name));
    return joined(targets);
}

// input(), int(input()), float(input("Zahl? ")): the prompt, or "" for
// none; nothing when the value is not read.
std::optional<std::string> PythonTranslator::inputOf(const SyntaxNode& value) {
    if (!value.is("call"))
        return std::nullopt;
    const std::string_view function = value.field("function").text();
    const std::vector<SyntaxNode> arguments = value.field("arguments").namedChildren();
    if ((function == "int" || function == "float") && arguments.size() == 1)
        return inputOf(arguments.front());
    if (function != "input" || arguments.size() > 1)
        return std::nullopt;
    return arguments.empty() ? std::string() : expression(arguments.front());
}

std::string PythonTranslator::target(const SyntaxNode& node) {
    if (node.is("identifier") || node.is("subscript"))
        return expression(node);
    throw NoForm();
}

std::string PythonTranslator::augmented(const SyntaxNode& node) {
    static const std::vector<std::pair<std::string_view, std::string_view>> operators = {
        {"+=", "+"}, {"-=", "-"}, {"*=", "*"}, {"/=", "/"}, {"//=", "div"}, {"%=", "mod"}};
    const std::string_view written = node.child(1).text();
    for (const auto& [assign, op] : operators) {
        if (written == assign) {
            const std::string name = target(node.field("left"));
            return name + " := " + name + " " + std::string(op) + " " +
                   grouped(node.field("right"));
        }
    }
    throw NoForm();
}

// print(...), liste.append(x), and calls of the file's own functions.
void PythonTranslator::callStatement(const SyntaxNode& call, NotationBuilder& out) {
    const SyntaxNode function = call.field("function");
    const SyntaxNode arguments = call.field("arguments");
    if (function.text() == "print") {
        std::vector<SyntaxNode> values;
        for (const SyntaxNode& argument : arguments.namedChildren()) {
            if (argument.is("keyword_argument") || argument.is("list_splat"))
                throw NoForm();
            values.push_back(argument);
        }
        std::vector<std::string> items = expressions(values);
        spaceLikePrint(items);
        out.statement({"Ausgabe: " + (items.empty() ? std::string("\"\"") : joined(items))});
        return;
    }
    if (function.is("attribute") && function.field("attribute").text() == "append" &&
        arguments.namedChildren().size() == 1) {
        const std::string list = expression(function.field("object"));
        out.statement({list + "[length(" + list + ")] := " + expression(arguments.namedChild(0))});
        return;
    }
    if (!function.is("identifier"))
        throw NoForm();
    out.keywordElement("aufruf " + expression(call));
}

// f"Summe {s}!" as "Summe " + s + "!": "+" beside a text joins.
std::string PythonTranslator::fString(const SyntaxNode& node) {
    std::vector<std::string> parts;
    std::string pending;
    for (const SyntaxNode& part : node.namedChildren()) {
        if (part.is("string_content") || part.is("escape_sequence")) {
            pending += literalContent(part);
        } else if (part.is("interpolation")) {
            if (!part.field("format_specifier").isNull() || part.namedChildren().size() != 1)
                throw NoForm();
            parts.push_back(textLiteral(pending));
            pending.clear();
            parts.push_back(grouped(part.namedChild(0)));
        }
    }
    if (!pending.empty() || parts.empty())
        parts.push_back(textLiteral(pending));
    return joined(parts, " + ");
}

// A text's characters: \\, \" and \' stand for themselves; another escape
// (a line break, a tab) has no form in the pseudocode's texts.
std::string PythonTranslator::literalContent(const SyntaxNode& part) {
    const std::string_view text = part.text();
    std::string content;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '\\') {
            content += text[i];
            continue;
        }
        if (i + 1 == text.size() ||
            std::string_view("\\\"'").find(text[i + 1]) == std::string_view::npos)
            throw NoForm();
        content += text[++i];
    }
    return content;
}

void PythonTranslator::ifStatement(const SyntaxNode& node, NotationBuilder& out) {
    out.open("wenn " + head(node.field("condition")));
    block(node.field("consequence"), out);
    std::vector<SyntaxNode> alternatives;
    for (const SyntaxNode& child : node.namedChildren()) {
        if (child.is("elif_clause") || child.is("else_clause"))
            alternatives.push_back(child);
    }
    elseChain(alternatives, 0, out);
    out.close();
}

// elif as a conditional in the else branch, as often as it comes.
void PythonTranslator::elseChain(const std::vector<SyntaxNode>& alternatives, std::size_t at,
                                 NotationBuilder& out) {
    if (at == alternatives.size())
        return;
    out.otherwise();
    const SyntaxNode& clause = alternatives[at];
    if (clause.is("else_clause")) {
        block(clause.field("body"), out);
        return;
    }
    out.open("wenn " + head(clause.field("condition")));
    block(clause.field("consequence"), out);
    elseChain(alternatives, at + 1, out);
    out.close();
}

void PythonTranslator::whileStatement(const SyntaxNode& node, NotationBuilder& out) {
    if (!node.field("alternative").isNull())
        throw NoForm();
    out.open("solange " + head(node.field("condition")));
    block(node.field("body"), out);
    out.close();
}

void PythonTranslator::forStatement(const SyntaxNode& node, NotationBuilder& out) {
    if (!node.field("alternative").isNull() || !node.field("left").is("identifier"))
        throw NoForm();
    const std::string name(node.field("left").text());
    const SyntaxNode over = node.field("right");
    if (over.is("call") && over.field("function").text() == "range")
        out.open(countingHead(name, over.field("arguments").namedChildren()));
    else if (over.is("identifier") || over.is("list"))
        out.open("zählschleife foreach " + name + " in " +
                 (over.is("list") ? "{" + joined(expressions(over.namedChildren())) + "}"
                                  : expression(over)));
    else
        throw NoForm();
    block(node.field("body"), out);
    out.close();
}

// range(b), range(a, b), range(a, b, k) with a whole number k.
std::string PythonTranslator::countingHead(const std::string& name,
                                           const std::vector<SyntaxNode>& arguments) {
    if (arguments.empty() || arguments.size() > 3)
        throw NoForm();
    const std::string from = arguments.size() == 1 ? "0" : expression(arguments[0]);
    const SyntaxNode& end = arguments.size() == 1 ? arguments[0] : arguments[1];
    long long step = 1;
    if (arguments.size() == 3) {
        const auto written = integerOf(arguments[2]);
        if (!written || *written == 0)
            throw NoForm();
        step = *written;
    }
    const std::string last = shifted(end, step > 0 ? -1 : 1);
    std::string head = "für " + name + " := " + from + " bis " + last;
    if (step == -1)
        head += " abwärts";
    else if (step != 1)
        head += " Schrittweite " + std::to_string(step);
    return head;
}

// The bound one further: 10 - 1 as 9, n + 1 - 1 as n.
std::string PythonTranslator::shifted(const SyntaxNode& written, int by) {
    const SyntaxNode bound =
        written.is("parenthesized_expression") ? written.namedChild(0) : written;
    if (const auto value = integerOf(bound))
        return std::to_string(*value + by);
    if (bound.is("binary_operator")) {
        const auto offset = integerOf(bound.field("right"));
        const std::string_view op = bound.child(1).text();
        if (offset && ((op == "+" && *offset == -by) || (op == "-" && *offset == by)))
            return expression(bound.field("left"));
    }
    return grouped(bound) + (by < 0 ? " - " : " + ") + std::to_string(by < 0 ? -by : by);
}

void PythonTranslator::matchStatement(const SyntaxNode& node, NotationBuilder& out) {
    out.open("fallunterscheidung " + head(node.field("subject")));
    for (const SyntaxNode& clause : node.field("body").namedChildren()) {
        if (!clause.is("case_clause"))
            throw NoForm();
        std::vector<std::string> labels;
        bool otherwise = false;
        for (const SyntaxNode& pattern : clause.namedChildren()) {
            if (pattern.is("block"))
                continue;
            if (!pattern.is("case_pattern"))
                throw NoForm();
            caseLabels(pattern, labels, otherwise);
        }
        out.branch(otherwise ? std::string("sonst") : "fall " + joined(labels));
        block(clause.field("consequence"), out);
    }
    out.close();
}

void PythonTranslator::caseLabels(const SyntaxNode& pattern, std::vector<std::string>& labels,
                                  bool& otherwise) {
    const std::string_view text = pattern.text();
    if (text == "_") {
        otherwise = true;
        return;
    }
    for (const SyntaxNode& part : pattern.namedChildren()) {
        if (part.is("integer") || part.is("string") || part.is("float"))
            labels.push_back(expression(part));
        else if (part.is("union_pattern"))
            caseLabels(part, labels, otherwise);
        else
            throw NoForm();
    }
    if (pattern.namedChildren().empty())
        throw NoForm();
}

std::string PythonTranslator::head(const SyntaxNode& node) {
    return orSource(node, [this](const SyntaxNode& inner) { return expression(inner); });
}

std::vector<std::string> PythonTranslator::expressions(const std::vector<SyntaxNode>& nodes) {
    return eachWritten(nodes, [this](const SyntaxNode& node) { return expression(node); });
}

// An operand in parentheses where the operator around it binds harder.
std::string PythonTranslator::grouped(const SyntaxNode& node) {
    const std::string written = expression(node);
    // a ** b is written as a call.
    const bool compound = (node.is("binary_operator") && node.child(1).text() != "**") ||
                          node.is("boolean_operator") || node.is("comparison_operator") ||
                          node.is("not_operator");
    return compound ? "(" + written + ")" : written;
}

std::string PythonTranslator::expression(const SyntaxNode& node) {
    const std::string_view type = node.type();
    if (type == "identifier" || type == "integer" || type == "float")
        return std::string(node.text());
    if (type == "true")
        return "wahr";
    if (type == "false")
        return "falsch";
    if (type == "string")
        return stringLiteral(node);
    if (type == "parenthesized_expression")
        return "(" + expression(node.namedChild(0)) + ")";
    if (type == "binary_operator")
        return binary(node);
    if (type == "boolean_operator")
        return expression(node.field("left")) +
               (node.child(1).text() == "and" ? " und " : " oder ") +
               expression(node.field("right"));
    if (type == "not_operator")
        return "nicht " + grouped(node.field("argument"));
    if (type == "unary_operator")
        return std::string(node.child(0).text()) + grouped(node.field("argument"));
    if (type == "comparison_operator")
        return comparison(node);
    if (type == "call")
        return call(node);
    if (type == "subscript")
        return expression(node.field("value")) + "[" + expression(node.field("subscript")) + "]";
    throw NoForm();
}

std::string PythonTranslator::stringLiteral(const SyntaxNode& node) {
    const std::string_view text = node.text();
    if (text.find_first_of("fF") < text.find_first_of("\"'"))
        return fString(node);
    if (text.find_first_of("rRbBuU") < text.find_first_of("\"'") || text.find("\"\"\"") == 0 ||
        text.find("'''") == 0)
        throw NoForm();
    std::string content;
    for (const SyntaxNode& part : node.namedChildren()) {
        if (part.is("interpolation"))
            throw NoForm();
        if (!part.is("string_start") && !part.is("string_end"))
            content += literalContent(part);
    }
    return textLiteral(content);
}

std::string PythonTranslator::binary(const SyntaxNode& node) {
    const std::string_view op = node.child(1).text();
    const SyntaxNode leftNode = node.field("left");
    const std::string left =
        leftNode.is("binary_operator") && level(leftNode.child(1).text()) == level(op)
            ? expression(leftNode)
            : grouped(leftNode);
    const std::string right = grouped(node.field("right"));
    if (op == "**")
        return "pow(" + expression(node.field("left")) + ", " + expression(node.field("right")) +
               ")";
    if (op == "//")
        return left + " div " + right;
    if (op == "%")
        return left + " mod " + right;
    if (op == "+" || op == "-" || op == "*" || op == "/")
        return left + " " + std::string(op) + " " + right;
    throw NoForm();
}

// Operators of one level bind from the left: a - b + c needs no parentheses.
int PythonTranslator::level(std::string_view op) {
    if (op == "+" || op == "-")
        return 1;
    if (op == "*" || op == "/" || op == "//" || op == "%")
        return 2;
    return 3;
}

// a < b < c as a < b und b < c.
std::string PythonTranslator::comparison(const SyntaxNode& node) {
    const std::vector<SyntaxNode> parts = node.children();
    std::string written;
    for (std::size_t i = 1; i + 1 < parts.size(); i += 2) {
        const std::string_view op = parts[i].text();
        std::string mapped = op == "==" ? "=" : op == "!=" ? "<>" : std::string(op);
        if (mapped != "=" && mapped != "<>" && mapped != "<" && mapped != "<=" && mapped != ">" &&
            mapped != ">=")
            throw NoForm();
        if (!written.empty())
            written += " und ";
        written += grouped(parts[i - 1]) + " " + mapped + " " + grouped(parts[i + 1]);
    }
    return written;
}

std::string PythonTranslator::call(const SyntaxNode& node) {
    const SyntaxNode function = node.field("function");
    std::vector<SyntaxNode> arguments = node.field("arguments").namedChildren();
    for (const SyntaxNode& argument : arguments) {
        if (argument.is("keyword_argument") || argument.is("list_splat") ||
            argument.is("dictionary_splat"))
            throw NoForm();
    }
    std::string name(function.text());
    static const std::vector<std::pair<std::string_view, std::string_view>> renamed = {
        {"len", "length"},   {"math.sqrt", "sqrt"}, {"math.floor", "floor"}, {"math.ceil", "ceil"},
        {"math.exp", "exp"}, {"math.log", "log"},   {"math.sin", "sin"},     {"math.cos", "cos"},
        {"math.tan", "tan"}, {"math.pow", "pow"},   {"abs", "abs"},          {"min", "min"},
        {"max", "max"},      {"ord", "ord"},        {"chr", "chr"}};
    for (const auto& [python, pseudocode] : renamed) {
        if (name == python)
            return std::string(pseudocode) + "(" + joined(expressions(arguments)) + ")";
    }
    // str(x) beside a text: "+" joins the number as it is.
    if (name == "str" && arguments.size() == 1)
        return grouped(arguments.front());
    if (!function.is("identifier") || name == "int" || name == "float" || name == "round" ||
        name == "input" || name == "print")
        throw NoForm();
    return name + "(" + joined(expressions(arguments)) + ")";
}

} // namespace velbrant::import
