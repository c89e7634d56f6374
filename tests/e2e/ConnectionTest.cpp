#include "LinkFixture.h"

#include <gtest/gtest.h>

#include <thread>

using namespace qarvo;
using namespace qarvo::link;
using namespace std::chrono_literals;
using qarvo::testing::LinkFixture;

namespace {

sim::CommunicatorConfig withCipher(bool encipher)
{
    sim::CommunicatorConfig c;
    c.encipher = encipher;
    c.modelInfo = std::vector<std::uint8_t>(43, 0x5A);
    return c;
}

int openWithCall(LinkFixture& f, std::uint16_t delayMs = 50)
{
    std::jthread caller([&] {
        std::this_thread::sleep_for(std::chrono::milliseconds(delayMs));
        f.communicator.callProgram(f.link->socket.localPort());
    });
    return f.link->connection.open(ConnectionMode::WaitForCall, false);
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

INSTANTIATE_TEST_SUITE_P(Link, AllModes,
                         ::testing::Combine(::testing::Values(ConnectionMode::Direct, ConnectionMode::Callback,
                                                              ConnectionMode::WaitForCall),
                                            ::testing::Bool()));

TEST(ConnectionFailures, WrongPasswordClosesAndReports57)
{
    LinkFixture f(withCipher(true));
    f.link->settings.password = "12";
    EXPECT_EQ(f.link->connection.open(ConnectionMode::Direct, false), result::kWrongPassword);
    EXPECT_EQ(f.communicator.lastPassword(), "12") << "two characters then two zero bytes";
    std::this_thread::sleep_for(100ms);
    EXPECT_EQ(f.communicator.counters.closes, 1u) << "a close packet follows the failure";
    EXPECT_FALSE(f.link->connection.isOpen());
}

TEST(ConnectionFailures, SilentCommunicatorGives54)
{
    sim::CommunicatorConfig c;
    c.answerHello = false;
    LinkFixture f(c);
    EXPECT_EQ(f.link->connection.open(ConnectionMode::Direct, false), result::kNoCall);
    std::this_thread::sleep_for(100ms);
    EXPECT_EQ(f.communicator.counters.closes, 1u);
}

TEST(ConnectionFailures, NoConnectionRequestGives55)
{
    sim::CommunicatorConfig c;
    c.makeRequest = false;
    LinkFixture f(c);
    // Each failure sends a close; its answer is let in before the next try.
    EXPECT_EQ(f.link->connection.open(ConnectionMode::Direct, false), result::kNoRequest);
    std::this_thread::sleep_for(100ms);
    EXPECT_EQ(f.link->connection.open(ConnectionMode::Callback, false), result::kNoRequest);
    std::this_thread::sleep_for(100ms);
    EXPECT_EQ(f.link->connection.open(ConnectionMode::WaitForCall, false), result::kNoRequest);
}

TEST(ConnectionFailures, CancelledWaitGives2WithoutAClosePacket)
{
    LinkFixture f;
    std::jthread canceller([&] {
        while (!f.link->connection.waitingForCall())
            std::this_thread::sleep_for(5ms);
        f.link->connection.cancelWait();
    });
    EXPECT_EQ(f.link->connection.open(ConnectionMode::WaitForCall, false), result::kCancelled);
    std::this_thread::sleep_for(100ms);
    EXPECT_EQ(f.communicator.counters.closes, 0u);
}

TEST(ConnectionFailures, UnansweredCloseGives58)
{
    sim::CommunicatorConfig c;
    c.answerClose = false;
    LinkFixture f(c);
    ASSERT_EQ(f.link->connection.open(ConnectionMode::Direct, false), result::kOpen);
    EXPECT_EQ(f.link->connection.close(), result::kCloseFailed);
}

TEST(ConnectionFailures, CorruptedRepliesAreDroppedAndTheWaitRunsOut)
{
    sim::CommunicatorConfig c;
    c.toProgram.corrupt = 1.0;
    LinkFixture f(c);
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
