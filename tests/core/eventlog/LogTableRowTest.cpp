#include "eventlog/LogTableRow.h"

#include "app/Strings.h"
#include "base/TextIds.h"
#include "eventlog/EventDecoder.h"
#include "eventlog/EventLogReader.h"

#include <gtest/gtest.h>

using namespace qarvo;
using namespace qarvo::eventlog;

namespace {

constexpr PanelCounts kSirus{.typeCode = 0x24, .zones = 16, .users = 46, .keypads = 8};

// Event 0 of the class, as the reading writes its line: number 7 on
// 5 March 2026 at 14:07.
QString readLine(int eventClass)
{
    LogClock clock;
    clock.set(2026, 2, 4 * 1440 + 14 * 60 + 7);
    const QString decoded = decodeEventRecord(kSirus, clock, 0, static_cast<std::uint16_t>(eventClass << 12));
    return EventLogReader::eventLine(7, decoded);
}

// The event text of the same record without any label.
QString unlabelled(int eventClass)
{
    return composeEventText(kSirus, 0, static_cast<std::uint16_t>(eventClass << 12)).text.trimmed();
}

} // namespace

TEST(LogTableRow, EventLinesSplitIntoNumberDateTimePartitionAndText)
{
    struct Case {
        int eventClass;
        const char* partition;
        int unlabelledClass; // the same event without a label
    };
    for (const Case c : {Case{8, "A", 0}, Case{4, "B", 0}, Case{6, "A&B", 2}, Case{0, "", 0}}) {
        const LogTableRow row = splitLogLine(readLine(c.eventClass));
        EXPECT_EQ(row.number, "007") << c.eventClass;
        EXPECT_EQ(row.dateTime, "05." + shortMonthName(2) + ".2026 14:07") << c.eventClass;
        EXPECT_EQ(row.partition, c.partition) << c.eventClass;
        EXPECT_EQ(row.event, unlabelled(c.unlabelledClass)) << c.eventClass;
    }
}

TEST(LogTableRow, OtherLinesKeepTheirTextInTheEventColumn)
{
    const QDateTime readAt(QDate(2026, 3, 5), QTime(14, 7, 9));
    for (const QString& line : {EventLogReader::readOnLine(readAt), strings::text(text_id::kReadingInterrupted),
                                strings::text(text_id::kEventLogRead), QStringLiteral(" ")}) {
        const LogTableRow row = splitLogLine(line);
        EXPECT_EQ(row, (LogTableRow{{}, {}, {}, line.trimmed()})) << line.toStdString();
    }
}

TEST(LogTableRow, ColumnTextFollowsTheColumnOrder)
{
    const LogTableRow row{"1", "2", "3", "4"};
    QStringList shown;
    for (int c = 0; c < static_cast<int>(LogColumn::Count); ++c)
        shown << columnText(row, static_cast<LogColumn>(c));
    EXPECT_EQ(shown, (QStringList{"1", "2", "3", "4"}));
}
