#pragma once
// Where the program's files live. Per-user files ("PanelRPS.cfg", the
// user's copy of "Tavi.def") go in the user's configuration folder,
// backups and logs in the user's data folder; the files the program ships
// ("Tavi.def", the language packs) are read from the install's data folder
// "share/qarvoip" beside the program's "bin", the user's copy first. A home
// folder (--home, QARVOIP_HOME) holds all of them at once, for portable use
// and for tests.
#include <QString>
#include <QStringList>

namespace qarvo::app {

inline constexpr const char* kHomeVariable = "QARVOIP_HOME";

struct ProgramFiles {
    QString configDirectory;       // PanelRPS.cfg, the user's Tavi.def
    QString dataDirectory;         // backups, logs
    QStringList sharedDirectories; // shipped files, searched in order

    ProgramFiles() = default;
    // Everything in the one folder.
    ProgramFiles(const QString& homeFolder); // NOLINT: a folder is a complete set of places

    // The places of an installed program whose executable is in the folder.
    static ProgramFiles installed(const QString& executableDirectory);
    // The home folder (the option, else the environment's), else the
    // installed places.
    static ProgramFiles locate(const QString& homeOption, const QString& homeVariable,
                               const QString& executableDirectory);

    QString settingsFile() const;
    QString backupDirectory() const;
    QString logDirectory() const;
    // The shipped file of that name in the first shared folder holding it;
    // empty when none does.
    QString sharedFile(const QString& name) const;
    // The first shared folder holding the file, else the first shared folder.
    QString sharedDirectoryOf(const QString& name) const;

    bool operator==(const ProgramFiles&) const = default;
};

} // namespace qarvo::app
