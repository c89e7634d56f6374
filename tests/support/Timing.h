#pragma once
// One set of time-outs for every test: the real values scaled down so that
// a failure shows quickly, with the waits that cross threads and sockets
// kept long enough for a loaded machine.
#include "base/Timing.h"

namespace qarvo::testing {

Timing fastTiming();

} // namespace qarvo::testing
