#include "library/cp1254.h"

#include <gtest/gtest.h>

#include <string>

namespace ritmora {
namespace {

TEST(Cp1254, EveryByteRoundTripsAndTheTurkishLettersAreTheirOwn) {
    std::string all;
    for (int b = 0; b < 256; ++b) all += static_cast<char>(b);
    const std::string utf8 = Cp1254ToUtf8(all);
    EXPECT_EQ(Utf8Length(utf8), 256u);
    EXPECT_EQ(Utf8ToCp1254(utf8), all);
    // The six letters where Windows-1254 differs from Latin-1, plus letters shared with it.
    EXPECT_EQ(Cp1254ToUtf8("\xD0\xF0\xDD\xFD\xDE\xFE"), "ĞğİıŞş");
    EXPECT_EQ(Utf8ToCp1254("ÇçÖöÜüÂâÎî"), "\xC7\xE7\xD6\xF6\xDC\xFC\xC2\xE2\xCE\xEE");
    EXPECT_EQ(Cp1254ToUtf8("\x80\x99\x9F"), "€™Ÿ");
    // Bytes the code page leaves undefined come back as the C1 control of the same value.
    EXPECT_EQ(Cp1254ToUtf8("\x81\x9E"), "\xC2\x81\xC2\x9E");
}

TEST(Cp1254, CharactersWithoutAByteBecomeQuestionMarks) {
    EXPECT_EQ(Utf8ToCp1254("aЖb"), "a?b");     // Cyrillic
    EXPECT_EQ(Utf8ToCp1254("\xC2\x80"), "?");  // 0x80 is the euro sign, not U+0080
    EXPECT_EQ(Utf8ToCp1254("x😀"), "x?");       // outside the basic plane
    // Malformed UTF-8: every stray byte is one character of its own.
    EXPECT_EQ(Utf8ToCp1254("a\xC3"), "a?");
    EXPECT_EQ(Utf8ToCp1254("\xC0\xAF"), "??");  // overlong
    EXPECT_EQ(Utf8Length("a\xC3"), 2u);
    EXPECT_EQ(Utf8Length("İkiz aksak"), 10u);
    EXPECT_EQ(ShownText(std::string("a\0b\0", 4)), "a b ");
}

}  // namespace
}  // namespace ritmora
