#pragma once
// qarvoip-cli as a function: parses the command line, prepares the
// connection settings (PanelRPS.cfg, options, the embedded demo) and runs
// one command. Streams and the environment are passed in, so tests run the
// whole program in-process.
#include "base/Clock.h"
#include "base/Timing.h"
#include "cli/Demo.h"
#include "cli/ExitStatus.h"

#include <atomic>
#include <chrono>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <istream>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

namespace qarvo::cli {


struct CliEnvironment {
    std::ostream& out;                     // results
    std::ostream& err;                     // messages, progress, errors
    // The folder of PanelRPS.cfg when neither --home nor QARVOIP_HOME names
    // one: the user's configuration folder.
    std::filesystem::path filesDirectory;
    std::optional<std::string> homeVariable; // the value of QARVOIP_HOME, if set
    Timing timing{};
    std::chrono::milliseconds demoCallDelay = kDemoCallDelay;
    const Clock* clock = &systemClock();   // the computer's clock, which sync-time gives the panel
    bool errIsTerminal = false;            // progress may update one line in place
    // Raised by Ctrl-C: a command stops at the next step boundary and ends
    // the link cleanly.
    const std::atomic<bool>* interrupt = nullptr;
    std::optional<std::string> passwordVariable{}; // the value of QARVOIP_PASSWORD, if set
    std::istream* in = nullptr;            // where --password-stdin reads
    // Resolves the host name of --address; the system's resolver when empty.
    std::function<std::optional<std::uint32_t>(const std::string&)> resolveHost{};
    std::optional<std::string> bookVariable{}; // the value of QARVOIP_DB, if set
};

// The standard streams, the user's configuration folder and QARVOIP_HOME
// of this process.
CliEnvironment processEnvironment(const char* argv0);

// Runs the program with its arguments (without the program name); returns
// the exit status.
int runCli(const std::vector<std::string>& args, const CliEnvironment& env);

// The help text.
std::string usage();

struct CommandRow;
// The help text of one command.
std::string commandHelp(const CommandRow& command);

} // namespace qarvo::cli
