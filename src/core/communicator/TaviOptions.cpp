#include "communicator/TaviOptions.h"

#include <algorithm>

namespace qarvo {

using namespace tavi;

namespace {

constexpr std::uint8_t kFill = 0xFF;

// One row of the built-in default record: a 16-bit value at an offset.
struct DefaultWord {
    std::size_t offset;
    std::uint16_t value;
};

constexpr std::array<DefaultWord, 31> kDefaultWords{{
    {offset::kAccount, 0xFFFF},
    {offset::kPort, 51069},
    {kServers[0].port, 34197},
    {kServers[0].keepAlive, 40},
    {kServers[1].port, 34197},
    {kServers[1].keepAlive, 40},
    {offset::kUpdatePort, 34198},
    {offset::kLocalEventFirst + 0, 411},
    {offset::kLocalEventFirst + 2, 412},
    {offset::kLocalEventFirst + 4, 413},
    {offset::kLocalEventFirst + 6, 306},
    {offset::kLocalEventFirst + 8, 120},
    {offset::kLocalEventFirst + 10, 760},
    {offset::kInputEventFirst + 0, 761},
    {offset::kInputEventFirst + 2, 762},
    {offset::kTamperEvent, 137},
    {offset::kPgmEventFirst + 0, 763},
    {offset::kPgmEventFirst + 2, 764},
    {offset::kPgmEventFirst + 4, 765},
    {offset::kPgmEventFirst + 6, 766},
    {offset::kPgmTimeFirst + 0, 30},
    {offset::kPgmTimeFirst + 2, 30},
    {offset::kPgmTimeFirst + 4, 30},
    {offset::kPgmTimeFirst + 6, 30},
    {offset::kGprsEventFirst + 0, 770},
    {offset::kGprsEventFirst + 2, 771},
    {offset::kGprsEventFirst + 4, 772},
    {offset::kGprsEventFirst + 6, 773},
    {offset::kGprsEventFirst + 8, 774},
    {offset::kGprsEventFirst + 10, 775},
    {offset::kGprsEventFirst + 12, 776},
}};

// In-memory form: most significant byte is the first octet.
constexpr std::array<std::uint32_t, kIpv4Count> kDefaultIpv4{
    0xC0A80009,  // 192.168.0.9
    0xFFFFFF00,  // 255.255.255.0
    0xC0A80001,  // 192.168.0.1
    0x08080808,  // 8.8.8.8
    0x08080404,  // 8.8.4.4
};

constexpr std::array<std::uint8_t, 4> kDefaultServerAddress{192, 168, 0, 16};
constexpr std::array<std::uint8_t, kServerCount> kDefaultServerFlags{0x07, 0x06};
constexpr std::uint8_t kDefaultGeneralFlags = 0x01;
constexpr std::uint8_t kDefaultNetworkFlags = 0x03;
constexpr std::uint8_t kDefaultGprsKeepAlive = 3;
constexpr std::string_view kDefaultPassword = "5307";

} // namespace

std::string latin1ToUtf8(std::string_view latin1)
{
    std::string out;
    out.reserve(latin1.size());
    for (char c : latin1) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x80) {
            out += c;
        } else {
            out += static_cast<char>(0xC0 | (byte >> 6));
            out += static_cast<char>(0x80 | (byte & 0x3F));
        }
    }
    return out;
}

std::string utf8ToLatin1(std::string_view utf8)
{
    std::string out;
    std::size_t i = 0;
    while (i < utf8.size()) {
        const auto lead = static_cast<unsigned char>(utf8[i]);
        std::size_t length = lead < 0x80 ? 1 : lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC0 ? 2 : 1;
        length = std::min(length, utf8.size() - i);
        if (lead < 0x80) {
            out += static_cast<char>(lead);
        } else if (length == 2 && (lead == 0xC2 || lead == 0xC3)) {
            const auto trail = static_cast<unsigned char>(utf8[i + 1]);
            out += static_cast<char>(((lead & 0x03) << 6) | (trail & 0x3F));
        } else {
            out += '?';
        }
        i += length;
    }
    return out;
}

TaviOptions TaviOptions::builtInDefaults()
{
    TaviOptions record;
    record.setPassword(kDefaultPassword);
    record.setGeneralFlags(kDefaultGeneralFlags);
    record.setNetworkFlags(kDefaultNetworkFlags);
    for (const DefaultWord& word : kDefaultWords)
        record.setU16(word.offset, word.value);
    for (std::size_t i = 0; i < kIpv4Count; ++i)
        record.setIpv4(static_cast<Ipv4Field>(i), kDefaultIpv4[i]);
    for (std::size_t i = 0; i < kServerCount; ++i) {
        const auto server = static_cast<Server>(i);
        record.setServerFlags(server, kDefaultServerFlags[i]);
        record.setServerIpv4(server, kDefaultServerAddress);
        record.setServerGprsKeepAlive(server, kDefaultGprsKeepAlive);
    }
    record.setText(offset::kUpdateHost, kUpdateHostWidth, kDefaultUpdateServerHost);
    for (std::size_t i = 0; i < kSimTexts.size(); ++i)
        record.setSimText(static_cast<SimText>(i), {});
    return record;
}

std::array<std::uint8_t, kOptionsSize> TaviOptions::toWire() const
{
    std::array<std::uint8_t, kOptionsSize> wire = bytes;
    for (std::size_t i = 0; i < kIpv4Count; ++i) {
        const std::size_t at = offset::kIpv4First + 4 * i;
        std::reverse(wire.begin() + at, wire.begin() + at + 4);
    }
    return wire;
}

TaviOptions TaviOptions::fromWire(std::span<const std::uint8_t, kOptionsSize> wire)
{
    TaviOptions record;
    std::copy(wire.begin(), wire.end(), record.bytes.begin());
    // Reversing four bytes is its own inverse.
    record.bytes = record.toWire();
    return record;
}

std::uint16_t TaviOptions::u16(std::size_t at) const
{
    return static_cast<std::uint16_t>(bytes[at] | (bytes[at + 1] << 8));
}

void TaviOptions::setU16(std::size_t at, std::uint16_t value)
{
    bytes[at] = static_cast<std::uint8_t>(value);
    bytes[at + 1] = static_cast<std::uint8_t>(value >> 8);
}

std::uint32_t TaviOptions::u32(std::size_t at) const
{
    return static_cast<std::uint32_t>(u16(at)) | (static_cast<std::uint32_t>(u16(at + 2)) << 16);
}

void TaviOptions::setU32(std::size_t at, std::uint32_t value)
{
    setU16(at, static_cast<std::uint16_t>(value));
    setU16(at + 2, static_cast<std::uint16_t>(value >> 16));
}

std::string TaviOptions::text(std::size_t at, std::size_t width) const
{
    const auto begin = bytes.begin() + static_cast<std::ptrdiff_t>(at);
    const auto end = std::find(begin, begin + static_cast<std::ptrdiff_t>(width - 1), 0);
    return std::string(begin, end);
}

void TaviOptions::setText(std::size_t at, std::size_t width, std::string_view latin1)
{
    const std::size_t length = std::min(latin1.size(), width - 1);
    std::copy_n(latin1.begin(), length, bytes.begin() + static_cast<std::ptrdiff_t>(at));
    bytes[at + length] = 0;
    std::fill(bytes.begin() + static_cast<std::ptrdiff_t>(at + length + 1),
              bytes.begin() + static_cast<std::ptrdiff_t>(at + width), kFill);
}

std::string TaviOptions::password() const
{
    // Four characters with no room for a 0 byte: a shorter one is completed with 0 bytes.
    const auto begin = bytes.begin() + offset::kPassword;
    return std::string(begin, std::find(begin, begin + kPasswordLength, 0));
}

void TaviOptions::setPassword(std::string_view latin1)
{
    for (std::size_t i = 0; i < kPasswordLength; ++i)
        bytes[offset::kPassword + i] = i < latin1.size() ? static_cast<std::uint8_t>(latin1[i]) : 0;
}

bool TaviOptions::serverAddressIsIpv4(Server s) const
{
    return (serverFlags(s) & server_flag::kIpv4Address) != 0;
}

std::array<std::uint8_t, 4> TaviOptions::serverIpv4(Server s) const
{
    std::array<std::uint8_t, 4> octets{};
    std::copy_n(bytes.begin() + static_cast<std::ptrdiff_t>(layout(s).address), 4, octets.begin());
    return octets;
}

std::string TaviOptions::serverHost(Server s) const
{
    return text(layout(s).address, kServerAddressWidth);
}

void TaviOptions::setServerIpv4(Server s, const std::array<std::uint8_t, 4>& octets)
{
    const auto at = bytes.begin() + static_cast<std::ptrdiff_t>(layout(s).address);
    std::copy(octets.begin(), octets.end(), at);
    std::fill(at + kServerIpv4FillFrom, at + kServerAddressWidth, kFill);
}

void TaviOptions::setServerHost(Server s, std::string_view latin1)
{
    setText(layout(s).address, kServerAddressWidth, latin1);
}

std::string TaviOptions::simText(SimText t) const
{
    return text(simLayout(t).offset, simLayout(t).width);
}

void TaviOptions::setSimText(SimText t, std::string_view latin1)
{
    setText(simLayout(t).offset, simLayout(t).width, latin1);
}

std::size_t TaviOptions::ipv4Offset(Ipv4Field f)
{
    return offset::kIpv4First + 4 * static_cast<std::size_t>(f);
}

std::size_t TaviOptions::localEventOffset(LocalEvent e)
{
    return offset::kLocalEventFirst + 2 * static_cast<std::size_t>(e);
}

std::size_t TaviOptions::inputEventOffset(std::size_t input)
{
    return offset::kInputEventFirst + 2 * input;
}

std::size_t TaviOptions::pgmEventOffset(std::size_t pgm)
{
    return offset::kPgmEventFirst + 2 * pgm;
}

std::size_t TaviOptions::pgmTimeOffset(std::size_t pgm)
{
    return offset::kPgmTimeFirst + 2 * pgm;
}

std::size_t TaviOptions::gprsEventOffset(GprsEvent e)
{
    return offset::kGprsEventFirst + 2 * static_cast<std::size_t>(e);
}

const ServerLayout& TaviOptions::layout(Server s)
{
    return kServers[static_cast<std::size_t>(s)];
}

const TextLayout& TaviOptions::simLayout(SimText t)
{
    return kSimTexts[static_cast<std::size_t>(t)];
}

} // namespace qarvo
