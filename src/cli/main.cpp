#include "cli/CliApp.h"

#include <atomic>
#include <csignal>

namespace {

std::atomic<bool> interrupted{false};
static_assert(std::atomic<bool>::is_always_lock_free, "set from a signal handler");

// The first Ctrl-C asks the command to stop at a step boundary; a second
// one ends the program at once.
void onInterrupt(int)
{
    interrupted = true;
    std::signal(SIGINT, SIG_DFL);
}

} // namespace

int main(int argc, char** argv)
{
    auto env = qarvo::cli::processEnvironment(argv[0]);
    env.interrupt = &interrupted;
    std::signal(SIGINT, onInterrupt);
    return qarvo::cli::runCli({argv + 1, argv + argc}, env);
}
