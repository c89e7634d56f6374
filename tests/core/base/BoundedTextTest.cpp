#include "base/BoundedText.h"

#include <gtest/gtest.h>

#include <array>
#include <string>

using namespace qarvo::text;

TEST(BoundedText, CopiesWholeWhenTheSourceFitsElseCutsAndReports)
{
    const struct {
        std::string_view source;
        CopyOutcome outcome;
        std::string_view stored;
    } cases[] = {{"ENU", CopyOutcome::Whole, "ENU"},
                 {"DEUT", CopyOutcome::Truncated, "DEU"},
                 {"", CopyOutcome::Whole, ""}};
    for (const auto& c : cases) {
        std::array<char, 5> buffer;
        buffer.fill('#');
        const auto result = boundedCopy(std::span(buffer).first(4), c.source);
        EXPECT_EQ(result.outcome, c.outcome) << c.source;
        EXPECT_EQ(std::string(buffer.data()), c.stored) << c.source;
        EXPECT_EQ(buffer[4], '#') << "nothing written past the buffer";
    }
}

TEST(BoundedText, ReportsTheCallersPlace)
{
    std::array<char16_t, 2> buffer{};
    const int line = __LINE__ + 1;
    const auto result = boundedCopy(std::span(buffer), std::u16string_view(u"abc"));
    EXPECT_EQ(result.outcome, CopyOutcome::Truncated);
    EXPECT_EQ(result.where.line(), static_cast<unsigned>(line));
    EXPECT_NE(std::string(result.where.file_name()).find("BoundedTextTest"), std::string::npos);
    EXPECT_EQ(std::u16string(buffer.data()), u"a");
}

TEST(BoundedText, Utf8ToUtf16KeepsWholeCharacters)
{
    const struct {
        std::string_view source;
        CopyOutcome outcome;
        std::u16string_view stored;
    } cases[] = {{"DEU", CopyOutcome::Whole, u"DEU"},
                 {"\xC3\xA4\xC3\xB6", CopyOutcome::Whole, u"\u00E4\u00F6"},
                 {"ENUX", CopyOutcome::Truncated, u"ENU"},
                 {"ab\xF0\x9F\x98\x80", CopyOutcome::Truncated, u"ab"}, // the pair would not fit
                 {"a\xF0\x9F\x98\x80", CopyOutcome::Whole, u"a\U0001F600"},
                 {"a\xC3", CopyOutcome::Invalid, u""},
                 {"\xC0\xAF", CopyOutcome::Invalid, u""}, // overlong
                 {"\xED\xA0\x80", CopyOutcome::Invalid, u""}, // a surrogate
                 {"abcd\xFF", CopyOutcome::Invalid, u""}};
    for (const auto& c : cases) {
        std::array<char16_t, 4> buffer;
        buffer.fill(u'#');
        const auto result = utf8ToUtf16(buffer, c.source);
        EXPECT_EQ(result.outcome, c.outcome) << c.source;
        EXPECT_EQ(std::u16string(buffer.data()), c.stored) << c.source;
    }
}

TEST(BoundedText, Utf16ToUtf8KeepsWholeCharacters)
{
    const std::u16string loneSurrogate{u'a', char16_t(0xD800), u'b'};
    const struct {
        std::u16string_view source;
        CopyOutcome outcome;
        std::string_view stored;
    } cases[] = {{u"ENU", CopyOutcome::Whole, "ENU"},
                 {u"ab\u00E4", CopyOutcome::Truncated, "ab"}, // a cut ä would be malformed
                 {u"a\u00E4", CopyOutcome::Whole, "a\xC3\xA4"},
                 {u"\U0001F600", CopyOutcome::Truncated, ""},
                 {loneSurrogate, CopyOutcome::Invalid, ""}};
    for (const auto& c : cases) {
        std::array<char, 4> buffer;
        buffer.fill('#');
        const auto result = utf16ToUtf8(buffer, c.source);
        EXPECT_EQ(result.outcome, c.outcome);
        EXPECT_EQ(std::string(buffer.data()), c.stored);
    }
}
