#include "model/files/structogram_file.h"
#include "model/messages/said.h"
#include "model/notation/text_notation.h"
#include "model/structorizer/nsd_file.h"
#include "model_fixture.h"

#include <map>

namespace velbrant {
namespace {

using messages::said;

// A translation that knows a few texts, by context.
class Spoken {
public:
    explicit Spoken(std::map<std::pair<std::string, std::string>, std::string> texts)
        : m_texts(std::move(texts)) {
        messages::installTranslation([this](const char* context, const char* german) {
            const auto found = m_texts.find({context, german});
            return found == m_texts.end() ? std::string() : found->second;
        });
    }
    ~Spoken() { messages::installTranslation({}); }
    Spoken(const Spoken&) = delete;
    Spoken& operator=(const Spoken&) = delete;

private:
    std::map<std::pair<std::string, std::string>, std::string> m_texts;
};

TEST(Messages, PlacesAreFilledAfterTranslationInTheTranslationsOrder) {
    EXPECT_EQ(said("run", "Index %1 außerhalb von %2 (%3)").arg(7).arg("a").arg("leer").str(),
              "Index 7 außerhalb von a (leer)");
    const Spoken english({{{"run", "Index %1 außerhalb von %2 (%3)"}, "%2[%1] outside %3"}});
    EXPECT_EQ(said("run", "Index %1 außerhalb von %2 (%3)").arg(7).arg("a").arg("%1").str(),
              "a[7] outside %1");
    // A place without a value stays as it is written; a lone % too.
    EXPECT_EQ(said("other", "%1 von 100% und %2").arg("5").str(), "5 von 100% und %2");
    const std::vector<messages::Said::Piece> pieces =
        said("run", "Index %1 außerhalb von %2 (%3)").pieces();
    ASSERT_EQ(pieces.size(), 5U);
    EXPECT_EQ(pieces[0].place, 1);
    EXPECT_EQ(pieces[1].text, "[");
    EXPECT_EQ(pieces[3].text, "] outside ");
    EXPECT_EQ(pieces[4].place, 2);
    EXPECT_EQ(messages::counted(1, said("x", "%1 Farbe"), said("x", "%1 Farben")).str(), "1 Farbe");
    EXPECT_EQ(messages::counted(3, said("x", "%1 Farbe von %2"), said("x", "%1 Farben von %2"))
                  .arg("a")
                  .str(),
              "3 Farben von a");
}

// Each reader says why a file does not read in the spoken language, down
// to the name of the field it was reading.
class MessagesOfReaders : public test::ModelTest {
protected:
    Document document{canvas};
};

TEST_F(MessagesOfReaders, SayWhyAFileDoesNotReadInTheSpokenLanguage) {
    const Spoken english({{{"files", "Länge %1 von %2 liegt nicht in 0..255"},
                           "Length %1 of %2 is not within 0..255"},
                          {{"files", "Titel"}, "title"},
                          {{"files", "%1 (Byte %2)"}, "%1 (byte %2)"},
                          {{"structorizer", "Kein gültiges XML: %1"}, "No valid XML: %1"},
                          {{"structorizer", "%1 (Zeile %2)"}, "%1 (line %2)"},
                          {{"notation", "Zeile %1: %2"}, "Line %1: %2"},
                          {{"notation", "%1 ohne „bis“"}, "%1 without “bis”"},
                          {{"notation", "„%1“"}, "“%1”"}});
    document.setFormat({.title = "T"});
    Bytes bytes = encodeDocument(document);
    const Bytes longTitle{0x2C, 1, 0, 0};
    std::copy(longTitle.begin(), longTitle.end(), bytes.begin() + 36);
    try {
        loadDocument(bytes, canvas, DefaultLabels{});
        ADD_FAILURE() << "a title of 300 characters was read";
    } catch (const FormatError& error) {
        EXPECT_STREQ(error.what(), "Length 300 of title is not within 0..255 (byte 36)");
    }
    try {
        loadNsd("<root", canvas, DefaultLabels{});
        ADD_FAILURE() << "broken XML was read";
    } catch (const FormatError& error) {
        EXPECT_STREQ(error.what(),
                     "No valid XML: Ein Element beginnt fehlerhaft (line 1) (byte 4)");
    }
    try {
        readNotation("wiederhole\n  x := 1\n", document.layoutContext(canvas, DefaultLabels{}));
        ADD_FAILURE() << "a repeat loop without its foot was read";
    } catch (const NotationError& error) {
        EXPECT_STREQ(error.what(), "Line 1: “wiederhole” without “bis”");
    }
}

} // namespace
} // namespace velbrant
