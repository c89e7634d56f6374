#include "link/PanelMessage.h"

#include <gtest/gtest.h>

#include <vector>

using namespace qarvo;
using namespace qarvo::link;

namespace {
std::vector<std::uint8_t> withCheck(std::vector<std::uint8_t> m)
{
    m.push_back(checkByte(m));
    return m;
}
std::vector<std::uint8_t> bytesOf(const CCommBuff& b) { return {b.data.begin(), b.data.begin() + b.count}; }
} // namespace

TEST(PanelMessage, CheckByteMakesTheSumZero)
{
    EXPECT_EQ(withCheck({0x13, 0xC0}), (std::vector<std::uint8_t>{0x13, 0xC0, 0x2D}));
    EXPECT_EQ(checkByte(std::vector<std::uint8_t>{}), 0);
    EXPECT_TRUE(sumIsZero(withCheck({0xE5, 0xB8, 0x5C, 0x03})));
}

TEST(PanelMessage, EncodingAppendsTheCheckByteAndLeavesAnEmptyMessageEmpty)
{
    struct Case {
        std::vector<std::uint8_t> message;
        std::vector<std::uint8_t> wire;
    };
    const Case cases[] = {
        {{0x13, 0xC0}, {0x13, 0xC0, 0x2D}},
        {{0xE3, 0x01}, {0xE3, 0x01, 0x1C}},
        {{}, {}},
    };
    for (const Case& c : cases) {
        CCommBuff b;
        buildMessage(b, c.message);
        const EncodedMessage encoded = encodeMessage(b);
        EXPECT_EQ(std::vector<std::uint8_t>(encoded.bytes().begin(), encoded.bytes().end()), c.wire);
    }
}

TEST(PanelMessage, BufferKeepsAtMost511BytesDroppingTheOldest)
{
    CCommBuff b;
    for (int i = 0; i < 511; ++i)
        appendByte(b, static_cast<std::uint8_t>(i));
    EXPECT_EQ(b.count, 511);
    appendByte(b, 0xEE);
    EXPECT_EQ(b.count, 511);
    EXPECT_EQ(b.data[0], 1) << "the oldest byte went";
    EXPECT_EQ(b.data[510], 0xEE);
}

TEST(PanelMessage, BuildReplacesTheBufferAndAnEmptyBuildSendsNothing)
{
    CCommBuff b;
    buildMessage(b, {0x05, 0x00, 0x00, 0x10});
    EXPECT_EQ(bytesOf(b), (std::vector<std::uint8_t>{0x05, 0x00, 0x00, 0x10}));
    buildMessage(b, {});
    EXPECT_TRUE(b.empty());
}

TEST(PanelMessage, MemoryMessageRefusesTheMissingSettingAddress)
{
    CCommBuff b;
    EXPECT_TRUE(buildMemoryMessage(b, 0x06, {0x73, 0x06}));
    EXPECT_EQ(b.count, 2);
    EXPECT_FALSE(buildMemoryMessage(b, kInvalidMemoryAddress, {0x73, 0xFF}));
    EXPECT_TRUE(b.empty());
}

TEST(PanelMessage, LengthTableAndStatusExtensions)
{
    EXPECT_EQ(messageLength(0x05, 16, 8), 8u);
    EXPECT_EQ(messageLength(0xE6, 16, 8), 6u);
    EXPECT_EQ(messageLength(0x00, 16, 8), 0u);
    EXPECT_EQ(messageLength(0x33, 16, 8), 0u);
    EXPECT_EQ(checkedLength(0x1E, 16, 8), 33u);
    EXPECT_EQ(messageLength(0x1E, 16, 8), 35u) << "two communicator bytes follow";
    EXPECT_EQ(checkedLength(0x1F, 12, 6), 28u);
    EXPECT_EQ(checkedLength(0x1E, 12, 6), 29u);
}

TEST(PanelStream, SkipsBytesWithoutALengthThenYieldsTheMessage)
{
    PanelStream s;
    ASSERT_TRUE(s.append(std::vector<std::uint8_t>{0x00, 0x13, 0xC0, 0x2D}));
    CCommBuff m;
    ASSERT_TRUE(s.next(m, 16, 8));
    EXPECT_EQ(bytesOf(m), (std::vector<std::uint8_t>{0x13, 0xC0, 0x2D}));
    EXPECT_EQ(s.size(), 0u);
}

TEST(PanelStream, WaitsForTheRestOfASplitMessage)
{
    PanelStream s;
    const auto whole = withCheck({0x77, 0x06, 1, 2, 3, 4});
    ASSERT_TRUE(s.append(std::span(whole).first(3)));
    CCommBuff m;
    EXPECT_FALSE(s.next(m, 16, 8));
    ASSERT_TRUE(s.append(std::span(whole).subspan(3)));
    ASSERT_TRUE(s.next(m, 16, 8));
    EXPECT_EQ(bytesOf(m), whole);
}

TEST(PanelStream, ResynchronisesPastABadSum)
{
    PanelStream s;
    auto bad = withCheck({0xE5, 0x88, 0x6F, 0x04});
    bad.back() ^= 1;
    const auto good = withCheck({0xE3, 0x01});
    bad.insert(bad.end(), good.begin(), good.end());
    ASSERT_TRUE(s.append(bad));
    CCommBuff m;
    ASSERT_TRUE(s.next(m, 16, 8));
    EXPECT_EQ(bytesOf(m), good);
}

TEST(PanelStream, StatusMessageNeedsItsExtendedSumAndTrailingBytes)
{
    std::vector<std::uint8_t> status(17 + 12 - 1, 0);
    status[0] = 0x1E;
    status[5] = 0x42;
    auto message = withCheck(status);
    message.push_back(0x01); // communicator state
    message.push_back(0x33); // signal strength

    PanelStream s;
    ASSERT_TRUE(s.append(message));
    CCommBuff m;
    ASSERT_TRUE(s.next(m, 12, 6));
    EXPECT_EQ(m.count, message.size());

    // With sixteen zones the same bytes are too short and never sum right.
    PanelStream wrongCount;
    ASSERT_TRUE(wrongCount.append(message));
    EXPECT_FALSE(wrongCount.next(m, 16, 8));
}

TEST(PanelStream, DropsAPayloadThatDoesNotFit)
{
    PanelStream s;
    std::vector<std::uint8_t> big(500, 0x00);
    ASSERT_TRUE(s.append(big));
    EXPECT_FALSE(s.append(std::vector<std::uint8_t>(13, 0x13)));
    EXPECT_EQ(s.size(), 500u);
}
