#include "cli/Demo.h"

#include "cli/DocumentCommands.h"
#include "cli/EventLogCommands.h"

#include <condition_variable>
#include <mutex>

namespace qarvo::cli {

namespace {
constexpr std::uint32_t kLoopback = 0x7F000001;
constexpr const char* kLoopbackText = "127.0.0.1";
} // namespace

Demo::Demo(std::chrono::milliseconds callDelay) : callDelay_(callDelay)
{
    panel_.setEventLog(demoEvents(), kDemoUnreadEvents);
    panel_.setMemory(demoProgramming(panel_.typeCode()));
}

Demo::~Demo()
{
    caller_ = {};
    communicator_.stop();
}

bool Demo::start()
{
    communicator_.setPanel(&panel_);
    return communicator_.start();
}

void Demo::pointSettingsAt(link::ConnectionSettings& settings)
{
    settings.communicatorAddress = kLoopback;
    settings.communicatorPort = communicator_.port();
    settings.callbackServer = kLoopbackText;
    settings.callbackPort = communicator_.callbackPort();
    settings.password = communicator_.config().password;
}

void Demo::callProgramLater(std::uint16_t programPort)
{
    caller_ = std::jthread([this, programPort](std::stop_token stop) {
        std::mutex mutex;
        std::condition_variable_any wake;
        std::unique_lock lock(mutex);
        if (!wake.wait_for(lock, stop, callDelay_, [] { return false; }))
            if (!stop.stop_requested())
                communicator_.callProgram(programPort);
    });
}

std::string Demo::description() const
{
    return std::string("Demo: simulated communicator on ") + kLoopbackText + ":" +
           std::to_string(communicator_.port()) + ", callback server on " + kLoopbackText + ":" +
           std::to_string(communicator_.callbackPort());
}

} // namespace qarvo::cli
