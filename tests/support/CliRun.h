#pragma once
// qarvoip-cli run in-process, with the simulated far ends a test points it at.
#include "base/Clock.h"
#include "support/Timing.h"

#include <atomic>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <thread>
#include <vector>

namespace qarvo::testing {

struct CliRun {
    int status = -1;
    std::string out;
    std::string err;

    std::vector<std::string> outLines() const;
    // The first output line that starts with the prefix after its
    // indentation; empty when none does.
    std::string line(const std::string& prefix) const;
};

struct CliSetup {
    std::filesystem::path executableDirectory{}; // the last place PanelRPS.cfg is looked for
    std::optional<std::string> homeVariable{};   // QARVOIP_HOME
    Timing timing = fastTiming();
    const Clock* clock = &systemClock();
    const std::atomic<bool>* interrupt = nullptr; // the run's Ctrl-C
    std::string input{};                           // the standard input
    std::optional<std::string> passwordVariable{}; // QARVOIP_PASSWORD
    // Resolves --address host names instead of the system (no name is ever
    // looked up by a test).
    std::function<std::optional<std::uint32_t>(const std::string&)> resolveHost{};
};

// Runs the program with its arguments (without the program name).
CliRun runCommandLine(const std::vector<std::string>& args, const CliSetup& setup = {});

// The program run on a thread of its own, for a test that acts while the
// program waits (for the communicator's call, say): its messages can be
// read while it runs.
class CliInBackground {
public:
    explicit CliInBackground(std::vector<std::string> args, CliSetup setup = {});
    ~CliInBackground();
    CliInBackground(const CliInBackground&) = delete;
    CliInBackground& operator=(const CliInBackground&) = delete;

    // The messages written so far.
    std::string errSoFar() const;
    // Waits for the program to end.
    CliRun finish();

private:
    class SharedText;
    std::unique_ptr<SharedText> out_;
    std::unique_ptr<SharedText> err_;
    int status_ = -1;
    std::jthread thread_;
};

bool contains(const std::string& text, const std::string& part);
// The lines of a text, without their line ends.
std::vector<std::string> lines(const std::string& text);

} // namespace qarvo::testing
