// qarvoip-sim: a simulated communicator with its callback server and the
// alarm panel behind it on 127.0.0.1, for manual runs and scripts, until
// SIGINT or SIGTERM. The panel is the one the front-ends' --demo starts.
// With --sites, a fleet of them (sim/SimFleet).
#include "sim/DemoPeers.h"
#include "panel/PanelModels.h"
#include "sim/FleetSiteList.h"
#include "sim/SimFleet.h"
#include "sim/SimSite.h"

#include <pthread.h>
#include <sys/resource.h>

#include <chrono>
#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace {


constexpr int kExitSuccess = 0;
constexpr int kExitFailure = 1;
constexpr int kExitUsage = 2;
constexpr std::size_t kMaxPassword = 4;
constexpr long kMaxPort = 65535;
constexpr long kMaxDelayMs = 60000;

constexpr long kMaxSites = 1000;
constexpr long kMaxEventEveryMs = 86400000;

struct SimOptions {
    qarvo::sim::DemoSetup demo;
    std::optional<std::uint16_t> callPort;
    qarvo::sim::Faults faults;
    qarvo::sim::ActivityScript activity;
    bool partitioned = false;
    qarvo::sim::FleetSetup fleet;
    bool isFleet = false;
    std::optional<std::filesystem::path> siteList;
};
constexpr long kMaxEvents = 5000;

std::optional<long> number(const std::string& text, long min, long max)
{
    try {
        std::size_t used = 0;
        const long value = std::stol(text, &used);
        if (used == text.size() && value >= min && value <= max)
            return value;
    } catch (const std::exception&) {
    }
    return std::nullopt;
}

std::optional<double> probability(const std::string& text)
{
    try {
        std::size_t used = 0;
        const double value = std::stod(text, &used);
        if (used == text.size() && value >= 0.0 && value <= 1.0)
            return value;
    } catch (const std::exception&) {
    }
    return std::nullopt;
}

// Stores one option's value; false when the value is not valid.
using Setter = bool (*)(SimOptions&, const std::string&);

bool setPort(std::uint16_t& field, const std::string& v, long min)
{
    const auto port = number(v, min, kMaxPort);
    if (port)
        field = static_cast<std::uint16_t>(*port);
    return port.has_value();
}

bool setProbability(double& field, const std::string& v)
{
    const auto p = probability(v);
    if (p)
        field = *p;
    return p.has_value();
}

// "Z", or "Z:CLOSED:OPEN" in milliseconds.
bool addWalk(SimOptions& o, const std::string& v)
{
    constexpr long kMostZones = 16;
    qarvo::sim::ZoneWalk walk;
    const auto first = v.find(':');
    const auto zone = number(v.substr(0, first), 1, kMostZones);
    if (!zone)
        return false;
    walk.zone = static_cast<int>(*zone);
    if (first != std::string::npos) {
        const auto second = v.find(':', first + 1);
        if (second == std::string::npos)
            return false;
        const auto closed = number(v.substr(first + 1, second - first - 1), 1, kMaxDelayMs);
        const auto open = number(v.substr(second + 1), 1, kMaxDelayMs);
        if (!closed || !open)
            return false;
        walk.closed = std::chrono::milliseconds(*closed);
        walk.open = std::chrono::milliseconds(*open);
    }
    o.activity.walks.push_back(walk);
    return true;
}

// Which runs an option belongs to: one communicator, a fleet (--sites),
// or both (then it applies to every site of the fleet).
enum class Scope { One, Fleet, Both };

struct OptionRow {
    std::string_view name;
    std::string_view valueName; // empty: a flag
    std::string_view help;
    Setter set;
    Scope scope = Scope::One;
};

const OptionRow kOptions[] = {
    {"--port", "N", "communicator port (default: any free port)",
     [](SimOptions& o, const std::string& v) { return setPort(o.demo.port, v, 0); }},
    {"--callback-port", "N", "callback server port (default: any free port)",
     [](SimOptions& o, const std::string& v) { return setPort(o.demo.callbackPort, v, 0); }},
    {"--password", "P", "communicator password (at most 4 characters)",
     [](SimOptions& o, const std::string& v) {
         o.demo.communicator.password = v;
         return !v.empty() && v.size() <= kMaxPassword;
     }},
    {"--plain", "", "connect without the key exchange",
     [](SimOptions& o, const std::string&) {
         o.demo.communicator.encipher = false;
         return true;
     }, Scope::Both},
    {"--boot-loader", "", "report the boot loader mode in the hello reply",
     [](SimOptions& o, const std::string&) {
         o.demo.communicator.bootLoader = true;
         return true;
     }, Scope::Both},
    {"--type", "CODE", "the panel's type code, 21 to 29 hexadecimal (default 24)",
     [](SimOptions& o, const std::string& v) {
         std::size_t used = 0;
         try {
             const unsigned long code = std::stoul(v, &used, 16);
             if (used != v.size() || code > 0xFF || !qarvo::panel::findPanelModel(static_cast<std::uint8_t>(code)))
                 return false;
             o.demo.typeCode = static_cast<std::uint8_t>(code);
             return true;
         } catch (const std::exception&) {
             return false;
         }
     }, Scope::Both},
    {"--events", "N", "a long event log of N unread events instead of the six demo events",
     [](SimOptions& o, const std::string& v) {
         const auto n = number(v, 1, kMaxEvents);
         if (n)
             o.demo.longLog = static_cast<std::size_t>(*n);
         return n.has_value();
     }},
    {"--defaults", "", "the panel holds its model's defaults instead of the demo programming",
     [](SimOptions& o, const std::string&) {
         o.demo.programming = false;
         return true;
     }},
    {"--call", "PORT", "once started, call the program on 127.0.0.1:PORT",
     [](SimOptions& o, const std::string& v) {
         std::uint16_t port = 0;
         const bool ok = setPort(port, v, 1);
         o.callPort = port;
         return ok;
     }},
    {"--loss", "P", "probability of losing a datagram (0 to 1)",
     [](SimOptions& o, const std::string& v) { return setProbability(o.faults.loss, v); }},
    {"--duplicate", "P", "probability of duplicating a datagram (0 to 1)",
     [](SimOptions& o, const std::string& v) { return setProbability(o.faults.duplicate, v); }},
    {"--corrupt", "P", "probability of corrupting a datagram (0 to 1)",
     [](SimOptions& o, const std::string& v) { return setProbability(o.faults.corrupt, v); }},
    {"--delay", "MS", "delay of every datagram in milliseconds (with --sites: on every site's line, on top of its profile)",
     [](SimOptions& o, const std::string& v) {
         const auto ms = number(v, 0, kMaxDelayMs);
         if (ms)
             o.faults.delay = o.fleet.lineDelay = std::chrono::milliseconds(*ms);
         return ms.has_value();
     }, Scope::Both},
    {"--answer-timeout", "MS", "the panel sends its no-answer message after MS without a message (0: never; 1000)",
     [](SimOptions& o, const std::string& v) {
         const auto ms = number(v, 0, kMaxDelayMs);
         if (ms)
             o.demo.answerTimeout = std::chrono::milliseconds(*ms);
         return ms.has_value();
     }, Scope::Both},
    {"--partitioned", "", "the panel works with two partitions (zones split between A and B)",
     [](SimOptions& o, const std::string&) {
         o.partitioned = true;
         return true;
     }, Scope::Both},
    {"--exit-time", "MS", "an arming request arms the partition after this exit time",
     [](SimOptions& o, const std::string& v) {
         const auto ms = number(v, 0, kMaxDelayMs);
         if (ms)
             o.activity.exitTime = std::chrono::milliseconds(*ms);
         return ms.has_value();
     }, Scope::Both},
    {"--walk", "Z[:CLOSED:OPEN]", "zone Z opens and closes by itself (milliseconds closed and open; 3000:2000)",
     [](SimOptions& o, const std::string& v) { return addWalk(o, v); }, Scope::Both},
    {"--demo-site", "", "the demo's site: zone 4 walked now and then, a 5 s exit time",
     [](SimOptions& o, const std::string&) {
         o.activity = qarvo::sim::demoActivity();
         return true;
     }, Scope::Both},
    {"--sites", "N", "serve a fleet of N sites, each a communicator with its panel (at most 1000)",
     [](SimOptions& o, const std::string& v) {
         const auto n = number(v, 1, kMaxSites);
         o.isFleet = n.has_value();
         if (n)
             o.fleet.sites = static_cast<std::size_t>(*n);
         return n.has_value();
     },
     Scope::Fleet},
    {"--base-port", "P", "site i's communicator listens on port P + i, its callback server on P + N + i (default: any free ports)",
     [](SimOptions& o, const std::string& v) { return setPort(o.fleet.basePort, v, 1); }, Scope::Fleet},
    {"--profile", "MIX", "the fleet's mix of fault profiles (see Profiles below)",
     [](SimOptions& o, const std::string& v) {
         const auto mix = qarvo::sim::parseProfileMix(v);
         if (mix)
             o.fleet.mix = *mix;
         return mix.has_value();
     },
     Scope::Fleet},
    {"--seed", "S", "the seed the sites' passwords, codes, programming, logs and profiles are drawn from (default 1)",
     [](SimOptions& o, const std::string& v) {
         const auto seed = number(v, 0, UINT32_MAX);
         if (seed)
             o.fleet.seed = static_cast<std::uint32_t>(*seed);
         return seed.has_value();
     },
     Scope::Fleet},
    {"--event-every", "MS", "each site's panel records a new event this often (default 60000; 0: never)",
     [](SimOptions& o, const std::string& v) {
         const auto ms = number(v, 0, kMaxEventEveryMs);
         if (ms)
             o.fleet.eventEvery = std::chrono::milliseconds(*ms);
         return ms.has_value();
     },
     Scope::Fleet},
    {"--write-csv", "FILE", "write the sites as a site list to import (sites import FILE), with their passwords",
     [](SimOptions& o, const std::string& v) {
         o.siteList = v;
         return !v.empty();
     },
     Scope::Fleet},
};

void printOptions(std::ostream& out, bool fleet)
{
    for (const OptionRow& o : kOptions)
        if ((o.scope == Scope::Fleet) == fleet)
            out << "  " << o.name << (o.valueName.empty() ? "" : " ") << o.valueName << "\n      " << o.help << '\n';
}

// A profile's line: what the site does and the faults of its line.
std::string profileHelp(const qarvo::sim::ProfileInfo& p)
{
    const auto percent = [](double share) { return std::to_string(static_cast<int>(share * 100 + 0.5)) + " %"; };
    std::string faults;
    if (p.faults.loss > 0)
        faults += ", loss " + percent(p.faults.loss);
    if (p.faults.duplicate > 0)
        faults += ", duplication " + percent(p.faults.duplicate);
    if (p.faults.delay.count() > 0)
        faults += ", " + std::to_string(p.faults.delay.count()) + " ms";
    return std::string(p.help) + faults + (faults.empty() ? "" : " each way");
}

void printUsage(std::ostream& out)
{
    out << "Usage: qarvoip-sim [options]\nRuns a simulated communicator with an alarm panel behind it on 127.0.0.1 "
           "until interrupted; with --sites, a fleet of them, each on its own port with its own password, "
           "identification codes, programming, event log and fault profile.\n";
    out << "With --sites these serve one communicator only and are refused:";
    for (const OptionRow& o : kOptions)
        if (o.scope == Scope::One)
            out << ' ' << o.name;
    out << "\nA profile mix (--profile) is NAME=WEIGHT items separated by commas, such as "
           "healthy=8,offline=1,wrong-password=1,lossy=1,slow=1, or " << qarvo::sim::kAllHealthy
        << ": each profile gets its share of the sites (exactly its weight when the weights add up to the "
           "number of sites), in an order the seed shuffles. The default is " << qarvo::sim::kDefaultMix << ".\n\n";
    printOptions(out, false);
    out << "\nFleet options:\n";
    printOptions(out, true);
    out << "\nProfiles:\n";
    for (const auto& p : qarvo::sim::profiles())
        out << "  " << p.name << "\n      " << profileHelp(p) << '\n';
}

int usageError(const std::string& message)
{
    std::cerr << "qarvoip-sim: " << message << "\nTry 'qarvoip-sim --help'." << std::endl;
    return kExitUsage;
}

// A fleet's sites have their own ports, passwords, logs and lines; a
// single communicator has no fleet options.
std::optional<int> checkScopes(const std::vector<const OptionRow*>& used, const SimOptions& options)
{
    const Scope refused = options.isFleet ? Scope::One : Scope::Fleet;
    for (const OptionRow* row : used)
        if (row->scope == refused)
            return usageError(std::string(row->name) +
                              (options.isFleet ? " serves one communicator: not with --sites" : " needs --sites"));
    const auto& fleet = options.fleet;
    if (options.isFleet && fleet.basePort != 0 && fleet.basePort + 2 * fleet.sites - 1 > kMaxPort)
        return usageError("--base-port " + std::to_string(fleet.basePort) + " leaves no port for the last of " +
                          std::to_string(fleet.sites) + " sites");
    return std::nullopt;
}

// Parses the arguments into options; returns an exit status when the run
// ends here (help or an invalid command line).
std::optional<int> parse(const std::vector<std::string>& args, SimOptions& options)
{
    std::vector<const OptionRow*> used;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (arg == "--help") {
            printUsage(std::cout);
            return kExitSuccess;
        }
        const OptionRow* row = nullptr;
        for (const OptionRow& o : kOptions)
            if (o.name == arg)
                row = &o;
        if (!row)
            return usageError("unknown option '" + arg + "'");
        std::string value;
        if (!row->valueName.empty()) {
            if (i + 1 >= args.size())
                return usageError("option '" + arg + "' needs a value (" + std::string(row->valueName) + ")");
            value = args[++i];
        }
        if (!row->set(options, value))
            return usageError("invalid value '" + value + "' for " + arg);
        used.push_back(row);
    }
    return checkScopes(used, options);
}

// Blocks SIGINT and SIGTERM in every thread, so the main thread can wait
// for them with sigwait.
sigset_t blockStopSignals()
{
    sigset_t set;
    sigemptyset(&set);
    sigaddset(&set, SIGINT);
    sigaddset(&set, SIGTERM);
    pthread_sigmask(SIG_BLOCK, &set, nullptr);
    return set;
}

int runOne(SimOptions& options, const sigset_t& stopSignals)
{
    options.demo.communicator.toProgram = options.faults;
    options.demo.communicator.fromProgram = options.faults;
    qarvo::sim::DemoPeers peers(options.demo);
    if (options.partitioned)
        qarvo::sim::splitIntoPartitions(peers.panel());
    peers.panel().setActivity(options.activity);
    qarvo::sim::SimCommunicator& communicator = peers.communicator();
    if (!peers.start()) {
        std::cerr << "qarvoip-sim: cannot bind the communicator or callback port on 127.0.0.1" << std::endl;
        return kExitFailure;
    }
    const auto& config = communicator.config();
    std::cout << "communicator on 127.0.0.1:" << communicator.port() << "\ncallback server on 127.0.0.1:"
              << communicator.callbackPort() << "\npassword " << config.password
              << (config.encipher ? ", key exchange" : ", no key exchange") << "\npanel type "
              << std::hex << int(peers.panel().typeCode()) << std::dec << ", " << peers.panel().zoneCount()
              << " zones, " << peers.panel().unreadEvents() << " unread events" << std::endl;
    if (options.callPort) {
        communicator.callProgram(*options.callPort);
        std::cout << "called the program on 127.0.0.1:" << *options.callPort << std::endl;
    }
    int signal = 0;
    sigwait(&stopSignals, &signal);
    std::cout << "stopping" << std::endl;
    communicator.stop();
    return kExitSuccess;
}

// Two sockets per site: a large fleet needs more open files than a
// session's usual soft limit; the hard limit is the user's to give.
void raiseOpenFileLimit()
{
    rlimit limit{};
    if (getrlimit(RLIMIT_NOFILE, &limit) == 0 && limit.rlim_cur < limit.rlim_max) {
        limit.rlim_cur = limit.rlim_max;
        setrlimit(RLIMIT_NOFILE, &limit);
    }
}

int runFleet(SimOptions& options, const sigset_t& stopSignals)
{
    raiseOpenFileLimit();
    options.fleet.site = options.demo;
    options.fleet.prepare = [&options](qarvo::sim::DemoPeers& peers) {
        if (options.partitioned)
            qarvo::sim::splitIntoPartitions(peers.panel());
        peers.panel().setActivity(options.activity);
    };
    qarvo::sim::SimFleet fleet(options.fleet);
    if (!fleet.start()) {
        std::cerr << "qarvoip-sim: " << fleet.error() << std::endl;
        return kExitFailure;
    }
    for (const auto& site : fleet.sites())
        std::cout << site.name << " on 127.0.0.1:" << site.port << ", password " << site.password << ", "
                  << qarvo::sim::profileInfo(site.profile).name << '\n';
    if (options.siteList) {
        if (const std::string error = qarvo::sim::writeSiteList(*options.siteList, fleet.sites()); !error.empty()) {
            std::cerr << "qarvoip-sim: " << error << std::endl;
            return kExitFailure;
        }
        std::cout << "site list in " << options.siteList->string() << '\n';
    }
    std::cout << fleet.sites().size() << " sites on 127.0.0.1" << std::endl;
    int signal = 0;
    sigwait(&stopSignals, &signal);
    std::cout << "stopping" << std::endl;
    fleet.stop();
    return kExitSuccess;
}

} // namespace

int main(int argc, char** argv)
{
    SimOptions options;
    if (const auto exitStatus = parse({argv + 1, argv + argc}, options))
        return *exitStatus;
    const sigset_t stopSignals = blockStopSignals();
    return options.isFleet ? runFleet(options, stopSignals) : runOne(options, stopSignals);
}
