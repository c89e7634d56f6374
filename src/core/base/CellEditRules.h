#pragma once
// The rules of the programming grids' cells, free of any widget: what an
// editor accepts, what an ended edit stores, how a check cell answers a
// click and which look a cell takes. The grid control only calls these.
//
// Time cells hold "HH:MM" or the off text "--:--". A PGM time that can be
// switched off is a kind-7 cell: its picker has an on/off switch and "off"
// stores "--:--"; a kind-8 cell is switched off by typing no valid time.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace qarvo::cells {

enum class CellKind : int {
    None = 0,       // a column without a type: shown, never edited
    List = 1,       // drop-down list of the column's items
    Text = 2,
    Decimal = 3,    // decimal digits only
    Hex = 4,        // hex digits, shown in upper case
    Check = 5,      // check box with states 0, 1 and fixed others
    TimePicker = 6, // time picker, always on
    TimePickerOnOff = 7, // time picker with an on/off switch ("--:--" = off)
    TimeText = 8,   // typed hour:min; an unreadable time stores "--:--"
    TimeTextKeep = 9, // typed hour:min; an unreadable time keeps the old text
};

inline constexpr std::string_view kTimeOff = "--:--";
inline constexpr int kTimeTextLength = 5;

// What the end of an edit needs to know about the cell.
struct CellRule {
    CellKind kind = CellKind::None;
    int length = 0;         // the cell's length, else the column's; 0 = unlimited
    bool pad = false;       // pad with "0" on the left to the length
    bool blankZero = false; // only "0" and spaces become empty
    std::vector<std::string> items; // kind 1
};

bool isTimeKind(CellKind kind);
bool isTimePicker(CellKind kind);
bool isTypedTime(CellKind kind);
// Kinds edited in a line edit: text, decimal, hex and typed time.
bool isLineEdited(CellKind kind);

// Editor filters: whether the editor of the kind takes the character.
bool acceptsChar(CellKind kind, char c);
bool isHexDigit(char c);
// Phone number fields: digits and D.
bool isPhoneChar(char c);
// The longest text the editor of the rule takes; 0 = unlimited.
int editorLength(const CellRule& rule);
// The text a line editor opens with: a typed-time cell that is off opens empty.
std::string editorText(CellKind kind, std::string_view cellText);

struct HourMinute {
    int hour = 0;
    int minute = 0;
    bool operator==(const HourMinute&) const = default;
};
// "h:m" with hour 0-23 and minute 0-59, one or two digits each.
std::optional<HourMinute> parseHourMinute(std::string_view text);
std::string formatHourMinute(HourMinute time); // "%02d:%02d"
// The time a picker opens at: nullopt for "--:--" (no time); hours above 23
// and minutes above 59 are taken as 0.
std::optional<HourMinute> pickerTime(std::string_view cellText);

// The end of an edit: the text the cell takes, or nullopt when it keeps its
// text (a cancelled edit, a value the editor would not accept, an unreadable
// time in a kind-9 cell). The typed text runs through the rules in order:
// filter, pad, blank-zero, time.
std::optional<std::string> endOfEdit(const CellRule& rule, std::optional<std::string_view> typed);

// Check cells: 0 and 1 toggle; every other state is fixed.
bool isFixedCheck(int state);
int toggledCheck(int state);
// The second parameter of the check-click notice.
constexpr std::int32_t checkClickParam(int column, int row) { return (column << 16) | row; }

// How a cell is coloured.
enum class CellLook {
    Locked,   // grey text on the button face
    Untyped,  // window text on the window background
    Editable, // the column's colours where set, the window's otherwise
    ReadOnly, // grey text on the button face
};
CellLook cellLook(CellKind kind, bool columnEditable, bool locked);

} // namespace qarvo::cells
