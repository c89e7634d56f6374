#include "link/Aes128.h"
#include "link/Crc16.h"
#include "link/Datagram.h"

#include <gtest/gtest.h>

#include <string_view>
#include <vector>

using namespace qarvo::link;

namespace {
std::vector<std::uint8_t> bytesOf(std::string_view text) { return {text.begin(), text.end()}; }

Datagram plainHeader()
{
    Datagram d;
    d.setKind(kConnectionTraffic);
    d.setFlags(flags::kFromProgram);
    d.setSourceNode(kProgramNode);
    return d;
}

const Aes128 kKey(Aes128::Block{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16});
} // namespace

TEST(Crc16, KnownAnswerAndSelfCheck)
{
    EXPECT_EQ(crc16(bytesOf("abc")), 0x9738);
    EXPECT_EQ(crc16(bytesOf("123456789")), 0xBB3D);
    EXPECT_EQ(crc16({}), 0);
}

TEST(Datagram, PaddedLengthsFollowTheCipherFlag)
{
    EXPECT_EQ(paddedLength(3, false), 4u);
    EXPECT_EQ(paddedLength(4, false), 4u);
    EXPECT_EQ(paddedLength(0, false), 0u);
    EXPECT_EQ(paddedLength(3, true), 16u);
    EXPECT_EQ(paddedLength(0, true), 16u);
    EXPECT_EQ(paddedLength(16, true), 16u);
    EXPECT_EQ(paddedLength(17, true), 32u);
}

TEST(Datagram, WireLengthsAre22And34And34)
{
    Datagram plain = plainHeader();
    EXPECT_EQ(plain.finalise(3), 4u);
    EXPECT_EQ(plain.wire().size(), 22u);

    Datagram enciphered = plainHeader();
    enciphered.addFlags(flags::kEnciphered);
    enciphered.finalise(3);
    EXPECT_EQ(enciphered.wire().size(), 34u);
    enciphered.finalise(0);
    EXPECT_EQ(enciphered.wire().size(), 34u);
}

TEST(Datagram, FinalisedDatagramChecksToZeroAndPassesTheCheck)
{
    Datagram d = plainHeader();
    d.payload()[0] = 0xAB;
    d.payload()[1] = 0xCD;
    d.payload()[2] = 0xEF;
    d.finalise(3);
    EXPECT_EQ(crc16(d.wire()), 0);
    EXPECT_EQ(d.raw()[0], kStartByte);
    EXPECT_EQ(d.raw()[1], kVersion);
    EXPECT_EQ(d.raw()[10], kBearerSent);
    EXPECT_EQ(d.payloadLength(), 3);

    std::vector<std::uint8_t> received(d.wire().begin(), d.wire().end());
    EXPECT_EQ(check(received, nullptr), CheckResult::Valid);
    received[17] ^= 0x01;
    EXPECT_EQ(check(received, nullptr), CheckResult::BadCrc);
}

TEST(Datagram, SequenceAdvancesUnlessHeld)
{
    Datagram d = plainHeader();
    d.finalise(0);
    d.finalise(0);
    EXPECT_EQ(d.sequence(), 2);
    for (std::uint8_t hold : {flags::kHoldSequence, flags::kHoldSequence2}) {
        d.addFlags(hold);
        d.finalise(0);
        const auto first = d.sequence();
        d.finalise(0);
        EXPECT_EQ(d.sequence(), first);
        d.clearFlags(hold);
    }
}

TEST(Datagram, InitialVectorComesFromConnectionAndSequence)
{
    std::array<std::uint8_t, 16> header{};
    const std::uint8_t fields[] = {0x44, 0x33, 0x22, 0x11, 0x66, 0x55};
    std::copy(std::begin(fields), std::end(fields), header.begin() + 4);
    const std::array<std::uint8_t, 16> expected = {0x44, 0x33, 0x22, 0x11, 0x66, 0x55, 0x66, 0x55,
                                                   0x44, 0x33, 0x22, 0x11, 0x66, 0x55, 0x66, 0x55};
    EXPECT_EQ(initialVector(header), expected);
}

TEST(Datagram, CheckRejectsBadVersionShortAndOverlongClaims)
{
    Datagram d = plainHeader();
    d.finalise(6);
    std::vector<std::uint8_t> received(d.wire().begin(), d.wire().end());
    auto newer = received;
    newer[1] = 2;
    EXPECT_EQ(check(newer, nullptr), CheckResult::BadVersion);

    // A header claiming more payload than the datagram holds is refused
    // without reading past its end.
    auto truncated = received;
    truncated.resize(received.size() - 3);
    EXPECT_EQ(check(truncated, nullptr), CheckResult::BadCrc);
    std::vector<std::uint8_t> tiny = {kStartByte, 1, 4};
    EXPECT_EQ(check(tiny, nullptr), CheckResult::BadCrc);

    auto noCheck = received;
    noCheck[3] |= flags::kNoCheck;
    noCheck[20] ^= 0xFF;
    EXPECT_EQ(check(noCheck, nullptr), CheckResult::Valid);
}

TEST(Datagram, CipherRoundTripCoversThePlainPayload)
{
    Datagram d = plainHeader();
    d.addFlags(flags::kEnciphered);
    d.setConnection(0x11223344);
    const std::vector<std::uint8_t> plain = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17};
    std::copy(plain.begin(), plain.end(), d.payload().begin());
    d.finalise(plain.size());
    EXPECT_EQ(crc16(d.wire()), 0) << "the CRC covers the plain payload";
    EXPECT_EQ(d.encipher(&kKey), 32u);
    std::vector<std::uint8_t> received(d.wire().begin(), d.wire().end());
    EXPECT_FALSE(std::equal(plain.begin(), plain.end(), received.begin() + 16));

    EXPECT_EQ(check(received, nullptr), CheckResult::BadCrc) << "no key: nothing is deciphered";
    EXPECT_EQ(check(received, &kKey), CheckResult::Valid);
    EXPECT_TRUE(std::equal(plain.begin(), plain.end(), received.begin() + 16));
}

// A "no check" flag that the network set by flipping one bit is undone: the
// datagram is deciphered and checked as its sender sent it. A sender's own
// "no check" datagram is taken as it came, payload untouched.
TEST(Datagram, ANoCheckFlagFlippedOnTheWayIsUndone)
{
    struct Case {
        const char* name;
        std::uint8_t senderFlags;
        bool flipNoCheck;
        bool deciphered; // the checked payload is the plain one
    };
    const Case cases[] = {
        {"plain, flipped", 0, true, true},
        {"enciphered, flipped", flags::kEnciphered, true, true},
        {"enciphered, sender's own no check", flags::kEnciphered | flags::kNoCheck, false, false},
    };
    const std::vector<std::uint8_t> plain = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17};
    for (const Case& c : cases) {
        Datagram d = plainHeader();
        d.addFlags(c.senderFlags);
        std::copy(plain.begin(), plain.end(), d.payload().begin());
        d.finalise(plain.size());
        d.encipher(&kKey);
        std::vector<std::uint8_t> received(d.wire().begin(), d.wire().end());
        const std::vector<std::uint8_t> onTheWire(received.begin() + kHeaderSize, received.end() - kCrcSize);
        if (c.flipNoCheck)
            received[3] ^= flags::kNoCheck;

        EXPECT_EQ(check(received, &kKey), CheckResult::Valid) << c.name;
        EXPECT_EQ(received[3], d.raw()[3]) << c.name << ": the flags as sent";
        const std::vector<std::uint8_t> payload(received.begin() + kHeaderSize, received.end() - kCrcSize);
        if (c.deciphered)
            EXPECT_TRUE(std::equal(plain.begin(), plain.end(), payload.begin())) << c.name;
        else
            EXPECT_EQ(payload, onTheWire) << c.name;
    }
}

TEST(Datagram, NoKeyOrNoCheckFlagLeavesThePayloadPlain)
{
    Datagram d = plainHeader();
    d.addFlags(flags::kEnciphered);
    d.payload()[0] = 0x42;
    d.finalise(1);
    d.encipher(nullptr);
    EXPECT_EQ(d.payload()[0], 0x42);
    d.addFlags(flags::kNoCheck);
    d.finalise(1);
    d.encipher(&kKey);
    EXPECT_EQ(d.payload()[0], 0x42);
}
