#pragma once
// A control reply as the communicator tasks read it from a reply slot: the
// command byte and the payload that the header's length announces (cut to
// what actually arrived).
#include "base/Timing.h"
#include "link/UDPSocket.h"

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

namespace qarvo {

struct ControlReply {
    std::uint8_t command = 0;
    std::vector<std::uint8_t> payload;
};

// The reply a slot holds: nullopt unless it is a whole header with the
// start byte and packet kind 4.
std::optional<ControlReply> parseControlReply(std::span<const std::uint8_t> datagram);

// Waits for the control reply event and reads the control reply slot;
// nullopt on a time-out or when the slot holds no control reply.
std::optional<ControlReply> waitControlReply(link::UDPSocket& socket, Millis timeout);

// Whether the reply arrived and carries one of the commands.
bool isReplyWith(const std::optional<ControlReply>& reply, std::initializer_list<std::uint8_t> commands);

} // namespace qarvo
