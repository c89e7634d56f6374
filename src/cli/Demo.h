#pragma once
// The embedded demo: simulated peers on 127.0.0.1 that the front-end's
// settings are pointed at, so every command can run without hardware.
#include "link/ConnectionSettings.h"
#include "sim/SimCommunicator.h"
#include "sim/SimPanel.h"

#include <chrono>
#include <cstdint>
#include <string>
#include <thread>

namespace qarvo::cli {

class Demo {
public:
    // How long the embedded communicator lets the program wait before it
    // calls (the wait-for-a-call mode).
    static constexpr std::chrono::milliseconds kCallDelay{200};

    explicit Demo(std::chrono::milliseconds callDelay = kCallDelay);
    ~Demo();
    Demo(const Demo&) = delete;
    Demo& operator=(const Demo&) = delete;

    // Starts the simulated communicator and its callback server on free
    // loopback ports.
    bool start();
    // Points the settings at the simulator: its address, port, callback
    // server and password.
    void pointSettingsAt(link::ConnectionSettings& settings);
    // The communicator calls the program on programPort after the call delay.
    void callProgramLater(std::uint16_t programPort);
    // One line describing where the simulator listens.
    std::string description() const;

    sim::SimCommunicator& communicator() { return communicator_; }
    // The alarm panel behind the simulated communicator.
    sim::SimPanel& panel() { return panel_; }

private:
    sim::SimPanel panel_; // first: outlives the communicator that answers with it
    sim::SimCommunicator communicator_;
    std::chrono::milliseconds callDelay_;
    std::jthread caller_; // last: stopped before the communicator goes
};

} // namespace qarvo::cli
