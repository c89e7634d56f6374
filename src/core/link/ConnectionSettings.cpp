#include "link/ConnectionSettings.h"

#include "base/AtomicFile.h"

#include <algorithm>
#include <charconv>
#include <cstdio>
#include <fstream>
#include <sstream>
#include <string_view>
#include <system_error>

namespace qarvo::link {

namespace {

std::string hex(unsigned value, int minDigits)
{
    char text[16];
    std::snprintf(text, sizeof text, "%0*x", minDigits, value);
    return text;
}

constexpr long long kMaxPort = 0xFFFF;
constexpr long long kMax16 = 0xFFFF;
constexpr long long kMax32 = 0xFFFFFFFF;

// Reads the file's values in their order. Numbers are whitespace-separated
// tokens; the address and password lines are read by their place.
class SettingsReader {
public:
    SettingsReader(std::istream& in, std::vector<int>& refused) : in_(in), refused_(refused) {}

    bool ok() const { return ok_; }

    // A number in 0..max. One that does not fit is refused, never cut: the
    // field takes its default and the line is named for the warning.
    template <class T>
    void number(int line, T& field, T fallback, long long max, int base)
    {
        std::string token;
        if (!ok_ || !(in_ >> token)) {
            ok_ = false;
            return;
        }
        long long value = 0;
        const char* end = token.data() + token.size();
        const auto [stop, error] = std::from_chars(token.data(), end, value, base);
        const bool parsed = error != std::errc::invalid_argument && stop == end;
        if (!parsed) {
            ok_ = false;
        } else if (error == std::errc::result_out_of_range || value < 0 || value > max) {
            field = fallback;
            refused_.push_back(line);
        } else {
            field = static_cast<T>(value);
        }
    }

    // The line after the current one, as it stands. An empty address is
    // written as an empty line, so skipping empty lines would shift every
    // later value and lose a file we wrote ourselves. A file with Windows
    // line ends (its number line ends in CR) has the CR of this line cut
    // too; in a file of ours a value's own trailing CR is kept.
    std::string wholeLine()
    {
        std::string rest;
        std::string line;
        if (!ok_ || !std::getline(in_, rest) || !std::getline(in_, line)) {
            ok_ = false;
            return {};
        }
        if (!rest.empty() && rest.back() == '\r' && !line.empty() && line.back() == '\r')
            line.pop_back();
        return line;
    }

private:
    std::istream& in_;
    std::vector<int>& refused_;
    bool ok_ = true;
};

} // namespace

SettingsLoad loadSettings(const std::filesystem::path& file, ConnectionSettings& settings,
                          std::vector<int>* refusedLines)
{
    std::ifstream in(file, std::ios::binary);
    if (!in)
        return SettingsLoad::Missing;
    return readSettings(in, settings, refusedLines);
}

SettingsLoad readSettings(std::istream& in, ConnectionSettings& settings, std::vector<int>* refusedLines)
{
    const ConnectionSettings d;
    ConnectionSettings s;
    std::vector<int> refused;
    SettingsReader r(in, refused);
    r.number(1, s.ownPort, d.ownPort, kMaxPort, 10);
    s.callbackServer = r.wholeLine();
    r.number(3, s.callbackPort, d.callbackPort, kMaxPort, 10);
    s.updateServer = r.wholeLine();
    r.number(5, s.updatePort, d.updatePort, kMaxPort, 10);
    r.number(6, s.communicatorPort, d.communicatorPort, kMaxPort, 10);
    r.number(7, s.communicatorAddress, d.communicatorAddress, kMax32, 16);
    // The password is one token of its line, cut to four characters; an
    // empty line is an empty password, not the next line's value.
    std::istringstream passwordLine(r.wholeLine());
    std::string password;
    passwordLine >> password;
    s.password = password.substr(0, kPasswordLength);
    r.number(9, s.account, d.account, kMax16, 16);
    int useDefaults = 1;
    r.number(10, useDefaults, 1, 1, 16);
    s.useDefaultIds = useDefaults != 0;
    r.number(11, s.panelId, d.panelId, kMax16, 16);
    r.number(12, s.pcId, d.pcId, kMax16, 16);
    if (!r.ok())
        return SettingsLoad::Missing;
    settings = s;
    if (refusedLines)
        *refusedLines = std::move(refused);
    return SettingsLoad::Loaded;
}

bool isHostName(const std::string& text)
{
    constexpr std::size_t kMaxName = 253;
    constexpr std::size_t kMaxLabel = 63;
    if (text.empty() || text.size() > kMaxName)
        return false;
    bool allDigits = true;
    std::size_t start = 0;
    while (start <= text.size()) {
        const std::size_t dot = std::min(text.find('.', start), text.size());
        const std::string_view label(text.data() + start, dot - start);
        if (label.empty() || label.size() > kMaxLabel || label.front() == '-' || label.back() == '-')
            return false;
        for (const char c : label) {
            const bool digit = c >= '0' && c <= '9';
            const bool letter = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
            if (!digit && !letter && c != '-')
                return false;
            allDigits = allDigits && digit;
        }
        start = dot + 1;
    }
    return !allDigits;
}

std::string formatSettings(const ConnectionSettings& s)
{
    std::ostringstream out;
    out << s.ownPort << '\n'
        << s.callbackServer << '\n'
        << s.callbackPort << '\n'
        << s.updateServer << '\n'
        << s.updatePort << '\n'
        << s.communicatorPort << '\n'
        << hex(s.communicatorAddress, 1) << '\n'
        << s.password << '\n'
        << hex(s.account, 4) << '\n'
        << (s.useDefaultIds ? 1 : 0) << '\n'
        << hex(s.panelId, 4) << '\n'
        << hex(s.pcId, 4) << '\n';
    return out.str();
}

bool saveSettings(const std::filesystem::path& file, const ConnectionSettings& settings)
{
    return writeFileAtomically(file, formatSettings(settings)).empty();
}

} // namespace qarvo::link
