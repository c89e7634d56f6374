// What changed between two documents, by the settings' names: the values as
// the pages show them before and after, absent where a model has no such
// setting.
#include "panel/NamedSettings.h"

#include "panel/SettingCatalogue.h"
#include "support/Documents.h"

#include <gtest/gtest.h>

#include <functional>

using namespace qarvo;
using namespace qarvo::panel;
using qarvo::testing::documentFor;

namespace qarvo::panel {
void PrintTo(const SettingChange& c, std::ostream* os)
{
    *os << c.name << ": " << c.before.value_or("(absent)") << " -> " << c.after.value_or("(absent)");
}
} // namespace qarvo::panel

namespace {

std::string optionName(int control)
{
    for (const OptionBit& bit : optionBits())
        if (bit.control == control)
            return std::string(bit.name);
    return {};
}

struct Case {
    const char* what;
    std::uint8_t afterType;
    std::function<void(CUploadDoc&)> edit;
    std::function<std::vector<SettingChange>(const CUploadDoc& before)> expected;
};

// The change of one setting whose value the before document shows.
SettingChange changeOf(const CUploadDoc& before, const std::string& name, std::string after)
{
    ProgrammingForms forms;
    imageToForms(before, forms);
    const auto settings = namedSettings(forms, before.layout().typeCode());
    const NamedSetting* setting = findNamedSetting(settings, name);
    EXPECT_NE(setting, nullptr) << name;
    return {name, setting->kind, setting->get(forms), std::move(after)};
}

const Case kCases[] = {
    {"the same document", kDefaultTypeCode, [](CUploadDoc&) {}, [](const CUploadDoc&) { return std::vector<SettingChange>{}; }},
    {"a count and an option bit", kDefaultTypeCode,
     [](CUploadDoc& d) {
         d.bytes(Setting::Entry1Delay)[0] = 45;
         d.bytes(Setting::GeneralOptions1)[0] ^= 1 << 5; // partitions
     },
     [](const CUploadDoc& before) {
         const std::string partitions = optionName(installer_control::kPartitions);
         const bool on = changeOf(before, partitions, "").before == "1";
         return std::vector{changeOf(before, std::string(settingInfo(Setting::Entry1Delay).name), "045"),
                            changeOf(before, partitions, on ? "0" : "1")};
     }},
    {"a model with fewer zones", 0x21, [](CUploadDoc&) {},
     [](const CUploadDoc& before) {
         const std::string name = std::string(settingInfo(zoneName(16)).name);
         return std::vector{SettingChange{name, SettingKind::Text, changeOf(before, name, "").before, std::nullopt}};
     }},
};

class ChangedSettings : public ::testing::TestWithParam<Case> {};

} // namespace

TEST_P(ChangedSettings, NameEachChangedSettingWithBothValues)
{
    const Case& c = GetParam();
    const CUploadDoc before = documentFor(kDefaultTypeCode);
    CUploadDoc after = documentFor(c.afterType);
    c.edit(after);
    auto changes = changedSettings(before, after);
    if (c.afterType != kDefaultTypeCode) // only the one setting of the case is looked at
        std::erase_if(changes, [&](const SettingChange& s) { return s.name != c.expected(before).front().name; });
    EXPECT_EQ(changes, c.expected(before)) << c.what;
}

INSTANTIATE_TEST_SUITE_P(Documents, ChangedSettings, ::testing::ValuesIn(kCases));
