#include "eventlog/LogTableRow.h"

#include "app/Strings.h"
#include "eventlog/EventCodeTables.h"

#include <QRegularExpression>

namespace qarvo::eventlog {
namespace {

// Number, hour, minute, day, month name, year, then the labelled text.
const QRegularExpression& eventLinePattern()
{
    static const QRegularExpression pattern(
        QStringLiteral(R"(^\s+(\d{3,})\s+(\d\d):(\d\d)\s+(\d\d)\.([^.\s]+)\.(\d{4}) (.*)$)"));
    return pattern;
}

struct PartitionLabel {
    int labelId;
    const char* partition;
};

constexpr PartitionLabel kPartitionLabels[] = {
    {kPartitionsABLabel, "A&B"},
    {kPartitionALabel, "A"},
    {kPartitionBLabel, "B"},
};

} // namespace

LogTableRow splitLogLine(const QString& line)
{
    const QRegularExpressionMatch m = eventLinePattern().match(line);
    if (!m.hasMatch())
        return {{}, {}, {}, line.trimmed()};
    LogTableRow row;
    row.number = m.captured(1);
    row.dateTime = QStringLiteral("%1.%2.%3 %4:%5")
                       .arg(m.captured(4), m.captured(5), m.captured(6), m.captured(2), m.captured(3));
    QString text = m.captured(7);
    for (const PartitionLabel& label : kPartitionLabels) {
        const QString shown = strings::text(label.labelId);
        if (text.startsWith(shown)) {
            row.partition = QString::fromLatin1(label.partition);
            text = text.mid(shown.size());
            break;
        }
    }
    row.event = text.trimmed();
    return row;
}

QString columnText(const LogTableRow& row, LogColumn column)
{
    switch (column) {
    case LogColumn::Number: return row.number;
    case LogColumn::DateTime: return row.dateTime;
    case LogColumn::Partition: return row.partition;
    case LogColumn::Event: return row.event;
    case LogColumn::Count: break;
    }
    return {};
}

} // namespace qarvo::eventlog
