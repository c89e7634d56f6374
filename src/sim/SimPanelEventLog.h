#pragma once
// The simulated panel's event log: three-byte records, the newest last,
// of which the newest few are not yet marked as read; the log header with
// the time of the newest event; and the D3 requests that count, describe
// and read the log newest first and mark it as read.
#include "sim/PanelPeer.h"
#include "sim/SimPanelStatus.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

namespace qarvo::sim {

struct EventRecord {
    std::uint8_t code = 0;
    std::uint16_t word = 0; // event class in bits 15-12, minutes since the previous event below

    friend bool operator==(const EventRecord&, const EventRecord&) = default;
};

class SimPanelEventLog {
public:
    // Replaces the log; the newest unreadCount records are unread.
    void setRecords(std::vector<EventRecord> oldestFirst, std::size_t unreadCount);
    // Records a new, unread event.
    void append(const EventRecord& record);
    // An event happens now: recorded unread, and the header moves on by the
    // minutes the record counts since the event before it.
    void record(const EventRecord& record);
    // Year, month and minute of month of the newest event.
    void setHeader(const StatusClock& header) { header_ = header; }
    // Whether marking as read records the system event that says so.
    void setRecordMarking(bool record) { recordMarking_ = record; }

    const std::vector<EventRecord>& records() const { return records_; }
    std::size_t unreadCount() const { return unread_; }
    const StatusClock& header() const { return header_; }

    // The reply to D3 request; an empty message when the panel has none
    // (an unknown request, or a record asked for beyond the oldest).
    Message answer(std::uint8_t request);
    // Forgets how far the log has been read.
    void restart();

private:
    Message nextRecord(std::uint8_t request);
    Message markAsRead();

    std::vector<EventRecord> records_;
    std::size_t unread_ = 0;
    StatusClock header_;
    bool recordMarking_ = true;
    std::size_t nextFromNewest_ = 0;
    std::uint8_t lastRecordRequest_ = 0;
    std::optional<EventRecord> lastRecord_;
    // The reply to the last mark-as-read request while nothing else has
    // happened since: a repeated request changes nothing.
    std::optional<Message> lastMarking_;
};

} // namespace qarvo::sim
