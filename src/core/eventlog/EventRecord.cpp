#include "eventlog/EventRecord.h"

#include "app/Strings.h"
#include "eventlog/EventCodeTables.h"
#include "eventlog/EventDecoder.h"

#include <QRegularExpression>

#include <cstdio>

namespace qarvo::eventlog {

namespace {

// The label the line carries for each partition value.
int partitionLabel(std::string_view partition)
{
    if (partition == "A")
        return kPartitionALabel;
    if (partition == "B")
        return kPartitionBLabel;
    if (partition == "A&B")
        return kPartitionsABLabel;
    return 0;
}

// The line without its " hh:mm  dd.Mon.yyyy " stamp and partition label.
std::string eventText(const QString& line, std::string_view partition)
{
    static const QRegularExpression stamp(R"(^\s*\d\d:\d\d\s+\d\d\.[^.]+\.\d+ )");
    QString text = line;
    text.remove(stamp);
    if (const int label = partitionLabel(partition)) {
        const QString labelText = strings::text(label);
        if (text.startsWith(labelText))
            text.remove(0, labelText.size());
    }
    return text.trimmed().toStdString();
}

} // namespace

EventRecord eventRecordOf(const EventRecordNotice& read)
{
    char time[32];
    std::snprintf(time, sizeof time, "%04d-%02d-%02dT%02d:%02d:00", read.year, read.month, read.day, read.hour,
                  read.minute);
    char bytes[8];
    std::snprintf(bytes, sizeof bytes, "%02X%02X%02X", read.code, read.word >> 8, read.word & 0xFF);
    const std::string partition = eventPartition(read.code, read.word);
    return {read.number, time, partition, eventText(QString::fromStdString(read.line), partition), bytes};
}

} // namespace qarvo::eventlog
