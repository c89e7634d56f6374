#include "LinkFixture.h"
#include "PanelFixture.h"

#include "support/Eventually.h"

#include <gtest/gtest.h>

#include <thread>

using namespace qarvo;
using namespace qarvo::link;
using namespace std::chrono_literals;
using qarvo::testing::LinkFixture;
using qarvo::testing::eventually;
using qarvo::testing::fastTiming;

namespace {

sim::CommunicatorConfig withCipher(bool encipher)
{
    sim::CommunicatorConfig c;
    c.encipher = encipher;
    c.modelInfo = std::vector<std::uint8_t>(43, 0x5A);
    return c;
}

// The communicator calls once the program waits for its call.
int openWithCall(LinkFixture& f)
{
    std::jthread caller([&] {
        if (eventually([&] { return f.link->connection.waitingForCall(); }))
            f.communicator.callProgram(f.link->socket.localPort());
    });
    return f.link->connection.open(ConnectionMode::WaitForCall, false);
}

// A successful opening after a failed one: everything the program sent
// before it has reached the communicator by the time it is open.
void openAgain(LinkFixture& f, bool closeSent)
{
    // The close that follows a failure is answered; its answer is let in
    // first, so that it is not taken for the answer to the next hello.
    if (closeSent) {
        ASSERT_TRUE(f.link->socket.controlReplyEvent.wait(2s));
    }
    f.communicator.configure([](sim::CommunicatorConfig& c) {
        c.answerHello = true;
        c.makeRequest = true;
    });
    f.link->settings.password = f.communicator.config().password;
    ASSERT_EQ(f.link->connection.open(ConnectionMode::Direct, false), result::kOpen);
}

} // namespace

class AllModes : public ::testing::TestWithParam<std::tuple<ConnectionMode, bool>> {};

TEST_P(AllModes, OpensLogsInAndCloses)
{
    const auto [mode, encipher] = GetParam();
    LinkFixture f(withCipher(encipher));
    Connection& c = f.link->connection;

    const int opened = mode == ConnectionMode::WaitForCall ? openWithCall(f) : c.open(mode, false);
    ASSERT_EQ(opened, result::kOpen);
    EXPECT_TRUE(c.isOpen());
    EXPECT_EQ(c.communicatorNode(), f.communicator.config().node);
    EXPECT_EQ(c.modelInfo(), std::vector<std::uint8_t>(43, 0x5A));
    EXPECT_EQ(f.communicator.enciphered(), encipher);
    EXPECT_EQ(f.link->socket.key() != nullptr, encipher);
    EXPECT_EQ((f.link->socket.controlHeader.flags() & flags::kEnciphered) != 0, encipher);
    EXPECT_EQ(f.link->socket.controlHeader.flags() & (flags::kConnecting | flags::kHoldSequence2), 0);
    EXPECT_EQ(f.communicator.lastPassword(), "5307");
    EXPECT_TRUE(f.link->commands.enabled(Command::ConnectToPanel));

    EXPECT_EQ(c.close(), result::kClosed);
    EXPECT_FALSE(c.isOpen());
    EXPECT_EQ(f.communicator.counters.closes, 1u);
    auto results = f.sink.all<CommunicatorNotice>();
    ASSERT_GE(results.size(), 2u);
    EXPECT_EQ(results.back().kind, CommunicatorNotice::Kind::CloseResult);
}

// "DirectEnciphered", "WaitForCallPlain".
std::string modeName(const ::testing::TestParamInfo<std::tuple<ConnectionMode, bool>>& info)
{
    constexpr const char* kModes[] = {"", "Direct", "Callback", "WaitForCall"};
    const auto [mode, encipher] = info.param;
    return std::string(kModes[static_cast<int>(mode)]) + (encipher ? "Enciphered" : "Plain");
}

INSTANTIATE_TEST_SUITE_P(Link, AllModes,
                         ::testing::Combine(::testing::Values(ConnectionMode::Direct, ConnectionMode::Callback,
                                                              ConnectionMode::WaitForCall),
                                            ::testing::Bool()),
                         modeName);

TEST(ConnectionFailures, WrongPasswordClosesAndReports57)
{
    LinkFixture f(withCipher(true));
    f.link->settings.password = "12";
    EXPECT_EQ(f.link->connection.open(ConnectionMode::Direct, false), result::kWrongPassword);
    EXPECT_EQ(f.communicator.lastPassword(), "12") << "two characters then two zero bytes";
    EXPECT_FALSE(f.link->connection.isOpen());
    openAgain(f, true);
    EXPECT_EQ(f.communicator.counters.closes, 1u) << "a close packet follows the failure";
}

TEST(ConnectionFailures, SilentCommunicatorGives54)
{
    sim::CommunicatorConfig c;
    c.answerHello = false;
    LinkFixture f(c, fastTiming());
    EXPECT_EQ(f.link->connection.open(ConnectionMode::Direct, false), result::kNoCall);
    openAgain(f, true);
    EXPECT_EQ(f.communicator.counters.closes, 1u) << "a close packet follows the failure";
}

TEST(ConnectionFailures, NoConnectionRequestGives55)
{
    sim::CommunicatorConfig c;
    c.makeRequest = false;
    LinkFixture f(c, fastTiming());
    // Each failure sends a close. The communicator's answer is let in
    // before the next try, so that it is not taken for the callback
    // server's answer; a wait for the call takes no answer at all.
    EXPECT_EQ(f.link->connection.open(ConnectionMode::Direct, false), result::kNoRequest);
    ASSERT_TRUE(f.link->socket.controlReplyEvent.wait(2s));
    EXPECT_EQ(f.communicator.counters.closes, 1u);
    EXPECT_EQ(f.link->connection.open(ConnectionMode::Callback, false), result::kNoRequest);
    EXPECT_EQ(f.link->connection.open(ConnectionMode::WaitForCall, false), result::kNoRequest);
}

TEST(ConnectionFailures, CancelledWaitGives2WithoutAClosePacket)
{
    LinkFixture f;
    std::jthread canceller([&] {
        if (eventually([&] { return f.link->connection.waitingForCall(); }))
            f.link->connection.cancelWait();
    });
    EXPECT_EQ(f.link->connection.open(ConnectionMode::WaitForCall, false), result::kCancelled);
    openAgain(f, false);
    EXPECT_EQ(f.communicator.counters.closes, 0u);
}

// A peer value of 0, 1 or at least p-1 would make the connection key
// predictable: the opening ends with the communication error and a close,
// and the password never goes out.
TEST(ConnectionFailures, PredictablePeerKeyValueGives56AndCloses)
{
    KeyExchange::PublicValue one{}, zero{}, allOnes{};
    one[0] = 1;
    allOnes.fill(0xFF);
    for (const auto& value : {one, zero, allOnes}) {
        sim::CommunicatorConfig c = withCipher(true);
        c.publicValue = value;
        LinkFixture f(c);
        EXPECT_EQ(f.link->connection.open(ConnectionMode::Direct, false), result::kCommunicationError);
        EXPECT_TRUE(qarvo::testing::PanelFixture::eventually([&] { return f.communicator.counters.closes == 1u; }));
        EXPECT_EQ(f.communicator.counters.logins, 0u);
        EXPECT_EQ(f.link->socket.key(), nullptr) << "no key is made from the value";
        EXPECT_FALSE(f.link->connection.isOpen());
    }
}

TEST(ConnectionFailures, UnansweredCloseGives58)
{
    sim::CommunicatorConfig c;
    c.answerClose = false;
    LinkFixture f(c, fastTiming());
    ASSERT_EQ(f.link->connection.open(ConnectionMode::Direct, false), result::kOpen);
    EXPECT_EQ(f.link->connection.close(), result::kCloseFailed);
}

TEST(ConnectionFailures, CorruptedRepliesAreDroppedAndTheWaitRunsOut)
{
    sim::CommunicatorConfig c;
    c.toProgram.corrupt = 1.0;
    LinkFixture f(c, fastTiming());
    EXPECT_EQ(f.link->connection.open(ConnectionMode::Direct, false), result::kNoCall);
    EXPECT_GE(f.link->socket.datagramsDropped.load(), 1u);
}

TEST(ConnectionModes, BootLoaderByteSetsTheFlag)
{
    sim::CommunicatorConfig c;
    c.bootLoader = true;
    LinkFixture f(c);
    ASSERT_EQ(f.link->connection.open(ConnectionMode::Direct, false), result::kOpen);
    EXPECT_TRUE(f.link->connection.bootLoaderMode());
    f.link->connection.close();
    LinkFixture plain;
    ASSERT_EQ(plain.link->connection.open(ConnectionMode::Direct, false), result::kOpen);
    EXPECT_FALSE(plain.link->connection.bootLoaderMode());
}

TEST(ConnectionModes, CallbackRequestCarriesAccountAndOwnPort)
{
    LinkFixture f;
    f.link->settings.account = 0x1234;
    f.link->settings.ownPort = 0;
    ASSERT_EQ(f.link->connection.open(ConnectionMode::Callback, false), result::kOpen);
    EXPECT_EQ(f.communicator.lastCallbackPayload(), (std::vector<std::uint8_t>{0x34, 0x12, 0x00, 0x00}));
}

TEST(ConnectionModes, WorkerOpeningLeavesConnectToPanelOff)
{
    LinkFixture f;
    f.link->commands.set(Command::ConnectToPanel, false);
    ASSERT_EQ(f.link->connection.open(ConnectionMode::Direct, true), result::kOpen);
    EXPECT_FALSE(f.link->commands.enabled(Command::ConnectToPanel));
}
