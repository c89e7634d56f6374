#include "sim/SimFleet.h"

#include "communicator/TaviModelInfo.h"
#include "sim/DemoEventLog.h"

#include <algorithm>
#include <array>
#include <condition_variable>
#include <cstdio>
#include <mutex>
#include <random>

namespace qarvo::sim {

namespace {

constexpr std::size_t kZonesNamed = 4;
constexpr std::array kZoneNames{"Front door", "Back door", "Hall",       "Kitchen",   "Garage", "Office",
                                "Stairs",     "Loading bay", "Shop floor", "Store room", "Cellar", "Lounge"};
constexpr int kShortestEntryDelay = 10; // seconds
constexpr int kLongestEntryDelay = 60;
constexpr std::size_t kFewestEvents = 12;
constexpr std::size_t kMostEvents = 40;
constexpr std::size_t kFewestUnread = 2;
constexpr std::size_t kMostUnread = 6;
constexpr unsigned kPasswords = 10000; // four digits
constexpr std::uint16_t kFirstAccount = 0x1000;
constexpr std::int32_t kFirstSerial = 700000;

template <class T>
T drawn(std::mt19937& random, T low, T high)
{
    return std::uniform_int_distribution<T>(low, high)(random);
}

std::string fourDigits(unsigned value)
{
    const std::string digits = std::to_string(value % kPasswords);
    return std::string(4 - digits.size(), '0') + digits;
}

std::string siteName(std::size_t index)
{
    char text[32];
    std::snprintf(text, sizeof text, "sim-%03zu", index + 1);
    return text;
}

SiteProgramming programmingOf(const std::string& name, std::mt19937& random)
{
    std::array<std::string_view, kZoneNames.size()> pool;
    std::ranges::copy(kZoneNames, pool.begin());
    std::shuffle(pool.begin(), pool.end(), random);
    SiteProgramming p;
    p.zoneNames.assign(pool.begin(), pool.begin() + kZonesNamed);
    p.welcome = "Site " + name;
    p.entryDelay = static_cast<std::uint8_t>(drawn(random, kShortestEntryDelay, kLongestEntryDelay));
    return p;
}

// The random numbers of site index: from the seed and the index alone, so
// that a site keeps its password, codes and programming in a larger fleet
// of the same seed.
std::mt19937 siteRandom(std::uint32_t seed, std::size_t index)
{
    std::seed_seq sequence{seed, static_cast<std::uint32_t>(index)};
    return std::mt19937(sequence);
}

FleetSite makeSite(std::size_t index, SiteProfile profile, std::mt19937& random)
{
    FleetSite site;
    site.name = siteName(index);
    site.profile = profile;
    const unsigned password = drawn(random, 0u, kPasswords - 1);
    site.password = fourDigits(password);
    site.acceptedPassword = profile == SiteProfile::WrongPassword
                                ? fourDigits(password + drawn(random, 1u, kPasswords - 1))
                                : site.password;
    site.panelId = drawn<std::uint16_t>(random, 1, 0xFFFF);
    site.pcId = drawn<std::uint16_t>(random, 1, 0xFFFF);
    site.account = static_cast<std::uint16_t>(kFirstAccount + index);
    site.programming = programmingOf(site.name, random);
    return site;
}

// What the communicator reports of itself: the site's account, port,
// password and a serial number and MAC address of its own.
std::vector<std::uint8_t> modelInfoOf(const FleetSite& site, std::size_t index)
{
    auto info = *TaviModelInfo::parse(defaultModelInfo());
    info.account = site.account;
    info.port = site.port;
    std::ranges::copy(site.acceptedPassword, info.password.begin());
    info.serialNumber = kFirstSerial + static_cast<std::int32_t>(index);
    info.id = info.id + static_cast<std::uint32_t>(index);
    info.mac[4] = static_cast<std::uint8_t>(index >> 8);
    info.mac[5] = static_cast<std::uint8_t>(index);
    const auto bytes = info.encode();
    return {bytes.begin(), bytes.end()};
}

DemoSetup setupOf(const FleetSetup& fleet, const FleetSite& site, std::size_t index, std::mt19937& random)
{
    const ProfileInfo& profile = profileInfo(site.profile);
    DemoSetup s = fleet.site;
    if (fleet.basePort != 0) {
        s.port = static_cast<std::uint16_t>(fleet.basePort + index);
        s.callbackPort = static_cast<std::uint16_t>(fleet.basePort + fleet.sites + index);
    }
    s.programming = false; // the site's own, set once the peers are made
    s.longLog = drawn(random, kFewestEvents, kMostEvents);
    s.longLogUnread = drawn(random, kFewestUnread, kMostUnread);
    s.communicator.password = site.acceptedPassword;
    s.communicator.seed = static_cast<std::uint32_t>(random());
    s.communicator.toProgram = profile.faults;
    s.communicator.fromProgram = profile.faults;
    s.communicator.toProgram.delay += fleet.lineDelay;
    s.communicator.fromProgram.delay += fleet.lineDelay;
    if (!profile.answers) {
        s.communicator.answerHello = false;
        s.communicator.fromProgram.loss = 1.0;
    }
    return s;
}

} // namespace

SimFleet::SimFleet(FleetSetup setup) : setup_(std::move(setup))
{
    const auto drawnProfiles = drawProfiles(setup_.mix, setup_.sites, setup_.seed);
    for (std::size_t i = 0; i < setup_.sites; ++i) {
        std::mt19937 random = siteRandom(setup_.seed, i);
        FleetSite site = makeSite(i, drawnProfiles[i], random);
        const DemoSetup demo = setupOf(setup_, site, i, random);
        auto peers = std::make_unique<DemoPeers>(demo);
        peers->panel().setMemory(siteProgramming(demo.typeCode, site.programming));
        peers->panel().setIdentificationCodes(site.panelId, site.pcId);
        if (setup_.prepare)
            setup_.prepare(*peers);
        eventsRecorded_.push_back(demo.longLog);
        sites_.push_back(std::move(site));
        peers_.push_back(std::move(peers));
    }
}

SimFleet::~SimFleet() { stop(); }

bool SimFleet::start()
{
    for (std::size_t i = 0; i < peers_.size(); ++i) {
        DemoPeers& peers = *peers_[i];
        if (!peers.start()) {
            error_ = "cannot bind the communicator of " + sites_[i].name + " on 127.0.0.1" +
                     (setup_.basePort ? ":" + std::to_string(setup_.basePort + i) + " or its callback server on :" +
                                            std::to_string(setup_.basePort + setup_.sites + i)
                                      : std::string());
            stop();
            return false;
        }
        sites_[i].port = peers.communicator().port();
        sites_[i].callbackPort = peers.communicator().callbackPort();
        peers.communicator().configure(
            [&](CommunicatorConfig& c) { c.modelInfo = modelInfoOf(sites_[i], i); });
    }
    if (setup_.eventEvery.count() > 0)
        recorder_ = std::jthread([this](std::stop_token stop) { recordEvents(stop); });
    return true;
}

void SimFleet::stop()
{
    recorder_ = {};
    for (auto& peers : peers_) {
        peers->panel().stopAnswerTimeout();
        peers->communicator().stop();
    }
}

std::vector<std::uint8_t> SimFleet::memory(std::size_t site) const { return peers_.at(site)->panel().memory(); }

void SimFleet::recordEvents(std::stop_token stop)
{
    std::mutex mutex;
    std::condition_variable_any wake;
    std::unique_lock lock(mutex);
    while (!wake.wait_for(lock, stop, setup_.eventEvery, [] { return false; }) && !stop.stop_requested()) {
        for (std::size_t i = 0; i < peers_.size(); ++i) {
            SimPanel& panel = peers_[i]->panel();
            panel.recordEvent(demoEvent(eventsRecorded_[i]++, panel.typeCode()));
        }
    }
}

} // namespace qarvo::sim
