#include "gui/DemoPeers.h"

#include "sim/DemoEventLog.h"

#include <condition_variable>
#include <mutex>

namespace qarvo::gui {
namespace {
constexpr std::uint32_t kLoopback = 0x7F000001;
constexpr const char* kLoopbackText = "127.0.0.1";
// More than one reading takes: the event log page shows 800 at a time.
constexpr std::size_t kDemoEvents = 1000;
} // namespace

DemoPeers::DemoPeers()
{
    panel_.setEventLog(sim::demoEventLog(kDemoEvents, panel_.typeCode()), kDemoEvents);
    // The newest event: 5 March 2026, 14:07.
    panel_.setEventLogHeader({.minuteOfMonth = 4 * 1440 + 14 * 60 + 7, .monthIndex = 2, .year = 26});
    communicator_.setPanel(&panel_);
}

DemoPeers::~DemoPeers()
{
    caller_ = {};
    communicator_.stop();
}

bool DemoPeers::start() { return communicator_.start(); }

void DemoPeers::pointSettingsAt(link::ConnectionSettings& settings)
{
    settings.communicatorAddress = kLoopback;
    settings.communicatorPort = communicator_.port();
    settings.callbackServer = kLoopbackText;
    settings.callbackPort = communicator_.callbackPort();
    settings.password = communicator_.config().password;
    // The demo's firmware update names no server beyond this machine.
    settings.updateServer = kLoopbackText;
}

} // namespace qarvo::gui

namespace qarvo::gui {

void DemoPeers::callProgramLater(std::uint16_t programPort)
{
    caller_ = std::jthread([this, programPort](std::stop_token stop) {
        std::mutex mutex;
        std::condition_variable_any wake;
        std::unique_lock lock(mutex);
        wake.wait_for(lock, stop, kDemoCallDelay, [] { return false; });
        if (!stop.stop_requested())
            communicator_.callProgram(programPort);
    });
}

} // namespace qarvo::gui
