#pragma once
// Every value the programming forms hold, by the name a user types: the
// settings catalogue's names for the settings of the layout, the option
// bits' names for the option bytes, and the cells of the grids named after
// their rows. The list is built from the forms themselves, so each zone,
// user, PGM and report row of the document's model gets its values and no
// other. The command line, the pages and fleet runs all read it: show, set,
// check, diff and "what changed" between two documents.
#include "panel/CUploadDoc.h"
#include "panel/ProgrammingForms.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace qarvo::panel {

enum class SettingKind { Text, Number, Check, List, Time, Code, Hex };
std::string_view kindName(SettingKind kind);

struct NamedSetting {
    std::string name; // "delay.entry-1", "zone.03.type", "user.07.code"
    SettingKind kind;
    int control;      // the control or grid showing it, which the forms' errors name
    int labelId;      // string table id of its label
    int min = 0;      // checks and lists: the values; lists -1 for "none selected"
    int max = 0;
    std::function<std::string(const ProgrammingForms&)> get;
    // False when the text is not a value of this kind; the forms' own rules
    // judge it further when the forms are stored.
    std::function<bool(ProgrammingForms&, const std::string&)> set;
    int row = -1;     // grid cells: where the page shows the value, so an
    int column = -1;  // error the forms report can be named
};

// The settings of forms shown from a document; the rows follow the forms'.
std::vector<NamedSetting> namedSettings(const ProgrammingForms& forms, std::uint8_t typeCode);

const NamedSetting* findNamedSetting(const std::vector<NamedSetting>& settings, std::string_view name);

// The setting an error of the forms points at, or nullptr.
const NamedSetting* settingOfError(const std::vector<NamedSetting>& settings, const FormError& error);
// Its name, or "control N" when no setting shows that control.
std::string errorSettingName(const std::vector<NamedSetting>& settings, const FormError& error);

// A name a setting had before it was renamed ("option.generaloptions1.bit4")
// and the one it has now; nullopt for a name that was never renamed.
std::optional<std::string_view> renamedSetting(std::string_view oldName);

// The names of the code records outside the layout, which the pages show
// in the codes and user grids.
inline constexpr std::string_view kInstallerCodeName = "code.installer";
inline constexpr std::string_view kMaintenanceRowName = "user.maintenance";
// User record 0 is the master's.
std::string userRowName(int record);

// A setting whose value differs between two documents; a value is absent
// where the document's model has no such setting (fewer zones, say).
struct SettingChange {
    std::string name;
    SettingKind kind;
    std::optional<std::string> before;
    std::optional<std::string> after;

    friend bool operator==(const SettingChange&, const SettingChange&) = default;
};

// What changed from one document to the other, as the pages show the
// values: the settings of the first document in their order, then those
// only the second has.
std::vector<SettingChange> changedSettings(const CUploadDoc& before, const CUploadDoc& after);

} // namespace qarvo::panel
