#pragma once
// What a command works with: its command line, the environment, the
// connection settings in force and, in demo mode, the embedded simulator.
#include "cli/CliApp.h"
#include "cli/CliOptions.h"
#include "cli/CliSink.h"
#include "link/ConnectionSettings.h"

#include <string>

namespace qarvo::cli {

class SiteRun;

struct Session {
    const CommandLine& commandLine;
    const CliEnvironment& env;
    link::ConnectionSettings settings;
    Demo* demo = nullptr;
    SiteRun* site = nullptr; // --site: where the run and its results are kept
};

// How the command's sink shows progress: in place on a terminal, and
// nothing but what went wrong with --quiet.
inline SinkStyle sinkStyle(const Session& session)
{
    return {session.env.errIsTerminal, session.commandLine.options.quiet};
}

// Ctrl-C was pressed.
inline bool interrupted(const Session& session) { return session.env.interrupt && *session.env.interrupt; }

// Prints a command-line problem with the hint to the help text; returns the
// usage exit status.
int usageError(std::ostream& err, const std::string& message);

} // namespace qarvo::cli
