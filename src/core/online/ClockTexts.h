#pragma once
// The clock texts of the online page: the panel's clock as the panel
// reports it, and the computer's local time.
#include "operations/StatusDecoder.h"

#include <QDateTime>
#include <QString>

namespace qarvo::online {

// "Jan" to "Dec" for 0 to 11, "???" for any other month index.
QString shortMonthName(int monthIndex);

// " hh:mm, dd Mon 20yy" from the panel clock record.
QString panelClockText(const operations::PanelClock& clock);

// " hh:mm, dd Mon yyyy" of a local time.
QString pcClockText(const QDateTime& localTime);

} // namespace qarvo::online
