#pragma once
// The "Master functions" page as plain values: what its controls show. The
// values the installer page shows as well (voice options and counts, rounds,
// the partitions' times, the PGM on/off times and the master code) live here
// once; both pages edit these fields, so an edit on either page is kept.
#include "panel/CodeRow.h"
#include "panel/FormContext.h"
#include "panel/FormWriter.h"
#include "panel/OptionBits.h"

#include <array>
#include <string>
#include <vector>

namespace qarvo::panel {

// The user grid has a row for the master and users 1 to 44; records beyond
// them are kept as they are.
inline constexpr int kUserGridRows = 45;
inline constexpr int kFollowMeNumbers = 4;

// A time cell of the PGM grids that can be switched off; off stores FF FF.
struct PgmTimeCell {
    bool on = false;
    std::string time; // "HH:MM"

    friend bool operator==(const PgmTimeCell&, const PgmTimeCell&) = default;
};

struct PgmTimesRow {
    PgmTimeCell activation;
    PgmTimeCell deactivation;

    friend bool operator==(const PgmTimesRow&, const PgmTimesRow&) = default;
};

// Controls of the master page that the forms name in errors and enables.
namespace master_control {
inline constexpr int kAmbushDigit = 2201;
inline constexpr int kFollowMe01 = 2202; // 01 to 04 follow in order
inline constexpr int kVoiceReportingTime = 2206;
inline constexpr int kVoiceDialingSequences = 2207;
inline constexpr int kRoundsStart = 2208;
inline constexpr int kRoundsFinish = 2209;
inline constexpr int kRoundPeriod = 2210;
inline constexpr int kWarningTime = 2211;
inline constexpr int kPartitionAAutoarm = 2212;
inline constexpr int kPartitionAAutodisarm = 2213;
inline constexpr int kPartitionAInactivity = 2214;
inline constexpr int kUserGrid = 2219;
inline constexpr int kEnableVoiceModule = 2232;
inline constexpr int kBatteryVoiceReport = 2237;
inline constexpr int kSelectiveFollowMe = 2238;
inline constexpr int kPgmGrid = 2245;
inline constexpr int kPartitionBAutoarm = 2256;
inline constexpr int kPartitionBAutodisarm = 2257;
inline constexpr int kPartitionBInactivity = 2258;
} // namespace master_control

// Columns of the master page's PGM grid.
namespace master_pgm_column {
inline constexpr int kNumber = 1;
inline constexpr int kActivation = 2;
inline constexpr int kDeactivation = 3;
} // namespace master_pgm_column

struct MasterForm {
    std::string ambushDigit;
    std::vector<CodeRow> users;                 // row 0 is the master
    std::array<std::string, kFollowMeNumbers> followMe; // "Follow me" 01 to 04
    OptionValues voiceOptions;                  // by the master page's control ids
    std::string voiceReportingTime;
    std::string voiceDialingSequences;
    std::string roundsStart;
    std::string roundsFinish;
    std::string roundPeriod;
    std::string warningTime;
    std::string partitionAAutoarm;
    std::string partitionAAutodisarm;
    std::string partitionAInactivity;
    std::string partitionBAutoarm;
    std::string partitionBAutodisarm;
    std::string partitionBInactivity;
    std::vector<PgmTimesRow> pgmTimes;          // one row per PGM output

    friend bool operator==(const MasterForm&, const MasterForm&) = default;
};

// The partition options of the installer page that decide which of the
// master page's times are needed and enabled.
struct PartitionSwitches {
    bool partitions = false;         // "Enable partitions"
    bool aTimedAutoarming = false;
    bool aTimedAutodisarming = false;
    bool bTimedAutoarming = false;
    bool bTimedAutodisarming = false;
};

// Which of the master page's controls are enabled.
struct MasterEnables {
    bool partitionAAutoarm = false;
    bool partitionAAutodisarm = false;
    bool partitionBGroup = false; // partition B's label and inactivity time
    bool partitionBAutoarm = false;
    bool partitionBAutodisarm = false;
    bool enableVoiceModule = false;
    bool batteryVoiceReport = false;
    bool selectiveFollowMe = false;
    int pgmColumns = 0; // P columns of the user grid, one per PGM output

    friend bool operator==(const MasterEnables&, const MasterEnables&) = default;
};

// Image to page: every control from its setting.
void showMaster(const FormContext& context, const PanelImage& image, const UserNames& names, MasterForm& form);

// Page to image, in the page's order; the first refused value stops it (the
// writer keeps the error). Records without a grid row keep their bytes.
void storeMaster(const MasterForm& form, const PartitionSwitches& switches, const FormContext& context,
                 FormWriter& writer, UserNames& names);

MasterEnables masterEnables(const PartitionSwitches& switches, const PanelModel& model, int pgmCount);

// A click on an attribute or P column header of a code grid: every enabled
// cell of the column takes the opposite of the first enabled row's state.
// column counts the attributes from 0 (A) on, then the PGMs (P1 = 11).
void toggleCodeColumn(std::vector<CodeRow>& rows, int column, int pgmCount);

} // namespace qarvo::panel
