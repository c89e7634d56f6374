#include "eventlog/LogClock.h"

#include <array>

namespace qarvo::eventlog {

namespace {

constexpr int kDecember = 11;
constexpr int kFebruary = 1;
constexpr int kLongestMonthDays = 31;

constexpr std::array<int, 12> kMonthDays{31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};

bool isPanelLeapYear(int year)
{
    return year % 4 == 0;
}

} // namespace

void LogClock::set(int year, int monthIndex, std::uint16_t minuteOfMonth)
{
    setYearAndMonth(year, monthIndex);
    setMinuteOfMonth(minuteOfMonth);
}

void LogClock::setYearAndMonth(int year, int monthIndex)
{
    m_year = year;
    m_monthIndex = monthIndex;
}

void LogClock::setMinuteOfMonth(std::uint16_t minuteOfMonth)
{
    m_minuteOfMonth = minuteOfMonth;
}

int LogClock::monthMinutes(int monthIndex, int year)
{
    if (monthIndex < 0 || monthIndex > kDecember)
        return kLongestMonthDays * kMinutesPerDay;
    int days = kMonthDays[static_cast<std::size_t>(monthIndex)];
    if (monthIndex == kFebruary && isPanelLeapYear(year))
        ++days;
    return days * kMinutesPerDay;
}

void LogClock::stepMonthBack()
{
    if (m_monthIndex == 0) {
        m_monthIndex = kDecember;
        --m_year;
    } else {
        --m_monthIndex;
    }
}

void LogClock::stepBack(int gapMinutes)
{
    if (gapMinutes <= 0)
        return;
    // One month back covers every gap a record can hold (at most 4096
    // minutes); the time-set record moves by a whole 16-bit word, which can
    // reach further back, so keep stepping until the minute fits.
    while (m_minuteOfMonth < gapMinutes) {
        stepMonthBack();
        m_minuteOfMonth += monthMinutes(m_monthIndex, m_year);
    }
    m_minuteOfMonth -= gapMinutes;
}

} // namespace qarvo::eventlog
