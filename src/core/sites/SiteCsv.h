#pragma once
// Sites as CSV, for moving a list of sites in and out of the book: UTF-8,
// comma-separated, a header row naming the columns in this order
//   name,address,port,mode,callback,account,panel_id,pc_id,tags,notes
// tags separated by ';' in their column, fields with a comma, a quote or a
// line break in double quotes. Export never writes passwords; an import
// file may carry them in an eleventh column, "password", which the book
// then keeps as it keeps every password.
#include "sites/Site.h"

#include <string>
#include <utility>
#include <vector>

namespace qarvo::sites {

// The header row, without its line end.
std::string sitesCsvHeader();

struct CsvSite {
    int line = 0; // where its row starts, 1 being the header
    Site site;
    std::string password; // empty without the password column
};

struct CsvRefusal {
    int line = 0;
    std::string why;
};

struct CsvSites {
    std::vector<CsvSite> sites;
    std::vector<CsvRefusal> refused; // in line order
};

// Reads the rows; each row that is not a valid site (a missing or an extra
// column, a bad value, bytes that are not UTF-8, a name given twice) is
// refused with its line.
CsvSites readSitesCsv(const std::string& bytes, const Resolver& resolve);

// With passwords (one a site), the list carries the password column: only
// for a list made to be imported, such as a simulated fleet's.
std::string sitesCsv(const std::vector<Site>& sites, const std::vector<std::string>& passwords = {});

} // namespace qarvo::sites
