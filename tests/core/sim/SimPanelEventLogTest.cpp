#include "SimPanelTestSupport.h"

#include "sim/SimPanelEventLog.h"

using namespace qarvo::sim;
using namespace qarvo::sim::testing;

namespace {

const Bytes kNoAnswer{0x13, 0x24};

// Five records, oldest first; the newest two unread.
std::vector<EventRecord> fiveRecords()
{
    return {{1, 0x0010}, {2, 0x1020}, {3, 0x2030}, {4, 0x8040}, {5, 0x9050}};
}

void loadFiveRecords(SimPanel& panel)
{
    panel.setEventLog(fiveRecords(), 2);
}

} // namespace

TEST(SimPanelEventLog, CountsUnreadAndAllEvents)
{
    SimPanel panel;
    loadFiveRecords(panel);
    identify(panel);
    EXPECT_EQ(ask(panel, {0xD3, 0x01}), (Bytes{0xD6, 0x01, 0x00, 0x02, 0x00}));
    EXPECT_EQ(ask(panel, {0xD3, 0x05}), (Bytes{0xD6, 0x05, 0x00, 0x05, 0x00}));

    SimPanel big;
    big.setEventLog(std::vector<EventRecord>(0x400, EventRecord{7, 0x0001}), 0x400);
    identify(big);
    EXPECT_EQ(ask(big, {0xD3, 0x05}), (Bytes{0xD6, 0x05, 0x04, 0x00, 0x00}));
    EXPECT_EQ(ask(big, {0xD3, 0x01}), (Bytes{0xD6, 0x01, 0x04, 0x00, 0x00}));
}

TEST(SimPanelEventLog, HeaderCarriesTheTimeOfTheNewestEvent)
{
    SimPanel panel({.clock = {.day = 2, .month = 6, .year = 26, .hour = 1, .minute = 2, .second = 3}});
    identify(panel);
    const unsigned minute = 1440 + 62;
    EXPECT_EQ(ask(panel, {0xD3, 0x02}),
              (Bytes{0xD7, 0x02, 26, 5, static_cast<std::uint8_t>(minute >> 8), static_cast<std::uint8_t>(minute)}));
    panel.setEventLogHeader({.minuteOfMonth = 0x1234, .monthIndex = 11, .year = 25});
    EXPECT_EQ(ask(panel, {0xD3, 0x02}), (Bytes{0xD7, 0x02, 25, 11, 0x12, 0x34}));
}

TEST(SimPanelEventLog, RecordsComeNewestFirstWithAlternatingRequests)
{
    SimPanel panel;
    loadFiveRecords(panel);
    identify(panel);
    ask(panel, {0xD3, 0x05});
    ask(panel, {0xD3, 0x02});
    EXPECT_EQ(ask(panel, {0xD3, 0x08}), (Bytes{0xD6, 0x08, 5, 0x90, 0x50}));
    EXPECT_EQ(ask(panel, {0xD3, 0x0C}), (Bytes{0xD6, 0x0C, 4, 0x80, 0x40}));
    EXPECT_EQ(ask(panel, {0xD3, 0x08}), (Bytes{0xD6, 0x08, 3, 0x20, 0x30}));
    EXPECT_EQ(ask(panel, {0xD3, 0x0C}), (Bytes{0xD6, 0x0C, 2, 0x10, 0x20}));
    EXPECT_EQ(ask(panel, {0xD3, 0x08}), (Bytes{0xD6, 0x08, 1, 0x00, 0x10}));
    EXPECT_EQ(ask(panel, {0xD3, 0x0C}), kNoAnswer) << "nothing older than the oldest";
}

TEST(SimPanelEventLog, RepeatedRequestGetsTheSameRecordAgain)
{
    SimPanel panel;
    loadFiveRecords(panel);
    identify(panel);
    ask(panel, {0xD3, 0x01});
    EXPECT_EQ(ask(panel, {0xD3, 0x08}).at(2), 5);
    EXPECT_EQ(ask(panel, {0xD3, 0x08}).at(2), 5) << "a retransmission";
    EXPECT_EQ(ask(panel, {0xD3, 0x0C}).at(2), 4);
    EXPECT_EQ(ask(panel, {0xD3, 0x0C}).at(2), 4);
    EXPECT_EQ(ask(panel, {0xD3, 0x08}).at(2), 3);
}

TEST(SimPanelEventLog, CountingStartsAReadingAfresh)
{
    SimPanel panel;
    loadFiveRecords(panel);
    identify(panel);
    ask(panel, {0xD3, 0x01});
    ask(panel, {0xD3, 0x08});
    ask(panel, {0xD3, 0x0C});
    ask(panel, {0xD3, 0x01});
    EXPECT_EQ(ask(panel, {0xD3, 0x08}).at(2), 5);
    // So does a new session.
    panel.onSessionStart();
    identify(panel);
    EXPECT_EQ(ask(panel, {0xD3, 0x0C}).at(2), 5);
}

TEST(SimPanelEventLog, MarkingAsReadLeavesOnlyTheMarkingEventUnread)
{
    SimPanel panel;
    loadFiveRecords(panel);
    identify(panel);
    EXPECT_EQ(ask(panel, {0xD3, 0x10}), (Bytes{0xD6, 0x10, 0x00, 0x02, 0x00}));
    EXPECT_EQ(panel.unreadEvents(), 1u);
    EXPECT_EQ(ask(panel, {0xD3, 0x10}), (Bytes{0xD6, 0x10, 0x00, 0x02, 0x00})) << "a repeated request changes nothing";
    EXPECT_EQ(panel.eventRecords().size(), 6u);

    EXPECT_EQ(ask(panel, {0xD3, 0x01}), (Bytes{0xD6, 0x01, 0x00, 0x01, 0x00}));
    ask(panel, {0xD3, 0x02});
    const Bytes record = ask(panel, {0xD3, 0x08});
    EXPECT_EQ(record.at(2), 244);
    EXPECT_EQ(record.at(3) >> 4, 2) << "a system event";
    EXPECT_EQ(ask(panel, {0xD3, 0x05}), (Bytes{0xD6, 0x05, 0x00, 0x06, 0x00}));

    // A later marking marks the marking event too.
    EXPECT_EQ(ask(panel, {0xD3, 0x10}), (Bytes{0xD6, 0x10, 0x00, 0x01, 0x00}));
    EXPECT_EQ(panel.eventRecords().size(), 7u);
}

TEST(SimPanelEventLog, NewEventsAreUnread)
{
    SimPanel panel;
    loadFiveRecords(panel);
    panel.appendEvent({9, 0x0003});
    identify(panel);
    EXPECT_EQ(ask(panel, {0xD3, 0x01}), (Bytes{0xD6, 0x01, 0x00, 0x03, 0x00}));
    EXPECT_EQ(ask(panel, {0xD3, 0x08}), (Bytes{0xD6, 0x08, 9, 0x00, 0x03}));
}

TEST(SimPanelEventLog, UnknownRequestsAndStrangersAreRefused)
{
    SimPanel panel;
    loadFiveRecords(panel);
    EXPECT_EQ(ask(panel, {0xD3, 0x01}), kNoAnswer) << "before identification";
    identify(panel);
    EXPECT_EQ(ask(panel, {0xD3, 0x03}), kNoAnswer);
    EXPECT_EQ(ask(panel, {0xD3, 0x01, 0x00}), kNoAnswer);
}

TEST(SimPanelEventLog, LogWithoutMarkingEventAndUnreadCountCappedByTheRecords)
{
    SimPanelEventLog log;
    log.setRecords(fiveRecords(), 99);
    EXPECT_EQ(log.unreadCount(), 5u);
    log.setRecordMarking(false);
    EXPECT_EQ(log.answer(0x10), (Bytes{0xD6, 0x10, 0x00, 0x05, 0x00}));
    EXPECT_EQ(log.unreadCount(), 0u);
    EXPECT_EQ(log.records().size(), 5u);
    EXPECT_TRUE(log.answer(0x0C).size() == 5) << "still readable";
}
