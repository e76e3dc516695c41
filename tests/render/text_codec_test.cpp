#include "qstring_printer.h"
#include "render/text_codec.h"

#include <gtest/gtest.h>

namespace velbrant {
namespace {

std::string allBytes() {
    std::string bytes;
    for (int byte = 0; byte < 256; ++byte)
        bytes.push_back(static_cast<char>(byte));
    return bytes;
}

TEST(TextCodec, EveryByteSurvivesARoundTripInBothEncodings) {
    const std::string bytes = allBytes();
    EXPECT_EQ(encodeText(decodeText(bytes)), bytes);
    EXPECT_EQ(encodeText(decodeText(bytes, true), true), bytes);
}

TEST(TextCodec, Windows1252HasItsOwnUpperControlRange) {
    EXPECT_EQ(decodeText("\x80\x9F\xE4\xDF\xC4"), QString::fromUtf8("€ŸäßÄ"));
    EXPECT_EQ(decodeText("\x81").at(0).unicode(), 0x81);
    EXPECT_EQ(encodeText(QString::fromUtf8("Größe €")), "Gr\xF6\xDF"
                                                        "e \x80");
}

TEST(TextCodec, SymbolFontBytesAreGreekAndSigns) {
    EXPECT_EQ(decodeText("\xAC", true), QString(QChar(0x2190)));
    EXPECT_EQ(decodeText("abp", true), QString::fromUtf8("αβπ"));
    EXPECT_EQ(decodeText("\x22", true), QString(QChar(0x2200)));
    EXPECT_EQ(encodeText(QString::fromUtf8("α←"), true), "a\xAC");
    EXPECT_EQ(encodeText(QStringLiteral("-"), true), "-");
}

TEST(TextCodec, CharactersWithoutAByteBecomeQuestionMarks) {
    EXPECT_EQ(encodeText(QString::fromUtf8("a→b")), "a?b");
    EXPECT_EQ(encodeText(QString::fromUtf8("日"), true), "?");
}

} // namespace
} // namespace velbrant
