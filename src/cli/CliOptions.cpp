#include "cli/CliOptions.h"

#include "link/UDPSocket.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <charconv>
#include <sstream>
#include <string_view>

namespace qarvo::cli {

namespace {

constexpr long kMaxPort = 65535;
constexpr std::size_t kMaxHexDigits = 4;

struct ModeName {
    std::string_view name;
    link::ConnectionMode mode;
};
constexpr std::array kModeNames{
    ModeName{"direct", link::ConnectionMode::Direct},
    ModeName{"callback", link::ConnectionMode::Callback},
    ModeName{"wait", link::ConnectionMode::WaitForCall},
};

// Each setter stores its value and returns what is wrong with it (empty: nothing).
using Setter = std::string (*)(GlobalOptions&, const std::string&);

struct OptionRow {
    std::string_view name;
    std::string_view valueName; // empty: a flag without a value
    std::string_view help;
    Setter set;
};

std::string setAddress(GlobalOptions& o, const std::string& v)
{
    if (!link::parseDotted(v) && !link::isHostName(v))
        return "expected an IPv4 address such as 192.168.0.9 or a host name";
    o.address = v;
    return "";
}

std::string setPort(GlobalOptions& o, const std::string& v)
{
    const auto port = parseDecimal(v, 1, kMaxPort);
    if (!port)
        return "expected a port number from 1 to 65535";
    o.port = static_cast<std::uint16_t>(*port);
    return "";
}

std::string passwordProblem(const std::string& v)
{
    return v.empty() || v.size() > link::kPasswordLength ? "expected 1 to 4 characters" : "";
}

std::string setPassword(GlobalOptions& o, const std::string& v)
{
    if (std::string why = passwordProblem(v); !why.empty())
        return why;
    o.password = v;
    return "";
}

std::string setPasswordStdin(GlobalOptions& o, const std::string&)
{
    o.passwordFromInput = true;
    return "";
}

std::string setHex(std::optional<std::uint16_t>& field, const std::string& v)
{
    field = parseHex16(v);
    return field ? "" : "expected 1 to 4 hexadecimal digits";
}

std::string setPanelId(GlobalOptions& o, const std::string& v) { return setHex(o.panelId, v); }
std::string setPcId(GlobalOptions& o, const std::string& v) { return setHex(o.pcId, v); }
std::string setAccount(GlobalOptions& o, const std::string& v) { return setHex(o.account, v); }

std::string setMode(GlobalOptions& o, const std::string& v)
{
    const auto mode = modeNamed(v);
    if (!mode)
        return "expected direct, callback or wait";
    o.mode = *mode;
    return "";
}

std::string setCallback(GlobalOptions& o, const std::string& v)
{
    const auto hostPort = parseHostPort(v);
    if (!hostPort)
        return "expected HOST:PORT with a port from 1 to 65535";
    o.callbackHost = hostPort->host;
    o.callbackPort = hostPort->port;
    return "";
}

std::string setOwnPort(GlobalOptions& o, const std::string& v)
{
    const auto port = parseDecimal(v, 0, kMaxPort);
    if (!port)
        return "expected a port number from 0 (any) to 65535";
    o.ownPort = static_cast<std::uint16_t>(*port);
    return "";
}

std::string setHome(GlobalOptions& o, const std::string& v)
{
    if (v.empty())
        return "expected a directory";
    o.home = v;
    return "";
}

std::string setSite(GlobalOptions& o, const std::string& v)
{
    if (v.empty())
        return "expected the name of a site in the site book";
    o.site = v;
    return "";
}

std::string setDb(GlobalOptions& o, const std::string& v)
{
    if (v.empty())
        return "expected a file";
    o.db = v;
    return "";
}

std::string setDemo(GlobalOptions& o, const std::string&)
{
    o.demo = true;
    return "";
}

std::string setHelp(GlobalOptions& o, const std::string&)
{
    o.help = true;
    return "";
}

std::string setVersion(GlobalOptions& o, const std::string&)
{
    o.version = true;
    return "";
}

std::string setVerbose(GlobalOptions& o, const std::string&)
{
    o.verbose = true;
    return "";
}

std::string setQuiet(GlobalOptions& o, const std::string&)
{
    o.quiet = true;
    return "";
}

std::string setTimeout(GlobalOptions& o, const std::string& v)
{
    constexpr long kMaxSeconds = 24 * 60 * 60;
    o.timeoutSeconds = parseDecimal(v, 1, kMaxSeconds);
    return o.timeoutSeconds ? "" : "expected a number of seconds from 1 to 86400";
}

constexpr std::array kOptions{
    OptionRow{"--address", "HOST", "communicator address: A.B.C.D or a host name", setAddress},
    OptionRow{"--port", "N", "communicator port", setPort},
    OptionRow{"--password", "P", "communicator password (at most 4 characters; also $QARVOIP_PASSWORD)", setPassword},
    OptionRow{"--password-stdin", "", "read the communicator password from the first line of standard input", setPasswordStdin},
    OptionRow{"--panel-id", "HHHH", "panel ID (turns the default IDs off)", setPanelId},
    OptionRow{"--pc-id", "HHHH", "PC ID (turns the default IDs off)", setPcId},
    OptionRow{"--mode", "direct|callback|wait", "how the connection is opened (default direct)", setMode},
    OptionRow{"--callback", "HOST:PORT", "callback server", setCallback},
    OptionRow{"--account", "HHHH", "account sent to the callback server", setAccount},
    OptionRow{"--own-port", "N", "local UDP port (0: any)", setOwnPort},
    OptionRow{"--home", "DIR", "folder holding PanelRPS.cfg instead of the user's configuration folder (also $QARVOIP_HOME)", setHome},
    OptionRow{"--site", "NAME", "connect as the site book's site NAME says, and keep the run in its history", setSite},
    OptionRow{"--db", "FILE|URL", "the site book's file, or a shared one at postgresql://USER@HOST/DBNAME (also "
                                  "$QARVOIP_DB; default sites.db in the data folder)", setDb},
    OptionRow{"--demo", "", "use the embedded simulated communicator on 127.0.0.1", setDemo},
    OptionRow{"--timeout", "S", "wait at most S seconds for the communicator's call (--mode wait)", setTimeout},
    OptionRow{"--verbose", "", "say more on the error stream", setVerbose},
    OptionRow{"--quiet", "", "say only what went wrong on the error stream", setQuiet},
    OptionRow{"--version", "", "show the program's version", setVersion},
    OptionRow{"--help", "", "show this help (COMMAND --help: the command's)", setHelp},
};

const OptionRow* findOption(std::string_view name)
{
    if (name == "-h")
        name = "--help";
    const auto it = std::find_if(kOptions.begin(), kOptions.end(), [&](const OptionRow& o) { return o.name == name; });
    return it == kOptions.end() ? nullptr : &*it;
}

bool looksLikeOption(const std::string& arg) { return arg.size() > 1 && arg[0] == '-'; }

// Commands that describe connections themselves: after them the options
// of a connection are the command's own.
constexpr std::string_view kOwnConnectionCommands[] = {"sites", "fleet"};
constexpr std::string_view kStillGlobal[] = {"--home", "--db", "--help", "-h", "--quiet", "--verbose"};

bool commandsOption(const CommandLine& line, const std::string& name)
{
    return std::ranges::find(kOwnConnectionCommands, line.command) != std::end(kOwnConnectionCommands) &&
           std::ranges::find(kStillGlobal, name) == std::end(kStillGlobal);
}

} // namespace

std::optional<long> parseDecimal(const std::string& text, long min, long max)
{
    long value = 0;
    const char* end = text.data() + text.size();
    const auto [ptr, ec] = std::from_chars(text.data(), end, value);
    if (text.empty() || ec != std::errc{} || ptr != end || value < min || value > max)
        return std::nullopt;
    return value;
}

std::optional<std::uint16_t> parseHex16(const std::string& text)
{
    if (text.empty() || text.size() > kMaxHexDigits)
        return std::nullopt;
    unsigned value = 0;
    const char* end = text.data() + text.size();
    const auto [ptr, ec] = std::from_chars(text.data(), end, value, 16);
    if (ec != std::errc{} || ptr != end)
        return std::nullopt;
    return static_cast<std::uint16_t>(value);
}

std::optional<link::ConnectionMode> modeNamed(std::string_view name)
{
    const auto it = std::find_if(kModeNames.begin(), kModeNames.end(), [&](const ModeName& m) { return m.name == name; });
    return it == kModeNames.end() ? std::nullopt : std::optional(it->mode);
}

std::optional<HostPort> parseHostPort(const std::string& text)
{
    const auto colon = text.rfind(':');
    if (colon == std::string::npos || colon == 0)
        return std::nullopt;
    const auto port = parseDecimal(text.substr(colon + 1), 1, kMaxPort);
    if (!port)
        return std::nullopt;
    return HostPort{text.substr(0, colon), static_cast<std::uint16_t>(*port)};
}

namespace {
// Options that a command repeated for the same panel leaves out: the
// password is never printed, the rest only change what is shown.
constexpr std::string_view kNotForConnection[] = {"--password", "--quiet", "--verbose", "--help", "--version"};
} // namespace

ParseResult parseCommandLine(const std::vector<std::string>& args)
{
    ParseResult result;
    CommandLine& line = result.commandLine;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (!looksLikeOption(arg)) {
            if (line.command.empty())
                line.command = arg;
            else
                line.arguments.push_back(arg);
            continue;
        }
        const auto equals = arg.find('=');
        const std::string name = arg.substr(0, equals);
        const OptionRow* row = commandsOption(line, name) ? nullptr : findOption(name);
        if (!row) {
            if (!line.command.empty()) {
                line.arguments.push_back(arg); // the command's own option
                continue;
            }
            result.error = "unknown option '" + arg + "'";
            return result;
        }
        std::string value;
        if (row->valueName.empty()) {
            if (equals != std::string::npos) {
                result.error = "option '" + name + "' takes no value";
                return result;
            }
        } else if (equals != std::string::npos) {
            value = arg.substr(equals + 1);
        } else if (i + 1 < args.size()) {
            value = args[++i];
        } else {
            result.error = "option '" + name + "' needs a value (" + std::string(row->valueName) + ")";
            return result;
        }
        if (const std::string problem = row->set(line.options, value); !problem.empty()) {
            result.error = "invalid value '" + value + "' for " + name + ": " + problem;
            return result;
        }
        line.passwordOnCommandLine = line.passwordOnCommandLine || name == "--password";
        if (std::ranges::find(kNotForConnection, name) == std::end(kNotForConnection)) {
            line.connectionArguments.push_back(name);
            if (!row->valueName.empty())
                line.connectionArguments.push_back(value);
        }
    }
    return result;
}

namespace {
std::string shellQuoted(const std::string& text)
{
    const bool plain = !text.empty() && std::ranges::all_of(text, [](unsigned char c) {
        return std::isalnum(c) || std::string_view("-_./:=@%+,").find(static_cast<char>(c)) != std::string_view::npos;
    });
    if (plain)
        return text;
    std::string quoted = "'";
    for (const char c : text)
        quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return quoted + "'";
}
} // namespace

std::string sameConnectionCommand(const CommandLine& line, const std::string& command,
                                  const std::vector<std::string>& arguments)
{
    std::string text = kProgramName;
    for (const std::string& part : line.connectionArguments)
        text += " " + shellQuoted(part);
    // A password is never printed: the command reads it as it is typed.
    if (line.passwordOnCommandLine)
        text += " --password-stdin";
    text += " " + shellQuoted(command);
    for (const std::string& part : arguments)
        text += " " + shellQuoted(part);
    return text;
}

void applyOptions(const GlobalOptions& o, link::ConnectionSettings& s)
{
    if (const auto dotted = o.address ? link::parseDotted(*o.address) : std::nullopt)
        s.communicatorAddress = *dotted;
    if (o.port)
        s.communicatorPort = *o.port;
    if (o.password)
        s.password = *o.password;
    if (o.panelId)
        s.panelId = *o.panelId;
    if (o.pcId)
        s.pcId = *o.pcId;
    if (o.panelId || o.pcId)
        s.useDefaultIds = false;
    if (o.callbackHost)
        s.callbackServer = *o.callbackHost;
    if (o.callbackPort)
        s.callbackPort = *o.callbackPort;
    if (o.account)
        s.account = *o.account;
    if (o.ownPort)
        s.ownPort = *o.ownPort;
}

std::optional<std::string> passwordOf(std::string text, std::string& why)
{
    if (!text.empty() && text.back() == '\r')
        text.pop_back();
    why = passwordProblem(text);
    return why.empty() ? std::optional(text) : std::nullopt;
}

std::filesystem::path programDirectory(const GlobalOptions& options, const std::optional<std::string>& homeVariable,
                                       const std::filesystem::path& userDirectory)
{
    if (options.home)
        return *options.home;
    if (homeVariable && !homeVariable->empty())
        return *homeVariable;
    return userDirectory;
}

std::string optionsHelp()
{
    std::ostringstream out;
    for (const OptionRow& o : kOptions) {
        std::string left = std::string(o.name);
        if (!o.valueName.empty())
            left += " " + std::string(o.valueName);
        out << "  " << left;
        constexpr std::size_t kColumn = 32;
        out << std::string(left.size() < kColumn ? kColumn - left.size() : 1, ' ') << o.help << '\n';
    }
    return out.str();
}

} // namespace qarvo::cli
