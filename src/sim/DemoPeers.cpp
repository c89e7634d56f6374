#include "sim/DemoPeers.h"

#include "panel/CUploadDoc.h"
#include "panel/FieldCodecs.h"
#include "panel/FixedRegion.h"
#include "sim/DemoEventLog.h"

#include <algorithm>
#include <condition_variable>
#include <iterator>
#include <mutex>

namespace qarvo::sim {

namespace {

constexpr std::uint32_t kLoopback = 0x7F000001;
constexpr const char* kLoopbackText = "127.0.0.1";
constexpr const char* kDemoZoneNames[] = {"Front door", "Hall", "Kitchen", "Garage"};
constexpr const char* kDemoWelcome = "QarvoIP demo";
// The master's code and user 1's: a panel in use always has them.
constexpr const char* kDemoUserCodes[] = {"1234", "5678"};
// The newest event of a long log: 5 March 2026, 14:07.
constexpr StatusClock kLongLogNewest{.minuteOfMonth = 4 * 1440 + 14 * 60 + 7, .monthIndex = 2, .year = 26};

} // namespace

std::vector<std::uint8_t> siteProgramming(std::uint8_t typeCode, const SiteProgramming& site)
{
    panel::CUploadDoc doc("");
    doc.newDocument();
    panel::PanelIdentity model;
    model.setFromModel(typeCode);
    doc.checkModel(model);
    for (int zone = 1; zone <= static_cast<int>(site.zoneNames.size()); ++zone) {
        const auto name = panel::encodeText16(site.zoneNames[static_cast<std::size_t>(zone - 1)]);
        std::ranges::copy(name, doc.bytes(panel::zoneName(zone)).begin());
    }
    for (int record = 0; record < static_cast<int>(std::size(kDemoUserCodes)); ++record)
        std::ranges::copy(*panel::encodeCode(kDemoUserCodes[record]),
                          doc.image().range(panel::fixed::userRecordOffset(record), panel::fixed::kCodeBytes).begin());
    if (auto welcome = doc.bytes(panel::Setting::WelcomeMessage); !welcome.empty())
        std::ranges::copy(panel::encodeText16(site.welcome), welcome.begin());
    if (site.entryDelay)
        doc.bytes(panel::Setting::Entry1Delay)[0] = *site.entryDelay;
    const auto image = doc.image().bytes();
    return {image.begin(), image.end()};
}

std::vector<std::uint8_t> demoProgramming(std::uint8_t typeCode)
{
    return siteProgramming(typeCode, {.zoneNames = {std::begin(kDemoZoneNames), std::end(kDemoZoneNames)},
                                      .welcome = kDemoWelcome,
                                      .entryDelay = std::nullopt});
}

std::vector<EventRecord> demoEvents()
{
    // The event class in the high four bits of the word, below it the
    // minutes since the event recorded before.
    return {
        {0, 0x2000 | 30},  // AC power loss
        {5, 0x2000 | 45},  // AC power restores
        {0, 0x8000 | 120}, // partition A armed with the installer's maintenance code
        {96, 0x1000 | 17}, // burglary alarm on zone 1
        {93, 0x8000 | 3},  // partition A disarmed by the master user
        {12, 0x2000 | 1},  // PC connected to panel
    };
}

DemoPeers::DemoPeers(DemoSetup setup) : setup_(setup), communicator_(setup.communicator)
{
    panel_.setTypeCode(setup_.typeCode);
    if (setup_.programming)
        panel_.setMemory(demoProgramming(setup_.typeCode));
    if (setup_.longLog > 0) {
        panel_.setEventLog(demoEventLog(setup_.longLog, setup_.typeCode), setup_.longLogUnread.value_or(setup_.longLog));
        panel_.setEventLogHeader(kLongLogNewest);
    } else {
        panel_.setEventLog(demoEvents(), kDemoUnreadEvents);
    }
    communicator_.setPanel(&panel_);
}

DemoPeers::~DemoPeers()
{
    caller_ = {};
    panel_.stopAnswerTimeout();
    communicator_.stop();
}

bool DemoPeers::start()
{
    if (!communicator_.start(setup_.port, setup_.callbackPort))
        return false;
    if (setup_.answerTimeout.count() > 0)
        panel_.startAnswerTimeout(setup_.answerTimeout,
                                  [this](const std::vector<Message>& messages) { communicator_.sendPanelMessages(messages); });
    return true;
}

void DemoPeers::pointSettingsAt(link::ConnectionSettings& settings)
{
    settings.communicatorAddress = kLoopback;
    settings.communicatorPort = communicator_.port();
    settings.callbackServer = kLoopbackText;
    settings.callbackPort = communicator_.callbackPort();
    settings.password = communicator_.config().password;
    settings.updateServer = kLoopbackText;
}

void DemoPeers::callProgramLater(std::uint16_t programPort)
{
    caller_ = std::jthread([this, programPort](std::stop_token stop) {
        std::mutex mutex;
        std::condition_variable_any wake;
        std::unique_lock lock(mutex);
        wake.wait_for(lock, stop, setup_.callDelay, [] { return false; });
        if (!stop.stop_requested())
            communicator_.callProgram(programPort);
    });
}

std::string DemoPeers::description() const
{
    return std::string("Demo: simulated communicator on ") + kLoopbackText + ":" +
           std::to_string(communicator_.port()) + ", callback server on " + kLoopbackText + ":" +
           std::to_string(communicator_.callbackPort());
}

} // namespace qarvo::sim
