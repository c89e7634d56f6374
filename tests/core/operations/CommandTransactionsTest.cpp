#include "base/TextIds.h"
#include "operations/CommandTransactions.h"
#include "support/StepDriver.h"

#include <gtest/gtest.h>

#include <vector>

using namespace qarvo;
using namespace qarvo::operations;

namespace {

using Bytes = std::vector<std::uint8_t>;

const Bytes kStatusPoll{0xE3, 0x01};

// The worker's side of a transaction, without a panel link.
class FakeHost final : public CommandHost {
public:
    int argument() const override { return arg; }
    bool partitioned() const override { return twoPartitions; }
    int zoneCount() const override { return zones; }
    int pgmCount() const override { return pgms; }
    std::optional<std::uint16_t> zoneRecordAddress(int zone) const override
    {
        if (zone < 0 || zone >= 16)
            return std::nullopt;
        return static_cast<std::uint16_t>(0x002 + 4 * zone);
    }
    void showMessage(const MessageNotice& message) override { messages.push_back(message); }
    void enterIdle() override { ++idle; }

    int arg = 1;
    bool twoPartitions = false;
    int zones = 16;
    int pgms = 8;
    std::vector<MessageNotice> messages;
    int idle = 0;
};

// One transaction with the worker's part played by the test.
class Transaction {
public:
    Transaction(int code, FakeHost& host, const Clock& clock = systemClock())
        : host_(host), step_(makeCommandStep(code, host, clock)), driver_(*step_)
    {
    }

    // The first call; the worker hands over whatever message arrived.
    Bytes start() { return answer({0x1E}); }
    Bytes answer(const Bytes& reply) { return driver_.feed(reply); }

    bool ended() const { return host_.idle > 0; }
    std::uint8_t percent() const { return driver_.percent; }

private:
    FakeHost& host_;
    std::unique_ptr<OperationStep> step_;
    qarvo::testing::StepDriver driver_;
};

std::vector<int> ids(const std::vector<MessageNotice>& messages)
{
    std::vector<int> out;
    for (const auto& m : messages)
        out.push_back(m.textId);
    return out;
}

} // namespace

// ---------------------------------------------------------------- factory

TEST(CommandSteps, EveryCommandCodeHasAStepAndNoOtherCode)
{
    FakeHost host;
    for (int code = 0; code < kOperationCodeCount; ++code)
        EXPECT_EQ(makeCommandStep(code, host) != nullptr, code >= kArm && code <= kChangePgm) << code;
}

TEST(CommandSteps, ToggleValueInvertsTheControlBit)
{
    EXPECT_EQ(command::toggleFor(0x00), 0x08);
    EXPECT_EQ(command::toggleFor(0xF7), 0x08);
    EXPECT_EQ(command::toggleFor(0x08), 0x00);
    EXPECT_EQ(command::toggleFor(0xFF), 0x00);
    EXPECT_TRUE(command::sameToggle(0x08, 0xFF));
    EXPECT_FALSE(command::sameToggle(0x08, 0xF7));
}

// ---------------------------------------------------------------- arm, stop autoarming, disarm

TEST(PartitionCommand, ArmReadsTheStateAndTheToggleThenSendsTheKeypadCommand)
{
    FakeHost host;
    Transaction arm(kArm, host);
    EXPECT_EQ(arm.start(), (Bytes{0xE5, 0x10, 0x30, 0x00}));
    EXPECT_EQ(arm.percent(), 16);
    EXPECT_EQ(arm.answer({0xE5, 0x10, 0x30, 0x00}), (Bytes{0xE5, 0x10, 0x24, 0x00}));
    EXPECT_EQ(arm.percent(), 33);
    EXPECT_EQ(arm.answer({0xE5, 0x10, 0x24, 0x08}), (Bytes{0xE6, 0x58, 0x23, 0xCC, 0x00})) << "bit 3 set: t = 0";
    EXPECT_EQ(arm.percent(), 66);
    EXPECT_FALSE(arm.ended());
    EXPECT_EQ(arm.answer({0xE6, 0x58, 0x23, 0xCC, 0x00}), kStatusPoll);
    EXPECT_EQ(arm.percent(), 100);
    EXPECT_TRUE(arm.ended());
    EXPECT_TRUE(host.messages.empty());
}

TEST(PartitionCommand, PartitionBUsesItsStateAndCommand)
{
    FakeHost host;
    host.twoPartitions = true;
    host.arg = 2;
    Transaction disarm(kDisarm, host);
    EXPECT_EQ(disarm.start(), (Bytes{0xE5, 0x10, 0x31, 0x00}));
    EXPECT_EQ(disarm.answer({0xE5, 0x10, 0x31, 0x08}), (Bytes{0xE5, 0x10, 0x24, 0x00}));
    EXPECT_EQ(disarm.answer({0xE5, 0x10, 0x24, 0x00}), (Bytes{0xE6, 0x58, 0x23, 0xAC, 0x08})) << "bit 3 clear: t = 8";
    EXPECT_EQ(disarm.answer({0xE6, 0x58, 0x23, 0xAC, 0x0C}), kStatusPoll) << "only bit 3 of the echo counts";
}

TEST(PartitionCommand, UnexpectedRepliesRepeatTheRequest)
{
    FakeHost host;
    Transaction arm(kArm, host);
    const Bytes readState{0xE5, 0x10, 0x30, 0x00};
    EXPECT_EQ(arm.start(), readState);
    EXPECT_EQ(arm.answer({0x1F, 0x00}), readState) << "a status message";
    EXPECT_EQ(arm.answer({0xE5, 0x10, 0x31, 0x00}), readState) << "the other partition's state";
    EXPECT_EQ(arm.answer({0xE5, 0x10, 0x30}), readState) << "too short";
    EXPECT_EQ(arm.answer({0xE5, 0x10, 0x30, 0x00}), (Bytes{0xE5, 0x10, 0x24, 0x00}));
    EXPECT_EQ(arm.answer({0xE5, 0x10, 0x30, 0x00}), (Bytes{0xE5, 0x10, 0x24, 0x00}));
    const Bytes command{0xE6, 0x58, 0x23, 0xCC, 0x08};
    EXPECT_EQ(arm.answer({0xE5, 0x10, 0x24, 0x00}), command);
    EXPECT_EQ(arm.answer({0xE6, 0x58, 0x23, 0xCC, 0x00}), command) << "echo with the old toggle bit";
    EXPECT_EQ(arm.answer({0xE6, 0x58, 0x23, 0xAC, 0x08}), command) << "echo of another command";
    EXPECT_FALSE(arm.ended());
    EXPECT_EQ(arm.answer(command), kStatusPoll);
    EXPECT_TRUE(arm.ended());
}

struct RefusalCase {
    const char* name;
    int code;
    bool partitioned;
    int partition;
    std::uint8_t state;
    int expectedText; // 0: the command goes out
};

// Rows print by their names in test lists and failures, not as their bytes.
void PrintTo(const RefusalCase& row, std::ostream* out) { *out << row.name; }

class PartitionRefusal : public ::testing::TestWithParam<RefusalCase> {};

TEST_P(PartitionRefusal, RefusesOrSendsTheCommand)
{
    const RefusalCase& c = GetParam();
    FakeHost host;
    host.twoPartitions = c.partitioned;
    host.arg = c.partition;
    Transaction t(c.code, host);
    const std::uint8_t location = c.partition == 1 ? 0x30 : 0x31;
    EXPECT_EQ(t.start(), (Bytes{0xE5, 0x10, location, 0x00}));
    const Bytes next = t.answer({0xE5, 0x10, location, c.state});
    if (c.expectedText) {
        EXPECT_EQ(next, kStatusPoll);
        EXPECT_TRUE(t.ended());
        EXPECT_EQ(ids(host.messages), std::vector<int>{c.expectedText});
    } else {
        EXPECT_EQ(next, (Bytes{0xE5, 0x10, 0x24, 0x00}));
        EXPECT_FALSE(t.ended());
        EXPECT_TRUE(host.messages.empty());
    }
}

const RefusalCase kRefusalCases[] = {
        RefusalCase{"ArmArmedPanel", kArm, false, 1, 0x08, text_id::kPanelAlreadyArmed},
        RefusalCase{"ArmArmedA", kArm, true, 1, 0x09, text_id::kPartitionAAlreadyArmed},
        RefusalCase{"ArmArmedB", kArm, true, 2, 0x08, text_id::kPartitionBAlreadyArmed},
        RefusalCase{"ArmArmedInExitTimeSaysArmed", kArm, true, 2, 0x48, text_id::kPartitionBAlreadyArmed},
        RefusalCase{"ArmPanelInExitTime", kArm, false, 1, 0x40, text_id::kPanelWithinExitTime},
        RefusalCase{"ArmAInExitTime", kArm, true, 1, 0x40, text_id::kPartitionAWithinExitTime},
        RefusalCase{"ArmBInExitTime", kArm, true, 2, 0x40, text_id::kPartitionBWithinExitTime},
        RefusalCase{"ArmDisarmed", kArm, false, 1, 0x13, 0},
        RefusalCase{"StopAutoarmOnlyBit7", kStopAutoarm, false, 1, 0x80, text_id::kSystemNotWithinAutoarming},
        RefusalCase{"StopAutoarmNothing", kStopAutoarm, false, 1, 0x00, text_id::kSystemNotWithinAutoarming},
        RefusalCase{"StopAutoarmA", kStopAutoarm, true, 1, 0x80, text_id::kPartitionANotWithinAutoarming},
        RefusalCase{"StopAutoarmB", kStopAutoarm, true, 2, 0x00, text_id::kPartitionBNotWithinAutoarming},
        RefusalCase{"StopAutoarm0x81", kStopAutoarm, false, 1, 0x81, 0},
        RefusalCase{"StopAutoarmPending", kStopAutoarm, true, 2, 0x04, 0},
        RefusalCase{"DisarmDisarmedPanel", kDisarm, false, 1, 0x90, text_id::kPanelAlreadyDisarmed},
        RefusalCase{"DisarmDisarmedA", kDisarm, true, 1, 0x00, text_id::kPartitionAAlreadyDisarmed},
        RefusalCase{"DisarmDisarmedB", kDisarm, true, 2, 0x37, text_id::kPartitionBAlreadyDisarmed},
        RefusalCase{"DisarmInExitTime", kDisarm, false, 1, 0x40, 0},
        RefusalCase{"DisarmArmed", kDisarm, true, 2, 0x08, 0},
};
INSTANTIATE_TEST_SUITE_P(States, PartitionRefusal, ::testing::ValuesIn(kRefusalCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(PartitionRefusal, PartitionBTextNamesPartitionB)
{
    // The refusal for partition B must not speak of partition A.
    EXPECT_NE(text_id::kPartitionBNotWithinAutoarming, text_id::kPartitionANotWithinAutoarming);
    FakeHost host;
    host.twoPartitions = true;
    host.arg = 7; // any value other than 1 is partition B
    Transaction stop(kStopAutoarm, host);
    EXPECT_EQ(stop.start(), (Bytes{0xE5, 0x10, 0x31, 0x00}));
    stop.answer({0xE5, 0x10, 0x31, 0x80});
    EXPECT_EQ(ids(host.messages), std::vector<int>{text_id::kPartitionBNotWithinAutoarming});
}

// ---------------------------------------------------------------- clock

namespace {
const LocalTime kFifthOfMarch{2026, 3, 5, 14, 7, 9};
}

TEST(ClockCommand, WritesTheLocalTimeWhenTheKeypadsAreFree)
{
    FakeHost host;
    FixedClock clock(kFifthOfMarch);
    Transaction set(kSetClock, host, clock);
    EXPECT_EQ(set.start(), (Bytes{0xE5, 0x10, 0x24, 0x00}));
    EXPECT_EQ(set.percent(), 5);
    EXPECT_EQ(set.answer({0xE5, 0x10, 0x24, 0x00}), (Bytes{0xE6, 0x10, 0x21, 0x00, 0x00}));
    EXPECT_EQ(set.answer({0xE6, 0x10, 0x21, 0x00, 0xA0}), (Bytes{0xE6, 0x88, 0x12, 0x05, 0x03}))
        << "bits 5 and 7 of the second byte do not count";
    EXPECT_EQ(set.answer({0xE6, 0x88, 0x12, 0x05, 0x03}), (Bytes{0xE6, 0x88, 0x14, 0x1A, 0x0E}));
    EXPECT_EQ(set.answer({0xE6, 0x88, 0x14, 0x1A, 0x0E}), (Bytes{0xE6, 0x88, 0x16, 0x07, 0x09}));
    EXPECT_EQ(set.answer({0xE6, 0x88, 0x16, 0x07, 0x09}), (Bytes{0xE5, 0x01, 0x24, 0xEF}));
    EXPECT_EQ(set.answer({0xE5, 0x01, 0x24, 0xEF}), (Bytes{0xE5, 0x02, 0x24, 0x30}));
    EXPECT_EQ(set.percent(), 77);
    EXPECT_FALSE(set.ended());
    EXPECT_EQ(set.answer({0xE5, 0x02, 0x24, 0x30}), (Bytes{0xE6, 0x90, 0x1A, 0x00, 0x00})) << "the transfer end";
    EXPECT_EQ(set.percent(), 88);
    EXPECT_TRUE(set.ended());
}

TEST(ClockCommand, BusyKeypadsAreLeftWithTogglingCommands)
{
    FakeHost host;
    FixedClock clock(kFifthOfMarch);
    Transaction set(kSetClock, host, clock);
    const Bytes readKeypads{0xE6, 0x10, 0x21, 0x00, 0x00};
    set.start();
    EXPECT_EQ(set.answer({0xE5, 0x10, 0x24, 0x08}), readKeypads);
    EXPECT_EQ(set.answer({0xE6, 0x10, 0x21, 0x02, 0x00}), (Bytes{0xE6, 0x58, 0x23, 0x0B, 0x00}));
    EXPECT_EQ(set.answer({0xE6, 0x58, 0x23, 0x0B, 0x08}), (Bytes{0xE6, 0x58, 0x23, 0x0B, 0x00})) << "wrong toggle";
    EXPECT_EQ(set.answer({0xE6, 0x58, 0x23, 0x0B, 0x00}), readKeypads);
    EXPECT_EQ(set.answer({0xE6, 0x10, 0x21, 0x00, 0x01}), (Bytes{0xE6, 0x58, 0x23, 0x0B, 0x08}))
        << "second byte bit 0 still busy; the toggle bit has turned";
    EXPECT_EQ(set.answer({0xE6, 0x58, 0x23, 0x0B, 0x08}), readKeypads);
    EXPECT_EQ(set.answer({0xE6, 0x10, 0x21, 0x00, 0x00}), (Bytes{0xE6, 0x88, 0x12, 0x05, 0x03}));
}

TEST(ClockCommand, ControlBitsAreCheckedWhenTheirEchoDiffers)
{
    FakeHost host;
    FixedClock clock(kFifthOfMarch);
    Transaction set(kSetClock, host, clock);
    set.start();
    set.answer({0xE5, 0x10, 0x24, 0x00});
    set.answer({0xE6, 0x10, 0x21, 0x00, 0x00});
    set.answer({0xE6, 0x88, 0x12, 0x05, 0x03});
    EXPECT_EQ(set.answer({0xE6, 0x88, 0x12, 0x05, 0x03}), (Bytes{0xE6, 0x88, 0x14, 0x1A, 0x0E})) << "wrong echo";
    EXPECT_EQ(set.answer({0xE6, 0x88, 0x14, 0x1A, 0x0F}), (Bytes{0xE6, 0x88, 0x14, 0x1A, 0x0E})) << "wrong value";
    EXPECT_EQ(set.answer({0xE6, 0x88, 0x14, 0x1A, 0x0E}), (Bytes{0xE6, 0x88, 0x16, 0x07, 0x09}));
    EXPECT_EQ(set.answer({0xE6, 0x88, 0x16, 0x07, 0x09}), (Bytes{0xE5, 0x01, 0x24, 0xEF}));
    EXPECT_EQ(set.answer({0xE5, 0x01, 0x24, 0xFF}), (Bytes{0xE5, 0x01, 0x24, 0xEF})) << "bit 4 still set";
    EXPECT_EQ(set.answer({0xE5, 0x01, 0x24, 0x00}), (Bytes{0xE5, 0x02, 0x24, 0x30}));
    const Bytes readControl{0xE5, 0x10, 0x24, 0x00};
    EXPECT_EQ(set.answer({0xE5, 0x02, 0x24, 0x20}), readControl);
    EXPECT_EQ(set.percent(), 88);
    EXPECT_EQ(set.answer({0xE5, 0x10, 0x24, 0x20}), (Bytes{0xE5, 0x02, 0x24, 0x30})) << "bit 4 not yet set";
    EXPECT_EQ(set.percent(), 100);
    EXPECT_EQ(set.answer({0x13, 0x24}), readControl);
    EXPECT_EQ(set.answer({0xE5, 0x10, 0x24, 0x10}), (Bytes{0xE6, 0x90, 0x1A, 0x00, 0x00}));
    EXPECT_TRUE(set.ended());
}

TEST(ClockCommand, UnreadableTimeSendsZeroDatesAndFullTimes)
{
    FakeHost host;
    FixedClock clock(std::nullopt);
    Transaction set(kSetClock, host, clock);
    set.start();
    set.answer({0xE5, 0x10, 0x24, 0x00});
    EXPECT_EQ(set.answer({0xE6, 0x10, 0x21, 0x00, 0x00}), (Bytes{0xE6, 0x88, 0x12, 0x00, 0x00}));
    EXPECT_EQ(set.answer({0xE6, 0x88, 0x12, 0x00, 0x00}), (Bytes{0xE6, 0x88, 0x14, 0x00, 0xFF}));
    EXPECT_EQ(set.answer({0xE6, 0x88, 0x14, 0x00, 0xFF}), (Bytes{0xE6, 0x88, 0x16, 0xFF, 0xFF}));
}

TEST(ClockCommand, TimeIsTakenOnceAtTheFirstStep)
{
    FakeHost host;
    FixedClock clock(LocalTime{1999, 12, 31, 23, 59, 58});
    Transaction set(kSetClock, host, clock);
    set.start();
    clock.set(kFifthOfMarch);
    set.answer({0xE5, 0x10, 0x24, 0x00});
    EXPECT_EQ(set.answer({0xE6, 0x10, 0x21, 0x00, 0x00}), (Bytes{0xE6, 0x88, 0x12, 31, 12}));
    EXPECT_EQ(set.answer({0xE6, 0x88, 0x12, 31, 12}), (Bytes{0xE6, 0x88, 0x14, 99, 23}));
}

// ---------------------------------------------------------------- chime

TEST(ChimeCommand, ClearsASetChimeInBothPartitions)
{
    FakeHost host;
    Transaction chime(kToggleChime, host);
    EXPECT_EQ(chime.start(), (Bytes{0xE5, 0x10, 0x30, 0x00}));
    EXPECT_EQ(chime.percent(), 25);
    EXPECT_EQ(chime.answer({0xE5, 0x10, 0x30, 0x18}), (Bytes{0xE6, 0x01, 0x30, 0xEF, 0xEF}));
    EXPECT_EQ(chime.percent(), 50);
    EXPECT_EQ(chime.answer({0xE6, 0x01, 0x30, 0xEF}), (Bytes{0xE6, 0x01, 0x30, 0xEF, 0xEF})) << "short echo";
    EXPECT_EQ(chime.answer({0xE6, 0x01, 0x30, 0xEF, 0xEF}), kStatusPoll);
    EXPECT_EQ(chime.percent(), 100);
    EXPECT_TRUE(chime.ended());
}

TEST(ChimeCommand, SetsAClearChime)
{
    FakeHost host;
    Transaction chime(kToggleChime, host);
    chime.start();
    EXPECT_EQ(chime.answer({0xE5, 0x10, 0x30, 0xEF}), (Bytes{0xE6, 0x02, 0x30, 0x10, 0x10}));
    EXPECT_EQ(chime.answer({0xE6, 0x02, 0x30, 0x10, 0x10}), kStatusPoll);
}

// ---------------------------------------------------------------- bypass

TEST(BypassBits, LowerAndUpperHalvesOfTheZones)
{
    using command::BypassBit;
    using command::bypassBit;
    EXPECT_EQ(bypassBit(0, 16), (BypassBit{0x3A, 0x80}));
    EXPECT_EQ(bypassBit(7, 16), (BypassBit{0x3A, 0x01}));
    EXPECT_EQ(bypassBit(8, 16), (BypassBit{0x3C, 0x80}));
    EXPECT_EQ(bypassBit(9, 16), (BypassBit{0x3C, 0x40}));
    EXPECT_EQ(bypassBit(15, 16), (BypassBit{0x3C, 0x01}));
    EXPECT_EQ(bypassBit(5, 12), (BypassBit{0x3A, 0x04}));
    EXPECT_EQ(bypassBit(6, 12), (BypassBit{0x3C, 0x80}));
    EXPECT_EQ(bypassBit(11, 12), (BypassBit{0x3C, 0x04}));
    EXPECT_EQ(bypassBit(8, 9), (BypassBit{0x3C, 0x08}));
}

TEST(BypassBits, NoLocationOnSmallPanelsOrOutsideTheZones)
{
    using command::bypassBit;
    EXPECT_FALSE(bypassBit(0, 8));
    EXPECT_FALSE(bypassBit(3, 4));
    EXPECT_FALSE(bypassBit(0, 0));
    EXPECT_FALSE(bypassBit(-1, 16));
    EXPECT_FALSE(bypassBit(16, 16));
    EXPECT_FALSE(bypassBit(8, 32)) << "no bit for it in two bytes";
    EXPECT_FALSE(bypassBit(31, 32));
}

TEST(BypassCommand, UnpartitionedReadsTheAttributeThenTheSystemState)
{
    FakeHost host;
    host.arg = 2; // zone 3: record at 0x00A, attributes at 0x00B
    Transaction bypass(kBypass, host);
    EXPECT_EQ(bypass.start(), (Bytes{0xE5, 0x88, 0x6F, 0x00}));
    EXPECT_EQ(bypass.percent(), 12);
    EXPECT_EQ(bypass.answer({0xE5, 0x88, 0x6F, 0x04}), (Bytes{0xE5, 0x88, 0x6F, 0x00})) << "another page";
    EXPECT_EQ(bypass.answer({0xE5, 0x88, 0x6F, 0x00}), (Bytes{0x43, 0x0B}));
    EXPECT_EQ(bypass.answer({0x44, 0x0B, 0x20}), (Bytes{0xE5, 0x10, 0x30, 0x00}));
    EXPECT_EQ(bypass.answer({0xE5, 0x10, 0x30, 0x10}), (Bytes{0xE5, 0x04, 0x3A, 0x20}));
    EXPECT_EQ(bypass.percent(), 75);
    EXPECT_EQ(bypass.answer({0xE5, 0x04, 0x3A, 0x20}), kStatusPoll);
    EXPECT_EQ(bypass.percent(), 100);
    EXPECT_TRUE(bypass.ended());
    EXPECT_TRUE(host.messages.empty());
}

TEST(BypassCommand, PartitionedZoneTenInPartitionB)
{
    FakeHost host;
    host.twoPartitions = true;
    host.arg = 9; // record at 0x026, attributes at 0x027
    Transaction bypass(kUnbypass, host);
    EXPECT_EQ(bypass.start(), (Bytes{0xE5, 0x88, 0x6F, 0x00}));
    EXPECT_EQ(bypass.answer({0xE5, 0x88, 0x6F, 0x00}), (Bytes{0x73, 0x27}));
    EXPECT_EQ(bypass.answer({0x77, 0x27, 0x20, 0x00, 0x40, 0x00}), (Bytes{0xE6, 0x10, 0x30, 0x00, 0x00}));
    EXPECT_EQ(bypass.answer({0xE6, 0x10, 0x30, 0x08, 0x00}), (Bytes{0xE6, 0x04, 0x3C, 0x00, 0x40}))
        << "partition A armed does not matter";
    EXPECT_EQ(bypass.answer({0xE6, 0x04, 0x3C, 0x00, 0x40}), kStatusPoll);
    EXPECT_TRUE(host.messages.empty());
}

TEST(BypassCommand, ZoneInBothPartitionsInvertsBothBits)
{
    FakeHost host;
    host.twoPartitions = true;
    host.arg = 0;
    Transaction bypass(kBypass, host);
    bypass.start();
    bypass.answer({0xE5, 0x88, 0x6F, 0x00});
    bypass.answer({0x77, 0x03, 0x20, 0x00, 0xC0, 0x00});
    EXPECT_EQ(bypass.answer({0xE6, 0x10, 0x30, 0x00, 0x40}), (Bytes{0xE6, 0x04, 0x3A, 0x80, 0x80}));
}

struct BypassRefusalCase {
    const char* name;
    bool partitioned;
    Bytes record;   // attribute byte .. partitions (d0 d1 d2 d3), or one attribute byte
    Bytes states;   // state byte(s) the panel reports; empty: refused before
    int expectedText;
    bool withZone;
};

void PrintTo(const BypassRefusalCase& row, std::ostream* out) { *out << row.name; }

class BypassRefusal : public ::testing::TestWithParam<BypassRefusalCase> {};

TEST_P(BypassRefusal, ShowsTheTextWithTheZoneNumberAndEnds)
{
    const BypassRefusalCase& c = GetParam();
    FakeHost host;
    host.twoPartitions = c.partitioned;
    host.arg = 4; // zone 5: attributes at 0x013
    Transaction bypass(kBypass, host);
    bypass.start();
    Bytes recordReply{static_cast<std::uint8_t>(c.partitioned ? 0x77 : 0x44), 0x13};
    recordReply.insert(recordReply.end(), c.record.begin(), c.record.end());
    EXPECT_EQ(bypass.answer({0xE5, 0x88, 0x6F, 0x00}), (Bytes{static_cast<std::uint8_t>(c.partitioned ? 0x73 : 0x43), 0x13}));
    Bytes last = bypass.answer(recordReply);
    if (!c.states.empty()) {
        Bytes stateReply{static_cast<std::uint8_t>(c.partitioned ? 0xE6 : 0xE5), 0x10, 0x30};
        stateReply.insert(stateReply.end(), c.states.begin(), c.states.end());
        last = bypass.answer(stateReply);
    }
    EXPECT_EQ(last, kStatusPoll);
    EXPECT_TRUE(bypass.ended());
    ASSERT_EQ(host.messages.size(), 1u);
    EXPECT_EQ(host.messages[0].textId, c.expectedText);
    EXPECT_EQ(host.messages[0].number, c.withZone ? std::optional<long>(5) : std::nullopt);
}

const BypassRefusalCase kBypassRefusals[] = {
        BypassRefusalCase{"NotBypassable", false, {0xDF}, {}, text_id::kZoneNotBypassable, true},
        BypassRefusalCase{"SystemArmed", false, {0x20}, {0x08}, text_id::kSystemMustBeDisarmedToBypass, false},
        BypassRefusalCase{"SystemInExitTime", false, {0x20}, {0x40}, text_id::kSystemMustBeDisarmedToBypass, false},
        BypassRefusalCase{"PartitionedNotBypassable", true, {0x00, 0xFF, 0xC0, 0xFF}, {}, text_id::kZoneNotBypassable, true},
        BypassRefusalCase{"NoPartition", true, {0x20, 0x00, 0x3F, 0x00}, {}, text_id::kZoneWithoutPartition, true},
        BypassRefusalCase{"BothBusy", true, {0x20, 0x00, 0xC0, 0x00}, {0x08, 0x40}, text_id::kOnePartitionMustBeDisarmedToBypass, true},
        BypassRefusalCase{"ABusy", true, {0x20, 0x00, 0x80, 0x00}, {0x40, 0x00}, text_id::kPartitionAMustBeDisarmedToBypass, true},
        BypassRefusalCase{"BBusy", true, {0x20, 0x00, 0x40, 0x00}, {0x00, 0x08}, text_id::kPartitionBMustBeDisarmedToBypass, true},
};
INSTANTIATE_TEST_SUITE_P(Zones, BypassRefusal, ::testing::ValuesIn(kBypassRefusals),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(BypassCommand, SmallPanelIsRefusedAtOnceAndReturnsToIdle)
{
    for (int zones : {8, 4, 0}) {
        FakeHost host;
        host.zones = zones;
        host.arg = 0;
        Transaction bypass(kBypass, host);
        EXPECT_EQ(bypass.start(), kStatusPoll) << zones;
        EXPECT_TRUE(bypass.ended());
        ASSERT_EQ(host.messages.size(), 1u);
        EXPECT_EQ(host.messages[0].textId, text_id::kZoneNotBypassable);
        EXPECT_EQ(host.messages[0].number, 1);
    }
}

TEST(BypassCommand, ZoneOutsideThePanelIsRefused)
{
    for (int zone : {-1, 16, 200}) {
        FakeHost host;
        host.arg = zone;
        Transaction bypass(kBypass, host);
        EXPECT_EQ(bypass.start(), kStatusPoll) << zone;
        EXPECT_EQ(ids(host.messages), std::vector<int>{text_id::kZoneNotBypassable});
    }
}

// ---------------------------------------------------------------- PGM

TEST(PgmCommand, SwitchesABistableOutput)
{
    FakeHost host;
    host.arg = 2; // PGM 3
    Transaction pgm(kChangePgm, host);
    EXPECT_EQ(pgm.start(), (Bytes{0xE5, 0x90, 0x4E, 0x00}));
    EXPECT_EQ(pgm.percent(), 25);
    EXPECT_EQ(pgm.answer({0xE5, 0x90, 0x4D, 0x49}), (Bytes{0xE5, 0x90, 0x4E, 0x00})) << "another PGM's type";
    EXPECT_EQ(pgm.answer({0xE5, 0x90, 0x4E, 0x49}), (Bytes{0xE6, 0x08, 0x25, 0x20, 0x20}));
    EXPECT_EQ(pgm.answer({0xE6, 0x08, 0x26, 0x20, 0x20}), (Bytes{0xE6, 0x08, 0x25, 0x20, 0x20}));
    EXPECT_EQ(pgm.answer({0xE6, 0x08, 0x25, 0x20, 0x20}), kStatusPoll);
    EXPECT_EQ(pgm.percent(), 100);
    EXPECT_TRUE(host.messages.empty());
}

TEST(PgmCommand, EverySwitchableTypeIsAccepted)
{
    for (std::uint8_t type : {0x47, 0x48, 0x49, 0x20}) {
        FakeHost host;
        host.arg = 0;
        Transaction pgm(kChangePgm, host);
        pgm.start();
        EXPECT_EQ(pgm.answer({0xE5, 0x90, 0x4C, type}), (Bytes{0xE6, 0x08, 0x25, 0x80, 0x80})) << int(type);
    }
}

TEST(PgmCommand, OtherTypesAreRefusedNamingTheChosenPgm)
{
    for (std::uint8_t type : {0x4A, 0x00, 0x46, 0x21, 0xFF}) {
        FakeHost host;
        host.arg = 7; // PGM 8
        Transaction pgm(kChangePgm, host);
        EXPECT_EQ(pgm.start(), (Bytes{0xE5, 0x90, 0x53, 0x00}));
        EXPECT_EQ(pgm.answer({0xE5, 0x90, 0x53, type}), kStatusPoll) << int(type);
        ASSERT_EQ(host.messages.size(), 1u);
        EXPECT_EQ(host.messages[0].textId, text_id::kPgm1NotSwitchable);
        EXPECT_EQ(host.messages[0].number, 8);
    }
}

TEST(PgmCommand, PgmOutsideTheOutputsEndsWithoutARequest)
{
    for (int index : {-1, 6, 8, 40}) {
        FakeHost host;
        host.pgms = 6;
        host.arg = index;
        Transaction pgm(kChangePgm, host);
        EXPECT_EQ(pgm.start(), kStatusPoll) << index;
        EXPECT_TRUE(pgm.ended());
    }
}
