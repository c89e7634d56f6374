#include "sites/Keyring.h"

#include <qt6keychain/keychain.h>

#include <QCoreApplication>
#include <QEventLoop>
#include <QTimer>

#include <cstdlib>
#include <filesystem>
#include <memory>

#include <unistd.h>

namespace qarvo::sites {

namespace {

constexpr const char* kService = "QarvoIP site book";
constexpr const char* kProbeKey = "probe";

// A session bus to ask: without one no secret service can answer, and
// nothing is waited for.
bool sessionBusPresent()
{
    if (const char* address = std::getenv("DBUS_SESSION_BUS_ADDRESS"); address && *address)
        return true;
    std::error_code error;
    return std::filesystem::exists("/run/user/" + std::to_string(::getuid()) + "/bus", error);
}

// QtKeychain's jobs finish through the event loop, which a headless
// program may not have started.
void ensureApplication()
{
    if (QCoreApplication::instance())
        return;
    static int argc = 1;
    static char name[] = "qarvoip";
    static char* argv[] = {name, nullptr};
    static QCoreApplication application(argc, argv);
}

// Runs the job until it finishes or the time-out passes; false on time-out.
bool finish(QKeychain::Job& job, std::chrono::milliseconds timeout)
{
    ensureApplication();
    QEventLoop loop;
    bool finished = false;
    QObject::connect(&job, &QKeychain::Job::finished, &loop, [&] {
        finished = true;
        loop.quit();
    });
    QTimer::singleShot(timeout, &loop, &QEventLoop::quit);
    job.setAutoDelete(false);
    job.start();
    if (!finished)
        loop.exec();
    return finished;
}

} // namespace

bool Keyring::available(std::chrono::milliseconds timeout)
{
    if (!sessionBusPresent())
        return false;
    auto job = std::make_unique<QKeychain::ReadPasswordJob>(QString::fromLatin1(kService));
    job->setKey(QString::fromLatin1(kProbeKey));
    if (!finish(*job, timeout)) {
        job.release()->deleteLater(); // still waiting for its answer
        return false;
    }
    return job->error() == QKeychain::NoError || job->error() == QKeychain::EntryNotFound;
}

std::string Keyring::write(const std::string& key, const std::string& password, std::chrono::milliseconds timeout)
{
    auto job = std::make_unique<QKeychain::WritePasswordJob>(QString::fromLatin1(kService));
    job->setKey(QString::fromStdString(key));
    job->setTextData(QString::fromStdString(password));
    if (!finish(*job, timeout)) {
        job.release()->deleteLater();
        return "the keyring did not answer";
    }
    return job->error() == QKeychain::NoError ? "" : "the keyring refused: " + job->errorString().toStdString();
}

std::optional<std::string> Keyring::read(const std::string& key, std::string& why, std::chrono::milliseconds timeout)
{
    auto job = std::make_unique<QKeychain::ReadPasswordJob>(QString::fromLatin1(kService));
    job->setKey(QString::fromStdString(key));
    if (!finish(*job, timeout)) {
        job.release()->deleteLater();
        why = "the keyring did not answer";
        return std::nullopt;
    }
    if (job->error() != QKeychain::NoError) {
        why = "the keyring gave no password: " + job->errorString().toStdString();
        return std::nullopt;
    }
    return job->textData().toStdString();
}

void Keyring::remove(const std::string& key, std::chrono::milliseconds timeout)
{
    auto job = std::make_unique<QKeychain::DeletePasswordJob>(QString::fromLatin1(kService));
    job->setKey(QString::fromStdString(key));
    if (!finish(*job, timeout))
        job.release()->deleteLater();
}

} // namespace qarvo::sites
