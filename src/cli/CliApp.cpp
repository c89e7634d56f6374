#include "cli/CliApp.h"

#include "app/Strings.h"
#include "base/TextIds.h"
#include "cli/Commands.h"
#include "cli/Session.h"

#include <cstdlib>
#include <iostream>
#include <memory>
#include <sstream>
#include <system_error>

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

// Settings from PanelRPS.cfg in the program directory; a missing or broken
// file gives the warning and the defaults. The demo does without the file.
link::ConnectionSettings loadSettingsFor(const GlobalOptions& options, const CliEnvironment& env)
{
    link::ConnectionSettings settings;
    if (options.demo)
        return settings;
    const auto file = programDirectory(options, env.homeVariable, env.executableDirectory) / link::kSettingsFileName;
    if (link::loadSettings(file, settings) == link::SettingsLoad::Missing)
        env.err << strings::utf8(text_id::kConfigMissing) << std::endl;
    return settings;
}

} // namespace

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
    out << "\nExit status: " << kExitSuccess << " success, " << kExitFailure << " failure, " << kExitUsage
        << " invalid command line.\n";
    return out.str();
}

CliEnvironment processEnvironment(const char* argv0)
{
    const char* home = std::getenv(kHomeVariable);
    return CliEnvironment{std::cout, std::cerr, executableDirectory(argv0),
                          home ? std::optional<std::string>(home) : std::nullopt};
}

int runCli(const std::vector<std::string>& args, const CliEnvironment& env)
{
    ParseResult parsed = parseCommandLine(args);
    if (!parsed.ok())
        return usageError(env.err, parsed.error);
    CommandLine& line = parsed.commandLine;
    if (line.options.help) {
        env.out << usage();
        return kExitSuccess;
    }
    if (line.command.empty())
        return usageError(env.err, "no command given");
    const CommandRow* command = findCommand(line.command);
    if (!command)
        return usageError(env.err, "unknown command '" + line.command + "'");
    line.options.demo = line.options.demo || command->alwaysDemo;

    Session session{line, env, loadSettingsFor(line.options, env)};
    std::unique_ptr<Demo> demo;
    if (line.options.demo) {
        demo = std::make_unique<Demo>(env.demoCallDelay);
        if (!demo->start()) {
            env.err << "The simulated communicator could not start on 127.0.0.1." << std::endl;
            return kExitFailure;
        }
        demo->pointSettingsAt(session.settings);
        session.demo = demo.get();
        env.err << demo->description() << std::endl;
    }
    applyOptions(line.options, session.settings);
    return command->run(session);
}

} // namespace qarvo::cli
