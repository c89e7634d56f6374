#include "sites/Site.h"

#include "link/ConnectionSettings.h"
#include "link/UDPSocket.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <charconv>
#include <string_view>

namespace qarvo::sites {

namespace {

constexpr std::size_t kMaxNameLength = 64;
constexpr std::size_t kHexCodeDigits = 4;
constexpr long kMaxPort = 65535;
constexpr std::array<std::string_view, 3> kModes{"direct", "callback", "wait"};

struct StoreName {
    PasswordStore store;
    const char* name;
};
constexpr std::array kStoreNames{StoreName{PasswordStore::None, "none"}, StoreName{PasswordStore::Book, "book"},
                                 StoreName{PasswordStore::Keyring, "keyring"}};

bool printable(const std::string& text)
{
    return std::ranges::none_of(text, [](unsigned char c) { return c < 0x20 || c == 0x7F; });
}

} // namespace

const char* passwordStoreName(PasswordStore store)
{
    for (const StoreName& row : kStoreNames)
        if (row.store == store)
            return row.name;
    return "none";
}

PasswordStore passwordStoreOf(const std::string& name)
{
    for (const StoreName& row : kStoreNames)
        if (name == row.name)
            return row.store;
    return PasswordStore::None;
}

std::string nameProblem(const std::string& name)
{
    if (name.empty() || name.size() > kMaxNameLength)
        return "expected 1 to 64 characters";
    if (!printable(name) || name.front() == '-' || name.front() == ' ' || name.back() == ' ')
        return "expected no control characters, no leading '-' and no spaces at either end";
    return {};
}

std::string addressProblem(const std::string& address, const Resolver& resolve)
{
    if (link::parseDotted(address))
        return {};
    if (!link::isHostName(address))
        return "expected an IPv4 address such as 192.168.0.9 or a host name";
    const auto resolved = resolve ? resolve(address) : link::resolveHost(address);
    return resolved ? std::string() : "the host name '" + address + "' could not be resolved to an IPv4 address";
}

std::string portProblem(const std::string& text, std::uint16_t& port)
{
    long value = 0;
    const char* end = text.data() + text.size();
    const auto [ptr, ec] = std::from_chars(text.data(), end, value);
    if (text.empty() || ec != std::errc{} || ptr != end || value < 1 || value > kMaxPort)
        return "expected a port number from 1 to 65535";
    port = static_cast<std::uint16_t>(value);
    return {};
}

std::string modeProblem(const std::string& mode)
{
    return std::ranges::find(kModes, mode) == kModes.end() ? "expected direct, callback or wait" : "";
}

std::string callbackProblem(const std::string& callback)
{
    if (callback.empty())
        return {};
    const auto colon = callback.rfind(':');
    std::uint16_t port = 0;
    if (colon == std::string::npos || colon == 0 || !portProblem(callback.substr(colon + 1), port).empty())
        return "expected HOST:PORT with a port from 1 to 65535";
    const std::string host = callback.substr(0, colon);
    return link::parseDotted(host) || link::isHostName(host) ? "" : "expected HOST:PORT with an IPv4 address or a host name";
}

std::string hexCodeProblem(const std::string& code)
{
    const bool hex = code.size() == kHexCodeDigits &&
                     std::ranges::all_of(code, [](unsigned char c) { return std::isxdigit(c) != 0; });
    return code.empty() || hex ? "" : "expected four hexadecimal digits";
}

std::string passwordProblem(const std::string& password)
{
    return password.empty() || password.size() > link::kPasswordLength || !printable(password)
               ? "expected 1 to 4 characters"
               : "";
}

std::string tagProblem(const std::string& tag)
{
    const bool plain = !tag.empty() && std::ranges::all_of(tag, [](unsigned char c) {
        return std::isalnum(c) || c == '-' || c == '_' || c == '.' || c >= 0x80;
    });
    return plain ? "" : "expected letters, digits, '-', '_' or '.'";
}

std::string siteProblem(const Site& site, const Resolver& resolve)
{
    struct Check {
        const char* field;
        std::string problem;
    };
    std::uint16_t port = 0;
    const std::array checks{
        Check{"name", nameProblem(site.name)},
        Check{"address", addressProblem(site.address, resolve)},
        Check{"port", site.port == 0 ? portProblem("0", port) : ""},
        Check{"mode", modeProblem(site.mode)},
        Check{"callback", callbackProblem(site.callback)},
        Check{"account", hexCodeProblem(site.account)},
        Check{"panel-id", hexCodeProblem(site.panelId)},
        Check{"pc-id", hexCodeProblem(site.pcId)},
    };
    for (const Check& check : checks)
        if (!check.problem.empty())
            return std::string(check.field) + ": " + check.problem;
    for (const std::string& tag : site.tags)
        if (const std::string problem = tagProblem(tag); !problem.empty())
            return "tag '" + tag + "': " + problem;
    if (site.mode == "callback" && site.callback.empty())
        return "callback: the callback mode needs a callback server HOST:PORT";
    return {};
}

} // namespace qarvo::sites
