#include "communicator/TaviOptions.h"

#include <gtest/gtest.h>

#include <vector>

namespace qarvo {
namespace {

using namespace tavi;

std::vector<std::uint8_t> slice(const TaviOptions& record, std::size_t at, std::size_t count)
{
    return {record.bytes.begin() + at, record.bytes.begin() + at + count};
}

std::vector<std::uint8_t> filled(std::size_t count, std::uint8_t value)
{
    return std::vector<std::uint8_t>(count, value);
}

TEST(TaviOptionsDefaults, RecordIs328Bytes)
{
    EXPECT_EQ(sizeof(TaviOptions), 328u);
    EXPECT_EQ(TaviOptions::builtInDefaults().bytes.size(), 328u);
}

TEST(TaviOptionsDefaults, HeaderAndNetworkBytes)
{
    const TaviOptions r = TaviOptions::builtInDefaults();
    EXPECT_EQ(slice(r, 0, 4), (std::vector<std::uint8_t>{'5', '3', '0', '7'}));
    EXPECT_EQ(slice(r, 4, 2), (std::vector<std::uint8_t>{0xFF, 0xFF}));
    EXPECT_EQ(r.bytes[6], 0x01);
    EXPECT_EQ(slice(r, 7, 3), filled(3, 0));
    EXPECT_EQ(r.bytes[10], 0x03);
    EXPECT_EQ(slice(r, 11, 3), filled(3, 0));
    // 51069 = 0xC77D, little-endian.
    EXPECT_EQ(slice(r, 14, 2), (std::vector<std::uint8_t>{0x7D, 0xC7}));
    // In memory the first octet is the most significant byte of a
    // little-endian number: 192.168.0.9 is stored 09 00 A8 C0.
    EXPECT_EQ(slice(r, 16, 4), (std::vector<std::uint8_t>{0x09, 0x00, 0xA8, 0xC0}));
    EXPECT_EQ(slice(r, 20, 4), (std::vector<std::uint8_t>{0x00, 0xFF, 0xFF, 0xFF}));
    EXPECT_EQ(slice(r, 24, 4), (std::vector<std::uint8_t>{0x01, 0x00, 0xA8, 0xC0}));
    EXPECT_EQ(slice(r, 28, 4), (std::vector<std::uint8_t>{0x08, 0x08, 0x08, 0x08}));
    EXPECT_EQ(slice(r, 32, 4), (std::vector<std::uint8_t>{0x04, 0x04, 0x08, 0x08}));
    EXPECT_EQ(r.ipv4(Ipv4Field::Ip), 0xC0A80009u);
    EXPECT_EQ(r.ipv4(Ipv4Field::SecondaryDns), 0x08080404u);
}

TEST(TaviOptionsDefaults, ServerBytes)
{
    const TaviOptions r = TaviOptions::builtInDefaults();
    EXPECT_EQ(r.bytes[36], 0x07);
    EXPECT_EQ(r.bytes[37], 0x00);
    EXPECT_EQ(slice(r, 38, 2), (std::vector<std::uint8_t>{0x95, 0x85}));  // 34197
    EXPECT_EQ(slice(r, 40, 4), (std::vector<std::uint8_t>{192, 168, 0, 16}));
    EXPECT_EQ(slice(r, 44, 26), filled(26, 0xFF));
    EXPECT_EQ(slice(r, 70, 2), (std::vector<std::uint8_t>{40, 0}));
    EXPECT_EQ(r.bytes[72], 0x06);
    EXPECT_EQ(r.bytes[73], 0x00);
    EXPECT_EQ(slice(r, 74, 2), (std::vector<std::uint8_t>{0x95, 0x85}));
    EXPECT_EQ(slice(r, 76, 4), (std::vector<std::uint8_t>{192, 168, 0, 16}));
    EXPECT_EQ(slice(r, 80, 26), filled(26, 0xFF));
    EXPECT_EQ(slice(r, 106, 2), (std::vector<std::uint8_t>{40, 0}));
    EXPECT_TRUE(r.serverAddressIsIpv4(Server::Primary));
    EXPECT_EQ(r.serverIpv4(Server::Secondary), (std::array<std::uint8_t, 4>{192, 168, 0, 16}));
}

TEST(TaviOptionsDefaults, UpdateServerEventsAndGprs)
{
    const TaviOptions r = TaviOptions::builtInDefaults();
    const std::string host(kDefaultUpdateServerHost);
    ASSERT_LT(host.size(), 30u);
    EXPECT_EQ(r.updateHost(), host);
    EXPECT_EQ(r.bytes[108 + host.size()], 0);
    EXPECT_EQ(slice(r, 108 + host.size() + 1, 30 - host.size() - 1), filled(30 - host.size() - 1, 0xFF));
    EXPECT_EQ(slice(r, 138, 2), (std::vector<std::uint8_t>{0x96, 0x85}));  // 34198
    EXPECT_EQ(slice(r, 140, 4), filled(4, 0));
    const std::vector<std::uint16_t> events{411, 412, 413, 306, 120, 760, 761, 762, 137, 0,
                                            763, 764, 765, 766, 30,  30,  30,  30};
    for (std::size_t i = 0; i < events.size(); ++i)
        EXPECT_EQ(r.u16(144 + 2 * i), events[i]) << "offset " << 144 + 2 * i;
    EXPECT_EQ(r.bytes[180], 0);
    EXPECT_EQ(r.bytes[181], 0);
    EXPECT_EQ(r.bytes[182], 3);
    EXPECT_EQ(r.bytes[183], 3);
    // Empty SIM texts: a 0 byte, then 0xFF.
    for (const TextLayout& text : kSimTexts) {
        EXPECT_EQ(r.bytes[text.offset], 0);
        EXPECT_EQ(slice(r, text.offset + 1, text.width - 1), filled(text.width - 1, 0xFF));
    }
    for (std::size_t i = 0; i < 7; ++i)
        EXPECT_EQ(r.u16(312 + 2 * i), 770 + i);
    EXPECT_EQ(slice(r, 326, 2), filled(2, 0));
}

TEST(TaviOptionsDefaults, NamedAccessorsReadTheRecord)
{
    const TaviOptions r = TaviOptions::builtInDefaults();
    EXPECT_EQ(r.password(), "5307");
    EXPECT_EQ(r.account(), 0xFFFF);
    EXPECT_EQ(r.port(), 51069);
    EXPECT_EQ(r.serverPort(Server::Secondary), 34197);
    EXPECT_EQ(r.serverKeepAlive(Server::Primary), 40);
    EXPECT_EQ(r.localEvent(LocalEvent::Panic), 120);
    EXPECT_EQ(r.inputEvent(1), 762);
    EXPECT_EQ(r.tamperEvent(), 137);
    EXPECT_EQ(r.pgmEvent(3), 766);
    EXPECT_EQ(r.gprsEvent(GprsEvent::SimRemoved), 776);
    EXPECT_EQ(r.updatePort(), 34198);
}

TEST(TaviOptionsWire, IpFieldsTravelFirstOctetFirst)
{
    const TaviOptions r = TaviOptions::builtInDefaults();
    const auto wire = r.toWire();
    EXPECT_EQ(std::vector<std::uint8_t>(wire.begin() + 16, wire.begin() + 36),
              (std::vector<std::uint8_t>{192, 168, 0, 9, 255, 255, 255, 0, 192, 168, 0, 1, 8, 8, 8, 8, 8, 8, 4, 4}));
    for (std::size_t i = 0; i < wire.size(); ++i) {
        if (i < 16 || i >= 36) {
            EXPECT_EQ(wire[i], r.bytes[i]) << "byte " << i;
        }
    }
}

TEST(TaviOptionsWire, FromWireTurnsAddressesIntoTheInMemoryForm)
{
    std::array<std::uint8_t, kOptionsSize> wire{};
    wire[16] = 10;
    wire[19] = 1;
    wire[36] = 0x55;
    const TaviOptions r = TaviOptions::fromWire(wire);
    EXPECT_EQ(r.ipv4(Ipv4Field::Ip), 0x0A000001u);
    EXPECT_EQ(r.bytes[36], 0x55);
    EXPECT_EQ(TaviOptions::fromWire(r.toWire()), r);
}

TEST(TaviOptionsText, SetTextCutsTerminatesAndFills)
{
    TaviOptions r;
    r.setText(100, 16, "abc");
    EXPECT_EQ(slice(r, 100, 4), (std::vector<std::uint8_t>{'a', 'b', 'c', 0}));
    EXPECT_EQ(slice(r, 104, 12), filled(12, 0xFF));
    EXPECT_EQ(r.text(100, 16), "abc");

    r.setText(100, 16, "abcdefghijklmnopqrst");
    EXPECT_EQ(r.text(100, 16), "abcdefghijklmno");
    EXPECT_EQ(r.bytes[115], 0);
    EXPECT_EQ(r.bytes[116], 0);  // the next field is not touched
}

// The field's last byte is the 0 byte's place, also when a record holds a
// character there: the text is what a store can keep.
TEST(TaviOptionsText, TextWithoutZeroByteIsTheFieldBarItsLastByte)
{
    TaviOptions r;
    std::fill(r.bytes.begin() + 216, r.bytes.begin() + 232, 'x');
    EXPECT_EQ(r.simText(SimText::Sim1User), std::string(15, 'x'));
}

TEST(TaviOptionsText, PasswordIsFourBytesCompletedWithZeros)
{
    TaviOptions r;
    r.setPassword("ab");
    EXPECT_EQ(slice(r, 0, 4), (std::vector<std::uint8_t>{'a', 'b', 0, 0}));
    EXPECT_EQ(r.password(), "ab");
    r.setPassword("123456");
    EXPECT_EQ(r.password(), "1234");
    EXPECT_EQ(r.bytes[4], 0);
}

TEST(TaviOptionsText, Latin1AndUtf8)
{
    EXPECT_EQ(utf8ToLatin1("caf\xC3\xA9"), "caf\xE9");
    EXPECT_EQ(latin1ToUtf8("caf\xE9"), "caf\xC3\xA9");
    EXPECT_EQ(utf8ToLatin1("\xE2\x82\xAC" "1"), "?1");  // euro sign is not Latin-1
    EXPECT_EQ(utf8ToLatin1("\xF0\x9F\x98\x80"), "?");
    EXPECT_EQ(utf8ToLatin1("a\xC3"), "a?");            // cut sequence
    EXPECT_EQ(latin1ToUtf8("plain"), "plain");
}

} // namespace
} // namespace qarvo
