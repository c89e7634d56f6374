#include "cli/EventRecords.h"

#include "base/CsvField.h"

#include <QJsonArray>
#include <QJsonObject>

#include <algorithm>

namespace qarvo::cli {

namespace {

constexpr const char* kCsvHeader = "number,time,partition,text,record\r\n";

void oldestFirst(std::vector<EventRecord>& records)
{
    std::ranges::sort(records, {}, &EventRecord::number);
}

} // namespace

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
