#pragma once
// A program-side Link and a simulated communicator on 127.0.0.1, with
// time-outs scaled down so failures show quickly.
#include "base/RecordingSink.h"
#include "link/Link.h"
#include "sim/SimCommunicator.h"

#include <memory>

namespace qarvo::testing {

inline Timing fastTiming()
{
    Timing t = Timing{}.scaled(0.05);
    t.controlReply = Millis(800);
    t.directCallWait = Millis(600);
    t.callbackCallWait = Millis(600);
    t.waitForCall = Millis(1200);
    return t;
}

struct LinkFixture {
    explicit LinkFixture(sim::CommunicatorConfig config = {}, Timing timing = fastTiming())
        : communicator(std::move(config))
    {
        if (!communicator.start())
            throw std::runtime_error("simulator did not start");
        link::ConnectionSettings settings;
        settings.communicatorAddress = 0x7F000001;
        settings.communicatorPort = communicator.port();
        settings.callbackServer = "127.0.0.1";
        settings.callbackPort = communicator.callbackPort();
        settings.password = communicator.config().password;
        link = std::make_unique<link::Link>(sink, settings, timing);
        if (!link->start())
            throw std::runtime_error("socket did not open");
    }

    RecordingSink sink;
    sim::SimCommunicator communicator;
    std::unique_ptr<link::Link> link;
};

} // namespace qarvo::testing
