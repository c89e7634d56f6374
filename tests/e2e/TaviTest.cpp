// The communicator options exchanges, the state poll and the firmware update
// end to end: the real link, tasks and cipher against the simulated
// communicator on 127.0.0.1, then the same through qarvoip-cli.
#include "PanelFixture.h"

#include "session/PanelSession.h"
#include "app/Strings.h"
#include "base/AtomicFile.h"
#include "base/TextIds.h"
#include "cli/CliApp.h"
#include "communicator/TaviTasks.h"
#include "link/Datagram.h"
#include "support/CliFixture.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

using namespace qarvo;
using namespace std::chrono_literals;
using qarvo::testing::LinkFixture;
using qarvo::testing::PanelFixture;
using qarvo::testing::eventually;
using Kind = CommunicatorNotice::Kind;
using Bytes = std::vector<std::uint8_t>;

namespace {

constexpr Millis kLongIdle{60000}; // no state poll gets in the way
constexpr Millis kAnswerWait{5000}; // bounds a wait for an answer that comes
constexpr Millis kSilence{500};     // a wait the test sees run out

// The time-outs of a test whose communicator answers: they only bound a
// failure, so they leave a loaded machine time to answer.
Timing taviTiming(Millis pollIdle = kLongIdle)
{
    Timing t = qarvo::testing::fastTiming();
    t.linkPollIdle = pollIdle;
    t.controlReply = kAnswerWait;
    t.firmwareSearch = kAnswerWait;
    t.firmwareReport = kAnswerWait;
    t.linkLostWorkerStop = Millis(100);
    return t;
}

// The time-outs of a test that waits one out: the communicator falls silent
// and the program's own time-out is what the test checks.
Timing silenceTiming()
{
    Timing t = taviTiming();
    t.controlReply = kSilence;
    t.firmwareSearch = kSilence;
    t.firmwareReport = kSilence;
    return t;
}

struct TaviFixture : LinkFixture {
    explicit TaviFixture(sim::CommunicatorConfig config = {}, Timing timing = taviTiming())
        : LinkFixture(std::move(config), timing), tasks(*link)
    {
    }

    bool open()
    {
        if (link->connection.open(link::ConnectionMode::Direct, false) != link::result::kOpen)
            return false;
        tasks.connectionOpened();
        return true;
    }

    std::vector<CommunicatorNotice> notices(Kind kind) const
    {
        std::vector<CommunicatorNotice> out;
        for (const auto& n : sink.all<CommunicatorNotice>())
            if (n.kind == kind)
                out.push_back(n);
        return out;
    }

    // The payload of the last datagram the communicator received with this command.
    Bytes receivedPayload(std::uint8_t command) const
    {
        const Bytes d = communicator.lastReceived(command);
        if (d.size() < link::kHeaderSize)
            return {};
        const std::size_t length = link::readU16(d, link::offset::kPayloadLength);
        return Bytes(d.begin() + link::kHeaderSize, d.begin() + link::kHeaderSize + length);
    }
    std::uint8_t receivedFlags(std::uint8_t command) const
    {
        const Bytes d = communicator.lastReceived(command);
        return d.size() < link::kHeaderSize ? 0 : d[link::offset::kFlags];
    }

    TaviTasks tasks;
};

sim::CommunicatorConfig withOptions(const TaviOptions& record)
{
    sim::CommunicatorConfig c;
    const auto wire = record.toWire();
    c.options.assign(wire.begin(), wire.end());
    return c;
}

TaviOptions customRecord()
{
    TaviOptions r = TaviOptions::builtInDefaults();
    r.setAccount(0x4321);
    r.setIpv4(tavi::Ipv4Field::Ip, 0x0A010203);       // 10.1.2.3
    r.setIpv4(tavi::Ipv4Field::Gateway, 0x0A010201);  // 10.1.2.1
    r.setServerPort(tavi::Server::Secondary, 40000);
    return r;
}

} // namespace

// ------------------------------------------------------------ read options

TEST(TaviRead, TakesTheRecordFromNetworkOrderIntoTheReferenceCopy)
{
    const TaviOptions expected = customRecord();
    TaviFixture f(withOptions(expected));
    ASSERT_TRUE(f.open());

    EXPECT_EQ(f.tasks.readOptions(), text_id::kDownloadingSuccessfully);
    EXPECT_EQ(f.tasks.record(), expected);
    EXPECT_EQ(f.tasks.record().ipv4(tavi::Ipv4Field::Ip), 0x0A010203u);
    EXPECT_EQ(f.tasks.reference(), expected);
    const auto results = f.notices(Kind::OptionsResult);
    ASSERT_EQ(results.size(), 1u);
    EXPECT_EQ(results[0].value, text_id::kDownloadingSuccessfully);
    EXPECT_EQ(results[0].bytes, Bytes(expected.bytes.begin(), expected.bytes.end()));
}

TEST(TaviRead, AReplyWhoseCommandIsNot2LeavesTheRecordAndReports6101)
{
    sim::CommunicatorConfig config = withOptions(customRecord());
    config.readReplyCommand = 5;
    TaviFixture f(config);
    ASSERT_TRUE(f.open());
    TaviOptions marker = TaviOptions::builtInDefaults();
    marker.setAccount(0xBEEF);
    f.tasks.setRecord(marker);
    const TaviOptions reference = f.tasks.reference();

    EXPECT_EQ(f.tasks.readOptions(), text_id::kErrorWhileDownloading);
    EXPECT_EQ(f.tasks.record(), marker);
    EXPECT_EQ(f.tasks.reference(), reference);
    const auto results = f.notices(Kind::OptionsResult);
    ASSERT_EQ(results.size(), 1u);
    EXPECT_EQ(results[0].value, text_id::kErrorWhileDownloading);
    EXPECT_TRUE(results[0].bytes.empty());
}

TEST(TaviRead, AShortRecordIsAWrongReplyAndSilenceIsATimeout)
{
    sim::CommunicatorConfig config;
    config.options = Bytes(100, 0x11);
    TaviFixture f(config, silenceTiming());
    ASSERT_TRUE(f.open());
    const TaviOptions before = f.tasks.record();
    EXPECT_EQ(f.tasks.readOptions(), text_id::kErrorWhileDownloading);
    EXPECT_EQ(f.tasks.record(), before);

    f.communicator.configure([](sim::CommunicatorConfig& c) { c.answerOptions = false; });
    EXPECT_EQ(f.tasks.readOptions(), text_id::kTaviTimeout);
    EXPECT_EQ(f.tasks.record(), before);
    EXPECT_EQ(f.communicator.counters.optionReads, 2u);
}

// ----------------------------------------------------------- write options

TEST(TaviWrite, SendsTheIpv4FieldsInNetworkOrder)
{
    TaviFixture f;
    ASSERT_TRUE(f.open());
    TaviOptions record = f.tasks.record();
    record.setIpv4(tavi::Ipv4Field::Ip, 0x0A141E28);         // 10.20.30.40
    record.setIpv4(tavi::Ipv4Field::NetMask, 0xFFFF0000);    // 255.255.0.0
    record.setIpv4(tavi::Ipv4Field::Gateway, 0x0A141E01);    // 10.20.30.1
    record.setIpv4(tavi::Ipv4Field::PrimaryDns, 0x01020304);
    record.setIpv4(tavi::Ipv4Field::SecondaryDns, 0xC0A80001);
    f.tasks.setRecord(record);

    ASSERT_EQ(f.tasks.writeOptions(), text_id::kUploadedSuccessfully);
    const Bytes sent = f.receivedPayload(tavi_command::kWriteOptions);
    ASSERT_EQ(sent.size(), tavi::kOptionsSize);
    const Bytes ipv4(sent.begin() + 16, sent.begin() + 36);
    EXPECT_EQ(ipv4, (Bytes{10, 20, 30, 40, 255, 255, 0, 0, 10, 20, 30, 1, 1, 2, 3, 4, 192, 168, 0, 1}));
    // Everything else travels as it is held.
    EXPECT_TRUE(std::equal(sent.begin(), sent.begin() + 16, record.bytes.begin()));
    EXPECT_TRUE(std::equal(sent.begin() + 36, sent.end(), record.bytes.begin() + 36));
    EXPECT_EQ(f.communicator.options(), sent);
    EXPECT_EQ(f.tasks.reference(), record);
    const auto results = f.notices(Kind::OptionsWriteResult);
    ASSERT_EQ(results.size(), 1u);
    EXPECT_EQ(results[0].value, text_id::kUploadedSuccessfully);
}

TEST(TaviWrite, UnchangedSettingsAskTheQuestionAndNoSendsNothing)
{
    TaviFixture f;
    ASSERT_TRUE(f.open());
    // The accept reply's account and port went into both copies.
    EXPECT_EQ(f.tasks.record(), f.tasks.reference());
    EXPECT_EQ(f.tasks.record().account(), 0x0001);
    EXPECT_EQ(f.tasks.record().port(), 51069);

    int asked = 0;
    bool answer = false;
    f.tasks.setConfirmUnchangedWrite([&] {
        ++asked;
        return answer;
    });
    const TaviOptions reference = f.tasks.reference();
    EXPECT_EQ(f.tasks.writeOptions(), std::nullopt);
    EXPECT_EQ(asked, 1);
    EXPECT_EQ(f.communicator.counters.optionWrites, 0u);
    EXPECT_EQ(f.tasks.reference(), reference);

    answer = true;
    EXPECT_EQ(f.tasks.writeOptions(), text_id::kUploadedSuccessfully);
    EXPECT_EQ(asked, 2);
    EXPECT_EQ(f.communicator.counters.optionWrites, 1u);

    // A changed record goes without the question.
    TaviOptions changed = f.tasks.record();
    changed.setAccount(0x0777);
    f.tasks.setRecord(changed);
    EXPECT_EQ(f.tasks.writeOptions(), text_id::kUploadedSuccessfully);
    EXPECT_EQ(asked, 2);
    EXPECT_EQ(f.tasks.reference(), changed);
}

TEST(TaviWrite, WithoutAQuestionHookUnchangedSettingsAreNotSent)
{
    TaviFixture f;
    ASSERT_TRUE(f.open());
    EXPECT_EQ(f.tasks.writeOptions(), std::nullopt);
    EXPECT_EQ(f.communicator.counters.optionWrites, 0u);
}

TEST(TaviWrite, TheReplyCommandDecidesTheText)
{
    for (const auto& [replyCommand, text] : {std::pair{1, text_id::kUploadedSuccessfully},
                                            {3, text_id::kUploadedSuccessfully},
                                            {2, text_id::kErrorWhileUploading},
                                            {49, text_id::kErrorWhileUploading}}) {
        sim::CommunicatorConfig config;
        config.writeReplyCommand = static_cast<std::uint8_t>(replyCommand);
        TaviFixture f(config);
        ASSERT_TRUE(f.open());
        f.tasks.setConfirmUnchangedWrite([] { return true; });
        EXPECT_EQ(f.tasks.writeOptions(), text) << "reply command " << replyCommand;
    }
    TaviFixture silent({}, silenceTiming());
    ASSERT_TRUE(silent.open());
    silent.communicator.configure([](sim::CommunicatorConfig& c) { c.answerOptions = false; });
    silent.tasks.setConfirmUnchangedWrite([] { return true; });
    EXPECT_EQ(silent.tasks.writeOptions(), text_id::kTaviTimeout);
}

TEST(TaviWrite, OnlyAConfirmedWriteBecomesTheReferenceCopy)
{
    for (const bool answered : {false, true}) {
        sim::CommunicatorConfig config;
        config.writeReplyCommand = 49; // a wrong reply: 6103
        TaviFixture f(config, answered ? taviTiming() : silenceTiming());
        ASSERT_TRUE(f.open());
        if (!answered)
            f.communicator.configure([](sim::CommunicatorConfig& c) { c.answerOptions = false; });
        int asked = 0;
        f.tasks.setConfirmUnchangedWrite([&] { return ++asked, true; });
        const TaviOptions before = f.tasks.reference();
        TaviOptions changed = f.tasks.record();
        changed.setAccount(0x0BAD);
        f.tasks.setRecord(changed);
        EXPECT_EQ(f.tasks.writeOptions(), answered ? text_id::kErrorWhileUploading : text_id::kTaviTimeout);
        EXPECT_EQ(f.tasks.reference(), before);
        // The next write of the same record is no "unchanged" write.
        f.tasks.writeOptions();
        EXPECT_EQ(asked, 0);
    }
}

TEST(TaviWrite, StartedOnItsOwnThreadItPostsTheResult)
{
    TaviFixture f;
    ASSERT_TRUE(f.open());
    TaviOptions changed = f.tasks.record();
    changed.setPort(51070);
    f.tasks.setRecord(changed);
    f.tasks.startWriteOptions();
    f.tasks.joinTasks();
    EXPECT_EQ(f.tasks.reference(), changed) << "a confirmed write becomes the reference copy";
    const auto results = f.notices(Kind::OptionsWriteResult);
    ASSERT_EQ(results.size(), 1u);
    EXPECT_EQ(results[0].value, text_id::kUploadedSuccessfully);
    EXPECT_EQ(f.communicator.options()[14], 0x7E); // 51070, little-endian
    EXPECT_EQ(f.communicator.options()[15], 0xC7);
}

// -------------------------------------------------------------- PGM toggle

TEST(TaviPgm, TogglesAndReportsTheCommunicatorsNewState)
{
    TaviFixture f;
    ASSERT_TRUE(f.open());
    TaviPgmResult on = f.tasks.togglePgm(1);
    ASSERT_TRUE(on.ok()) << on.textId;
    EXPECT_EQ(on.pgm, 1);
    EXPECT_EQ(on.state, 1);
    EXPECT_EQ(f.receivedPayload(tavi_command::kPgmToggle), (Bytes{1, 0}));
    TaviPgmResult off = f.tasks.togglePgm(1);
    EXPECT_TRUE(off.ok());
    EXPECT_EQ(off.state, 0);
    const auto results = f.notices(Kind::PgmResult);
    ASSERT_EQ(results.size(), 2u);
    EXPECT_EQ(results[0].bytes, (Bytes{1, 1}));
    EXPECT_EQ(results[1].bytes, (Bytes{1, 0}));
}

TEST(TaviPgm, ARefusalIs6105AndSilenceIs6104)
{
    TaviFixture f({}, silenceTiming());
    ASSERT_TRUE(f.open());
    EXPECT_EQ(f.tasks.togglePgm(4).textId, text_id::kErrorActivatingPgm);
    f.communicator.configure([](sim::CommunicatorConfig& c) { c.answerOptions = false; });
    EXPECT_EQ(f.tasks.togglePgm(0).textId, text_id::kTaviTimeout);
    const auto results = f.notices(Kind::PgmResult);
    ASSERT_EQ(results.size(), 2u);
    EXPECT_EQ(results[1].value, text_id::kTaviTimeout);
}

// -------------------------------------------------------------- state poll

TEST(StatePoll, AfterAQuietSpellItShowsStateAndRssi)
{
    sim::CommunicatorConfig config;
    config.state = 0x85;
    config.rssi = 27;
    TaviFixture f(config, taviTiming(Millis(100)));
    ASSERT_TRUE(f.open());
    ASSERT_TRUE(f.sink.waitFor(
        [](const Notice& n) {
            const auto* c = std::get_if<CommunicatorNotice>(&n);
            return c && c->kind == Kind::LinkState;
        },
        3s));
    EXPECT_EQ(f.notices(Kind::LinkState).front().bytes, (Bytes{0x85, 27}));
    EXPECT_GE(f.communicator.counters.statePolls, 1u);
    EXPECT_TRUE(f.link->connection.isOpen());
}

TEST(StatePoll, ControlTrafficKeepsThePollQuiet)
{
    const Millis idle{500};
    TaviFixture f({}, taviTiming(idle));
    ASSERT_TRUE(f.open());
    // Options read back to back while a poll of its own on another
    // communicator, with the same idle time, polls three times: each
    // exchange is control traffic, so this poll never finds the link quiet.
    TaviFixture witness({}, taviTiming(idle));
    ASSERT_TRUE(witness.open());
    EXPECT_TRUE(eventually(
        [&] {
            EXPECT_EQ(f.tasks.readOptions(), text_id::kDownloadingSuccessfully);
            return witness.communicator.counters.statePolls >= 3;
        },
        30s));
    EXPECT_EQ(f.communicator.counters.statePolls, 0u);
    EXPECT_TRUE(eventually([&] { return f.communicator.counters.statePolls >= 1; }));
}

namespace {

// A poll of its own on another communicator, with the same idle time: it
// has polled `polls` times when this returns, long enough for any poll
// that was free to run to have polled too.
void letAnotherPollRun(Millis idle, unsigned polls)
{
    TaviFixture witness({}, taviTiming(idle));
    ASSERT_TRUE(witness.open());
    ASSERT_TRUE(eventually([&] { return witness.communicator.counters.statePolls >= polls; }));
}

} // namespace

TEST(StatePoll, ASuspendedPollSendsNothingUntilResumed)
{
    const Millis idle{60};
    TaviFixture f({}, taviTiming(idle));
    ASSERT_TRUE(f.open());
    f.tasks.poll().suspend();
    f.tasks.poll().suspend();
    const unsigned before = f.communicator.counters.statePolls; // at most one already under way
    letAnotherPollRun(idle, 3);
    EXPECT_LE(f.communicator.counters.statePolls, std::max(before, 1u));
    const unsigned held = f.communicator.counters.statePolls;
    f.tasks.poll().resume();
    letAnotherPollRun(idle, 3);
    EXPECT_EQ(f.communicator.counters.statePolls, held) << "still suspended once";
    f.tasks.poll().resume();
    EXPECT_TRUE(eventually([&] { return f.communicator.counters.statePolls > held; }));
}

TEST(StatePoll, ThreeLostPollsCloseTheConnectionWith6104)
{
    sim::CommunicatorConfig config;
    config.answerPolls = false;
    Timing timing = taviTiming(Millis(80));
    timing.controlReply = Millis(250);
    TaviFixture f(config, timing);
    ASSERT_TRUE(f.open());
    ASSERT_TRUE(f.sink.waitForMessage(text_id::kTaviTimeout, 5s));
    EXPECT_FALSE(f.link->connection.isOpen());
    EXPECT_TRUE(eventually([&] { return !f.tasks.poll().running(); }));
    EXPECT_EQ(f.communicator.counters.statePolls, 3u);
    const auto closes = f.notices(Kind::CloseResult);
    ASSERT_EQ(closes.size(), 1u);
    EXPECT_EQ(closes[0].value, text_id::kTaviTimeout) << "a lost connection, not a closed one";
    EXPECT_TRUE(f.link->commands.enabled(Command::ConnectToCommunicator));
    EXPECT_EQ(f.communicator.counters.closes, 0u) << "a lost connection is not closed by a packet";
    letAnotherPollRun(Millis(80), 3);
    EXPECT_EQ(f.communicator.counters.statePolls, 3u) << "the poll has ended";
}

TEST(StatePoll, APollAnsweredOnTheSecondTryKeepsTheConnection)
{
    sim::CommunicatorConfig config;
    config.answerPolls = false;
    Timing timing = taviTiming(Millis(80));
    timing.controlReply = Millis(250);
    TaviFixture f(config, timing);
    ASSERT_TRUE(f.open());
    ASSERT_TRUE(eventually([&] { return f.communicator.counters.statePolls >= 1; }));
    f.communicator.configure([](sim::CommunicatorConfig& c) { c.answerPolls = true; });
    ASSERT_TRUE(f.sink.waitFor(
        [](const Notice& n) {
            const auto* c = std::get_if<CommunicatorNotice>(&n);
            return c && c->kind == Kind::LinkState;
        },
        3s));
    EXPECT_TRUE(f.link->connection.isOpen());
    EXPECT_FALSE(f.sink.hasMessage(text_id::kTaviTimeout));
}

TEST(StatePoll, AnOpeningByTheWorkerStartsThePollItWaitsFor)
{
    TaviFixture f;
    EXPECT_FALSE(f.tasks.poll().waitStarted(Millis(50))) << "no poll without a connection";
    ASSERT_EQ(f.link->connection.open(link::ConnectionMode::Direct, true), link::result::kOpen);
    EXPECT_TRUE(f.tasks.poll().waitStarted(f.link->timing.pollStarted));
    EXPECT_TRUE(f.tasks.poll().running());
    EXPECT_EQ(f.link->socket.pollHeader.destinationNode(), f.communicator.config().node);
    EXPECT_EQ(f.link->socket.pollHeader.flags(), link::flags::kFromProgram | link::flags::kEnciphered);
}

// ---------------------------------------------------------------- disconnect

TEST(TaviDisconnect, StopsThePollForGoodAndCloses)
{
    TaviFixture f({}, taviTiming(Millis(100)));
    ASSERT_TRUE(f.open());
    ASSERT_TRUE(f.tasks.poll().running());
    EXPECT_EQ(f.tasks.disconnect(), link::result::kClosed);
    EXPECT_FALSE(f.link->connection.isOpen());
    EXPECT_FALSE(f.tasks.poll().running());
    EXPECT_EQ(f.communicator.counters.closes, 1u);
    EXPECT_EQ(f.notices(Kind::ClosingStarted).size(), 1u);
    const unsigned polls = f.communicator.counters.statePolls;
    letAnotherPollRun(Millis(100), 3);
    EXPECT_EQ(f.communicator.counters.statePolls, polls);
}

TEST(TaviDisconnect, EndsAWaitForTheCallWithoutAClose)
{
    TaviFixture f;
    int opened = -1;
    std::jthread opening([&] { opened = f.link->connection.open(link::ConnectionMode::WaitForCall, false); });
    ASSERT_TRUE(eventually([&] { return f.link->connection.waitingForCall(); }));
    EXPECT_EQ(f.tasks.disconnect(), link::result::kCancelled);
    opening.join();
    EXPECT_EQ(opened, link::result::kCancelled);
    EXPECT_EQ(f.communicator.counters.closes, 0u);
}

// ---------------------------------------------------------- firmware update

namespace {

std::vector<long> values(const RecordingSink& dialog, Kind kind)
{
    std::vector<long> out;
    for (const auto& n : dialog.all<CommunicatorNotice>())
        if (n.kind == kind)
            out.push_back(n.value);
    return out;
}

sim::CommunicatorConfig firmwareConfig(sim::FirmwareOutcome outcome)
{
    sim::CommunicatorConfig c;
    c.firmware.outcome = outcome;
    return c;
}

constexpr std::uint16_t kUpdatePort = 51068;

} // namespace

TEST(FirmwareUpdate, SendsOnlyTheAddressBytesAndThePortAndDownloads)
{
    TaviFixture f;
    ASSERT_TRUE(f.open());
    RecordingSink dialog;
    EXPECT_EQ(f.tasks.firmware().run("192.168.1.20", kUpdatePort, dialog), kFirmwareDownloaded);

    EXPECT_EQ(f.receivedPayload(firmware_command::kStartUpdate), (Bytes{0xC0, 0xA8, 0x01, 0x14, 0x7C, 0xC7}));
    EXPECT_NE(f.receivedFlags(firmware_command::kStartUpdate) & link::flags::kFromProgram, 0);
    EXPECT_EQ(values(dialog, Kind::FirmwareStage),
              (std::vector<long>{text_id::kFirmwareUpdatingStarted, text_id::kLookingForUpdateServer,
                                 text_id::kUpdateServerReached, text_id::kDownloading,
                                 text_id::kDownloadedConnectionClosed}));
    const auto versions = values(dialog, Kind::FirmwareVersion);
    ASSERT_EQ(versions.size(), 1u);
    EXPECT_EQ(firmwareVersionText(static_cast<std::uint32_t>(versions[0])), "1.2.3.4");
    EXPECT_EQ(values(dialog, Kind::FirmwareProgress), (std::vector<long>{10, 20, 20, 50, 100}));
    EXPECT_EQ(values(dialog, Kind::FirmwareProgressText), (std::vector<long>{1}));

    // The acknowledgement went out with bit 4 clear, and the communicator restarts.
    ASSERT_TRUE(eventually([&] { return f.communicator.counters.firmwareRestarts == 1; }));
    EXPECT_EQ(f.receivedFlags(firmware_command::kAccepted) & link::flags::kFromProgram, 0);
    EXPECT_NE(f.link->socket.controlHeader.flags() & link::flags::kFromProgram, 0);

    // The connection is treated as closed.
    EXPECT_FALSE(f.link->connection.isOpen());
    EXPECT_TRUE(f.sink.hasMessage(text_id::kCommunicatorWillReset));
    EXPECT_EQ(f.notices(Kind::CloseResult).size(), 1u);
    EXPECT_FALSE(f.tasks.poll().running());
    EXPECT_EQ(f.link->settings.updateServer, "192.168.1.20");
    EXPECT_EQ(f.link->settings.updatePort, kUpdatePort);

    // The restarted communicator is reached again with a poll of its own.
    ASSERT_TRUE(f.open());
    EXPECT_TRUE(f.tasks.poll().running());
    EXPECT_FALSE(f.tasks.poll().suspended());
}

// A simulator that a busy machine holds up while its reports fall due sends
// them a spacing apart afterwards, as a communicator does, not back to back:
// the program keeps one control reply at a time, and of a burst it would
// see only the last.
TEST(FirmwareUpdate, ReportsThatFellDueWhileTheSimulatorWasHeldUpStillComeOneAtATime)
{
    TaviFixture f;
    ASSERT_TRUE(f.open());
    RecordingSink dialog;
    ASSERT_EQ(f.tasks.firmware().start("192.168.1.20", kUpdatePort, dialog), 0);
    ASSERT_TRUE(eventually([&] { return f.communicator.counters.firmwareRequests == 1u; }));
    // The simulator's lock, held for four spacings, keeps its thread from
    // sending as a machine that does not give it the processor would.
    f.communicator.configure([](sim::CommunicatorConfig& c) {
        const auto until = std::chrono::steady_clock::now() + 4 * c.firmware.spacing;
        EXPECT_TRUE(eventually([&] { return std::chrono::steady_clock::now() >= until; }));
    });
    f.tasks.firmware().join();
    EXPECT_EQ(values(dialog, Kind::FirmwareStage).back(), text_id::kDownloadedConnectionClosed);
    EXPECT_EQ(values(dialog, Kind::FirmwareProgress), (std::vector<long>{10, 20, 20, 50, 100}));
}

TEST(FirmwareUpdate, ARestartReportRestartsTheDownloadingStageButNotTheBar)
{
    sim::CommunicatorConfig config = firmwareConfig(sim::FirmwareOutcome::Downloaded);
    config.firmware.restartAfter = 2;
    TaviFixture f(config);
    ASSERT_TRUE(f.open());
    RecordingSink dialog;
    EXPECT_EQ(f.tasks.firmware().run("192.168.1.20", kUpdatePort, dialog), kFirmwareDownloaded);
    EXPECT_EQ(values(dialog, Kind::FirmwareStage),
              (std::vector<long>{text_id::kFirmwareUpdatingStarted, text_id::kLookingForUpdateServer,
                                 text_id::kUpdateServerReached, text_id::kDownloading, text_id::kDownloading,
                                 text_id::kDownloadedConnectionClosed}));
    EXPECT_EQ(values(dialog, Kind::FirmwareProgress), (std::vector<long>{10, 20, 20, 50, 100}));
}

TEST(FirmwareUpdate, UpToDateEndsWith6205AndTheConnectionStaysOpen)
{
    TaviFixture f(firmwareConfig(sim::FirmwareOutcome::UpToDate), taviTiming(Millis(150)));
    ASSERT_TRUE(f.open());
    RecordingSink dialog;
    EXPECT_EQ(f.tasks.firmware().run("192.168.1.20", kUpdatePort, dialog), text_id::kFirmwareUpToDate);
    EXPECT_EQ(values(dialog, Kind::FirmwareStage),
              (std::vector<long>{text_id::kFirmwareUpdatingStarted, text_id::kLookingForUpdateServer,
                                 text_id::kFirmwareUpToDate}));
    EXPECT_TRUE(f.link->connection.isOpen());
    EXPECT_FALSE(f.tasks.poll().suspended()) << "the poll runs again";
    EXPECT_TRUE(f.tasks.poll().running());
    EXPECT_FALSE(f.sink.hasMessage(text_id::kCommunicatorWillReset));
    EXPECT_EQ(f.tasks.readOptions(), text_id::kDownloadingSuccessfully);
    const unsigned polls = f.communicator.counters.statePolls;
    EXPECT_TRUE(eventually([&] { return f.communicator.counters.statePolls > polls; }));
}

struct FirmwareEnd {
    const char* name;
    sim::FirmwareConfig firmware;
    int result;
    bool fallsSilent = false; // the program's own time-out ends the update
};

// Printed by its name in test lists and failures, not as the row's bytes.
void PrintTo(const FirmwareEnd& row, std::ostream* out) { *out << row.name; }

class FirmwareEnds : public ::testing::TestWithParam<FirmwareEnd> {};

TEST_P(FirmwareEnds, EndWithTheirTextAndLeaveTheConnectionOpen)
{
    sim::CommunicatorConfig config;
    config.firmware = GetParam().firmware;
    TaviFixture f(config, GetParam().fallsSilent ? silenceTiming() : taviTiming());
    ASSERT_TRUE(f.open());
    RecordingSink dialog;
    EXPECT_EQ(f.tasks.firmware().run("192.168.1.20", kUpdatePort, dialog), GetParam().result);
    const auto stages = values(dialog, Kind::FirmwareStage);
    ASSERT_FALSE(stages.empty());
    EXPECT_EQ(stages.front(), text_id::kFirmwareUpdatingStarted);
    EXPECT_EQ(stages.back(), GetParam().result);
    EXPECT_TRUE(f.link->connection.isOpen());
    EXPECT_FALSE(f.tasks.poll().suspended());
    EXPECT_EQ(f.communicator.counters.firmwareRestarts, 0u);
    EXPECT_NE(f.link->socket.controlHeader.flags() & link::flags::kFromProgram, 0) << "bit 4 is set again";
}

namespace {

sim::FirmwareConfig outcome(sim::FirmwareOutcome o)
{
    sim::FirmwareConfig c;
    c.outcome = o;
    return c;
}

sim::FirmwareConfig script(std::vector<sim::FirmwareReport> reports)
{
    sim::FirmwareConfig c;
    c.script = std::move(reports);
    return c;
}

namespace fc = firmware_command;

} // namespace

INSTANTIATE_TEST_SUITE_P(
    Firmware, FirmwareEnds,
    ::testing::Values(
        FirmwareEnd{"NotReached", outcome(sim::FirmwareOutcome::ServerNotReached), text_id::kUpdateServerNotReached},
        FirmwareEnd{"Broken", outcome(sim::FirmwareOutcome::Broken), text_id::kUpdatingBrokenByRemote},
        FirmwareEnd{"HardwareError", outcome(sim::FirmwareOutcome::HardwareError), text_id::kHardwareError},
        FirmwareEnd{"RemoteTimeout", outcome(sim::FirmwareOutcome::RemoteTimeout), text_id::kTimeout},
        FirmwareEnd{"Silent", outcome(sim::FirmwareOutcome::Silent), text_id::kTimeout, true},
        FirmwareEnd{"Refused", script({{7, {}}}), text_id::kCommunicationFailsUpdateStopped},
        FirmwareEnd{"NoServerReport", script({{fc::kAccepted, {}}}), text_id::kTimeout, true},
        FirmwareEnd{"NoDownloadStart",
                    script({{fc::kAccepted, {}}, {fc::kNewerFirmware, {4, 3, 2, 1}}, {fc::kProgress, {5, 0}}}),
                    text_id::kCommunicationFailsUpdateStopped},
        FirmwareEnd{"DownloadFallsSilent",
                    script({{fc::kAccepted, {}}, {fc::kNewerFirmware, {}}, {fc::kDownloadStarts, {}},
                            {fc::kProgress, {5, 0}}}),
                    text_id::kTimeout, true}),
    [](const ::testing::TestParamInfo<FirmwareEnd>& info) { return std::string(info.param.name); });

TEST(FirmwareUpdate, ReportsThatMakeNoSenseMoveNothing)
{
    // A short progress report, an unknown report and a position beyond the end.
    sim::CommunicatorConfig config;
    config.firmware.script = {{fc::kAccepted, {}},      {fc::kNewerFirmware, {1, 2}}, {fc::kDownloadStarts, {}},
                              {fc::kProgress, {30}},     {0x70, {}},                   {fc::kProgress, {0xFF, 0xFF}},
                              {fc::kComplete, {}}};
    TaviFixture f(config);
    ASSERT_TRUE(f.open());
    RecordingSink dialog;
    EXPECT_EQ(f.tasks.firmware().run("192.168.1.20", kUpdatePort, dialog), kFirmwareDownloaded);
    EXPECT_TRUE(values(dialog, Kind::FirmwareVersion).empty()) << "a version needs four bytes";
    EXPECT_EQ(values(dialog, Kind::FirmwareProgress), (std::vector<long>{100, 100}));
}

TEST(FirmwareUpdate, StartingTwiceWithTheSameHostNameResolvesItOnce)
{
    TaviFixture f(firmwareConfig(sim::FirmwareOutcome::UpToDate));
    ASSERT_TRUE(f.open());
    std::vector<std::string> asked;
    f.tasks.firmware().setResolver([&](const std::string& host) -> std::optional<std::uint32_t> {
        asked.push_back(host);
        if (host == "update.example")
            return 0xC0A80114;
        if (host == "other.example")
            return 0x0A000001;
        return std::nullopt;
    });
    RecordingSink dialog;
    EXPECT_EQ(f.tasks.firmware().run("update.example", kUpdatePort, dialog), text_id::kFirmwareUpToDate);
    EXPECT_EQ(f.tasks.firmware().run("update.example", kUpdatePort, dialog), text_id::kFirmwareUpToDate);
    EXPECT_EQ(asked, std::vector<std::string>{"update.example"});
    EXPECT_EQ(f.communicator.counters.firmwareRequests, 2u);
    EXPECT_EQ(f.receivedPayload(fc::kStartUpdate), (Bytes{0xC0, 0xA8, 0x01, 0x14, 0x7C, 0xC7}));

    EXPECT_EQ(f.tasks.firmware().run("other.example", 1000, dialog), text_id::kFirmwareUpToDate);
    EXPECT_EQ(asked.size(), 2u);
    EXPECT_EQ(f.receivedPayload(fc::kStartUpdate), (Bytes{10, 0, 0, 1, 0xE8, 0x03}));
}

TEST(FirmwareUpdate, AHostThatCannotBeResolvedIsRefusedBeforeAnythingIsSent)
{
    TaviFixture f(firmwareConfig(sim::FirmwareOutcome::UpToDate));
    ASSERT_TRUE(f.open());
    int asked = 0;
    f.tasks.firmware().setResolver([&](const std::string&) -> std::optional<std::uint32_t> {
        ++asked;
        return std::nullopt;
    });
    RecordingSink dialog;
    EXPECT_EQ(f.tasks.firmware().run("nowhere.example", kUpdatePort, dialog), text_id::kUpdateServerUnknown);
    EXPECT_EQ(f.communicator.counters.firmwareRequests, 0u);
    EXPECT_TRUE(values(dialog, Kind::FirmwareStage).empty());

    EXPECT_EQ(f.tasks.firmware().run("192.168.1.20", kUpdatePort, dialog), text_id::kFirmwareUpToDate);
    // Neither the host before nor a literal that is no address stands in for the host named.
    for (const char* host : {"nowhere.example", "1.2.3.999"})
        EXPECT_EQ(f.tasks.firmware().start(host, kUpdatePort, dialog), text_id::kUpdateServerUnknown) << host;
    EXPECT_EQ(f.communicator.counters.firmwareRequests, 1u);
    EXPECT_EQ(asked, 2) << "host names only; literals are read, not resolved";
    EXPECT_EQ(f.tasks.firmware().resolvedHost(), "192.168.1.20");
    EXPECT_FALSE(f.tasks.firmware().running());
    EXPECT_EQ(f.link->settings.updateServer, "192.168.1.20") << "a refused host does not become current";
}

TEST(FirmwareUpdate, ASecondStartWhileOneRunsIsRefused)
{
    sim::CommunicatorConfig config;
    config.firmware.spacing = Millis(100);
    TaviFixture f(config);
    ASSERT_TRUE(f.open());
    RecordingSink dialog;
    ASSERT_EQ(f.tasks.firmware().start("192.168.1.20", kUpdatePort, dialog), 0);
    EXPECT_TRUE(f.tasks.firmware().running());
    EXPECT_EQ(f.tasks.firmware().start("192.168.1.20", kUpdatePort, dialog), text_id::kFirmwareUpdateRunning);
    f.tasks.firmware().join();
    EXPECT_FALSE(f.tasks.firmware().running());
    EXPECT_EQ(f.communicator.counters.firmwareRequests, 1u);
    EXPECT_EQ(values(dialog, Kind::FirmwareStage).back(), text_id::kDownloadedConnectionClosed);
}

TEST(FirmwareUpdate, StartedOnItsOwnThreadItRunsToItsEnd)
{
    TaviFixture f;
    ASSERT_TRUE(f.open());
    RecordingSink dialog;
    f.tasks.firmware().start("192.168.1.20", kUpdatePort, dialog);
    f.tasks.firmware().join();
    EXPECT_EQ(values(dialog, Kind::FirmwareStage).back(), text_id::kDownloadedConnectionClosed);
    EXPECT_FALSE(f.link->connection.isOpen());
}

// ------------------------------------------------ the poll and the worker

TEST(StatePollAndWorker, TheWorkerSuspendsThePollWhileThePanelLinkIsUp)
{
    sim::SimCommunicator communicator;
    sim::SimPanel panel;
    communicator.setPanel(&panel);
    ASSERT_TRUE(communicator.start());
    link::ConnectionSettings settings;
    settings.communicatorAddress = 0x7F000001;
    settings.communicatorPort = communicator.port();
    Timing timing = qarvo::testing::fastTiming();
    timing.linkPollIdle = Millis(100);
    RecordingSink sink;
    {
        session::PanelSession session(sink, settings, timing);
        ASSERT_TRUE(session.start());
        ASSERT_TRUE(session.worker.startPageOperation(operations::kNoOperation));
        ASSERT_TRUE(eventually([&] { return session.worker.panelLinkUp() && session.worker.currentCode() == 1; }));
        EXPECT_TRUE(session.tavi.poll().running());
        EXPECT_TRUE(session.tavi.poll().suspended());

        session.worker.abort();
        ASSERT_TRUE(eventually([&] { return !session.worker.running(); }));
        EXPECT_TRUE(session.link.connection.isOpen());
        EXPECT_FALSE(session.tavi.poll().suspended());
        const unsigned polls = communicator.counters.statePolls;
        EXPECT_TRUE(eventually([&] { return communicator.counters.statePolls > polls; }));
        session.tavi.disconnect();
    }
    communicator.stop();
}

// ---------------------------------------------------------------- the CLI

namespace {

using qarvo::testing::CliRun;
using qarvo::testing::contains;

class TaviCli : public qarvo::testing::CliTest {
protected:
    void SetUp() override
    {
        CliTest::SetUp();
        ASSERT_TRUE(communicator.start());
    }

    std::filesystem::path home() const { return dir(); }

    CliRun run(std::vector<std::string> args, bool demo = false)
    {
        std::vector<std::string> full{"--home", home().string()};
        if (demo)
            full.push_back("--demo");
        else
            full.insert(full.end(), {"--address", "127.0.0.1", "--port", std::to_string(communicator.port())});
        full.insert(full.end(), args.begin(), args.end());
        return CliTest::run(full, {.timing = taviTiming()});
    }

    std::filesystem::path writeRecord(const TaviOptions& record, const std::string& name = "in.bin")
    {
        const auto path = home() / name;
        std::ofstream(path, std::ios::binary)
            .write(reinterpret_cast<const char*>(record.bytes.data()), static_cast<std::streamsize>(record.bytes.size()));
        return path;
    }

    // What the communicator's accept reply makes of the built-in record.
    static TaviOptions acceptedDefaults()
    {
        TaviOptions r = TaviOptions::builtInDefaults();
        TaviModelInfo::parse(sim::defaultModelInfo())->applyTo(r);
        return r;
    }

    sim::SimCommunicator communicator;
};

} // namespace

TEST_F(TaviCli, InfoShowsTheAcceptReplysModelInformation)
{
    const CliRun r = run({"tavi-info"}, true);
    ASSERT_EQ(r.status, cli::kExitSuccess) << r.err;
    for (const char* line : {"Model: Tavi-4\n", "Hardware revision: 1.2\n", "Software revision: 1.0.2.3\n",
                             "Connected by: Ethernet\n", "ID: 00C0FFEE\n", "Serial number: 0000123456\n",
                             "MAC: 00:1A:2B:3C:4D:5E\n", "IP: 127.0.0.1\n"})
        EXPECT_TRUE(contains(r.out, line)) << line << " in\n" << r.out;
    EXPECT_TRUE(contains(r.err, strings::utf8(text_id::kDisconnected))) << "progress, not a result: " << r.err;
    EXPECT_FALSE(contains(r.out, strings::utf8(text_id::kDisconnected))) << r.out;
}

TEST_F(TaviCli, ReadWritesTheRecordInItsInMemoryForm)
{
    const TaviOptions expected = customRecord();
    const auto wire = expected.toWire();
    communicator.configure([&](sim::CommunicatorConfig& c) { c.options.assign(wire.begin(), wire.end()); });
    const auto file = home() / "out.bin";
    const CliRun r = run({"tavi-read", file.string()});
    ASSERT_EQ(r.status, cli::kExitSuccess) << r.err;
    EXPECT_TRUE(contains(r.out, strings::utf8(text_id::kDownloadingSuccessfully)));
    std::vector<std::uint8_t> bytes;
    std::string why;
    ASSERT_TRUE(readWholeFile(file, bytes, why)) << why;
    EXPECT_EQ(bytes, Bytes(expected.bytes.begin(), expected.bytes.end()));
    EXPECT_EQ(communicator.counters.closes, 1u);
}

TEST_F(TaviCli, ReadThatFailsWritesNoFile)
{
    communicator.configure([](sim::CommunicatorConfig& c) { c.readReplyCommand = 7; });
    const auto file = home() / "out.bin";
    const CliRun r = run({"tavi-read", file.string()});
    EXPECT_EQ(r.status, cli::kExitFailure);
    EXPECT_TRUE(contains(r.err, strings::utf8(text_id::kErrorWhileDownloading))) << r.err;
    EXPECT_FALSE(std::filesystem::exists(file));
}

TEST_F(TaviCli, WriteOfUnchangedSettingsAsksAndSendsNothingWithoutForce)
{
    const auto file = writeRecord(acceptedDefaults());
    const CliRun asked = run({"tavi-write", file.string()});
    EXPECT_EQ(asked.status, cli::kExitFailure);
    EXPECT_TRUE(contains(asked.err, strings::utf8(text_id::kSettingsNotChanged))) << asked.err;
    EXPECT_EQ(communicator.counters.optionWrites, 0u);
    EXPECT_EQ(communicator.counters.closes, 1u) << "the command still ends with the close";

    const CliRun forced = run({"tavi-write", file.string(), "--force"});
    EXPECT_EQ(forced.status, cli::kExitSuccess) << forced.err;
    EXPECT_FALSE(contains(forced.err, strings::utf8(text_id::kSettingsNotChanged)));
    EXPECT_TRUE(contains(forced.out, strings::utf8(text_id::kUploadedSuccessfully)));
    EXPECT_EQ(communicator.counters.optionWrites, 1u);
}

TEST_F(TaviCli, WriteSendsTheFilesRecordAsItStands)
{
    TaviOptions record = acceptedDefaults();
    record.setIpv4(tavi::Ipv4Field::Ip, 0x0A000007); // 10.0.0.7
    const CliRun r = run({"tavi-write", writeRecord(record).string()});
    ASSERT_EQ(r.status, cli::kExitSuccess) << r.err;
    const auto expected = record.toWire();
    EXPECT_EQ(communicator.options(), Bytes(expected.begin(), expected.end()));
    const Bytes held = communicator.options();
    EXPECT_EQ(Bytes(held.begin() + 16, held.begin() + 20), (Bytes{10, 0, 0, 7}));
}

TEST_F(TaviCli, DryRunNamesTheOptionsThatWouldChangeAndWritesNothing)
{
    const auto current = home() / "current.bin";
    ASSERT_EQ(run({"tavi-read", current.string()}).status, cli::kExitSuccess);
    TaviOptions record;
    std::ifstream(current, std::ios::binary)
        .read(reinterpret_cast<char*>(record.bytes.data()), static_cast<std::streamsize>(record.bytes.size()));
    const std::uint32_t ip = record.ipv4(tavi::Ipv4Field::Ip);
    record.setIpv4(tavi::Ipv4Field::Ip, 0x0A000007); // 10.0.0.7
    record.setPassword("9876");
    const Bytes before = communicator.options();

    const CliRun r = run({"tavi-write", writeRecord(record).string(), "--dry-run"});
    ASSERT_EQ(r.status, cli::kExitSuccess) << r.err;
    const std::string old = std::to_string(ip >> 24) + "." + std::to_string(ip >> 16 & 0xFF) + "." +
                            std::to_string(ip >> 8 & 0xFF) + "." + std::to_string(ip & 0xFF);
    std::vector<std::string> named;
    std::istringstream lines(r.out);
    for (std::string line; std::getline(lines, line);)
        if (contains(line, ": "))
            named.push_back(line);
    EXPECT_EQ(named, (std::vector<std::string>{"password: changed", "ip: '" + old + "' -> '10.0.0.7'"}))
        << "only what differs, and a password's value is never shown";
    EXPECT_TRUE(contains(r.err, "2 communicator option(s) would change")) << r.err;
    EXPECT_EQ(communicator.counters.optionWrites, 0u);
    EXPECT_EQ(communicator.options(), before);
}

TEST_F(TaviCli, WriteRefusesAFileThatIsNoRecordBeforeConnecting)
{
    const auto path = home() / "short.bin";
    std::ofstream(path, std::ios::binary) << "too short";
    const CliRun r = run({"tavi-write", path.string()});
    EXPECT_EQ(r.status, cli::kExitFailure);
    EXPECT_TRUE(contains(r.err, "328")) << r.err;
    EXPECT_EQ(communicator.counters.hellos, 0u);
    EXPECT_EQ(run({"tavi-write"}).status, cli::kExitUsage);
}

TEST_F(TaviCli, PgmTogglesAndPrintsTheNewState)
{
    const CliRun on = run({"tavi-pgm", "3"});
    ASSERT_EQ(on.status, cli::kExitSuccess) << on.err;
    EXPECT_TRUE(contains(on.out, "PGM3 " + strings::utf8(text_id::kOn))) << on.out;
    const CliRun off = run({"tavi-pgm", "3"});
    EXPECT_TRUE(contains(off.out, "PGM3 " + strings::utf8(text_id::kOff))) << off.out;
    for (const char* wrong : {"0", "5", "x"})
        EXPECT_EQ(run({"tavi-pgm", wrong}).status, cli::kExitUsage) << wrong;
    EXPECT_EQ(communicator.counters.pgmToggles, 2u);
}

TEST_F(TaviCli, FirmwareUpdatePrintsEachStageInTheDemo)
{
    const CliRun r = run({"firmware-update", "192.168.1.20:51068"}, true);
    ASSERT_EQ(r.status, cli::kExitSuccess) << r.err;
    std::size_t at = 0;
    for (const std::string& line :
         {strings::utf8(text_id::kCurrentVersion) + " 1.0.2.3", strings::utf8(text_id::kFirmwareUpdatingStarted),
          strings::utf8(text_id::kLookingForUpdateServer), strings::utf8(text_id::kUpdateServerReached),
          strings::utf8(text_id::kUpdatingTo) + " 1.2.3.4", strings::utf8(text_id::kDownloading),
          strings::utf8(text_id::kCompleted) + "10%", strings::utf8(text_id::kCompleted) + "50%",
          strings::utf8(text_id::kCompleted) + "100%", strings::utf8(text_id::kDownloadedConnectionClosed),
          strings::utf8(text_id::kCommunicatorWillReset)}) {
        const auto found = r.err.find(line, at);
        ASSERT_NE(found, std::string::npos) << line << " after offset " << at << " in\n" << r.err;
        at = found + line.size();
    }
    EXPECT_FALSE(contains(r.err, strings::utf8(text_id::kDisconnecting))) << "the connection is over already";
}

TEST_F(TaviCli, FirmwareUpToDateClosesTheConnectionNormally)
{
    communicator.configure([](sim::CommunicatorConfig& c) { c.firmware.outcome = sim::FirmwareOutcome::UpToDate; });
    const CliRun r = run({"firmware-update", "192.168.1.20:51068"});
    EXPECT_EQ(r.status, cli::kExitSuccess) << r.err;
    EXPECT_TRUE(contains(r.err, strings::utf8(text_id::kFirmwareUpToDate))) << r.err;
    EXPECT_TRUE(contains(r.err, strings::utf8(text_id::kDisconnected))) << r.err;
    EXPECT_EQ(communicator.counters.closes, 1u);
    const Bytes request = communicator.lastReceived(fc::kStartUpdate);
    ASSERT_GE(request.size(), link::kHeaderSize + 6);
    EXPECT_EQ(Bytes(request.begin() + link::kHeaderSize, request.begin() + link::kHeaderSize + 6),
              (Bytes{0xC0, 0xA8, 0x01, 0x14, 0x7C, 0xC7}));
}

TEST_F(TaviCli, FirmwareFailureExitsWithFailure)
{
    communicator.configure([](sim::CommunicatorConfig& c) { c.firmware.outcome = sim::FirmwareOutcome::Broken; });
    const CliRun r = run({"firmware-update", "192.168.1.20:51068"});
    EXPECT_EQ(r.status, cli::kExitFailure);
    EXPECT_TRUE(contains(r.err, strings::utf8(text_id::kUpdatingBrokenByRemote))) << r.err;
    EXPECT_EQ(run({"firmware-update", "no-port"}).status, cli::kExitUsage);
}
