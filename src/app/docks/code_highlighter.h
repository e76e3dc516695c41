#pragma once

#include "model/code/code_generator.h"

#include <QRegularExpression>
#include <QSyntaxHighlighter>
#include <QTextCharFormat>
#include <vector>

namespace velbrant {

// Colours a generated program: the language's keywords, numbers, texts in
// quotes and comments.
class CodeHighlighter : public QSyntaxHighlighter {
public:
    explicit CodeHighlighter(QTextDocument* document);
    void setLanguage(CodeLanguage language);

protected:
    void highlightBlock(const QString& text) override;

private:
    struct Rule {
        QRegularExpression pattern;
        QTextCharFormat format;
    };
    std::vector<Rule> m_rules;
};

} // namespace velbrant
