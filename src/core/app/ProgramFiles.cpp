#include "app/ProgramFiles.h"

#include "app/Strings.h"
#include "app/UserSettings.h"
#include "base/TextIds.h"
#include "link/ConnectionSettings.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace qarvo::app {
namespace {

// The install's data folder, relative to the folder of the executables.
constexpr const char* kSharedFromBin = "../share/qarvoip";
constexpr const char* kBackupFolder = "backups";
constexpr const char* kLogFolder = "logs";

// "<organisation>/<application>" below a generic location: the folder Qt
// names AppConfigLocation / AppDataLocation once the application carries
// these names, and the same folder for a program that does not set them.
QString appFolder(QStandardPaths::StandardLocation generic)
{
    const QString organisation = QString::fromUtf8(strings::english(text_id::kSettingsCompany));
    return QDir(QStandardPaths::writableLocation(generic))
        .filePath(organisation + u'/' + QString::fromLatin1(kSettingsApplication));
}

} // namespace

ProgramFiles::ProgramFiles(const QString& homeFolder)
    : configDirectory(homeFolder), dataDirectory(homeFolder), sharedDirectories{homeFolder}
{
}

ProgramFiles ProgramFiles::installed(const QString& executableDirectory)
{
    ProgramFiles files;
    files.configDirectory = appFolder(QStandardPaths::GenericConfigLocation);
    files.dataDirectory = appFolder(QStandardPaths::GenericDataLocation);
    // The build tree keeps the shipped files beside the program.
    files.sharedDirectories = {QDir::cleanPath(QDir(executableDirectory).filePath(QString::fromLatin1(kSharedFromBin))),
                               executableDirectory};
    return files;
}

ProgramFiles ProgramFiles::locate(const QString& homeOption, const QString& homeVariable,
                                  const QString& executableDirectory)
{
    if (!homeOption.isEmpty())
        return ProgramFiles(homeOption);
    if (!homeVariable.isEmpty())
        return ProgramFiles(homeVariable);
    return installed(executableDirectory);
}

QString ProgramFiles::settingsFile() const
{
    return QDir(configDirectory).filePath(QString::fromLatin1(link::kSettingsFileName));
}

QString ProgramFiles::backupDirectory() const { return QDir(dataDirectory).filePath(QString::fromLatin1(kBackupFolder)); }

QString ProgramFiles::logDirectory() const { return QDir(dataDirectory).filePath(QString::fromLatin1(kLogFolder)); }

QString ProgramFiles::sharedFile(const QString& name) const
{
    for (const QString& dir : sharedDirectories) {
        const QString path = QDir(dir).filePath(name);
        if (QFileInfo(path).isFile())
            return path;
    }
    return {};
}

QString ProgramFiles::sharedDirectoryOf(const QString& name) const
{
    const QString file = sharedFile(name);
    if (!file.isEmpty())
        return QFileInfo(file).absolutePath();
    return sharedDirectories.isEmpty() ? QString() : sharedDirectories.front();
}

} // namespace qarvo::app
