#include "sites/SiteConnection.h"

#include "link/UDPSocket.h"

#include <charconv>

namespace qarvo::sites {

namespace {

std::optional<std::uint16_t> hex4(const std::string& text)
{
    std::uint16_t value = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value, 16);
    if (text.empty() || ec != std::errc() || end != text.data() + text.size())
        return std::nullopt;
    return value;
}

link::ConnectionMode modeOf(const std::string& mode)
{
    if (mode == "callback")
        return link::ConnectionMode::Callback;
    if (mode == "wait")
        return link::ConnectionMode::WaitForCall;
    return link::ConnectionMode::Direct;
}

} // namespace

std::optional<SiteConnection> connectionOf(const Site& site, const std::string& password,
                                           link::ConnectionSettings base, std::string& why)
{
    const auto address = link::resolveHost(site.address);
    if (!address) {
        why = "the address '" + site.address + "' of site '" + site.name + "' does not resolve to an IPv4 address";
        return std::nullopt;
    }
    SiteConnection c{std::move(base), modeOf(site.mode)};
    c.settings.communicatorAddress = *address;
    c.settings.communicatorPort = site.port;
    c.settings.password = password;
    if (const auto account = hex4(site.account))
        c.settings.account = *account;
    const auto panelId = hex4(site.panelId);
    const auto pcId = hex4(site.pcId);
    c.settings.useDefaultIds = !panelId && !pcId;
    c.settings.panelId = panelId.value_or(0);
    c.settings.pcId = pcId.value_or(0);
    if (const auto colon = site.callback.rfind(':'); colon != std::string::npos) {
        c.settings.callbackServer = site.callback.substr(0, colon);
        std::from_chars(site.callback.data() + colon + 1, site.callback.data() + site.callback.size(),
                        c.settings.callbackPort);
    }
    return c;
}

} // namespace qarvo::sites
