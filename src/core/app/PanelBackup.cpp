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

fs::path backupFolder(const fs::path& base, std::uint16_t panelId)
{
    char id[8];
    std::snprintf(id, sizeof id, "%04X", panelId);
    return base / kBackupsFolder / id;
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

std::string keepBackup(panel::CUploadDoc& doc, const fs::path& folder, const QDateTime& when, fs::path& written,
                       int kept)
{
    std::error_code error;
    fs::create_directories(folder, error);
    if (error)
        return folder.string() + ": " + error.message();
    const fs::path file = folder / backupFileName(when);
    if (std::string why = doc.save(file); !why.empty())
        return file.string() + ": " + why;
    written = file;

    std::vector<fs::path> backups;
    for (const auto& entry : fs::directory_iterator(folder, error))
        if (entry.is_regular_file() && entry.path().extension() == kExtension)
            backups.push_back(entry.path());
    std::sort(backups.begin(), backups.end());
    const auto surplus = static_cast<std::ptrdiff_t>(backups.size()) - kept;
    for (std::ptrdiff_t i = 0; i < surplus; ++i)
        fs::remove(backups[static_cast<std::size_t>(i)], error);
    return {};
}

} // namespace qarvo::app
