#include "support/Loopback.h"

namespace qarvo::testing {

link::ConnectionSettings settingsFor(sim::SimCommunicator& communicator, const std::string& password)
{
    link::ConnectionSettings settings;
    settings.communicatorAddress = 0x7F000001;
    settings.communicatorPort = communicator.port();
    settings.callbackServer = "127.0.0.1";
    settings.callbackPort = communicator.callbackPort();
    settings.password = password;
    return settings;
}

bool writeSettingsFor(sim::SimCommunicator& communicator, const std::filesystem::path& directory,
                      const std::string& password)
{
    return link::saveSettings(directory / link::kSettingsFileName, settingsFor(communicator, password));
}

OwnPanel::OwnPanel(const std::filesystem::path& programDirectory, sim::SimPanelConfig panelConfig)
    : panel(panelConfig)
{
    communicator.setPanel(&panel);
    ready = communicator.start() &&
            writeSettingsFor(communicator, programDirectory, communicator.config().password);
}

OwnPanel::~OwnPanel() { communicator.stop(); }

} // namespace qarvo::testing
