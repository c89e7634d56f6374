#pragma once
// A site as the list of sites shows it: its own fields, when it was last
// backed up, how its last job run ended and the troubles its last status
// snapshot found.
#include "sites/SiteBook.h"

#include <string>
#include <vector>

namespace qarvo::sites {

struct SiteOverview {
    Site site;
    std::string lastBackup;  // the book's time of the last backup kept, or empty
    std::string lastOutcome; // of the last job run: "ok", "failed", "running" …, or empty
    std::string troubles;    // of the last status snapshot, or empty
};

std::vector<SiteOverview> overview(SiteBook& book, const std::string& tag = {});

} // namespace qarvo::sites
