// The pieces of the communicator exchanges that need no network: reading a
// reply slot, the state poll reply, the firmware request and version texts,
// the IPv4-literal rule, and the poll's start and suspension bookkeeping.
#include "communicator/ControlReply.h"
#include "communicator/FirmwareUpdate.h"
#include "communicator/LinkPoll.h"
#include "communicator/TaskThreads.h"
#include "link/Datagram.h"
#include "support/Eventually.h"

#include <gtest/gtest.h>

#include <future>
#include <vector>

namespace qarvo {
namespace {

// A finalised datagram as the reader would put it into a slot.
std::vector<std::uint8_t> datagram(std::uint8_t kind, std::uint8_t command, std::vector<std::uint8_t> payload)
{
    link::Datagram d;
    d.setKind(kind);
    d.setCommand(command);
    std::copy(payload.begin(), payload.end(), d.payload().begin());
    d.finalise(payload.size());
    return {d.wire().begin(), d.wire().end()};
}

TEST(ControlReplyParse, ReadsCommandAndAnnouncedPayload)
{
    const auto reply = parseControlReply(datagram(link::kConnectionTraffic, 49, {1, 1}));
    ASSERT_TRUE(reply);
    EXPECT_EQ(reply->command, 49);
    EXPECT_EQ(reply->payload, (std::vector<std::uint8_t>{1, 1}));
}

TEST(ControlReplyParse, RefusesOtherKindsShortDataAndAWrongStartByte)
{
    EXPECT_FALSE(parseControlReply(datagram(link::kCommunicatorNotice, 49, {})));
    auto d = datagram(link::kConnectionTraffic, 2, {});
    EXPECT_FALSE(parseControlReply(std::span(d).first(link::kHeaderSize - 1)));
    d[link::offset::kStart] = 0x20;
    EXPECT_FALSE(parseControlReply(d));
}

TEST(ControlReplyParse, PayloadIsCutToWhatArrived)
{
    // The header claims 328 bytes; only 10 follow it.
    auto d = datagram(link::kConnectionTraffic, 2, std::vector<std::uint8_t>(10, 0xAB));
    d[link::offset::kPayloadLength] = 0x48;
    d[link::offset::kPayloadLength + 1] = 0x01;
    d.resize(link::kHeaderSize + 10);
    const auto reply = parseControlReply(d);
    ASSERT_TRUE(reply);
    EXPECT_EQ(reply->payload.size(), 10u);
}

TEST(ControlReplyParse, IsReplyWithMatchesAnyListedCommand)
{
    const auto reply = parseControlReply(datagram(link::kConnectionTraffic, 3, {}));
    EXPECT_TRUE(isReplyWith(reply, {1, 3}));
    EXPECT_FALSE(isReplyWith(reply, {1, 2}));
    EXPECT_FALSE(isReplyWith(std::nullopt, {1, 3}));
}

TEST(StatePollReply, CarriesStateAndRssi)
{
    const auto state = parseStatePollReply(datagram(link::kConnectionTraffic, kCommandStatePoll, {0xC5, 31}));
    ASSERT_TRUE(state);
    EXPECT_EQ(*state, (TaviLinkState{0xC5, 31}));
}

TEST(StatePollReply, WithoutBothBytesOrWithAnotherCommandThereIsNoState)
{
    EXPECT_FALSE(parseStatePollReply(datagram(link::kConnectionTraffic, kCommandStatePoll, {0xC5})));
    EXPECT_FALSE(parseStatePollReply(datagram(link::kConnectionTraffic, 49, {0xC5, 31})));
}

TEST(FirmwareRequest, AddressFirstOctetFirstThenPortLittleEndian)
{
    EXPECT_EQ(firmwareRequestPayload(0xC0A80114, 51068),
              (std::vector<std::uint8_t>{0xC0, 0xA8, 0x01, 0x14, 0x7C, 0xC7}));
    EXPECT_EQ(firmwareRequestPayload(0, 0), std::vector<std::uint8_t>(6, 0));
}

TEST(FirmwareVersion, MostSignificantPartFirst)
{
    EXPECT_EQ(firmwareVersionText(0x01020304), "1.2.3.4");
    EXPECT_EQ(firmwareVersionText(0xFF000A00), "255.0.10.0");
}

TEST(FirmwareVersion, CurrentVersionInTheBootLoaderEndsInBootloader)
{
    TaviModelInfo info;
    info.software = {3, 2, 0, 1};
    EXPECT_EQ(firmwareCurrentVersionText(info, false), "1.0.2.3");
    EXPECT_EQ(firmwareCurrentVersionText(info, true), "1.0.2.3 boot loader");
}

TEST(Ipv4LiteralRule, AtMostFifteenCharactersNoLetterThreeDots)
{
    EXPECT_TRUE(looksLikeIpv4Literal("192.168.1.20"));
    EXPECT_TRUE(looksLikeIpv4Literal("255.255.255.255"));
    EXPECT_TRUE(looksLikeIpv4Literal("1.2.3.999"));      // a literal, though not a valid address
    EXPECT_FALSE(looksLikeIpv4Literal("0255.255.255.255")); // 16 characters
    EXPECT_FALSE(looksLikeIpv4Literal("1.2.3"));
    EXPECT_FALSE(looksLikeIpv4Literal("1.2.3.4.5"));
    EXPECT_FALSE(looksLikeIpv4Literal("a.b.c.d"));
    EXPECT_FALSE(looksLikeIpv4Literal("update.qarvo.net"));
}

// The poll's bookkeeping on a link whose connection is not open.
class LinkPollBookkeeping : public ::testing::Test {
protected:
    NullSink sink;
    link::Link link{sink, {}, Timing{}.scaled(0.01)};
    int losses = 0;
    LinkPoll poll{link, [this] { ++losses; }};
};

TEST_F(LinkPollBookkeeping, SuspensionsNestAndExtraResumesAreIgnored)
{
    EXPECT_FALSE(poll.suspended());
    poll.suspend();
    poll.suspend();
    poll.resume();
    EXPECT_TRUE(poll.suspended());
    poll.resume();
    EXPECT_FALSE(poll.suspended());
    poll.resume();
    poll.suspend();
    EXPECT_TRUE(poll.suspended()) << "a resume without a suspension must not bank a credit";
}

TEST_F(LinkPollBookkeeping, WithoutAnOpenConnectionThePollDoesNotStart)
{
    EXPECT_FALSE(poll.waitStarted(Millis(30)));
    EXPECT_FALSE(poll.running());
}

TEST_F(LinkPollBookkeeping, APollOnAClosedConnectionEndsQuietly)
{
    poll.start();
    ASSERT_TRUE(poll.waitStarted(Millis(1000)));
    // The idle time runs out on a closed connection: no polls, no loss.
    EXPECT_TRUE(qarvo::testing::eventually([&] { return !poll.running(); }));
    EXPECT_EQ(losses, 0);
}

TEST_F(LinkPollBookkeeping, ANewPollStartsUnsuspended)
{
    poll.suspend(); // as a completed firmware update leaves it
    poll.start();
    EXPECT_FALSE(poll.suspended());
    poll.stop();
    EXPECT_FALSE(poll.running());
}

TEST(TaskThreadsTest, EndedTasksAreReclaimedAndJoinWaitsForTheRest)
{
    TaskThreads threads;
    std::atomic<int> done{0};
    int started = 0;
    auto startCounting = [&] {
        threads.start([&] { ++done; });
        ++started;
    };
    startCounting();
    // Each start reclaims the tasks that have ended: once the ones before
    // it have, only the task just started is held.
    EXPECT_TRUE(qarvo::testing::eventually([&] {
        startCounting();
        return threads.held() == 1;
    }));
    std::promise<void> release;
    threads.start([&, released = release.get_future().share()] {
        released.wait();
        ++done;
    });
    ++started;
    release.set_value();
    threads.join();
    EXPECT_EQ(done, started);
    EXPECT_EQ(threads.held(), 0u);
}

} // namespace
} // namespace qarvo
