#include "panel/RpsArchive.h"

#include <gtest/gtest.h>

#include <vector>

using namespace qarvo::panel;

namespace {

using Bytes = std::vector<std::uint8_t>;

Bytes written(std::string_view text)
{
    ArchiveWriter w;
    w.writeString(text);
    return w.bytes();
}

Bytes prefixOf(const Bytes& bytes, std::size_t n)
{
    return Bytes(bytes.begin(), bytes.begin() + static_cast<std::ptrdiff_t>(std::min(n, bytes.size())));
}

std::string readBack(const Bytes& bytes, bool* ok = nullptr, std::string* error = nullptr)
{
    ArchiveReader r(bytes);
    std::string text;
    const bool read = r.readString(text, "test string");
    if (ok)
        *ok = read;
    if (error)
        *error = r.error();
    return text;
}

} // namespace

TEST(RpsArchive, StringsAreUtf16BehindTheMark)
{
    EXPECT_EQ(written(""), (Bytes{0xFF, 0xFE, 0xFF, 0x00}));
    EXPECT_EQ(written("Ab\xC3\xA9"), (Bytes{0xFF, 0xFE, 0xFF, 0x03, 'A', 0, 'b', 0, 0xE9, 0}));
    EXPECT_EQ(written("\xF0\x9F\x98\x80"), (Bytes{0xFF, 0xFE, 0xFF, 0x02, 0x3D, 0xD8, 0x00, 0xDE}))
        << "the length counts UTF-16 units";
}

TEST(RpsArchive, LengthFormsByLength)
{
    struct Case {
        std::size_t length;
        Bytes prefix;
    };
    const Case cases[] = {
        {254, {0xFF, 0xFE, 0xFF, 0xFE}},
        {255, {0xFF, 0xFE, 0xFF, 0xFF, 0xFF, 0x00}},
        {300, {0xFF, 0xFE, 0xFF, 0xFF, 0x2C, 0x01}},
        {0xFFFD, {0xFF, 0xFE, 0xFF, 0xFF, 0xFD, 0xFF}},
        {0xFFFE, {0xFF, 0xFE, 0xFF, 0xFF, 0xFF, 0xFF, 0xFE, 0xFF, 0x00, 0x00}},
        {0x12345, {0xFF, 0xFE, 0xFF, 0xFF, 0xFF, 0xFF, 0x45, 0x23, 0x01, 0x00}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.length);
        const std::string text(c.length, 'x');
        const Bytes bytes = written(text);
        EXPECT_EQ(prefixOf(bytes, c.prefix.size()), c.prefix);
        EXPECT_EQ(bytes.size(), c.prefix.size() + 2 * c.length);
        bool ok = false;
        EXPECT_EQ(readBack(bytes, &ok), text);
        EXPECT_TRUE(ok);
    }
}

TEST(RpsArchive, ReaderTakesTheLongFormsForAnyLength)
{
    // A 64-bit length behind all three escapes, holding 2 UTF-16 units.
    const Bytes longest{0xFF, 0xFE, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x02, 0, 0, 0, 0, 0, 0, 0, 'o', 0, 'k', 0};
    EXPECT_EQ(readBack(longest), "ok");
    const Bytes wordForm{0xFF, 0xFE, 0xFF, 0xFF, 0x01, 0x00, 'w', 0};
    EXPECT_EQ(readBack(wordForm), "w");
}

TEST(RpsArchive, SingleByteStringsWithoutTheMark)
{
    EXPECT_EQ(readBack(Bytes{0x04, 'C', 'a', 'f', 0xE9}), "Caf\xC3\xA9");
    EXPECT_EQ(readBack(Bytes{0x01, 0x80}), "\xE2\x82\xAC");
    EXPECT_EQ(readBack(Bytes{0x00}), "");
    EXPECT_EQ(readBack(Bytes{0xFF, 0x02, 0x00, 'h', 'i'}), "hi") << "16-bit length form";
    EXPECT_EQ(readBack(Bytes{0xFF, 0xFF, 0xFF, 0x01, 0x00, 0x00, 0x00, 'z'}), "z") << "32-bit length form";

    // Strings of both kinds one after the other.
    Bytes mixed{0x02, 'a', 'b'};
    const Bytes wide = written("cd");
    mixed.insert(mixed.end(), wide.begin(), wide.end());
    ArchiveReader r(mixed);
    std::string first, second;
    EXPECT_TRUE(r.readString(first, "first"));
    EXPECT_TRUE(r.readString(second, "second"));
    EXPECT_EQ(first, "ab");
    EXPECT_EQ(second, "cd");
    EXPECT_EQ(r.position(), mixed.size());
}

TEST(RpsArchive, ShortAndCorruptStringsFailWithoutReadingPastTheEnd)
{
    std::string error;
    bool ok = true;
    readBack(Bytes{}, &ok, &error);
    EXPECT_FALSE(ok);
    EXPECT_NE(error.find("test string"), std::string::npos) << error;
    EXPECT_NE(error.find("ends early"), std::string::npos) << error;

    const Bytes full = written("hello");
    for (std::size_t n = 0; n < full.size(); ++n) {
        ok = true;
        readBack(prefixOf(full, n), &ok);
        EXPECT_FALSE(ok) << "cut after " << n << " bytes";
    }

    // A length near 2^64 must be refused, not allocated.
    const Bytes huge{0xFF, 0xFE, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xF0, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 'x', 0};
    ok = true;
    readBack(huge, &ok, &error);
    EXPECT_FALSE(ok);
    EXPECT_NE(error.find("inside a string"), std::string::npos) << error;

    ok = true;
    readBack(Bytes{0xFF, 0xFE, 0xFF, 0xFF, 0xFE, 0xFF, 0x01, 'a', 0}, &ok, &error);
    EXPECT_FALSE(ok) << "a second UTF-16 mark is not a length";
}

TEST(RpsArchive, FirstFailureSticks)
{
    const Bytes bytes{0x01};
    ArchiveReader r(bytes);
    Bytes two(2);
    EXPECT_FALSE(r.readBytes(two, "block"));
    std::uint8_t b = 0;
    EXPECT_FALSE(r.readByte(b, "after")) << "reads after a failure fail too";
    EXPECT_NE(r.error().find("block"), std::string::npos) << "the first failure is the one reported";
    EXPECT_EQ(r.position(), 0u);
}
