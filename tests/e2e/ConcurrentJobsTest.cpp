// Panel jobs share nothing: eight run in one process at once, each against
// its own simulated communicator and panel on its own loopback port, and
// each ends with its own panel's pages.
#include "MemoryMap.h"

#include "operations/OperationCodes.h"
#include "panel/PanelModels.h"
#include "session/PanelJob.h"
#include "support/Documents.h"
#include "support/Loopback.h"
#include "support/Timing.h"

#include <gtest/gtest.h>

#include <array>
#include <latch>
#include <memory>
#include <thread>

using namespace qarvo;
using namespace qarvo::testing;

namespace {

constexpr std::size_t kSites = 8;
constexpr std::array<int, 2> kBothPages{operations::kReadInstaller, operations::kReadMaster};

// A communicator with a panel behind it: the sites differ in panel model,
// password and programming.
struct Site {
    explicit Site(std::size_t index)
        : model(panel::kPanelModels[index % std::size(panel::kPanelModels)]),
          panel(sim::SimPanelConfig{.typeCode = model.typeCode}),
          communicator(sim::CommunicatorConfig{.password = std::to_string(5300 + index)})
    {
        memory = randomImage(static_cast<std::uint32_t>(1000 + index), panel.memory());
        panel.setMemory(memory);
        communicator.setPanel(&panel);
        started = communicator.start();
    }
    ~Site() { communicator.stop(); }

    const panel::PanelModel& model;
    sim::SimPanel panel;
    sim::SimCommunicator communicator;
    Bytes memory;
    bool started = false;
};

// What one job ended with.
struct Outcome {
    session::JobResult result;
    Bytes document;
};

Outcome readBothPages(Site& site, std::latch& together)
{
    RecordingSink sink;
    session::PanelJob job(sink, {settingsFor(site.communicator, site.communicator.config().password),
                                 link::ConnectionMode::Direct, answeredTiming()});
    together.arrive_and_wait();
    Outcome outcome{job.run(kBothPages), {}};
    const auto bytes = job.doc().image().bytes();
    outcome.document.assign(bytes.begin(), bytes.end());
    return outcome;
}

} // namespace

TEST(ConcurrentJobs, EachJobReadsItsOwnPanel)
{
    std::vector<std::unique_ptr<Site>> sites;
    for (std::size_t i = 0; i < kSites; ++i) {
        sites.push_back(std::make_unique<Site>(i));
        ASSERT_TRUE(sites.back()->started);
    }
    std::array<Outcome, kSites> outcomes;
    {
        std::latch together(kSites);
        std::vector<std::jthread> jobs;
        for (std::size_t i = 0; i < kSites; ++i)
            jobs.emplace_back([&, i] { outcomes[i] = readBothPages(*sites[i], together); });
    }
    for (std::size_t i = 0; i < kSites; ++i) {
        SCOPED_TRACE("site " + std::to_string(i));
        const Site& site = *sites[i];
        ASSERT_EQ(outcomes[i].result.outcome, session::JobOutcome::Done);
        const auto defaults = documentFor(site.model.typeCode); // the image's bytes are a view into it
        const auto image = defaults.image().bytes();
        expectMemory(outcomes[i].document, installerRead(site.model) + masterRead(site.model), site.memory,
                     Bytes(image.begin(), image.end()));
    }
}
