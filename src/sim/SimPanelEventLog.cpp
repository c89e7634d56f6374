#include "sim/SimPanelEventLog.h"

#include "eventlog/LogClock.h"
#include "sim/SimPanelCodes.h"

#include <algorithm>

namespace qarvo::sim {

namespace {

using panel_message::kCountReply;
using panel_message::kHeaderReply;

constexpr std::uint8_t kCountUnread = 0x01;
constexpr std::uint8_t kReadHeader = 0x02;
constexpr std::uint8_t kCountAll = 0x05;
constexpr std::uint8_t kNextRecord = 0x08;
constexpr std::uint8_t kNextRecordAlternate = 0x0C;
constexpr std::uint8_t kMarkAsRead = 0x10;

constexpr std::uint16_t kGapMinutes = 0x0FFF; // the record word below the event class

// The system event "All events have been marked as read.", class 2, no gap.
constexpr EventRecord kMarkedAsRead{244, 0x2000};

std::uint8_t high(std::size_t v)
{
    return static_cast<std::uint8_t>(std::min<std::size_t>(v, 0xFFFF) >> 8);
}

std::uint8_t low(std::size_t v)
{
    return static_cast<std::uint8_t>(std::min<std::size_t>(v, 0xFFFF));
}

} // namespace

void SimPanelEventLog::setRecords(std::vector<EventRecord> oldestFirst, std::size_t unreadCount)
{
    records_ = std::move(oldestFirst);
    unread_ = std::min(unreadCount, records_.size());
    restart();
}

void SimPanelEventLog::append(const EventRecord& record)
{
    records_.push_back(record);
    ++unread_;
    lastMarking_.reset();
}

void SimPanelEventLog::record(const EventRecord& record)
{
    using eventlog::LogClock;
    constexpr int kMonths = 12;
    append(record);
    const auto monthLength = [this] { return LogClock::monthMinutes(header_.monthIndex, LogClock::kYearBase + header_.year); };
    int minute = header_.minuteOfMonth + (record.word & kGapMinutes);
    while (minute >= monthLength()) {
        minute -= monthLength();
        header_.monthIndex = static_cast<std::uint8_t>((header_.monthIndex + 1) % kMonths);
        if (header_.monthIndex == 0)
            ++header_.year;
    }
    header_.minuteOfMonth = static_cast<std::uint16_t>(minute);
}

void SimPanelEventLog::restart()
{
    nextFromNewest_ = 0;
    lastRecordRequest_ = 0;
    lastRecord_.reset();
}

Message SimPanelEventLog::answer(std::uint8_t request)
{
    if (request != kMarkAsRead)
        lastMarking_.reset();
    switch (request) {
    case kCountUnread:
    case kCountAll: {
        // Counting starts a reading from the newest record. The byte after
        // the count carries nothing.
        restart();
        const std::size_t n = request == kCountAll ? records_.size() : unread_;
        return {kCountReply, request, high(n), low(n), 0x00};
    }
    case kReadHeader:
        restart();
        return {kHeaderReply, kReadHeader, header_.year, header_.monthIndex, high(header_.minuteOfMonth),
                low(header_.minuteOfMonth)};
    case kNextRecord:
    case kNextRecordAlternate:
        return nextRecord(request);
    case kMarkAsRead:
        return markAsRead();
    default:
        return {};
    }
}

// The two record requests alternate, so a request that repeats the last
// one is a retransmission after a lost reply: it gets the same record
// again instead of the next one.
Message SimPanelEventLog::nextRecord(std::uint8_t request)
{
    if (request != lastRecordRequest_ || !lastRecord_) {
        if (nextFromNewest_ >= records_.size())
            return {};
        lastRecord_ = records_[records_.size() - 1 - nextFromNewest_];
        ++nextFromNewest_;
        lastRecordRequest_ = request;
    }
    return {kCountReply, request, lastRecord_->code, static_cast<std::uint8_t>(lastRecord_->word >> 8),
            static_cast<std::uint8_t>(lastRecord_->word)};
}

// The reply carries the number of events just marked. The panel then logs
// that the events were marked, which leaves that one event unread. A
// request repeated after a lost reply gets the same reply and marks nothing.
Message SimPanelEventLog::markAsRead()
{
    if (lastMarking_)
        return *lastMarking_;
    const std::size_t marked = unread_;
    unread_ = 0;
    if (recordMarking_)
        append(kMarkedAsRead);
    restart();
    lastMarking_ = Message{kCountReply, kMarkAsRead, high(marked), low(marked), 0x00};
    return *lastMarking_;
}

} // namespace qarvo::sim
