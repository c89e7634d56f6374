#pragma once
// Backups of a panel's programming: before a page is written, the panel's
// current pages are kept as a settings document in a folder of their own
// per panel, named by the time they were taken, and only the newest are
// kept. Both front-ends keep their backups here.
#include "panel/CUploadDoc.h"

#include <QDateTime>

#include <cstdint>
#include <filesystem>
#include <string>

namespace qarvo::app {

inline constexpr int kBackupsKept = 20;
inline constexpr const char* kBackupsFolder = "backups";

// The per-user data folder the backups live under.
std::filesystem::path defaultBackupBase();

// <base>/backups/<communicator serial number>-<panel ID code as four
// hexadecimal digits>: sites that share the default identity codes keep
// their backups apart by their communicators.
std::filesystem::path backupFolder(const std::filesystem::path& base, std::int32_t communicatorSerial,
                                   std::uint16_t panelId);

// The panel identification code the document's image holds.
std::uint16_t panelIdOf(const panel::CUploadDoc& doc);

// "20261209-013015-250.rps": sorts as the times do.
std::string backupFileName(const QDateTime& when);

// Saves the document into the folder (made when missing) under the time's
// name, then removes the backups written longest ago beyond `kept`, never
// the one just saved. Backups hold every code and the communicator
// password: the folders and files are the owner's only. Returns "" and the
// file's path, or why nothing was saved.
std::string keepBackup(panel::CUploadDoc& doc, const std::filesystem::path& folder, const QDateTime& when,
                       std::filesystem::path& written, int kept = kBackupsKept);

} // namespace qarvo::app
