#pragma once
// The embedded demo: a simulated communicator with a simulated panel
// behind it on 127.0.0.1, which the connection settings are pointed at.
#include "link/ConnectionSettings.h"
#include "sim/SimCommunicator.h"
#include "sim/SimPanel.h"

#include <chrono>
#include <thread>

namespace qarvo::gui {

class DemoPeers {
public:
    DemoPeers();
    ~DemoPeers();
    DemoPeers(const DemoPeers&) = delete;
    DemoPeers& operator=(const DemoPeers&) = delete;

    // Starts both on free loopback ports.
    bool start();
    // The communicator's address, port and password, and its callback server.
    void pointSettingsAt(link::ConnectionSettings& settings);
    // The communicator calls the program on programPort a moment later, as
    // it would for "Wait for a call".
    void callProgramLater(std::uint16_t programPort);

    sim::SimPanel& panel() { return panel_; }
    sim::SimCommunicator& communicator() { return communicator_; }

private:
    sim::SimPanel panel_;
    sim::SimCommunicator communicator_; // after the panel: stops before it goes
    std::jthread caller_;                // last: stopped before the communicator goes
};

// How long the demo communicator lets the program wait for its call.
inline constexpr std::chrono::milliseconds kDemoCallDelay{500};

} // namespace qarvo::gui
