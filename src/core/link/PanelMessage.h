#pragma once
// Panel messages: a code byte, its parameters and a check byte that makes
// the byte sum 0 modulo 256. The communicator relays them to the panel
// inside panel data datagrams. The message codes are in PanelCodes.
#include "link/PanelCodes.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <span>

namespace qarvo {

// A 16-bit count followed by 512 bytes: an assembled panel message (with
// whatever followed it in the stream), the stream buffer, and the outgoing
// panel message buffer.
struct CCommBuff {
    static constexpr std::size_t kCapacity = 512;
    // The outgoing buffer uses at most this many bytes; the check byte takes the last.
    static constexpr std::size_t kMaxMessage = 511;

    std::uint16_t count = 0;
    std::array<std::uint8_t, kCapacity> data{};

    std::uint8_t code() const { return count ? data[0] : 0; }
    std::uint8_t at(std::size_t i) const { return i < count ? data[i] : 0; }
    std::span<const std::uint8_t> bytes() const { return {data.data(), count}; }
    bool empty() const { return count == 0; }
    void clear() { count = 0; }
    // True when the buffer starts with exactly these bytes.
    bool startsWith(std::span<const std::uint8_t> prefix) const;
    bool startsWith(std::initializer_list<std::uint8_t> prefix) const
    {
        return startsWith(std::span<const std::uint8_t>(prefix.begin(), prefix.size()));
    }
};

namespace link {

// Appends one byte; a buffer that already holds 511 bytes drops its oldest.
void appendByte(CCommBuff& buffer, std::uint8_t value);

// Replaces the buffer's contents by a message of the given bytes (no check
// byte). An empty list leaves an empty buffer, which is not sent.
void buildMessage(CCommBuff& buffer, std::initializer_list<std::uint8_t> bytes);
void buildMessage(CCommBuff& buffer, std::span<const std::uint8_t> bytes);

// As buildMessage, for a message that addresses panel programming memory.
// An address byte of 0xFF marks a setting the panel model does not have: the
// buffer is left empty and false is returned so the caller can report it.
[[nodiscard]] bool buildMemoryMessage(CCommBuff& buffer, std::uint8_t address,
                                      std::initializer_list<std::uint8_t> bytes);
inline constexpr std::uint8_t kInvalidMemoryAddress = 0xFF;

// A message as it goes out: its bytes followed by its check byte.
struct EncodedMessage {
    std::array<std::uint8_t, CCommBuff::kCapacity> data{};
    std::size_t size = 0;
    std::span<const std::uint8_t> bytes() const { return {data.data(), size}; }
};
EncodedMessage encodeMessage(const CCommBuff& message);

// The two's complement of the byte sum.
std::uint8_t checkByte(std::span<const std::uint8_t> bytes);
// True when the bytes sum to zero modulo 256.
bool sumIsZero(std::span<const std::uint8_t> bytes);

// Total length of a received message starting with code (check byte and the
// two trailing communicator bytes of status messages included), or 0 when
// the code does not start a message. zoneCount and pgmCount extend the two
// status messages.
std::size_t messageLength(std::uint8_t code, int zoneCount, int pgmCount);
// The part of a message covered by its check byte.
std::size_t checkedLength(std::uint8_t code, int zoneCount, int pgmCount);

// Assembles panel messages from panel data payloads.
class PanelStream {
public:
    // Appends a payload; one that does not fit the free space is dropped whole.
    bool append(std::span<const std::uint8_t> payload);
    // Runs the parser; when a message is complete returns the whole buffered
    // stream starting with it and empties the stream.
    bool next(CCommBuff& message, int zoneCount, int pgmCount);
    std::size_t size() const { return buffer_.count; }
    void clear() { buffer_.clear(); }

private:
    void dropFront(std::size_t n);
    CCommBuff buffer_;
};

} // namespace link
} // namespace qarvo
