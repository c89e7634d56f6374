#include "link/Datagram.h"

#include "link/Aes128.h"
#include "link/Crc16.h"

#include <algorithm>
#include <vector>

namespace qarvo::link {

std::uint16_t readU16(std::span<const std::uint8_t> data, std::size_t at)
{
    return static_cast<std::uint16_t>(data[at] | (data[at + 1] << 8));
}

std::uint32_t readU32(std::span<const std::uint8_t> data, std::size_t at)
{
    return static_cast<std::uint32_t>(readU16(data, at)) | (static_cast<std::uint32_t>(readU16(data, at + 2)) << 16);
}

namespace {
void writeU16(std::span<std::uint8_t> data, std::size_t at, std::uint16_t v)
{
    data[at] = static_cast<std::uint8_t>(v);
    data[at + 1] = static_cast<std::uint8_t>(v >> 8);
}

bool isEnciphered(std::uint8_t headerFlags)
{
    return (headerFlags & flags::kEnciphered) != 0;
}

bool cipherApplies(std::uint8_t headerFlags, const Aes128* key)
{
    return isEnciphered(headerFlags) && !(headerFlags & flags::kNoCheck) && key != nullptr;
}
} // namespace

std::uint32_t Datagram::connection() const { return readU32(bytes_, offset::kConnection); }
std::uint16_t Datagram::sequence() const { return readU16(bytes_, offset::kSequence); }
std::uint16_t Datagram::payloadLength() const { return readU16(bytes_, offset::kPayloadLength); }

void Datagram::setConnection(std::uint32_t v)
{
    writeU16(bytes_, offset::kConnection, static_cast<std::uint16_t>(v));
    writeU16(bytes_, offset::kConnection + 2, static_cast<std::uint16_t>(v >> 16));
}

void Datagram::setSequence(std::uint16_t v) { writeU16(bytes_, offset::kSequence, v); }

std::size_t paddedLength(std::size_t payloadLength, bool enciphered)
{
    const std::size_t even = payloadLength + (payloadLength & 1);
    if (!enciphered)
        return even;
    if (payloadLength == 0)
        return 16;
    return (even + 15) / 16 * 16;
}

std::size_t Datagram::finalise(std::size_t payloadLength, std::uint8_t bearer)
{
    payloadLength = std::min(payloadLength, kMaxPayload - 16);
    bytes_[offset::kStart] = kStartByte;
    bytes_[offset::kVersion] = kVersion;
    bytes_[offset::kBearer] = bearer;
    writeU16(bytes_, offset::kPayloadLength, static_cast<std::uint16_t>(payloadLength));
    if (!(flags() & (flags::kHoldSequence | flags::kHoldSequence2)))
        setSequence(static_cast<std::uint16_t>(sequence() + 1));
    const std::size_t n = paddedLength(payloadLength, isEnciphered(flags()));
    std::fill(bytes_.begin() + kHeaderSize + payloadLength, bytes_.begin() + kHeaderSize + n, 0);
    const std::uint16_t crc = crc16({bytes_.data(), kHeaderSize + n});
    writeU16(bytes_, kHeaderSize + n, crc);
    return n;
}

std::size_t Datagram::encipher(const Aes128* key)
{
    const std::size_t n = paddedLength(payloadLength(), isEnciphered(flags()));
    if (cipherApplies(flags(), key))
        key->encryptCbc(payload().first(n), initialVector(bytes_));
    return n;
}

std::span<const std::uint8_t> Datagram::wire() const
{
    const std::size_t n = paddedLength(payloadLength(), isEnciphered(flags()));
    return {bytes_.data(), kHeaderSize + n + kCrcSize};
}

std::array<std::uint8_t, 16> initialVector(std::span<const std::uint8_t> header)
{
    std::array<std::uint8_t, 16> iv{};
    const auto connection = header.subspan(offset::kConnection, 4);
    const auto sequence = header.subspan(offset::kSequence, 2);
    for (std::size_t half : {0u, 8u}) {
        std::copy(connection.begin(), connection.end(), iv.begin() + half);
        std::copy(sequence.begin(), sequence.end(), iv.begin() + half + 4);
        std::copy(sequence.begin(), sequence.end(), iv.begin() + half + 6);
    }
    return iv;
}

namespace {
// Deciphers the payload when the flags and the key ask for it, then tests the
// CRC, which covers the plain payload.
bool decipherAndTestCrc(std::span<std::uint8_t> datagram, const Aes128* key)
{
    if (cipherApplies(datagram[offset::kFlags], key))
        key->decryptCbc(datagram.subspan(kHeaderSize, datagram.size() - kHeaderSize - kCrcSize),
                        initialVector(datagram));
    return crc16(datagram) == 0;
}

// A sender that asks for no check computes its CRC over the flags it sends,
// or none at all. A "no check" datagram whose CRC holds only with that flag
// cleared was sent without it, and the network flipped the bit: it is taken
// as sent, deciphered and checked. Otherwise it is left as it came.
void undoFlippedNoCheck(std::span<std::uint8_t> datagram, const Aes128* key)
{
    std::vector<std::uint8_t> asSent(datagram.begin(), datagram.end());
    asSent[offset::kFlags] &= static_cast<std::uint8_t>(~flags::kNoCheck);
    if (decipherAndTestCrc(asSent, key))
        std::copy(asSent.begin(), asSent.end(), datagram.begin());
}
} // namespace

CheckResult check(std::span<std::uint8_t> data, const Aes128* key)
{
    if (data.size() < kHeaderSize + kCrcSize)
        return CheckResult::BadCrc;
    if (data[offset::kVersion] > kVersion)
        return CheckResult::BadVersion;
    const std::size_t n = paddedLength(readU16(data, offset::kPayloadLength), isEnciphered(data[offset::kFlags]));
    if (kHeaderSize + n + kCrcSize > data.size())
        return CheckResult::BadCrc;
    const auto datagram = data.first(kHeaderSize + n + kCrcSize);
    if (datagram[offset::kFlags] & flags::kNoCheck) {
        undoFlippedNoCheck(datagram, key);
        return CheckResult::Valid;
    }
    return decipherAndTestCrc(datagram, key) ? CheckResult::Valid : CheckResult::BadCrc;
}

} // namespace qarvo::link
