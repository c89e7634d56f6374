#pragma once
// The simulated far ends on 127.0.0.1 and the connection settings that
// reach them.
#include "link/ConnectionSettings.h"
#include "sim/SimCommunicator.h"
#include "sim/SimPanel.h"

#include <filesystem>
#include <string>

namespace qarvo::testing {

// Connection settings that reach the simulated communicator on 127.0.0.1
// directly and through its callback server.
link::ConnectionSettings settingsFor(sim::SimCommunicator& communicator, const std::string& password);

// PanelRPS.cfg in the directory, pointing at the communicator.
bool writeSettingsFor(sim::SimCommunicator& communicator, const std::filesystem::path& directory,
                      const std::string& password);

// A simulated communicator with a simulated panel behind it, both the
// test's own, and PanelRPS.cfg in the program directory pointing at them.
struct OwnPanel {
    explicit OwnPanel(const std::filesystem::path& programDirectory, sim::SimPanelConfig panelConfig = {});
    ~OwnPanel();
    bool ready = false;  // started, and the settings file written

    sim::SimPanel panel;
    sim::SimCommunicator communicator;
};

} // namespace qarvo::testing
