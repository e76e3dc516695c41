#include "model/import/c_family_translator.h"

#include <algorithm>
#include <cctype>
#include <cstring>

namespace velbrant::import {

namespace {

bool isComment(const SyntaxNode& node) {
    return node.is("comment") || node.is("line_comment") || node.is("block_comment");
}

// A comment as statement lines that begin with "//".
std::vector<std::string> commentLines(const SyntaxNode& node) {
    std::vector<std::string> lines;
    for (std::string line : sourceLines(node)) {
        if (line.starts_with("/*"))
            line.erase(0, 2);
        if (line.ends_with("*/"))
            line.erase(line.size() - 2);
        while (line.starts_with('*') || line.starts_with('/') || line.starts_with(' '))
            line.erase(0, 1);
        while (line.ends_with(' '))
            line.pop_back();
        if (!line.empty())
            lines.push_back("// " + line);
    }
    return lines;
}

bool containsWord(std::string_view text, std::string_view word) {
    for (std::size_t at = text.find(word); at != std::string_view::npos;
         at = text.find(word, at + 1)) {
        const auto isNamePart = [](char c) {
            return std::isalnum(static_cast<unsigned char>(c)) != 0 || c == '_';
        };
        const bool before = at > 0 && isNamePart(text[at - 1]);
        const bool after = at + word.size() < text.size() && isNamePart(text[at + word.size()]);
        if (!before && !after)
            return true;
    }
    return false;
}

} // namespace

void CFamilyTranslator::translate(const SyntaxNode& root, std::string_view mainTitle) {
    // Java's main program is named by its class.
    std::string title(mainTitle);
    for (const SyntaxNode& node : root.namedChildren()) {
        if (m_java && holdsMain(node))
            title = std::string(node.field("name").text());
    }
    NotationBuilder main;
    main.title(title);
    std::vector<Function> functions;
    // What has no form outside the functions comes first in the main
    // diagram, as the source has it first.
    if (m_java)
        topLevelJava(root, main, functions);
    else
        topLevelC(root, main, functions);
    for (const Function& function : functions)
        noteReturnKind(function.node, function.name);
    for (const Function& function : functions) {
        if (function.name == "main") {
            constants(function.node, main);
            body(function.node, main, true);
        }
    }
    m_result.diagrams.insert(m_result.diagrams.begin(), {title, main.text()});
    for (const Function& function : functions) {
        if (function.name != "main")
            routine(function);
    }
}

void CFamilyTranslator::topLevelC(const SyntaxNode& root, NotationBuilder& main,
                                  std::vector<Function>& functions) {
    for (const SyntaxNode& node : root.namedChildren()) {
        if (node.is("function_definition") && !node.hasError()) {
            SyntaxNode declarator = node.field("declarator");
            if (declarator.is("function_declarator"))
                functions.push_back({node, std::string(declarator.field("declarator").text())});
            else
                keep(node, main);
        } else if (node.is("preproc_def") && !node.field("value").isNull() &&
                   integerValue(node.field("value").text())) {
            m_constants.emplace_back(node.field("name").text(), node.field("value").text());
        } else if (node.is("preproc_include") ||
                   (node.is("declaration") && node.field("declarator").is("function_declarator"))) {
            keepAsComment(node, "//", main);
        } else if (isComment(node)) {
            main.statement(commentLines(node));
        } else {
            keep(node, main);
        }
    }
}

bool CFamilyTranslator::holdsMain(const SyntaxNode& node) {
    return node.is("class_declaration") && !node.hasError() &&
           node.field("body").text().find("void main") != std::string_view::npos;
}

void CFamilyTranslator::topLevelJava(const SyntaxNode& root, NotationBuilder& main,
                                     std::vector<Function>& functions) {
    for (const SyntaxNode& node : root.namedChildren()) {
        if (holdsMain(node)) {
            classMembers(node.field("body"), main, functions);
        } else if (node.is("import_declaration") || node.is("package_declaration")) {
            keepAsComment(node, "//", main);
        } else if (isComment(node)) {
            main.statement(commentLines(node));
        } else {
            keep(node, main);
        }
    }
}

// The class's static methods become diagrams; fields and other members
// are kept.
void CFamilyTranslator::classMembers(const SyntaxNode& body, NotationBuilder& main,
                                     std::vector<Function>& functions) {
    for (const SyntaxNode& member : body.namedChildren()) {
        const bool isStatic = member.is("method_declaration") &&
                              member.namedChild(0).is("modifiers") &&
                              containsWord(member.namedChild(0).text(), "static");
        if (isStatic)
            functions.push_back({member, std::string(member.field("name").text())});
        else if (isComment(member))
            main.statement(commentLines(member));
        else
            keep(member, main);
    }
}

void CFamilyTranslator::noteReturnKind(const SyntaxNode& function, const std::string& name) {
    m_returns[name] = kindOfType(function.field("type").text());
}

void CFamilyTranslator::routine(const Function& function) {
    m_kinds.clear();
    NotationBuilder out;
    out.title(header(function.node, function.name));
    constants(function.node, out);
    body(function.node, out, false);
    addDiagram(function.name, out);
}

// "ggT(a, b)", or with the types when one is not a whole number:
// "mittel(a: double; n: int): double".
std::string CFamilyTranslator::header(const SyntaxNode& function, const std::string& name) {
    std::vector<std::string> names;
    std::vector<Kind> kinds;
    parameters(function, names, kinds);
    const Kind result = m_returns[name];
    const bool typed =
        std::any_of(kinds.begin(), kinds.end(), [](Kind kind) { return kind != Kind::Int; }) ||
        (result != Kind::Int && result != Kind::Unknown);
    if (!typed)
        return name + "(" + joined(names) + ")";
    std::vector<std::string> declared;
    for (std::size_t i = 0; i < names.size(); ++i)
        declared.push_back(names[i] + ": " + typeName(kinds[i]));
    std::string written = name + "(" + joined(declared, "; ") + ")";
    if (result != Kind::Unknown)
        written += std::string(": ") + typeName(result);
    return written;
}

void CFamilyTranslator::parameters(const SyntaxNode& function, std::vector<std::string>& names,
                                   std::vector<Kind>& kinds) {
    const SyntaxNode list =
        m_java ? function.field("parameters") : function.field("declarator").field("parameters");
    for (const SyntaxNode& parameter : list.namedChildren()) {
        SyntaxNode name = m_java ? parameter.field("name") : parameter.field("declarator");
        if (name.isNull())
            continue;
        const Kind kind = kindOfType(parameter.field("type").text());
        while (name.is("array_declarator") || name.is("pointer_declarator"))
            name = name.field("declarator");
        names.emplace_back(name.text());
        m_kinds[std::string(name.text())] = kind;
        const bool array = parameter.field("type").is("array_type") ||
                           parameter.field("declarator").is("array_declarator");
        kinds.push_back(array ? Kind::Int : kind);
    }
}

void CFamilyTranslator::constants(const SyntaxNode& function, NotationBuilder& out) {
    for (const auto& [name, value] : m_constants) {
        if (containsWord(function.field("body").text(), name))
            out.statement({"const " + name + " = " + value});
    }
}

// The function's statements; main's closing "return 0" is the end of the
// diagram already.
void CFamilyTranslator::body(const SyntaxNode& function, NotationBuilder& out, bool isMain) {
    if (isMain) {
        m_kinds.clear();
        std::vector<std::string> names;
        std::vector<Kind> kinds;
        parameters(function, names, kinds);
    }
    m_inMain = isMain;
    std::vector<SyntaxNode> all = function.field("body").namedChildren();
    if (isMain && !all.empty() && all.back().is("return_statement") &&
        (all.back().namedChildren().empty() || all.back().namedChild(0).text() == "0"))
        all.pop_back();
    for (const SyntaxNode& node : all)
        statement(node, out);
}

void CFamilyTranslator::statements(const SyntaxNode& block, NotationBuilder& out) {
    if (block.is("compound_statement") || block.is("block")) {
        for (const SyntaxNode& node : block.namedChildren())
            statement(node, out);
    } else {
        statement(block, out);
    }
}

void CFamilyTranslator::statement(const SyntaxNode& node, NotationBuilder& out) {
    if (isComment(node)) {
        out.statement(commentLines(node));
        return;
    }
    if (node.is("compound_statement") || node.is("block")) {
        statements(node, out);
        return;
    }
    orKeep(node, out, [&](NotationBuilder& into) { translateStatement(node, into); });
}

void CFamilyTranslator::translateStatement(const SyntaxNode& node, NotationBuilder& out) {
    const std::string_view type = node.type();
    if (type == "declaration" || type == "local_variable_declaration") {
        declaration(node, out);
    } else if (type == "expression_statement") {
        expressionStatement(node, out);
    } else if (type == "if_statement") {
        ifStatement(node, out);
    } else if (type == "while_statement") {
        out.open("solange " + condition(node.field("condition")));
        body(node.field("body"), out);
        out.close();
    } else if (type == "do_statement") {
        out.open("wiederhole");
        body(node.field("body"), out);
        out.closeWith("solange " + condition(node.field("condition")));
    } else if (type == "for_statement") {
        forStatement(node, out);
    } else if (type == "enhanced_for_statement") {
        m_kinds[std::string(node.field("name").text())] = kindOfType(node.field("type").text());
        out.open("zählschleife foreach " + std::string(node.field("name").text()) + " in " +
                 expression(node.field("value")));
        body(node.field("body"), out);
        out.close();
    } else if (type == "switch_statement" || type == "switch_expression") {
        switchStatement(node, out);
    } else if (type == "break_statement" && node.namedChildren().empty()) {
        out.keywordElement("verlasse");
    } else if (type == "continue_statement" && node.namedChildren().empty()) {
        continueExit(node, out);
    } else if (type == "return_statement") {
        returnStatement(node, out);
    } else {
        throw NoForm();
    }
}

void CFamilyTranslator::declaration(const SyntaxNode& node, NotationBuilder& out) {
    const SyntaxNode type = node.field("type");
    Kind kind = kindOfType(type.text());
    std::string_view typeText = type.text();
    if (type.is("array_type")) {
        kind = kindOfType(type.field("element").text());
        typeText = "[]";
    }
    for (const SyntaxNode& child : node.namedChildren()) {
        if (child.is("init_declarator") || child.is("variable_declarator") ||
            child.is("identifier") || child.is("array_declarator"))
            declarator(kind, typeText, child, out);
        else if (child != type && !child.is("modifiers") && !child.is("type_qualifier"))
            throw NoForm();
    }
}

void CFamilyTranslator::declarator(Kind kind, std::string_view typeText, const SyntaxNode& node,
                                   NotationBuilder& out) {
    SyntaxNode name = node;
    SyntaxNode value;
    if (node.is("init_declarator") || node.is("variable_declarator")) {
        name = m_java ? node.field("name") : node.field("declarator");
        value = node.field("value");
    }
    if (name.is("array_declarator") || typeText == "[]") {
        const std::string array(name.is("array_declarator") ? name.field("declarator").text()
                                                            : name.text());
        m_kinds[array] = kind;
        arrayOf(array, name.is("array_declarator") ? name.field("size") : SyntaxNode(), value, out);
        return;
    }
    if (value.is("object_creation_expression") &&
        value.text().find("System.in") != std::string_view::npos) {
        out.statement({"// " + std::string(typeText) + " " + std::string(node.text()) + ";"});
        m_result.kept.push_back({node.line(), std::string(node.text())});
        return;
    }
    if (!name.is("identifier") || kind == Kind::Unknown)
        throw NoForm();
    const std::string written(name.text());
    m_kinds[written] = kind;
    if (value.isNull()) {
        out.statement({"var " + written + ": " + typeName(kind)});
        return;
    }
    if (auto input = inputInto(written, value)) {
        if (kind != Kind::Int)
            input->insert(input->begin(), "var " + written + ": " + typeName(kind));
        out.statement(*input);
        return;
    }
    if (kind == Kind::Real)
        out.statement({"double " + written + " <- " + expression(value)});
    else
        out.statement({written + " := " + expression(value)});
}

// int a[5] = {1, 2}, int a[n], new int[n], {1, 2}: the array with its
// values, the rest of its size zero as C and Java have it.
void CFamilyTranslator::arrayOf(const std::string& name, const SyntaxNode& size,
                                const SyntaxNode& values, NotationBuilder& out) {
    SyntaxNode count = size;
    std::vector<std::string> items;
    if (values.is("initializer_list") || values.is("array_initializer"))
        items = expressions(values.namedChildren());
    else if (values.is("array_creation_expression")) {
        const std::vector<SyntaxNode> dimensions = values.namedChildren();
        if (dimensions.size() != 2 || !dimensions[1].is("dimensions_expr"))
            throw NoForm();
        count = dimensions[1].namedChild(0);
    } else if (!values.isNull())
        throw NoForm();
    out.statement({name + " <- {" + joined(items) + "}"});
    if (count.isNull())
        return;
    const auto known = integerValue(count.text());
    if (known && static_cast<std::size_t>(*known) <= items.size())
        return;
    out.open("für fuellindex := " + std::to_string(items.size()) + " bis " +
             (known ? std::to_string(*known - 1) : grouped(count) + " - 1"));
    out.statement({name + "[fuellindex] := 0"});
    out.close();
}

void CFamilyTranslator::expressionStatement(const SyntaxNode& node, NotationBuilder& out) {
    const std::vector<SyntaxNode> parts = node.namedChildren();
    if (parts.empty()) {
        out.keywordElement("leer");
        return;
    }
    const SyntaxNode& part = parts.front();
    if (part.is("assignment_expression")) {
        assignment(part, out);
    } else if (part.is("update_expression")) {
        out.statement({increment(part)});
    } else if (part.is("call_expression") || part.is("method_invocation")) {
        callStatement(part, out);
    } else {
        throw NoForm();
    }
}

// i++ and --i as "i := i + 1" and "i := i - 1".
std::string CFamilyTranslator::increment(const SyntaxNode& update) {
    const std::string name = target(update.namedChild(0));
    const bool up = update.text().find("++") != std::string_view::npos;
    return name + " := " + name + (up ? " + 1" : " - 1");
}

void CFamilyTranslator::assignment(const SyntaxNode& node, NotationBuilder& out) {
    const std::string left = target(node.field("left"));
    const SyntaxNode right = node.field("right");
    const std::string_view op = node.child(1).text();
    if (op == "=") {
        if (auto input = inputInto(left, right))
            out.statement(*input);
        else if (right.is("array_creation_expression") || right.is("array_initializer"))
            arrayOf(left, {}, right, out);
        else
            out.statement({left + " := " + expression(right)});
        return;
    }
    static const std::vector<std::pair<std::string_view, std::string_view>> compound = {
        {"+=", "+"}, {"-=", "-"}, {"*=", "*"}, {"%=", "mod"}};
    for (const auto& [written, meant] : compound) {
        if (op == written) {
            out.statement({left + " := " + left + " " + std::string(meant) + " " + grouped(right)});
            return;
        }
    }
    if (op == "/=") {
        const bool whole = kindOf(node.field("left")) == Kind::Int && kindOf(right) == Kind::Int;
        out.statement({left + " := " + left + (whole ? " div " : " / ") + grouped(right)});
        return;
    }
    throw NoForm();
}

// sc.nextInt() and its kin: "Eingabe: x".
std::optional<std::vector<std::string>> CFamilyTranslator::inputInto(const std::string& target,
                                                                     const SyntaxNode& value) {
    if (!m_java || !value.is("method_invocation") || value.field("object").isNull())
        return std::nullopt;
    const std::string_view method = value.field("name").text();
    if (method != "nextInt" && method != "nextDouble" && method != "next" && method != "nextLine" &&
        method != "nextLong")
        return std::nullopt;
    return std::vector<std::string>{"Eingabe: " + target};
}

void CFamilyTranslator::callStatement(const SyntaxNode& call, NotationBuilder& out) {
    const std::vector<SyntaxNode> arguments = call.field("arguments").namedChildren();
    if (m_java) {
        const std::string_view object = call.field("object").text();
        const std::string_view method = call.field("name").text();
        if (object == "System.out" && method == "println") {
            if (arguments.size() > 1)
                throw NoForm();
            if (!arguments.empty() && kindOf(arguments.front()) == Kind::Real)
                throw NoForm();
            out.statement({"Ausgabe: " + (arguments.empty() ? std::string("\"\"")
                                                            : expression(arguments.front()))});
            return;
        }
        if (!call.field("object").isNull())
            throw NoForm();
        out.keywordElement("aufruf " + expression(call));
        return;
    }
    const std::string_view function = call.field("function").text();
    if (function == "printf") {
        out.statement(printf(arguments));
    } else if (function == "scanf") {
        out.statement({"Eingabe: " + scanf(arguments)});
    } else if (function == "puts" && arguments.size() == 1) {
        out.statement({"Ausgabe: " + expression(arguments.front())});
    } else if (call.field("function").is("identifier") && m_returns.count(function) != 0) {
        out.keywordElement("aufruf " + expression(call));
    } else {
        throw NoForm();
    }
}

// printf("Summe: %d\n", s) as "Ausgabe: "Summe: ", s"; a line per "\n".
// Conversions whose output the pseudocode does not give alike (%f, a
// width) and a line left open have no form.
std::vector<std::string> CFamilyTranslator::printf(const std::vector<SyntaxNode>& arguments) {
    if (arguments.empty() || !arguments.front().is("string_literal"))
        throw NoForm();
    const std::string_view format = arguments.front().text();
    std::vector<std::string> lines;
    std::vector<std::string> items;
    std::string text;
    std::size_t next = 1;
    bool valueLast = false;
    const auto flushText = [&] {
        if (!text.empty())
            items.push_back(textLiteral(text));
        text.clear();
    };
    for (std::size_t i = 1; i + 1 < format.size(); ++i) {
        const char c = format[i];
        if (c == '\\') {
            const char escaped = format[++i];
            if (escaped == 'n') {
                flushText();
                lines.push_back("Ausgabe: " +
                                (items.empty() ? std::string("\"\"") : joined(items)));
                items.clear();
                valueLast = false;
            } else if (escaped == '"' || escaped == '\\' || escaped == '\'') {
                text += escaped;
            } else {
                throw NoForm();
            }
        } else if (c == '%') {
            const std::string_view directive = format.substr(i + 1, 2);
            if (directive.starts_with('%')) {
                text += '%';
                ++i;
                continue;
            }
            const bool isLong = directive.starts_with('l');
            const char conversion = isLong ? directive[1] : directive[0];
            if (conversion != 'd' && conversion != 'i' && conversion != 's' && conversion != 'u')
                throw NoForm();
            if (valueLast && text.empty())
                throw NoForm();
            if (next >= arguments.size())
                throw NoForm();
            flushText();
            items.push_back(expression(arguments[next++]));
            valueLast = true;
            i += isLong ? 2 : 1;
        } else {
            text += c;
            valueLast = false;
        }
    }
    if (!text.empty() || !items.empty() || next != arguments.size() || lines.empty())
        throw NoForm();
    return lines;
}

std::string CFamilyTranslator::scanf(const std::vector<SyntaxNode>& arguments) {
    if (arguments.size() < 2 || !arguments.front().is("string_literal"))
        throw NoForm();
    const std::string_view format = arguments.front().text();
    for (std::size_t i = 1; i + 1 < format.size(); ++i) {
        const char c = format[i];
        if (c == '%' || c == 'd' || c == 'i' || c == 'l' || c == 'f' || c == 's' || c == ' ')
            continue;
        throw NoForm();
    }
    std::vector<std::string> targets;
    for (std::size_t i = 1; i < arguments.size(); ++i) {
        const SyntaxNode& argument = arguments[i];
        if (argument.is("pointer_expression") && argument.text().starts_with('&'))
            targets.push_back(target(argument.field("argument")));
        else
            throw NoForm();
    }
    return joined(targets);
}

void CFamilyTranslator::ifStatement(const SyntaxNode& node, NotationBuilder& out) {
    out.open("wenn " + condition(node.field("condition")));
    body(node.field("consequence"), out);
    SyntaxNode alternative = node.field("alternative");
    if (alternative.is("else_clause"))
        alternative = alternative.namedChild(0);
    if (!alternative.isNull()) {
        out.otherwise();
        body(alternative, out);
    }
    out.close();
}

// A counting loop where it is one, else a while loop with the start
// before it and the step at the end of its body.
void CFamilyTranslator::forStatement(const SyntaxNode& node, NotationBuilder& out) {
    if (const auto head = countingHead(node)) {
        out.open(*head);
        body(node.field("body"), out);
        out.close();
        return;
    }
    const SyntaxNode start = node.field(m_java ? "init" : "initializer");
    const SyntaxNode test = node.field("condition");
    const SyntaxNode step = node.field("update");
    if (node.field("body").text().find("continue") != std::string_view::npos)
        throw NoForm();
    if (!start.isNull()) {
        if (start.is("declaration") || start.is("local_variable_declaration"))
            declaration(start, out);
        else
            assignment(start, out);
    }
    out.open("solange " + (test.isNull() ? std::string("wahr") : condition(test)));
    body(node.field("body"), out);
    if (step.is("assignment_expression"))
        assignment(step, out);
    else if (step.is("update_expression"))
        out.statement({increment(step)});
    else if (!step.isNull())
        throw NoForm();
    out.close();
}

// for (i = a; i < b; i++) as "für i := a bis b - 1", when the body leaves
// i alone.
std::optional<std::string> CFamilyTranslator::countingHead(const SyntaxNode& node) {
    const SyntaxNode start = node.field(m_java ? "init" : "initializer");
    const SyntaxNode test = node.field("condition");
    const SyntaxNode step = node.field("update");
    if (start.isNull() || test.isNull() || step.isNull() || !test.is("binary_expression"))
        return std::nullopt;
    std::string name;
    SyntaxNode from;
    if (start.is("assignment_expression") && start.child(1).text() == "=") {
        name = std::string(start.field("left").text());
        from = start.field("right");
    } else if (start.is("declaration") || start.is("local_variable_declaration")) {
        SyntaxNode declarator = start.field("declarator");
        if (!declarator.is("init_declarator") && !declarator.is("variable_declarator"))
            return std::nullopt;
        name = std::string(
            (m_java ? declarator.field("name") : declarator.field("declarator")).text());
        from = declarator.field("value");
        m_kinds[name] = kindOfType(start.field("type").text());
    } else {
        return std::nullopt;
    }
    if (test.field("left").text() != name)
        return std::nullopt;
    const std::string_view comparison = test.child(1).text();
    const long long direction = stepOf(step, name);
    const bool upward = comparison == "<" || comparison == "<=";
    const bool downward = comparison == ">" || comparison == ">=";
    if (direction == 0 || (direction > 0 && !upward) || (direction < 0 && !downward))
        return std::nullopt;
    const std::string bodyText(node.field("body").text());
    for (const char* change : {" =", "++", "--", "+=", "-="}) {
        for (std::size_t at = bodyText.find(name); at != std::string::npos;
             at = bodyText.find(name, at + 1)) {
            if (bodyText.compare(at + name.size(), std::strlen(change), change) == 0 ||
                (at >= 2 && bodyText.compare(at - 2, 2, change) == 0))
                return std::nullopt;
        }
    }
    const SyntaxNode bound = test.field("right");
    std::string last = expression(bound);
    if (comparison == "<" || comparison == ">") {
        const int by = comparison == "<" ? -1 : 1;
        if (const auto value = integerValue(bound.text()))
            last = std::to_string(*value + by);
        else
            last = grouped(bound) + (by < 0 ? " - 1" : " + 1");
    }
    return "für " + name + " := " + expression(from) + " bis " + last +
           (direction == -1  ? std::string(" abwärts")
            : direction == 1 ? std::string()
                             : " Schrittweite " + std::to_string(direction));
}

// i++, --i, i += 3, i -= 2: the step; 0 for any other update.
long long CFamilyTranslator::stepOf(const SyntaxNode& step, const std::string& name) {
    const std::string text(step.text());
    if (text == name + "++" || text == "++" + name)
        return 1;
    if (text == name + "--" || text == "--" + name)
        return -1;
    if (!step.is("assignment_expression") || step.field("left").text() != name)
        return 0;
    const auto by = integerValue(step.field("right").text());
    const std::string_view op = step.child(1).text();
    if (!by || *by == 0)
        return 0;
    return op == "+=" ? *by : op == "-=" ? -*by : 0;
}

// Cases that end in break (or return); several labels on one branch; the
// default last. Falling through into the next case has no form.
void CFamilyTranslator::switchStatement(const SyntaxNode& node, NotationBuilder& out) {
    out.open("fallunterscheidung " +
             orSource(unwrapped(node.field("condition")),
                      [this](const SyntaxNode& inner) { return expression(inner); }));
    const std::vector<SyntaxNode> groups = node.field("body").namedChildren();
    std::vector<std::string> labels;
    bool otherwise = false;
    for (std::size_t g = 0; g < groups.size(); ++g) {
        const SyntaxNode& group = groups[g];
        if (isComment(group))
            continue;
        std::vector<SyntaxNode> inside;
        for (const SyntaxNode& part : group.namedChildren()) {
            if (part.is("switch_label")) {
                if (part.namedChildren().empty())
                    otherwise = true;
                else
                    labels.push_back(expression(part.namedChild(0)));
            } else if (m_java || part != group.field("value")) {
                inside.push_back(part);
            }
        }
        if (!m_java) {
            if (group.field("value").isNull())
                otherwise = true;
            else
                labels.push_back(expression(group.field("value")));
        }
        if (inside.empty())
            continue;
        const SyntaxNode& last = inside.back();
        if (last.is("break_statement"))
            inside.pop_back();
        else if (!last.is("return_statement") && g + 1 != groups.size())
            throw NoForm();
        if (otherwise && !labels.empty())
            throw NoForm();
        out.branch(otherwise ? std::string("sonst") : "fall " + joined(labels));
        for (const SyntaxNode& part : inside)
            statement(part, out);
        labels.clear();
        otherwise = false;
    }
    out.close();
}

void CFamilyTranslator::returnStatement(const SyntaxNode& node, NotationBuilder& out) {
    const std::vector<SyntaxNode> value = node.namedChildren();
    if (m_inMain)
        out.keywordElement(value.empty() ? std::string("exit")
                                         : "exit " + expression(value.front()));
    else
        out.keywordElement(value.empty() ? std::string("zurück")
                                         : "zurück " + expression(value.front()));
}

SyntaxNode CFamilyTranslator::unwrapped(const SyntaxNode& node) {
    if ((node.is("parenthesized_expression") || node.is("condition")) &&
        node.namedChildren().size() == 1)
        return node.namedChild(0);
    return node;
}

// A number as a condition is "<> 0", as C reads it.
std::string CFamilyTranslator::condition(const SyntaxNode& node) {
    return orSource(unwrapped(node), [this](const SyntaxNode& inner) {
        const std::string written = expression(inner);
        return kindOf(inner) == Kind::Int ? grouped(inner) + " <> 0" : written;
    });
}

std::string CFamilyTranslator::grouped(const SyntaxNode& node) {
    const std::string written = expression(node);
    const bool compound = node.is("binary_expression") || node.is("unary_expression");
    return compound ? "(" + written + ")" : written;
}

std::vector<std::string> CFamilyTranslator::expressions(const std::vector<SyntaxNode>& nodes) {
    return eachWritten(nodes, [this](const SyntaxNode& node) { return expression(node); });
}

std::string CFamilyTranslator::target(const SyntaxNode& node) {
    if (node.is("identifier") || node.is("subscript_expression") || node.is("array_access"))
        return expression(node);
    throw NoForm();
}

std::string CFamilyTranslator::expression(const SyntaxNode& node) {
    const std::string_view type = node.type();
    if (type == "identifier" || type == "number_literal" || type == "decimal_integer_literal" ||
        type == "decimal_floating_point_literal") {
        const std::string_view text = node.text();
        if (type == "number_literal" && (text.find_first_of("xXuUlLfF") != std::string_view::npos))
            throw NoForm();
        return std::string(text);
    }
    if (type == "true")
        return "wahr";
    if (type == "false")
        return "falsch";
    if (type == "string_literal")
        return stringLiteral(node);
    if (type == "parenthesized_expression" || type == "condition")
        return "(" + expression(unwrapped(node)) + ")";
    if (type == "binary_expression")
        return binary(node);
    if (type == "unary_expression") {
        const std::string_view op = node.child(0).text();
        const SyntaxNode operand = node.field(m_java ? "operand" : "argument");
        if (op == "!")
            return "nicht " + grouped(operand);
        if (op == "-" || op == "+")
            return std::string(op) + grouped(operand);
        throw NoForm();
    }
    if (type == "call_expression" || type == "method_invocation")
        return call(node);
    if (type == "subscript_expression")
        return expression(node.field("argument")) + "[" + expression(node.field("index")) + "]";
    if (type == "array_access")
        return expression(node.field("array")) + "[" + expression(node.field("index")) + "]";
    if (type == "field_access" && node.field("field").text() == "length")
        return "length(" + expression(node.field("object")) + ")";
    if (type == "cast_expression") {
        const Kind to = kindOfType(node.field("type").text());
        if (to == Kind::Real)
            return grouped(node.field("value"));
        throw NoForm();
    }
    throw NoForm();
}

std::string CFamilyTranslator::binary(const SyntaxNode& node) {
    const std::string_view op = node.child(1).text();
    const SyntaxNode leftNode = node.field("left");
    const SyntaxNode rightNode = node.field("right");
    // Operators of one level bind from the left: a - b + c as it is.
    const std::string left =
        leftNode.is("binary_expression") && level(leftNode.child(1).text()) == level(op)
            ? expression(leftNode)
            : grouped(leftNode);
    const std::string right = grouped(rightNode);
    static const std::vector<std::pair<std::string_view, std::string_view>> mapped = {
        {"&&", "und"}, {"||", "oder"}, {"==", "="}, {"!=", "<>"}, {"%", "mod"}, {"+", "+"},
        {"-", "-"},    {"*", "*"},     {"<", "<"},  {"<=", "<="}, {">", ">"},   {">=", ">="}};
    if (op == "/") {
        const bool whole = kindOf(leftNode) == Kind::Int && kindOf(rightNode) == Kind::Int;
        return left + (whole ? " div " : " / ") + right;
    }
    for (const auto& [written, meant] : mapped) {
        if (op == written)
            return left + " " + std::string(meant) + " " + right;
    }
    throw NoForm();
}

int CFamilyTranslator::level(std::string_view op) {
    if (op == "+" || op == "-")
        return 1;
    if (op == "*" || op == "/" || op == "%")
        return 2;
    if (op == "&&")
        return 3;
    if (op == "||")
        return 4;
    return 5 + static_cast<int>(op.size());
}

std::string CFamilyTranslator::call(const SyntaxNode& node) {
    const std::vector<std::string> arguments = expressions(node.field("arguments").namedChildren());
    std::string name;
    if (m_java) {
        const std::string_view object = node.field("object").text();
        const std::string_view method = node.field("name").text();
        if (object == "Math" && (method == "sqrt" || method == "abs" || method == "pow" ||
                                 method == "max" || method == "min"))
            name = std::string(method);
        else if (!object.empty() && method == "length" && arguments.empty())
            return "length(" + expression(node.field("object")) + ")";
        else if (object.empty() && m_returns.count(method) != 0)
            name = std::string(method);
        else
            throw NoForm();
    } else {
        const std::string_view function = node.field("function").text();
        if (function == "sqrt" || function == "abs" || function == "pow")
            name = std::string(function);
        else if (function == "fabs")
            name = "abs";
        else if (function == "strlen")
            name = "length";
        else if (m_returns.count(function) != 0)
            name = std::string(function);
        else
            throw NoForm();
    }
    return name + "(" + joined(arguments) + ")";
}

std::string CFamilyTranslator::stringLiteral(const SyntaxNode& node) {
    std::string content;
    for (const SyntaxNode& part : node.namedChildren()) {
        if (part.is("escape_sequence")) {
            const std::string_view escape = part.text();
            if (escape != "\\\\" && escape != "\\\"" && escape != "\\'")
                throw NoForm();
            content += escape.substr(1);
        } else {
            content += part.text();
        }
    }
    return textLiteral(content);
}

CFamilyTranslator::Kind CFamilyTranslator::kindOf(const SyntaxNode& node) const {
    const std::string_view type = node.type();
    if (type == "number_literal")
        return node.text().find_first_of(".eE") == std::string_view::npos ? Kind::Int : Kind::Real;
    if (type == "decimal_integer_literal")
        return Kind::Int;
    if (type == "decimal_floating_point_literal")
        return Kind::Real;
    if (type == "string_literal")
        return Kind::Text;
    if (type == "true" || type == "false")
        return Kind::Bool;
    if (type == "identifier") {
        const auto found = m_kinds.find(node.text());
        return found != m_kinds.end() ? found->second : Kind::Unknown;
    }
    if (type == "parenthesized_expression" || type == "condition")
        return kindOf(unwrapped(node));
    if (type == "subscript_expression")
        return kindOf(node.field("argument"));
    if (type == "array_access")
        return kindOf(node.field("array"));
    if (type == "cast_expression")
        return kindOfType(node.field("type").text());
    if (type == "unary_expression")
        return node.child(0).text() == "!" ? Kind::Bool
                                           : kindOf(node.field(m_java ? "operand" : "argument"));
    if (type == "call_expression" || type == "method_invocation") {
        const std::string_view name = (m_java ? node.field("name") : node.field("function")).text();
        if (name == "length" || name == "strlen")
            return Kind::Int;
        const auto found = m_returns.find(name);
        return found != m_returns.end() ? found->second : Kind::Unknown;
    }
    if (type == "field_access")
        return node.field("field").text() == "length" ? Kind::Int : Kind::Unknown;
    if (type == "binary_expression") {
        const std::string_view op = node.child(1).text();
        if (op == "&&" || op == "||" || op == "==" || op == "!=" || op == "<" || op == "<=" ||
            op == ">" || op == ">=")
            return Kind::Bool;
        const Kind left = kindOf(node.field("left"));
        const Kind right = kindOf(node.field("right"));
        if (left == Kind::Text || right == Kind::Text)
            return Kind::Text;
        if (left == Kind::Real || right == Kind::Real)
            return Kind::Real;
        return left == Kind::Int && right == Kind::Int ? Kind::Int : Kind::Unknown;
    }
    return Kind::Unknown;
}

const char* CFamilyTranslator::typeName(Kind kind) {
    return kind == Kind::Real   ? "double"
           : kind == Kind::Bool ? "boolean"
           : kind == Kind::Text ? "string"
                                : "int";
}

CFamilyTranslator::Kind CFamilyTranslator::kindOfType(std::string_view type) {
    if (type == "int" || type == "long" || type == "short" || type == "unsigned" ||
        type == "long long" || type == "unsigned int" || type == "Integer" || type == "Long")
        return Kind::Int;
    if (type == "double" || type == "float" || type == "Double")
        return Kind::Real;
    if (type == "boolean" || type == "bool" || type == "_Bool" || type == "Boolean")
        return Kind::Bool;
    if (type == "String")
        return Kind::Text;
    return Kind::Unknown;
}

} // namespace velbrant::import
