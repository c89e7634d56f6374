#pragma once
// What the last fleet runs found, from the book: the sites whose last run
// failed, those whose settings changed, new alarm events and open troubles.
// Printed as text, or written as one HTML page to open in a browser.
#include "cli/Session.h"
#include "sites/SiteBook.h"

#include <string>

namespace qarvo::cli {

// A --since date: YYYY-MM-DD.
bool validReportDate(const std::string& date);
// since: a --since date, or empty for the last 24 hours.
void printFleetReport(Session& s, sites::SiteBook& book, const std::string& since);
// False (said why) when the file cannot be written.
bool writeFleetReport(Session& s, sites::SiteBook& book, const std::string& since, const std::string& file);

} // namespace qarvo::cli
