#pragma once
// The clock that the event decoder runs backwards through the panel's log.
// The panel stores no full time stamp per event: the log header gives the
// time of the newest event and every record the minutes back to the one
// before it, so the clock starts at the newest event and steps back.
#include <cstdint>

namespace qarvo::eventlog {

class LogClock
{
public:
    static constexpr int kMinutesPerDay = 1440;
    static constexpr int kYearBase = 2000;   // the panel counts years from 2000

    // Year in full (2000 + the panel's year byte), month index 0 (January)
    // to 11 (December), minute of month = (day − 1)·1440 + hour·60 + minute.
    void set(int year, int monthIndex, std::uint16_t minuteOfMonth);
    void setYearAndMonth(int year, int monthIndex);
    void setMinuteOfMonth(std::uint16_t minuteOfMonth);

    int year() const { return m_year; }
    int monthIndex() const { return m_monthIndex; }
    int minuteOfMonth() const { return m_minuteOfMonth; }

    int day() const { return m_minuteOfMonth / kMinutesPerDay + 1; }
    int hour() const { return m_minuteOfMonth % kMinutesPerDay / 60; }
    int minute() const { return m_minuteOfMonth % kMinutesPerDay % 60; }

    // Moves the clock back by gap minutes, into earlier months as needed.
    void stepBack(int gapMinutes);

    // Length in minutes of a month as the panel counts it: every year
    // divisible by 4 has a 29-day February. A month index outside 0..11
    // has no length of its own; it counts as 31 days so that stepping back
    // through it always lands on a valid minute.
    static int monthMinutes(int monthIndex, int year);

private:
    void stepMonthBack();

    int m_year = 2000;
    int m_monthIndex = 0;
    int m_minuteOfMonth = 0;
};

} // namespace qarvo::eventlog
