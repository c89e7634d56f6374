#include "communicator/ControlReply.h"

#include "link/Datagram.h"

#include <algorithm>

namespace qarvo {

std::optional<ControlReply> parseControlReply(std::span<const std::uint8_t> datagram)
{
    using namespace link;
    if (datagram.size() < kHeaderSize || datagram[offset::kStart] != kStartByte ||
        datagram[offset::kKind] != kConnectionTraffic)
        return std::nullopt;
    const std::size_t length =
        std::min<std::size_t>(readU16(datagram, offset::kPayloadLength), datagram.size() - kHeaderSize);
    const auto payload = datagram.subspan(kHeaderSize, length);
    return ControlReply{datagram[offset::kCommand], {payload.begin(), payload.end()}};
}

std::optional<ControlReply> waitControlReply(link::UDPSocket& socket, Millis timeout)
{
    if (!socket.controlReplyEvent.wait(timeout))
        return std::nullopt;
    return parseControlReply(socket.controlReply());
}

bool isReplyWith(const std::optional<ControlReply>& reply, std::initializer_list<std::uint8_t> commands)
{
    return reply && std::find(commands.begin(), commands.end(), reply->command) != commands.end();
}

} // namespace qarvo
