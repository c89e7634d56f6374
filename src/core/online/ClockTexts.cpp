#include "online/ClockTexts.h"

#include "app/Strings.h"
#include "base/TextIds.h"

namespace qarvo::online {
namespace {

constexpr int kMonthsPerYear = 12;
constexpr int kMinutesPerDay = 1440;
constexpr int kMinutesPerHour = 60;

} // namespace

QString shortMonthName(int monthIndex)
{
    if (monthIndex < 0 || monthIndex >= kMonthsPerYear)
        return QStringLiteral("???");
    return strings::text(text_id::kShortMonthJan + monthIndex);
}

QString panelClockText(const operations::PanelClock& clock)
{
    const int minuteOfDay = clock.minutes % kMinutesPerDay;
    const int day = clock.minutes / kMinutesPerDay + 1;
    return QString::asprintf(" %02d:%02d, %02d %s 20%02d", minuteOfDay / kMinutesPerHour,
                             minuteOfDay % kMinutesPerHour, day, qUtf8Printable(shortMonthName(clock.month)),
                             int(clock.year));
}

QString pcClockText(const QDateTime& localTime)
{
    const QDate date = localTime.date();
    const QTime time = localTime.time();
    return QString::asprintf(" %02d:%02d, %02d %s %04d", time.hour(), time.minute(), date.day(),
                             qUtf8Printable(shortMonthName(date.month() - 1)), date.year());
}

} // namespace qarvo::online
