#pragma once
// An event the reading brought, as a record that outlives the reading: its
// number, the panel's time, the partition, the text without its stamp and
// label, and the raw record bytes. Scripts get these as JSON or CSV, the
// site book keeps them.
#include "eventlog/EventLogReader.h"

#include <string>

namespace qarvo::eventlog {

struct EventRecord {
    int number = 0;
    std::string time;      // ISO 8601, the panel's local time: 2026-03-05T14:07:00
    std::string partition; // "A", "B", "A&B" or "" (the whole system)
    std::string text;      // the event without its time stamp and partition label
    std::string record;    // the three record bytes in hexadecimal: "600C1E"
};

EventRecord eventRecordOf(const EventRecordNotice& read);

} // namespace qarvo::eventlog
