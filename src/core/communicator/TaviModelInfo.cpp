#include "communicator/TaviModelInfo.h"

#include "communicator/TaviOptions.h"

#include <algorithm>
#include <cstdio>

namespace qarvo {

namespace {

constexpr std::array<TaviModel, 6> kModels{{
    {0, "Tavi-1", {.hasInputs = false, .hasTamper = true, .hasGprs = false, .pgmCount = 2}},
    {1, "Tavi-2", {.hasInputs = true, .hasTamper = true, .hasGprs = false, .pgmCount = 2}},
    {2, "Tavi-3", {.hasInputs = true, .hasTamper = true, .hasGprs = false, .pgmCount = 2}},
    {5, "Tavi-4", {.hasInputs = true, .hasTamper = true, .hasGprs = true, .pgmCount = 2}},
    {6, "Tavi-5", {.hasInputs = true, .hasTamper = true, .hasGprs = true, .pgmCount = 2}},
    {17, "Tavi-6", {.hasInputs = false, .hasTamper = false, .hasGprs = true, .pgmCount = 0}},
}};

constexpr std::string_view kUnknownDevice = "Unknown Device!";
constexpr std::string_view kUnknownModel = "Unknown!";
constexpr std::string_view kBootSuffix = " boot";

// Connected-by texts by bearer; anything else is "Unknown".
struct BearerText {
    std::uint8_t bearer;
    std::string_view text;
};
constexpr std::array<BearerText, 2> kBearers{{
    {tavi_bearer::kEthernet, "Ethernet"},
    {tavi_bearer::kGprs, "GPRS"},
}};
constexpr std::string_view kUnknownBearer = "Unknown";

// Payload offsets.
namespace at {
constexpr std::size_t kDeviceKind = 0;
constexpr std::size_t kModelCode = 1;
constexpr std::size_t kHardwareMajor = 2;
constexpr std::size_t kHardwareMinor = 3;
constexpr std::size_t kSoftware = 4;
constexpr std::size_t kReserved = 8;
constexpr std::size_t kAccount = 12;
constexpr std::size_t kPort = 14;
constexpr std::size_t kPassword = 16;
constexpr std::size_t kId = 20;
constexpr std::size_t kSerial = 24;
constexpr std::size_t kMac = 28;
constexpr std::size_t kRssi = 41;
} // namespace at

// The payload byte of each state bit, in bit order: inputs 1 and 2, PGM1 to
// PGM4, tamper (bytes 34 to 40), then jamming (byte 42; byte 41 is the RSSI).
constexpr std::array<std::size_t, 8> kStateBytes{34, 35, 36, 37, 38, 39, 40, 42};

std::uint32_t readLe(std::span<const std::uint8_t> payload, std::size_t offset, std::size_t width)
{
    std::uint32_t value = 0;
    for (std::size_t i = width; i-- > 0;)
        value = (value << 8) | payload[offset + i];
    return value;
}

void writeLe(std::array<std::uint8_t, TaviModelInfo::kSize>& out, std::size_t offset, std::size_t width,
             std::uint32_t value)
{
    for (std::size_t i = 0; i < width; ++i)
        out[offset + i] = static_cast<std::uint8_t>(value >> (8 * i));
}

template <std::size_t N>
void readBytes(std::span<const std::uint8_t> payload, std::size_t offset, std::array<std::uint8_t, N>& to)
{
    std::copy_n(payload.begin() + static_cast<std::ptrdiff_t>(offset), N, to.begin());
}

template <std::size_t N>
void writeBytes(std::array<std::uint8_t, TaviModelInfo::kSize>& out, std::size_t offset,
                const std::array<std::uint8_t, N>& from)
{
    std::copy(from.begin(), from.end(), out.begin() + static_cast<std::ptrdiff_t>(offset));
}

template <typename... Args>
std::string format(const char* pattern, Args... args)
{
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, pattern, args...);
    return buffer;
}

} // namespace

std::span<const TaviModel> taviModels()
{
    return kModels;
}

const TaviModel* findTaviModel(std::uint8_t code)
{
    const auto found = std::find_if(kModels.begin(), kModels.end(),
                                    [code](const TaviModel& m) { return m.code == code; });
    return found == kModels.end() ? nullptr : &*found;
}

std::optional<TaviModelInfo> TaviModelInfo::parse(std::span<const std::uint8_t> payload)
{
    if (payload.size() < kSize)
        return std::nullopt;
    TaviModelInfo info;
    info.deviceKind = payload[at::kDeviceKind];
    info.modelCode = payload[at::kModelCode];
    info.hardwareMajor = payload[at::kHardwareMajor];
    info.hardwareMinor = payload[at::kHardwareMinor];
    readBytes(payload, at::kSoftware, info.software);
    readBytes(payload, at::kReserved, info.reserved);
    info.account = static_cast<std::uint16_t>(readLe(payload, at::kAccount, 2));
    info.port = static_cast<std::uint16_t>(readLe(payload, at::kPort, 2));
    readBytes(payload, at::kPassword, info.password);
    info.id = readLe(payload, at::kId, 4);
    info.serialNumber = static_cast<std::int32_t>(readLe(payload, at::kSerial, 4));
    readBytes(payload, at::kMac, info.mac);
    for (std::size_t bit = 0; bit < kStateBytes.size(); ++bit) {
        if (payload[kStateBytes[bit]] != 0)
            info.state = static_cast<std::uint8_t>(info.state | (1u << bit));
    }
    info.rssi = payload[at::kRssi];
    return info;
}

std::array<std::uint8_t, TaviModelInfo::kSize> TaviModelInfo::encode() const
{
    std::array<std::uint8_t, kSize> out{};
    out[at::kDeviceKind] = deviceKind;
    out[at::kModelCode] = modelCode;
    out[at::kHardwareMajor] = hardwareMajor;
    out[at::kHardwareMinor] = hardwareMinor;
    writeBytes(out, at::kSoftware, software);
    writeBytes(out, at::kReserved, reserved);
    writeLe(out, at::kAccount, 2, account);
    writeLe(out, at::kPort, 2, port);
    writeBytes(out, at::kPassword, password);
    writeLe(out, at::kId, 4, id);
    writeLe(out, at::kSerial, 4, static_cast<std::uint32_t>(serialNumber));
    writeBytes(out, at::kMac, mac);
    for (std::size_t bit = 0; bit < kStateBytes.size(); ++bit)
        out[kStateBytes[bit]] = (state >> bit) & 1u;
    out[at::kRssi] = rssi;
    return out;
}

const TaviModel* TaviModelInfo::model() const
{
    return deviceKind == kFamilyDeviceKind ? findTaviModel(modelCode) : nullptr;
}

TaviCapabilities TaviModelInfo::capabilities() const
{
    const TaviModel* known = model();
    return known ? known->capabilities : TaviCapabilities{};
}

std::string TaviModelInfo::modelText() const
{
    if (deviceKind != kFamilyDeviceKind)
        return std::string(kUnknownDevice);
    const TaviModel* known = model();
    return std::string(known ? known->name : kUnknownModel);
}

std::string TaviModelInfo::hardwareRevisionText() const
{
    if (!model())
        return {};
    // Each part is one character counted up from '0'.
    const std::string latin1{static_cast<char>('0' + hardwareMajor), '.', static_cast<char>('0' + hardwareMinor)};
    return latin1ToUtf8(latin1);
}

std::string TaviModelInfo::softwareRevisionText(bool bootLoaderMode) const
{
    std::string text = format("%d.%d.%d.%d", software[3], software[2], software[1], software[0]);
    if (bootLoaderMode)
        text += kBootSuffix;
    return text;
}

std::string TaviModelInfo::idText() const
{
    return format("%08X", static_cast<unsigned>(id));
}

std::string TaviModelInfo::serialNumberText() const
{
    return format("%010d", static_cast<int>(serialNumber));
}

std::string TaviModelInfo::macText() const
{
    return format("%02X:%02X:%02X:%02X:%02X:%02X", mac[0], mac[1], mac[2], mac[3], mac[4], mac[5]);
}

std::string TaviModelInfo::passwordText() const
{
    const auto end = std::find(password.begin(), password.end(), 0);
    return latin1ToUtf8(std::string(password.begin(), end));
}

void TaviModelInfo::applyTo(TaviOptions& record) const
{
    record.setAccount(account);
    record.setPort(port);
}

std::string taviBearerText(std::uint8_t bearer)
{
    const auto found = std::find_if(kBearers.begin(), kBearers.end(),
                                    [bearer](const BearerText& b) { return b.bearer == bearer; });
    return std::string(found == kBearers.end() ? kUnknownBearer : found->text);
}

std::string ipv4Text(std::uint32_t address)
{
    return format("%u.%u.%u.%u", address >> 24, (address >> 16) & 0xFFu, (address >> 8) & 0xFFu, address & 0xFFu);
}

std::vector<TaviInfoLine> taviAcceptReplyTexts(const TaviModelInfo& info, bool bootLoaderMode,
                                               std::uint8_t bearer, std::uint32_t peerAddress)
{
    return {
        {"Model", info.modelText()},
        {"Hardware revision", info.hardwareRevisionText()},
        {"Software revision", info.softwareRevisionText(bootLoaderMode)},
        {"Connected by", taviBearerText(bearer)},
        {"ID", info.idText()},
        {"Serial number", info.serialNumberText()},
        {"MAC", info.macText()},
        {"IP", ipv4Text(peerAddress)},
    };
}

} // namespace qarvo
