#pragma once
// The command line of qarvoip-cli: global options (each overrides one field
// of the connection settings read from PanelRPS.cfg), one command and the
// command's own arguments.
#include "app/ProgramFiles.h"
#include "link/Connection.h"
#include "link/ConnectionSettings.h"

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace qarvo::cli {

inline constexpr const char* kProgramName = "qarvoip-cli";
using app::kHomeVariable;

struct GlobalOptions {
    std::optional<std::string> address; // an IPv4 address or a host name, resolved before connecting
    std::optional<std::uint16_t> port;
    std::optional<std::string> password;
    bool passwordFromInput = false; // --password-stdin: the first line of the standard input
    std::optional<std::uint16_t> panelId;
    std::optional<std::uint16_t> pcId;
    link::ConnectionMode mode = link::ConnectionMode::Direct;
    std::optional<std::string> callbackHost;
    std::optional<std::uint16_t> callbackPort;
    std::optional<std::uint16_t> account;
    std::optional<std::uint16_t> ownPort;
    std::optional<std::filesystem::path> home;
    std::optional<std::string> site;             // the book's site whose connection is used
    std::optional<std::filesystem::path> db;     // the site book's file instead of the data folder's
    std::optional<long> timeoutSeconds; // bounds the wait for the communicator's call
    bool demo = false;
    bool help = false;
    bool version = false;
    bool verbose = false; // also the notes a run usually keeps to itself
    bool quiet = false;   // only errors on the error stream
};

struct CommandLine {
    GlobalOptions options;
    // The global options as given, each name followed by its value, without
    // the password and the options that only change what is printed: what
    // another command needs to reach the same panel.
    std::vector<std::string> connectionArguments;
    bool passwordOnCommandLine = false; // given as --password
    std::string command;
    std::vector<std::string> arguments; // what follows the command, except global options
};

struct ParseResult {
    CommandLine commandLine;
    std::string error; // empty when the command line is valid
    bool ok() const { return error.empty(); }
};

// Global options may stand before or after the command, as "--name value"
// or "--name=value". Anything else after the command belongs to it; so do
// the connection options after a command that describes connections itself
// (sites add --address ...).
ParseResult parseCommandLine(const std::vector<std::string>& args);

// Puts every option that was given into the settings; a host name given as
// --address is left to resolveAddress. Giving either ID
// turns the default IDs off.
void applyOptions(const GlobalOptions& options, link::ConnectionSettings& settings);

// The password of a line of input or of the environment, checked as
// --password is; nullopt with why set when it is not a password.
std::optional<std::string> passwordOf(std::string text, std::string& why);

// The folder of PanelRPS.cfg: --home, else the environment variable, else
// the user's configuration folder.
std::filesystem::path programDirectory(const GlobalOptions& options, const std::optional<std::string>& homeVariable,
                                       const std::filesystem::path& userDirectory);

// The command line that runs the command with its arguments against the
// same panel as this one, quoted for a POSIX shell:
// "qarvoip-cli --port 51069 restore '/my backups/x.rps'".
std::string sameConnectionCommand(const CommandLine& line, const std::string& command,
                                  const std::vector<std::string>& arguments);

// One line per global option, for the help text.
std::string optionsHelp();

// Value parsers shared with the commands; nullopt when the text is not valid.
std::optional<long> parseDecimal(const std::string& text, long min, long max);
std::optional<std::uint16_t> parseHex16(const std::string& text);
// The connection mode of its name ("direct", "callback", "wait").
std::optional<link::ConnectionMode> modeNamed(std::string_view name);
struct HostPort {
    std::string host;
    std::uint16_t port = 0;
};
std::optional<HostPort> parseHostPort(const std::string& text);

} // namespace qarvo::cli
