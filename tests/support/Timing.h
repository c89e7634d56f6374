#pragma once
// One set of time-outs for every test: the real values scaled down so that
// a failure shows quickly, with the waits that cross threads and sockets
// kept long enough for a loaded machine.
#include "base/Timing.h"

namespace qarvo::testing {

// Short time-outs throughout: for a test that waits one out.
Timing fastTiming();
// The same for a program whose simulated far end answers: the waits for an
// answer only bound a failure, so they leave a loaded machine 5 s to answer
// (the connection's replies, the communicator's call and the panel's
// messages).
Timing answeredTiming();

} // namespace qarvo::testing
