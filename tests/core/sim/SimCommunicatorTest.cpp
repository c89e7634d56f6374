// The simulated communicator relays the program's panel messages to the
// panel in the order they were sent, as the program relies on.
#include "base/RecordingSink.h"
#include "link/PanelMessage.h"
#include "link/UDPSocket.h"
#include "sim/SimCommunicator.h"
#include "support/Eventually.h"

#include <gtest/gtest.h>

#include <mutex>

using namespace qarvo;
using namespace qarvo::link;

namespace {

struct RecordingPanel : sim::PanelPeer {
    std::vector<sim::Message> onMessage(std::span<const std::uint8_t> message) override
    {
        std::lock_guard lock(mutex);
        heard.emplace_back(message.begin(), message.end());
        return {};
    }
    std::vector<sim::Message> messages()
    {
        std::lock_guard lock(mutex);
        return heard;
    }
    std::mutex mutex;
    std::vector<sim::Message> heard;
};

} // namespace

// A late copy of the last write of one page must not reach the panel after
// the next page select: the panel would write it into the new page.
TEST(SimCommunicatorRelay, RepeatedOrOvertakenPanelDataNeverReachesThePanel)
{
    RecordingPanel panel;
    sim::SimCommunicator communicator;
    communicator.setPanel(&panel);
    ASSERT_TRUE(communicator.start());
    RecordingSink sink;
    UDPSocket program{sink};
    ASSERT_TRUE(program.open(0));
    program.setPeer({0x7F000001, communicator.port()});
    program.panelHeader.setKind(kConnectionTraffic);
    program.panelHeader.setCommand(kCommandPanelFirst);
    program.panelHeader.setSequence(4000); // a session that has run a while

    // Sends one panel message; returns the datagram as it went out.
    const auto send = [&](sim::Message message) {
        message.push_back(checkByte(message));
        program.sendPanelMessage(message);
        program.panelHeader.setCommand(kCommandPanel);
        return std::vector<std::uint8_t>(program.panelHeader.wire().begin(), program.panelHeader.wire().end());
    };
    const sim::Message identify{0x05, 0x00, 0x00, 0x10}, lastWrite{0xB7, 0xFC, 1, 2, 3, 4},
        select{0xE5, 0x88, 0x6F, 0x05}, nextWrite{0xB7, 0x24, 5, 6, 7, 8};

    send(identify);
    const auto lateCopy = send(lastWrite);
    send(select);
    program.sendToPeer(lateCopy);
    program.sendToPeer(lateCopy);
    send(nextWrite);
    // The worker starts again and counts from the start. Its first packet is
    // lost on the way; the next one, far behind the last number, is taken.
    program.panelHeader.setSequence(1);
    send(identify);

    ASSERT_TRUE(qarvo::testing::eventually(
        [&] { return communicator.counters.panelMessages + communicator.counters.staleDatagrams == 7; }));
    EXPECT_EQ(panel.messages(), (std::vector<sim::Message>{identify, lastWrite, select, nextWrite, identify}));
    EXPECT_EQ(communicator.counters.staleDatagrams, 2u);
    communicator.stop();
}
