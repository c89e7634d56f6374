#include "app/PanelBackup.h"

#include "app/UserSettings.h"
#include "panel/FixedRegion.h"

#include <QCoreApplication>
#include <QStandardPaths>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace qarvo::app {

namespace fs = std::filesystem;

namespace {
constexpr const char* kExtension = ".rps";
constexpr const char* kDataOrganisation = "Qarvo";
} // namespace

fs::path defaultBackupBase()
{
    // The application's data folder; a headless run without an application
    // object gets the same folder spelled out.
    if (!QCoreApplication::applicationName().isEmpty() && !QCoreApplication::organizationName().isEmpty())
        return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation).toStdString();
    return fs::path(QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation).toStdString()) /
           kDataOrganisation / kSettingsApplication;
}

fs::path backupFolder(const fs::path& base, std::int32_t communicatorSerial, std::uint16_t panelId)
{
    char id[8];
    std::snprintf(id, sizeof id, "%04X", panelId);
    return base / kBackupsFolder / (std::to_string(communicatorSerial) + "-" + id);
}

std::uint16_t panelIdOf(const panel::CUploadDoc& doc)
{
    const auto bytes = doc.image().range(panel::fixed::kPanelIdCode, 2);
    return static_cast<std::uint16_t>(bytes[0] << 8 | bytes[1]);
}

std::string backupFileName(const QDateTime& when)
{
    return when.toString("yyyyMMdd-HHmmss-zzz").toStdString() + kExtension;
}

namespace {

constexpr auto kOwnerOnlyFolder = fs::perms::owner_all;
constexpr auto kOwnerOnlyFile = fs::perms::owner_read | fs::perms::owner_write;

// Makes the folder, when missing, and makes it the owner's only.
std::string makeOwnerOnlyFolder(const fs::path& folder)
{
    std::error_code error;
    fs::create_directories(folder, error);
    if (!error)
        fs::permissions(folder, kOwnerOnlyFolder, fs::perm_options::replace, error);
    return error ? folder.string() + ": " + error.message() : std::string();
}

// A name of its own in the folder: a clock set back may give a time
// already used.
fs::path freshName(const fs::path& folder, const QDateTime& when)
{
    fs::path file = folder / backupFileName(when);
    for (int n = 2; fs::exists(file); ++n)
        file = folder / (fs::path(backupFileName(when)).stem().string() + "-" + std::to_string(n) + kExtension);
    return file;
}

// Removes the backups beyond `kept`, those written longest ago first; the
// one just written stays whatever its name or time says.
void removeOldest(const fs::path& folder, const fs::path& justWritten, int kept)
{
    std::error_code error;
    std::vector<std::pair<fs::file_time_type, fs::path>> others;
    for (const auto& entry : fs::directory_iterator(folder, error))
        if (entry.is_regular_file() && entry.path().extension() == kExtension && entry.path() != justWritten)
            others.emplace_back(entry.last_write_time(error), entry.path());
    std::sort(others.begin(), others.end());
    const auto surplus = static_cast<std::ptrdiff_t>(others.size()) + 1 - kept;
    for (std::ptrdiff_t i = 0; i < surplus && i < static_cast<std::ptrdiff_t>(others.size()); ++i)
        fs::remove(others[static_cast<std::size_t>(i)].second, error);
}

} // namespace

std::string keepBackup(panel::CUploadDoc& doc, const fs::path& folder, const QDateTime& when, fs::path& written,
                       int kept)
{
    if (std::string why = makeOwnerOnlyFolder(folder); !why.empty())
        return why;
    const fs::path file = freshName(folder, when);
    if (std::string why = doc.save(file); !why.empty())
        return file.string() + ": " + why;
    std::error_code error;
    fs::permissions(file, kOwnerOnlyFile, fs::perm_options::replace, error);
    written = file;
    removeOldest(folder, file, kept);
    return {};
}

} // namespace qarvo::app
