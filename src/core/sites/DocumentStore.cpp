#include "sites/DocumentStore.h"

#include <atomic>

#include <QCryptographicHash>
#include <QFile>

#include <unistd.h>

namespace qarvo::sites {

namespace fs = std::filesystem;

namespace {
constexpr const char* kExtension = ".rps";
constexpr fs::perms kOwnerFolder = fs::perms::owner_all;
constexpr fs::perms kOwnerFile = fs::perms::owner_read | fs::perms::owner_write;

std::string digestOf(const fs::path& file, std::string& why)
{
    QFile in(QString::fromStdString(file.string()));
    QCryptographicHash hash(QCryptographicHash::Sha256);
    if (!in.open(QIODevice::ReadOnly) || !hash.addData(&in)) {
        why = file.string() + " could not be read";
        return {};
    }
    return hash.result().toHex().toStdString();
}
} // namespace

fs::path DocumentStore::pathOf(const std::string& digest) const { return folder_ / (digest + kExtension); }

fs::path DocumentStore::incomingFile() const
{
    std::error_code error;
    fs::create_directories(folder_, error);
    fs::permissions(folder_, kOwnerFolder, error);
    // One name per call: the jobs of a fleet run back up many sites at once
    // in one process.
    static std::atomic<unsigned> next{0};
    return folder_ / ("incoming-" + std::to_string(::getpid()) + "-" + std::to_string(next++) + kExtension);
}

std::string DocumentStore::keep(const fs::path& file, std::string& digest) const
{
    std::string why;
    digest = digestOf(file, why);
    if (!why.empty())
        return why;
    std::error_code error;
    fs::create_directories(folder_, error);
    fs::permissions(folder_, kOwnerFolder, error);
    const fs::path target = pathOf(digest);
    fs::permissions(file, kOwnerFile, error);
    if (fs::exists(target, error)) {
        if (file != target && file.parent_path() == folder_)
            fs::remove(file, error); // the same bytes are there already
        return {};
    }
    if (file.parent_path() == folder_)
        fs::rename(file, target, error);
    else
        fs::copy_file(file, target, error);
    if (error)
        return "the document could not be kept in " + folder_.string() + " (" + error.message() + ")";
    fs::permissions(target, kOwnerFile, error);
    return {};
}

} // namespace qarvo::sites
