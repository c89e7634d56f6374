#pragma once
// The events a reading brought, as records for scripts: JSON (one object
// per event) and CSV (UTF-8 with a header row).
#include "eventlog/EventRecord.h"

#include <QJsonObject>

#include <string>
#include <vector>

namespace qarvo::cli {

using eventlog::EventRecord;
using eventlog::eventRecordOf;

// Oldest first, as numbered.
// {"events": [...]}, the output of read-events --json.
QJsonObject eventsJson(std::vector<EventRecord> records);
std::string eventsCsv(std::vector<EventRecord> records);

} // namespace qarvo::cli
