// Event log reading: the step machine driven reply by reply, and whole
// readings through the panel session against the simulated panel.
#include "PanelFixture.h"
#include "SessionFixture.h"

#include "session/PanelSession.h"
#include "app/Strings.h"
#include "base/TextIds.h"
#include "cli/CliApp.h"
#include "eventlog/EventLogReader.h"
#include "eventlog/TextExport.h"
#include "support/CliFixture.h"
#include "support/Loopback.h"
#include "support/StepDriver.h"

#include <gtest/gtest.h>

#include <QDateTime>
#include <QFile>

#include <atomic>
#include <fstream>
#include <memory>
#include <sstream>

using namespace qarvo;
using namespace qarvo::eventlog;
using namespace std::chrono_literals;
using operations::kIdlePoll;
using operations::kReadEventLog;
using qarvo::testing::PanelFixture;
using Bytes = std::vector<std::uint8_t>;

namespace {

// Thursday 5 March 2026, 14:07:09 on the computer's clock.
QDateTime readingTime()
{
    return QDateTime(QDate(2026, 3, 5), QTime(14, 7, 9));
}

const std::string kReadOnLine = "Event log read on Thu, Mar/05/2026, 14:07:09";
const std::string kGroupName = "LOG 0000 March 05, 2026 14:07:09";
const Bytes kTransferEnd{0xE6, 0x90, 0x1A, 0x00, 0x00};
const Bytes kStopUpload{0xE6, 0x10, 0x30, 0x00, 0x00};

std::string text(int id)
{
    return strings::utf8(id);
}

std::uint16_t word(int eventClass, int gap)
{
    return static_cast<std::uint16_t>(eventClass << 12 | gap);
}

// The step as the worker runs it, with a stand-in for the worker.
struct StepHarness {
    StepHarness()
    {
        reader.setLocalClock(readingTime);
    }

    Bytes feed(const Bytes& reply) { return driver.feed(reply); }

    // Reads a log of the given records (newest first) up to its last request.
    Bytes readThrough(const std::vector<std::pair<std::uint8_t, std::uint16_t>>& newestFirst)
    {
        feed({0x1E});
        Bytes sent = feed({0xD6, step, 0x00, static_cast<std::uint8_t>(newestFirst.size())});
        sent = feed({0xD7, 0x02, 26, 2, 0x00, 0x00});
        for (const auto& [code, w] : newestFirst)
            sent = feed({0xD6, step, code, static_cast<std::uint8_t>(w >> 8), static_cast<std::uint8_t>(w)});
        return sent;
    }

    const std::vector<std::string>& firstGroup() const { return doc.logs().front().lines; }

    panel::CUploadDoc doc{text(text_id::kCurrentLog)};
    RecordingSink sink;
    std::atomic<int> code{kReadEventLog};
    int idleCalls = 0;
    EventLogReader reader{EventLogReader::Worker{[this] { return code.load(); },
                                                 [this] {
                                                     ++idleCalls;
                                                     code = kIdlePoll;
                                                     step = 1;
                                                 }},
                          doc, sink};
    qarvo::testing::StepDriver driver{reader};
    std::uint8_t& step = driver.step;
    std::uint8_t& percent = driver.percent;
};

bool hasStatus(const RecordingSink& sink, int textId)
{
    const auto statuses = sink.all<StatusNotice>();
    return std::any_of(statuses.begin(), statuses.end(),
                       [&](const StatusNotice& s) { return s.pane == Pane::Panel && s.textId == textId; });
}

} // namespace

// ---------------------------------------------------------------- the step

TEST(EventLogStep, AsksForTheCountTheHeaderThenAlternatesTheRecordRequests)
{
    StepHarness h;
    EXPECT_EQ(h.feed({0x1E, 0x00}), (Bytes{0xD3, 0x01})) << "the start ignores what the idle poll received";
    EXPECT_TRUE(hasStatus(h.sink, text_id::kReadEventsNumber));
    EXPECT_EQ(h.feed({0xD6, 0x01, 0x00, 0x03, 0x00}), (Bytes{0xD3, 0x02}));
    EXPECT_TRUE(hasStatus(h.sink, text_id::kEventsNumberRead));
    EXPECT_EQ(h.reader.eventCount(), 3);
    EXPECT_EQ(h.feed({0xD7, 0x02, 26, 0, 0x00, 0x3C}), (Bytes{0xD3, 0x08}));
    EXPECT_EQ(h.feed({0xD6, 0x08, 1, 0x00, 0x01}), (Bytes{0xD3, 0x0C}));
    EXPECT_EQ(h.step, 12);
    EXPECT_EQ(h.percent, 33);
    EXPECT_EQ(h.feed({0xD6, 0x0C, 0, 0x00, 0x01}), (Bytes{0xD3, 0x08}));
    EXPECT_EQ(h.feed({0xD6, 0x08, 2, 0x00, 0x00}), kTransferEnd);
    EXPECT_EQ(h.idleCalls, 1);
    EXPECT_EQ(h.percent, 100);

    // Header 1 Jan 2026 01:00; each record one minute before the last.
    const std::vector<std::string> expected{
        kReadOnLine,
        "        003  01:00  01.Jan.2026  Arming by master user",
        "        002  00:59  01.Jan.2026  Arming by installer's maintenance code",
        "        001  00:58  01.Jan.2026  Arming by user 2",
        text(text_id::kEventLogRead),
        " ",
    };
    EXPECT_EQ(h.firstGroup(), expected);
    EXPECT_EQ(h.doc.logs().front().name, kGroupName);
    EXPECT_EQ(h.doc.logs().size(), 1u) << "the empty current log is reused";
    EXPECT_TRUE(h.doc.isModified());
}

TEST(EventLogStep, RepliesThatDoNotMatchTheStepRepeatItsRequest)
{
    StepHarness h;
    h.feed({0x1E});
    EXPECT_EQ(h.feed({0xD6, 0x05, 0x00, 0x02, 0x00}), (Bytes{0xD3, 0x01})) << "count of all while unread was asked";
    EXPECT_EQ(h.feed({0xD6, 0x01, 0x00, 0x02, 0x00}), (Bytes{0xD3, 0x02}));
    EXPECT_EQ(h.feed({0xD6, 0x02, 0x00}), (Bytes{0xD3, 0x02})) << "header asked, D6 came";
    EXPECT_EQ(h.feed({0xD7, 0x02, 26, 0, 0x00, 0x00}), (Bytes{0xD3, 0x08}));
    EXPECT_EQ(h.feed({0xD6, 0x08, 0, 0x00, 0x00}), (Bytes{0xD3, 0x0C}));
    // A late second reply to D3 08 while step 12 is current is not the next record.
    EXPECT_EQ(h.feed({0xD6, 0x08, 0, 0x00, 0x00}), (Bytes{0xD3, 0x0C}));
    EXPECT_EQ(h.step, 12);
    EXPECT_EQ(h.reader.eventIndex(), 1);
    EXPECT_EQ(h.feed({0xD6, 0x0C, 1, 0x00, 0x00}), kTransferEnd);
    EXPECT_EQ(h.firstGroup().size(), 5u) << "read-on line, two events, closing line, space line";
}

// The worker may hand the reader a record reply at a record step before
// any count was read (or after the last record): the reader starts over with
// the count instead of dividing by a count of zero.
TEST(EventLogStep, RecordWithoutACountStartsOverWithTheCount)
{
    for (const std::uint8_t recordStep : {std::uint8_t{8}, std::uint8_t{12}}) {
        StepHarness h;
        h.step = recordStep;
        EXPECT_EQ(h.feed({0xD6, recordStep, 1, 0x00, 0x01}), (Bytes{0xD3, 0x01}));
        EXPECT_EQ(h.reader.eventIndex(), 0);
        EXPECT_TRUE(h.doc.logs().empty() || h.firstGroup().empty()) << "no line from a stray record";
    }
    StepHarness h;
    EXPECT_EQ(h.readThrough({{1, word(0, 0)}}), kTransferEnd);
    const std::size_t lines = h.firstGroup().size();
    h.code = kReadEventLog;
    h.step = 8;
    EXPECT_EQ(h.feed({0xD6, 0x08, 1, 0x00, 0x01}), (Bytes{0xD3, 0x01})) << "a record past the count";
    EXPECT_EQ(h.firstGroup().size(), lines);
}

TEST(EventLogStep, AllEventsCountsWithStepFive)
{
    StepHarness h;
    h.reader.setOptions({.markAsRead = false, .allEvents = true});
    EXPECT_EQ(h.feed({0x1E}), (Bytes{0xD3, 0x05}));
    EXPECT_EQ(h.step, 5);
    EXPECT_EQ(h.feed({0xD6, 0x01, 0x00, 0x02, 0x00}), (Bytes{0xD3, 0x05}));
    EXPECT_EQ(h.feed({0xD6, 0x05, 0x00, 0x02, 0x00}), (Bytes{0xD3, 0x02}));
    EXPECT_EQ(h.reader.eventCount(), 2);
}

TEST(EventLogStep, CountsAboveEightHundredAreCut)
{
    for (const auto& [hi, lo] : {std::pair<std::uint8_t, std::uint8_t>{0x04, 0x00}, {0xFF, 0xFF}, {0x03, 0x21}}) {
        StepHarness h;
        h.feed({0x1E});
        h.feed({0xD6, 0x01, hi, lo, 0x00});
        EXPECT_EQ(h.reader.eventCount(), 800) << int(hi) << " " << int(lo);
    }
    StepHarness h;
    h.feed({0x1E});
    h.feed({0xD6, 0x01, 0x03, 0x1F, 0x00});
    EXPECT_EQ(h.reader.eventCount(), 799);
}

TEST(EventLogStep, ClockRecordsCountButShowNoLine)
{
    StepHarness h;
    // Newest first: an event, the minute record, the year/month record, an event.
    const Bytes last = h.readThrough({{0, word(0, 0)}, {254, 0x0000}, {253, 0x1901}, {1, word(0, 0)}});
    EXPECT_EQ(last, kTransferEnd);
    const std::vector<std::string> expected{
        kReadOnLine,
        "        004  00:00  01.Mar.2026  Arming by installer's maintenance code",
        "        001  00:00  01.Feb.2025  Arming by master user",
        text(text_id::kEventLogRead),
        " ",
    };
    EXPECT_EQ(h.firstGroup(), expected);
}

TEST(EventLogStep, MarkAsReadEndsWithD310AndTheClearLine)
{
    StepHarness h;
    h.reader.setOptions({.markAsRead = true, .allEvents = false});
    EXPECT_EQ(h.readThrough({{0, word(8, 0)}, {1, word(4, 0)}}), (Bytes{0xD3, 0x10}));
    EXPECT_TRUE(hasStatus(h.sink, text_id::kClearEventLog));
    EXPECT_EQ(h.idleCalls, 0);
    EXPECT_EQ(h.feed({0xD6, 0x08, 0, 0, 0}), (Bytes{0xD3, 0x10})) << "only D6 10 completes the marking";
    EXPECT_EQ(h.feed({0xD6, 0x10, 0x00, 0x02, 0x00}), kTransferEnd);
    EXPECT_EQ(h.idleCalls, 1);
    const auto& lines = h.firstGroup();
    ASSERT_EQ(lines.size(), 5u);
    EXPECT_EQ(lines[1], "        002  00:00  01.Mar.2026 Partition A     Arming by installer's maintenance code");
    EXPECT_EQ(lines[2], "        001  00:00  01.Mar.2026 Partition     B Arming by master user");
    EXPECT_EQ(lines[3], text(text_id::kEventLogReadAndCleared));
    EXPECT_EQ(lines[4], " ");
}

TEST(EventLogStep, OnlyTheMarkedAsReadEventShowsTheMessageAndAddsNothing)
{
    for (const int eventClass : {2, 6}) {
        StepHarness h;
        h.reader.setOptions({.markAsRead = true, .allEvents = false});
        const auto before = h.doc.logs();
        EXPECT_EQ(h.readThrough({{244, word(eventClass, 0)}}), kTransferEnd);
        EXPECT_TRUE(h.sink.hasMessage(text_id::kAllEventsMarkedRead));
        EXPECT_EQ(h.doc.logs(), before) << "class " << eventClass;
        EXPECT_FALSE(h.doc.isModified());
        EXPECT_EQ(h.idleCalls, 1);
    }
    // Without the option, or with more events, or another class, it is an ordinary line.
    struct Case {
        bool mark;
        std::vector<std::pair<std::uint8_t, std::uint16_t>> records;
    };
    for (const Case& c : {Case{false, {{244, word(2, 0)}}}, Case{true, {{244, word(2, 0)}, {0, word(0, 0)}}},
                          Case{true, {{244, word(0, 0)}}}}) {
        StepHarness h;
        h.reader.setOptions({.markAsRead = c.mark, .allEvents = false});
        h.readThrough(c.records);
        EXPECT_FALSE(h.sink.hasMessage(text_id::kAllEventsMarkedRead));
        EXPECT_EQ(h.doc.logs().front().name, kGroupName);
    }
}

TEST(EventLogStep, NoEventsAddsTheNoteToTheGroupThereAndReadsNoHeader)
{
    StepHarness h;
    h.feed({0x1E});
    EXPECT_EQ(h.feed({0xD6, 0x01, 0x00, 0x00, 0x00}), kTransferEnd);
    EXPECT_EQ(h.idleCalls, 1);
    ASSERT_EQ(h.doc.logs().size(), 1u);
    EXPECT_EQ(h.doc.logs().front().name, text(text_id::kCurrentLog));
    EXPECT_EQ(h.firstGroup(), std::vector<std::string>{text(text_id::kNoEventsRecorded)});
}

TEST(EventLogStep, ASecondReadingPutsANewGroupInFront)
{
    StepHarness h;
    h.readThrough({{0, word(0, 0)}});
    const panel::EventLog first = h.doc.logs().front();

    h.code = kReadEventLog;
    h.reader.setLocalClock([] { return QDateTime(QDate(2026, 12, 31), QTime(23, 59, 58)); });
    h.readThrough({{1, word(0, 0)}, {2, word(0, 0)}});
    ASSERT_EQ(h.doc.logs().size(), 2u);
    EXPECT_EQ(h.doc.logs()[1], first) << "the earlier reading stays as it was";
    EXPECT_EQ(h.doc.logs()[0].name, "LOG 0000 December 31, 2026 23:59:58");
    EXPECT_EQ(h.firstGroup().front(), "Event log read on Thu, Dec/31/2026, 23:59:58");
    EXPECT_EQ(h.firstGroup().size(), 5u);
}

TEST(EventLogStep, GroupNameCarriesThePanelIdCodeAndOldLogWithoutAClock)
{
    StepHarness h;
    h.doc.image()[0x406] = 0xAB;
    h.doc.image()[0x407] = 0x0C;
    h.reader.setLocalClock([] { return QDateTime(); });
    h.readThrough({{0, word(0, 0)}});
    EXPECT_EQ(h.doc.logs().front().name, "LOG AB0C Old log 00, 0000 00:00:00");
    EXPECT_EQ(h.firstGroup().front(), "Event log read on ???, ??\?/00/0000, 00:00:00");
}

TEST(EventLogStep, LeavingTheOperationSendsTheStopMessage)
{
    StepHarness h;
    h.feed({0x1E});
    h.feed({0xD6, 0x01, 0x00, 0x05, 0x00});
    h.feed({0xD7, 0x02, 26, 0, 0x00, 0x00});
    h.feed({0xD6, 0x08, 0, 0x00, 0x00});
    // The worker went back to idle (Break) while the next record was on its way.
    h.code = kIdlePoll;
    EXPECT_EQ(h.feed({0xD6, 0x0C, 1, 0x00, 0x00}), kStopUpload);
    EXPECT_EQ(h.idleCalls, 0);
    // What was read so far stays in the group; the note of the interruption
    // stands where the closing line would.
    const auto& lines = h.firstGroup();
    ASSERT_EQ(lines.size(), 5u);
    EXPECT_EQ(lines[2], "        004  00:00  01.Jan.2026  Arming by master user");
    EXPECT_EQ(lines[3], text(text_id::kReadingInterrupted));
    EXPECT_EQ(lines[4], " ");
}

TEST(EventLogStep, ALineCounterBeyondAReplacedGroupAppends)
{
    StepHarness h;
    h.readThrough({{0, word(0, 0)}, {0, word(0, 0)}});
    // A document opened in between brings a shorter first group.
    h.doc.logs() = {panel::EventLog{"other", {"one"}}};
    h.code = kReadEventLog;
    h.feed({0x1E});
    EXPECT_EQ(h.feed({0xD6, 0x01, 0x00, 0x00, 0x00}), kTransferEnd);
    EXPECT_EQ(h.firstGroup(), (std::vector<std::string>{"one", text(text_id::kNoEventsRecorded)}));

    h.doc.logs().clear();
    h.code = kReadEventLog;
    h.feed({0x1E});
    h.feed({0xD6, 0x01, 0x00, 0x00, 0x00});
    ASSERT_EQ(h.doc.logs().size(), 1u) << "a document without groups gets the current log";
    EXPECT_EQ(h.doc.logs().front().name, text(text_id::kCurrentLog));
}

TEST(EventLogStep, ABreakPartWayEndsTheCutLogWithANote)
{
    const std::string note = text(text_id::kReadingInterrupted);
    struct Case {
        int recordsBeforeBreak;
        bool noted;
    };
    for (const Case c : {Case{0, false}, Case{1, true}, Case{2, true}}) {
        StepHarness h;
        h.feed({0x1E});
        h.feed({0xD6, h.step, 0x00, 3});
        h.feed({0xD7, 0x02, 26, 2, 0x00, 0x00});
        for (int r = 0; r < c.recordsBeforeBreak; ++r)
            h.feed({0xD6, h.step, 0, 0x00, 0x01});
        const auto breakWorker = [&h] { return h.code.exchange(kIdlePoll) == kReadEventLog; };
        EXPECT_TRUE(h.reader.breakReading(breakWorker));
        EXPECT_FALSE(h.reader.breakReading(breakWorker)) << "a second break finds no reading";
        const std::vector<std::string> lines = h.doc.logs().empty() ? std::vector<std::string>{} : h.firstGroup();
        EXPECT_EQ(std::count(lines.begin(), lines.end(), note), c.noted ? 1 : 0) << c.recordsBeforeBreak << " records read";
        if (c.noted) { // after the read-on line and the events read
            EXPECT_EQ(lines.at(static_cast<std::size_t>(c.recordsBeforeBreak) + 1), note);
        }
    }
}

TEST(EventLogStep, TheSinkHearsEveryInsertAndTheProgressOnce)
{
    StepHarness h;
    h.readThrough({{0, word(0, 0)}, {0, word(0, 0)}, {0, word(0, 0)}, {0, word(0, 0)}});
    std::vector<std::pair<int, std::string>> inserts;
    std::vector<int> progress;
    int groups = 0;
    for (const EventLogNotice& n : h.sink.all<EventLogNotice>()) {
        groups += n.kind == EventLogNotice::Kind::GroupStarted;
        if (n.kind == EventLogNotice::Kind::LineInserted)
            inserts.emplace_back(static_cast<int>(n.value), n.line);
        if (n.kind == EventLogNotice::Kind::Progress)
            progress.push_back(static_cast<int>(n.value));
    }
    EXPECT_EQ(groups, 1);
    ASSERT_EQ(inserts.size(), 7u);
    EXPECT_EQ(inserts[0], (std::pair<int, std::string>{0, " "}));
    EXPECT_EQ(inserts[1], (std::pair<int, std::string>{0, kReadOnLine}));
    EXPECT_EQ(inserts[2].first, 1);
    EXPECT_EQ(inserts[6], (std::pair<int, std::string>{5, text(text_id::kEventLogRead)}));
    EXPECT_EQ(progress, (std::vector<int>{25, 50, 75, 100}));
    std::vector<long> shown;
    for (const StatusNotice& s : h.sink.all<StatusNotice>())
        if (s.textId == text_id::kReadEventLogPercent && s.number)
            shown.push_back(*s.number);
    EXPECT_EQ(shown, (std::vector<long>{25, 50, 75, 100})) << "the status pane's per cent comes with its number";
}

// ---------------------------------------------------------------- whole readings

namespace {

// A panel whose first reply to D3 08 comes twice, the copy arriving after
// the program has moved on to D3 0C.
class DuplicatingPanel : public sim::PanelPeer {
public:
    explicit DuplicatingPanel(sim::SimPanel& panel) : panel_(panel) {}
    std::vector<sim::Message> onMessage(std::span<const std::uint8_t> message) override
    {
        auto replies = panel_.onMessage(message);
        if (!duplicated_ && message.size() == 2 && message[0] == 0xD3 && message[1] == 0x08 && !replies.empty()) {
            duplicated_ = true;
            replies.push_back(replies.front());
        }
        return replies;
    }
    void onSessionStart() override { panel_.onSessionStart(); }

private:
    sim::SimPanel& panel_;
    bool duplicated_ = false;
};

// A panel session (link, document, worker and its steps) against the
// simulated communicator and panel, reading the event log at a fixed time.
struct EventLogSession : qarvo::testing::SessionFixture {
    enum class Replies { AsThePanel, FirstRecordTwice };

    explicit EventLogSession(Replies replies = Replies::AsThePanel)
    {
        if (replies == Replies::FirstRecordTwice)
            communicator.setPanel(&duplicating);
        session->eventLogReader().setLocalClock(readingTime);
        // The newest event at 10 March 2026, 12:00.
        panel.setEventLogHeader(sim::StatusClock{9 * 1440 + 720, 2, 26});
    }
    // The link ends and the communicator stops before the duplicating peer goes.
    ~EventLogSession()
    {
        if (session->worker.running())
            session->worker.abort(true);
        communicator.stop();
    }

    std::size_t received(const Bytes& prefix) const
    {
        std::size_t n = 0;
        for (const auto& m : panel.received())
            if (m.size() >= prefix.size() && std::equal(prefix.begin(), prefix.end(), m.begin()))
                ++n;
        return n;
    }

    // Connects and reads; true once the reading has ended with the transfer end.
    bool read(const EventLogOptions& options)
    {
        const std::size_t ends = received(kTransferEnd);
        session->eventLogReader().setOptions(options);
        if (!session->worker.startPageOperation(kReadEventLog))
            return false;
        return PanelFixture::eventually([&] { return received(kTransferEnd) > ends; }, 20s) &&
               PanelFixture::eventually([&] { return session->worker.currentCode() == kIdlePoll; });
    }

    // The D3 requests the panel received, as their step bytes.
    std::vector<std::uint8_t> eventRequests() const
    {
        std::vector<std::uint8_t> steps;
        for (const auto& m : panel.received())
            if (m.size() == 2 && m[0] == 0xD3)
                steps.push_back(m[1]);
        return steps;
    }

    const std::vector<panel::EventLog>& logs() const { return session->doc.logs(); }

    DuplicatingPanel duplicating{panel};
};

std::vector<sim::EventRecord> arming(std::size_t n, int gap = 1)
{
    return std::vector<sim::EventRecord>(n, sim::EventRecord{0, word(0, gap)});
}

} // namespace

TEST(EventLogReading, ACountOf0x0400ReadsTheNewest800NumberedDownToOne)
{
    EventLogSession f;
    f.panel.setEventLog(arming(0x400), 0x400);
    ASSERT_TRUE(f.read({}));

    ASSERT_EQ(f.logs().size(), 1u);
    EXPECT_EQ(f.logs().front().name, kGroupName);
    const auto& lines = f.logs().front().lines;
    ASSERT_EQ(lines.size(), 803u);
    EXPECT_EQ(lines.front(), kReadOnLine);
    const std::string text0 = "  Arming by installer's maintenance code";
    EXPECT_EQ(lines[1], "        800  12:00  10.Mar.2026" + text0);
    EXPECT_EQ(lines[2], "        799  11:59  10.Mar.2026" + text0);
    // 799 minutes before the newest: 9 March, 22:41.
    EXPECT_EQ(lines[800], "        001  22:41  09.Mar.2026" + text0);
    EXPECT_EQ(lines[801], text(text_id::kEventLogRead));
    EXPECT_EQ(lines[802], " ");

    const auto requests = f.eventRequests();
    EXPECT_EQ(std::count(requests.begin(), requests.end(), 0x01), 1);
    EXPECT_EQ(std::count(requests.begin(), requests.end(), 0x02), 1);
    EXPECT_EQ(std::count(requests.begin(), requests.end(), 0x08), 400);
    EXPECT_EQ(std::count(requests.begin(), requests.end(), 0x0C), 400);
    EXPECT_EQ(std::count(requests.begin(), requests.end(), 0x10), 0);
    EXPECT_EQ(f.panel.unreadEvents(), 0x400u) << "nothing was marked";
    EXPECT_EQ(f.received(kStopUpload), 0u);
}

TEST(EventLogReading, ACountOfZeroSendsNoHeaderRequest)
{
    EventLogSession f;
    f.panel.setEventLog(arming(5), 0);
    ASSERT_TRUE(f.read({}));
    EXPECT_EQ(f.eventRequests(), (std::vector<std::uint8_t>{0x01}));
    ASSERT_EQ(f.logs().size(), 1u);
    EXPECT_EQ(f.logs().front().name, text(text_id::kCurrentLog));
    EXPECT_EQ(f.logs().front().lines, std::vector<std::string>{text(text_id::kNoEventsRecorded)});
}

TEST(EventLogReading, MarkAsReadThenOnlyTheMarkingEventIsLeft)
{
    EventLogSession f;
    std::vector<sim::EventRecord> records = arming(3);
    records.push_back({1, word(8, 5)});
    f.panel.setEventLog(records, 2);
    ASSERT_TRUE(f.read({.markAsRead = true, .allEvents = false}));

    EXPECT_EQ(f.eventRequests(), (std::vector<std::uint8_t>{0x01, 0x02, 0x08, 0x0C, 0x10}));
    const auto& lines = f.logs().front().lines;
    const std::vector<std::string> expected{
        kReadOnLine,
        "        002  12:00  10.Mar.2026 Partition A     Arming by master user",
        "        001  11:55  10.Mar.2026  Arming by installer's maintenance code",
        text(text_id::kEventLogReadAndCleared),
        " ",
    };
    EXPECT_EQ(lines, expected);
    EXPECT_EQ(f.panel.unreadEvents(), 1u) << "the panel logged the marking";

    // The next reading finds only that event: the message box, no new group.
    const auto before = f.logs();
    f.panel.clearReceived();
    ASSERT_TRUE(f.read({.markAsRead = true, .allEvents = false}));
    EXPECT_TRUE(f.sink.hasMessage(text_id::kAllEventsMarkedRead));
    EXPECT_EQ(f.logs(), before);
    EXPECT_EQ(f.eventRequests(), (std::vector<std::uint8_t>{0x01, 0x02, 0x08}));

    // Reading everything shows all six records, the marking event first.
    f.panel.clearReceived();
    ASSERT_TRUE(f.read({.markAsRead = false, .allEvents = true}));
    EXPECT_EQ(f.eventRequests().front(), 0x05);
    ASSERT_EQ(f.logs().size(), 2u);
    ASSERT_EQ(f.logs().front().lines.size(), 8u);
    EXPECT_EQ(f.logs().front().lines[1], "        005  12:00  10.Mar.2026  All events have been marked as read.");
}

TEST(EventLogReading, ALateD608WhileStep12IsCurrentIsIgnored)
{
    EventLogSession f(EventLogSession::Replies::FirstRecordTwice);
    std::vector<sim::EventRecord> records;
    for (std::uint8_t code = 0; code < 4; ++code)
        records.push_back({code, word(0, 1)});
    f.panel.setEventLog(records, records.size());
    ASSERT_TRUE(f.read({}));

    // The copy of the first record reply comes while step 12 is current: D3 0C
    // goes out again. The panel answers that repeat with the same record,
    // which comes late in turn, so from then on every request goes twice.
    EXPECT_EQ(f.eventRequests(), (std::vector<std::uint8_t>{0x01, 0x02, 0x08, 0x0C, 0x0C, 0x08, 0x08, 0x0C, 0x0C}));
    const std::vector<std::string> expected{
        kReadOnLine,
        "        004  12:00  10.Mar.2026  Arming by user 3",
        "        003  11:59  10.Mar.2026  Arming by user 2",
        "        002  11:58  10.Mar.2026  Arming by master user",
        "        001  11:57  10.Mar.2026  Arming by installer's maintenance code",
        text(text_id::kEventLogRead),
        " ",
    };
    EXPECT_EQ(f.logs().front().lines, expected);
}

// ---------------------------------------------------------------- qarvoip-cli read-events

namespace {

using qarvo::testing::CliRun;

// qarvoip-cli with the embedded demo, in a program directory of the test's own.
class ReadEventsCommand : public qarvo::testing::CliTest {};

// The log groups with lines of a settings document file.
std::vector<panel::EventLog> groupsIn(const std::filesystem::path& file)
{
    panel::CUploadDoc doc(text(text_id::kCurrentLog));
    std::vector<panel::EventLog> groups;
    if (!doc.open(file).empty())
        return groups;
    for (const panel::EventLog& log : doc.logs())
        if (!log.lines.empty())
            groups.push_back(log);
    return groups;
}

// The demo panel's four unread events, newest first.
const std::vector<std::string> kDemoUnreadLines{
    "        004  14:07  05.Mar.2026  PC connected to panel",
    "        003  14:06  05.Mar.2026 Partition A     Disarming by master user",
    "        002  14:03  05.Mar.2026  Burglary alarm on zone 1",
    "        001  13:46  05.Mar.2026 Partition A     Arming by installer's maintenance code",
};

} // namespace

TEST_F(ReadEventsCommand, PrintsExportsAndSavesTheReading)
{
    const std::filesystem::path txt = file("events.txt");
    const std::filesystem::path doc = file("panel.rps");

    const CliRun r = run({"--demo", "read-events", "--mark-read", "--txt", txt.string(), "--doc=" + doc.string()});
    ASSERT_EQ(r.status, cli::kExitSuccess) << r.err;
    const auto lines = r.outLines();
    ASSERT_EQ(lines.size(), 7u) << r.err;
    EXPECT_TRUE(lines.front().starts_with("Event log read on "));
    EXPECT_EQ(std::vector<std::string>(lines.begin() + 1, lines.begin() + 5), kDemoUnreadLines);
    EXPECT_EQ(lines[5], text(text_id::kEventLogReadAndCleared));
    EXPECT_EQ(lines[6], " ");
    for (const char* progress : {"Read event log 25%", "Read event log 100%", "Clear event log"})
        EXPECT_NE(r.err.find(progress), std::string::npos) << progress;
    EXPECT_EQ(r.err.find("%02d"), std::string::npos) << "no raw formats";

    // The export holds the printed lines.
    QStringList printed;
    for (const std::string& line : lines)
        printed.push_back(QString::fromStdString(line));
    QFile exported(QString::fromStdString(txt.string()));
    ASSERT_TRUE(exported.open(QIODevice::ReadOnly));
    EXPECT_EQ(exported.readAll(), textExportBytes(printed));

    // The document was made and holds the reading (an opened document
    // starts with an empty current log, which the file does not store).
    ASSERT_EQ(groupsIn(doc).size(), 1u);
    EXPECT_TRUE(groupsIn(doc)[0].name.starts_with("LOG 0000 ")) << groupsIn(doc)[0].name;
    EXPECT_EQ(groupsIn(doc)[0].lines, lines);

    // A second reading into the same document puts a new group in front
    // (the demo panel starts afresh, so all six events are there to read).
    const CliRun all = run({"--demo", "read-events", "--all", "--doc", doc.string()});
    ASSERT_EQ(all.status, cli::kExitSuccess) << all.err;
    const auto allLines = all.outLines();
    EXPECT_EQ(allLines.size(), 9u);
    EXPECT_EQ(allLines[7], text(text_id::kEventLogRead));
    const auto groups = groupsIn(doc);
    ASSERT_EQ(groups.size(), 2u);
    EXPECT_EQ(groups[0].lines, allLines);
    EXPECT_EQ(groups[1].lines, lines);
}

TEST_F(ReadEventsCommand, RefusesUnknownArgumentsAndAMissingFileName)
{
    for (const std::vector<std::string>& args :
         {std::vector<std::string>{"--demo", "read-events", "--everything"}, {"--demo", "read-events", "--txt"},
          {"--demo", "read-events", "--doc="}}) {
        const CliRun r = run(args);
        EXPECT_EQ(r.status, cli::kExitUsage) << args.back();
        EXPECT_TRUE(r.out.empty());
    }
}

TEST_F(ReadEventsCommand, ADocumentThatCannotBeReadIsLeftAlone)
{
    const std::filesystem::path doc = file("broken.rps");
    {
        std::ofstream broken(doc, std::ios::binary);
        broken << "not a settings document";
    }
    const CliRun r = run({"--demo", "read-events", "--doc", doc.string()});
    EXPECT_EQ(r.status, cli::kExitFailure);
    EXPECT_TRUE(r.out.empty());
    std::ifstream again(doc, std::ios::binary);
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(again), {}), "not a settings document");
}
