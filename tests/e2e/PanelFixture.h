#pragma once
// The whole panel path on loopback: program-side link and operation worker,
// simulated communicator and the simulated panel behind it.
#include "LinkFixture.h"
#include "operations/OperationWorker.h"
#include "panel/PanelIdentity.h"
#include "sim/SimPanel.h"
#include "support/Eventually.h"

#include <functional>

namespace qarvo::testing {

struct PanelFixture : LinkFixture {
    explicit PanelFixture(sim::SimPanelConfig panelConfig = {}, sim::CommunicatorConfig config = {},
                          Timing timing = answeredTiming())
        : LinkFixture(std::move(config), timing), panel(panelConfig)
    {
        communicator.setPanel(&panel);
        worker = std::make_unique<operations::OperationWorker>(*link, identity);
    }
    ~PanelFixture()
    {
        if (worker && worker->running())
            worker->abort(true);
        worker.reset();
        communicator.stop();
    }

    bool connect() { return worker->startPageOperation(operations::kNoOperation); }

    static bool eventually(const std::function<bool()>& condition, Millis timeout = kEventually)
    {
        return testing::eventually(condition, timeout);
    }

    bool waitIdle() { return eventually([&] { return worker->panelLinkUp() && worker->currentCode() == 1; }); }

    // Messages the panel received that start with these bytes.
    std::size_t receivedCount(std::initializer_list<std::uint8_t> prefix) const
    {
        std::size_t n = 0;
        for (const auto& m : panel.received())
            if (m.size() >= prefix.size() && std::equal(prefix.begin(), prefix.end(), m.begin()))
                ++n;
        return n;
    }

    panel::PanelIdentity identity;
    sim::SimPanel panel;
    std::unique_ptr<operations::OperationWorker> worker;
};

} // namespace qarvo::testing
