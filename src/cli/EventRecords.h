#pragma once
// The events a reading brought, as records for scripts: JSON (one object
// per event) and CSV (UTF-8 with a header row).
#include "eventlog/EventLogReader.h"

#include <QJsonObject>

#include <string>
#include <vector>

namespace qarvo::cli {

struct EventRecord {
    int number = 0;
    std::string time;      // ISO 8601, the panel's local time: 2026-03-05T14:07:00
    std::string partition; // "A", "B", "A&B" or "" (the whole system)
    std::string text;      // the event without its time stamp and partition label
    std::string record;    // the three record bytes in hexadecimal: "600C1E"
};

EventRecord eventRecordOf(const eventlog::EventLogReader::RecordRead& read);

// Oldest first, as numbered.
// {"events": [...]}, the output of read-events --json.
QJsonObject eventsJson(std::vector<EventRecord> records);
std::string eventsCsv(std::vector<EventRecord> records);

} // namespace qarvo::cli
