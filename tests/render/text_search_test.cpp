#include "model/elements/case.h"
#include "model/history/undo_change.h"
#include "model/notation/text_notation.h"
#include "qstring_printer.h"
#include "render/qt_text_measurer.h"
#include "render/text_codec.h"
#include "render/text_search.h"

#include <gtest/gtest.h>

namespace velbrant {
namespace {

class TextSearchTest : public ::testing::Test {
protected:
    QtTextMeasurer measurer;
    std::unique_ptr<Document> document = loadNotation("titel Z\xE4hle i\n"
                                                      "i := 1\n"
                                                      "solange i <= n\n"
                                                      "    Ausgabe: Liste[i], \"bis i\"\n"
                                                      "    i := i + 1\n"
                                                      "fallunterscheidung i\n"
                                                      "    fall i\n"
                                                      "        Eingabe: I\n",
                                                      measurer, {});

    std::vector<std::string> textsOf(std::size_t index) const {
        return document->elementsInReadingOrder()[index]->lines();
    }
    // The replacement applied as an editor would, giving what undoes it.
    std::vector<UndoChange> apply(const Replacement& replacement) {
        EXPECT_TRUE(replacement.refusal.isEmpty()) << replacement.refusal.toStdString();
        auto undo =
            applyChanges(replacement.changes, *document, document->layoutContext(measurer, {}));
        document->layout(measurer, {});
        return undo;
    }
};

TEST_F(TextSearchTest, AWholeWordIsReplacedEverywhereAndNowhereElseAndUndoesAtOnce) {
    SearchOptions options{QStringLiteral("i")};
    options.wholeWord = true;
    options.caseSensitive = true;
    const TextSearch search(options);
    // "Liste", "bis" and the capital I are not the word i; a string's
    // content is text like any other.
    EXPECT_EQ(search.hits(*document).size(), 7u);
    const auto before = writeNotation(*document).text;
    const Replacement replacement = search.replaceAll(*document, QStringLiteral("k"));
    EXPECT_EQ(replacement.count, 7);
    const auto undo = apply(replacement);
    EXPECT_EQ(textsOf(0), (std::vector<std::string>{"k := 1"}));
    EXPECT_EQ(textsOf(1), (std::vector<std::string>{"solange k <= n"}));
    EXPECT_EQ(textsOf(2), (std::vector<std::string>{"Ausgabe: Liste[k], \"bis k\"", "k := k + 1"}));
    EXPECT_EQ(textsOf(3), (std::vector<std::string>{"k"})) << "the case's selector";
    EXPECT_EQ(textsOf(4), (std::vector<std::string>{"Eingabe: I"}));
    EXPECT_EQ(document->format().title, "Z\xE4hle i") << "the title only when asked";
    EXPECT_EQ(static_cast<const Case*>(document->elementsInReadingOrder()[3])->branchLabels(),
              (std::vector<std::string>{"i"}))
        << "labels only when asked";
    applyChanges(undo, *document, document->layoutContext(measurer, {}));
    EXPECT_EQ(writeNotation(*document).text, before);
}

TEST_F(TextSearchTest, TitleLabelsAndCommentsAreSearchedWhenAskedAndCaseIsIgnoredByDefault) {
    SearchOptions options{QStringLiteral("i")};
    options.wholeWord = true;
    options.title = true;
    options.caseLabels = true;
    options.comments = true;
    const std::vector<SearchHit> hits = TextSearch(options).hits(*document);
    ASSERT_EQ(hits.size(), 10u) << "7 in texts, the capital I, a label and the title";
    EXPECT_EQ(hits.front(), (SearchHit{SearchHit::Title, SearchHit::Field::Title, 0, 6, 1}));
    const Replacement replacement = TextSearch(options).replaceAll(*document, "zahl");
    EXPECT_EQ(replacement.count, 10);
    apply(replacement);
    EXPECT_EQ(decodeText(document->format().title), QStringLiteral("Zähle zahl"));
    EXPECT_EQ(static_cast<const Case*>(document->elementsInReadingOrder()[3])->branchLabels(),
              (std::vector<std::string>{"zahl"}));
}

TEST_F(TextSearchTest, ExpressionsReplaceWithBackReferencesAndOneHitAlone) {
    SearchOptions options{QStringLiteral("(\\w+) := (\\d+)")};
    options.regularExpression = true;
    const TextSearch search(options);
    const std::vector<SearchHit> hits = search.hits(*document);
    ASSERT_EQ(hits.size(), 1u);
    apply(search.replaceHit(*document, hits.front(), QStringLiteral("\\1 <- \\2")));
    EXPECT_EQ(textsOf(0), (std::vector<std::string>{"i <- 1"}));

    SearchOptions plain{QStringLiteral("i")};
    plain.wholeWord = true;
    const TextSearch each(plain);
    const SearchHit second = each.hits(*document)[2];
    EXPECT_EQ(second.element, 2u);
    apply(each.replaceHit(*document, second, QStringLiteral("\\1")));
    EXPECT_EQ(textsOf(2).front(), "Ausgabe: Liste[\\1], \"bis i\"")
        << "a plain replacement is taken as written, the first i alone";
}

// Texts are searched as drawn: a typed "≤" is found as itself, and replaced
// by the file's spelling it is that spelling.
TEST_F(TextSearchTest, ExactTextsAreSearchedAndReplacedAsTheyAreDrawn) {
    auto& first = const_cast<Element&>(*document->elementsInReadingOrder()[0]);
    first.setTypedLines({"i \u2190 n \u2264 3"});
    SearchOptions options{QStringLiteral("≤")};
    const TextSearch search(options);
    ASSERT_EQ(search.hits(*document).size(), 1u);
    apply(search.replaceAll(*document, QStringLiteral("<=")));
    EXPECT_EQ(first.lines(), std::vector<std::string>{"i <- n <= 3"});
    EXPECT_EQ(first.shownLines(), std::vector<std::string>{"i \u2190 n <= 3"});
    apply(TextSearch(SearchOptions{QStringLiteral("←")}).replaceAll(*document, "<-"));
    EXPECT_EQ(first.shownLines(), std::vector<std::string>{"i <- n <= 3"});

    // The title too, kept exact beside its file form.
    document->setTypedHeader("Z\u00e4hle \u2264 i", {});
    SearchOptions titled{QStringLiteral("≤")};
    titled.title = true;
    const std::vector<SearchHit> found = TextSearch(titled).hits(*document);
    ASSERT_EQ(found.size(), 1u);
    EXPECT_EQ(found.front().element, SearchHit::Title);
    const auto undo = apply(TextSearch(titled).replaceAll(*document, QStringLiteral("≠")));
    EXPECT_EQ(document->shownTitle(), "Z\u00e4hle \u2260 i");
    EXPECT_EQ(document->format().title, "Z\xE4hle <> i");
    applyChanges(undo, *document, document->layoutContext(measurer, {}));
    EXPECT_EQ(document->shownTitle(), "Z\u00e4hle \u2264 i");
}

TEST_F(TextSearchTest, WhatCannotBeSearchedOrStoredIsRefusedWithItsReason) {
    SearchOptions broken{QStringLiteral("(i")};
    broken.regularExpression = true;
    EXPECT_TRUE(TextSearch(broken).error().contains(QStringLiteral("regulär")));
    EXPECT_TRUE(TextSearch(broken).hits(*document).empty());
    EXPECT_FALSE(TextSearch(SearchOptions{}).error().isEmpty());

    SearchOptions options{QStringLiteral("Liste")};
    const Replacement tooLong =
        TextSearch(options).replaceAll(*document, QString(300, QChar(u'x')));
    EXPECT_TRUE(tooLong.changes.empty());
    EXPECT_TRUE(tooLong.refusal.contains(QStringLiteral("„Ausgabe: Liste[i], \"bis i\"“")))
        << tooLong.refusal.toStdString();
    EXPECT_TRUE(tooLong.refusal.contains(QStringLiteral("255")));
}

} // namespace
} // namespace velbrant
