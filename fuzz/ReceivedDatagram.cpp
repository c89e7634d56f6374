// Received datagrams: the check (version, deciphering, CRC) and the routing
// into the reply slots, with and without a connection key. The same bytes
// also describe a datagram of our own making, which must pass the check
// and give its payload back unchanged.
#include "FuzzCheck.h"
#include "FuzzInput.h"

#include "base/NoticeSink.h"
#include "link/Aes128.h"
#include "link/Datagram.h"
#include "link/UDPSocket.h"

#include <algorithm>
#include <cstdint>
#include <vector>

using namespace qarvo;
using namespace qarvo::link;

namespace {

constexpr Aes128::Block kKey{0x2B, 0x7E, 0x15, 0x16, 0x28, 0xAE, 0xD2, 0xA6,
                             0xAB, 0xF7, 0x15, 0x88, 0x09, 0xCF, 0x4F, 0x3C};
// The largest payload whose padded datagram still fits the receive buffer.
constexpr std::size_t kLargestPayload = kReceiveBufferSize - kHeaderSize - kCrcSize - 16;

// A number of that many bytes, the most significant first.
std::uint32_t number(FuzzInput& in, int bytes)
{
    std::uint32_t value = 0;
    for (int i = 0; i < bytes; ++i)
        value = value << 8 | in.byte();
    return value;
}

void ownDatagramPassesTheCheck(FuzzInput& in, const Aes128* key)
{
    Datagram d;
    d.setKind(in.byte());
    d.setFlags(in.byte());
    d.setConnection(number(in, 4));
    d.setSequence(static_cast<std::uint16_t>(number(in, 2)));
    d.setCommand(in.byte());
    d.setSourceNode(in.byte());
    d.setDestinationNode(in.byte());
    std::vector<std::uint8_t> payload(number(in, 2) % (kLargestPayload + 1));
    for (auto& b : payload)
        b = in.byte();
    std::copy(payload.begin(), payload.end(), d.payload().begin());
    const std::size_t padded = d.finalise(payload.size(), in.byte());
    FUZZ_CHECK(d.encipher(key) == padded);
    std::vector<std::uint8_t> wire(d.wire().begin(), d.wire().end());
    FUZZ_CHECK(wire.size() == kHeaderSize + padded + kCrcSize);
    FUZZ_CHECK(check(wire, key) == CheckResult::Valid);
    FUZZ_CHECK(std::equal(payload.begin(), payload.end(), wire.begin() + kHeaderSize));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static NullSink sink;
    static UDPSocket socket(sink);
    static const Aes128 key(kKey);
    if (size == 0)
        return 0;
    const bool keyed = data[0] & 1;
    // The reader never receives more than its buffer holds.
    std::vector<std::uint8_t> datagram(data + 1, data + std::min(size, kReceiveBufferSize + 1));

    std::vector<std::uint8_t> checked = datagram;
    const CheckResult result = check(checked, keyed ? &key : nullptr);
    FUZZ_CHECK(result == CheckResult::Valid || result == CheckResult::BadCrc || result == CheckResult::BadVersion);

    socket.setKey(keyed ? std::optional<Aes128>(key) : std::nullopt);
    socket.route(datagram, {0x7F000001, 51069});
    for (const auto& payload : socket.takePanelData())
        FUZZ_CHECK(payload.size() + kHeaderSize <= datagram.size());

    FuzzInput in(data + 1, size - 1);
    ownDatagramPassesTheCheck(in, keyed ? &key : nullptr);
    return 0;
}
