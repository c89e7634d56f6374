#pragma once
// The communicator's datagram framing: a 16-byte little-endian header, a
// padded payload (optionally AES-128-CBC enciphered) and a CRC-16/ARC over
// header and plain padded payload.
#include <array>
#include <cstddef>
#include <cstdint>
#include <span>

namespace qarvo::link {

class Aes128;

inline constexpr std::size_t kHeaderSize = 16;
inline constexpr std::size_t kCrcSize = 2;
inline constexpr std::size_t kReceiveBufferSize = 512;
// Payload area of a header record: a whole panel message buffer plus cipher padding.
inline constexpr std::size_t kMaxPayload = 512 + 16;

inline constexpr std::uint8_t kStartByte = 0x21;
inline constexpr std::uint8_t kVersion = 0x01;
inline constexpr std::uint8_t kBearerSent = 1;

enum PacketKind : std::uint8_t {
    kConnectionTraffic = 4,
    kCommunicatorNotice = 5,
};

namespace flags {
inline constexpr std::uint8_t kEnciphered = 0x01;
inline constexpr std::uint8_t kNoCheck = 0x02;        // receiver skips deciphering and the CRC test
inline constexpr std::uint8_t kHoldSequence = 0x04;
inline constexpr std::uint8_t kHoldSequence2 = 0x08;
inline constexpr std::uint8_t kFromProgram = 0x10;
inline constexpr std::uint8_t kConnecting = 0x20;     // from the connection request until login completes
} // namespace flags

inline constexpr std::uint8_t kProgramNode = 2;

// Byte offsets of the header fields.
namespace offset {
inline constexpr std::size_t kStart = 0, kVersion = 1, kKind = 2, kFlags = 3, kConnection = 4,
                             kSequence = 8, kBearer = 10, kCommand = 11, kSourceNode = 12,
                             kDestinationNode = 13, kPayloadLength = 14;
} // namespace offset

// A header record: one per channel (control, poll, panel data), kept for
// the run, so the sequence and connection numbers carry over between sends.
// The payload is placed in payload() before finalising.
class Datagram {
public:
    std::uint8_t kind() const { return bytes_[offset::kKind]; }
    std::uint8_t flags() const { return bytes_[offset::kFlags]; }
    std::uint32_t connection() const;
    std::uint16_t sequence() const;
    std::uint8_t command() const { return bytes_[offset::kCommand]; }
    std::uint8_t sourceNode() const { return bytes_[offset::kSourceNode]; }
    std::uint8_t destinationNode() const { return bytes_[offset::kDestinationNode]; }
    std::uint16_t payloadLength() const;

    void setKind(std::uint8_t v) { bytes_[offset::kKind] = v; }
    void setFlags(std::uint8_t v) { bytes_[offset::kFlags] = v; }
    void addFlags(std::uint8_t v) { bytes_[offset::kFlags] |= v; }
    void clearFlags(std::uint8_t v) { bytes_[offset::kFlags] &= static_cast<std::uint8_t>(~v); }
    void setConnection(std::uint32_t v);
    void setSequence(std::uint16_t v);
    void setCommand(std::uint8_t v) { bytes_[offset::kCommand] = v; }
    void setSourceNode(std::uint8_t v) { bytes_[offset::kSourceNode] = v; }
    void setDestinationNode(std::uint8_t v) { bytes_[offset::kDestinationNode] = v; }

    std::span<std::uint8_t> payload() { return {bytes_.data() + kHeaderSize, kMaxPayload}; }
    std::span<const std::uint8_t> payload() const { return {bytes_.data() + kHeaderSize, kMaxPayload}; }

    // Writes start byte, version, bearer and payload length; advances the
    // sequence number unless it is held; pads and appends the CRC. Returns
    // the padded payload length n (the datagram is 18 + n bytes).
    // (The simulated communicator passes its own bearer.)
    std::size_t finalise(std::size_t payloadLength, std::uint8_t bearer = kBearerSent);
    // Enciphers the padded payload in place when the enciphered flag is set,
    // the no-check flag is clear and a key exists. Returns n in every case.
    std::size_t encipher(const Aes128* key);

    // The finalised datagram as it goes on the wire.
    std::span<const std::uint8_t> wire() const;

    std::array<std::uint8_t, kHeaderSize + kMaxPayload + kCrcSize>& raw() { return bytes_; }
    const std::array<std::uint8_t, kHeaderSize + kMaxPayload + kCrcSize>& raw() const { return bytes_; }

private:
    std::array<std::uint8_t, kHeaderSize + kMaxPayload + kCrcSize> bytes_{};
};

// Padded payload length n for a payload of L bytes.
std::size_t paddedLength(std::size_t payloadLength, bool enciphered);

// The cipher's initial vector, built from the datagram's own header.
std::array<std::uint8_t, 16> initialVector(std::span<const std::uint8_t> header);

enum class CheckResult : int {
    Valid = 0,
    BadCrc = 2,      // also: too short for the length its header claims
    BadVersion = 11,
};

// Validates a received datagram in place (deciphering its payload first when
// it is enciphered and a key exists). Never reads past data.size().
CheckResult check(std::span<std::uint8_t> data, const Aes128* key);

// Header field readers for a received datagram (data must hold a header).
std::uint16_t readU16(std::span<const std::uint8_t> data, std::size_t at);
std::uint32_t readU32(std::span<const std::uint8_t> data, std::size_t at);

} // namespace qarvo::link
