#include "link/ConnectionSettings.h"

#include "base/AtomicFile.h"

#include <cstdio>
#include <fstream>
#include <limits>
#include <sstream>

namespace qarvo::link {

namespace {

std::string hex(unsigned value, int minDigits)
{
    char text[16];
    std::snprintf(text, sizeof text, "%0*x", minDigits, value);
    return text;
}

// Lines 2 and 4 are whole lines, read by their place: the rest of the
// previous line (a number) is dropped, then the next line is taken as it
// stands. An empty address is written as an empty line, so skipping empty
// lines would shift every later value and lose a file we wrote ourselves.
std::string lineAfterToken(std::istream& in)
{
    std::string line;
    in.ignore(std::numeric_limits<std::streamsize>::max(), '\n');
    std::getline(in, line);
    if (!line.empty() && line.back() == '\r')
        line.pop_back();
    return line;
}

template <class T>
bool readToken(std::istream& in, T& value, std::ios_base& (*base)(std::ios_base&))
{
    long long v = 0;
    in >> base >> v;
    if (!in)
        return false;
    value = static_cast<T>(v);
    return true;
}

} // namespace

SettingsLoad loadSettings(const std::filesystem::path& file, ConnectionSettings& settings)
{
    std::ifstream in(file);
    if (!in)
        return SettingsLoad::Missing;
    ConnectionSettings s = settings;
    bool ok = readToken(in, s.ownPort, std::dec);
    s.callbackServer = lineAfterToken(in);
    ok = ok && readToken(in, s.callbackPort, std::dec);
    s.updateServer = lineAfterToken(in);
    ok = ok && readToken(in, s.updatePort, std::dec) && readToken(in, s.communicatorPort, std::dec) &&
         readToken(in, s.communicatorAddress, std::hex);
    std::string password;
    ok = ok && static_cast<bool>(in >> password);
    s.password = password.substr(0, kPasswordLength);
    int useDefaults = 1;
    ok = ok && readToken(in, s.account, std::hex) && readToken(in, useDefaults, std::hex) &&
         readToken(in, s.panelId, std::hex) && readToken(in, s.pcId, std::hex);
    s.useDefaultIds = useDefaults != 0;
    if (!ok)
        return SettingsLoad::Missing;
    settings = s;
    return SettingsLoad::Loaded;
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
