#include "render/text_search.h"

#include "model/diagram/document.h"
#include "model/elements/case.h"
#include "model/files/windows1252.h"
#include "model/structorizer/nsd_attributes.h"
#include "render/text_codec.h"

#include <QCoreApplication>

namespace velbrant {

namespace {

// The lines of one field of an element (or of the title) as the user reads
// them.
struct FieldText {
    SearchHit::Field field;
    QStringList lines;
};

std::vector<FieldText> fieldsOf(const Element& element, const SearchOptions& options) {
    std::vector<FieldText> fields;
    fields.push_back({SearchHit::Field::Text, linesAsShown(element)});
    if (const auto* switchCase = dynamic_cast<const Case*>(&element);
        switchCase && options.caseLabels)
        fields.push_back({SearchHit::Field::Label, decodeLines(switchCase->branchLabels(), false)});
    if (options.comments && element.nsd() != nullptr)
        fields.push_back({SearchHit::Field::Comment, fromUtf8Lines(element.nsd()->comment)});
    return fields;
}

QString elementName(const Element& element) {
    const QString first = linesAsShown(element).value(0);
    return first.isEmpty() ? QCoreApplication::translate("velbrant", "(leerer Block)") : first;
}

// The lines as typed: their Windows-1252 form, and the exact text beside it
// where that form lost a character.
void setTyped(TextChange& change, const QStringList& lines, bool symbolFont) {
    TypedText typed = typedText(change.nsd, linesAsTyped(lines, symbolFont));
    change.lines = std::move(typed.lines);
    change.nsd = std::move(typed.attributes);
}

} // namespace

TextSearch::TextSearch(const SearchOptions& options) : m_options(options) {
    QString pattern =
        options.regularExpression ? options.pattern : QRegularExpression::escape(options.pattern);
    if (options.wholeWord)
        pattern = QStringLiteral("\\b(?:%1)\\b").arg(pattern);
    QRegularExpression::PatternOptions flags = QRegularExpression::UseUnicodePropertiesOption;
    if (!options.caseSensitive)
        flags |= QRegularExpression::CaseInsensitiveOption;
    m_expression = QRegularExpression(pattern, flags);
}

QString TextSearch::error() const {
    if (m_options.pattern.isEmpty())
        return QCoreApplication::translate("velbrant", "Geben Sie ein, wonach gesucht wird.");
    if (!m_expression.isValid())
        return QCoreApplication::translate(
                   "velbrant", "Der reguläre Ausdruck lässt sich nicht lesen: %1 (Zeichen %2).")
            .arg(m_expression.errorString())
            .arg(m_expression.patternErrorOffset() + 1);
    return QString();
}

std::vector<SearchHit> TextSearch::hits(const Document& document) const {
    std::vector<SearchHit> found;
    if (!error().isEmpty())
        return found;
    const auto search = [&](std::size_t element, const FieldText& text) {
        for (int line = 0; line < text.lines.size(); ++line) {
            auto matches = m_expression.globalMatch(text.lines[line]);
            while (matches.hasNext()) {
                const auto match = matches.next();
                if (match.capturedLength() > 0)
                    found.push_back({element, text.field, line,
                                     static_cast<int>(match.capturedStart()),
                                     static_cast<int>(match.capturedLength())});
            }
        }
    };
    if (m_options.title)
        search(SearchHit::Title,
               {SearchHit::Field::Title, {QString::fromStdString(document.shownTitle())}});
    const std::vector<const Element*> elements = document.elementsInReadingOrder();
    for (std::size_t i = 0; i < elements.size(); ++i)
        for (const FieldText& text : fieldsOf(*elements[i], m_options))
            search(i, text);
    return found;
}

QString TextSearch::replacedLine(const QString& line, const QString& with, int start,
                                 int& count) const {
    QString result;
    int copied = 0;
    auto matches = m_expression.globalMatch(line);
    while (matches.hasNext()) {
        const auto match = matches.next();
        if (match.capturedLength() == 0 || (start >= 0 && match.capturedStart() != start))
            continue;
        result += line.mid(copied, match.capturedStart() - copied);
        // Back references (\1) only where the pattern is an expression.
        QString replacement = with;
        if (m_options.regularExpression) {
            for (int group = m_expression.captureCount(); group >= 0; --group)
                replacement.replace(QStringLiteral("\\%1").arg(group), match.captured(group));
        }
        result += replacement;
        copied = static_cast<int>(match.capturedEnd());
        ++count;
    }
    return result + line.mid(copied);
}

Replacement TextSearch::replaceAll(const Document& document, const QString& with) const {
    return replace(document, with, nullptr);
}

Replacement TextSearch::replaceHit(const Document& document, const SearchHit& hit,
                                   const QString& with) const {
    return replace(document, with, &hit);
}

Replacement TextSearch::replace(const Document& document, const QString& with,
                                const SearchHit* only) const {
    Replacement result;
    if (!error().isEmpty())
        return result;
    // The lines of a field with its matches (or the one hit) replaced.
    const auto replaced = [&](std::size_t element, const FieldText& text) {
        QStringList lines = text.lines;
        for (int line = 0; line < lines.size(); ++line) {
            if (only != nullptr &&
                (only->element != element || only->field != text.field || only->line != line))
                continue;
            lines[line] = replacedLine(lines[line], with, only ? only->start : -1, result.count);
        }
        return lines;
    };
    if (m_options.title && (only == nullptr || only->element == SearchHit::Title)) {
        const QString shown = QString::fromStdString(document.shownTitle());
        const QString title =
            replaced(SearchHit::Title, {SearchHit::Field::Title, {shown}}).front();
        if (const QString why = whyTooLong({title}); !why.isEmpty()) {
            result.refusal = QCoreApplication::translate("velbrant", "Der Titel: %1").arg(why);
            return result;
        }
        if (title != shown) {
            TypedHeader typed =
                typedHeader(document.nsdRootShare(), title.toStdString(), document.shownComment());
            HeaderChange header = recordHeader(document);
            header.title = std::move(typed.title);
            header.root = std::move(typed.root);
            result.changes.emplace_back(std::move(header));
        }
    }
    const std::vector<const Element*> elements = document.elementsInReadingOrder();
    for (std::size_t i = 0; i < elements.size(); ++i) {
        if (only != nullptr && only->element != i)
            continue;
        const Element& element = *elements[i];
        TextChange change = recordText(element);
        for (const FieldText& text : fieldsOf(element, m_options)) {
            const QStringList lines = replaced(i, text);
            if (lines == text.lines)
                continue;
            const bool symbol =
                text.field == SearchHit::Field::Text && isSymbolFont(element.font());
            // Element texts take any character; labels are Windows-1252.
            const QString why = text.field == SearchHit::Field::Comment ? QString()
                                : text.field == SearchHit::Field::Text && !symbol
                                    ? whyTooLong(lines)
                                    : whyUnstorable(lines, symbol);
            if (!why.isEmpty()) {
                result.refusal = QStringLiteral("„%1“: %2").arg(elementName(element), why);
                result.changes.clear();
                return result;
            }
            switch (text.field) {
            case SearchHit::Field::Text:
                setTyped(change, lines, symbol);
                break;
            case SearchHit::Field::Label:
                change.labels = encodeLines(lines, false);
                break;
            case SearchHit::Field::Comment:
                change.nsd = withComment(change.nsd.get(), toUtf8Lines(lines));
                break;
            case SearchHit::Field::Title:
                break;
            }
        }
        if (change != recordText(element))
            result.changes.emplace_back(std::move(change));
    }
    return result;
}

} // namespace velbrant
