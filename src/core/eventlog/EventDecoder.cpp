#include "eventlog/EventDecoder.h"

#include "app/Strings.h"

#include <array>
#include <optional>

namespace qarvo::eventlog {

namespace {

constexpr int kClassShift = 12;
constexpr std::uint16_t kGapMask = 0x0FFF;

constexpr int kFirstShortMonthName = 1280;   // "Jan" .. "Dec"
constexpr int kMonthsPerYear = 12;
constexpr char kUnknownMonthName[] = "???";

// Which table an event class reads and which partition it names. Classes
// without a table are not events the panel should write.
struct ClassRoute
{
    std::optional<CodeTable> table;
    int labelId = 0;
};

constexpr ClassRoute kNoTable{};

constexpr std::array<ClassRoute, 16> kClassRoutes{{
    {CodeTable::Arming, 0},                         // 0
    {CodeTable::Alarms, 0},                         // 1
    {CodeTable::System, 0},                         // 2
    kNoTable,                                       // 3
    {CodeTable::Arming, kPartitionBLabel},          // 4
    {CodeTable::Alarms, kPartitionBLabel},          // 5
    {CodeTable::System, kPartitionsABLabel},        // 6
    kNoTable,                                       // 7
    {CodeTable::Arming, kPartitionALabel},          // 8
    {CodeTable::Alarms, kPartitionALabel},          // 9
    {CodeTable::Outputs, 0},                        // 10
    kNoTable,                                       // 11
    {CodeTable::SensorTest, 0},                     // 12
    kNoTable,                                       // 13
    {CodeTable::Outputs, kPartitionsABLabel},       // 14
    kNoTable,                                       // 15
}};

QString unknownEventText()
{
    return strings::text(kUnknownEventText);
}

QString labelled(int labelId, const QString& text)
{
    const QString label = labelId != 0 ? strings::text(labelId) : QString();
    return label + QLatin1Char(' ') + text;
}

QString entryText(const CodeEntry& entry, int code, const PanelCounts& counts)
{
    if (entry.textId == kBlankText)
        return {};
    if (entry.textId == kUnknownEventText)
        return unknownEventText();
    const QString text = strings::format(entry.textId, entry.numberFor(code, counts));
    return entry.labelId != 0 ? labelled(entry.labelId, text) : text;
}

void applyClockRecord(LogClock& clock, std::uint8_t code, std::uint16_t word)
{
    switch (code) {
    case kClockYearMonthCode:
        clock.setYearAndMonth(LogClock::kYearBase + (word >> 8), word & 0xFF);
        break;
    case kClockMinuteCode:
    case kClockTimeSetCode:
        clock.setMinuteOfMonth(word);
        break;
    default:
        break;
    }
}

} // namespace

EventWord splitEventWord(std::uint8_t code, std::uint16_t word)
{
    if (code >= kClockYearMonthCode)
        return {.eventClass = 0, .gapMinutes = word};
    return {.eventClass = word >> kClassShift, .gapMinutes = word & kGapMask};
}

EventText composeEventText(const PanelCounts& counts, std::uint8_t code, std::uint16_t word)
{
    const EventWord split = splitEventWord(code, word);
    const ClassRoute& route = kClassRoutes[static_cast<std::size_t>(split.eventClass)];
    if (!route.table)
        return {unknownEventText(), split.gapMinutes};

    const CodeEntry* entry = findCodeEntry(*route.table, counts, code);
    if (entry && entry->textId == kNoLine)
        return {};
    const int gap = entry && entry->gapMinutes != kSameGap ? entry->gapMinutes : split.gapMinutes;
    const QString text = entry ? entryText(*entry, code, counts) : unknownEventText();
    // The sensor test table places its own labels; the others put the
    // class's label (or nothing) and a space before the text.
    if (*route.table == CodeTable::SensorTest)
        return {text, gap};
    return {labelled(route.labelId, text), gap};
}

const char* eventPartition(std::uint8_t code, std::uint16_t word)
{
    switch (kClassRoutes[static_cast<std::size_t>(splitEventWord(code, word).eventClass)].labelId) {
    case kPartitionALabel: return "A";
    case kPartitionBLabel: return "B";
    case kPartitionsABLabel: return "A&B";
    default: return "";
    }
}

QString shortMonthName(int monthIndex)
{
    if (monthIndex < 0 || monthIndex >= kMonthsPerYear)
        return QString::fromLatin1(kUnknownMonthName);
    return strings::text(kFirstShortMonthName + monthIndex);
}

QString formatEventLine(const LogClock& clock, const QString& eventText)
{
    return QString::asprintf(" %02d:%02d  %02d.%s.%d %s", clock.hour(), clock.minute(), clock.day(),
                             qUtf8Printable(shortMonthName(clock.monthIndex())), clock.year(),
                             qUtf8Printable(eventText));
}

QString decodeEventRecord(const PanelCounts& counts, LogClock& clock, std::uint8_t code, std::uint16_t word)
{
    const EventText event = composeEventText(counts, code, word);
    QString line;
    if (!event.text.isEmpty()) {
        line = formatEventLine(clock, event.text);
        clock.stepBack(event.gapMinutes);
    }
    applyClockRecord(clock, code, word);
    return line;
}

} // namespace qarvo::eventlog
