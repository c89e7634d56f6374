#pragma once
// Every setting of the panel's programming memory described once: where the
// layout places it, how its bytes encode its value, its range, its
// new-document default and the control that edits it. The layout builder, the
// defaults, the page forms, the CLI and document comparisons all read this
// one table.
#include "panel/Setting.h"

#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <variant>

namespace qarvo::panel {

struct InstallerForm;
struct MasterForm;
struct ReportForm;

// The page form's text field that shows the whole setting, where one does:
// a count, a time (on its hour), a phone number or a text.
using FormMember = std::variant<std::monostate, std::string InstallerForm::*, std::string MasterForm::*,
                                std::string ReportForm::*>;

// How a record's offset follows from the records before it.
enum class Placement : std::uint8_t {
    Chain,            // previous record's offset + previous record's length
    ChainSkippingOne, // as Chain, one byte further on
    Fixed,            // at the row's fixed offset
    ReportEnd,        // just past the last report code entry
    FirstPhone,       // at the end of the report code block, wrapping inside page 1
    SameAsPrevious,   // at the previous record's offset
    WelcomeMessage,   // over the last user code record
};

// Which layout variants hold the setting.
enum class Presence : std::uint8_t { All, V2AndV3, V3 };

enum class Encoding : std::uint8_t {
    Number,           // decimal count within [min, max]
    Bits,             // option bits
    Digit,            // decimal digit in the high nibble, 0xF in the low nibble
    NibblePair,       // two hex digits, high and low nibble
    LowNibbleCounter, // count in the low nibble; 0 means 3
    HexCode,          // a code shown as the hex digits of the byte
    FormatCode,       // communication format code
    Hour,             // first byte of a time pair; the minute is the next setting
    Minute,           // second byte of a time pair
    ZoneRecord,       // type byte and three attribute bytes
    ReportMarker,     // start or end of the report code block; holds no value
    ReportEntry,      // Contact ID byte and 4x2 byte; the record names the second
    PhoneNumber,      // 16 nibbles of digits and D
    Text16,           // 16 single-byte characters, 0x0D filled
    Unedited,         // located, edited by no page
};

inline constexpr int kErased = -1; // default: the byte stays 0xFF

struct SettingInfo {
    Setting setting;
    // The one name a user types and reads: on the command line, in printed
    // and compared settings. Grid rows name their cells after it
    // ("zone.03" -> "zone.03.type"); a time's minute is its hour's name and
    // ".minute".
    std::string_view name;
    std::uint16_t length;
    Placement placement;
    std::uint16_t fixedOffset; // for Placement::Fixed
    Presence presence;
    Encoding encoding;
    int min; // value range of counts, digits and hours/minutes;
    int max; // 0, 0 where the encoding carries its own rules
    int defaultValue;          // byte value; a report entry's two bytes as first * 256 + second
    // The control (edit, list or grid) of the page form owning the value,
    // the one the form's errors name; 0 for none (option bits have a
    // control each, see OptionBits).
    int control;
    int label;  // text id of the label; 0: the string of the control's id
    int digits; // digits a count's edit takes (a plain count shows zero-padded to them); 0 otherwise
    FormMember member;
    std::string_view defaultText; // new-document text of a Text16 setting

    int labelId() const { return label != 0 ? label : control; }
};

std::span<const SettingInfo> settingCatalogue();
const SettingInfo& settingInfo(Setting s);
// The setting of a name in the catalogue, or nullptr.
const SettingInfo* findSetting(std::string_view name);

// The form's text field showing the setting, or nullptr.
template <typename Form>
std::string Form::*formMember(Setting s)
{
    const auto* member = std::get_if<std::string Form::*>(&settingInfo(s).member);
    return member ? *member : nullptr;
}

} // namespace qarvo::panel
