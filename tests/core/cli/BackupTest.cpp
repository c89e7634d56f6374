// Backups before writes, read-back verification, and the backup and
// restore commands, against a simulated panel of the test's own.
#include "cli/CliApp.h"
#include "cli/DocumentCommands.h"
#include "cli/EventLogCommands.h"

#include "app/PanelBackup.h"
#include "communicator/TaviModelInfo.h"
#include "communicator/TaviOptions.h"
#include "panel/CUploadDoc.h"
#include "panel/FieldCodecs.h"
#include "support/CliFixture.h"
#include "support/Documents.h"

#include <gtest/gtest.h>

#include <chrono>
#include <set>

using namespace qarvo;
using namespace qarvo::cli;
using namespace qarvo::testing;
namespace fs = std::filesystem;

namespace {

constexpr std::uint16_t kZone2Name = 0x310;
constexpr const char* kBackupLine = "Backup of the panel's pages: ";

class Backups : public CliPanelTest {
protected:
    void SetUp() override
    {
        CliPanelTest::SetUp();
        own_.panel.setMemory(demoProgramming(0x24));
        own_.panel.setEventLog(demoEvents(), kDemoUnreadEvents);
    }

    // The test's directory is the program directory: settings and backups live there.
    CliRun run(Args args)
    {
        args.insert(args.begin(), {"--home", dir().string()});
        return CliTest::run(args);
    }

    // The panel's programming with zone 2 renamed.
    std::string editedDocument()
    {
        const std::string path = file("edit.rps").string();
        EXPECT_EQ(run({"read-installer", path}).status, kExitSuccess);
        EXPECT_EQ(run({"read-master", path}).status, kExitSuccess);
        auto doc = openDocument(path);
        std::ranges::copy(panel::encodeText16("Back door"), doc.bytes(panel::zoneName(2)).begin());
        EXPECT_EQ(doc.save(path), "");
        return path;
    }

    static fs::path backupPathIn(const std::string& err)
    {
        const auto start = err.find(kBackupLine);
        if (start == std::string::npos)
            return {};
        const auto from = start + std::string(kBackupLine).size();
        return err.substr(from, err.find('\n', from) - from);
    }
};

} // namespace

TEST_F(Backups, AWriteKeepsThePanelsPreviousPagesAndRestoreBringsThemBack)
{
    const std::string doc = editedDocument();
    const auto before = own_.panel.memory();
    const CliRun write = run({"write-installer", doc});
    ASSERT_EQ(write.status, kExitSuccess) << write.err;
    ASSERT_EQ(zoneName(openDocument(doc), 2), "Back door");
    ASSERT_NE(own_.panel.memory(), before);

    const fs::path backup = backupPathIn(write.err);
    ASSERT_TRUE(fs::exists(backup)) << write.err;
    EXPECT_EQ(backup.parent_path(), app::backupFolder(dir(), TaviModelInfo::parse(own_.communicator.config().modelInfo)->serialNumber, 0x0000));
    EXPECT_EQ(zoneName(openDocument(backup), 2), "Hall") << "the panel as it was before the write";

    const CliRun restore = run({"restore", backup.string(), "--no-backup"});
    ASSERT_EQ(restore.status, kExitSuccess) << restore.err;
    EXPECT_TRUE(contains(restore.err, "reads back as written")) << restore.err;
    EXPECT_EQ(own_.panel.memory(), before) << "byte-exact";
}

TEST_F(Backups, NoBackupSkipsIt)
{
    const std::string doc = editedDocument();
    const CliRun write = run({"write-master", doc, "--no-backup"});
    ASSERT_EQ(write.status, kExitSuccess) << write.err;
    EXPECT_FALSE(contains(write.err, kBackupLine)) << write.err;
    EXPECT_FALSE(fs::exists(dir() / app::kBackupsFolder));
}

TEST_F(Backups, VerifyFindsAWriteThePanelDropped)
{
    const std::string doc = editedDocument();
    own_.panel.dropWriteAt(kZone2Name);
    const CliRun dropped = run({"write-installer", doc, "--no-backup", "--verify"});
    EXPECT_EQ(dropped.status, kExitFailure);
    EXPECT_TRUE(contains(dropped.err, "at address 0310")) << dropped.err;

    const CliRun good = run({"write-installer", doc, "--no-backup", "--verify"});
    EXPECT_EQ(good.status, kExitSuccess) << good.err;
    EXPECT_TRUE(contains(good.err, "reads back as written")) << good.err;
}

TEST_F(Backups, BackupCommandKeepsPagesEventsAndOptionsInOneDocument)
{
    const CliRun r = run({"backup", dir().string()});
    ASSERT_EQ(r.status, kExitSuccess) << r.err;
    EXPECT_FALSE(contains(r.err, "reset to default")) << r.err;
    fs::path file;
    for (const auto& entry : fs::directory_iterator(dir()))
        if (entry.path().extension() == ".rps")
            file = entry.path();
    ASSERT_FALSE(file.empty()) << r.out;
    const auto doc = openDocument(file);
    EXPECT_EQ(zoneName(doc, 1), "Front door");
    std::size_t eventLines = 0;
    for (const panel::EventLog& log : doc.logs())
        eventLines += std::size_t(std::ranges::count_if(log.lines, [](const std::string& line) {
            return contains(line, "05.Mar.2026");
        }));
    EXPECT_EQ(eventLines, demoEvents().size()) << "the whole log, read and unread";
    EXPECT_EQ(own_.panel.unreadEvents(), kDemoUnreadEvents) << "a backup marks nothing as read";
    const auto wire = TaviOptions{doc.taviOptions()}.toWire();
    EXPECT_EQ(std::vector<std::uint8_t>(wire.begin(), wire.end()), own_.communicator.options());

    EXPECT_EQ(run({"backup", file.string()}).status, kExitFailure) << "an existing file is never overwritten";
}

TEST(BackupFolder, KeepsTheNewestWrittenWhateverTheClockSaid)
{
    // Each backup is written a second after the one before; the clock that
    // names them runs forward, or was set back an hour half way.
    constexpr int kSaved = app::kBackupsKept + 2;
    for (const int setBackAt : {kSaved, kSaved / 2}) {
        qarvo::testing::TempDir dir;
        panel::CUploadDoc doc("Current log");
        const QDateTime start(QDate(2026, 12, 9), QTime(1, 0));
        const auto writtenAt = fs::file_time_type::clock::now() - std::chrono::hours(1);
        std::vector<fs::path> written(kSaved);
        for (int i = 0; i < kSaved; ++i) {
            const QDateTime clock = start.addSecs(i - (i >= setBackAt ? 3600 : 0));
            ASSERT_EQ(app::keepBackup(doc, dir.path(), clock, written[std::size_t(i)]), "");
            fs::last_write_time(written[std::size_t(i)], writtenAt + std::chrono::seconds(i));
        }
        std::set<fs::path> kept;
        for (const auto& entry : fs::directory_iterator(dir.path()))
            kept.insert(entry.path());
        EXPECT_EQ(kept, std::set<fs::path>(written.begin() + 2, written.end())) << "clock set back at " << setBackAt;
    }
}
