#include "cli/CliApp.h"

#include "app/ProgramFiles.h"
#include "app/Strings.h"
#include "base/TextIds.h"
#include "cli/Commands.h"
#include "cli/Session.h"
#include "cli/SiteCommands.h"
#include "cli/SiteRun.h"
#include "link/UDPSocket.h"

#include <cctype>
#include <cstdlib>

#include <unistd.h>
#include <iostream>
#include <memory>
#include <sstream>
#include <system_error>
#include <vector>

namespace qarvo::cli {

namespace {

std::filesystem::path executableDirectory(const char* argv0)
{
    std::error_code error;
    const auto self = std::filesystem::read_symlink("/proc/self/exe", error);
    if (!error)
        return self.parent_path();
    const auto absolute = std::filesystem::absolute(argv0 ? argv0 : ".", error);
    return error ? std::filesystem::current_path(error) : absolute.parent_path();
}

// The same per-user folder the GUI keeps PanelRPS.cfg in.
std::filesystem::path userFilesDirectory(const char* argv0)
{
    const QString exe = QString::fromStdString(executableDirectory(argv0).string());
    return std::filesystem::path(app::ProgramFiles::installed(exe).configDirectory.toStdString());
}

inline constexpr const char* kPasswordVariable = "QARVOIP_PASSWORD";

// Settings from PanelRPS.cfg in the program directory; a missing or broken
// file gives the defaults, and why goes into problem for the message about
// a missing address. The demo does without the file.
link::ConnectionSettings loadSettingsFor(const GlobalOptions& options, const CliEnvironment& env, std::string& problem)
{
    link::ConnectionSettings settings;
    if (options.demo)
        return settings;
    const auto file = programDirectory(options, env.homeVariable, env.filesDirectory) / link::kSettingsFileName;
    std::vector<int> refusedLines;
    std::error_code error;
    const bool exists = std::filesystem::exists(file, error);
    if (link::loadSettings(file, settings, &refusedLines) == link::SettingsLoad::Missing) {
        // A file that is there but cannot be read is worth a line on every
        // run; a missing one only when asked for, as most runs give the
        // address on the command line.
        problem = file.string() + (exists ? " could not be read" : " does not exist");
        if (exists)
            env.err << file.string() << ": " << strings::utf8(text_id::kConfigMissing) << std::endl;
        else if (options.verbose)
            env.err << strings::utf8(text_id::kConfigMissing) << " (" << file.string() << ")" << std::endl;
    }
    for (int line : refusedLines)
        env.err << strings::format(text_id::kConfigValueRefused, line).toStdString() << std::endl;
    return settings;
}

// What the connection mode needs and the settings lack: there is no
// default peer, so nothing is ever sent to an address nobody gave.
std::string missingPeer(link::ConnectionMode mode, const link::ConnectionSettings& settings,
                        const std::string& settingsProblem)
{
    const std::string why = settingsProblem.empty() ? "" : " (" + settingsProblem + ")";
    if (mode == link::ConnectionMode::Direct && settings.communicatorAddress == link::kNoAddress)
        return "no communicator address: use --address or IP Settings" + why;
    if (mode == link::ConnectionMode::Callback && settings.callbackServer.empty())
        return "no callback server: use --callback or IP Settings" + why;
    return {};
}

// The folder --home or QARVOIP_HOME names must be there: a mistyped one
// would otherwise look like a folder without settings.
std::string missingHome(const GlobalOptions& options, const CliEnvironment& env)
{
    std::optional<std::filesystem::path> home = options.home;
    if (!home && env.homeVariable)
        home = *env.homeVariable;
    std::error_code error;
    if (!home || home->empty() || std::filesystem::is_directory(*home, error))
        return {};
    return "the folder " + home->string() + (options.home ? " (--home)" : std::string(" (") + kHomeVariable + ")") +
           " does not exist";
}

// --password, else --password-stdin, else QARVOIP_PASSWORD: the password
// need not be seen in the list of processes. Empty when all is well.
std::string takePassword(GlobalOptions& options, const CliEnvironment& env)
{
    std::optional<std::string> text;
    std::string source;
    if (!options.password && options.passwordFromInput) {
        std::string line;
        if (!env.in || !std::getline(*env.in, line))
            return "--password-stdin: no line to read on the standard input";
        text = line;
        source = "--password-stdin";
    } else if (!options.password && env.passwordVariable) {
        text = *env.passwordVariable;
        source = kPasswordVariable;
    }
    if (!text)
        return {};
    std::string why;
    options.password = passwordOf(*text, why);
    return why.empty() ? std::string() : source + ": " + why;
}

// A host name given as --address, resolved before anything is sent.
std::string resolveAddress(const GlobalOptions& options, const CliEnvironment& env, link::ConnectionSettings& settings)
{
    if (!options.address || link::parseDotted(*options.address))
        return {};
    const auto address = env.resolveHost ? env.resolveHost(*options.address) : link::resolveHost(*options.address);
    if (!address)
        return "the host name '" + *options.address + "' (--address) could not be resolved to an IPv4 address";
    settings.communicatorAddress = *address;
    return {};
}

} // namespace

namespace {

// The options in a command's arguments text, "[--txt OUT.txt]" as
// "--txt OUT.txt", one a line, in the text's order.
std::string commandOptions(std::string_view arguments)
{
    std::string lines;
    for (auto start = arguments.find("[--"); start != std::string_view::npos; start = arguments.find("[--", start + 1)) {
        const auto end = arguments.find_first_of("[]", start + 1);
        std::string_view option = arguments.substr(start + 1, end == std::string_view::npos ? end : end - start - 1);
        while (!option.empty() && option.back() == ' ')
            option.remove_suffix(1);
        lines += "  " + std::string(option) + "\n";
    }
    return lines;
}

} // namespace

std::string commandHelp(const CommandRow& command)
{
    // A row's help starts with the command's arguments ("DOC.rps ...: what
    // it does") when it takes any.
    std::string help(command.help);
    std::string arguments;
    const auto colon = help.find(": ");
    const bool startsWithArguments =
        !help.empty() && (help[0] == '[' || std::isupper(static_cast<unsigned char>(help[0])));
    if (startsWithArguments && colon != std::string::npos) {
        arguments = " " + help.substr(0, colon);
        help.erase(0, colon + 2);
    }
    std::string text = "Usage: " + std::string(kProgramName) + " [options] " + std::string(command.name) + arguments +
                       "\n\n" + help + "\n";
    if (const std::string options = commandOptions(arguments); !options.empty())
        text += "\nCommand options:\n" + options;
    if (command.details)
        text += "\n" + command.details();
    if (const auto example = commandExample(command.name); !example.empty())
        text += "\nExample:\n  " + std::string(kProgramName) + " " + std::string(example) + "\n";
    return text + "\nOptions:\n" + optionsHelp() + "\nExit status:\n" + exitStatusHelp();
}

int usageError(std::ostream& err, const std::string& message)
{
    err << kProgramName << ": " << message << '\n' << "Try '" << kProgramName << " --help'." << std::endl;
    return kExitUsage;
}

std::string usage()
{
    std::ostringstream out;
    out << "Usage: " << kProgramName << " [options] COMMAND [arguments]\n\nOptions:\n" << optionsHelp() << "\nCommands:\n";
    for (const CommandRow& c : commandTable()) {
        constexpr std::size_t kColumn = 12;
        out << "  " << c.name << std::string(c.name.size() < kColumn ? kColumn - c.name.size() : 1, ' ') << c.help
            << '\n';
    }
    out << "\nCOMMAND --help shows the command's own help.\n\nExit status:\n" << exitStatusHelp();
    return out.str();
}

CliEnvironment processEnvironment(const char* argv0)
{
    const char* home = std::getenv(kHomeVariable);
    CliEnvironment env{std::cout, std::cerr, userFilesDirectory(argv0),
                       home ? std::optional<std::string>(home) : std::nullopt};
    if (const char* password = std::getenv(kPasswordVariable))
        env.passwordVariable = password;
    if (const char* book = std::getenv(kBookVariable))
        env.bookVariable = book;
    env.in = &std::cin;
    env.errIsTerminal = ::isatty(STDERR_FILENO) == 1;
    return env;
}

int runCli(const std::vector<std::string>& args, const CliEnvironment& env)
{
    ParseResult parsed = parseCommandLine(args);
    if (!parsed.ok())
        return usageError(env.err, parsed.error);
    CommandLine& line = parsed.commandLine;
    if (line.options.version) {
        env.out << kProgramName << ' ' << QARVOIP_VERSION << std::endl;
        return kExitSuccess;
    }
    const CommandRow* command = line.command.empty() ? nullptr : findCommand(line.command);
    if (line.options.help) {
        env.out << (command ? commandHelp(*command) : usage());
        return kExitSuccess;
    }
    if (line.command.empty())
        return usageError(env.err, "no command given");
    if (!command)
        return usageError(env.err, "unknown command '" + line.command + "'");
    line.options.demo = line.options.demo || command->alwaysDemo;

    if (const std::string home = missingHome(line.options, env); !home.empty())
        return usageError(env.err, home);
    std::unique_ptr<SiteRun> site;
    if (line.options.site) {
        if (command->local || line.options.demo)
            return usageError(env.err, "--site is for the commands that reach a panel, and not with --demo");
        int status = kExitFailure;
        if (!(site = SiteRun::begin(line, env, status)))
            return status;
        if (const std::string why = site->applyTo(line); !why.empty()) {
            env.err << kProgramName << ": " << why << std::endl;
            return kExitFailure;
        }
    }
    if (const std::string password = takePassword(line.options, env); !password.empty())
        return usageError(env.err, password);

    CliEnvironment commandEnv = env;
    if (line.options.timeoutSeconds)
        commandEnv.timing.waitForCall = std::chrono::seconds(*line.options.timeoutSeconds);
    std::string settingsProblem;
    Session session{line, commandEnv, loadSettingsFor(line.options, env, settingsProblem)};
    std::unique_ptr<Demo> demo;
    if (line.options.demo) {
        demo = std::make_unique<Demo>(sim::DemoSetup{.callDelay = env.demoCallDelay});
        if (!demo->start()) {
            env.err << "The simulated communicator could not start on 127.0.0.1." << std::endl;
            return kExitFailure;
        }
        demo->pointSettingsAt(session.settings);
        session.demo = demo.get();
        if (!line.options.quiet)
            env.err << demo->description() << std::endl;
    }
    applyOptions(line.options, session.settings);
    if (!command->local) {
        if (const std::string unresolved = resolveAddress(line.options, env, session.settings); !unresolved.empty()) {
            env.err << kProgramName << ": " << unresolved << "; nothing was sent." << std::endl;
            return kExitFailure;
        }
        if (const std::string missing = missingPeer(line.options.mode, session.settings, settingsProblem);
            !missing.empty()) {
            env.err << kProgramName << ": " << missing << std::endl;
            return kExitUsage;
        }
    }
    if (site) {
        session.site = site.get();
        if (!site->start(line.command))
            return kExitFailure;
    }
    const int status = command->run(session);
    if (site)
        site->finish(status);
    return status;
}

} // namespace qarvo::cli
