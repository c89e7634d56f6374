#pragma once
// Where a site's communicator password is kept: in the system keyring when
// a secret service answers, else in the book, which is then made readable
// by its owner only. The password is never part of a Site shown to anyone.
#include "sites/SiteBook.h"

#include <optional>
#include <string>

namespace qarvo::sites {

// Decides where the password goes and puts it in the site (to be written
// with it); the keyring is written here. "" or why it could not be kept.
std::string placePassword(SiteBook& book, Site& site, const std::string& password);
// The password the site's connection uses; nullopt and why when it is kept
// but cannot be read, nullopt and no why when the site has none.
std::optional<std::string> passwordOf(SiteBook& book, const Site& site, std::string& why);
// Drops the site's password from the keyring (the book's goes with its row).
void forgetPassword(SiteBook& book, const Site& site);
// Where the password went, in words: "the system keyring", "the site book
// <file> (readable by its owner only)".
std::string passwordPlace(const SiteBook& book, PasswordStore store);

} // namespace qarvo::sites
