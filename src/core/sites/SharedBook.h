#pragma once
// A shared site book's address and its connection: postgresql://USER@HOST:
// PORT/DBNAME, each part optional but the database name; ?host=FOLDER names
// a Unix socket folder instead of a host. Left out, the host is libpq's own
// default (the local socket). A password in the address is refused: libpq
// takes it from PGPASSWORD or ~/.pgpass, where it stays out of process lists
// and shell histories.
#include <QString>

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

class QSqlDatabase;

namespace qarvo::sites {

struct SharedBookAddress {
    std::string user;
    std::string host; // a host name, or a socket folder; empty: libpq's default
    std::optional<std::uint16_t> port;
    std::string database;
};

std::optional<SharedBookAddress> parseSharedBook(std::string_view address, std::string& why);

// Opens a connection of that name to the book; "" or why it could not.
std::string openSharedBook(const SharedBookAddress& address, const QString& connection);

} // namespace qarvo::sites
