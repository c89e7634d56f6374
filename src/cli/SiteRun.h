#pragma once
// A command run against a site of the book (--site NAME): the site's
// connection fills the options the command line left out, the run is kept
// in the book as running from its start and finished with its outcome, and
// what backup and read-events bring is kept in the site's history.
#include "cli/EventRecords.h"
#include "cli/Session.h"
#include "fleet/SiteRecord.h"
#include "panel/CUploadDoc.h"
#include "sites/SiteBook.h"

#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace qarvo::cli {

class SiteRun {
public:
    // Opens the book and finds the site; nullptr when it cannot, the
    // message printed and status set.
    static std::unique_ptr<SiteRun> begin(const CommandLine& line, const CliEnvironment& env, int& status);

    // The site's connection into the options the command line did not give.
    // "" or why (a password the keyring does not give).
    std::string applyTo(CommandLine& line);
    // Keeps the run as running; false (the message printed) when the book
    // cannot be written.
    bool start(const std::string& kind);
    // Ends the run with the command's exit status, together with its backup.
    void finish(int status);

    // Where backup writes its document when given no file.
    std::filesystem::path incomingDocument() const;
    // Keeps the backup's document (moved when it was written to
    // incomingDocument, else copied) and the settings changed since the
    // site's previous backup; the book takes them when the run finishes.
    // The document's place in the book's store, or nullopt (said why).
    std::optional<std::filesystem::path> keepBackup(const std::filesystem::path& file, const panel::CUploadDoc& doc,
                                                    const std::string& model);
    // Stores the events the book does not hold yet.
    bool keepEvents(const std::vector<EventRecord>& records);
    // Stores what status showed.
    bool keepStatus(const sites::StatusSnapshot& snapshot);

private:
    SiteRun(std::unique_ptr<sites::SiteBook> book, sites::Site site, const CliEnvironment& env);
    // Prints the problem when there is one; true when there is none.
    bool noProblem(const std::string& why) const;

    fleet::SiteRecord record_;
    const CliEnvironment& env_;
};

} // namespace qarvo::cli
