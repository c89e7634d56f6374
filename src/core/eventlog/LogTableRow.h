#pragma once
// An event log line as the columns of the event log table: the event's
// number, its date and time in one format, its partition and its text.
// Lines that are no event (the read-on line, the closing and interruption
// notes, blank lines) keep their whole text in the event column.
#include <QString>

namespace qarvo::eventlog {

struct LogTableRow {
    QString number;    // "800"; empty for a line that is no event
    QString dateTime;  // "05.Mar.2026 14:07"
    QString partition; // "A", "B", "A&B"; empty for the whole system
    QString event;     // the event's text without its partition label

    friend bool operator==(const LogTableRow&, const LogTableRow&) = default;
};

enum class LogColumn : int { Number, DateTime, Partition, Event, Count };

// Splits a line as the event log reading writes it ("        nnn  hh:mm
// dd.Mon.yyyy <label> text"); the partition labels are read in the language
// the lines were made in, which is the one in use.
LogTableRow splitLogLine(const QString& line);

// The row's column text.
QString columnText(const LogTableRow& row, LogColumn column);

} // namespace qarvo::eventlog
