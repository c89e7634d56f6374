#include "gui/DemoPeers.h"

namespace qarvo::gui {
namespace {
constexpr std::uint32_t kLoopback = 0x7F000001;
constexpr const char* kLoopbackText = "127.0.0.1";
} // namespace

DemoPeers::DemoPeers() { communicator_.setPanel(&panel_); }

DemoPeers::~DemoPeers() { communicator_.stop(); }

bool DemoPeers::start() { return communicator_.start(); }

void DemoPeers::pointSettingsAt(link::ConnectionSettings& settings)
{
    settings.communicatorAddress = kLoopback;
    settings.communicatorPort = communicator_.port();
    settings.callbackServer = kLoopbackText;
    settings.callbackPort = communicator_.callbackPort();
    settings.password = communicator_.config().password;
}

} // namespace qarvo::gui
