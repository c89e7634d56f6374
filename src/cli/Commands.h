#pragma once
// The commands of qarvoip-cli, one table row each.
#include "cli/Session.h"

#include <span>
#include <string_view>

namespace qarvo::cli {

struct CommandRow {
    std::string_view name;
    std::string_view help;
    bool alwaysDemo; // runs against the embedded simulator even without --demo
    int (*run)(Session&);
    bool local = false; // works on files only: needs no communicator
    std::string (*details)() = nullptr; // more help, after the command's line
};

std::span<const CommandRow> commandTable();
// One command line that runs the command, for its help.
std::string_view commandExample(std::string_view name);
const CommandRow* findCommand(std::string_view name);

// Opens the communicator connection in the chosen mode and closes it again.
int runConnect(Session& session);
// What ./run.sh shows without a display: a session with the simulator.
int runDemo(Session& session);

} // namespace qarvo::cli
