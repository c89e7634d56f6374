#pragma once
// The alarm panel behind the simulated communicator: it receives each panel
// message the program sends (check byte verified and removed) and answers
// with zero or more panel messages (without check bytes).
#include <cstdint>
#include <span>
#include <vector>

namespace qarvo::sim {

using Message = std::vector<std::uint8_t>;

class PanelPeer {
public:
    virtual ~PanelPeer() = default;
    virtual std::vector<Message> onMessage(std::span<const std::uint8_t> message) = 0;
    // Called when the communicator session (re)starts.
    virtual void onSessionStart() {}
};

} // namespace qarvo::sim
