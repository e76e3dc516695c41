#include "model/structorizer/nsd_text.h"

namespace velbrant::nsd {

std::vector<std::string> commaTextLines(std::string_view text) {
    std::vector<std::string> lines;
    std::size_t i = 0;
    while (i < text.size()) {
        std::string line;
        if (text[i] == '"') {
            // A quote ends the line only before a comma or the end: one that
            // was not doubled inside it is part of it, not cut off.
            for (++i; i < text.size(); ++i) {
                if (text[i] == '"' && i + 1 < text.size() && text[i + 1] == '"')
                    line += text[++i];
                else if (text[i] == '"' && (i + 1 == text.size() || text[i + 1] == ','))
                    break;
                else
                    line += text[i];
            }
            i = text.find(',', i);
        } else {
            const std::size_t comma = text.find(',', i);
            line = text.substr(i, comma == std::string_view::npos ? comma : comma - i);
            i = comma;
        }
        lines.push_back(std::move(line));
        if (i == std::string_view::npos)
            break;
        ++i;
    }
    return lines;
}

std::string commaText(const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& line : lines) {
        if (!text.empty())
            text += ',';
        text += '"';
        for (const char c : line) {
            text += c;
            if (c == '"')
                text += '"';
        }
        text += '"';
    }
    return text;
}

std::vector<std::string> caseText(const Case& switchCase) {
    std::string selector;
    for (const std::string& line : switchCase.lines())
        selector += (selector.empty() ? "" : " ") + line;
    std::vector<std::string> text{selector};
    const auto& labels = switchCase.branchLabels();
    text.insert(text.end(), labels.begin(), labels.end());
    if (!switchCase.hasElse())
        text.push_back("%");
    return text;
}

} // namespace velbrant::nsd
