#include "link/PanelMessage.h"

#include <algorithm>
#include <numeric>

namespace qarvo {

bool CCommBuff::startsWith(std::span<const std::uint8_t> prefix) const
{
    return prefix.size() <= count && std::equal(prefix.begin(), prefix.end(), data.begin());
}

namespace link {

namespace {

using namespace panel_code;

// Fixed lengths of received messages by code (check byte included). The
// codes without a name are messages the program does not use: they are
// only skipped whole.
struct CodeLength {
    std::uint8_t code;
    std::uint8_t length;
};
constexpr CodeLength kLengths[] = {
    {kIdentify, 8},    {kCommunicatorClose, 2}, {0x10, 16},          {kNotice, 3},         {0x14, 4},
    {kReadOneReply, 4}, {0x55, 5},              {0x66, 6},           {kReadFourReply, 7},  {kWriteOne, 4},
    {0x95, 5},          {0xA6, 6},              {kWriteFour, 7},     {0xC3, 3},            {kEventLogReply, 6},
    {kEventLogHeader, 7}, {kStatusPoll, 3},     {kRamOne, 5},        {kRamTwo, 6},
};

constexpr std::size_t kZoneStatusBase = 17;
constexpr std::size_t kPgmStatusBase = 22;
// The communicator's state value and signal strength follow a status message.
constexpr std::size_t kCommunicatorTrailer = 2;

std::size_t clampCount(int n)
{
    return static_cast<std::size_t>(std::clamp(n, 0, 64));
}

} // namespace

void appendByte(CCommBuff& buffer, std::uint8_t value)
{
    if (buffer.count >= CCommBuff::kMaxMessage) {
        std::copy(buffer.data.begin() + 1, buffer.data.begin() + buffer.count, buffer.data.begin());
        --buffer.count;
    }
    buffer.data[buffer.count++] = value;
}

void buildMessage(CCommBuff& buffer, std::span<const std::uint8_t> bytes)
{
    buffer.clear();
    for (std::uint8_t b : bytes)
        appendByte(buffer, b);
}

void buildMessage(CCommBuff& buffer, std::initializer_list<std::uint8_t> bytes)
{
    buildMessage(buffer, std::span<const std::uint8_t>(bytes.begin(), bytes.size()));
}

bool buildMemoryMessage(CCommBuff& buffer, std::uint8_t address, std::initializer_list<std::uint8_t> bytes)
{
    if (address == kInvalidMemoryAddress) {
        buffer.clear();
        return false;
    }
    buildMessage(buffer, bytes);
    return true;
}

EncodedMessage encodeMessage(const CCommBuff& message)
{
    EncodedMessage encoded;
    std::copy_n(message.data.begin(), message.count, encoded.data.begin());
    encoded.size = message.count;
    if (!message.empty())
        encoded.data[encoded.size++] = checkByte(message.bytes());
    return encoded;
}

std::uint8_t checkByte(std::span<const std::uint8_t> bytes)
{
    const unsigned sum = std::accumulate(bytes.begin(), bytes.end(), 0u);
    return static_cast<std::uint8_t>(0x100 - (sum & 0xFF));
}

bool sumIsZero(std::span<const std::uint8_t> bytes)
{
    return (std::accumulate(bytes.begin(), bytes.end(), 0u) & 0xFF) == 0;
}

std::size_t checkedLength(std::uint8_t code, int zoneCount, int pgmCount)
{
    if (code == kZoneStatus)
        return kZoneStatusBase + clampCount(zoneCount);
    if (code == kPgmStatus)
        return kPgmStatusBase + clampCount(pgmCount);
    auto it = std::find_if(std::begin(kLengths), std::end(kLengths),
                           [code](const CodeLength& e) { return e.code == code; });
    return it == std::end(kLengths) ? 0 : it->length;
}

std::size_t messageLength(std::uint8_t code, int zoneCount, int pgmCount)
{
    const std::size_t checked = checkedLength(code, zoneCount, pgmCount);
    const bool status = code == kZoneStatus || code == kPgmStatus;
    return status ? checked + kCommunicatorTrailer : checked;
}

bool PanelStream::append(std::span<const std::uint8_t> payload)
{
    if (payload.size() > CCommBuff::kCapacity - buffer_.count)
        return false;
    std::copy(payload.begin(), payload.end(), buffer_.data.begin() + buffer_.count);
    buffer_.count = static_cast<std::uint16_t>(buffer_.count + payload.size());
    return true;
}

void PanelStream::dropFront(std::size_t n)
{
    std::copy(buffer_.data.begin() + n, buffer_.data.begin() + buffer_.count, buffer_.data.begin());
    buffer_.count = static_cast<std::uint16_t>(buffer_.count - n);
}

bool PanelStream::next(CCommBuff& message, int zoneCount, int pgmCount)
{
    for (;;) {
        std::size_t start = 0;
        while (start < buffer_.count && checkedLength(buffer_.data[start], zoneCount, pgmCount) == 0)
            ++start;
        dropFront(start);
        if (buffer_.empty())
            return false;
        const std::uint8_t code = buffer_.data[0];
        const std::size_t length = messageLength(code, zoneCount, pgmCount);
        if (buffer_.count < length)
            return false;
        if (!sumIsZero({buffer_.data.data(), checkedLength(code, zoneCount, pgmCount)})) {
            dropFront(1);
            continue;
        }
        message = buffer_;
        buffer_.clear();
        return true;
    }
}

} // namespace link
} // namespace qarvo
