#include "model/layout/element_font.h"

#include <gtest/gtest.h>

namespace velbrant {
namespace {

TEST(MakeLogFont, StyleBitsBecomeWeightAndFlags) {
    EXPECT_EQ(makeLogFont({"Arial", 14, Bold}).height, -49);
    EXPECT_EQ(makeLogFont({"Arial", 14, Bold}).weight, 700);
    const LogicalFont font = makeLogFont({"Arial", 10, Italic | Underline | StrikeOut});
    EXPECT_EQ(font.weight, 400);
    EXPECT_TRUE(font.italic && font.underline && font.strikeOut);
}

TEST(MakeLogFont, OnlyTheExactNameSymbolSelectsTheSymbolSet) {
    EXPECT_EQ(makeLogFont({"Symbol", 10, 0}).charSet, SymbolCharSet);
    EXPECT_EQ(makeLogFont({"symbol", 10, 0}).charSet, AnsiCharSet);
    EXPECT_EQ(makeLogFont({"Symbol ", 10, 0}).charSet, AnsiCharSet);
}

TEST(MakeLogFont, TheScaledHeightIsRoundedAgain) {
    EXPECT_EQ(makeLogFont({"Arial", 10, 0}, 2.0).height, -70);
    EXPECT_EQ(makeLogFont({"Arial", 10, 0}, 0.5).height, -18); // 17.5 to even
    EXPECT_EQ(makeLogFont({"Arial", 10, 0}, 0.1).height, -4);  // 3.5 to even
}

TEST(FontRecord, RoundTripsLongNamesHighBytesAndNegativeSizes) {
    const ElementFont font{std::string(255, '\xE4'), -300, StrikeOut};
    const FontRecord record = encodeFontRecord(font);
    EXPECT_EQ(record[0], 255);
    EXPECT_EQ(decodeFontRecord(record), font);
}

} // namespace
} // namespace velbrant
