#pragma once
// Many simulated sites in one process, as a security company's fleet: each
// a communicator on its own port of 127.0.0.1 with the panel behind it, its
// own password, identification codes, programming and event log, and a
// fault profile drawn from a seeded mix (see FleetProfile). Every site's
// panel records a new event now and then while the fleet runs.
//
// Each site runs on the simulator's own threads (the communicator's serving
// loop and the panel's answer timer); the fleet adds one thread that records
// the new events of every site.
#include "sim/DemoPeers.h"
#include "sim/FleetProfile.h"

#include <chrono>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <thread>
#include <vector>

namespace qarvo::sim {

// How a fleet is made.
struct FleetSetup {
    std::size_t sites = 1;
    // Site i's communicator listens on basePort + i, its callback server on
    // basePort + sites + i; 0: any free ports.
    std::uint16_t basePort = 0;
    ProfileMix mix = *parseProfileMix(kDefaultMix);
    // Every site's line is this much slower each way, on top of its profile.
    std::chrono::milliseconds lineDelay{0};
    std::uint32_t seed = 1;
    // How often each site's panel records a new event; 0: never.
    std::chrono::milliseconds eventEvery{60000};
    // What every site shares: the panel model, the answer time-out, the key
    // exchange. The fleet gives each site its ports, password, faults,
    // programming and event log.
    DemoSetup site{};
    // Called for every site's peers before they start (life on the site,
    // partitions).
    std::function<void(DemoPeers&)> prepare{};
};

// One site as a site list gives it, and what the simulator knows besides.
struct FleetSite {
    std::string name;
    SiteProfile profile = SiteProfile::Healthy;
    std::uint16_t port = 0;
    std::uint16_t callbackPort = 0;
    std::string password;         // the one the site list gives
    std::string acceptedPassword; // the one the communicator takes
    std::uint16_t panelId = 0;
    std::uint16_t pcId = 0;
    std::uint16_t account = 0;    // what the communicator reports as its account
    SiteProgramming programming;
};

class SimFleet {
public:
    explicit SimFleet(FleetSetup setup);
    ~SimFleet();
    SimFleet(const SimFleet&) = delete;
    SimFleet& operator=(const SimFleet&) = delete;

    // Starts every site; false when a site's port could not be bound (then
    // error() names it and nothing serves).
    bool start();
    void stop();
    const std::string& error() const { return error_; }

    const std::vector<FleetSite>& sites() const { return sites_; }
    DemoPeers& peers(std::size_t site) { return *peers_.at(site); }
    // The site's programming memory as its panel holds it now.
    std::vector<std::uint8_t> memory(std::size_t site) const;

private:
    void recordEvents(std::stop_token stop);

    FleetSetup setup_;
    std::vector<FleetSite> sites_;
    std::vector<std::unique_ptr<DemoPeers>> peers_;
    std::vector<std::size_t> eventsRecorded_; // per site, the demo log's next position
    std::string error_;
    std::jthread recorder_; // last: stopped before the sites go
};

} // namespace qarvo::sim
