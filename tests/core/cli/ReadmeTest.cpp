// The README's "Using the command line" section, run as written against
// the simulator it starts: every command succeeds, and the restore at the
// end leaves the panel's memory as the backup at the start found it. The
// simulator takes a free port rather than the section's fixed one, so that
// two runs of the suite at once do not collide: the commands that reach the
// panel are told that port.
#include "cli/CliApp.h"

#include "sim/DemoPeers.h"
#include "support/CliRun.h"
#include "support/SourceTree.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <fstream>
#include <iterator>
#include <sstream>

using namespace qarvo;
using qarvo::testing::CliRun;

namespace {

constexpr const char* kSection = "## Using the command line";
constexpr const char* kPrompt = "    $ ";
constexpr const char* kSimulatorLine = "qarvoip-sim --port 51069 --password 5307";

// The commands of the section, each split into its words.
std::vector<std::vector<std::string>> sectionCommands()
{
    std::ifstream readme(qarvo::testing::sourcePath("README.md"));
    std::vector<std::vector<std::string>> commands;
    bool inSection = false;
    for (std::string line; std::getline(readme, line);) {
        if (line.starts_with("## "))
            inSection = line == kSection;
        if (!inSection || !line.starts_with(kPrompt))
            continue;
        std::istringstream words(line.substr(std::string(kPrompt).size()));
        commands.emplace_back(std::istream_iterator<std::string>(words), std::istream_iterator<std::string>());
    }
    return commands;
}

// A README command as run here: one that reaches the panel goes to the
// simulator's port, which the section leaves to the program's default.
std::vector<std::string> onPort(const std::vector<std::string>& command, std::uint16_t port)
{
    std::vector<std::string> args(command.begin() + 1, command.end());
    if (std::ranges::find(args, "--address") != args.end())
        args.insert(args.begin(), {"--port", std::to_string(port)});
    return args;
}

std::string joined(const std::vector<std::string>& words)
{
    std::string text;
    for (const std::string& w : words)
        text += (text.empty() ? "" : " ") + w;
    return text;
}

} // namespace

TEST(Readme, TheCommandLineSectionRunsAsWrittenAgainstTheSimulator)
{
    const auto commands = sectionCommands();
    ASSERT_GE(commands.size(), 2u) << "the section and its commands";
    ASSERT_EQ(joined(commands.front()), kSimulatorLine) << "the first command starts the simulator";
    sim::DemoSetup setup;
    setup.communicator.password = "5307";
    sim::DemoPeers simulator(setup);
    ASSERT_TRUE(simulator.start());
    const auto before = simulator.panel().memory();

    qarvo::testing::TempDir dir;
    const auto previous = std::filesystem::current_path();
    std::filesystem::current_path(dir.path());
    for (std::size_t i = 1; i < commands.size(); ++i) {
        ASSERT_EQ(commands[i].front(), "qarvoip-cli");
        const CliRun r =
            qarvo::testing::runCommandLine(onPort(commands[i], simulator.communicator().port()),
                                           {.executableDirectory = dir.path()});
        EXPECT_EQ(r.status, cli::kExitSuccess) << joined(commands[i]) << "\n" << r.err;
        if (std::ranges::find(commands[i], "--verify") != commands[i].end()) {
            EXPECT_NE(simulator.panel().memory(), before) << "the edited page was written";
        }
    }
    std::filesystem::current_path(previous);
    EXPECT_EQ(simulator.panel().memory(), before) << "restore brings the panel back";
}
