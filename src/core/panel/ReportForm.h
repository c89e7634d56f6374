#pragma once
// The "Digital communicator" settings as plain values: how the panel dials
// its two central stations, their accounts, numbers and formats, which event
// groups each receives, and every event's Contact ID and 4x2 report code.
#include "panel/FormContext.h"
#include "panel/FormWriter.h"
#include "panel/FormatList.h"
#include "panel/OptionBits.h"
#include "panel/ReportEvents.h"

#include <optional>
#include <string>
#include <vector>

namespace qarvo::panel {

namespace report_control {
inline constexpr int kZoneRestore = 2301;
inline constexpr int kReportDisarm = 2302;
inline constexpr int kMethod = 2303;
inline constexpr int kAccount1 = 2304;
inline constexpr int kPhone1 = 2305;
inline constexpr int kAccount2 = 2306;
inline constexpr int kPhone2 = 2307;
inline constexpr int kFormat1 = 2308;
inline constexpr int kFormat2 = 2309;
inline constexpr int kAllowProgrammingOf = 2310;
inline constexpr int kEnableDigitalCommunication = 2318;
inline constexpr int kFirstZoneAlarmOnly = 2319;
inline constexpr int kCodesGrid = 2340;
} // namespace report_control

// Columns of the codes grid.
namespace report_column {
inline constexpr int kEvent = 0;
inline constexpr int kPrefix = 1;
inline constexpr int kCid = 2;
inline constexpr int k4x2 = 3;
} // namespace report_column

// Items of the lists of the digital communicator settings.
namespace report_item {
inline constexpr int kMethodSplit = 0;
inline constexpr int kMethodAlternate = 1;
inline constexpr int kRestoreWhenSirenTimeExpires = 0;
inline constexpr int kAllowContactId = 0;
inline constexpr int kAllow4x2 = 1;
} // namespace report_item

// One event's codes as the grid shows them in hex: the Contact ID pair and
// the 4x2 code, one digit for the one-digit events. An empty cell stores 0,
// which means the event is not reported.
struct ReportCodeRow {
    std::string cid;
    std::string code4x2;

    friend bool operator==(const ReportCodeRow&, const ReportCodeRow&) = default;
};

struct ReportForm {
    OptionValues options; // communicator options 1 and 2, by control id
    std::string account1; // 4 hex digits
    std::string phone1;
    std::string account2;
    std::string phone2;
    FormatField format1;
    FormatField format2;
    int allowProgrammingOf = report_item::kAllowContactId; // not stored in the panel
    std::vector<ReportCodeRow> codes; // one row per entry of reportRowEntries()

    friend bool operator==(const ReportForm&, const ReportForm&) = default;
};

// Image to page; "Allow programming of" keeps its choice.
void showReport(const FormContext& context, const PanelImage& image, ReportForm& form);

// Page to image without the account codes: option bytes, formats, codes and
// telephone numbers. The installer page's conversion runs this among its own
// steps and the account codes near its end.
void storeReportSettings(const ReportForm& form, const FormContext& context, FormWriter& writer);
void storeAccountCodes(const ReportForm& form, FormWriter& writer);

// The form's values checked the way the installer page's conversion checks
// them, in the same order, without writing the document: the first refused
// value, or nullopt when every value would be stored.
std::optional<FormError> checkReport(const ReportForm& form, const FormContext& context, const PanelImage& image);

struct ReportEnables {
    bool firstZoneAlarmOnly = false; // only while zone restore is "when the siren activation time expires"
    bool stations = false;           // accounts, telephone numbers and the CS1 group
    bool cs2Group = false;           // only for the split method
    bool cidEditable = false;
    bool code4x2Editable = false;
    bool noteVisible = false;        // the Contact ID 0xAA note

    friend bool operator==(const ReportEnables&, const ReportEnables&) = default;
};

ReportEnables reportEnables(const ReportForm& form);

} // namespace qarvo::panel
