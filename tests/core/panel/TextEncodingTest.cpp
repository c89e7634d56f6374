#include "panel/TextEncoding.h"

#include <gtest/gtest.h>

using namespace qarvo::panel;

TEST(TextEncoding, Cp1252HighRangeHasItsOwnCharacters)
{
    EXPECT_EQ(cp1252ToUnicode(0x80), U'\u20AC');
    EXPECT_EQ(cp1252ToUnicode(0x8A), U'\u0160');
    EXPECT_EQ(cp1252ToUnicode(0x92), U'\u2019');
    EXPECT_EQ(cp1252ToUnicode(0x9F), U'\u0178');
    EXPECT_EQ(cp1252ToUnicode(0x81), U'\u0081') << "undefined bytes keep their value";
    EXPECT_EQ(cp1252ToUnicode(0xA0), U'\u00A0');
    EXPECT_EQ(cp1252ToUnicode(0xE9), U'\u00E9');
    EXPECT_EQ(cp1252ToUnicode('A'), U'A');
}

TEST(TextEncoding, EveryCp1252ByteRoundTrips)
{
    for (int b = 0; b < 256; ++b) {
        const auto byte = static_cast<std::uint8_t>(b);
        EXPECT_EQ(unicodeToCp1252(cp1252ToUnicode(byte)), byte) << b;
        const std::uint8_t one[1] = {byte};
        EXPECT_EQ(utf8ToCp1252(cp1252ToUtf8(one)), std::string(1, static_cast<char>(byte))) << b;
    }
    EXPECT_EQ(unicodeToCp1252(U'\u0080'), std::nullopt) << "U+0080 is not the euro byte's character";
    EXPECT_EQ(unicodeToCp1252(U'\u65E5'), std::nullopt);
    EXPECT_EQ(utf8ToCp1252("a\xE6\x97\xA5z"), "a?z");
}

TEST(TextEncoding, Utf16RoundTripIncludingSurrogatePairs)
{
    const std::string text = "Zone \xC3\xA9 \xE2\x82\xAC \xF0\x9F\x98\x80";
    const std::u16string wide = utf8ToUtf16(text);
    EXPECT_EQ(wide, u"Zone \u00E9 \u20AC \U0001F600");
    EXPECT_EQ(wide.size(), 11u) << "the emoji takes two UTF-16 units";
    EXPECT_EQ(utf16ToUtf8(wide), text);
}

TEST(TextEncoding, MalformedInputBecomesReplacementCharacters)
{
    const std::string replacement = "\xEF\xBF\xBD";
    EXPECT_EQ(encodeUtf8(decodeUtf8("a\xC3")), "a" + replacement) << "truncated sequence";
    EXPECT_EQ(encodeUtf8(decodeUtf8("\xC0\xAF")), replacement) << "overlong";
    EXPECT_EQ(encodeUtf8(decodeUtf8("\xED\xA0\x80")), replacement) << "encoded surrogate";
    EXPECT_EQ(encodeUtf8(decodeUtf8("\xFF" "b")), replacement + "b");
    EXPECT_EQ(encodeUtf8(decodeUtf8("\x80")), replacement) << "stray continuation";
    EXPECT_EQ(utf16ToUtf8(std::u16string{u'a', char16_t(0xD800), u'b'}), "a" + replacement + "b");
    EXPECT_EQ(utf16ToUtf8(std::u16string{char16_t(0xDC00)}), replacement);
    EXPECT_EQ(encodeUtf8(std::u32string{char32_t(0x110000)}), replacement);
}
