#include "sites/SitePasswords.h"

#include "sites/Keyring.h"

#include <filesystem>

namespace qarvo::sites {

namespace fs = std::filesystem;

namespace {

// The keyring entry of a site: the book's file and the site's number, so
// two books never share an entry and a renamed site keeps its own.
std::string keyOf(const SiteBook& book, std::int64_t siteId)
{
    std::error_code error;
    return fs::absolute(book.file(), error).string() + "#" + std::to_string(siteId);
}

std::string ownerOnly(const SiteBook& book)
{
    std::error_code error;
    fs::permissions(book.file(), fs::perms::owner_read | fs::perms::owner_write, error);
    return error ? "the site book " + book.file().string() + " could not be made readable by its owner only (" +
                       error.message() + ")"
                 : "";
}

} // namespace

std::string placePassword(SiteBook& book, Site& site, const std::string& password)
{
    // A shared book's workers on other machines need the password too: it
    // is kept in the book, which the server lets only its own users read.
    if (!book.shared() && site.id != 0 && Keyring::available()) {
        if (Keyring::write(keyOf(book, site.id), password).empty()) {
            site.passwordStore = PasswordStore::Keyring;
            site.password.reset();
            return {};
        }
    }
    site.passwordStore = PasswordStore::Book;
    site.password = password;
    return book.shared() ? std::string() : ownerOnly(book);
}

std::optional<std::string> passwordOf(SiteBook& book, const Site& site, std::string& why)
{
    switch (site.passwordStore) {
    case PasswordStore::None:
        return std::nullopt;
    case PasswordStore::Book:
        return book.bookPassword(site.id);
    case PasswordStore::Keyring:
        return Keyring::read(keyOf(book, site.id), why);
    }
    return std::nullopt;
}

void forgetPassword(SiteBook& book, const Site& site)
{
    if (site.passwordStore == PasswordStore::Keyring)
        Keyring::remove(keyOf(book, site.id));
}

std::string passwordPlace(const SiteBook& book, PasswordStore store)
{
    switch (store) {
    case PasswordStore::Keyring:
        return "the system keyring";
    case PasswordStore::Book:
        if (book.shared())
            return "the shared site book " + book.file().string() + " (readable by the database's users)";
        return "the site book " + book.file().string() + " (readable by its owner only; no keyring answered)";
    case PasswordStore::None:
        break;
    }
    return "nowhere (no password given)";
}

} // namespace qarvo::sites
