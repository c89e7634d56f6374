#pragma once
// The embedded demo of the command line: the simulated far end that every
// front-end launches the same way, pointed at by the command's settings.
#include "sim/DemoPeers.h"

#include <chrono>

namespace qarvo::cli {

using Demo = sim::DemoPeers;

// How long the embedded communicator lets the program wait before it calls
// (the wait-for-a-call mode).
inline constexpr std::chrono::milliseconds kDemoCallDelay{200};

} // namespace qarvo::cli
