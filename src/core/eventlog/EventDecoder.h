#pragma once
// Turns the panel's three-byte event records into dated lines of text.
// Records arrive newest first; the log clock starts at the newest event and
// is moved back by every record's time gap.
#include "eventlog/EventCodeTables.h"
#include "eventlog/LogClock.h"

#include <QString>

#include <cstdint>

namespace qarvo::eventlog {

// Event word of codes 0 to 252: bits 15..12 the event class, bits 11..0 the
// minutes since the event recorded before. The clock records (253 to 255)
// have class 0 and the whole word as their value.
struct EventWord
{
    int eventClass = 0;
    int gapMinutes = 0;
};

EventWord splitEventWord(std::uint8_t code, std::uint16_t word);

// The event text without time stamp (label and text), and the minutes the
// record moves the clock back. An empty text means the record yields no line.
struct EventText
{
    QString text;
    int gapMinutes = 0;
};

EventText composeEventText(const PanelCounts& counts, std::uint8_t code, std::uint16_t word);

// "Jan" to "Dec"; "???" for an index outside 0..11.
QString shortMonthName(int monthIndex);

// " hh:mm  dd.Mon.yyyy text" stamped with the clock's current time.
QString formatEventLine(const LogClock& clock, const QString& eventText);

// The partition an event belongs to, as its class names it: "A", "B",
// "A&B", or "" for events of the whole system.
const char* eventPartition(std::uint8_t code, std::uint16_t word);

// Decodes one record: returns its line (empty for a clock record that shows
// nothing), then moves the clock back by the record's gap and applies what a
// clock record sets.
QString decodeEventRecord(const PanelCounts& counts, LogClock& clock, std::uint8_t code,
                          std::uint16_t word);

} // namespace qarvo::eventlog
