#include "app/ProgramFiles.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <QTemporaryDir>

namespace qarvo::app {
namespace {

TEST(ProgramFiles, HomeFolderHoldsEverything)
{
    const ProgramFiles files("/portable");
    EXPECT_EQ(files.settingsFile(), "/portable/PanelRPS.cfg");
    EXPECT_EQ(files.backupDirectory(), "/portable/backups");
    EXPECT_EQ(files.logDirectory(), "/portable/logs");
    EXPECT_EQ(files.sharedDirectories, QStringList{"/portable"});
}

TEST(ProgramFiles, InstalledProgramUsesTheUsersFoldersAndItsShareFolder)
{
    QStandardPaths::setTestModeEnabled(true);
    const ProgramFiles files = ProgramFiles::installed("/opt/q/bin");
    const QString config = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    const QString data = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    EXPECT_EQ(files.settingsFile(), config + "/Qarvo/QarvoIP/PanelRPS.cfg");
    EXPECT_EQ(files.backupDirectory(), data + "/Qarvo/QarvoIP/backups");
    EXPECT_EQ(files.sharedDirectories, (QStringList{"/opt/q/share/qarvoip", "/opt/q/bin"}));
}

TEST(ProgramFiles, OptionBeforeVariableBeforeInstalledPlaces)
{
    struct Case {
        const char* option;
        const char* variable;
        ProgramFiles expected;
    };
    const Case cases[] = {
        {"/opt", "/var", ProgramFiles("/opt")},
        {"", "/var", ProgramFiles("/var")},
        {"", "", ProgramFiles::installed("/usr/bin")},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ProgramFiles::locate(c.option, c.variable, "/usr/bin"), c.expected) << c.option << c.variable;
}

TEST(ProgramFiles, SharedFileComesFromTheFirstFolderHoldingIt)
{
    QTemporaryDir first, second;
    ASSERT_TRUE(QFile(QDir(second.path()).filePath("Tavi.def")).open(QIODevice::WriteOnly));
    ProgramFiles files;
    files.sharedDirectories = {first.path(), second.path()};
    EXPECT_EQ(files.sharedFile("Tavi.def"), QDir(second.path()).filePath("Tavi.def"));
    EXPECT_EQ(files.sharedDirectoryOf("Tavi.def"), second.path());
    EXPECT_EQ(files.sharedFile("RpsDEU.qm"), QString());
    EXPECT_EQ(files.sharedDirectoryOf("RpsDEU.qm"), first.path());
}

} // namespace
} // namespace qarvo::app
