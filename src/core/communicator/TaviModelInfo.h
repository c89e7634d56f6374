#pragma once
// The communicator's description of itself, the payload of its accept reply
// at the end of a connection opening: device kind, model, revisions,
// identity, and the live state of its inputs and outputs. The model decides
// which parts of the options page apply (inputs, tamper, GPRS, PGM rows).
#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace qarvo {

struct TaviOptions;

// What a communicator model has. The defaults are what applies before (and
// without) a recognised model.
struct TaviCapabilities {
    bool hasInputs = true;
    bool hasTamper = true;
    bool hasGprs = false;
    int pgmCount = 2;

    bool operator==(const TaviCapabilities&) const = default;
};

struct TaviModel {
    std::uint8_t code;
    std::string_view name;
    TaviCapabilities capabilities;
};

// The known models, by model code.
std::span<const TaviModel> taviModels();
// The model with this code, or nullptr.
const TaviModel* findTaviModel(std::uint8_t code);

// State bits of the live state value (accept reply, state poll).
namespace tavi_state {
inline constexpr std::uint8_t kInput1 = 0x01;
inline constexpr std::uint8_t kInput2 = 0x02;
inline constexpr std::uint8_t kPgm1 = 0x04;  // PGM n: kPgm1 << (n - 1)
inline constexpr std::uint8_t kTamper = 0x40;
inline constexpr std::uint8_t kJamming = 0x80;
} // namespace tavi_state

// Header byte 10 of a communicator's packet: how it is connected.
namespace tavi_bearer {
inline constexpr std::uint8_t kEthernet = 1;
inline constexpr std::uint8_t kGprs = 2;
} // namespace tavi_bearer

struct TaviModelInfo {
    static constexpr std::size_t kSize = 43;
    static constexpr std::uint8_t kFamilyDeviceKind = 1;

    std::uint8_t deviceKind = kFamilyDeviceKind;
    std::uint8_t modelCode = 0;
    std::uint8_t hardwareMajor = 0;
    std::uint8_t hardwareMinor = 0;
    std::array<std::uint8_t, 4> software{};  // least significant part first
    std::array<std::uint8_t, 4> reserved{};
    std::uint16_t account = 0;
    std::uint16_t port = 0;
    std::array<std::uint8_t, 4> password{};
    std::uint32_t id = 0;
    std::int32_t serialNumber = 0;
    std::array<std::uint8_t, 6> mac{};
    std::uint8_t state = 0;  // tavi_state bits
    std::uint8_t rssi = 0;

    bool operator==(const TaviModelInfo&) const = default;

    // nullopt when the payload is shorter than kSize; extra bytes are ignored.
    static std::optional<TaviModelInfo> parse(std::span<const std::uint8_t> payload);
    std::array<std::uint8_t, kSize> encode() const;

    // The table row, or nullptr for another device kind or an unknown model.
    const TaviModel* model() const;
    // The model's capabilities, or the defaults when the model is not known.
    TaviCapabilities capabilities() const;

    // Texts of the model information fields (UTF-8).
    std::string modelText() const;
    std::string hardwareRevisionText() const;
    std::string softwareRevisionText(bool bootLoaderMode) const;
    std::string idText() const;
    std::string serialNumberText() const;
    std::string macText() const;
    std::string passwordText() const;

    // The account and port of the accept reply become the record's.
    void applyTo(TaviOptions& record) const;
};

// "Connected by": from the bearer byte of the accept reply's header.
std::string taviBearerText(std::uint8_t bearer);
// "%d.%d.%d.%d" of an address whose most significant byte is the first octet.
std::string ipv4Text(std::uint32_t address);

// One line of the model information block: its label and its value.
struct TaviInfoLine {
    std::string_view label;
    std::string value;
};

// The eight model-information fields shown for an accept reply, in the
// page's order. peerAddress is the communicator's address as the datagram
// endpoint knows it (most significant byte first octet).
std::vector<TaviInfoLine> taviAcceptReplyTexts(const TaviModelInfo& info, bool bootLoaderMode,
                                               std::uint8_t bearer, std::uint32_t peerAddress);

} // namespace qarvo
