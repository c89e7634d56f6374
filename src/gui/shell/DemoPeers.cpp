#include "gui/shell/DemoPeers.h"

namespace qarvo::gui {

namespace {
// More than one reading takes: the event log page shows 800 at a time.
constexpr std::size_t kDemoEvents = 1000;
} // namespace

DemoPeers::DemoPeers()
    : sim::DemoPeers(sim::DemoSetup{.callDelay = kDemoCallDelay, .longLog = kDemoEvents})
{
}

} // namespace qarvo::gui
