#include "cli/Commands.h"

#include "cli/LinkSession.h"

#include <algorithm>
#include <array>

namespace qarvo::cli {

namespace {

constexpr std::array kCommands{
    CommandRow{"connect", "open the communicator connection, then close it", false, runConnect},
    CommandRow{"demo", "run a session with the embedded simulator", true, runDemo},
};

// Commands without arguments refuse any they are given.
bool refuseArguments(Session& session)
{
    const auto& line = session.commandLine;
    if (line.arguments.empty())
        return false;
    usageError(session.env.err, "command '" + line.command + "' takes no argument: '" + line.arguments.front() + "'");
    return true;
}

} // namespace

std::span<const CommandRow> commandTable() { return kCommands; }

const CommandRow* findCommand(std::string_view name)
{
    const auto it = std::find_if(kCommands.begin(), kCommands.end(), [&](const CommandRow& c) { return c.name == name; });
    return it == kCommands.end() ? nullptr : &*it;
}

int runConnect(Session& session)
{
    if (refuseArguments(session))
        return kExitUsage;
    LinkSession link(session);
    if (!link.open())
        return kExitFailure;
    return link.close() ? kExitSuccess : kExitFailure;
}

int runDemo(Session& session)
{
    // The demo grows with the simulated panel; for now it shows the
    // communicator connection.
    return runConnect(session);
}

} // namespace qarvo::cli
