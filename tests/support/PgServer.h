#pragma once
// A throwaway PostgreSQL server for the tests of a shared site book, started
// by scripts/pg-test-server.sh in a folder of its own and stopped with the
// object. When no server binaries are installed the script says so (exit
// status 3) and the tests skip with kPgSkipped; any other failure fails them.
#include <filesystem>
#include <string>

namespace qarvo::testing {

inline constexpr const char* kPgSkipped = "PostgreSQL server binaries not found: skipped";

class PgServer {
public:
    PgServer();
    ~PgServer();
    PgServer(const PgServer&) = delete;
    PgServer& operator=(const PgServer&) = delete;

    bool missing() const { return missing_; }
    bool running() const { return !url_.empty(); }
    const std::string& error() const { return error_; }
    // The book address: postgresql://USER@/qarvoip?host=FOLDER.
    const std::string& url() const { return url_; }
    // Stops the server at once, as a crash would, and starts it again.
    bool restart();

private:
    int script(const std::string& verb, std::string& output);

    std::filesystem::path folder_;
    std::string url_;
    std::string error_;
    bool missing_ = false;
};

} // namespace qarvo::testing

// Skips the test when the machine has no PostgreSQL server; fails it when
// the server could not be started.
#define QARVO_NEED_PG_SERVER(server)                                                                                   \
    do {                                                                                                               \
        if ((server).missing())                                                                                        \
            GTEST_SKIP() << ::qarvo::testing::kPgSkipped;                                                              \
        ASSERT_TRUE((server).running()) << (server).error();                                                           \
    } while (false)
