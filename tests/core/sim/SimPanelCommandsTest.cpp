#include "SimPanelTestSupport.h"

#include "sim/SimPanelCommands.h"

using namespace qarvo::sim;
using namespace qarvo::sim::testing;

namespace {

constexpr std::uint8_t kArmed = 0x08;
constexpr std::uint8_t kExitTime = 0x40;
constexpr std::uint8_t kAutoarming = 0x80;

// The keypad command as the program sends it: toggle bit inverted from the
// one the panel holds.
Bytes keypadCommand(SimPanel& panel, std::uint8_t command)
{
    const std::uint8_t toggle = (panel.ram(0x24) & 0x08) ? 0x00 : 0x08;
    return {0xE6, 0x58, 0x23, command, toggle};
}

} // namespace

TEST(SimPanelKeypad, CommandIsEchoedAndArmsTheDisarmedPartition)
{
    SimPanel panel;
    identify(panel);
    const Bytes arm = keypadCommand(panel, 0xCC);
    EXPECT_EQ(ask(panel, arm), arm);
    EXPECT_EQ(panel.ram(0x23), 0xCC);
    EXPECT_EQ(panel.ram(0x24) & 0x08, 0x08) << "the toggle bit is kept";
    EXPECT_EQ(panel.ram(0x30), kArmed);
    EXPECT_EQ(panel.ram(0x31), 0x00);
    EXPECT_EQ(panel.counters().keypadCommands, 1u);
}

TEST(SimPanelKeypad, RepeatedRequestWithTheSameToggleIsNotCarriedOutAgain)
{
    SimPanel panel;
    identify(panel);
    const Bytes arm = keypadCommand(panel, 0xCC);
    ask(panel, arm);
    EXPECT_EQ(ask(panel, arm), arm) << "still echoed";
    EXPECT_EQ(panel.ram(0x30), kArmed) << "not disarmed by the repeat";
    EXPECT_EQ(panel.counters().keypadCommands, 1u);
}

TEST(SimPanelKeypad, SameCommandDisarmsAndStopsAutoarming)
{
    SimPanel panel;
    identify(panel);
    panel.setRam(0x30, kArmed | 0x01 | 0x10); // armed in stay, chime on
    ask(panel, keypadCommand(panel, 0xCC));
    EXPECT_EQ(panel.ram(0x30), 0x10) << "disarmed; the chime stays";

    panel.setRam(0x30, kExitTime);
    ask(panel, keypadCommand(panel, 0xCC));
    EXPECT_EQ(panel.ram(0x30), 0x00) << "exit time ends";

    panel.setRam(0x30, kAutoarming | 0x01);
    ask(panel, keypadCommand(panel, 0xCC));
    EXPECT_EQ(panel.ram(0x30), 0x01) << "autoarming stopped, not armed";
}

TEST(SimPanelKeypad, PartitionBCommandActsOnPartitionB)
{
    SimPanel panel;
    identify(panel);
    ask(panel, keypadCommand(panel, 0xAC));
    EXPECT_EQ(panel.ram(0x31), kArmed);
    EXPECT_EQ(panel.ram(0x30), 0x00);
}

TEST(SimPanelKeypad, LeavingTheMenusFreesTheKeypads)
{
    SimPanel panel;
    identify(panel);
    panel.setRam(0x21, 0x02);
    panel.setRam(0x22, 0x41);
    EXPECT_EQ(ask(panel, {0xE6, 0x10, 0x21, 0x00, 0x00}), (Bytes{0xE6, 0x10, 0x21, 0x02, 0x41}));
    ask(panel, keypadCommand(panel, 0x0B));
    EXPECT_EQ(ask(panel, {0xE6, 0x10, 0x21, 0x00, 0x00}), (Bytes{0xE6, 0x10, 0x21, 0x00, 0x00}));
}

TEST(SimPanelKeypad, ArmedStateShowsInTheNextStatusMessage)
{
    SimPanel panel;
    identify(panel);
    ask(panel, keypadCommand(panel, 0xCC));
    const Bytes zones = ask(panel, {0xE3, 0x02});
    EXPECT_EQ(zones.at(1 + 16 + 1), kArmed);
}

TEST(SimPanelKeypad, ClockSettingSequenceReachesTheStatus)
{
    SimPanel panel;
    identify(panel);
    panel.setRam(0x21, 0x01);
    // Busy keypads are freed first, then the clock is written.
    ask(panel, keypadCommand(panel, 0x0B));
    EXPECT_EQ(ask(panel, {0xE6, 0x10, 0x21, 0x00, 0x00}), (Bytes{0xE6, 0x10, 0x21, 0x00, 0x00}));
    for (const Bytes& write : {Bytes{0xE6, 0x88, 0x12, 5, 3}, Bytes{0xE6, 0x88, 0x14, 0x1A, 0x0E},
                               Bytes{0xE6, 0x88, 0x16, 7, 9}})
        EXPECT_EQ(ask(panel, write), write);
    EXPECT_EQ(ask(panel, {0xE5, 0x01, 0x24, 0xEF}), (Bytes{0xE5, 0x01, 0x24, 0xEF}));
    EXPECT_EQ(ask(panel, {0xE5, 0x02, 0x24, 0x30}), (Bytes{0xE5, 0x02, 0x24, 0x30}));
    const Bytes pgm = ask(panel, {0xE3, 0x01});
    const unsigned minute = 4 * 1440 + 14 * 60 + 7;
    EXPECT_EQ(Bytes(pgm.begin(), pgm.begin() + 5),
              (Bytes{0x1F, static_cast<std::uint8_t>(minute >> 8), static_cast<std::uint8_t>(minute), 2, 0x1A}));
}

TEST(SimPanelKeypad, BypassInversionShowsInTheBypassedMap)
{
    SimPanel panel;
    identify(panel);
    ask(panel, {0xE5, 0x04, 0x3C, 0x40}); // zone 10 of 16
    EXPECT_EQ(panel.status().bypassedZones, 1u << 9);
    ask(panel, {0xE5, 0x04, 0x3C, 0x40});
    EXPECT_EQ(panel.status().bypassedZones, 0u);
    EXPECT_FALSE(SimPanelRam::bypassBit(0, 8, false)) << "small panels cannot bypass";
    const auto lastOfTwelve = SimPanelRam::bypassBit(11, 12, true);
    ASSERT_TRUE(lastOfTwelve);
    EXPECT_EQ(lastOfTwelve->location, 0x3D);
    EXPECT_EQ(lastOfTwelve->mask, 1u << 2);
}

TEST(SimPanelPgm, ChangeFollowsTheOutputType)
{
    SimPanel panel;
    panel.setRam(0x4D, pgmtype::kRetriggerableMonostable); // PGM 2
    panel.setRam(0x4E, 0x4A);                              // PGM 3: follows no PC request
    panel.setRam(0x4F, pgmtype::kClock);                   // PGM 4
    identify(panel);
    const Bytes change{0xE6, 0x08, 0x25, 0xF0, 0xF0};
    EXPECT_EQ(ask(panel, change), change);
    EXPECT_EQ(panel.ram(0x25), 0xD0) << "PGMs 1, 2 and 4 on; 3 unchanged";
    ask(panel, change);
    EXPECT_EQ(panel.ram(0x25), 0x40) << "toggled off again, the monostable restarted";
    EXPECT_EQ(ask(panel, {0xE6, 0x08, 0x30, 0x80, 0x80}), (Bytes{0x13, 0x24})) << "not the PGM location";
}

TEST(SimPanelPgm, OutputsBeyondThePgmCountIgnoreTheRequest)
{
    SimPanelRam ram;
    for (int i = 0; i < 8; ++i)
        ram.write(static_cast<std::uint8_t>(0x4C + i), pgmtype::kBistable);
    runPgmChange(ram, 0xFF, 6);
    EXPECT_EQ(ram.read(0x25), 0xFC);
}
