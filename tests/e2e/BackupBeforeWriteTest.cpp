// A page write keeps the panel's current pages first, for both front-ends:
// the backup holds what the panel held, and a backup that cannot be saved
// stops the write before any byte goes to the panel.
#include "SessionFixture.h"

#include "app/PanelBackup.h"
#include "panel/FieldCodecs.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <fstream>

using namespace qarvo;
using namespace qarvo::operations;
using qarvo::testing::PanelFixture;
using qarvo::testing::SessionFixture;
namespace fs = std::filesystem;

namespace {

std::string zone2Name(const panel::CUploadDoc& doc) { return panel::decodeText16(doc.bytes(panel::zoneName(2))); }

enum class Folder { None, Usable, AFile };

struct Case {
    const char* name;
    Folder folder;
    bool written;
};

class BackupBeforeWrite : public ::testing::TestWithParam<Case> {};

} // namespace

TEST_P(BackupBeforeWrite, KeepsThePanelsPagesOrStopsTheWrite)
{
    const Case& c = GetParam();
    qarvo::testing::TempDir dir;
    ASSERT_TRUE(dir.isValid());
    const fs::path data = dir.file("data");
    if (c.folder == Folder::AFile)
        std::ofstream(data) << "not a folder";

    SessionFixture f;
    if (c.folder != Folder::None)
        f.session->backupFolder = data;
    ASSERT_TRUE(f.connect());
    ASSERT_TRUE(f.transfer(kReadInstaller)); // the document holds what the panel holds
    const auto before = f.panel.memory();
    const unsigned writesBefore = f.panel.counters().memoryWrites;
    const std::string panelName = zone2Name(f.session->doc);
    std::ranges::copy(panel::encodeText16("Back door"), f.session->doc.bytes(panel::zoneName(2)).begin());

    if (c.written) {
        ASSERT_TRUE(f.transfer(kWriteInstaller));
        EXPECT_NE(f.panel.memory(), before);
    } else {
        ASSERT_TRUE(f.session->worker.startPageOperation(kWriteInstaller));
        ASSERT_TRUE(PanelFixture::eventually([&] { return !f.sink.all<BackupNotice>().empty(); }));
        ASSERT_TRUE(f.waitIdle());
        EXPECT_EQ(f.panel.counters().memoryWrites, writesBefore);
        EXPECT_EQ(f.panel.memory(), before);
    }
    EXPECT_EQ(zone2Name(f.session->doc), "Back door") << "the document keeps what the pages made";

    const std::vector<BackupNotice> outcomes = f.sink.all<BackupNotice>();
    if (c.folder == Folder::None) {
        EXPECT_TRUE(outcomes.empty());
        return;
    }
    ASSERT_EQ(outcomes.size(), 1u);
    EXPECT_EQ(outcomes[0].kept(), c.folder == Folder::Usable) << outcomes[0].failure;
    if (!outcomes[0].kept())
        return;
    EXPECT_EQ(outcomes[0].file.parent_path(), app::backupFolder(data, f.session->communicatorSerial(), app::panelIdOf(f.session->doc)));
    panel::CUploadDoc backup("Current log");
    ASSERT_EQ(backup.open(outcomes[0].file), "");
    EXPECT_EQ(zone2Name(backup), panelName) << "the panel as it was before the write";
}

INSTANTIATE_TEST_SUITE_P(Writes, BackupBeforeWrite,
                         ::testing::Values(Case{"NoFolderNoBackup", Folder::None, true},
                                           Case{"BackupThenWrite", Folder::Usable, true},
                                           Case{"UnsavableBackupWritesNothing", Folder::AFile, false}),
                         [](const ::testing::TestParamInfo<Case>& info) { return std::string(info.param.name); });
