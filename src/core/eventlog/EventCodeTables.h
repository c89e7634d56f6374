#pragma once
// The panel's event code tables. Which code means which event depends on the
// panel's zone, user record and keypad counts (the ranges of user, keypad and
// zone events grow with them) and on its type code (older models report no
// bus changes, models without wireless report no RF supervision).
#include <cstdint>
#include <span>

namespace qarvo::eventlog {

// The panel identity values the tables are sized by.
struct PanelCounts
{
    int typeCode = 0x24;
    int zones = 16;
    int users = 46;   // user records, master user included
    int keypads = 8;
};

// A code or number that grows with the counts: u·users + z·zones + k·keypads + c.
struct CountTerm
{
    int u = 0;
    int z = 0;
    int k = 0;
    int c = 0;

    int valueFor(const PanelCounts& counts) const
    {
        return u * counts.users + z * counts.zones + k * counts.keypads + c;
    }
};

enum class ModelGroup : std::uint8_t {
    All,
    BusReporting,   // type codes above 0x21
    Wireless,       // type codes 0x24, 0x25, 0x28, 0x29
};

bool modelBelongsTo(ModelGroup group, int typeCode);

// Text numbers of an entry that are not texts.
inline constexpr int kNoLine = -1;     // a clock record: the record yields no line
inline constexpr int kBlankText = 0;   // an event whose text is empty

// Codes 253 to 255 are the clock records: their event word is one value.
inline constexpr int kClockYearMonthCode = 253;   // high byte: year − 2000, low byte: month index
inline constexpr int kClockMinuteCode = 254;      // minute of month
inline constexpr int kClockTimeSetCode = 255;     // "Time/date is set"; word: minute of month

inline constexpr int kUnknownEventText = 371;   // "Unknown event. CALL INSTALLER!"

// Partition labels, padded so that the two single-partition labels line up.
inline constexpr int kPartitionALabel = 66;    // "Partition A    "
inline constexpr int kPartitionBLabel = 67;    // "Partition     B"
inline constexpr int kPartitionsABLabel = 68;  // "Partition A&B"
inline constexpr int kSameGap = -1;

// One entry: codes first..last (inclusive) mean the event with text textId;
// a "%d" in the text shows code − numberBase. A label, when set, is put in
// front of the text by the table itself (sensor test table). gapMinutes
// replaces the record's own time gap when it is not kSameGap.
struct CodeEntry
{
    CountTerm first;
    CountTerm last;
    int textId = kBlankText;
    CountTerm numberBase{};
    int labelId = 0;
    ModelGroup models = ModelGroup::All;
    int gapMinutes = kSameGap;

    bool covers(int code, const PanelCounts& counts) const
    {
        return modelBelongsTo(models, counts.typeCode) && first.valueFor(counts) <= code
               && code <= last.valueFor(counts);
    }
    int numberFor(int code, const PanelCounts& counts) const { return code - numberBase.valueFor(counts); }
};

enum class CodeTable : std::uint8_t {
    Arming,       // arming and user events, and the clock records
    Alarms,       // alarms, tampers and zones
    System,       // system events
    Outputs,      // outputs, rounds and cards
    SensorTest,   // sensor test
};

std::span<const CodeEntry> codeTable(CodeTable table);

// The first entry of the table that covers the code, or nullptr.
const CodeEntry* findCodeEntry(CodeTable table, const PanelCounts& counts, int code);

} // namespace qarvo::eventlog
