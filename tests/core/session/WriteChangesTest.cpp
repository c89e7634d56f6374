// The settings a page write would change: those the write moves whose bytes
// differ from the image the panel was last known to hold.
#include "session/WriteChanges.h"

#include "operations/OperationCodes.h"
#include "panel/Setting.h"

#include <gtest/gtest.h>

using namespace qarvo;
using panel::Setting;

namespace {

std::vector<Setting> changedBy(const panel::CUploadDoc& doc, const panel::PanelImage& panel, int write)
{
    std::vector<Setting> settings;
    for (const panel::SettingInfo* info : session::settingsChangedByWrite(doc, panel, write))
        settings.push_back(info->setting);
    return settings;
}

} // namespace

TEST(WriteChanges, AnUnchangedDocumentChangesNothing)
{
    panel::CUploadDoc doc("");
    doc.newDocument();
    for (const int write : {operations::kWriteInstaller, operations::kWriteMaster, operations::kReadInstaller})
        EXPECT_TRUE(changedBy(doc, doc.image(), write).empty()) << write;
}

TEST(WriteChanges, EachWriteCountsTheSettingsItMovesByName)
{
    struct Case {
        Setting edited;
        bool byInstallerWrite;
        bool byMasterWrite;
    };
    for (const Case c : {Case{Setting::ZoneName02, true, false}, Case{Setting::Entry1Delay, true, false},
                         Case{Setting::AmbushDigit, false, true}}) {
        panel::CUploadDoc doc("");
        doc.newDocument();
        const panel::PanelImage panel = doc.image();
        doc.bytes(c.edited)[0] ^= 0x01;
        const auto expected = [&c](bool written) { return written ? std::vector<Setting>{c.edited} : std::vector<Setting>{}; };
        EXPECT_EQ(changedBy(doc, panel, operations::kWriteInstaller), expected(c.byInstallerWrite))
            << panel::settingInfo(c.edited).name;
        EXPECT_EQ(changedBy(doc, panel, operations::kWriteMaster), expected(c.byMasterWrite))
            << panel::settingInfo(c.edited).name;
    }
}
