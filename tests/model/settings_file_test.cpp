#include "model/files/default_labels_file.h"

#include <gtest/gtest.h>

namespace velbrant {
namespace {

TEST(SettingsFile, ANewFileHoldsTheTenQuotedLabelsThenTheArrowOption) {
    ProfileFile file;
    writeDefaultLabels(file, DefaultLabels{});
    EXPECT_EQ(file.text(), "[defaults]\n"
                           "default_strukt_prefix=\"STRUKT\"\n"
                           "default_yes=\"Wahr\"\n"
                           "default_no=\"Falsch\"\n"
                           "default_if=\"\"\n"
                           "default_while=\"\"\n"
                           "default_repeat=\"\"\n"
                           "default_for=\"\"\n"
                           "default_case=\"\"\n"
                           "default_case_prefix=\"Fall \"\n"
                           "default_case_else=\"sonst\"\n"
                           "\n"
                           "[autocorrect]\n"
                           "Arrow=0\n");
    EXPECT_EQ(readDefaultLabels(ProfileFile(file.text()), DefaultLabels{}), DefaultLabels{});
}

TEST(SettingsFile, ReadingDropsBlanksAndOnePairOfQuotesAndKeepsWhatIsMissing) {
    DefaultLabels current;
    current.no = "Nein";
    const ProfileFile file("; Velbrant\r\n"
                           "[Defaults]\r\n"
                           "DEFAULT_YES =   Ja  \r\n"
                           "default_case_prefix= \"Fall \" \r\n"
                           "default_case_else='\"sonst\"'\r\n"
                           "default_while=" +
                           std::string(300, 'w') + "\r\n");
    const DefaultLabels labels = readDefaultLabels(file, current);
    EXPECT_EQ(labels.yes, "Ja");
    EXPECT_EQ(labels.no, "Nein");
    EXPECT_EQ(labels.casePrefix, "Fall ");
    EXPECT_EQ(labels.caseElse, "\"sonst\"");
    EXPECT_EQ(labels.whileText, std::string(255, 'w'));
    EXPECT_FALSE(labels.replaceArrow);
}

TEST(SettingsFile, TheArrowOptionIsAnyNonZeroDecimalOrHexNumber) {
    const auto arrow = [](const std::string& value) {
        return readDefaultLabels(ProfileFile("[autocorrect]\nArrow=" + value + "\n"),
                                 DefaultLabels{})
            .replaceArrow;
    };
    EXPECT_TRUE(arrow("5"));
    EXPECT_TRUE(arrow("0x10"));
    EXPECT_TRUE(arrow("7 Tage"));
    EXPECT_FALSE(arrow("0"));
    EXPECT_FALSE(arrow("0x"));
    EXPECT_FALSE(arrow("ja"));
    EXPECT_FALSE(arrow(""));
}

TEST(SettingsFile, WritingUpdatesKeysInPlaceAndKeepsEverythingElse) {
    const std::string before = "; eigene Notiz\r\n"
                               "[fenster]\r\n"
                               "breite=900\r\n"
                               "[defaults]\r\n"
                               "default_yes=\"Ja\"\r\n"
                               "x=1\r\n"
                               "\r\n"
                               "[andere]\r\n"
                               "y=2";
    ProfileFile file(before);
    DefaultLabels labels;
    labels.yes = "Wahr";
    labels.replaceArrow = true;
    writeDefaultLabels(file, labels);
    const std::string after = file.text();
    const std::string head = "; eigene Notiz\r\n[fenster]\r\nbreite=900\r\n[defaults]\r\n"
                             "default_yes=\"Wahr\"\r\n";
    EXPECT_EQ(after.substr(0, head.size()), head);
    EXPECT_NE(after.find("x=1\r\ndefault_strukt_prefix=\"STRUKT\"\r\n"), std::string::npos);
    EXPECT_NE(after.find("default_case_else=\"sonst\"\r\n\r\n[andere]\r\ny=2\r\n"),
              std::string::npos);
    const std::string tail = "y=2\r\n\r\n[autocorrect]\r\nArrow=1";
    EXPECT_EQ(after.substr(after.size() - tail.size()), tail);
}

} // namespace
} // namespace velbrant
