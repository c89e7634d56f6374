#include "PanelFixture.h"

#include "base/TextIds.h"
#include "operations/Identification.h"

#include <gtest/gtest.h>

using namespace qarvo;
using namespace qarvo::operations;
using namespace std::chrono_literals;
using qarvo::testing::PanelFixture;

namespace {

// A user operation that answers a few replies, then hands the worker back.
class CountingStep : public OperationStep {
public:
    CountingStep(OperationWorker*& worker, int replies) : worker_(worker), replies_(replies) {}
    void begin() override { ++begun; }
    void run(StepIo& io) override
    {
        ++calls;
        if (onCall)
            onCall(calls);
        io.percent = static_cast<std::uint8_t>(calls * 100 / replies_);
        if (calls >= replies_) {
            worker_->enterIdle();
            link::buildMessage(io.out, {0xE3, 0x01});
        } else {
            link::buildMessage(io.out, {0xE5, 0x10, 0x30, 0x00});
        }
    }
    std::atomic<int> begun{0}; // the worker took the operation over
    std::atomic<int> calls{0};
    std::function<void(int)> onCall;

private:
    OperationWorker*& worker_;
    int replies_;
};

bool stopped(PanelFixture& f) { return PanelFixture::eventually([&] { return !f.worker->running(); }); }

} // namespace

class EveryModel : public ::testing::TestWithParam<int> {};

TEST_P(EveryModel, IdentifiesAndReachesTheIdlePoll)
{
    sim::SimPanelConfig config;
    config.typeCode = static_cast<std::uint8_t>(GetParam());
    PanelFixture f(config);
    ASSERT_TRUE(f.connect());
    ASSERT_TRUE(f.waitIdle());
    EXPECT_EQ(f.identity.typeCode, GetParam());
    EXPECT_EQ(f.identity.zoneCount, f.panel.zoneCount());
    EXPECT_EQ(f.identity.pgmCount, f.panel.pgmCount());
    EXPECT_EQ(f.identity.keypadCount, 8);
    EXPECT_TRUE(PanelFixture::eventually([&] { return f.panel.counters().statusMessages >= 2; }));
    const auto reports = f.sink.all<ReportNotice>();
    EXPECT_TRUE(std::any_of(reports.begin(), reports.end(), [](const ReportNotice& r) {
        return r.kind == report_kind::kPanelIdentified;
    }));

    // Abort ends the link with the end-of-link request, which the panel confirms.
    f.worker->abort();
    ASSERT_TRUE(stopped(f));
    EXPECT_EQ(f.receivedCount({0xE5, 0xB8, 0x5C, 0x03}), 1u);
    EXPECT_TRUE(f.sink.hasMessage(text_id::kTaviStillConnected));
    EXPECT_TRUE(f.link->connection.isOpen());
}

INSTANTIATE_TEST_SUITE_P(Worker, EveryModel, ::testing::Range(0x21, 0x2A));

TEST(Identification, RefusesUnknownAndNewerPanels)
{
    for (auto [code, text] : {std::pair{0x2A, text_id::kNewerPanelVersion}, {0x20, text_id::kUnknownPanel}}) {
        sim::SimPanelConfig config;
        config.typeCode = static_cast<std::uint8_t>(code);
        PanelFixture f(config);
        ASSERT_TRUE(f.connect());
        ASSERT_TRUE(stopped(f));
        EXPECT_TRUE(f.sink.hasMessage(text)) << std::hex << code;
        EXPECT_EQ(f.identity.typeCode, 0x24) << "identity values unchanged";
        EXPECT_EQ(f.receivedCount({0x05}), 1u) << "no response was sent";
    }
}

TEST(Identification, WrongPanelIdAndWrongPcId)
{
    {
        sim::SimPanelConfig config;
        config.panelId = 0x1234;
        PanelFixture f(config);
        ASSERT_TRUE(f.connect());
        ASSERT_TRUE(stopped(f));
        EXPECT_TRUE(f.sink.hasMessage(text_id::kWrongPanelId));
        EXPECT_FALSE(f.sink.hasMessage(text_id::kWrongPcId));
    }
    {
        sim::SimPanelConfig config;
        config.pcId = 0x0042;
        PanelFixture f(config);
        f.link->settings.useDefaultIds = false;
        f.link->settings.pcId = 0x0042;
        f.link->settings.panelId = 0;
        ASSERT_TRUE(f.connect());
        ASSERT_TRUE(f.waitIdle()) << "matching IDs identify";
        f.worker->abort(true);
        ASSERT_TRUE(stopped(f));

        f.link->settings.pcId = 0x0043;
        f.sink.clear();
        ASSERT_TRUE(f.connect());
        ASSERT_TRUE(stopped(f));
        EXPECT_TRUE(f.sink.hasMessage(text_id::kWrongPcId));
    }
}

TEST(Identification, SeventhChallengeEndsWithoutAResponse)
{
    PanelFixture f;
    f.panel.rejectResponses(100);
    ASSERT_TRUE(f.connect());
    ASSERT_TRUE(stopped(f));
    EXPECT_TRUE(f.sink.hasMessage(text_id::kWrongPcId));
    // One identification request and six responses, all starting with 05.
    EXPECT_EQ(f.receivedCount({0x05}), 7u);
    EXPECT_EQ(f.panel.counters().rejectedResponses, 6u);
}

// A panel's no-answer notice looks like its acceptance of a challenge
// response; before any challenge came it is only the panel saying it waited
// (for a program that went away), and the identification request goes again.
TEST(Identification, ANoAnswerNoticeBeforeTheChallengeIsNoAcceptance)
{
    PanelFixture f;
    f.panel.answerNoAnswer(1);
    ASSERT_TRUE(f.connect());
    ASSERT_TRUE(f.waitIdle());
    EXPECT_EQ(f.receivedCount({0x05, 0x00, 0x00}), 2u) << "the identification request went out again";
}

TEST(Identification, ChallengeResponse)
{
    EXPECT_EQ(challengeResponse(0x5A3C, 0x0000), 0x5A3C) << "PC ID 0000 returns the challenge";
    EXPECT_EQ(challengeResponse(0x0000, 0x0000), 0x0000);
    // Worked by hand: 0x0001 -> 0x8080 (odd, H = 01), seven even rounds to
    // 0x0101, odd again to 0x8000, seven even rounds to 0x0100.
    EXPECT_EQ(challengeResponse(0x0001, 0x0100), 0x0100);
}

TEST(Worker, TenNoAnswersAreToleratedTheEleventhEndsTheLink)
{
    PanelFixture f;
    ASSERT_TRUE(f.connect());
    ASSERT_TRUE(f.waitIdle());
    f.panel.answerNoAnswer(10);
    ASSERT_TRUE(PanelFixture::eventually([&] { return f.panel.counters().refused >= 10; }));
    ASSERT_TRUE(PanelFixture::eventually([&] { return f.panel.counters().statusMessages >= 4; }));
    EXPECT_TRUE(f.worker->running()) << "ten are tolerated";
    EXPECT_EQ(f.receivedCount({0xE5, 0xB8}), 0u);

    f.panel.answerNoAnswer(11);
    ASSERT_TRUE(stopped(f));
    EXPECT_EQ(f.receivedCount({0xE5, 0xB8, 0x5C, 0x03}), 1u);
}

TEST(Worker, OnlyThePacketThatOpensAPanelSessionCarriesTheFirstPacketCommand)
{
    PanelFixture f;
    for (unsigned session = 1; session <= 2; ++session) {
        ASSERT_TRUE(f.connect());
        ASSERT_TRUE(f.waitIdle());
        const unsigned polled = f.panel.counters().statusMessages;
        ASSERT_TRUE(PanelFixture::eventually([&] { return f.panel.counters().statusMessages >= polled + 3; }));
        EXPECT_EQ(f.communicator.counters.firstPanelPackets, session);
        f.worker->abort();
        ASSERT_TRUE(stopped(f));
    }
}

TEST(Worker, EndOfLinkRequestIsSentAtMostFiveTimes)
{
    // The panel refuses every end-of-link request with its no-answer
    // message, which the worker answers with the request again. An abort
    // starts the count at step 1; each request raises it, and the sixth
    // ends the worker without sending: four requests on the line.
    PanelFixture f({.refuseEndOfLink = true});
    ASSERT_TRUE(f.connect());
    ASSERT_TRUE(f.waitIdle());
    f.worker->abort();
    ASSERT_TRUE(stopped(f));
    EXPECT_EQ(f.receivedCount({0xE5, 0xB8, 0x5C, 0x03}), 4u);
    EXPECT_EQ(f.panel.counters().endOfLinks, 0u);
}

TEST(Worker, SilentPanelGivesMessage6)
{
    PanelFixture f({}, {}, qarvo::testing::fastTiming());
    ASSERT_TRUE(f.connect());
    ASSERT_TRUE(f.waitIdle());
    f.panel.setSilent(true);
    ASSERT_TRUE(stopped(f));
    EXPECT_TRUE(f.sink.hasMessage(text_id::kPanelDoesntAnswer));
}

TEST(Worker, CommunicatorCloseStopsTheWorker)
{
    PanelFixture f;
    ASSERT_TRUE(f.connect());
    ASSERT_TRUE(f.waitIdle());
    f.communicator.sendClose();
    ASSERT_TRUE(stopped(f));
    EXPECT_FALSE(f.sink.hasMessage(text_id::kPanelDoesntAnswer));
}

TEST(Worker, BusyNoticeShowsText60)
{
    PanelFixture f;
    ASSERT_TRUE(f.connect());
    ASSERT_TRUE(f.waitIdle());
    f.communicator.sendBusyNotice();
    ASSERT_TRUE(f.sink.waitForMessage(text_id::kPanelBusy, 2s));
    ASSERT_TRUE(stopped(f));
}

TEST(Worker, OperationRequestedDuringIdentificationRunsAfterItAndASecondIsDropped)
{
    PanelFixture f;
    // While the worker identifies, the read waits as the pending code: seen
    // from the identification's own hook, on the worker thread, so no
    // sampling from here can miss the short identification.
    std::atomic<int> codeWhileIdentifying{-1};
    std::atomic<int> pendingWhileIdentifying{-1};
    f.worker = std::make_unique<OperationWorker>(*f.link, f.identity, OperationWorker::Hooks{{}, [&] {
        codeWhileIdentifying = f.worker->currentCode();
        pendingWhileIdentifying = f.worker->pendingCode();
    }});
    OperationWorker* worker = f.worker.get();
    CountingStep read(worker, 5), other(worker, 2);
    f.worker->setStep(kReadMaster, &read);
    f.worker->setStep(kReadInstaller, &other);
    // A second request while the read runs, made from inside the read's
    // second step so it surely lands while the read is current. The
    // callback is in place before the worker thread can call it.
    std::atomic<int> codeAfterSecondRequest{-1};
    read.onCall = [&](int call) {
        if (call == 2) {
            f.worker->setOperation(kReadInstaller);
            codeAfterSecondRequest = f.worker->currentCode();
        }
    };

    ASSERT_TRUE(f.worker->startPageOperation(kReadMaster));
    ASSERT_TRUE(PanelFixture::eventually([&] { return read.calls == 5; }));
    EXPECT_EQ(codeWhileIdentifying, kIdentify);
    EXPECT_EQ(pendingWhileIdentifying, kReadMaster);
    ASSERT_TRUE(f.waitIdle());
    EXPECT_EQ(codeAfterSecondRequest, kReadMaster) << "the second request is dropped";
    EXPECT_EQ(read.calls, 5);
    EXPECT_EQ(other.calls, 0);

    const auto progress = f.sink.all<ProgressNotice>();
    EXPECT_TRUE(std::any_of(progress.begin(), progress.end(),
                            [](const ProgressNotice& p) { return p.subCode == 4 && p.textId == 5051; }));
    EXPECT_TRUE(std::any_of(progress.begin(), progress.end(),
                            [](const ProgressNotice& p) { return p.subCode == 2 && p.value == 100; }));

    EXPECT_EQ(other.begun, 0);

    // Idle: a request is taken at once, before the call returns.
    f.worker->setOperation(kReadInstaller);
    EXPECT_EQ(other.begun, 1);
    EXPECT_EQ(f.worker->pendingCode(), kNoOperation);
    ASSERT_TRUE(PanelFixture::eventually([&] { return other.calls == 2; }));
}

TEST(Worker, EndOfLinkConditionEndsTheSessionAfterIdentification)
{
    sim::SimPanelConfig config;
    config.condition = 0x80;
    PanelFixture f(config);
    ASSERT_TRUE(f.connect());
    ASSERT_TRUE(stopped(f));
    EXPECT_EQ(f.receivedCount({0xE5, 0x82, 0x11, 0x04}), 2u) << "the request goes out once more";
    EXPECT_EQ(f.receivedCount({0xE5, 0xB8, 0x5C, 0x03}), 1u);
}
