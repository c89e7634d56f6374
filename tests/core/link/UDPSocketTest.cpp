#include "base/RecordingSink.h"
#include "base/TextIds.h"
#include "link/Datagram.h"
#include "link/UDPSocket.h"
#include "support/Eventually.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <gtest/gtest.h>

using namespace qarvo;
using namespace qarvo::link;
using namespace std::chrono_literals;

namespace {

// A plain loopback socket that plays the far end.
struct FarEnd {
    FarEnd()
    {
        fd = ::socket(AF_INET, SOCK_DGRAM, 0);
        sockaddr_in sa{};
        sa.sin_family = AF_INET;
        sa.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        ::bind(fd, reinterpret_cast<sockaddr*>(&sa), sizeof sa);
        socklen_t len = sizeof sa;
        ::getsockname(fd, reinterpret_cast<sockaddr*>(&sa), &len);
        port = ntohs(sa.sin_port);
    }
    ~FarEnd() { ::close(fd); }
    void sendTo(std::uint16_t to, std::span<const std::uint8_t> bytes) const
    {
        sockaddr_in sa{};
        sa.sin_family = AF_INET;
        sa.sin_port = htons(to);
        sa.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        ::sendto(fd, bytes.data(), bytes.size(), 0, reinterpret_cast<sockaddr*>(&sa), sizeof sa);
    }
    int fd = -1;
    std::uint16_t port = 0;
};

std::vector<std::uint8_t> datagram(std::uint8_t kind, std::uint8_t command, std::uint8_t destination,
                                   std::size_t payloadLength = 0)
{
    Datagram d;
    d.setKind(kind);
    d.setCommand(command);
    d.setDestinationNode(destination);
    d.setSourceNode(9);
    for (std::size_t i = 0; i < payloadLength; ++i)
        d.payload()[i] = static_cast<std::uint8_t>(i);
    d.finalise(payloadLength);
    return {d.wire().begin(), d.wire().end()};
}

struct Program {
    Program() { EXPECT_TRUE(socket.open(0)); }
    RecordingSink sink;
    UDPSocket socket{sink};
    std::uint16_t port() const { return socket.localPort(); }
};

} // namespace

TEST(UDPSocketRouting, ValidReplyFromANewAddressBecomesThePeer)
{
    Program p;
    FarEnd communicator;
    p.socket.setPeer({0x7F000001, 9});
    communicator.sendTo(p.port(), datagram(kConnectionTraffic, 1, kProgramNode));
    ASSERT_TRUE(p.socket.controlReplyEvent.wait(2s));
    EXPECT_EQ(p.socket.peer(), (PeerAddress{0x7F000001, communicator.port}));
}

TEST(UDPSocketRouting, JunkDoesNotRedirectThePeer)
{
    Program p;
    FarEnd communicator, stranger;
    communicator.sendTo(p.port(), datagram(kConnectionTraffic, 1, kProgramNode));
    ASSERT_TRUE(p.socket.controlReplyEvent.wait(2s));

    auto junk = datagram(kConnectionTraffic, 1, kProgramNode);
    junk.back() ^= 0xFF;
    stranger.sendTo(p.port(), junk);
    const std::uint8_t notOurs[] = {0x20, 0x01, 0x04};
    stranger.sendTo(p.port(), notOurs);
    ASSERT_TRUE(qarvo::testing::eventually([&] { return p.socket.datagramsDropped == 2; }));
    EXPECT_FALSE(p.socket.controlReplyEvent.wait(0ms));
    EXPECT_EQ(p.socket.peer().port, communicator.port);
}

TEST(UDPSocketRouting, ConnectionRequestIsDroppedWhileThePanelLinkIsUp)
{
    Program p;
    FarEnd communicator;
    const auto request = datagram(kConnectionTraffic, 6, 0);
    communicator.sendTo(p.port(), request);
    ASSERT_TRUE(p.socket.connectionRequestEvent.wait(2s));
    EXPECT_EQ(p.socket.connectionRequest(), request);

    p.socket.panelLinkUp = true;
    FarEnd other;
    other.sendTo(p.port(), datagram(kConnectionTraffic, 4, 0));
    // A reply behind it: once that is in, the request has been handled.
    other.sendTo(p.port(), datagram(kConnectionTraffic, 1, kProgramNode));
    ASSERT_TRUE(p.socket.controlReplyEvent.wait(2s));
    EXPECT_FALSE(p.socket.connectionRequestEvent.wait(0ms));
    EXPECT_EQ(p.socket.connectionRequest(), request) << "the slot is unchanged";
    EXPECT_EQ(p.socket.peer().port, other.port) << "only the peer address changes";
}

TEST(UDPSocketRouting, PanelDataPollAndCloseGoToTheirParties)
{
    Program p;
    FarEnd communicator;
    communicator.sendTo(p.port(), datagram(kConnectionTraffic, kCommandPanel, kProgramNode, 5));
    ASSERT_TRUE(p.socket.panelDataEvent.wait(2s));
    const auto data = p.socket.takePanelData();
    ASSERT_EQ(data.size(), 1u);
    EXPECT_EQ(data[0], (std::vector<std::uint8_t>{0, 1, 2, 3, 4}));

    communicator.sendTo(p.port(), datagram(kConnectionTraffic, kCommandLinkPoll, kProgramNode, 100));
    ASSERT_TRUE(p.socket.pollReplyEvent.wait(2s));
    EXPECT_EQ(p.socket.pollReply().size(), kPollSlotSize);

    // The communicator's close stops the worker and answers a closing.
    const auto close = datagram(kConnectionTraffic, kCommandClose, kProgramNode);
    communicator.sendTo(p.port(), close);
    ASSERT_TRUE(p.socket.workerStopEvent.wait(2s));
    ASSERT_TRUE(p.socket.controlReplyEvent.wait(2s));
    EXPECT_EQ(p.socket.controlReply(), close);
}

TEST(UDPSocketRouting, BusyNoticeShowsText60AndStopsTheWorker)
{
    Program p;
    FarEnd communicator;
    communicator.sendTo(p.port(), datagram(kCommunicatorNotice, kCommandPanelBusy, 0));
    communicator.sendTo(p.port(), datagram(kCommunicatorNotice, kCommandPanelBusy, kProgramNode));
    ASSERT_TRUE(p.socket.workerStopEvent.wait(2s));
    const auto ids = p.sink.messageIds();
    EXPECT_EQ(std::count(ids.begin(), ids.end(), text_id::kPanelBusy), 1) << "destination node 0 is dropped";
}

// The network repeats and reorders datagrams: panel data whose sequence
// number is not after the last one taken would be read as the panel's answer
// to a later request (a four-byte read of the same low address byte on
// another page, say), so it never reaches the worker.
TEST(UDPSocketRouting, RepeatedOrOvertakenPanelDataIsDropped)
{
    struct Case {
        const char* name;
        std::vector<std::uint16_t> sequences; // in arrival order
        std::vector<std::uint16_t> taken;
        std::size_t newSessionAt = SIZE_MAX; // the worker starts again before this arrival
    };
    const Case cases[] = {
        {"in order", {7, 8, 9}, {7, 8, 9}},
        {"a repeat", {7, 8, 8, 9}, {7, 8, 9}},
        {"an old answer replayed", {7, 8, 9, 7}, {7, 8, 9}},
        {"overtaken", {7, 9, 8, 10}, {7, 9, 10}},
        {"a gap from losses", {7, 11}, {7, 11}},
        {"across the wrap", {0xFFFE, 0xFFFF, 0, 0xFFFF, 1}, {0xFFFE, 0xFFFF, 0, 1}},
        {"a new worker session", {40, 41, 3, 4}, {40, 41, 3, 4}, 2},
        {"the communicator counts from the start again", {900, 901, 2, 3}, {900, 901, 2, 3}},
        {"a copy just inside the stale window", {700, 444, 701}, {700, 701}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        RecordingSink sink;
        UDPSocket socket{sink}; // never opened: route() is fed directly
        for (std::size_t i = 0; i < c.sequences.size(); ++i) {
            const std::uint16_t sequence = c.sequences[i];
            if (i == c.newSessionAt)
                socket.newPanelSession();
            Datagram d;
            d.setKind(kConnectionTraffic);
            d.setCommand(kCommandPanel);
            d.setDestinationNode(kProgramNode);
            d.setSequence(static_cast<std::uint16_t>(sequence - 1)); // finalise advances it
            d.payload()[0] = static_cast<std::uint8_t>(sequence);
            d.payload()[1] = static_cast<std::uint8_t>(sequence >> 8);
            d.finalise(2);
            std::vector<std::uint8_t> wire(d.wire().begin(), d.wire().end());
            socket.route(wire, {0x7F000001, 9});
        }
        std::vector<std::uint16_t> taken;
        for (const auto& payload : socket.takePanelData())
            taken.push_back(static_cast<std::uint16_t>(payload[0] | payload[1] << 8));
        EXPECT_EQ(taken, c.taken);
        EXPECT_EQ(socket.datagramsDropped, c.sequences.size() - c.taken.size());
    }
}
