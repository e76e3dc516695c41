#include "app/docks/code_highlighter.h"

#include "app/widgets/theme.h"

#include <QStringList>

namespace velbrant {

namespace {

QStringList keywords(CodeLanguage language) {
    switch (language) {
    case CodeLanguage::Python:
        return {"def",   "return", "if",       "elif",  "else",  "while", "for",  "in",
                "break", "pass",   "import",   "and",   "or",    "not",   "True", "False",
                "match", "case",   "nonlocal", "yield", "range", "print"};
    case CodeLanguage::Java:
        return {"class",  "static", "final",   "public", "void", "int",   "double", "boolean",
                "String", "new",    "return",  "if",     "else", "while", "do",     "for",
                "switch", "case",   "default", "break",  "true", "false"};
    case CodeLanguage::C:
        return {"static", "void",    "int",   "double", "bool",  "char",   "const",
                "return", "if",      "else",  "while",  "do",    "for",    "switch",
                "case",   "default", "break", "true",   "false", "sizeof", "#include"};
    case CodeLanguage::Pascal:
        return {"program", "uses", "var",    "function", "procedure", "begin",   "end",
                "if",      "then", "else",   "while",    "do",        "repeat",  "until",
                "for",     "to",   "downto", "case",     "of",        "and",     "or",
                "not",     "div",  "mod",    "integer",  "double",    "boolean", "string",
                "array",   "exit", "halt",   "break",    "True",      "False"};
    }
    return {};
}

QTextCharFormat colored(const QColor& color, bool bold = false) {
    QTextCharFormat format;
    format.setForeground(readableOnBase(color));
    if (bold)
        format.setFontWeight(QFont::Bold);
    return format;
}

} // namespace

CodeHighlighter::CodeHighlighter(QTextDocument* document) : QSyntaxHighlighter(document) {}

void CodeHighlighter::setLanguage(CodeLanguage language) {
    const bool pascal = language == CodeLanguage::Pascal;
    QRegularExpression::PatternOptions options;
    if (pascal)
        options |= QRegularExpression::CaseInsensitiveOption;
    m_rules.clear();
    const QString words = keywords(language).join(u'|');
    m_rules.push_back({QRegularExpression(QStringLiteral("(?<![\\w#])(%1)\\b").arg(words), options),
                       colored(QColor(0, 0, 160), true)});
    m_rules.push_back(
        {QRegularExpression(QStringLiteral("\\b\\d+(\\.\\d+)?\\b")), colored(QColor(160, 80, 0))});
    m_rules.push_back({QRegularExpression(pascal ? QStringLiteral("'([^']|'')*'")
                                                 : QStringLiteral("\"([^\"\\\\]|\\\\.)*\"")),
                       colored(QColor(0, 128, 0))});
    m_rules.push_back(
        {QRegularExpression(language == CodeLanguage::Python ? QStringLiteral("#.*$")
                                                             : QStringLiteral("//.*$")),
         colored(QColor(128, 128, 128))});
    rehighlight();
}

// Later rules win: a keyword inside a text or a comment is not marked.
void CodeHighlighter::highlightBlock(const QString& text) {
    for (const Rule& rule : m_rules) {
        auto matches = rule.pattern.globalMatch(text);
        while (matches.hasNext()) {
            const QRegularExpressionMatch match = matches.next();
            setFormat(static_cast<int>(match.capturedStart()),
                      static_cast<int>(match.capturedLength()), rule.format);
        }
    }
}

} // namespace velbrant
