#pragma once
// The GUI's embedded demo: the simulated far end every front-end launches,
// with a long event log, so that the event log page has pages to show.
#include "sim/DemoPeers.h"

#include <chrono>

namespace qarvo::gui {

// How long the demo communicator lets the program wait for its call.
inline constexpr std::chrono::milliseconds kDemoCallDelay{500};

class DemoPeers : public sim::DemoPeers {
public:
    DemoPeers();
};

} // namespace qarvo::gui
