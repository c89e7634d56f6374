#pragma once
// What a command works with: its command line, the environment, the
// connection settings in force and, in demo mode, the embedded simulator.
#include "cli/CliApp.h"
#include "cli/CliOptions.h"
#include "link/ConnectionSettings.h"

#include <string>

namespace qarvo::cli {

struct Session {
    const CommandLine& commandLine;
    const CliEnvironment& env;
    link::ConnectionSettings settings;
    Demo* demo = nullptr;
};

// Prints a command-line problem with the hint to the help text; returns the
// usage exit status.
int usageError(std::ostream& err, const std::string& message);

} // namespace qarvo::cli
