// The whole headless program run in-process against simulated
// communicators on 127.0.0.1.
#include "cli/CliApp.h"
#include "cli/Commands.h"

#include "app/Strings.h"
#include "base/TextIds.h"
#include "link/UDPSocket.h"
#include "sim/SimCommunicator.h"
#include "support/CliFixture.h"
#include "support/Eventually.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>
#include <vector>

using namespace qarvo;
using namespace qarvo::cli;
using namespace std::chrono_literals;
using namespace qarvo::testing;

namespace {

const std::string kConfigWarning = strings::utf8(text_id::kConfigMissing);
const std::string kConnectedThenDisconnected = "Connected\nDisconnected\n";

// An empty program directory of its own for each test.
class CliApp : public CliTest {
protected:
    // The program directory is the test's own unless another is given.
    CliRun run(const Args& args, std::optional<std::string> homeVariable = std::nullopt,
               std::filesystem::path executableDirectory = {})
    {
        if (executableDirectory.empty())
            return CliTest::run(args, {.homeVariable = std::move(homeVariable)});
        return runCommandLine(args, {executableDirectory, std::move(homeVariable)});
    }

    void writeSettingsFor(sim::SimCommunicator& communicator, const std::string& password)
    {
        ASSERT_TRUE(qarvo::testing::writeSettingsFor(communicator, dir(), password));
    }
};

// -------------------------------------------------------------- --demo

class CliDemoModes : public CliApp, public ::testing::WithParamInterface<const char*> {};

TEST_P(CliDemoModes, ConnectsToTheEmbeddedCommunicatorAndCloses)
{
    const CliRun r = run({"--demo", "--mode", GetParam(), "connect"});
    EXPECT_EQ(r.status, kExitSuccess) << r.err;
    EXPECT_EQ(r.out, kConnectedThenDisconnected);
    EXPECT_FALSE(contains(r.err, kConfigWarning)) << "the demo does without PanelRPS.cfg";
    EXPECT_TRUE(contains(r.err, "127.0.0.1")) << r.err;
    EXPECT_TRUE(contains(r.err, strings::utf8(text_id::kDisconnecting))) << r.err;
}

INSTANTIATE_TEST_SUITE_P(Modes, CliDemoModes, ::testing::Values("direct", "callback", "wait"));

TEST_F(CliApp, WaitModeSaysItWaitsForTheCall)
{
    const CliRun r = run({"--demo", "--mode", "wait", "connect"});
    ASSERT_EQ(r.status, kExitSuccess) << r.err;
    EXPECT_TRUE(contains(r.err, "Waiting for the communicator's call on UDP port")) << r.err;
    EXPECT_FALSE(contains(r.err, strings::utf8(text_id::kConnecting))) << "nothing is sent in wait mode";
}

TEST_F(CliApp, DemoCommandRunsWithoutTheDemoOption)
{
    // The demo reads the demo panel into demo.rps in the current directory.
    const std::filesystem::path cwd = std::filesystem::current_path();
    std::filesystem::current_path(dir());
    const CliRun r = run({"demo"});
    std::filesystem::current_path(cwd);
    EXPECT_EQ(r.status, kExitSuccess) << r.err;
    EXPECT_TRUE(contains(r.out, "Saved")) << r.out;
    EXPECT_FALSE(contains(r.err, kConfigWarning));
}

TEST_F(CliApp, WrongPasswordFailsWithTheSystemsText)
{
    const CliRun r = run({"--demo", "--password", "9999", "connect"});
    EXPECT_NE(r.status, kExitSuccess);
    EXPECT_TRUE(contains(r.err, "Wrong password")) << r.err;
    EXPECT_FALSE(contains(r.out, "Connected")) << r.out;
}

TEST_F(CliApp, DemoIgnoresTheSettingsFile)
{
    sim::SimCommunicator elsewhere;
    ASSERT_TRUE(elsewhere.start());
    writeSettingsFor(elsewhere, "0000");
    const CliRun r = run({"--demo", "connect"});
    EXPECT_EQ(r.status, kExitSuccess) << r.err;
    EXPECT_EQ(elsewhere.counters.hellos, 0u);
}

// ------------------------------------------------ settings from the file

class CliAgainstCommunicator : public CliApp {
protected:
    void SetUp() override
    {
        CliApp::SetUp();
        communicator_.config().password = "4321";
        ASSERT_TRUE(communicator_.start());
    }
    sim::SimCommunicator communicator_;
};

TEST_F(CliAgainstCommunicator, SettingsComeFromTheHomeDirectory)
{
    writeSettingsFor(communicator_, "4321");
    const CliRun r = run({"--home", dir().string(), "connect"}, std::nullopt, "/nonexistent");
    EXPECT_EQ(r.status, kExitSuccess) << r.err;
    EXPECT_EQ(r.out, kConnectedThenDisconnected);
    EXPECT_FALSE(contains(r.err, kConfigWarning));
    EXPECT_EQ(communicator_.lastPassword(), "4321");
    EXPECT_EQ(communicator_.counters.closes, 1u);
}

// A value outside its field is not cut to another value: the warning names
// the line and the field's default is used (own port 70000: the system
// chooses the port), so the connection still goes to the right place.
TEST_F(CliAgainstCommunicator, OutOfRangeValueWarnsWithItsLineAndTakesTheDefault)
{
    writeSettingsFor(communicator_, "4321");
    const auto file = dir() / link::kSettingsFileName;
    std::string text;
    {
        std::ifstream in(file);
        std::getline(in, text, '\0');
    }
    text.replace(0, text.find('\n'), "70000");
    {
        std::ofstream out(file, std::ios::binary | std::ios::trunc);
        out << text;
    }
    const CliRun r = run({"--home", dir().string(), "connect"});
    EXPECT_EQ(r.status, kExitSuccess) << r.err;
    EXPECT_TRUE(contains(r.err, strings::format(text_id::kConfigValueRefused, 1).toStdString())) << r.err;
    EXPECT_TRUE(contains(r.err, "line 1 ")) << r.err;
    EXPECT_FALSE(contains(r.err, kConfigWarning)) << "the rest of the file is read";
    EXPECT_EQ(communicator_.lastPassword(), "4321");
}

TEST_F(CliAgainstCommunicator, HomeVariableThenExecutableDirectoryLocateTheFile)
{
    writeSettingsFor(communicator_, "4321");
    EXPECT_EQ(run({"connect"}, dir().string(), "/nonexistent").status, kExitSuccess);
    EXPECT_EQ(run({"connect"}, std::nullopt, dir()).status, kExitSuccess);
    const TempDir emptyHome;
    const CliRun wrongHome = run({"--verbose", "--home", emptyHome.path().string(), "--address", "127.0.0.1", "--port",
                               std::to_string(communicator_.port()), "--password", "4321", "connect"},
                              dir().string(), dir());
    EXPECT_EQ(wrongHome.status, kExitSuccess) << wrongHome.err;
    EXPECT_TRUE(contains(wrongHome.err, kConfigWarning)) << "--home beats the variable and the executable";
}

TEST_F(CliAgainstCommunicator, OptionsOverrideTheFile)
{
    writeSettingsFor(communicator_, "1111");
    const CliRun refused = run({"--home", dir().string(), "connect"});
    EXPECT_NE(refused.status, kExitSuccess);
    EXPECT_TRUE(contains(refused.err, strings::utf8(text_id::kWrongPassword)));
    const CliRun accepted = run({"--home", dir().string(), "--password", "4321", "connect"});
    EXPECT_EQ(accepted.status, kExitSuccess) << accepted.err;
}

TEST_F(CliAgainstCommunicator, MissingFileIsMentionedOnlyWhenVerboseAndTheOptionsServe)
{
    const Args connect{"--home", dir().string(), "--address", "127.0.0.1", "--port",
                       std::to_string(communicator_.port()), "--password", "4321", "connect"};
    const CliRun quiet = run(connect);
    EXPECT_EQ(quiet.status, kExitSuccess) << quiet.err;
    EXPECT_FALSE(contains(quiet.err, kConfigWarning)) << quiet.err;
    EXPECT_EQ(quiet.out, kConnectedThenDisconnected);
    Args verbose = connect;
    verbose.insert(verbose.begin(), "--verbose");
    const CliRun r = run(verbose);
    EXPECT_EQ(r.status, kExitSuccess) << r.err;
    EXPECT_TRUE(contains(r.err, kConfigWarning)) << r.err;
}

TEST_F(CliAgainstCommunicator, CallbackModeSendsAccountAndOwnPort)
{
    writeSettingsFor(communicator_, "4321");
    const CliRun r = run({"--home", dir().string(), "--mode", "callback", "--account", "1234", "connect"});
    EXPECT_EQ(r.status, kExitSuccess) << r.err;
    EXPECT_EQ(communicator_.counters.callbackRequests, 1u);
    EXPECT_EQ(communicator_.counters.hellos, 0u);
    EXPECT_EQ(communicator_.lastCallbackPayload(), (std::vector<std::uint8_t>{0x34, 0x12, 0x00, 0x00}));
}

TEST_F(CliAgainstCommunicator, CallbackOptionNamesTheServer)
{
    const CliRun r = run({"--home", dir().string(), "--mode", "callback", "--password", "4321", "--callback",
                       "127.0.0.1:" + std::to_string(communicator_.callbackPort()), "connect"});
    EXPECT_EQ(r.status, kExitSuccess) << r.err;
    EXPECT_EQ(communicator_.counters.callbackRequests, 1u);
}

TEST_F(CliAgainstCommunicator, WaitModeAnswersTheCommunicatorsCall)
{
    writeSettingsFor(communicator_, "4321");
    // Port 0: the program binds any free port and says which.
    qarvo::testing::CliInBackground program({"--home", dir().string(), "--mode", "wait", "--own-port", "0", "connect"},
                                            {dir()});
    const std::string waiting = "Waiting for the communicator's call on UDP port ";
    std::uint16_t ownPort = 0;
    ASSERT_TRUE(qarvo::testing::eventually([&] {
        const std::string err = program.errSoFar();
        const auto at = err.find(waiting);
        if (at == std::string::npos)
            return false;
        ownPort = static_cast<std::uint16_t>(std::stoul(err.substr(at + waiting.size())));
        return true;
    }));
    ASSERT_NE(ownPort, 0);
    communicator_.callProgram(ownPort);
    const CliRun r = program.finish();
    EXPECT_EQ(r.status, kExitSuccess) << r.err;
    EXPECT_EQ(r.out, kConnectedThenDisconnected);
    EXPECT_EQ(communicator_.counters.hellos, 0u);
    EXPECT_EQ(communicator_.counters.callbackRequests, 0u);
}

// ------------------------------------------------------------- failures

TEST_F(CliApp, SilentCommunicatorTimesOutOnTheHello)
{
    sim::CommunicatorConfig config;
    config.answerHello = false;
    sim::SimCommunicator silent(config);
    ASSERT_TRUE(silent.start());
    writeSettingsFor(silent, "5307");
    const CliRun r = run({"--home", dir().string(), "connect"});
    EXPECT_EQ(r.status, kExitConnection);
    EXPECT_FALSE(contains(r.err, strings::utf8(text_id::kNoCallFromCommunicator))) << "nobody was to call: " << r.err;
    EXPECT_TRUE(contains(r.err, "Timed out: the communicator did not answer the hello within 800 ms")) << r.err;
    EXPECT_EQ(r.out, "");
}

TEST_F(CliApp, CommunicatorThatNeverCallsGivesNoRequest)
{
    sim::CommunicatorConfig config;
    config.makeRequest = false;
    sim::SimCommunicator mute(config);
    ASSERT_TRUE(mute.start());
    writeSettingsFor(mute, "5307");
    const CliRun r = run({"--home", dir().string(), "connect"});
    EXPECT_EQ(r.status, kExitConnection);
    EXPECT_TRUE(contains(r.err, strings::utf8(text_id::kCommunicatorNoRequest))) << r.err;
    EXPECT_TRUE(contains(r.err, "Timed out: the communicator did not ask to connect within 600 ms")) << r.err;
}

TEST_F(CliApp, UnansweredCloseIsAFailure)
{
    sim::CommunicatorConfig config;
    config.answerClose = false;
    sim::SimCommunicator communicator(config);
    ASSERT_TRUE(communicator.start());
    writeSettingsFor(communicator, "5307");
    const CliRun r = run({"--home", dir().string(), "connect"});
    EXPECT_EQ(r.status, kExitFailure);
    EXPECT_EQ(r.out, "Connected\n");
    EXPECT_TRUE(contains(r.err, strings::utf8(text_id::kErrorWhileDisconnecting))) << r.err;
}

// ------------------------------------------------------- command lines

TEST_F(CliApp, InvalidCommandLinesExitWithStatusTwo)
{
    for (const Args& args : {Args{}, Args{"--demo"}, Args{"frobnicate"}, Args{"--bogus", "connect"},
                             Args{"--port", "0", "connect"}, Args{"--demo", "connect", "extra"}}) {
        const CliRun r = run(args);
        EXPECT_EQ(r.status, kExitUsage) << ::testing::PrintToString(args);
        EXPECT_TRUE(contains(r.err, "qarvoip-cli: ")) << r.err;
        EXPECT_TRUE(contains(r.err, "--help")) << r.err;
        EXPECT_EQ(r.out, "");
    }
}

TEST_F(CliApp, HelpListsOptionsAndCommands)
{
    const CliRun r = run({"--help"});
    EXPECT_EQ(r.status, kExitSuccess);
    EXPECT_EQ(r.out, usage());
    for (const char* word : {"Usage: qarvoip-cli", "--mode", "--demo", "connect", "demo"})
        EXPECT_TRUE(contains(r.out, word)) << word;
}

} // namespace

// -------------------------------------------------------------- identify

TEST_F(CliApp, IdentifyPrintsTheModelAndTheIdentityValues)
{
    const CliRun r = run({"--demo", "identify"});
    ASSERT_EQ(r.status, kExitSuccess) << r.err;
    EXPECT_TRUE(contains(r.out, "Sirus (8 PGMs, 16 zones, wireless)")) << r.out;
    EXPECT_TRUE(contains(r.out, "type code 36\nzones 16\nuser records 46\nPGM outputs 8\nkeypads 8\n")) << r.out;
    EXPECT_TRUE(contains(r.err, strings::utf8(text_id::kDisconnecting))) << "the link is ended" << r.err;
}

TEST_F(CliApp, IdentifyWithAWrongPanelIdFailsWithTheSystemsText)
{
    const CliRun r = run({"--demo", "--panel-id", "1234", "identify"});
    EXPECT_NE(r.status, kExitSuccess);
    EXPECT_TRUE(contains(r.err, "Wrong panel identification code.")) << r.err;
    EXPECT_FALSE(contains(r.out, "zones")) << r.out;
}

// ------------------------------------------------ address, password, help

// How the communicator and its password may be given: a host name (resolved
// by the system for localhost, else by the test's own resolver, so no name
// is ever looked up elsewhere), the password from the standard input or the
// environment, none of them on the command line.
TEST_F(CliAgainstCommunicator, AHostNameAndAPasswordOffTheCommandLineReachTheCommunicator)
{
    struct Case {
        Args args;
        std::string input;
        std::optional<std::string> passwordVariable;
        int status;
        std::string err; // a part of the messages; "" for none asked
    };
    const std::string port = std::to_string(communicator_.port());
    const Args base{"--port", port, "connect"};
    const auto with = [&](Args more) {
        more.insert(more.end(), base.begin(), base.end());
        return more;
    };
    const Case cases[] = {
        {with({"--address", "localhost", "--password", "4321"}), "", std::nullopt, kExitSuccess, ""},
        {with({"--address", "panel.test", "--password-stdin"}), "4321\n", std::nullopt, kExitSuccess, ""},
        {with({"--address", "127.0.0.1"}), "", "4321", kExitSuccess, ""},
        {with({"--address", "127.0.0.1", "--password", "4321"}), "", "9999", kExitSuccess, ""},
        {with({"--address", "unknown.test", "--password", "4321"}), "", std::nullopt, kExitFailure,
         "'unknown.test' (--address) could not be resolved to an IPv4 address; nothing was sent"},
        {with({"--address", "bad_name!", "--password", "4321"}), "", std::nullopt, kExitUsage, "or a host name"},
        {with({"--address", "127.0.0.1", "--password-stdin"}), "", std::nullopt, kExitUsage, "no line to read"},
        {with({"--address", "127.0.0.1"}), "", "toolong", kExitUsage, "QARVOIP_PASSWORD: expected 1 to 4 characters"},
    };
    for (const Case& c : cases) {
        const auto hellosBefore = communicator_.counters.hellos.load();
        CliSetup setup{.input = c.input, .passwordVariable = c.passwordVariable};
        setup.executableDirectory = dir();
        setup.resolveHost = [](const std::string& name) -> std::optional<std::uint32_t> {
            if (name == "panel.test")
                return 0x7F000001;
            return name == "localhost" ? link::resolveHost(name) : std::nullopt;
        };
        const CliRun r = runCommandLine(c.args, setup);
        EXPECT_EQ(r.status, c.status) << c.args[1] << "\n" << r.err;
        EXPECT_TRUE(contains(r.err, c.err)) << r.err;
        if (c.status == kExitSuccess)
            EXPECT_EQ(communicator_.lastPassword(), "4321") << c.args[1];
        else
            EXPECT_EQ(communicator_.counters.hellos.load(), hellosBefore) << "nothing is sent: " << c.args[1];
    }
}

TEST_F(CliApp, ACommandsHelpShowsItsOwnOptionsAndAnExample)
{
    struct Case {
        const char* command;
        std::vector<std::string> options;
    };
    const Case cases[] = {
        {"read-events", {"  --all\n", "  --txt OUT.txt\n", "  --doc DOC.rps\n", "  --replace\n"}},
        {"arm", {"  --partition A|B\n"}},
        {"tavi-write", {"  --dry-run\n", "  --force\n"}},
        {"connect", {}},
    };
    for (const Case& c : cases) {
        const CliRun r = run({c.command, "--help"});
        EXPECT_EQ(r.status, kExitSuccess);
        EXPECT_EQ(contains(r.out, "\nCommand options:\n"), !c.options.empty()) << r.out;
        for (const std::string& option : c.options)
            EXPECT_TRUE(contains(r.out, option)) << option << r.out;
        EXPECT_TRUE(contains(r.out, "\nExample:\n  qarvoip-cli " + std::string(commandExample(c.command)) + "\n"))
            << r.out;
    }
    for (const CommandRow& row : commandTable())
        EXPECT_FALSE(commandExample(row.name).empty()) << row.name;
}
