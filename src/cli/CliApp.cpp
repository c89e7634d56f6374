#include "cli/CliApp.h"

#include "app/ProgramFiles.h"
#include "app/Strings.h"
#include "base/TextIds.h"
#include "cli/Commands.h"
#include "cli/Session.h"

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

// Settings from PanelRPS.cfg in the program directory; a missing or broken
// file gives the warning and the defaults. The demo does without the file.
link::ConnectionSettings loadSettingsFor(const GlobalOptions& options, const CliEnvironment& env)
{
    link::ConnectionSettings settings;
    if (options.demo)
        return settings;
    const auto file = programDirectory(options, env.homeVariable, env.filesDirectory) / link::kSettingsFileName;
    // Most runs give the address on the command line: a missing file is
    // worth a line only when asked for.
    std::vector<int> refusedLines;
    if (link::loadSettings(file, settings, &refusedLines) == link::SettingsLoad::Missing && options.verbose)
        env.err << strings::utf8(text_id::kConfigMissing) << " (" << file.string() << ")" << std::endl;
    for (int line : refusedLines)
        env.err << strings::format(text_id::kConfigValueRefused, line).toStdString() << std::endl;
    return settings;
}

// What the connection mode needs and the settings lack: there is no
// default peer, so nothing is ever sent to an address nobody gave.
std::string missingPeer(link::ConnectionMode mode, const link::ConnectionSettings& settings)
{
    if (mode == link::ConnectionMode::Direct && settings.communicatorAddress == link::kNoAddress)
        return "no communicator address: use --address or IP Settings";
    if (mode == link::ConnectionMode::Callback && settings.callbackServer.empty())
        return "no callback server: use --callback or IP Settings";
    return {};
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
    return "Usage: " + std::string(kProgramName) + " [options] " + std::string(command.name) + arguments + "\n\n" +
           help + "\n\nOptions:\n" + optionsHelp() + "\nExit status:\n" + exitStatusHelp();
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

    CliEnvironment commandEnv = env;
    if (line.options.timeoutSeconds)
        commandEnv.timing.waitForCall = std::chrono::seconds(*line.options.timeoutSeconds);
    Session session{line, commandEnv, loadSettingsFor(line.options, env)};
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
        if (const std::string missing = missingPeer(line.options.mode, session.settings); !missing.empty()) {
            env.err << kProgramName << ": " << missing << std::endl;
            return kExitUsage;
        }
    }
    return command->run(session);
}

} // namespace qarvo::cli
