#pragma once
// How a site of the book is reached, as the connection settings a session
// or a panel job takes: the address resolved, the port, the account, the
// identity codes (the default IDs when the site gives none) and the mode.
#include "link/ConnectionSettings.h"
#include "link/Connection.h"
#include "sites/Site.h"

#include <optional>
#include <string>

namespace qarvo::sites {

struct SiteConnection {
    link::ConnectionSettings settings;
    link::ConnectionMode mode = link::ConnectionMode::Direct;
};

// Starts from base (the program's own settings: its ports, update server)
// and puts the site's in; nullopt and why when the address does not resolve.
std::optional<SiteConnection> connectionOf(const Site& site, const std::string& password,
                                           link::ConnectionSettings base, std::string& why);

} // namespace qarvo::sites
