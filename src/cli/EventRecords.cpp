#include "cli/EventRecords.h"

#include "base/CsvField.h"

#include "app/Strings.h"
#include "eventlog/EventCodeTables.h"
#include "eventlog/EventDecoder.h"

#include <QJsonArray>
#include <QJsonObject>
#include <QRegularExpression>

#include <algorithm>
#include <cstdio>

namespace qarvo::cli {

namespace {

constexpr const char* kCsvHeader = "number,time,partition,text,record\r\n";

// The label the line carries for each partition value.
int partitionLabel(std::string_view partition)
{
    if (partition == "A")
        return eventlog::kPartitionALabel;
    if (partition == "B")
        return eventlog::kPartitionBLabel;
    if (partition == "A&B")
        return eventlog::kPartitionsABLabel;
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

void oldestFirst(std::vector<EventRecord>& records)
{
    std::ranges::sort(records, {}, &EventRecord::number);
}


} // namespace

EventRecord eventRecordOf(const eventlog::EventLogReader::RecordRead& read)
{
    char time[32];
    std::snprintf(time, sizeof time, "%04d-%02d-%02dT%02d:%02d:00", read.year, read.month, read.day, read.hour,
                  read.minute);
    char bytes[8];
    std::snprintf(bytes, sizeof bytes, "%02X%02X%02X", read.code, read.word >> 8, read.word & 0xFF);
    const std::string partition = eventlog::eventPartition(read.code, read.word);
    return {read.number, time, partition, eventText(read.line, partition), bytes};
}

QJsonObject eventsJson(std::vector<EventRecord> records)
{
    oldestFirst(records);
    QJsonArray array;
    for (const EventRecord& r : records)
        array.append(QJsonObject{{"number", r.number},
                                 {"time", QString::fromStdString(r.time)},
                                 {"partition", r.partition.empty() ? QJsonValue(QJsonValue::Null)
                                                                   : QJsonValue(QString::fromStdString(r.partition))},
                                 {"text", QString::fromStdString(r.text)},
                                 {"record", QString::fromStdString(r.record)}});
    return QJsonObject{{"events", array}};
}

std::string eventsCsv(std::vector<EventRecord> records)
{
    oldestFirst(records);
    std::string csv = kCsvHeader;
    for (const EventRecord& r : records)
        csv += std::to_string(r.number) + "," + r.time + "," + csvField(r.partition) + "," + csvField(r.text) + "," +
               r.record + "\r\n";
    return csv;
}

} // namespace qarvo::cli
