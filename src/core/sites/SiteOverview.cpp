#include "sites/SiteOverview.h"

#include <algorithm>

namespace qarvo::sites {

std::vector<SiteOverview> overview(SiteBook& book, const std::string& tag)
{
    std::vector<SiteOverview> rows;
    for (Site& site : book.sites(tag)) {
        SiteOverview row{std::move(site), {}, {}, {}};
        const auto backups = book.backups(row.site.id);
        const auto kept = std::find_if(backups.rbegin(), backups.rend(),
                                       [](const BackupEntry& b) { return !b.document.empty(); });
        if (kept != backups.rend())
            row.lastBackup = kept->takenAt;
        if (const auto runs = book.runs(row.site.id); !runs.empty())
            row.lastOutcome = runs.back().outcome;
        if (const auto snapshot = book.lastSnapshot(row.site.id))
            row.troubles = snapshot->troubles;
        rows.push_back(std::move(row));
    }
    return rows;
}

} // namespace qarvo::sites
