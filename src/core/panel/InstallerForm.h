#pragma once
// The "Installer functions" page as plain values: what its controls show.
// The values it shares with the master page (voice options and counts,
// rounds, the partitions' times, the PGM on/off times and the master code
// row) are fields of MasterForm, which both pages edit.
#include "panel/CodeRow.h"
#include "panel/FormContext.h"
#include "panel/FormWriter.h"
#include "panel/OptionBits.h"
#include "panel/ReportForm.h"
#include "panel/ZoneAttributeRules.h"

#include <array>
#include <string>
#include <vector>

namespace qarvo::panel {

namespace installer_control {
inline constexpr int kInstallerCode = 2001;
inline constexpr int kPanelIdCode = 2002;
inline constexpr int kPcIdCode = 2003;
inline constexpr int kSwingerCounter = 2004;
inline constexpr int kWrongCodes = 2005;
inline constexpr int kLcdLanguage = 2006;
inline constexpr int kEntry1Delay = 2007;
inline constexpr int kEntry2Delay = 2008;
inline constexpr int kBellCutOff = 2009;
inline constexpr int kFireCutOff = 2010;
inline constexpr int kAcLossDelay = 2011;
inline constexpr int kIntellizoneWindow = 2012;
inline constexpr int kDingTime = 2013;
inline constexpr int kDingPause = 2014;
inline constexpr int kFirstPeriodicalTest = 2015;
inline constexpr int kPeriodicalTestInterval = 2016;
inline constexpr int kPeriodicalTestUnit = 2017;
inline constexpr int kWelcomeMessage = 2018;
inline constexpr int kZoneGrid = 2019;
inline constexpr int kExitDelayA = 2022;
inline constexpr int kCodeLength = 2024;
inline constexpr int kNumberOfRings = 2032;
inline constexpr int kDtmfPrefix = 2035;
inline constexpr int kCallbackPhone = 2036;
inline constexpr int kPartitions = 2043;
inline constexpr int kCodesGrid = 2048;
inline constexpr int kPgmGrid = 2096;
inline constexpr int kATimedAutoarming = 2134;
inline constexpr int kATimedAutodisarming = 2137;
inline constexpr int kExitDelayB = 2157;
inline constexpr int kBTimedAutoarming = 2166;
inline constexpr int kBTimedAutodisarming = 2169;
inline constexpr int kKeypadGrid = 307;
} // namespace installer_control

// Rows of the codes grid.
namespace codes_row {
inline constexpr int kMaintenance = 0;
inline constexpr int kMaster = 1; // MasterForm::users[0]
} // namespace codes_row

// Columns of the zone, PGM and keypad grids; column 0 is hidden, column 1
// numbers the rows.
namespace zone_column {
inline constexpr int kNumber = 1;
inline constexpr int kType = 2;
inline constexpr int kName = 3;
inline constexpr int kFirstAttribute = 4; // zoneAttributeColumns() from here on
} // namespace zone_column
namespace pgm_column {
inline constexpr int kNumber = 1;
inline constexpr int kType = 2;
inline constexpr int kActivation = 3;
inline constexpr int kDeactivation = 4;
inline constexpr int kDelay = 5;
inline constexpr int kUnit = 6;
inline constexpr int kPartitionA = 7;
inline constexpr int kPartitionB = 8;
} // namespace pgm_column

// Items of the PGM unit lists: "min" (bit set), "sec" (bit clear).
namespace pgm_unit {
inline constexpr int kMinutes = 0;
inline constexpr int kSeconds = 1;
} // namespace pgm_unit

struct PgmRow {
    int type = -1;      // index into pgmTypeItems() of the model; -1 while none is selected
    std::string delay;  // 0-255 in the PGM's time unit
    int unit = pgm_unit::kSeconds;
    bool partitionA = false; // PGM map 1
    bool partitionB = false; // PGM map 2

    friend bool operator==(const PgmRow&, const PgmRow&) = default;
};

// A keypad's check boxes: tamper, zone 1, zone 2, partition A, partition B
// (keypad maps 1 to 5).
inline constexpr int kKeypadColumns = 5;
using KeypadRow = std::array<bool, kKeypadColumns>;
namespace keypad_column {
inline constexpr int kNumber = 1;
inline constexpr int kFirst = 2; // kKeypadColumns check columns from here on
} // namespace keypad_column

struct InstallerForm {
    OptionValues options; // check boxes and lists of the option bytes, by control id

    // "IDs and Codes"
    std::string installerCode;
    std::string panelIdCode; // 4 hex digits
    std::string pcIdCode;    // 4 hex digits
    CodeRow maintenance;     // codes grid row 0; row 1 is the master's row of MasterForm

    std::vector<ZoneRow> zones;     // one row per zone
    std::vector<PgmRow> pgms;       // one row per PGM output
    std::vector<KeypadRow> keypads; // one row per keypad

    std::string entry1Delay;
    std::string entry2Delay;
    std::string exitDelayA;
    std::string exitDelayB;
    std::string bellCutOff;
    std::string fireCutOff;
    std::string acLossDelay;
    std::string numberOfRings;
    std::string intellizoneWindow;
    std::string dingTime;  // one hex digit, "" for 0
    std::string dingPause; // one hex digit, "" for 0
    std::string swingerCounter;
    std::string wrongCodes;
    std::string periodicalTestInterval;
    std::string firstPeriodicalTest; // the time picker's "HH:MM"
    std::string welcomeMessage;
    std::string callbackPhone;

    friend bool operator==(const InstallerForm&, const InstallerForm&) = default;
};

// Image to page. The zone attribute rules are applied, as the page does
// whenever it exchanges values with its controls.
void showInstaller(const FormContext& context, const PanelImage& image, InstallerForm& form);

// Page to image in the page's order, the digital communicator settings
// among them; the first refused value stops it (the writer keeps the error).
// Rows beyond the model's zones and PGMs keep their bytes.
void storeInstaller(const InstallerForm& form, const ReportForm& report, const FormContext& context,
                    FormWriter& writer);

// Which of the page's controls are enabled; the zone grid's locks come from
// zoneAttributeLocks().
struct InstallerEnables {
    bool partitionBGroup = false; // partition B's options, times and exit delay
    bool aTimedAutoarm = false;   // the moments' edits, by their enables
    bool aTimedAutodisarm = false;
    bool bTimedAutoarm = false;
    bool bTimedAutodisarm = false;
    bool lcdLanguage = false;
    bool enableVoiceModule = false;
    bool batteryVoiceReport = false;
    bool selectiveFollowMe = false;
    bool dtmfPrefix = false;
    bool welcomeMessage = false;

    friend bool operator==(const InstallerEnables&, const InstallerEnables&) = default;
};

InstallerEnables installerEnables(const InstallerForm& form, const PanelModel& model);

} // namespace qarvo::panel
