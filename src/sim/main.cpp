// qarvoip-sim: a simulated communicator with its callback server and the
// alarm panel behind it on 127.0.0.1, for manual runs and scripts, until
// SIGINT or SIGTERM. The panel is the one the front-ends' --demo starts.
#include "sim/DemoPeers.h"
#include "panel/PanelModels.h"
#include "sim/SimSite.h"

#include <pthread.h>

#include <chrono>
#include <csignal>
#include <cstdlib>
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

struct SimOptions {
    qarvo::sim::DemoSetup demo;
    std::optional<std::uint16_t> callPort;
    qarvo::sim::Faults faults;
    qarvo::sim::ActivityScript activity;
    bool partitioned = false;
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

struct OptionRow {
    std::string_view name;
    std::string_view valueName; // empty: a flag
    std::string_view help;
    Setter set;
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
     }},
    {"--boot-loader", "", "report the boot loader mode in the hello reply",
     [](SimOptions& o, const std::string&) {
         o.demo.communicator.bootLoader = true;
         return true;
     }},
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
     }},
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
    {"--delay", "MS", "delay of every datagram in milliseconds",
     [](SimOptions& o, const std::string& v) {
         const auto ms = number(v, 0, kMaxDelayMs);
         if (ms)
             o.faults.delay = std::chrono::milliseconds(*ms);
         return ms.has_value();
     }},
    {"--answer-timeout", "MS", "the panel sends its no-answer message after MS without a message (0: never; 1000)",
     [](SimOptions& o, const std::string& v) {
         const auto ms = number(v, 0, kMaxDelayMs);
         if (ms)
             o.demo.answerTimeout = std::chrono::milliseconds(*ms);
         return ms.has_value();
     }},
    {"--partitioned", "", "the panel works with two partitions (zones split between A and B)",
     [](SimOptions& o, const std::string&) {
         o.partitioned = true;
         return true;
     }},
    {"--exit-time", "MS", "an arming request arms the partition after this exit time",
     [](SimOptions& o, const std::string& v) {
         const auto ms = number(v, 0, kMaxDelayMs);
         if (ms)
             o.activity.exitTime = std::chrono::milliseconds(*ms);
         return ms.has_value();
     }},
    {"--walk", "Z[:CLOSED:OPEN]", "zone Z opens and closes by itself (milliseconds closed and open; 3000:2000)",
     [](SimOptions& o, const std::string& v) { return addWalk(o, v); }},
    {"--demo-site", "", "the demo's site: zone 4 walked now and then, a 5 s exit time",
     [](SimOptions& o, const std::string&) {
         o.activity = qarvo::sim::demoActivity();
         return true;
     }},
};

void printUsage(std::ostream& out)
{
    out << "Usage: qarvoip-sim [options]\nRuns a simulated communicator with an alarm panel behind it on 127.0.0.1 "
           "until interrupted.\n\n";
    for (const OptionRow& o : kOptions)
        out << "  " << o.name << (o.valueName.empty() ? "" : " ") << o.valueName << "\n      " << o.help << '\n';
}

int usageError(const std::string& message)
{
    std::cerr << "qarvoip-sim: " << message << "\nTry 'qarvoip-sim --help'." << std::endl;
    return kExitUsage;
}

// Parses the arguments into options; returns an exit status when the run
// ends here (help or an invalid command line).
std::optional<int> parse(const std::vector<std::string>& args, SimOptions& options)
{
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
    }
    return std::nullopt;
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

} // namespace

int main(int argc, char** argv)
{
    SimOptions options;
    if (const auto exitStatus = parse({argv + 1, argv + argc}, options))
        return *exitStatus;
    options.demo.communicator.toProgram = options.faults;
    options.demo.communicator.fromProgram = options.faults;

    const sigset_t stopSignals = blockStopSignals();
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
