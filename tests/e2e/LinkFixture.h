#pragma once
// A program-side Link and a simulated communicator on 127.0.0.1, with
// time-outs scaled down so failures show quickly, and room for a loaded
// machine where the simulator answers (a test that waits a time-out out
// passes fastTiming()).
#include "base/RecordingSink.h"
#include "link/Link.h"
#include "sim/SimCommunicator.h"
#include "support/Loopback.h"
#include "support/Timing.h"

#include <memory>

namespace qarvo::testing {

struct LinkFixture {
    explicit LinkFixture(sim::CommunicatorConfig config = {}, Timing timing = answeredTiming())
        : communicator(std::move(config))
    {
        if (!communicator.start())
            throw std::runtime_error("simulator did not start");
        link = std::make_unique<link::Link>(sink, settingsFor(communicator, communicator.config().password), timing);
        if (!link->start())
            throw std::runtime_error("socket did not open");
    }

    RecordingSink sink;
    sim::SimCommunicator communicator;
    std::unique_ptr<link::Link> link;
};

} // namespace qarvo::testing
