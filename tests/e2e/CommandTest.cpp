// The panel command transactions through the whole path: operation worker,
// link, simulated communicator and the simulated panel's RAM.
#include "PanelFixture.h"

#include "app/Strings.h"
#include "base/Clock.h"
#include "base/TextIds.h"
#include "cli/CliApp.h"
#include "operations/CommandTransactions.h"
#include "panel/CUploadDoc.h"
#include "panel/TypeLists.h"
#include "support/CliRun.h"

#include <gtest/gtest.h>

using namespace qarvo;
using namespace qarvo::operations;
using qarvo::testing::PanelFixture;

namespace {

using Bytes = std::vector<std::uint8_t>;

const LocalTime kFifthOfMarch{2026, 3, 5, 14, 7, 9};

// A session whose worker runs the command steps, with the local time fixed.
struct CommandFixture : PanelFixture {
    explicit CommandFixture(sim::SimPanelConfig config = {}) : PanelFixture(config)
    {
        for (auto& command : makeCommandSteps(*worker, identity, doc.layout(), clock)) {
            worker->setStep(command.code, command.step.get());
            steps.push_back(std::move(command.step));
        }
    }
    ~CommandFixture()
    {
        // The steps go before the fixture's worker would.
        if (worker && worker->running())
            worker->abort(true);
        worker.reset();
    }

    // Connected, idle, and the first status message decoded.
    void connectAndSettle(bool partitioned = false)
    {
        if (partitioned) {
            sim::PanelStatus status;
            status.partitioned = true;
            panel.setStatus(status);
        }
        ASSERT_TRUE(connect());
        ASSERT_TRUE(waitIdle());
        ASSERT_TRUE(sink.waitFor(
            [](const Notice& n) {
                const auto* r = std::get_if<ReportNotice>(&n);
                return r && r->kind == report_kind::kPartitionStatus;
            },
            Millis(5000)));
        ASSERT_TRUE(eventually([&] { return worker->partitioned() == partitioned; }));
    }

    // Starts the operation and waits until the worker is back in the idle
    // poll. Returns the requests the operation sent (status polls left out).
    std::vector<Bytes> run(int code, int argument)
    {
        panel.clearReceived();
        sink.clear();
        worker->startOnlineOperation(code, argument);
        EXPECT_NE(worker->currentCode(), kIdlePoll);
        EXPECT_TRUE(eventually([&] { return worker->currentCode() == kIdlePoll && !worker->operationActive(); }));
        // One more poll answered: the operation's last reply has been taken.
        const auto polls = panel.counters().statusMessages;
        EXPECT_TRUE(eventually([&] { return panel.counters().statusMessages > polls; }));
        std::vector<Bytes> requests;
        for (const auto& m : panel.received())
            if (!m.empty() && m[0] != 0xE3)
                requests.push_back(m);
        return requests;
    }

    std::vector<int> messageIds() const { return sink.messageIds(); }

    FixedClock clock{kFifthOfMarch};
    panel::CUploadDoc doc{"Current log"};
    std::vector<std::unique_ptr<OperationStep>> steps;
};

bool showedCaption(const RecordingSink& sink, int textId, std::optional<long> number = std::nullopt)
{
    for (const auto& p : sink.all<ProgressNotice>())
        if (p.subCode == 4 && p.textId == textId && p.number == number)
            return true;
    return false;
}

} // namespace

TEST(CommandClock, SetsTheLocalTimeAfterLeavingBusyKeypads)
{
    CommandFixture f;
    f.connectAndSettle();
    for (std::uint8_t location = 0x12; location <= 0x17; ++location)
        f.panel.setRam(location, 1); // some other time
    f.panel.setRam(0x21, 0x01); // a keypad is in a menu
    f.panel.keepKeypadsBusy(1); // and goes back in once
    const auto requests = f.run(kSetClock, 0);
    const std::vector<Bytes> expected{
        {0xE5, 0x10, 0x24, 0x00},       {0xE6, 0x10, 0x21, 0x00, 0x00}, {0xE6, 0x58, 0x23, 0x0B, 0x08},
        {0xE6, 0x10, 0x21, 0x00, 0x00}, {0xE6, 0x58, 0x23, 0x0B, 0x00}, {0xE6, 0x10, 0x21, 0x00, 0x00},
        {0xE6, 0x88, 0x12, 0x05, 0x03}, {0xE6, 0x88, 0x14, 0x1A, 0x0E}, {0xE6, 0x88, 0x16, 0x07, 0x09},
        {0xE5, 0x01, 0x24, 0xEF},       {0xE5, 0x02, 0x24, 0x30},       {0xE6, 0x90, 0x1A, 0x00, 0x00},
    };
    EXPECT_EQ(requests, expected);
    EXPECT_EQ(f.panel.ram(0x12), 5);
    EXPECT_EQ(f.panel.ram(0x13), 3);
    EXPECT_EQ(f.panel.ram(0x14), 26);
    EXPECT_EQ(f.panel.ram(0x15), 14);
    EXPECT_EQ(f.panel.ram(0x16), 7);
    EXPECT_EQ(f.panel.ram(0x17), 9);
    EXPECT_EQ(f.panel.ram(0x24), 0x30) << "both control bits set, toggle bit back where it was";
    EXPECT_TRUE(showedCaption(f.sink, text_id::kProgrammingDateAndTime));
    EXPECT_TRUE(f.worker->panelLinkUp());
}

TEST(CommandChime, ClearsTheChimeOfBothPartitions)
{
    CommandFixture f;
    f.connectAndSettle();
    f.panel.setRam(0x30, 0x10);
    f.panel.setRam(0x31, 0x10);
    const auto requests = f.run(kToggleChime, 0);
    EXPECT_EQ(requests, (std::vector<Bytes>{{0xE5, 0x10, 0x30, 0x00}, {0xE6, 0x01, 0x30, 0xEF, 0xEF}}));
    EXPECT_EQ(f.panel.ram(0x30), 0x00);
    EXPECT_EQ(f.panel.ram(0x31), 0x00);

    EXPECT_EQ(f.run(kToggleChime, 0), (std::vector<Bytes>{{0xE5, 0x10, 0x30, 0x00}, {0xE6, 0x02, 0x30, 0x10, 0x10}}));
    EXPECT_EQ(f.panel.ram(0x30), 0x10);
    EXPECT_EQ(f.panel.ram(0x31), 0x10);
}

TEST(CommandBypass, ZoneTenOfSixteenInPartitionB)
{
    CommandFixture f;
    f.connectAndSettle(true);
    const Bytes zoneTen{0x01, 0x20, 0x00, 0x40}; // delayed, bypassable, partition B only
    f.panel.writeMemory(0x026, zoneTen);
    f.panel.setRam(0x30, 0x08); // partition A armed: does not matter for a zone of B
    const auto requests = f.run(kBypass, 9);
    EXPECT_EQ(requests, (std::vector<Bytes>{{0xE5, 0x88, 0x6F, 0x00},
                                            {0x73, 0x27},
                                            {0xE6, 0x10, 0x30, 0x00, 0x00},
                                            {0xE6, 0x04, 0x3C, 0x00, 0x40}}));
    EXPECT_EQ(f.panel.ram(0x3D), 0x40);
    EXPECT_EQ(f.panel.ram(0x3C), 0x00);
    EXPECT_TRUE(showedCaption(f.sink, text_id::kBypassingZone, 10));
    EXPECT_TRUE(f.messageIds().empty());

    // Unbypassing sends the same requests and the panel inverts the bit back.
    EXPECT_EQ(f.run(kUnbypass, 9), requests);
    EXPECT_EQ(f.panel.ram(0x3D), 0x00);
}

TEST(CommandBypass, UnpartitionedRefusesWhileArmed)
{
    CommandFixture f;
    f.connectAndSettle();
    f.panel.writeMemory(0x002, Bytes{0x01, 0x20, 0x00, 0x80});
    f.panel.setRam(0x30, 0x08);
    EXPECT_EQ(f.run(kBypass, 0),
              (std::vector<Bytes>{{0xE5, 0x88, 0x6F, 0x00}, {0x43, 0x03}, {0xE5, 0x10, 0x30, 0x00}}));
    EXPECT_EQ(f.messageIds(), std::vector<int>{text_id::kSystemMustBeDisarmedToBypass});
    EXPECT_EQ(f.panel.ram(0x3A), 0x00);

    f.panel.setRam(0x30, 0x00);
    EXPECT_EQ(f.run(kBypass, 0).back(), (Bytes{0xE5, 0x04, 0x3A, 0x80}));
    EXPECT_EQ(f.panel.ram(0x3A), 0x80);
}

TEST(CommandBypass, PanelWithoutBypassLocationRefusesAndStaysConnected)
{
    sim::SimPanelConfig config;
    config.zoneCount = 8;
    CommandFixture f(config);
    f.connectAndSettle();
    ASSERT_EQ(f.identity.zoneCount, 8);
    EXPECT_TRUE(f.run(kBypass, 0).empty()) << "nothing but the status poll was sent";
    EXPECT_EQ(f.messageIds(), std::vector<int>{text_id::kZoneNotBypassable});
    EXPECT_TRUE(f.worker->panelLinkUp());
    const auto polls = f.panel.counters().statusMessages;
    EXPECT_TRUE(PanelFixture::eventually([&] { return f.panel.counters().statusMessages > polls + 2; }))
        << "the idle poll goes on";
}

TEST(CommandPartition, ArmingArmedPartitionBIsRefusedWithoutKeypadCommand)
{
    CommandFixture f;
    f.connectAndSettle(true);
    f.panel.setRam(0x31, 0x08);
    EXPECT_EQ(f.run(kArm, 2), (std::vector<Bytes>{{0xE5, 0x10, 0x31, 0x00}}));
    EXPECT_EQ(f.messageIds(), std::vector<int>{text_id::kPartitionBAlreadyArmed});
    EXPECT_EQ(f.receivedCount({0xE6, 0x58}), 0u);
    EXPECT_EQ(f.panel.counters().keypadCommands, 0u);
    EXPECT_TRUE(showedCaption(f.sink, text_id::kArmingPartitionB));
}

TEST(CommandPartition, StopAutoarmingRefusesOnlyBit7AndSendsTheCommandOtherwise)
{
    CommandFixture f;
    f.connectAndSettle();
    f.panel.setRam(0x30, 0x80);
    EXPECT_EQ(f.run(kStopAutoarm, 1), (std::vector<Bytes>{{0xE5, 0x10, 0x30, 0x00}}));
    EXPECT_EQ(f.messageIds(), std::vector<int>{text_id::kSystemNotWithinAutoarming});

    f.panel.setRam(0x30, 0x81);
    EXPECT_EQ(f.run(kStopAutoarm, 1), (std::vector<Bytes>{{0xE5, 0x10, 0x30, 0x00},
                                                          {0xE5, 0x10, 0x24, 0x00},
                                                          {0xE6, 0x58, 0x23, 0xCC, 0x08}}));
    EXPECT_TRUE(f.messageIds().empty());
    EXPECT_EQ(f.panel.ram(0x30), 0x01) << "autoarming stopped";
    EXPECT_TRUE(showedCaption(f.sink, text_id::kStoppingSystemAutoarming));
}

TEST(CommandPartition, ArmThenDisarmTheSystem)
{
    CommandFixture f;
    f.connectAndSettle();
    EXPECT_EQ(f.run(kArm, 1).back(), (Bytes{0xE6, 0x58, 0x23, 0xCC, 0x08}));
    EXPECT_EQ(f.panel.ram(0x30), 0x08);
    EXPECT_EQ(f.run(kArm, 1).size(), 1u) << "already armed";
    EXPECT_EQ(f.messageIds(), std::vector<int>{text_id::kPanelAlreadyArmed});
    EXPECT_EQ(f.run(kDisarm, 1).back(), (Bytes{0xE6, 0x58, 0x23, 0xCC, 0x00})) << "the toggle bit turns";
    EXPECT_EQ(f.panel.ram(0x30), 0x00);
    EXPECT_EQ(f.panel.counters().keypadCommands, 2u);
}

TEST(CommandPgm, OutputOfAnotherTypeIsRefusedWithItsNumber)
{
    CommandFixture f;
    f.connectAndSettle();
    f.panel.setRam(0x4E, 0x4A);
    EXPECT_EQ(f.run(kChangePgm, 2), (std::vector<Bytes>{{0xE5, 0x90, 0x4E, 0x00}}));
    const auto messages = f.sink.all<MessageNotice>();
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].textId, text_id::kPgm1NotSwitchable);
    EXPECT_EQ(messages[0].number, 3);
    EXPECT_EQ(f.receivedCount({0xE6, 0x08}), 0u);
}

TEST(CommandPgm, BistableOutputIsSwitched)
{
    CommandFixture f;
    f.connectAndSettle();
    EXPECT_EQ(f.run(kChangePgm, 0),
              (std::vector<Bytes>{{0xE5, 0x90, 0x4C, 0x00}, {0xE6, 0x08, 0x25, 0x80, 0x80}}));
    EXPECT_EQ(f.panel.ram(0x25), 0x80);
    EXPECT_TRUE(showedCaption(f.sink, text_id::kChangingPgmStatus));
}

// ---------------------------------------------------------------- qarvoip-cli

namespace {

using qarvo::testing::CliRun;
using qarvo::testing::contains;

CliRun runCli(const std::vector<std::string>& args, const Clock& clock = systemClock())
{
    qarvo::testing::CliSetup setup;
    setup.clock = &clock;
    return qarvo::testing::runCommandLine(args, setup);
}

} // namespace

TEST(CommandCli, StatusPrintsTheOnlineView)
{
    const CliRun run = runCli({"--demo", "status"});
    ASSERT_EQ(run.status, cli::kExitSuccess) << run.err;
    EXPECT_EQ(run.line("System is:"), "System is: DISARMED");
    EXPECT_EQ(run.line("System troubles:"), "System troubles: No system troubles");
    EXPECT_EQ(run.line("Global chime:"), "Global chime: OFF");
    EXPECT_EQ(run.line("Panel Time/Date:"), "Panel Time/Date: 14:07, 05 Mar 2026");
    EXPECT_TRUE(contains(run.line("Panel:"), "Sirus"));
    // The demo panel reports the zone types of its programming.
    EXPECT_TRUE(contains(run.line("Z02"), strings::utf8(*panel::zoneTypeTextId(3))));
    EXPECT_TRUE(contains(run.line("Z16"), strings::utf8(*panel::zoneTypeTextId(0))));
    EXPECT_TRUE(run.line("Z17").empty());
    EXPECT_TRUE(contains(run.line("8 "), "= OFF")) << "eight PGM rows";
    EXPECT_TRUE(run.line("Partition B is:").empty());
}

TEST(CommandCli, ArmShowsTheArmedSystem)
{
    const CliRun run = runCli({"--demo", "arm"});
    ASSERT_EQ(run.status, cli::kExitSuccess) << run.err;
    EXPECT_EQ(run.line("System is:"), "System is: ARMED");
    EXPECT_TRUE(contains(run.err, strings::utf8(text_id::kArming)));
}

TEST(CommandCli, RefusalIsPrintedAndFails)
{
    const CliRun run = runCli({"--demo", "stop-autoarm"});
    EXPECT_EQ(run.status, cli::kExitFailure);
    EXPECT_TRUE(contains(run.err, strings::utf8(text_id::kSystemNotWithinAutoarming))) << run.err;
    EXPECT_TRUE(run.out.empty()) << run.out;
}

TEST(CommandCli, DisarmingADisarmedSystemIsNoRefusal)
{
    // Scripts may repeat a command: the state asked for is no failure.
    const CliRun run = runCli({"--demo", "disarm"});
    EXPECT_EQ(run.status, cli::kExitSuccess) << run.err;
    EXPECT_FALSE(contains(run.err, strings::utf8(text_id::kPanelAlreadyDisarmed))) << "nothing was asked of the panel";
    EXPECT_TRUE(contains(run.err, "already disarmed")) << run.err;
}

TEST(CommandCli, BypassShowsTheZoneBypassedAndLeavesTheAskedStateAlone)
{
    const CliRun bypass = runCli({"--demo", "bypass", "3"});
    ASSERT_EQ(bypass.status, cli::kExitSuccess) << bypass.err;
    EXPECT_TRUE(bypass.line("Z03").ends_with("x       -")) << bypass.line("Z03");
    EXPECT_TRUE(bypass.line("Z04").ends_with("-       -"));

    const CliRun unbypass = runCli({"--demo", "unbypass", "3"});
    EXPECT_EQ(unbypass.status, cli::kExitSuccess);
    EXPECT_TRUE(contains(unbypass.err, "zone 3 is not bypassed; nothing was sent")) << unbypass.err;
}

TEST(CommandCli, ChimeClockAndPgm)
{
    const CliRun chime = runCli({"--demo", "chime"});
    ASSERT_EQ(chime.status, cli::kExitSuccess) << chime.err;
    EXPECT_EQ(chime.line("Global chime:"), "Global chime: ON");

    const CliRun pgm = runCli({"--demo", "pgm", "2"});
    ASSERT_EQ(pgm.status, cli::kExitSuccess) << pgm.err;
    EXPECT_TRUE(contains(pgm.line("2 "), "= ON"));
    EXPECT_TRUE(contains(pgm.line("1 "), "= OFF"));

    // The demo panel's clock shows 14:07 on 5 March 2026.
    const FixedClock newYearsEve{LocalTime{2027, 12, 31, 23, 59, 30}};
    const CliRun clock = runCli({"--demo", "sync-time"}, newYearsEve);
    ASSERT_EQ(clock.status, cli::kExitSuccess) << clock.err;
    EXPECT_EQ(clock.line("Panel Time/Date:"), "Panel Time/Date: 23:59, 31 Dec 2027") << "the panel took this computer's time";
}

TEST(CommandCli, BadArgumentsAreUsageErrors)
{
    for (const std::vector<std::string>& args :
         {std::vector<std::string>{"--demo", "bypass"}, {"--demo", "bypass", "17"}, {"--demo", "bypass", "x"},
          {"--demo", "pgm", "0"}, {"--demo", "arm", "--partition", "C"}, {"--demo", "arm", "extra"},
          {"--demo", "chime", "now"}, {"--demo", "status", "x"}}) {
        const CliRun run = runCli(args);
        EXPECT_EQ(run.status, cli::kExitUsage) << args.back();
        EXPECT_FALSE(contains(run.err, strings::utf8(text_id::kConnecting))) << "refused before connecting";
    }
}

TEST(CommandCli, PartitionBOnAnUnpartitionedPanelIsNotRequested)
{
    const CliRun run = runCli({"--demo", "disarm", "--partition", "B"});
    EXPECT_EQ(run.status, cli::kExitFailure);
    EXPECT_TRUE(contains(run.err, "no partition B")) << run.err;
    EXPECT_FALSE(contains(run.err, strings::utf8(text_id::kDisarmingPartitionB)));
}
