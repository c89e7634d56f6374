#pragma once
// The simulated far end every front-end starts the same way: a simulated
// communicator with its callback server and an alarm panel behind it, on
// free ports of 127.0.0.1 (or the ones asked for), holding the demo
// programming and event log. The GUI's and the CLI's --demo and
// qarvoip-sim all launch it here.
#include "link/ConnectionSettings.h"
#include "sim/SimCommunicator.h"
#include "sim/SimPanel.h"

#include <chrono>
#include <cstdint>
#include <optional>
#include <string>
#include <thread>
#include <vector>

namespace qarvo::sim {

// What a simulated site's panel holds besides its model's defaults: the
// names of its first zones, a welcome message, the master's and user 1's
// codes, and its first entry delay when one is given.
struct SiteProgramming {
    std::vector<std::string> zoneNames;
    std::string welcome;
    std::optional<std::uint8_t> entryDelay{}; // seconds; unset: the model's default
};

// The programming memory of a panel of that model holding the site's
// programming.
std::vector<std::uint8_t> siteProgramming(std::uint8_t typeCode, const SiteProgramming& site);

// What the demo panel holds besides its model's defaults: a few zone names
// and a welcome message.
std::vector<std::uint8_t> demoProgramming(std::uint8_t typeCode);

// The short demo log, oldest first; the newest kDemoUnreadEvents are unread.
std::vector<EventRecord> demoEvents();
inline constexpr std::size_t kDemoUnreadEvents = 4;

// A real panel's answer time-out: long enough for any reply the program
// owes it, short enough that a datagram lost on the way costs a second.
inline constexpr std::chrono::milliseconds kPanelAnswerTimeout{1000};

struct DemoSetup {
    std::uint8_t typeCode = 0x24;
    // How long the communicator lets the program wait before it calls.
    std::chrono::milliseconds callDelay{200};
    // 0: the short demo log; otherwise a long generated log of that many
    // events, the newest longLogUnread of them unread (unset: all).
    std::size_t longLog = 0;
    std::optional<std::size_t> longLogUnread{};
    // The demo programming; the model's defaults otherwise.
    bool programming = true;
    // How long the panel waits for the program's next message before it
    // sends its no-answer message, as a real panel does; 0: never.
    std::chrono::milliseconds answerTimeout = kPanelAnswerTimeout;
    std::uint16_t port = 0;         // 0: any free port
    std::uint16_t callbackPort = 0; // 0: any free port
    CommunicatorConfig communicator{};
};

class DemoPeers {
public:
    explicit DemoPeers(DemoSetup setup = {});
    ~DemoPeers();
    DemoPeers(const DemoPeers&) = delete;
    DemoPeers& operator=(const DemoPeers&) = delete;

    // Starts the communicator and its callback server.
    bool start();
    // Points the settings at the simulator: its address, port, password and
    // callback server, and no update server beyond this machine.
    void pointSettingsAt(link::ConnectionSettings& settings);
    // The communicator calls the program on programPort after the call delay.
    void callProgramLater(std::uint16_t programPort);
    // One line saying where the simulator listens.
    std::string description() const;

    SimCommunicator& communicator() { return communicator_; }
    SimPanel& panel() { return panel_; }

private:
    DemoSetup setup_;
    SimPanel panel_;                // before the communicator that answers with it
    SimCommunicator communicator_;
    std::jthread caller_;           // last: stopped before the communicator goes
};

} // namespace qarvo::sim
