#pragma once
// One site of the book: how its communicator is reached and who the panel
// is, as an installer types it. Validation is the book's own, so every
// front-end refuses the same things with the same words.
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace qarvo::sites {

inline constexpr std::uint16_t kDefaultSitePort = 51069;

// Where a site's password is kept.
enum class PasswordStore { None, Book, Keyring };
const char* passwordStoreName(PasswordStore store);
PasswordStore passwordStoreOf(const std::string& name);

struct Site {
    std::int64_t id = 0;
    std::string name;
    std::string address;          // IPv4 dotted or a host name
    std::uint16_t port = kDefaultSitePort;
    std::string mode = "direct";  // direct, callback or wait
    std::string callback;         // HOST:PORT, or empty
    std::string account;          // four hexadecimal digits, or empty
    std::string panelId;          // four hexadecimal digits, or empty (the default IDs)
    std::string pcId;
    std::vector<std::string> tags;
    std::string notes;
    std::string model;            // the panel's model text once a backup saw it
    PasswordStore passwordStore = PasswordStore::None;
    std::optional<std::string> password; // only when the caller asked for it
};

// Resolves a host name to an IPv4 address; nullopt when it does not.
using Resolver = std::function<std::optional<std::uint32_t>(const std::string&)>;

// The field's name and what is wrong with its text; empty when it is fine.
std::string nameProblem(const std::string& name);
std::string addressProblem(const std::string& address, const Resolver& resolve);
std::string portProblem(const std::string& text, std::uint16_t& port);
std::string modeProblem(const std::string& mode);
std::string callbackProblem(const std::string& callback);
std::string hexCodeProblem(const std::string& code); // panel ID, PC ID, account
std::string passwordProblem(const std::string& password);
std::string tagProblem(const std::string& tag);

// The first problem of a whole site, "--field: why"; empty when none.
std::string siteProblem(const Site& site, const Resolver& resolve);

} // namespace qarvo::sites
