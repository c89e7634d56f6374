#pragma once
// The communicator's options record: 328 bytes, held exactly as the payload
// of the read-options reply and the write-options request, except that the
// five IPv4 fields are kept as 32-bit numbers whose most significant byte is
// the first octet (the form address controls use); on the wire they travel
// first octet first. Multi-byte numbers are little-endian.
#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace qarvo {

namespace tavi {

inline constexpr std::size_t kOptionsSize = 328;

// Byte offsets of the record's fields.
namespace offset {
inline constexpr std::size_t kPassword = 0;           // 4 characters
inline constexpr std::size_t kAccount = 4;            // 16 bits
inline constexpr std::size_t kGeneralFlags = 6;
inline constexpr std::size_t kReserved7 = 7;          // 3 bytes, kept
inline constexpr std::size_t kNetworkFlags = 10;
inline constexpr std::size_t kReserved11 = 11;        // kept
inline constexpr std::size_t kReserved12 = 12;        // 16 bits, kept
inline constexpr std::size_t kPort = 14;
inline constexpr std::size_t kIpv4First = 16;         // five 32-bit addresses
inline constexpr std::size_t kUpdateHost = 108;       // 30 bytes of text, kept
inline constexpr std::size_t kUpdatePort = 138;       // kept
inline constexpr std::size_t kSettingsUser = 140;
inline constexpr std::size_t kSettingsPartition = 142;
inline constexpr std::size_t kLocalEventFirst = 144;  // six 16-bit codes
inline constexpr std::size_t kInputEventFirst = 156;  // two 16-bit codes
inline constexpr std::size_t kTamperEvent = 160;
inline constexpr std::size_t kReserved162 = 162;      // 16 bits, kept
inline constexpr std::size_t kPgmEventFirst = 164;    // four 16-bit codes
inline constexpr std::size_t kPgmTimeFirst = 172;     // four 16-bit times in seconds
inline constexpr std::size_t kGprsFlags = 180;
inline constexpr std::size_t kReserved181 = 181;
inline constexpr std::size_t kSimTextFirst = 184;     // six texts, see kSimTexts
inline constexpr std::size_t kGprsEventFirst = 312;   // seven 16-bit codes
inline constexpr std::size_t kReserved326 = 326;      // 16 bits, kept
} // namespace offset

inline constexpr std::size_t kIpv4Count = 5;
inline constexpr std::size_t kLocalEventCount = 6;
inline constexpr std::size_t kInputCount = 2;
inline constexpr std::size_t kPgmCount = 4;
inline constexpr std::size_t kGprsEventCount = 7;
inline constexpr std::size_t kUpdateHostWidth = 30;
inline constexpr std::size_t kServerAddressWidth = 30;
inline constexpr std::size_t kServerIpv4FillFrom = 4;

// The IPv4 fields in record order.
enum class Ipv4Field : std::size_t { Ip, NetMask, Gateway, PrimaryDns, SecondaryDns };

// The communicator's own local events, in record order.
enum class LocalEvent : std::size_t {
    CallbackAccepted, PcConnected, ConnectionRejected, SettingsChanged, Panic, SwitchLine
};

// The GPRS events, in record order.
enum class GprsEvent : std::size_t {
    InitFailure, EthernetFailure, GprsFailure, Jamming, LowSignal, ModuleRemoved, SimRemoved
};

enum class Server : std::size_t { Primary, Secondary };
inline constexpr std::size_t kServerCount = 2;

// Where one reporting server's fields lie.
struct ServerLayout {
    std::size_t flags;
    std::size_t keyFlags;
    std::size_t port;
    std::size_t address;        // kServerAddressWidth bytes
    std::size_t keepAlive;      // seconds over Ethernet, 16 bits
    std::size_t gprsKeepAlive;  // minutes over GPRS, 8 bits
};
inline constexpr std::array<ServerLayout, kServerCount> kServers{{
    {36, 37, 38, 40, 70, 182},
    {72, 73, 74, 76, 106, 183},
}};

// Server flags: bit 0 in use, bit 1 the address holds 4 address bytes,
// bits 2-4 protocol index, bit 5 encrypt; bits 6 and 7 always 0.
namespace server_flag {
inline constexpr std::uint8_t kInUse = 0x01;
inline constexpr std::uint8_t kIpv4Address = 0x02;
inline constexpr unsigned kProtocolShift = 2;
inline constexpr std::uint8_t kProtocolMask = 0x1C;
inline constexpr std::uint8_t kEncrypt = 0x20;
inline constexpr std::uint8_t kStaticKey = 0x01;  // in the key flags byte
} // namespace server_flag

// General flags (offset 6): bit 1 check for updates, bits 4-7 latch of PGM1-4.
namespace general_flag {
inline constexpr std::uint8_t kCheckForUpdates = 0x02;
inline constexpr unsigned kLatchShift = 4;
} // namespace general_flag

// Network flags (offset 10): bit 0 always set on store, bit 1 fixed
// addressing, bit 2 encrypt, bits 3-4 cleared on store, bits 5-7 kept.
namespace network_flag {
inline constexpr std::uint8_t kAlwaysSet = 0x01;
inline constexpr std::uint8_t kFixedAddress = 0x02;
inline constexpr std::uint8_t kEncrypt = 0x04;
inline constexpr std::uint8_t kClearedOnStore = 0x1C;  // bits 2-4, rebuilt
} // namespace network_flag

// GPRS flags (offset 180): rebuilt from these three on every store.
namespace gprs_flag {
inline constexpr std::uint8_t kDoubleSim = 0x01;
inline constexpr std::uint8_t kPgm1IfBlocked = 0x04;
inline constexpr std::uint8_t kPgm2IfBlocked = 0x08;
} // namespace gprs_flag

// The six SIM texts, in record order.
enum class SimText : std::size_t { Sim1Apn, Sim1User, Sim1Password, Sim2Apn, Sim2User, Sim2Password };
struct TextLayout {
    std::size_t offset;
    std::size_t width;  // holds width - 1 characters and a 0 byte
};
inline constexpr std::array<TextLayout, 6> kSimTexts{{
    {184, 32}, {216, 16}, {232, 16}, {248, 32}, {280, 16}, {296, 16},
}};

inline constexpr std::size_t kPasswordLength = 4;

// The update server host the communicator is given by default.
inline constexpr std::string_view kDefaultUpdateServerHost = "update.qarvo.net";

} // namespace tavi

// The record's text fields hold single-byte characters; the rest of the
// system speaks UTF-8. Bytes 0x80-0xFF are taken as Latin-1; characters
// beyond Latin-1 become '?'.
std::string latin1ToUtf8(std::string_view latin1);
std::string utf8ToLatin1(std::string_view utf8);

struct TaviOptions {
    std::array<std::uint8_t, tavi::kOptionsSize> bytes{};

    // The record a new installation starts with.
    static TaviOptions builtInDefaults();

    // The record as command 3 sends it: IPv4 fields first octet first.
    std::array<std::uint8_t, tavi::kOptionsSize> toWire() const;
    // The record from command 2's reply payload.
    static TaviOptions fromWire(std::span<const std::uint8_t, tavi::kOptionsSize> wire);

    bool operator==(const TaviOptions&) const = default;

    // Raw access by offset.
    std::uint8_t u8(std::size_t at) const { return bytes[at]; }
    void setU8(std::size_t at, std::uint8_t value) { bytes[at] = value; }
    std::uint16_t u16(std::size_t at) const;
    void setU16(std::size_t at, std::uint16_t value);
    std::uint32_t u32(std::size_t at) const;
    void setU32(std::size_t at, std::uint32_t value);
    // A text field: the bytes up to the first 0 byte, at most width - 1 of
    // them. The field's last byte is the 0 byte's place: a record that fills
    // it with a character shows the text a store keeps, so showing and
    // storing it again changes nothing.
    std::string text(std::size_t at, std::size_t width) const;
    // The text cut to width - 1 bytes, one 0 byte, then 0xFF to the field end.
    void setText(std::size_t at, std::size_t width, std::string_view latin1);

    // Named fields.
    std::string password() const;                    // up to the first 0 byte
    void setPassword(std::string_view latin1);       // first 4, 0-completed
    std::uint16_t account() const { return u16(tavi::offset::kAccount); }
    void setAccount(std::uint16_t v) { setU16(tavi::offset::kAccount, v); }
    std::uint8_t generalFlags() const { return u8(tavi::offset::kGeneralFlags); }
    void setGeneralFlags(std::uint8_t v) { setU8(tavi::offset::kGeneralFlags, v); }
    std::uint8_t networkFlags() const { return u8(tavi::offset::kNetworkFlags); }
    void setNetworkFlags(std::uint8_t v) { setU8(tavi::offset::kNetworkFlags, v); }
    std::uint16_t port() const { return u16(tavi::offset::kPort); }
    void setPort(std::uint16_t v) { setU16(tavi::offset::kPort, v); }
    std::uint32_t ipv4(tavi::Ipv4Field f) const { return u32(ipv4Offset(f)); }
    void setIpv4(tavi::Ipv4Field f, std::uint32_t v) { setU32(ipv4Offset(f), v); }

    std::uint8_t serverFlags(tavi::Server s) const { return u8(layout(s).flags); }
    void setServerFlags(tavi::Server s, std::uint8_t v) { setU8(layout(s).flags, v); }
    std::uint8_t serverKeyFlags(tavi::Server s) const { return u8(layout(s).keyFlags); }
    void setServerKeyFlags(tavi::Server s, std::uint8_t v) { setU8(layout(s).keyFlags, v); }
    std::uint16_t serverPort(tavi::Server s) const { return u16(layout(s).port); }
    void setServerPort(tavi::Server s, std::uint16_t v) { setU16(layout(s).port, v); }
    // The address as the flags say: 4 address bytes, or host text.
    bool serverAddressIsIpv4(tavi::Server s) const;
    std::array<std::uint8_t, 4> serverIpv4(tavi::Server s) const;
    std::string serverHost(tavi::Server s) const;
    // These write the address field only; the flags are the caller's.
    void setServerIpv4(tavi::Server s, const std::array<std::uint8_t, 4>& octets);
    void setServerHost(tavi::Server s, std::string_view latin1);
    std::uint16_t serverKeepAlive(tavi::Server s) const { return u16(layout(s).keepAlive); }
    void setServerKeepAlive(tavi::Server s, std::uint16_t v) { setU16(layout(s).keepAlive, v); }
    std::uint8_t serverGprsKeepAlive(tavi::Server s) const { return u8(layout(s).gprsKeepAlive); }
    void setServerGprsKeepAlive(tavi::Server s, std::uint8_t v) { setU8(layout(s).gprsKeepAlive, v); }

    std::string updateHost() const { return text(tavi::offset::kUpdateHost, tavi::kUpdateHostWidth); }
    std::uint16_t updatePort() const { return u16(tavi::offset::kUpdatePort); }
    std::uint16_t settingsUser() const { return u16(tavi::offset::kSettingsUser); }
    std::uint16_t settingsPartition() const { return u16(tavi::offset::kSettingsPartition); }
    std::uint16_t localEvent(tavi::LocalEvent e) const { return u16(localEventOffset(e)); }
    std::uint16_t inputEvent(std::size_t input) const { return u16(inputEventOffset(input)); }
    std::uint16_t tamperEvent() const { return u16(tavi::offset::kTamperEvent); }
    std::uint16_t pgmEvent(std::size_t pgm) const { return u16(pgmEventOffset(pgm)); }
    std::uint16_t pgmTime(std::size_t pgm) const { return u16(pgmTimeOffset(pgm)); }
    void setPgmTime(std::size_t pgm, std::uint16_t seconds) { setU16(pgmTimeOffset(pgm), seconds); }
    std::uint8_t gprsFlags() const { return u8(tavi::offset::kGprsFlags); }
    std::string simText(tavi::SimText t) const;
    void setSimText(tavi::SimText t, std::string_view latin1);
    std::uint16_t gprsEvent(tavi::GprsEvent e) const { return u16(gprsEventOffset(e)); }

    // Offsets of the repeated fields.
    static std::size_t ipv4Offset(tavi::Ipv4Field f);
    static std::size_t localEventOffset(tavi::LocalEvent e);
    static std::size_t inputEventOffset(std::size_t input);
    static std::size_t pgmEventOffset(std::size_t pgm);
    static std::size_t pgmTimeOffset(std::size_t pgm);
    static std::size_t gprsEventOffset(tavi::GprsEvent e);
    static const tavi::ServerLayout& layout(tavi::Server s);
    static const tavi::TextLayout& simLayout(tavi::SimText t);
};

static_assert(sizeof(TaviOptions) == tavi::kOptionsSize);

} // namespace qarvo
