#pragma once
// qarvoip-cli sites: the site book from the command line. add, edit, rm,
// list, show, import, export, history and diff, each with its own options.
#include "cli/Session.h"
#include "sites/SiteBook.h"

#include <filesystem>
#include <memory>

namespace qarvo::cli {

inline constexpr const char* kBookVariable = "QARVOIP_DB";

int runSites(Session& session);
// The subcommands, one a line, for the command's help.
std::string sitesHelp();

// The book's file: --db, else $QARVOIP_DB, else sites.db in the data folder
// (the --home folder when one is given).
std::filesystem::path bookFile(const GlobalOptions& options, const CliEnvironment& env);
// The book, opened (created and migrated on first use); nullptr with the
// reason printed.
std::unique_ptr<sites::SiteBook> openBook(const GlobalOptions& options, const CliEnvironment& env);

} // namespace qarvo::cli
