#include "support/PgServer.h"

#include "support/SourceTree.h"

#include <QProcess>

#include <atomic>

#include <unistd.h>

namespace qarvo::testing {

namespace {
constexpr int kNoServerBinaries = 3;
constexpr int kScriptMilliseconds = 60000;
} // namespace

PgServer::PgServer()
{
    // Directly under /tmp: the server runs as another account when the tests
    // run as root, and must reach the folder; its socket path must be short.
    static std::atomic<int> next{0};
    folder_ = std::filesystem::path("/tmp") /
              ("qarvoip-pg-" + std::to_string(::getpid()) + "-" + std::to_string(next++));
    std::string output;
    const int status = script("start", output);
    missing_ = status == kNoServerBinaries;
    if (const auto at = output.find("postgresql://"); status == 0 && at != std::string::npos)
        url_ = output.substr(at, output.find('\n', at) - at);
    else if (!missing_ && url_.empty())
        error_ = "pg-test-server.sh start failed (" + std::to_string(status) + "): " + output;
}

PgServer::~PgServer()
{
    std::string output;
    if (!missing_)
        script("stop", output);
}

bool PgServer::restart()
{
    std::string output;
    if (script("restart", output) == 0)
        return true;
    error_ = "pg-test-server.sh restart failed: " + output;
    return false;
}

int PgServer::script(const std::string& verb, std::string& output)
{
    QProcess process;
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(QString::fromStdString(sourcePath("scripts/pg-test-server.sh").string()),
                  {QString::fromStdString(verb), QString::fromStdString(folder_.string())});
    if (!process.waitForFinished(kScriptMilliseconds) || process.exitStatus() != QProcess::NormalExit) {
        output = "did not end";
        return -1;
    }
    output = process.readAll().toStdString();
    return process.exitCode();
}

} // namespace qarvo::testing
